#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QVariant>

#include "core/base/Errors.h"
#include "core/db/FilterExpression.h"

namespace {

TEST(LikeMatchesTest, WildcardsBracketsAndCase) {
  struct Case {
    const char* value;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"张三丰", "%三%", true},
      {"张三丰", "张*", true},
      {"张三丰", "%丰", true},
      {"张三丰", "三%", false},
      {"abc", "ABC", true},
      {"abc", "a%%%c", true},
      {"abc", "a%b%c%", true},
      {"abc", "a%d", false},
      {"", "%", true},
      {"", "", true},
      {"a", "", false},
      {"100%纯", "%[%]%", true},
      {"100纯", "%[%]%", false},
      {"a*b", "a[*]b", true},
      {"aXb", "a[*]b", false},
      {"[x]", "[[]x]", true},
      {"[", "[", true},
      {"a[b", "%[%", true},
      {"mississippi", "%sip%", true},
      {"mississippi", "m%ss%pi", true},
      {"mississippi", "m%ss%pix", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LikeMatches(QString::fromUtf8(c.value), QString::fromUtf8(c.pattern)), c.matches)
        << c.value << " like " << c.pattern;
}

TEST(LikeMatchesTest, CraftedPatternsAnswerAtOnce) {
  // Each of these once ran for seconds or longer (one recursion per "%" and start position).
  struct Case {
    QString value;
    QString pattern;
    bool matches;
  };
  const Case cases[] = {
      {QString(32, u'a'), "%a%a%a%a%a%a%a%a%b", false},
      {QString(32, u'a'), "%a%a%a%a%a%a%a%a%a", true},
      {QString(200, u'a'), QString("*a").repeated(40) + "b", false},
      {QString(109, u'%'), QString("%*").repeated(28) + "x", false},
      {QString(5000, u'a') + "b", QString("%a").repeated(50) + "%b", true},
      {QString(5000, u'a'), QString("%a*").repeated(54) + "%c", false},
  };
  QElapsedTimer timer;
  timer.start();
  for (const Case& c : cases)
    EXPECT_EQ(LikeMatches(c.value, c.pattern), c.matches) << c.pattern.toStdString();
  EXPECT_LT(timer.elapsed(), 2000);
}

TEST(FilterExpressionTest, DeepNestingIsRefusedNotRecursedInto) {
  const QString open(100000, u'(');
  const QString close(100000, u')');
  EXPECT_THROW(TFilterExpression(open + "a = 1" + close), EError);
  EXPECT_THROW(TFilterExpression(QString("not ").repeated(100000) + "a = 1"), EError);
  // Ordinary nesting still reads.
  const TFilterExpression nested("((a = 1) and not (b <> 'x' or (c like '%y%')))");
  EXPECT_EQ(nested.FieldNames(), QStringList({"a", "b", "c"}));
  EXPECT_TRUE(nested.Matches([](const QString& name) {
    return name == u"a" ? QVariant(1) : QVariant(name == u"b" ? "x" : "z");
  }));
}

}  // namespace
