#pragma once

#include <QString>
#include <QStringList>

enum class TSqlDialect { SQLite, PostgreSQL, SqlServer };

// A statement as the driver receives it: the program's text adapted to the database, with every
// ":Name" marker replaced by a positional "?" and the names kept in order of appearance.
struct TPreparedText {
  QString Text;
  QStringList Markers;
};

// Reads the ":Name" markers outside literals and quoted names, and adapts the text:
// PostgreSQL gets "[Name]" as a quoted lower-case identifier and "like" as the case-insensitive
// "ilike" (as the other databases compare); SQLite and SQL Server take brackets as they are.
TPreparedText PrepareStatementText(const QString& sql, TSqlDialect dialect);

// A text literal for SQL text: the value between single quotes, quotes inside doubled.
QString QuoteSqlText(const QString& text);

// A like pattern that finds the text anywhere, every character matched as typed ("%", "_" and
// "[" included), with its escape clause: '%50!%%' escape '!'.
QString SqlLikeContains(const QString& text);
