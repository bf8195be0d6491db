#include "core/base/Clock.h"

namespace {
QDateTime& FixedMoment() {
  static QDateTime moment;
  return moment;
}
}  // namespace

QDateTime TClock::Now() {
  const QDateTime& fixed = FixedMoment();
  return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void TClock::Fix(const QDateTime& moment) {
  FixedMoment() = moment;
}
