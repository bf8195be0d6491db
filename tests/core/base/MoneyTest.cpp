#include <gtest/gtest.h>

#include "core/base/Money.h"

namespace {

constexpr qint64 kRefused = -999;

TEST(MoneyTest, LineAmountRoundsOnceHalfAwayFromZero) {
  const struct {
    double price, qty, discount;
    const char* amount;
  } cases[] = {{12.5, 3, 0.8, "30.00"}, {3.125, 1, 1, "3.13"},     {1.005, 1, 1, "1.01"},
               {-3.125, 1, 1, "-3.13"}, {19.99, 3, 0.85, "50.97"}, {0.1, 3, 1, "0.30"},
               {350.4, 1, 1, "350.40"}, {0, 5, 0.9, "0.00"},       {2.675, 1, 1, "2.68"}};
  for (const auto& c : cases)
    EXPECT_EQ(LineAmount(c.price, c.qty, c.discount).ToString(), c.amount) << c.price;
}

TEST(MoneyTest, SumsNeverDrift) {
  TMoney balance;
  for (int i = 0; i < 1000; ++i) balance += *TMoney::Parse("0.10");
  EXPECT_EQ(balance.ToString(), "100.00");
  EXPECT_EQ((TMoney::FromDouble(0.1) + TMoney::FromDouble(0.2)).ToString(), "0.30");
  EXPECT_EQ(TMoney::FromDouble(0.1 + 0.2).ToString(), "0.30");
  EXPECT_EQ((TMoney::FromCents(5) - TMoney::FromCents(1005)).ToString(), "-10.00");
}

TEST(MoneyTest, ParsesPlainDecimalsOnly) {
  const struct {
    const char* text;
    qint64 cents;  // kRefused: not a plain decimal
  } cases[] = {{"12", 1200},
               {"12.5", 1250},
               {" 3.125 ", 313},
               {"-0.10", -10},
               {".5", 50},
               {"7.", 700},
               {"+1.004", 100},
               {"-1.005", -101},
               {"0", 0},
               {"", kRefused},
               {"abc", kRefused},
               {"1,5", kRefused},
               {"1e3", kRefused},
               {"-", kRefused},
               {".", kRefused},
               {"1.2.3", kRefused},
               {"9999999999999.99", 999999999999999},
               {"10000000000000", kRefused},
               {"0000000000000000012.30", 1230}};
  for (const auto& c : cases) {
    const std::optional<TMoney> money = TMoney::Parse(QString::fromUtf8(c.text));
    if (c.cents == kRefused)
      EXPECT_FALSE(money) << c.text;
    else
      EXPECT_EQ(money ? money->Cents() : -1, c.cents) << c.text;
  }
}

TEST(MoneyTest, TimesAFactorRoundsToTheCent) {
  EXPECT_EQ(TMoney::Parse("12.50")->Times(0.8).ToString(), "10.00");
  EXPECT_EQ(TMoney::Parse("0.05")->Times(0.5).ToString(), "0.03");
  EXPECT_EQ(TMoney::Parse("-0.05")->Times(0.5).ToString(), "-0.03");
}

}  // namespace
