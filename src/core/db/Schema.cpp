#include "core/db/Schema.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlRecord>

#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/db/Database.h"

namespace {

QString ScriptResource(TSqlDialect dialect) {
  switch (dialect) {
    case TSqlDialect::PostgreSQL:
      return QStringLiteral(":/db/postgresql.sql");
    case TSqlDialect::SqlServer:
      return QStringLiteral(":/db/sqlserver.sql");
    default:
      return QStringLiteral(":/db/sqlite.sql");
  }
}

QString Unquote(QString name) {
  name = name.trimmed();
  if (name.startsWith(u'[') || name.startsWith(u'"')) name = name.mid(1, name.size() - 2);
  return name;
}

QString BareTableName(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? name : name.mid(dot + 1);
}

// Amount columns are exact decimals on the servers; earlier builds made them floating point.
constexpr char kAmountType[] = "numeric(15,2)";

// The table a "create table", "create index ... on" or "insert into" statement is about; empty
// for any other statement.
QString StatementTable(const QString& statement) {
  static const QRegularExpression about(
      QStringLiteral(
          R"(^(?:create table\s+(\S+)|create index\s+\S+\s+on\s+(\S+)|insert into\s+(\S+)))"),
      QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = about.match(statement);
  if (!match.hasMatch()) return {};
  for (int group = 1; group <= 3; ++group)
    if (!match.captured(group).isEmpty()) return Unquote(match.captured(group));
  return {};
}

// The column definitions of a create table statement, by column name: "Balance numeric(15,2)".
QList<QPair<QString, QString>> ColumnDefinitions(const QString& createTable) {
  QList<QPair<QString, QString>> columns;
  const QStringList lines = createTable.split(u'\n');
  for (qsizetype i = 1; i < lines.size() - 1; ++i) {
    QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1String("primary key"))) continue;
    if (line.endsWith(u',')) line.chop(1);
    columns.append({Unquote(line.section(u' ', 0, 0)), line});
  }
  return columns;
}

bool HasColumn(const QSqlRecord& record, const QString& column) {
  for (int i = 0; i < record.count(); ++i)
    if (record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0) return true;
  return false;
}

QString PhysicalName(const TDatabase& database, const QString& table) {
  return database.Dialect() == TSqlDialect::PostgreSQL ? table.toLower() : table;
}

// The declared type of a column as the server's catalogue names it ("double precision",
// "numeric", "float").
QString ServerColumnType(TDatabase& database, const QString& table, const QString& column) {
  QString sql = QStringLiteral(
      "select data_type from information_schema.columns where lower(table_name)=:TableName and "
      "lower(column_name)=:ColumnName");
  if (database.Dialect() == TSqlDialect::PostgreSQL)
    sql += QStringLiteral(" and table_schema=current_schema()");
  return VarToStr(
      database.Scalar(sql, {MakeParam(QStringLiteral("TableName"), table.toLower()),
                            MakeParam(QStringLiteral("ColumnName"), column.toLower())}));
}

// The server columns that the script makes exact decimals but that the database holds otherwise.
QList<QPair<QString, QString>> InexactAmountColumns(TDatabase& database) {
  QList<QPair<QString, QString>> inexact;
  if (database.Dialect() == TSqlDialect::SQLite) return inexact;
  const QStringList existing = TSchema::ExistingTables(database);
  for (const QString& statement : TSchema::Statements(database.Dialect())) {
    if (!statement.startsWith(QLatin1String("create table"))) continue;
    const QString table = StatementTable(statement);
    if (!existing.contains(table, Qt::CaseInsensitive)) continue;
    for (const auto& [column, definition] : ColumnDefinitions(statement)) {
      if (!definition.endsWith(QLatin1String(kAmountType))) continue;
      const QString type = ServerColumnType(database, table, column);
      if (!type.isEmpty() && type.compare(QLatin1String("numeric"), Qt::CaseInsensitive) != 0)
        inexact.append({table, column});
    }
  }
  return inexact;
}

QString ToExactAmount(const TDatabase& database, const QString& table, const QString& column) {
  if (database.Dialect() == TSqlDialect::PostgreSQL)
    return QStringLiteral("alter table %1 alter column %2 type %3 using round(%2::numeric, 2)")
        .arg(PhysicalName(database, table), column.toLower(), QLatin1String(kAmountType));
  return QStringLiteral("alter table [%1] alter column [%2] %3")
      .arg(table, column, QLatin1String(kAmountType));
}

QString AddColumn(const TDatabase& database, const QString& table, const QString& definition) {
  if (database.Dialect() == TSqlDialect::SqlServer)
    return QStringLiteral("alter table [%1] add %2").arg(table, definition);
  return QStringLiteral("alter table %1 add column %2")
      .arg(database.Dialect() == TSqlDialect::PostgreSQL
               ? QStringLiteral("\"%1\"").arg(table.toLower())
               : table,
           definition);
}

}  // namespace

QString TSchema::Script(TSqlDialect dialect) {
  QFile file(ScriptResource(dialect));
  if (!file.open(QIODevice::ReadOnly))
    throw EError(QStringLiteral("找不到数据库结构脚本 %1").arg(file.fileName()));
  return QString::fromUtf8(file.readAll());
}

