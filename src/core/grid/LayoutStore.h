#pragma once

#include <QString>

// Grid layouts kept in the table syscols: the layout key in F02, the layout string in F06, one
// row per key.
class TLayoutStore {
 public:
  // The stored layout string; empty when there is none. found tells whether a row exists.
  static QString Load(int key, bool* found = nullptr);
  // Updates the key's row, or inserts it; true when exactly one row was written.
  static bool Save(int key, const QString& layout);
};
