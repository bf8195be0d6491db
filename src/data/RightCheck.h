#pragma once

#include <functional>

// Whether the logged-in operator may run a numbered command. The operator code installs the
// check; it tells the operator about a missing right and may end the command silently (Abort).
// Until a check is installed every right is granted.
using TRightCheck = std::function<bool(int right)>;

// Installs the check; an empty one restores the default. Returns the previous check.
TRightCheck InstallRightCheck(TRightCheck check);
bool CheckOperatorRight(int right);
