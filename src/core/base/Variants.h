#pragma once

#include <QDateTime>
#include <QVariant>

#include "core/base/Money.h"

// Lenient reading of database values: NULL (or an invalid variant) reads as empty, zero or false,
// whatever type the driver gave it. Whole numbers beyond the range of the result are held at its
// nearest end, never wrapped.
QString VarToStr(const QVariant& value);
int VarToInt(const QVariant& value);
qint64 VarToInt64(const QVariant& value);
double VarToFloat(const QVariant& value);
bool VarToBool(const QVariant& value);
// Accepts QDateTime, QDate and the text forms the databases return; invalid when empty.
QDateTime VarToDateTime(const QVariant& value);
bool VarIsNull(const QVariant& value);
// An amount: money as it is, numbers rounded to the cent, text read as a plain decimal; NULL and
// unreadable text read as zero.
TMoney VarToMoney(const QVariant& value);
