#include "core/base/Money.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Half away from zero, after cutting the value to 15 significant digits (the digits a double
// holds faithfully).
qint64 RoundToWhole(double value) {
  const double faithful = QString::number(value, 'g', 15).toDouble();
  return static_cast<qint64>(std::round(faithful));
}

}  // namespace

TMoney TMoney::FromDouble(double value) {
  if (!std::isfinite(value)) return TMoney();
  return TMoney(RoundToWhole(value * 100.0));
}

std::optional<TMoney> TMoney::Parse(const QString& text) {
  static const QRegularExpression kDecimal(QStringLiteral("^([+-]?)(\\d*)(?:\\.(\\d*))?$"));
  const QRegularExpressionMatch match = kDecimal.match(text.trimmed());
  if (!match.hasMatch()) return std::nullopt;
  const QString whole = match.captured(2);
  const QString fraction = match.captured(3);
  if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
  QString digits = whole;
  while (digits.startsWith(u'0')) digits.remove(0, 1);
  if (digits.size() > 13) return std::nullopt;
  qint64 cents = digits.toLongLong() * 100;
  cents += (fraction + QStringLiteral("00")).left(2).toLongLong();
  // Half away from zero on the third decimal: the sign is applied afterwards.
  if (fraction.size() > 2 && fraction.at(2) >= u'5') ++cents;
  if (cents > kMaxCents) return std::nullopt;
  return TMoney(match.captured(1) == u"-" ? -cents : cents);
}

QString TMoney::ToString() const {
  const qint64 magnitude = cents_ < 0 ? -cents_ : cents_;
  return QStringLiteral("%1%2.%3")
      .arg(cents_ < 0 ? QStringLiteral("-") : QString())
      .arg(magnitude / 100)
      .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

TMoney TMoney::Times(double factor) const {
  return TMoney(RoundToWhole(static_cast<double>(cents_) * factor));
}

TMoney LineAmount(double price, double qty, double discount) {
  return TMoney::FromDouble(price * qty * discount);
}
