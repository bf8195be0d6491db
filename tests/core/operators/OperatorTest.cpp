#include <gtest/gtest.h>

#include <functional>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/Errors.h"
#include "core/db/RecordSet.h"
#include "core/operators/Operator.h"
#include "core/operators/PasswordDialog.h"
#include "core/operators/PasswordHash.h"

namespace {

TEST(OperatorRightsTest, RightsAreWholeNumbersBetweenCommas) {
  const struct {
    const char* loginId;
    const char* rights;
    int right;
    bool held;
  } cases[] = {
      {"clerk", ",10000,", 10000, true},
      {"clerk", ",10000,", 100, false},
      {"clerk", ",10000,", 1000, false},
      {"clerk", ",10000,", 0, false},
      {"clerk", ",100,,10004,", 10004, true},
      {"clerk", ",100,,10004,", 1000, false},
      {"clerk", "", 100, false},
      {"sa", "", kRightManageOperators, true},
      {"sa", "", kRightClearData, true},
      {"SA", "", kRightManageOperators, false},
      {"sa ", "", kRightClearData, false},
  };
  for (const auto& c : cases) {
    TOperator op;
    op.LoginId = c.loginId;
    op.Rights = c.rights;
    EXPECT_EQ(op.HasRight(c.right), c.held) << c.loginId << " " << c.rights << " " << c.right;
  }
}

TEST(OperatorRightsTest, MissingRightIsShownThenAbortsOrAnswersFalse) {
  TMessageScript messages;
  TOperator op;
  op.LoginId = "clerk";
  op.Rights = ",10000,";
  EXPECT_TRUE(op.CheckRight(kRightCompanyInfo));
  EXPECT_TRUE(messages->Boxes.isEmpty());

  EXPECT_FALSE(op.CheckRight(kRightClearData, false));
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(messages->LastText(), "\r\n对不起,您没有该功能的操作权限,请与管理员联系(100).\t");

  EXPECT_THROW(op.CheckRight(kRightManageOperators, true), EAbort);
  ASSERT_EQ(messages->Boxes.size(), 2);
  EXPECT_EQ(messages->LastText(), "\r\n对不起,您没有该功能的操作权限,请与管理员联系(100001).\t");
}

class OperatorTest : public DatabaseTest {
 protected:
  void AddRow(const QString& loginId, const QString& password, const QString& rights = {}) {
    Db().Execute(
        "insert into operator(LoginId,[Password],Name,Rights) values "
        "(:LoginId,:Password,:Name,:Rights)",
        {MakeParam("LoginId", loginId), MakeParam("Password", password),
         MakeParam("Name", "名" + loginId), MakeParam("Rights", rights)});
  }
  QString StoredPassword(const QString& loginId) {
    return Scalar("select [Password] from operator where LoginId=:LoginId",
                  {MakeParam("LoginId", loginId)})
        .toString();
  }
  TOperator Loaded(const QString& loginId) {
    TOperator op;
    op.LoadByLoginId(loginId);
    return op;
  }
};

TEST_P(OperatorTest, LoadsOnlyAnExactSingleRow) {
  AddRow("SA", "", ",100,");
  TOperator op = Loaded("SA");
  EXPECT_EQ(op.LoginId, "SA");
  EXPECT_EQ(op.Name, "名SA");
  EXPECT_EQ(op.Rights, ",100,");
  EXPECT_FALSE(op.HasRight(kRightManageOperators));

  EXPECT_TRUE(Loaded("sa").HasRight(kRightManageOperators));

  op.LoadByLoginId("nobody");
  EXPECT_EQ(op.LoginId, "");
  EXPECT_EQ(op.Rights, "");
  EXPECT_FALSE(op.CheckPassword(""));

  // A table without its key may hold one login id twice: that id is not found.
  Db().Execute("create table operator_copy as select * from operator");
  Db().Execute("drop table operator");
  Db().Execute("alter table operator_copy rename to operator");
  AddRow("sa", "", "");
  EXPECT_EQ(Loaded("sa").LoginId, "");
  EXPECT_EQ(Loaded("SA").LoginId, "SA");
}

TEST_P(OperatorTest, PasswordsAreStoredAsDigests) {
  AddRow("clerk", "");
  TOperator op = Loaded("clerk");
  op.SetPassword("Secret1");
  const QString stored = StoredPassword("clerk");
  EXPECT_NE(stored, "Secret1");
  EXPECT_TRUE(TPasswordHash::IsHash(stored));
  EXPECT_EQ(op.Password, stored);

  op = Loaded("clerk");
  EXPECT_TRUE(op.CheckPassword("Secret1"));
  EXPECT_FALSE(op.CheckPassword("secret1"));
  EXPECT_FALSE(op.CheckPassword(""));
  EXPECT_FALSE(op.UpgradeStoredPassword("Secret1"));
  EXPECT_EQ(StoredPassword("clerk"), stored);
}

TEST_P(OperatorTest, PlainTextFromAnOlderDatabaseChecksAndIsUpgraded) {
  AddRow("clerk", "Abc");
  TOperator op = Loaded("clerk");
  EXPECT_TRUE(op.CheckPassword("Abc"));
  EXPECT_FALSE(op.CheckPassword("abc"));
  EXPECT_FALSE(op.UpgradeStoredPassword("abc"));
  EXPECT_EQ(StoredPassword("clerk"), "Abc");

  EXPECT_TRUE(op.UpgradeStoredPassword("Abc"));
  EXPECT_TRUE(TPasswordHash::IsHash(StoredPassword("clerk")));
  EXPECT_TRUE(Loaded("clerk").CheckPassword("Abc"));
  EXPECT_FALSE(Loaded("clerk").CheckPassword("abc"));
}

TEST_P(OperatorTest, EmptyPasswordMatchesOnlyAnEmptyOne) {
  TOperator sa = Loaded("sa");
  EXPECT_TRUE(sa.CheckPassword(""));
  EXPECT_FALSE(sa.CheckPassword(" "));
  EXPECT_FALSE(sa.UpgradeStoredPassword(""));
  sa.SetPassword("pw");
  sa.SetPassword("");
  EXPECT_EQ(StoredPassword("sa"), "");
  EXPECT_TRUE(Loaded("sa").CheckPassword(""));
  EXPECT_FALSE(Loaded("sa").CheckPassword("pw"));
}

// Plays the password dialog: each show records its entries and runs the next step; with no step
// left the dialog is cancelled.
struct TPasswordScript {
  using TStep = std::function<bool(RPasswordChange&)>;
  QList<TStep> Steps;
  QList<RPasswordChange> Shown;
  QStringList CreatedFor;
};

class TScriptedPasswordDialog : public IPasswordDialog {
 public:
  explicit TScriptedPasswordDialog(TPasswordScript& script) : script_(script) {}
  bool Execute(RPasswordChange& entries) override {
    script_.Shown << entries;
    return !script_.Steps.isEmpty() && script_.Steps.takeFirst()(entries);
  }

