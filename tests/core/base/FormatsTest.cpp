#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "core/base/Formats.h"
#include "core/base/Variants.h"

namespace {

QDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

TEST(ParseDateTimeTest, ReadsTheStoredAndTypedForms) {
  struct Case {
    const char* text;
    QDateTime expected;
  };
  const Case cases[] = {
      {"2013-01-15 10:20:30", At(2013, 1, 15, 10, 20, 30)},
      {"2013-01-15", At(2013, 1, 15)},
      {"2013-01-15 00:00:00", At(2013, 1, 15)},
      {"2013-01-15T10:20:30.000", At(2013, 1, 15, 10, 20, 30)},
      {"2013-01-15T10:20:30.5Z", At(2013, 1, 15, 10, 20, 30, 500)},
      {"2013-01-15 10:20:30.123456", At(2013, 1, 15, 10, 20, 30, 123)},
      {"2013-01-15 10:20", At(2013, 1, 15, 10, 20)},
      {"  2013-01-15 10:20:30 ", At(2013, 1, 15, 10, 20, 30)},
      {"2013-1-5", At(2013, 1, 5)},
      {"2013-1-5 8:05:09", At(2013, 1, 5, 8, 5, 9)},
      {"2013/1/5", At(2013, 1, 5)},
      {"2013/01/15 10:20:30", At(2013, 1, 15, 10, 20, 30)},
      {"2012-02-29", At(2012, 2, 29)},
      {"2013-01-15 10:20:30.", At(2013, 1, 15, 10, 20, 30)},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDateTime(QString(c.text)), c.expected) << c.text;
}

TEST(ParseDateTimeTest, AnyOtherTextReadsAsEmpty) {
  const char* const texts[] = {"",
                               "   ",
                               "2013-02-30",
                               "2013-02-29 10:00:00",
                               "2013-01-15 24:00:00",
                               "2013-01-15 10:60",
                               "2013-01-15x",
                               "2013-13-01",
                               "15.01.2013",
                               "abc",
                               "2013-01-15 10:20:30.1.2.3"};
  for (const char* text : texts) EXPECT_FALSE(ParseDateTime(QString(text)).isValid()) << text;
}

TEST(ParseDateTimeTest, LongTextsAreRefusedWithoutDeepWork) {
  // Once one recursion per dot: 60,000 dots overflowed the stack.
  const QString dots(60000, u'.');
  EXPECT_FALSE(ParseDateTime(dots).isValid());
  EXPECT_FALSE(ParseDateTime("2013-01-15 10:20:30" + dots).isValid());
  EXPECT_FALSE(ParseDateTime("2013-01-15" + dots).isValid());
  EXPECT_FALSE(ParseDateTime("2013-01-15 10:20:30." + QString(60000, u'1')).isValid());
  EXPECT_FALSE(VarToDateTime(QVariant(QString(60000, u'9'))).isValid());
}

TEST(VarToDateTimeTest, StoredTextReadsAsTheLocalWallClockTime) {
  const QDateTime read = VarToDateTime(QVariant(QStringLiteral("2013-01-15 10:20:30")));
  EXPECT_EQ(read, At(2013, 1, 15, 10, 20, 30));
  EXPECT_EQ(read.timeSpec(), Qt::LocalTime);
  EXPECT_EQ(VarToDateTime(QVariant(QDate(2013, 1, 15))), At(2013, 1, 15));
  EXPECT_FALSE(VarToDateTime(QVariant()).isValid());
  EXPECT_EQ(FormatDateTime(read), "2013-01-15 10:20:30");
  EXPECT_EQ(FormatDateTime(At(2013, 1, 15)), "2013-01-15");
}

TEST(VarToIntTest, OutOfRangeValuesHoldAtTheNearestEnd) {
  constexpr qint64 kMax64 = std::numeric_limits<qint64>::max();
  constexpr qint64 kMin64 = std::numeric_limits<qint64>::min();
  struct Case {
    QVariant value;
    qint64 as64;
    int as32;
  };
  const Case cases[] = {
      {QVariant(QStringLiteral("9390090999939009099")), kMax64, INT_MAX},
      {QVariant(QStringLiteral("-9390090999939009099")), kMin64, INT_MIN},
      {QVariant(QStringLiteral("1e300")), kMax64, INT_MAX},
      {QVariant(QStringLiteral("12.5")), 13, 13},
      {QVariant(QStringLiteral("3000000000")), 3000000000LL, INT_MAX},
      {QVariant(QStringLiteral("-3000000000")), -3000000000LL, INT_MIN},
      {QVariant(QStringLiteral("abc")), 0, 0},
      {QVariant(1e30), kMax64, INT_MAX},
      {QVariant(-1e30), kMin64, INT_MIN},
      {QVariant(9223372036854775807.0), kMax64, INT_MAX},
      {QVariant(std::numeric_limits<double>::quiet_NaN()), 0, 0},
      {QVariant(std::numeric_limits<double>::infinity()), kMax64, INT_MAX},
      {QVariant(qulonglong(18446744073709551615ULL)), kMax64, INT_MAX},
      {QVariant(qlonglong(4294967296LL)), 4294967296LL, INT_MAX},
      {QVariant(qlonglong(-2147483648LL)), -2147483648LL, INT_MIN},
      {QVariant(2147483647), 2147483647, INT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VarToInt64(c.value), c.as64) << c.value.toString().toStdString();
    EXPECT_EQ(VarToInt(c.value), c.as32) << c.value.toString().toStdString();
  }
}

}  // namespace
