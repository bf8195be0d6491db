#include <QCoreApplication>
#include <QTextStream>

#include "app/Product.h"
#include "app/Startup.h"
#include "app/Units.h"
#include "data/Database.h"
#include "data/Errors.h"

int main(int argc, char* argv[]) {
  TUnits units;
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  QCoreApplication::setApplicationName(ProgramName);
  QTextStream out(stdout);
  out << AppTitle << " - " << AppVersion << Qt::endl;
  out << "正在连接数据库,请稍候..." << Qt::endl;
  if (!ConnectConfiguredDatabase()) return 1;
  try {
    const TDataSummary summary = ReadDataSummary();
    out << "数据库: " << gDatabase->KindName() << Qt::endl;
    out << "数据位置: " << gDatabase->DataLocation() << Qt::endl;
    out << "会员: " << summary.Members << "  商品: " << summary.Commodities
        << "  操作员: " << summary.Operators << Qt::endl;
  } catch (const EError& error) {
    QTextStream(stderr) << error.Message() << Qt::endl;
    return 1;
  }
  gDatabase->SetConnected(false);
  return 0;
}
