#include "core/operators/Login.h"

#include "core/operators/Operator.h"

namespace {
// The program itself and its three arguments.
constexpr int kCommandLineLoginSize = 4;
}  // namespace

bool LogIn(TOperator& candidate, const QString& loginId, const QString& password) {
  candidate.LoadByLoginId(loginId);
  if (!candidate.CheckPassword(password)) return false;
  candidate.UpgradeStoredPassword(password);
  // The row just read, so that a row gone meanwhile cannot leave an empty operator logged in.
  *gOperator = candidate;
  return true;
}

bool RunLoginStep(bool firstStart, const QStringList& arguments,
                  const std::function<bool()>& loginDialog) {
  if (firstStart && arguments.size() == kCommandLineLoginSize) {
    TOperator candidate;
    if (LogIn(candidate, arguments.at(1), arguments.at(2))) return true;
  }
  return loginDialog();
}

bool ShouldOfferSuperUserPassword(const TOperator& loggedIn) {
  return loggedIn.LoginId == QLatin1String(kSuperUserId) && loggedIn.Password.isEmpty();
}
