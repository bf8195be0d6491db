#include <gtest/gtest.h>

#include <QDateTime>

#include "core/base/Errors.h"
#include "core/grid/EditConversions.h"

namespace {

// The message a conversion fails with; empty when it succeeds.
template <typename Read>
QString FailureOf(Read read) {
  try {
    read();
  } catch (const EError& error) {
    return error.Message();
  }
  return {};
}

TEST(EditConversionsTest, NumberKeysFormOnlyNumbers) {
  const struct {
    TEditType type;
    QString text;
    QChar key;
    bool accepted;
  } cases[] = {
      {etNumber, "0", u'0', false},    {etNumber, "0", u'5', true},  // gives 05
      {etNumber, "0.5", u'0', true},   {etNumber, "05", u'0', false},
      {etNumber, "", u'.', false},     {etNumber, "12.3", u'.', false},
      {etNumber, "12", u'.', true},    {etNumber, "12", u'-', false},
      {etNumber, "12", u'a', false},   {etNumber, "", QChar(8), true},  // Backspace
      {etNumber, "", QChar(13), true}, {etInteger, "1", u'.', false},
      {etInteger, "1", u'0', true},    {etInteger, "", u'-', false},
      {etInteger, "", u'张', false},   {etFree, "", u'张', true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EditAcceptsKey(c.type, c.key, c.text), c.accepted)
        << c.type << " '" << c.text.toStdString() << "' + " << QString(c.key).toStdString();
}

TEST(EditConversionsTest, NumbersTreatZeroAndEmptyAlike) {
  EXPECT_EQ(TEditText::ToDouble(""), 0);
  EXPECT_EQ(TEditText::ToDouble("12.5"), 12.5);
  EXPECT_EQ(TEditText::ToDouble(" 3 "), 3);
  EXPECT_EQ(TEditText::FromDouble(0), "");
  EXPECT_EQ(TEditText::FromDouble(12.5), "12.5");
  EXPECT_EQ(TEditText::FromDouble(0.1 + 0.2), "0.3");
  EXPECT_EQ(TEditText::FromDouble(1e20), "1E20");
  EXPECT_EQ(TEditText::FromDouble(-1.5e-7), "-1.5E-7");
  EXPECT_EQ(TEditText::ToInteger(""), 0);
  EXPECT_EQ(TEditText::ToInteger("42"), 42);
  EXPECT_EQ(TEditText::FromInteger(0), "");
  EXPECT_EQ(TEditText::FromInteger(-7), "-7");

  EXPECT_EQ(FailureOf([] { TEditText::ToDouble("12a"); }), "\"12a\" 不是有效的数字.");
  EXPECT_EQ(FailureOf([] { TEditText::ToDouble("1,000"); }), "\"1,000\" 不是有效的数字.");
  EXPECT_EQ(FailureOf([] { TEditText::ToDouble("inf"); }), "\"inf\" 不是有效的数字.");
  EXPECT_EQ(FailureOf([] { TEditText::ToInteger("12a"); }), "\"12a\" 不是有效的整数.");
  EXPECT_EQ(FailureOf([] { TEditText::ToInteger("1.5"); }), "\"1.5\" 不是有效的整数.");
}

TEST(EditConversionsTest, IntegersBeyondTheRangeFailWithTheRange) {
  const char* const tooLarge[] = {"9390090999939009099", "99999999999", "2147483648", "-2147483649",
                                  "+99999999999999999999999999"};
  for (const char* text : tooLarge)
    EXPECT_EQ(FailureOf([&] { TEditText::ToInteger(text); }),
              QString("\"%1\" 超出整数范围(-2147483648 至 2147483647).").arg(text))
        << text;
  EXPECT_EQ(TEditText::ToInteger("2147483647"), 2147483647);
  EXPECT_EQ(TEditText::ToInteger("-2147483648"), -2147483648);
  EXPECT_EQ(FailureOf([] { TEditText::FromVariant(etInteger, 9390090999939009099.0); }),
            "\"9.39009099993901e+18\" 超出整数范围(-2147483648 至 2147483647).");
  EXPECT_EQ(FailureOf([] { TEditText::FromVariant(etInteger, QString("3000000000")); }),
            "\"3000000000\" 超出整数范围(-2147483648 至 2147483647).");
  EXPECT_EQ(TEditText::FromVariant(etInteger, qlonglong(-2147483648LL)), "-2147483648");
  EXPECT_EQ(FailureOf([] { TEditText::ToVariant(etInteger, "9390090999939009099"); }),
            "\"9390090999939009099\" 超出整数范围(-2147483648 至 2147483647).");
}

TEST(EditConversionsTest, DatesReadNullWhenEmptyAndFailOnImpossibleDates) {
  EXPECT_TRUE(TEditText::ToDate("").isNull());
  EXPECT_EQ(TEditText::ToDate("2013-1-5").toDateTime(), QDateTime(QDate(2013, 1, 5), QTime(0, 0)));
  EXPECT_EQ(FailureOf([] { TEditText::ToDate("2009-13-40"); }), "\"2009-13-40\" 不是有效的日期.");
  EXPECT_EQ(FailureOf([] { TEditText::ToDate("2013-01-15 10:00"); }),
            "\"2013-01-15 10:00\" 不是有效的日期.");
  EXPECT_EQ(TEditText::ToDateTime("2013-01-15 10:30").toDateTime(),
            QDateTime(QDate(2013, 1, 15), QTime(10, 30)));
  EXPECT_EQ(TEditText::ToDateTime("2013-01-15").toDateTime(),
            QDateTime(QDate(2013, 1, 15), QTime(0, 0)));
  EXPECT_EQ(FailureOf([] { TEditText::ToDateTime("2013-01-15 25:00"); }),
            "\"2013-01-15 25:00\" 不是有效的日期.");

  const QDateTime morning(QDate(2013, 1, 15), QTime(9, 5, 7));
  EXPECT_EQ(TEditText::FromDate(morning), "2013-01-15");
  EXPECT_EQ(TEditText::FromDateTime(morning), "2013-01-15 09:05:07");
  EXPECT_EQ(TEditText::FromDateTime(QDateTime(QDate(2013, 1, 15), QTime(0, 0))), "2013-01-15");
  EXPECT_EQ(TEditText::FromDate(QVariant()), "");
  EXPECT_EQ(FailureOf([] { TEditText::FromDate(QString("someday")); }),
            "\"someday\" 不是有效的日期.");
}

TEST(EditConversionsTest, VariantFollowsTheEditKind) {
  EXPECT_TRUE(TEditText::ToVariant(etNumber, "").isNull());
  EXPECT_EQ(TEditText::ToVariant(etNumber, "2.5"), QVariant(2.5));
  EXPECT_EQ(TEditText::ToVariant(etInteger, "7"), QVariant(7));
  EXPECT_EQ(TEditText::ToVariant(etFree, "张三"), QVariant("张三"));
  EXPECT_EQ(FailureOf([] { TEditText::ToVariant(etInteger, "7x"); }), "\"7x\" 不是有效的整数.");

  EXPECT_EQ(TEditText::FromVariant(etNumber, 0.0), "0");  // only the typed number accessors hide 0
  EXPECT_EQ(TEditText::FromVariant(etInteger, 2.6), "3");
  EXPECT_EQ(TEditText::FromVariant(etFree, 12), "12");
  EXPECT_EQ(TEditText::FromVariant(etFree, QVariant()), "");
  EXPECT_EQ(FailureOf([] { TEditText::FromVariant(etInteger, QString("x")); }),
            "\"x\" 不是有效的整数.");
}

TEST(EditConversionsTest, CaptionsReadNullWhenUnreadable) {
  EXPECT_TRUE(TEditText::TryNumber("abc").isNull());
  EXPECT_EQ(TEditText::TryNumber("1.25"), QVariant(1.25));
  EXPECT_TRUE(TEditText::TryDateTime("").isNull());
  EXPECT_EQ(TEditText::TryDateTime("2013-01-15 10:00").toDateTime(),
            QDateTime(QDate(2013, 1, 15), QTime(10, 0)));
}

}  // namespace
