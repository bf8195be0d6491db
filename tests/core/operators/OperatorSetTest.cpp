#include <gtest/gtest.h>

#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/db/RecordSet.h"
#include "core/operators/Operator.h"
#include "core/operators/OperatorSet.h"
#include "core/operators/PasswordHash.h"

namespace {

class OperatorSetTest : public DatabaseTest {
 protected:
  // Login id, name, stored password and rights of every cached row, sorted.
  static QString Rows(TOperatorSet& set) {
    QStringList rows;
    TDataSet* data = set.DataSet();
    for (data->First(); !data->Eof(); data->Next())
      rows << set.UserIdField()->AsString() + "|" + set.NameField()->AsString() + "|" +
                  set.PasswdField()->AsString() + "|" + set.RightsField()->AsString();
    rows.sort();
    return rows.join("\n");
  }
  bool Checks(const QString& loginId, const QString& password) {
    TOperator op;
    op.LoadByLoginId(loginId);
    return op.CheckPassword(password);
  }
};

TEST_P(OperatorSetTest, ListsEveryOperatorButTheSuperUser) {
  Db().Execute("insert into operator(LoginId, Name) values ('SA', '大写')");
  TOperatorSet set;
  QStringList labels;
  for (int i = 0; i < set.DataSet()->FieldCount(); ++i)
    labels << set.DataSet()->Field(i)->DisplayLabel();
  EXPECT_EQ(labels.join(","), "登陆名,密码,姓名,联系方式,备注,权限");
  EXPECT_EQ(set.JoinValues(set.UserIdField(), ","), "SA");
}

TEST_P(OperatorSetTest, ChangesReachTableAndCacheAlike) {
  TOperatorSet set;
  set.AddOperator("clerk", "pw1", "张三", "138", "早班", ",100,");
  set.AddOperator("cashier", "", "李四", "", "", "");
  EXPECT_TRUE(Checks("clerk", "pw1"));
  EXPECT_TRUE(Checks("cashier", ""));
  set.DataSet()->Locate("LoginId", {"clerk"});
  const QString stored = set.PasswdField()->AsString();
  EXPECT_TRUE(TPasswordHash::IsHash(stored));

  // The administration dialog hands the stored text back when the password was left alone.
  set.UpdateOperator("clerk", stored, "张三丰", "139", "晚班", ",100,,10004,");
  EXPECT_TRUE(Checks("clerk", "pw1"));
  set.UpdateOperator("cashier", "pw2", "李四", "", "", ",10000,");
  EXPECT_TRUE(Checks("cashier", "pw2"));

  TOperatorSet reread;
  EXPECT_EQ(Rows(set), Rows(reread));
  EXPECT_TRUE(Rows(set).contains("clerk|张三丰|" + stored + "|,100,,10004,"));

  set.DeleteOperator("clerk");
  EXPECT_EQ(set.JoinValues(set.UserIdField(), ","), "cashier");
  TOperatorSet afterDelete;
  EXPECT_EQ(Rows(set), Rows(afterDelete));
}

TEST_P(OperatorSetTest, FailedStatementLeavesTheCacheAlone) {
  TOperatorSet set;
  set.AddOperator("clerk", "pw1", "张三", "", "", "");
  EXPECT_THROW(set.AddOperator("clerk", "pw2", "重复", "", "", ""), EDatabaseError);
  EXPECT_THROW(set.AddOperator("sa", "pw2", "超级", "", "", ""), EDatabaseError);
  EXPECT_EQ(set.JoinValues(set.UserIdField(), ","), "clerk");
  EXPECT_EQ(set.NameField()->AsString(), "张三");
  EXPECT_TRUE(Checks("clerk", "pw1"));
  EXPECT_EQ(Scalar("select count(*) from operator").toInt(), 2);
}

INSTANTIATE_ON_BOTH_DATABASES(OperatorSetTest);

}  // namespace
