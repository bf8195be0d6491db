#pragma once

class TDatabase;

// The tables whose rows get their key from the program.
enum class TKeyKind {
  Member,
  Category,
  CategoryPosition,
  Commodity,
  Gift,
  Charge,
  Consume,
  ConsumeLine,
  Present
};

// New keys are one more than the largest key in use. "In use" covers the table and every column
// that refers to it, so that a new row never takes over the top-ups, bills, lines or
// redemptions left behind by a deleted one. A member and its card share one key.
//
// Call inside the writing transaction: on a server the key kind is locked until that
// transaction ends, so that two counters never hand out the same key; the embedded file's
// writing transaction already holds its write lock.
class TKeys {
 public:
  static int Next(TKeyKind kind, TDatabase& database);
  // Holds the card's row until the transaction ends, so that concurrent writers recompute its
  // totals one after the other, each seeing the other's rows.
  static void LockCard(int cardId, TDatabase& database);
};
