#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "core/db/Database.h"

enum class TBackend { SQLite, PostgreSQL };

std::string BackendName(const testing::TestParamInfo<TBackend>& info);

// The connection string of this test process's own PostgreSQL database, created on the server
// that ./test started; empty when no server was given (PostgreSQL tests then skip).
QString PostgresTestConnectionString();

// Drops this process's PostgreSQL database when the run ends; for a test main.
testing::Environment* NewPostgresCleanup();

// A fresh database with the whole schema and the delivered rows, installed as gDatabase
// for the life of the object. On PostgreSQL the process's database is emptied.
class TFreshDatabase {
 public:
  explicit TFreshDatabase(TBackend backend);
  ~TFreshDatabase();
  const QString& ConnectionString() const { return connectionString_; }
  TDatabase& Database() { return *gDatabase; }

 private:
  QTemporaryDir dir_;
  QString connectionString_;
};

// A test run on both databases: each test gets a fresh database as gDatabase.
class DatabaseTest : public testing::TestWithParam<TBackend> {
 protected:
  void SetUp() override;
  void TearDown() override;
  TDatabase& Db() { return *gDatabase; }
  bool OnPostgres() const { return GetParam() == TBackend::PostgreSQL; }
  // A single value of a look-up.
  QVariant Scalar(const QString& sql, const TDBParameters& params = {});

  std::unique_ptr<TFreshDatabase> fresh_;
};

#define INSTANTIATE_ON_BOTH_DATABASES(Suite) \
  INSTANTIATE_TEST_SUITE_P(Databases, Suite, \
                           testing::Values(TBackend::SQLite, TBackend::PostgreSQL), BackendName)

// The common part of every test program's main: product globals, formats, the scripted message
// box, GoogleTest, and dropping this process's PostgreSQL database at the end.
int RunAllTests(int argc, char** argv);

// A scratch home folder ($HARMOZ_HOME) for the life of the object.
class TScratchHome {
 public:
  TScratchHome();
  ~TScratchHome();
  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
  QByteArray previous_;
};
