#include "core/grid/EditConversions.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

#include "core/base/Errors.h"
#include "core/base/Formats.h"
#include "core/base/Variants.h"

namespace {

constexpr QChar kBackspace(8);
constexpr QChar kEnter(13);

[[noreturn]] void NotANumber(const QString& text) {
  throw EError(QStringLiteral("\"%1\" 不是有效的数字.").arg(text));
}
[[noreturn]] void NotAnInteger(const QString& text) {
  throw EError(QStringLiteral("\"%1\" 不是有效的整数.").arg(text));
}
[[noreturn]] void IntegerOutOfRange(const QString& text) {
  throw EError(QStringLiteral("\"%1\" 超出整数范围(%2 至 %3).")
                   .arg(text)
                   .arg(std::numeric_limits<int>::min())
                   .arg(std::numeric_limits<int>::max()));
}
[[noreturn]] void NotADate(const QString& text) {
  throw EError(QStringLiteral("\"%1\" 不是有效的日期.").arg(text));
}

std::optional<double> ParseNumber(const QString& text) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = c.toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

// A whole number in the int range; a well-formed whole number beyond it fails with its own
// message, any other text with nullopt.
std::optional<int> ParseInteger(const QString& text) {
  static const QRegularExpression wholeNumber(QStringLiteral(R"(^[+-]?\d+$)"));
  const QString trimmed = text.trimmed();
  bool ok = false;
  const int value = trimmed.toInt(&ok, 10);
  if (ok) return value;
  if (wholeNumber.match(trimmed).hasMatch()) IntegerOutOfRange(text);
  return std::nullopt;
}

// "yyyy-m-d", optionally followed by "h:m" or "h:m:s" when a time may follow.
QDateTime ParseDateText(const QString& text, bool timeAllowed) {
  static const QRegularExpression form(
      QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?$)"));
  const QRegularExpressionMatch match = form.match(text.trimmed());
  if (!match.hasMatch()) return {};
  const bool hasTime = match.capturedLength(4) > 0;
  if (hasTime && !timeAllowed) return {};
  const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
  const QTime time = hasTime ? QTime(match.captured(4).toInt(), match.captured(5).toInt(),
                                     match.captured(6).toInt())
                             : QTime(0, 0);
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time);
}

// A value to be written as a number; text that is no number fails with the kind's message.
double NumberOf(const QVariant& value, void (*fail)(const QString&)) {
  bool ok = false;
  double number = 0;
  if (value.typeId() == QMetaType::QString) {
    const std::optional<double> parsed = ParseNumber(value.toString());
    ok = parsed.has_value();
    number = parsed.value_or(0);
  } else {
    number = value.toDouble(&ok);
  }
  if (!ok || !std::isfinite(number)) fail(VarToStr(value));
  return number;
}

QDateTime DateTimeOf(const QVariant& value) {
  const QDateTime dateTime = value.typeId() == QMetaType::QString
                                 ? ParseDateText(value.toString(), true)
                                 : VarToDateTime(value);
  if (!dateTime.isValid()) NotADate(VarToStr(value));
  return dateTime;
}

}  // namespace

bool EditAcceptsKey(TEditType type, QChar key, const QString& text) {
  const bool control = key == kBackspace || key == kEnter;
  const bool digit = key >= u'0' && key <= u'9';
  switch (type) {
    case etFree:
      return true;
    case etInteger:
      return control || digit;
    case etNumber:
      if (!control && !digit && key != u'.') return false;
      if (key == u'.' && (text.isEmpty() || text.contains(u'.'))) return false;
      if (key == u'0' && !text.contains(u'.') && text.startsWith(u'0')) return false;
      return true;
  }
  return true;
}

double TEditText::ToDouble(const QString& text) {
  if (text.isEmpty()) return 0;
  const std::optional<double> number = ParseNumber(text);
  if (!number) NotANumber(text);
  return *number;
}

QString TEditText::FromDouble(double value) {
  return value == 0 ? QString() : GeneralNumber(value);
}

int TEditText::ToInteger(const QString& text) {
  if (text.isEmpty()) return 0;
  const std::optional<int> number = ParseInteger(text);
  if (!number) NotAnInteger(text);
  return *number;
}

QString TEditText::FromInteger(int value) {
  return value == 0 ? QString() : QString::number(value);
}

QVariant TEditText::ToDate(const QString& text) {
  if (text.isEmpty()) return {};
  const QDateTime date = ParseDateText(text, false);
  if (!date.isValid()) NotADate(text);
  return date;
}

QString TEditText::FromDate(const QVariant& value) {
  if (VarIsNull(value)) return {};
  return FormatDate(DateTimeOf(value).date());
}

QVariant TEditText::ToDateTime(const QString& text) {
  if (text.isEmpty()) return {};
  const QDateTime dateTime = ParseDateText(text, true);
  if (!dateTime.isValid()) NotADate(text);
  return dateTime;
}

QString TEditText::FromDateTime(const QVariant& value) {
  if (VarIsNull(value)) return {};
  return FormatDateTime(DateTimeOf(value));
}

QVariant TEditText::ToVariant(TEditType type, const QString& text) {
  if (text.isEmpty()) return {};
  switch (type) {
    case etNumber:
      return ToDouble(text);
    case etInteger:
      return ToInteger(text);
    case etFree:
      break;
  }
  return text;
}

QString TEditText::FromVariant(TEditType type, const QVariant& value) {
  if (VarIsNull(value)) return {};
  switch (type) {
    case etNumber:
      return GeneralNumber(NumberOf(value, NotANumber));
    case etInteger: {
      const double number = NumberOf(value, NotAnInteger);
      if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        IntegerOutOfRange(VarToStr(value));
      return QString::number(qRound(number));
    }
    case etFree:
      break;
  }
  return VarToStr(value);
}

QString TEditText::GeneralNumber(double value) {
  QString text = QString::number(value, 'g', 15);
  const qsizetype e = text.indexOf(u'e');
  if (e < 0) return text;
  // 1e+20 -> 1E20, 1.5e-07 -> 1.5E-7
  QString exponent = text.mid(e + 1);
  const bool negative = exponent.startsWith(u'-');
  exponent.remove(0, 1);
  while (exponent.size() > 1 && exponent.startsWith(u'0')) exponent.remove(0, 1);
  return text.left(e) + (negative ? QStringLiteral("E-") : QStringLiteral("E")) + exponent;
}

QVariant TEditText::TryDateTime(const QString& text) {
  const QDateTime dateTime = ParseDateText(text, true);
  return dateTime.isValid() ? QVariant(dateTime) : QVariant();
}

QVariant TEditText::TryNumber(const QString& text) {
  const std::optional<double> number = ParseNumber(text);
  return number ? QVariant(*number) : QVariant();
}
