#include <QCoreApplication>
#include <QTextStream>

#include "core/base/Formats.h"
#include "core/base/Product.h"
#include "core/maintenance/AdminCommands.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunAdminCommand(application.arguments().mid(1), out, err);
}
