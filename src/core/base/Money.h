#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// An amount of money held exactly, in whole cents: prices, line amounts, bill figures, top-ups and
// card totals. Arithmetic never drifts (1,000 top-ups of 0.10 are exactly 100.00); products with
// quantities and discount rates round once, half away from zero, to the cent.
class TMoney {
 public:
  constexpr TMoney() = default;
  static constexpr TMoney FromCents(qint64 cents) { return TMoney(cents); }
  // The nearest cent, halves away from zero. The value is first cut to 15 significant digits, so
  // that 1.005 rounds as the decimal it stands for rather than the binary fraction below it.
  static TMoney FromDouble(double value);
  // Reads "12", "12.5", "-0.10", " 3.125 " (rounded to 3.13); nothing for text that is not a
  // plain decimal number or lies beyond the largest amount.
  static std::optional<TMoney> Parse(const QString& text);
  // The largest amount a column can hold: 13 digits before the point, 2 after.
  static constexpr qint64 kMaxCents = 999999999999999LL;

  constexpr qint64 Cents() const { return cents_; }
  double ToDouble() const { return static_cast<double>(cents_) / 100.0; }
  // "0.00", "-12.50", "350.40".
  QString ToString() const;
  constexpr bool IsZero() const { return cents_ == 0; }

  // The amount times a factor (a quantity, a discount rate), rounded to the cent.
  TMoney Times(double factor) const;

  constexpr TMoney operator+(TMoney other) const { return TMoney(cents_ + other.cents_); }
  constexpr TMoney operator-(TMoney other) const { return TMoney(cents_ - other.cents_); }
  constexpr TMoney operator-() const { return TMoney(-cents_); }
  constexpr TMoney& operator+=(TMoney other) {
    cents_ += other.cents_;
    return *this;
  }
  constexpr TMoney& operator-=(TMoney other) {
    cents_ -= other.cents_;
    return *this;
  }
  constexpr auto operator<=>(const TMoney&) const = default;

 private:
  constexpr explicit TMoney(qint64 cents) : cents_(cents) {}
  qint64 cents_ = 0;
};

Q_DECLARE_METATYPE(TMoney)

// A bill line's amount: price times quantity times discount rate, rounded once to the cent,
// halves away from zero (12.5 x 3 x 0.8 = 30.00, 3.125 x 1 x 1 = 3.13, 1.005 x 1 x 1 = 1.01).
TMoney LineAmount(double price, double qty, double discount);
