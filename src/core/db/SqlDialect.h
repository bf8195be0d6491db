#pragma once

#include <QString>
#include <QStringList>

enum class TSqlDialect { SQLite, PostgreSQL, SqlServer };

// A statement as the driver receives it: the program's text adapted to the database, with every
// ":Name" marker replaced by a positional "?" and the names kept in order of appearance.
struct TPreparedText {
  QString Text;
  QStringList Markers;
  // True when more than blanks and comments follow a ";" outside literals: several statements.
  bool SeveralStatements = false;
};

// Reads the ":Name" markers outside literals and quoted names, and adapts the text:
// PostgreSQL gets "[Name]" as a quoted lower-case identifier and "like" as the case-insensitive
// "ilike" (as the other databases compare); SQLite and SQL Server take brackets as they are.
TPreparedText PrepareStatementText(const QString& sql, TSqlDialect dialect);

// The value to bind for a "like :Name escape '!'" condition that finds the text anywhere, every
// character matched as typed ("%", "_", "[" and "!" included): "50%" gives "%50!%%".
QString SqlLikePattern(const QString& text);
inline constexpr char kSqlLikeEscape[] = "escape '!'";

// Text as every database reads it the same way: a lone UTF-16 surrogate (which the UTF-16 readers
// would pair with the next code unit) becomes U+FFFD, and NUL characters are dropped.
QString CleanSqlText(const QString& text);
