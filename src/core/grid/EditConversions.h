#pragma once

#include <QString>
#include <QVariant>

// Which keys an edit takes and how it reads its text as a value.
enum TEditType { etFree, etNumber, etInteger };

// Whether an edit of the kind takes the typed character, judged on its whole current text (never
// the caret or the selection). Numbers take digits and one "." that may not come first, and no
// second leading zero; integers take digits only; Backspace and Enter always pass.
bool EditAcceptsKey(TEditType type, QChar key, const QString& text);

// The typed reading and writing of an edit's text. Reading text that does not convert raises an
// error with a message for the operator; zero and empty are the same number in both directions.
// Dates come back as date-times (midnight for a date); Null stands for an empty date.
class TEditText {
 public:
  static double ToDouble(const QString& text);
  static QString FromDouble(double value);
  static int ToInteger(const QString& text);
  static QString FromInteger(int value);
  static QVariant ToDate(const QString& text);
  static QString FromDate(const QVariant& value);
  static QVariant ToDateTime(const QString& text);
  static QString FromDateTime(const QVariant& value);
  static QVariant ToVariant(TEditType type, const QString& text);
  static QString FromVariant(TEditType type, const QVariant& value);

  // The shortest general notation with up to 15 significant digits ("12.5", "1E20").
  static QString GeneralNumber(double value);
  // Lenient readings for captions: Null when the text does not convert.
  static QVariant TryDateTime(const QString& text);
  static QVariant TryNumber(const QString& text);
};
