#include "core/db/Schema.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlRecord>

#include "core/base/Errors.h"
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
  return problems;
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
