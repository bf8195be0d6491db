#pragma once

#include <functional>

// Right numbers that functions ask for.
inline constexpr int kRightClearData = 100;
inline constexpr int kRightCompanyInfo = 10000;
inline constexpr int kRightManageOperators = 100001;
inline constexpr int kRightPrint = 10002;
inline constexpr int kRightPrintDesign = 10003;
inline constexpr int kRightExport = 10004;
inline constexpr int kRightBackup = 10005;
inline constexpr int kRightSaveColumnLayout = 10006;
inline constexpr int kRightToolsMenu = 10007;
inline constexpr int kRightChooseColumns = 10008;

// Whether the logged-in operator may run a numbered command. The operator code installs the
// check; it tells the operator about a missing right and may end the command silently (Abort).
// Until a check is installed every right is granted.
using TRightCheck = std::function<bool(int right)>;

// Installs the check; an empty one restores the default. Returns the previous check.
TRightCheck InstallRightCheck(TRightCheck check);
bool CheckOperatorRight(int right);
