#include "core/db/SqlDialect.h"

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

}  // namespace

TPreparedText PrepareStatementText(const QString& sql, TSqlDialect dialect) {
  TPreparedText prepared;
  QString& out = prepared.Text;
  out.reserve(sql.size() + 8);
  const bool postgres = dialect == TSqlDialect::PostgreSQL;
  qsizetype i = 0;
  while (i < sql.size()) {
    const QChar c = sql[i];
    if (c == u'\'' || c == u'"') {
      i = CopyQuoted(sql, i, c, out);
    } else if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
      i = CopyLineComment(sql, i, out);
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

QString QuoteSqlText(const QString& text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("''"));
  return u'\'' + quoted + u'\'';
}

QString SqlLikeContains(const QString& text) {
  QString pattern;
  pattern.reserve(text.size() + 4);
  for (const QChar c : text) {
    if (c == u'!' || c == u'%' || c == u'_' || c == u'[') pattern += u'!';
    pattern += c;
  }
  return QuoteSqlText(u'%' + pattern + u'%') + QStringLiteral(" escape '!'");
}
