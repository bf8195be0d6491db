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
        DialectCase{"select a::int from t", TSqlDialect::PostgreSQL, "select a::int from t", {}}));

}  // namespace
