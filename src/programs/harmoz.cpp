// The program's start-up: shared objects, application, splash while connecting, company
// profile, main window, login, then the event loop until the main window closes.
#include <QDir>

#include "core/app/Units.h"
#include "core/base/Product.h"
#include "core/config/Company.h"
#include "core/db/Database.h"
#include "core/db/ServerProbe.h"
#include "core/operators/Operator.h"
#include "core/operators/Rights.h"
#include "ui/app/Application.h"
#include "ui/app/Mall.h"
#include "ui/app/SplashFrm.h"
#include "ui/config/CompanyInfoFrm.h"
#include "ui/config/DBConfigFrm.h"
#include "ui/counter/MainFrm.h"
#include "ui/forms/PubFrm.h"
#include "ui/operators/PasswordChangerFrm.h"

namespace {

void InstallWindowsSeams() {
  TApplication::InstallScreenMessageBox();
  InstallRightCheck([](int right) { return gOperator->CheckRight(right, true); });
  InstallScreenPasswordDialog();
  InstallScreenCompanyEditor();
}

int Run(TApplication& application) {
  // The splash and the login dialog close before the main window shows: that must not end the
  // program.
  application.setQuitOnLastWindowClosed(false);
  gMall = new Tmall(&application);
  auto splash = std::make_unique<TSplashFrm>();
  splash->show();
  splash->ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
  // A server that does not answer is given up after the connect timeout, or at once when the
  // operator cancels on the splash; either way the connection dialog follows.
  TServerProbe probe(kConnectTimeoutSeconds * 1000);
  splash->WatchProbe(&probe);
  if (!TDBConfigFrm::CheckConnection(&probe)) return 0;

  splash->ShowHint(QStringLiteral("正在创建公共对象,请稍候..."));
  gCompany->Load();
  splash->ShowHint(QString());
  splash->ShowHint(QStringLiteral("正在创建主程序,请稍候..."));
  gPubFrm = new TPubFrm(&application);
  auto mainForm = std::make_unique<TmainFrm>();
  splash.reset();

  if (!mainForm->Login(true)) return 0;
  mainForm->showMaximized();
  application.setQuitOnLastWindowClosed(true);
  gMall->AfterLogin();
  return application.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  TUnits units;
  TApplication application(argc, argv);
  SetProductGlobals();
  TApplication::setApplicationName(AppTitle);
  TApplication::processEvents();
  InstallWindowsSeams();
  try {
    return Run(application);
  } catch (...) {
    TApplication::ShowException(std::current_exception());
    return 1;
  }
}
