#include "BenchSupport.h"

#include <sys/resource.h>

#include <stdexcept>

#include "core/db/Schema.h"

TBenchDataFile::TBenchDataFile() : fileName_(dir_.filePath("bench.db")) {
  TSchema::CreateEmbeddedFile(fileName_);
}

QString TBenchDataFile::ConnectionString() const {
  return QStringLiteral("Provider=SQLite;Data Source=%1;").arg(fileName_);
}

TPlainSqlite::TPlainSqlite(const QString& fileName) {
  if (sqlite3_open(fileName.toUtf8().constData(), &db_) != SQLITE_OK)
    throw std::runtime_error("open");
  sqlite3_busy_timeout(db_, 30000);
}

TPlainSqlite::~TPlainSqlite() {
  sqlite3_close(db_);
}

void TPlainSqlite::Exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db_));
}

sqlite3_stmt* TPlainSqlite::Prepare(const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db_));
  return statement;
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}
