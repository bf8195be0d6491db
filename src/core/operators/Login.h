#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class TOperator;

// The credentials check of a login, on a candidate operator that is not gOperator. When the login
// id names exactly one operator and the password is right, a stored password in an older form
// (plain text, an older digest) is written again as a current digest and gOperator becomes that
// operator (with the id as stored); true then. A refusal changes nothing but the candidate.
// Statement errors reach the caller.
bool LogIn(TOperator& candidate, const QString& loginId, const QString& password);

// The login step. At first start, a command line of exactly three arguments (login id, password,
// one more that is not used) logs in without a dialog; otherwise, or when those credentials are
// refused, the result is the login dialog's. The arguments are the command line as the
// application object gives it, the program first. The command line never touches LastLoginId.
bool RunLoginStep(bool firstStart, const QStringList& arguments,
                  const std::function<bool()>& loginDialog);

// Whether the operator who has just logged in is the super user without a password, who is then
// offered to set one. The login checked, so an empty stored password means an empty typed one.
bool ShouldOfferSuperUserPassword(const TOperator& loggedIn);