QStringList TSchema::Statements(TSqlDialect dialect) {
  QStringList statements;
  QString current;
  for (const QString& line : Script(dialect).split(u'\n')) {
    if (line.trimmed().startsWith(QLatin1String("--"))) continue;
    current += line + u'\n';
    if (line.trimmed().endsWith(u';')) {
      QString statement = current.trimmed();
      statement.chop(1);
      statements << statement;
      current.clear();
    }
  }
  return statements;
}

QList<TTableDef> TSchema::Tables(TSqlDialect dialect) {
  static const QRegularExpression createTable(QStringLiteral(R"(^create table\s+(\S+)\s*\()"));
  QList<TTableDef> tables;
  for (const QString& statement : Statements(dialect)) {
    const QRegularExpressionMatch match = createTable.match(statement);
    if (!match.hasMatch()) continue;
    TTableDef table{Unquote(match.captured(1)), {}};
    const QStringList lines = statement.split(u'\n');
    for (qsizetype i = 1; i < lines.size() - 1; ++i) {
      const QString line = lines[i].trimmed();
      if (line.isEmpty() || line.startsWith(QLatin1String("primary key"))) continue;
      table.Columns << Unquote(line.section(u' ', 0, 0));
    }
    tables << table;
  }
  return tables;
}

QStringList TSchema::ExistingTables(TDatabase& database) {
  QStringList present;
  for (const QString& table : database.Handle().tables()) present << BareTableName(table).toLower();
  QStringList existing;
  for (const TTableDef& table : Tables(TSqlDialect::SQLite))
    if (present.contains(table.Name.toLower())) existing << table.Name;
  return existing;
}

void TSchema::Install(TDatabase& database) {
  database.BeginTrans();
  try {
    for (const QString& statement : Statements(database.Dialect())) database.Execute(statement);
    database.CommitTrans();
  } catch (...) {
    if (database.InTransaction()) database.RollbackTrans();
    throw;
  }
}

QStringList TSchema::Check(TDatabase& database) {
  QStringList problems;
  const QStringList existing = ExistingTables(database);
  QSqlDatabase& handle = database.Handle();
  // Every script has the same tables and columns; the embedded one spells them as the program does.
  for (const TTableDef& table : Tables(TSqlDialect::SQLite)) {
    if (!existing.contains(table.Name)) {
      problems << QStringLiteral("缺少表 %1").arg(table.Name);
      continue;
    }
    const QString physical =
        database.Dialect() == TSqlDialect::PostgreSQL ? table.Name.toLower() : table.Name;
    const QSqlRecord record = handle.record(physical);
    for (const QString& column : table.Columns) {
      bool found = false;
      for (int i = 0; i < record.count() && !found; ++i)
        found = record.fieldName(i).compare(column, Qt::CaseInsensitive) == 0;
      if (!found) problems << QStringLiteral("表 %1 缺少列 %2").arg(table.Name, column);
    }
  }
  for (const auto& [table, column] : InexactAmountColumns(database))
    problems << QStringLiteral("表 %1 的金额列 %2 还不是精确小数").arg(table, column);
  return problems;
}

QStringList TSchema::Upgrade(TDatabase& database) {
  QStringList changes;
  const QStringList existing = ExistingTables(database);
  const QStringList statements = Statements(database.Dialect());
  database.BeginTrans();
  try {
    QStringList added;
    for (const QString& statement : statements) {
      const QString table = StatementTable(statement);
      if (table.isEmpty()) continue;
      if (!existing.contains(table, Qt::CaseInsensitive)) {
        database.Execute(statement);
        if (statement.startsWith(QLatin1String("create table"))) {
          added << table;
          changes << QStringLiteral("建立表 %1").arg(table);
        }
        continue;
      }
      if (!statement.startsWith(QLatin1String("create table"))) continue;
      const QSqlRecord record = database.Handle().record(PhysicalName(database, table));
      for (const auto& [column, definition] : ColumnDefinitions(statement)) {
        if (HasColumn(record, column)) continue;
        database.Execute(AddColumn(database, table, definition));
        changes << QStringLiteral("表 %1 增加列 %2").arg(table, column);
      }
    }
    for (const auto& [table, column] : InexactAmountColumns(database)) {
      database.Execute(ToExactAmount(database, table, column));
      changes << QStringLiteral("表 %1 的金额列 %2 改为精确小数").arg(table, column);
    }
    database.CommitTrans();
  } catch (...) {
    if (database.InTransaction()) database.RollbackTrans();
    throw;
  }
  return changes;
}

void TSchema::CreateEmbeddedFile(const QString& fileName) {
  {
    QFile file(fileName);
    // The data is the owner's alone; SQLite gives its journal files the same mode.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner))
      throw EError(QStringLiteral("无法建立数据文件 %1: %2").arg(fileName, file.errorString()));
  }
  try {
    TDatabase database;
    database.OpenWith(QStringLiteral("Provider=SQLite;Data Source=%1;").arg(fileName));
    Install(database);
  } catch (...) {
    QFile::remove(fileName);
    throw;
  }
}
