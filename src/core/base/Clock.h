#pragma once

#include <QDateTime>

// "Now" and "today" for the whole program; tests fix them.
class TClock {
 public:
  static QDateTime Now();
  static QDate Today() { return Now().date(); }
  // Fixes the clock at the given moment; an invalid moment lets it run again.
  static void Fix(const QDateTime& moment);
};
