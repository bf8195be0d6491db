#include "core/operators/Rights.h"

#include <utility>

namespace {
TRightCheck& InstalledCheck() {
  static TRightCheck check;
  return check;
}
}  // namespace

TRightCheck InstallRightCheck(TRightCheck check) {
  std::swap(InstalledCheck(), check);
  return check;
}

bool CheckOperatorRight(int right) {
  const TRightCheck& check = InstalledCheck();
  return check ? check(right) : true;
}
