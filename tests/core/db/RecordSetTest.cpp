#include <gtest/gtest.h>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/db/RecordSet.h"

namespace {

class RecordSetTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (IsSkipped()) return;
    for (const char* login : {"a", "b", "c"})
      Db().Execute("insert into [operator] (LoginId, Name) values (:LoginId, :Name)",
                   {MakeParam("LoginId", login), MakeParam("Name", QString("操作员") + login)});
  }
};

// Declares two of the operator columns, as the operator list does.
class OperatorNames : public TRecordSet {
 public:
  OperatorNames() {
    AddField(TFieldType::WideString, "LoginId", "登陆名", true, 30);
    AddField(TFieldType::WideString, "Name", "姓名", true, 30);
  }
};

TEST_P(RecordSetTest, OpensIntoDeclaredFieldsOnly) {
  OperatorNames names;
  EXPECT_EQ(names.OpenSql("select * from [operator] where LoginId<>'sa' order by LoginId"), 3);
  EXPECT_EQ(names.DataSet()->FieldCount(), 2);
  EXPECT_EQ(names.FieldByName("Name")->AsString(), "操作员a");
  EXPECT_EQ(names.FieldByName("Name")->DisplayLabel(), "姓名");
  EXPECT_EQ(names.JoinValues(names.FieldByName("LoginId"), "\r\n"), "a\r\nb\r\nc");
  EXPECT_EQ(names.OpenSql("select * from [operator] where LoginId=:Id", {MakeParam("Id", "none")}),
            0);
  EXPECT_TRUE(names.DataSet()->Active());
  EXPECT_EQ(names.JoinValues(names.FieldByName("LoginId"), ","), "");
}

TEST_P(RecordSetTest, FailingQueryIsShownThenReachesTheCaller) {
  TMessageScript messages;
  OperatorNames names;
  const QString sql = "select * from nosuchtable";
  EXPECT_THROW(names.OpenSql(sql), EError);
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().startsWith("\r\nSQL语句错误,原文如下:\r\n" + sql +
                                              "\r\n\r\n错误提示:\r\n"));
  EXPECT_FALSE(names.DataSet()->Active());

  // A declared field that the result lacks fails the same way.
  EXPECT_THROW(names.OpenSql("select LoginId from [operator]"), EError);
  EXPECT_EQ(messages->Boxes.size(), 2);
  EXPECT_TRUE(messages->LastText().contains("Name"));

  // A parameter the statement lacks is not shown in the SQL box.
  EXPECT_THROW(names.OpenSql("select * from [operator]", {MakeParam("Id", 1)}), EParameterError);
  EXPECT_EQ(messages->Boxes.size(), 2);

  // An error met while the rows are read (not when the statement starts) fails the same way.
  TRecordSet overflow;
  EXPECT_THROW(overflow.OpenSql("select abs(-9223372036854775807-1) from [operator]"), EError);
  EXPECT_EQ(messages->Boxes.size(), 3);
  EXPECT_FALSE(overflow.DataSet()->Active());
}

TEST_P(RecordSetTest, ReadsValuesOfEveryKindAndBindsNullTextAsNull) {
  Db().Execute("insert into gifts (Id, Name, [Point], Stock) values (1, :Name, 30, 2.5)",
               {MakeParam("Name", QString())});
  TRecordSet gifts;
  gifts.AddField(TFieldType::Integer, "Id");
  gifts.AddField(TFieldType::WideString, "Name");
  gifts.AddField(TFieldType::Float, "Stock");
  gifts.AddField(TFieldType::WideString, "Notex");
  ASSERT_EQ(gifts.OpenSql("select * from gifts where coalesce(Name, :None)=:None",
                          {MakeParam("None", "空")}),
            1);
  EXPECT_EQ(gifts.FieldByName("Id")->AsInteger(), 1);
  EXPECT_TRUE(gifts.FieldByName("Name")->IsNull());
  EXPECT_DOUBLE_EQ(gifts.FieldByName("Stock")->AsFloat(), 2.5);
  EXPECT_TRUE(gifts.FieldByName("Notex")->IsNull());
  EXPECT_EQ(gifts.OpenSql("select * from gifts where Name=:Name", {MakeParam("Name", QString())}),
            0);
  EXPECT_EQ(VarToInt64(Scalar("select [Point] from gifts")), 30);
}

TEST_P(RecordSetTest, RefreshReadsAgainWithTheSameParameters) {
  OperatorNames names;
  names.OpenSql("select * from [operator] where LoginId<>:Sa", {MakeParam("Sa", "sa")});
  Db().Execute("insert into [operator] (LoginId, Name) values ('d', 'D')");
  names.Refresh();
  EXPECT_EQ(names.DataSet()->RecordCount(), 4);
}

TEST_P(RecordSetTest, ClearRowsEmptiesTheCacheNotTheTable) {
  TRecordSet all;
  all.OpenSql("select * from [operator]");
  all.ClearRows();
  EXPECT_EQ(all.DataSet()->RecordCount(), 0);
  EXPECT_EQ(Scalar("select count(*) from [operator]").toInt(), 4);
}

TEST_P(RecordSetTest, SetWithoutDeclaredFieldsTakesEachResultsOwnColumns) {
  TRecordSet lookUp;
  lookUp.OpenSql("select max(Id) from members");
  EXPECT_EQ(lookUp.DataSet()->FieldCount(), 1);
  EXPECT_EQ(lookUp.DataSet()->Field(0)->AsInteger(), 0);  // NULL maximum of an empty table
  lookUp.OpenSql("select LoginId, Name from [operator] where LoginId='a'");
  EXPECT_EQ(lookUp.DataSet()->FieldCount(), 2);
  EXPECT_EQ(lookUp.FieldByName("name")->AsString(), "操作员a");
}

TEST_P(RecordSetTest, ScalarReadsTheFirstValueOrNull) {
  EXPECT_EQ(VarToStr(Db().Scalar("select Name from [operator] where LoginId=:Id",
                                 {MakeParam("Id", "a")})),
            "操作员a");
  EXPECT_TRUE(Db().Scalar("select Name from [operator] where LoginId='nobody'").isNull());
  EXPECT_TRUE(VarIsNull(Db().Scalar("select max(Id) from members")));
  EXPECT_THROW(Db().Scalar("select nothing from nowhere"), EDatabaseError);
}

TEST_P(RecordSetTest, IntegerSumsBeyondTheIntRangeAreKeptWhole) {
  for (int id : {1, 2})
    Db().Execute("insert into presents (Id, CardId, [Point]) values (:Id, 7, 2000000000)",
                 {MakeParam("Id", id)});
  TRecordSet sum;
  sum.OpenSql("select sum([Point]) as Total from presents where CardId=7");
  TField* total = sum.FieldByName("Total");
  EXPECT_EQ(total->AsLargeInt(), 4000000000LL);
  EXPECT_EQ(total->AsString(), "4000000000");
  // Read as an int the sum holds at the top of the range instead of turning negative.
  EXPECT_EQ(total->AsInteger(), 2147483647);

  TRecordSet declared;
  declared.AddField(TFieldType::Integer, "Total");
  declared.OpenSql("select sum([Point]) as Total from presents");
  EXPECT_EQ(declared.FieldByName("Total")->AsLargeInt(), 4000000000LL);
}

INSTANTIATE_ON_BOTH_DATABASES(RecordSetTest);

}  // namespace
