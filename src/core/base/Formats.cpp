#include "core/base/Formats.h"

#include <QLocale>

QString FormatDate(const QDate& date) {
  return date.isValid() ? date.toString(QLatin1String(kShortDateFormat)) : QString();
}

QString FormatDateTime(const QDateTime& dateTime) {
  if (!dateTime.isValid()) return {};
  if (dateTime.time() == QTime(0, 0)) return FormatDate(dateTime.date());
  return dateTime.toString(QLatin1String(kLongDateFormat));
}

QString FormatFloat(double value) {
  return QString::number(value, 'g', 15);
}

QString FormatMoney(double value) {
  return QString::number(value, 'f', 2);
}

QDateTime ParseDateTime(const QString& text) {
  QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return {};
  trimmed.replace(QLatin1Char('T'), QLatin1Char(' '));
  if (trimmed.endsWith(QLatin1Char('Z'))) trimmed.chop(1);
  static const char* const kForms[] = {"yyyy-MM-dd hh:mm:ss.zzz",
                                       "yyyy-MM-dd hh:mm:ss",
                                       "yyyy-MM-dd hh:mm",
                                       "yyyy-MM-dd",
                                       "yyyy/M/d hh:mm:ss",
                                       "yyyy/M/d",
                                       "yyyy-M-d"};
  for (const char* form : kForms) {
    const QDateTime parsed = QDateTime::fromString(trimmed, QLatin1String(form));
    if (parsed.isValid()) return parsed;
  }
  // Fractions of a second with more or fewer than three digits (PostgreSQL writes up to six).
  const int dot = trimmed.lastIndexOf(QLatin1Char('.'));
  if (dot > 0) return ParseDateTime(trimmed.left(dot));
  return {};
}

void InstallProcessFormats() {
  // Chinese (China) uses "." as decimal separator; dates are always formatted explicitly above.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}
