#include "core/base/Variants.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/base/Formats.h"

bool VarIsNull(const QVariant& value) {
  return !value.isValid() || value.isNull();
}

QString VarToStr(const QVariant& value) {
  if (VarIsNull(value)) return {};
  if (value.metaType() == QMetaType::fromType<TMoney>()) return value.value<TMoney>().ToString();
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      return FormatDateTime(value.toDateTime());
    case QMetaType::QDate:
      return FormatDate(value.toDate());
    case QMetaType::Bool:
      return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
      return FormatFloat(value.toDouble());
    default:
      return value.toString();
  }
}

namespace {

// The whole number nearest to a real, held at the ends of the 64-bit range; NaN reads as zero.
qint64 SaturatedInt64(double real) {
  if (std::isnan(real)) return 0;
  // 2^63 is exact as a double; every double below it rounds to a value that fits.
  constexpr double kLimit = 9223372036854775808.0;
  if (real >= kLimit) return std::numeric_limits<qint64>::max();
  if (real <= -kLimit) return std::numeric_limits<qint64>::min();
  return static_cast<qint64>(std::round(real));
}

}  // namespace

qint64 VarToInt64(const QVariant& value) {
  if (VarIsNull(value)) return 0;
  bool ok = false;
  switch (value.typeId()) {
    case QMetaType::QString: {
      const QString text = value.toString().trimmed();
      const qint64 whole = text.toLongLong(&ok);
      if (ok) return whole;
      // Beyond the 64-bit range the text still reads as a (saturated) number.
      const double real = text.toDouble(&ok);
      return ok || std::isinf(real) ? SaturatedInt64(real) : 0;
    }
    case QMetaType::Double:
    case QMetaType::Float:
      return SaturatedInt64(value.toDouble());
    case QMetaType::ULongLong: {
      const qulonglong whole = value.toULongLong();
      return whole > static_cast<qulonglong>(std::numeric_limits<qint64>::max())
                 ? std::numeric_limits<qint64>::max()
                 : static_cast<qint64>(whole);
    }
    default: {
      const qint64 whole = value.toLongLong(&ok);
      return ok ? whole : 0;
    }
  }
}

int VarToInt(const QVariant& value) {
  return static_cast<int>(std::clamp<qint64>(VarToInt64(value), std::numeric_limits<int>::min(),
                                             std::numeric_limits<int>::max()));
}

double VarToFloat(const QVariant& value) {
  if (VarIsNull(value)) return 0.0;
  if (value.metaType() == QMetaType::fromType<TMoney>()) return value.value<TMoney>().ToDouble();
  bool ok = false;
  const double real = value.typeId() == QMetaType::QString
                          ? value.toString().trimmed().toDouble(&ok)
                          : value.toDouble(&ok);
  return ok ? real : 0.0;
}

bool VarToBool(const QVariant& value) {
  if (VarIsNull(value)) return false;
  if (value.typeId() == QMetaType::QString) {
    const QString text = value.toString().trimmed().toLower();
    if (text == u"true" || text == u"t" || text == u"yes") return true;
    bool ok = false;
    const double number = text.toDouble(&ok);
    return ok && number != 0.0;
  }
  return value.toBool();
}

QDateTime VarToDateTime(const QVariant& value) {
  if (VarIsNull(value)) return {};
  switch (value.typeId()) {
    case QMetaType::QDateTime:
      return value.toDateTime();
    case QMetaType::QDate:
      return value.toDate().startOfDay();
    default:
      return ParseDateTime(value.toString());
  }
}

TMoney VarToMoney(const QVariant& value) {
  if (VarIsNull(value)) return {};
  if (value.metaType() == QMetaType::fromType<TMoney>()) return value.value<TMoney>();
  if (value.typeId() == QMetaType::QString)
    return TMoney::Parse(value.toString()).value_or(TMoney());
  return TMoney::FromDouble(VarToFloat(value));
}
