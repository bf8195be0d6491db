#pragma once

#include <QList>
#include <QVariant>

#include "core/db/QueryRows.h"

struct sqlite3;
struct sqlite3_stmt;

// The rows of a query on an SQLite connection, read with SQLite's own interface: texts straight
// from their stored UTF-8, each value once. The driver reads every text as UTF-16 (which SQLite
// converts value by value) and copies each row before handing it out, which made listing a large
// table several times slower than the database itself. Column names and types follow the driver.
class TSqliteRows : public TQueryRows {
 public:
  // Prepares the text ("?" markers) on the connection, binds the values in order and reads the
  // first row. A failure raises the provider's message with the statement.
  TSqliteRows(sqlite3* connection, const QString& text, const QList<QVariant>& values, QString sql);
  ~TSqliteRows() override;
  TSqliteRows(const TSqliteRows&) = delete;
  TSqliteRows& operator=(const TSqliteRows&) = delete;

  int ColumnCount() const override;
  QString ColumnName(int column) const override;
  QMetaType ColumnType(int column) const override;
  bool Next() override;
  QVariant Value(int column) const override;

 private:
  void Bind(int index, const QVariant& value);
  // Steps once: true on a row, false at the end.
  bool Step();
  [[noreturn]] void Fail() const;

  sqlite3* connection_;
  sqlite3_stmt* statement_ = nullptr;
  QString sql_;
  bool firstRowPending_ = false;
  bool hasFirstRow_ = false;
  bool done_ = false;
};

// The connection's SQLite handle, or null when the connection is no SQLite one.
sqlite3* SqliteHandleOf(const QVariant& driverHandle);