 private:
  TPasswordScript& script_;
};

class ChangePasswordTest : public OperatorTest {
 protected:
  void SetUp() override {
    OperatorTest::SetUp();
    previous_ = InstallPasswordDialog([this](const QString& userId) {
      script_.CreatedFor << userId;
      return std::make_unique<TScriptedPasswordDialog>(script_);
    });
    if (IsSkipped()) return;
    AddRow("clerk", "");
    clerk_.LoadByLoginId("clerk");
    clerk_.SetPassword("old");
  }
  void TearDown() override {
    InstallPasswordDialog(previous_);
    OperatorTest::TearDown();
  }
  static TPasswordScript::TStep Type(const QString& current, const QString& next) {
    return [=](RPasswordChange& entries) {
      entries.PrePasswd = current;
      entries.NewPasswd = next;
      return true;
    };
  }

  TPasswordScript script_;
  TPasswordDialogFactory previous_;
  TOperator clerk_;
};

TEST_P(ChangePasswordTest, WrongCurrentPasswordIsRefusedAndStoresNothing) {
  TMessageScript messages;
  const QString before = StoredPassword("clerk");
  script_.Steps << Type("Old", "new");
  clerk_.ChangePassword();

  EXPECT_EQ(messages->Texts(), QStringList{"\r\n当前密码验证失败,请确认并重新输入.\t"});
  ASSERT_EQ(script_.Shown.size(), 2);
  EXPECT_EQ(script_.Shown[1].PrePasswd, "Old");
  EXPECT_EQ(script_.Shown[1].NewPasswd, "new");
  EXPECT_EQ(StoredPassword("clerk"), before);
}

TEST_P(ChangePasswordTest, RightCurrentPasswordStoresTheNewOne) {
  TMessageScript messages;
  script_.Steps << Type("old", "new");
  clerk_.ChangePassword();

  EXPECT_EQ(script_.CreatedFor, QStringList{"clerk"});
  EXPECT_EQ(script_.Shown.size(), 1);
  EXPECT_EQ(messages->Texts(), QStringList{"\r\n密码更改成功! 下次登陆时请使用新密码.\t"});
  EXPECT_TRUE(clerk_.CheckPassword("new"));
  EXPECT_TRUE(Loaded("clerk").CheckPassword("new"));
  EXPECT_FALSE(Loaded("clerk").CheckPassword("old"));
}

TEST_P(ChangePasswordTest, OperatorRemovedMeanwhileIsReportedNotConfirmed) {
  TMessageScript messages;
  Db().Execute("delete from operator where LoginId='clerk'");
  script_.Steps << Type("old", "new");
  clerk_.ChangePassword();

  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_TRUE(messages->LastText().contains("clerk"));
  EXPECT_FALSE(messages->LastText().contains("成功"));
  EXPECT_EQ(script_.Shown.size(), 2);
  EXPECT_TRUE(clerk_.CheckPassword("old"));
}

INSTANTIATE_ON_BOTH_DATABASES(OperatorTest);
INSTANTIATE_ON_BOTH_DATABASES(ChangePasswordTest);

}  // namespace
