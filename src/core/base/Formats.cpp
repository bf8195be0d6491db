#include "core/base/Formats.h"

#include <QLocale>
#include <optional>

namespace {

// Longer texts are no date-time of any form read here; they are refused before any parsing.
constexpr qsizetype kMaxDateTimeText = 40;

// The number in text[at, at+count) when every character there is a decimal digit.
std::optional<int> FixedNumber(QStringView text, qsizetype at, qsizetype count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (qsizetype i = at; i < at + count; ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return value;
}

// The canonical forms at fixed positions: "yyyy-MM-dd", optionally followed by a blank or "T"
// and "hh:mm", ":ss" and a fraction of any number of digits, and a closing "Z". Nullopt when
// the text has another shape; an invalid date-time when it has this shape but names no moment.
std::optional<QDateTime> ReadCanonical(QStringView text) {
  const auto year = FixedNumber(text, 0, 4);
  const auto month = FixedNumber(text, 5, 2);
  const auto day = FixedNumber(text, 8, 2);
  if (!year || !month || !day || text[4] != u'-' || text[7] != u'-') return std::nullopt;
  const QDate date(*year, *month, *day);
  qsizetype at = 10;
  int hour = 0, minute = 0, second = 0, msec = 0;
  if (at < text.size() && (text[at] == u' ' || text[at] == u'T')) {
    const auto h = FixedNumber(text, at + 1, 2);
    const auto m = FixedNumber(text, at + 4, 2);
    if (!h || !m || text[at + 3] != u':') return std::nullopt;
    hour = *h;
    minute = *m;
    at += 6;
    if (at < text.size() && text[at] == u':') {
      const auto s = FixedNumber(text, at + 1, 2);
      if (!s) return std::nullopt;
      second = *s;
      at += 3;
      if (at < text.size() && text[at] == u'.') {
        // Milliseconds from the first three digits; further digits (PostgreSQL writes six) drop.
        qsizetype digits = 0;
        for (++at; at < text.size() && text[at].isDigit(); ++at, ++digits)
          if (digits < 3) msec = msec * 10 + text[at].digitValue();
        if (digits == 0) return std::nullopt;
        for (; digits < 3; ++digits) msec *= 10;
      }
    }
  }
  if (at < text.size() && text[at] == u'Z') ++at;
  if (at != text.size()) return std::nullopt;
  const QTime time(hour, minute, second, msec);
  if (!date.isValid() || !time.isValid()) return QDateTime();
  return QDateTime(date, time);
}

// The looser forms an operator or an older file may hold: one-digit months and days, slashes.
QDateTime ReadLenient(QString text) {
  text.replace(QLatin1Char('T'), QLatin1Char(' '));
  if (text.endsWith(QLatin1Char('Z'))) text.chop(1);
  // A fraction of a second after the seconds is dropped.
  const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
  const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
  if (colon > 0 && dot > colon) text.truncate(dot);
  static const char* const kForms[] = {"yyyy-M-d h:m:s", "yyyy-M-d h:m", "yyyy-M-d",
                                       "yyyy/M/d h:m:s", "yyyy/M/d h:m", "yyyy/M/d"};
  for (const char* form : kForms) {
    const QDateTime parsed = QDateTime::fromString(text, QLatin1String(form));
    if (parsed.isValid()) return parsed;
  }
  return {};
}

}  // namespace

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

QDateTime ParseDateTime(QStringView text) {
  text = text.trimmed();
  if (text.isEmpty() || text.size() > kMaxDateTimeText) return {};
  if (const std::optional<QDateTime> canonical = ReadCanonical(text)) return *canonical;
  return ReadLenient(text.toString());
}

void InstallProcessFormats() {
  // Chinese (China) uses "." as decimal separator; dates are always formatted explicitly above.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  // Without TZ the C library checks the system's time-zone file again for every local time it
  // converts (a file system call per date read from the database). Naming that same file once
  // keeps the zone and lets the library answer from what it has read.
  if (!qEnvironmentVariableIsSet("TZ")) qputenv("TZ", ":/etc/localtime");
}
