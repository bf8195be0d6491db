#include <gtest/gtest.h>

#include "core/db/SqlDialect.h"

namespace {

struct DialectCase {
  const char* sql;
  TSqlDialect dialect;
  const char* text;
  QStringList markers;
};

class SqlDialectTest : public testing::TestWithParam<DialectCase> {};

TEST_P(SqlDialectTest, AdaptsTextAndReadsMarkers) {
  const DialectCase& c = GetParam();
  const TPreparedText prepared = PrepareStatementText(QString::fromUtf8(c.sql), c.dialect);
  EXPECT_EQ(prepared.Text, QString::fromUtf8(c.text));
  EXPECT_EQ(prepared.Markers, c.markers);
  EXPECT_FALSE(prepared.SeveralStatements);
}

TEST(StatementTextTest, FindsASecondStatementOutsideLiteralsAndComments) {
  const struct {
    const char* sql;
    bool several;
  } cases[] = {
      {"select 1", false},
      {"select 1;", false},
      {"select 1 ; -- end\n  /* and */ ", false},
      {"select ';' from t where a=';delete'", false},
      {"select \"a;b\" from t", false},
      {"select 1 /* ; delete */", false},
      {"select 1; select 2", true},
      {"select 1;delete from t", true},
      {"select 1; -- c\n delete from t", true},
      {"select 'a'';'; update t set a=1", true},
      {"select 1;;", true},
      {"create trigger t before update on c begin select raise(abort, 'x'); end", false},
      {"create function f() returns trigger language plpgsql as $$begin raise exception 'x'; "
       "end$$",
       false},
      {"select $q$ a; b $q$; delete from t", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PrepareStatementText(c.sql, TSqlDialect::PostgreSQL).SeveralStatements, c.several)
        << c.sql;
}

TEST(StatementTextTest, LikePatternMatchesEveryCharacterAsTyped) {
  EXPECT_EQ(SqlLikePattern(""), "%%");
  EXPECT_EQ(SqlLikePattern("50%"), "%50!%%");
  EXPECT_EQ(SqlLikePattern("a_b[c]!d'"), "%a!_b![c]!!d'%");
}

TEST(StatementTextTest, CleaningReplacesLoneSurrogatesAndDropsNul) {
  const QChar high(0xD800);
  const QChar low(0xDC00);
  const QChar nul(0);
  const QString pair = QString::fromUtf8("\U0001F600");
  const QString fffd(QChar(0xFFFD));
  const struct {
    QString text;
    QString clean;
  } cases[] = {
      {"plain 'text'", "plain 'text'"},
      {pair + "张三", pair + "张三"},
      {QString("a") + high + "'b", "a" + fffd + "'b"},
      {QString(low) + high, fffd + fffd},
      {QString(high) + high + low, fffd + high + low},
      {QString("a") + high, "a" + fffd},
      {QString("a") + nul + "b" + nul, "ab"},
      {QString(high) + nul + low, fffd + fffd},
  };
  for (const auto& c : cases) EXPECT_EQ(CleanSqlText(c.text), c.clean) << c.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Statements, SqlDialectTest,
    testing::Values(
        DialectCase{"delete from operator where LoginId=:LoginId",
                    TSqlDialect::SQLite,
                    "delete from operator where LoginId=?",
                    {"LoginId"}},
        // A marker used twice is bound twice; markers inside literals are text.
        DialectCase{"select * from t where a=:A or b=:A and c=':Not' and d='10:00'",
                    TSqlDialect::SQLite,
                    "select * from t where a=? or b=? and c=':Not' and d='10:00'",
                    {"A", "A"}},
        DialectCase{"update c set [Note]=:Note where x like '%it''s%'",
                    TSqlDialect::PostgreSQL,
                    "update c set \"note\"=? where x ilike '%it''s%'",
                    {"Note"}},
        DialectCase{"select [Key] from options where Likeness=1",
                    TSqlDialect::PostgreSQL,
                    "select \"key\" from options where Likeness=1",
                    {}},
        DialectCase{
            "update c set [Note]=:Note", TSqlDialect::SqlServer, "update c set [Note]=?", {"Note"}},
        DialectCase{"select a::int from t", TSqlDialect::PostgreSQL, "select a::int from t", {}},
        // A dollar-quoted body is text as it stands.
        DialectCase{"create function f() as $b$ x like :y; $b$ where a=:A",
                    TSqlDialect::PostgreSQL,
                    "create function f() as $b$ x like :y; $b$ where a=?",
                    {"A"}}));

}  // namespace
