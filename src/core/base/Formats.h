#pragma once

#include <QDateTime>
#include <QString>

// The process-wide formats: dates as yyyy-mm-dd, times with ":", numbers with "." as decimal
// separator whatever the desktop's locale says.
inline constexpr char kShortDateFormat[] = "yyyy-MM-dd";
inline constexpr char kLongDateFormat[] = "yyyy-MM-dd hh:mm:ss";

QString FormatDate(const QDate& date);
QString FormatDateTime(const QDateTime& dateTime);
// The shortest text that reads back as the same number ("12.5", "30").
QString FormatFloat(double value);
// Money with two decimals ("30.00").
QString FormatMoney(double value);
// Reads the date and date-time texts that the databases and the operator write: "yyyy-MM-dd",
// "yyyy-MM-dd hh:mm[:ss[.fraction]]", with "T" or a blank between date and time, read at fixed
// positions; then the looser "yyyy-M-d" and "yyyy/M/d" forms with an optional time. Invalid when
// unreadable, whatever the text holds.
QDateTime ParseDateTime(QStringView text);

// Fixes the process-wide formatting rules; run once when the program starts.
void InstallProcessFormats();
