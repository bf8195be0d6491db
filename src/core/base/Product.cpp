#include "core/base/Product.h"

QString AppTitle;
QString AppVersion;
QString ProductCode;
QString BuildNo;
QString YearRange;
QString ProgramName;
const char kHelpFile[] = "harmoz.chm";

void SetProductGlobals() {
  AppTitle = QStringLiteral("泰沃会员管理系统");
  AppVersion = QStringLiteral("网络版 1.0.130115");
  ProductCode = QStringLiteral("HARMOZ100");
  BuildNo = QStringLiteral("Build130115");
  YearRange = QStringLiteral("2003-2013");
  ProgramName = QStringLiteral("harmoz");
}
