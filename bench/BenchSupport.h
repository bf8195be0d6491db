#pragma once

#include <sqlite3.h>

#include <QString>
#include <QTemporaryDir>

// A fresh SQLite data file with the program's schema, in a temporary folder.
class TBenchDataFile {
 public:
  TBenchDataFile();
  const QString& FileName() const { return fileName_; }
  QString ConnectionString() const;

 private:
  QTemporaryDir dir_;
  QString fileName_;
};

// The same file opened with the plain SQLite C API, for the baseline.
class TPlainSqlite {
 public:
  explicit TPlainSqlite(const QString& fileName);
  ~TPlainSqlite();
  sqlite3* Handle() const { return db_; }
  void Exec(const char* sql);
  // Prepares, runs to the end and finalizes one statement.
  sqlite3_stmt* Prepare(const char* sql);

 private:
  sqlite3* db_ = nullptr;
};

// The process's peak resident memory in MiB.
double PeakMemoryMiB();
