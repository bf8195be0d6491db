#pragma once

#include <QMetaType>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

// The rows of a query, read once from the first to the last, column by column.
class TQueryRows {
 public:
  virtual ~TQueryRows() = default;
  virtual int ColumnCount() const = 0;
  virtual QString ColumnName(int column) const = 0;
  // The column's type as the database declares it (the first row's value type where it declares
  // none).
  virtual QMetaType ColumnType(int column) const = 0;
  // Moves to the next row; false after the last. A failure raises the provider's message.
  virtual bool Next() = 0;
  // The current row's value; NULL reads as an invalid or null variant.
  virtual QVariant Value(int column) const = 0;
};

// The rows of a driver query.
class TDriverRows : public TQueryRows {
 public:
  TDriverRows(QSqlQuery query, QString sql);
  int ColumnCount() const override;
  QString ColumnName(int column) const override;
  QMetaType ColumnType(int column) const override;
  bool Next() override;
  QVariant Value(int column) const override;

 private:
  QSqlQuery query_;
  QSqlRecord record_;
  QString sql_;
};
