#pragma once

#include <QString>

#include "core/db/RecordSet.h"

// Settings that belong to the data: the table keyvalue, one row per numbered key holding a text,
// an integer, a number and a boolean. The cached rows are the whole table, read on first use.
class TKeyValue2 : public TRecordSet {
 public:
  static constexpr int FeedbackPromptKey = 0;
  static constexpr int DailyTipPromptKey = 1;
  // Reserved; nothing reads or writes it.
  static constexpr int GetStartPromptKey = 2;

  TKeyValue2();

  bool FeedbackPrompt() { return ReadFlag(FeedbackPromptKey); }
  void SetFeedbackPrompt(bool value) { WriteFlag(FeedbackPromptKey, value); }
  bool DailyTipPrompt() { return ReadFlag(DailyTipPromptKey); }
  void SetDailyTipPrompt(bool value) { WriteFlag(DailyTipPromptKey, value); }
  bool GetStartPrompt() { return ReadFlag(GetStartPromptKey); }
  void SetGetStartPrompt(bool value) { WriteFlag(GetStartPromptKey, value); }

  // The key's boolean; a key never stored reads false (its row is inserted on the way).
  bool ReadFlag(int key);
  // Overwrites the whole row of the key: empty text, integer 0, number 0 and the value.
  void WriteFlag(int key, bool value);
  // Makes the key's row the current cached row, inserting the row when the table lacks it.
  void EnsureKey(int key);
  // Writes all four values of the key and mirrors them into the key's cached row; returns
  // whether exactly one row was written.
  bool StoreValues(int key, const QString& text, int integer, double number, bool flag);
  // The statements of StoreValues on the connection, without any cache.
  static bool UpsertValues(int key, const QString& text, int integer, double number, bool flag);

 private:
  static bool Upsert(TDatabase& database, int key, const QString& text, int integer, double number,
                     bool flag);
  void OpenWhenClosed();
  void MirrorIntoCache(int key, const QString& text, int integer, double number, bool flag);
};

extern TKeyValue2* gKeyValue;
