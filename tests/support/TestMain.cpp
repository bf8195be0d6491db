#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "app/Product.h"
#include "config/Formats.h"

namespace {
// Drops this process's PostgreSQL database when the run ends.
class PostgresCleanup : public testing::Environment {
 public:
  void TearDown() override {
    const QString server = qEnvironmentVariable("HARMOZ_TEST_PG");
    if (server.isEmpty() || PostgresTestConnectionString().isEmpty()) return;
    TDatabase maintenance;
    maintenance.OpenWith(server);
    maintenance.Execute(QStringLiteral("drop database if exists harmoz_t%1 with (force)")
                            .arg(QCoreApplication::applicationPid()));
  }
};
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  SetProductGlobals();
  InstallProcessFormats();
  InstallMessageBox(std::make_unique<TScriptedMessageBox>());
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new PostgresCleanup);
  return RUN_ALL_TESTS();
}
