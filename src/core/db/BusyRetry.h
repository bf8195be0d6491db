#pragma once

#include <QElapsedTimer>
#include <chrono>

// The waits of a write that met a busy database (another counter holds the lock, or the server
// broke a deadlock): the write is tried again after growing pauses, each a little random so that
// waiting counters do not wake together, for about two minutes; then the operator is told
// "数据库忙，请稍后再试" and nothing has been written.
class TBusyRetry {
 public:
  TBusyRetry();

  // Waits before the next attempt; raises the error for the operator once the time is up.
  void Pause();

  // How many attempts this process has tried again since it started.
  static int Retries();
  // How long a write keeps trying; two minutes unless a test sets it.
  static void SetLimit(std::chrono::milliseconds limit);
  static std::chrono::milliseconds Limit();

 private:
  QElapsedTimer elapsed_;
  int pauseMilliseconds_;
};
