#include "core/db/QueryRows.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

#include "core/base/Errors.h"

TDriverRows::TDriverRows(QSqlQuery query, QString sql)
    : query_(std::move(query)), record_(query_.record()), sql_(std::move(sql)) {}

int TDriverRows::ColumnCount() const {
  return record_.count();
}

QString TDriverRows::ColumnName(int column) const {
  return record_.fieldName(column);
}

QMetaType TDriverRows::ColumnType(int column) const {
  return record_.field(column).metaType();
}

bool TDriverRows::Next() {
  if (query_.next()) return true;
  if (query_.lastError().isValid()) throw EDatabaseError(query_.lastError().databaseText(), sql_);
  return false;
}

QVariant TDriverRows::Value(int column) const {
  return query_.value(column);
}
