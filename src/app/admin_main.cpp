#include <QCoreApplication>
#include <QTextStream>

#include "app/Product.h"
#include "config/Formats.h"
#include "maintenance/AdminCommands.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunAdminCommand(application.arguments().mid(1), out, err);
}
