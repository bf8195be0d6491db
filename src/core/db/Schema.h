#pragma once

#include <QString>
#include <QStringList>

#include "core/db/SqlDialect.h"

class TDatabase;

struct TTableDef {
  QString Name;
  QStringList Columns;
};

// The database's tables, columns, keys, indexes and delivered rows, kept as one script per
// kind of database. Preparing an empty database and checking an existing one both read it.
class TSchema {
 public:
  static QString Script(TSqlDialect dialect);
  static QStringList Statements(TSqlDialect dialect);
  static QList<TTableDef> Tables(TSqlDialect dialect);

  // The tables of the schema that the database already has.
  static QStringList ExistingTables(TDatabase& database);
  // Creates every table and the delivered rows in one transaction.
  static void Install(TDatabase& database);
  // One line for every table or column that the database lacks, or amount column of an older
  // type; empty when complete.
  static QStringList Check(TDatabase& database);
  // Brings a database of an older build up to date, in one transaction: missing tables (with
  // their indexes and delivered rows) and columns are added, and on the servers amounts move to
  // exact decimals. Returns one line for every change made.
  static QStringList Upgrade(TDatabase& database);
  // Creates an SQLite data file with the whole schema; nothing is left behind on failure.
  static void CreateEmbeddedFile(const QString& fileName);
};
