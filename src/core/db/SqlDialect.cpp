#include "core/db/SqlDialect.h"

#include <QRegularExpression>

namespace {

bool IsNameStart(QChar c) {
  return c.isLetter() || c == u'_';
}
bool IsNameChar(QChar c) {
  return c.isLetterOrNumber() || c == u'_';
}

// Copies a quoted run starting at sql[i] (the opening quote) up to and including its closing quote;
// a doubled closing quote stands for one quote inside. Returns the index after the run.
qsizetype CopyQuoted(const QString& sql, qsizetype i, QChar close, QString& out) {
  const qsizetype start = i++;
  while (i < sql.size()) {
    if (sql[i] == close) {
      if (i + 1 < sql.size() && sql[i + 1] == close) {
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    ++i;
  }
  out += QStringView(sql).mid(start, i - start);
  return i;
}

qsizetype CopyLineComment(const QString& sql, qsizetype i, QString& out) {
  const qsizetype end = sql.indexOf(u'\n', i);
  const qsizetype stop = end < 0 ? sql.size() : end;
  out += QStringView(sql).mid(i, stop - i);
  return stop;
}

qsizetype CopyBlockComment(const QString& sql, qsizetype i, QString& out) {
  const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
  const qsizetype stop = end < 0 ? sql.size() : end + 2;
  out += QStringView(sql).mid(i, stop - i);
  return stop;
}

bool IsCommentStart(const QString& sql, qsizetype i) {
  return i + 1 < sql.size() &&
         ((sql[i] == u'-' && sql[i + 1] == u'-') || (sql[i] == u'/' && sql[i + 1] == u'*'));
}

// A PostgreSQL dollar-quoted run ($$...$$ or $tag$...$tag$) starting at sql[i], copied whole; -1
// when no dollar quote starts there.
qsizetype CopyDollarQuoted(const QString& sql, qsizetype i, QString& out) {
  qsizetype end = i + 1;
  while (end < sql.size() && IsNameChar(sql[end]) && !(end == i + 1 && sql[end].isDigit())) ++end;
  if (end >= sql.size() || sql[end] != u'$') return -1;
  const QString tag = sql.mid(i, end - i + 1);
  const qsizetype close = sql.indexOf(tag, end + 1);
  const qsizetype stop = close < 0 ? sql.size() : close + tag.size();
  out += QStringView(sql).mid(i, stop - i);
  return stop;
}

// A trigger's body holds statements of its own, each ended by ";".
bool OpensTrigger(const QString& sql) {
  static const QRegularExpression trigger(
      QStringLiteral(R"(^\s*create\s+(or\s+alter\s+)?((temp|temporary)\s+)?trigger\b)"),
      QRegularExpression::CaseInsensitiveOption);
  return trigger.match(sql).hasMatch();
}

bool OnlyBlanksAndCommentsFrom(const QString& sql, qsizetype i) {
  QString skipped;
  while (i < sql.size()) {
    if (sql[i].isSpace())
      ++i;
    else if (IsCommentStart(sql, i))
      i = sql[i] == u'-' ? CopyLineComment(sql, i, skipped) : CopyBlockComment(sql, i, skipped);
    else
      return false;
  }
  return true;
}

bool NeedsCleaning(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isNull()) return true;
    if (!c.isSurrogate()) continue;
    if (!c.isHighSurrogate() || i + 1 >= text.size() || !text[i + 1].isLowSurrogate()) return true;
    ++i;
  }
  return false;
}

}  // namespace

TPreparedText PrepareStatementText(const QString& sql, TSqlDialect dialect) {
  TPreparedText prepared;
  QString& out = prepared.Text;
  out.reserve(sql.size() + 8);
  const bool postgres = dialect == TSqlDialect::PostgreSQL;
  const bool trigger = OpensTrigger(sql);
  qsizetype i = 0;
  while (i < sql.size()) {
    const QChar c = sql[i];
    qsizetype dollarEnd = -1;
    if (c == u'\'' || c == u'"') {
      i = CopyQuoted(sql, i, c, out);
    } else if (postgres && c == u'$' && (dollarEnd = CopyDollarQuoted(sql, i, out)) >= 0) {
      i = dollarEnd;
    } else if (IsCommentStart(sql, i)) {
      i = c == u'-' ? CopyLineComment(sql, i, out) : CopyBlockComment(sql, i, out);
    } else if (c == u';') {
      if (!trigger && !OnlyBlanksAndCommentsFrom(sql, i + 1)) prepared.SeveralStatements = true;
      out += c;
      ++i;
    } else if (c == u'[') {
      const qsizetype close = sql.indexOf(u']', i + 1);
      if (close < 0) {
        out += QStringView(sql).mid(i);
        break;
      }
      const QStringView name = QStringView(sql).mid(i + 1, close - i - 1);
      if (postgres)
        out += u'"' + name.toString().toLower() + u'"';
      else
        out += QStringView(sql).mid(i, close - i + 1);
      i = close + 1;
    } else if (c == u':' && i + 1 < sql.size() && IsNameStart(sql[i + 1]) &&
               (i == 0 || sql[i - 1] != u':')) {
      qsizetype end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      prepared.Markers << sql.mid(i + 1, end - i - 1);
      out += u'?';
      i = end;
    } else if (IsNameStart(c)) {
      qsizetype end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      const QStringView word = QStringView(sql).mid(i, end - i);
      if (postgres && word.compare(u"like", Qt::CaseInsensitive) == 0)
        out += u"ilike";
      else
        out += word;
      i = end;
    } else {
      out += c;
      ++i;
    }
  }
  return prepared;
}

QString SqlLikePattern(const QString& text) {
  QString pattern;
  pattern.reserve(text.size() + 4);
  pattern += u'%';
  for (const QChar c : text) {
    if (c == u'!' || c == u'%' || c == u'_' || c == u'[') pattern += u'!';
    pattern += c;
  }
  pattern += u'%';
  return pattern;
}

QString CleanSqlText(const QString& text) {
  if (!NeedsCleaning(text)) return text;
  QString clean;
  clean.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.isNull()) continue;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      clean += c;
      clean += text[++i];
    } else if (c.isSurrogate()) {
      clean += QChar(QChar::ReplacementCharacter);
    } else {
      clean += c;
    }
  }
  return clean;
}
