#include "core/db/BusyRetry.h"

#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <atomic>

#include "core/base/Errors.h"

namespace {

constexpr int kFirstPauseMilliseconds = 20;
constexpr int kLongestPauseMilliseconds = 2000;

std::atomic<int> gRetries{0};
std::atomic<qint64> gLimitMilliseconds{120000};

}  // namespace

TBusyRetry::TBusyRetry() : pauseMilliseconds_(kFirstPauseMilliseconds) {
  elapsed_.start();
}

void TBusyRetry::Pause() {
  if (elapsed_.elapsed() + pauseMilliseconds_ > gLimitMilliseconds.load())
    throw EError(QStringLiteral("数据库忙，请稍后再试"));
  const int jitter =
      static_cast<int>(QRandomGenerator::global()->bounded(pauseMilliseconds_ / 2 + 1));
  QThread::msleep(static_cast<unsigned long>(pauseMilliseconds_ + jitter));
  pauseMilliseconds_ = std::min(pauseMilliseconds_ * 2, kLongestPauseMilliseconds);
  ++gRetries;
}

int TBusyRetry::Retries() {
  return gRetries.load();
}

void TBusyRetry::SetLimit(std::chrono::milliseconds limit) {
  gLimitMilliseconds = limit.count();
}

std::chrono::milliseconds TBusyRetry::Limit() {
  return std::chrono::milliseconds(gLimitMilliseconds.load());
}
