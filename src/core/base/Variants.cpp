#include "core/base/Variants.h"

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

qint64 VarToInt64(const QVariant& value) {
  if (VarIsNull(value)) return 0;
  bool ok = false;
  if (value.typeId() == QMetaType::QString) {
    const QString text = value.toString().trimmed();
    qint64 whole = text.toLongLong(&ok);
    if (ok) return whole;
    const double real = text.toDouble(&ok);
    return ok ? qRound64(real) : 0;
  }
  if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
    return qRound64(value.toDouble());
  const qint64 whole = value.toLongLong(&ok);
  return ok ? whole : 0;
}

int VarToInt(const QVariant& value) {
  return static_cast<int>(VarToInt64(value));
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
