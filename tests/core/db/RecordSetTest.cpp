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

INSTANTIATE_ON_BOTH_DATABASES(RecordSetTest);

}  // namespace
