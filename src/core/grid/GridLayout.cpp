#include "core/grid/GridLayout.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace {

QString NameOf(const QString& line) {
  const qsizetype equals = line.indexOf(u'=');
  return equals < 0 ? QString() : line.left(equals);
}

std::optional<QString> ValueFor(const QStringList& lines, const QString& name) {
  for (const QString& line : lines) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0 && line.left(equals).compare(name, Qt::CaseInsensitive) == 0)
      return line.mid(equals + 1);
  }
  return std::nullopt;
}

// "True80" -> visible, 80; false when the width part is not a width.
bool ReadValue(const QString& value, TGridColumn& column) {
  static const QRegularExpression words(QStringLiteral("True|False"),
                                        QRegularExpression::CaseInsensitiveOption);
  QString width = value;
  width.remove(words);
  bool ok = false;
  const int pixels = width.trimmed().toInt(&ok);
  if (!ok || pixels < 0) return false;
  column.Visible = value.contains(QLatin1String("True"));
  column.Width = pixels;
  return true;
}

qsizetype ColumnOf(const QList<TGridColumn>& columns, const QString& name) {
  for (qsizetype i = 0; i < columns.size(); ++i)
    if (columns[i].FieldName.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

}  // namespace

QStringList TGridLayout::Lines(const QString& text) {
  QStringList lines;
  QString line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines << line;
      line.clear();
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

QString TGridLayout::Text(const QList<TGridColumn>& columns) {
  QList<QPair<QString, QString>> lines;
  for (const TGridColumn& column : columns) {
    const QString value = (column.Visible ? QStringLiteral("True") : QStringLiteral("False")) +
                          QString::number(column.Width);
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const auto& line) {
      return line.first.compare(column.FieldName, Qt::CaseInsensitive) == 0;
    });
    if (same != lines.end())
      same->second = value;
    else
      lines.append({column.FieldName, value});
  }
  QString text;
  for (const auto& [name, value] : lines) text += name + u'=' + value + QStringLiteral("\r\n");
  return text;
}

bool TGridLayout::Apply(const QString& text, QList<TGridColumn>& columns) {
  if (text.isEmpty()) return true;
  const QStringList lines = Lines(text);
  for (TGridColumn& column : columns) {
    const std::optional<QString> value = ValueFor(lines, column.FieldName);
    if (value && !ReadValue(*value, column)) return false;
  }
  for (qsizetype line = lines.size() - 1; line >= 0; --line) {
    const QString name = NameOf(lines[line]);
    if (name.isEmpty()) continue;
    const qsizetype from = ColumnOf(columns, name);
    if (from < 0) continue;
    columns.move(from, std::min(line, columns.size() - 1));
  }
  return true;
}
