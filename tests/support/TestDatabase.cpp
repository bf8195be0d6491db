#include "TestDatabase.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include "ScriptedMessageBox.h"
#include "core/base/Formats.h"
#include "core/base/Product.h"
#include "core/base/Variants.h"
#include "core/db/RecordSet.h"
#include "core/db/Schema.h"

std::string BackendName(const testing::TestParamInfo<TBackend>& info) {
  return info.param == TBackend::SQLite ? "SQLite" : "PostgreSQL";
}

QString PostgresTestConnectionString() {
  static const QString connectionString = [] {
    const QString server = qEnvironmentVariable("HARMOZ_TEST_PG");
    if (server.isEmpty()) return QString();
    const QString name = QStringLiteral("harmoz_t%1").arg(QCoreApplication::applicationPid());
    TDatabase maintenance;
    maintenance.OpenWith(server);
    maintenance.Execute(QStringLiteral("drop database if exists %1").arg(name));
    maintenance.Execute(QStringLiteral("create database %1").arg(name));
    QString own = server;
    own.replace(QStringLiteral("Initial Catalog=postgres"),
                QStringLiteral("Initial Catalog=") + name);
    return own;
  }();
  return connectionString;
}

namespace {
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

testing::Environment* NewPostgresCleanup() {
  return new PostgresCleanup;
}

TFreshDatabase::TFreshDatabase(TBackend backend) {
  gDatabase = new TDatabase();
  if (backend == TBackend::SQLite) {
    const QString file = dir_.filePath(QStringLiteral("harmoz.db"));
    TSchema::CreateEmbeddedFile(file);
    connectionString_ = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file);
    gDatabase->OpenWith(connectionString_);
    return;
  }
  connectionString_ = PostgresTestConnectionString();
  gDatabase->OpenWith(connectionString_);
  gDatabase->Execute(QStringLiteral("drop schema public cascade"));
  gDatabase->Execute(QStringLiteral("create schema public"));
  TSchema::Install(*gDatabase);
}

TFreshDatabase::~TFreshDatabase() {
  delete gDatabase;
  gDatabase = nullptr;
}

void DatabaseTest::SetUp() {
  if (GetParam() == TBackend::PostgreSQL && PostgresTestConnectionString().isEmpty())
    GTEST_SKIP() << "HARMOZ_TEST_PG is not set; ./test starts a PostgreSQL server";
  fresh_ = std::make_unique<TFreshDatabase>(GetParam());
}

void DatabaseTest::TearDown() {
  fresh_.reset();
}

QVariant DatabaseTest::Scalar(const QString& sql, const TDBParameters& params) {
  return gDatabase->Scalar(sql, params);
}

TScratchHome::TScratchHome() : previous_(qgetenv("HARMOZ_HOME")) {
  qputenv("HARMOZ_HOME", dir_.path().toLocal8Bit());
}

TScratchHome::~TScratchHome() {
  if (previous_.isEmpty())
    qunsetenv("HARMOZ_HOME");
  else
    qputenv("HARMOZ_HOME", previous_);
}

int RunAllTests(int argc, char** argv) {
  SetProductGlobals();
  InstallProcessFormats();
  InstallMessageBox(std::make_unique<TScriptedMessageBox>());
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(NewPostgresCleanup());
  return RUN_ALL_TESTS();
}
