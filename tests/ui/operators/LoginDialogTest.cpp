#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "FormKeys.h"
#include "ModalScript.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/Product.h"
#include "core/config/Configer.h"
#include "core/operators/Login.h"
#include "core/operators/Operator.h"
#include "core/operators/PasswordHash.h"
#include "ui/operators/LoginFrm.h"

namespace {

class LoginTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (IsSkipped()) return;
    previousOperator_ = gOperator;
    gOperator = &loggedIn_;
    // A plain-text password, as an older database holds it.
    AddRow("clerk", "pw1", ",10004,");
    AddRow("boss", TPasswordHash::ForStorage("chef"), ",100,");
  }
  void TearDown() override {
    if (gOperator == &loggedIn_) gOperator = previousOperator_;
    DatabaseTest::TearDown();
  }
  void AddRow(const QString& loginId, const QString& stored, const QString& rights) {
    Db().Execute(
        "insert into operator(LoginId,[Password],Name,Rights) values "
        "(:LoginId,:Password,:LoginId,:Rights)",
        {MakeParam("LoginId", loginId), MakeParam("Password", stored),
         MakeParam("Rights", rights)});
  }
  QString StoredPassword(const QString& loginId) {
    return Scalar("select [Password] from operator where LoginId=:LoginId",
                  {MakeParam("LoginId", loginId)})
        .toString();
  }
  void LogInAsBoss() {
    TOperator candidate;
    ASSERT_TRUE(LogIn(candidate, "boss", "chef"));
  }

  TScratchHome home_;
  TMessageScript messages_;
  TOperator loggedIn_;
  TOperator* previousOperator_ = nullptr;
};

TEST_P(LoginTest, NewInstallationProposesSaWhoLogsInThoughNotListed) {
  TLoginFrm dialog;
  EXPECT_EQ(dialog.windowTitle(), "登陆");
  EXPECT_EQ(dialog.size(), QSize(351, 226));
  EXPECT_EQ(dialog.Label3->text(), AppTitle);
  EXPECT_EQ(dialog.Label5->text(), "请输入您的用户名和密码:");
  EXPECT_EQ(dialog.Label1->text(), "用户名(&U)");
  EXPECT_EQ(dialog.Label2->text(), "密码(&P)");
  QStringList listed;
  for (int i = 0; i < dialog.edtLoginId1->count(); ++i) listed << dialog.edtLoginId1->itemText(i);
  EXPECT_EQ(listed, QStringList({"clerk", "boss"}));
  EXPECT_EQ(dialog.edtLoginId1->currentText(), "sa");
  EXPECT_EQ(dialog.edtPassword1->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.edtPassword1->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                    dialog.edtPassword1),
            '*');
  dialog.show();
  EXPECT_EQ(dialog.focusWidget(), dialog.edtPassword1);

  EXPECT_TRUE(dialog.OkBtn1Click());
  EXPECT_EQ(gOperator->LoginId, "sa");
  EXPECT_TRUE(gOperator->HasRight(kRightManageOperators));
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "sa");
  EXPECT_TRUE(messages_->Boxes.isEmpty());
}

TEST_P(LoginTest, RefusedCredentialsKeepTheDialogSilentlyAndChangeNothing) {
  LogInAsBoss();
  TConfiger::WriteLastLoginId("boss");
  TLoginFrm dialog;
  EXPECT_EQ(dialog.edtLoginId1->currentText(), "boss");
  dialog.show();
  const struct {
    const char* loginId;
    const char* password;
  } refused[] = {{"clerk", "PW1"}, {"clerk", ""}, {"CLERK", "pw1"}, {"nobody", ""}, {"", ""}};
  for (const auto& c : refused) {
    dialog.edtLoginId1->setEditText(c.loginId);
    dialog.edtPassword1->setText(c.password);
    dialog.OkBtn1->setFocus();
    EXPECT_FALSE(dialog.OkBtn1Click()) << c.loginId << " " << c.password;
    EXPECT_EQ(dialog.focusWidget(), dialog.edtPassword1);
    EXPECT_EQ(dialog.edtPassword1->selectedText(), dialog.edtPassword1->text());
  }
  EXPECT_TRUE(messages_->Boxes.isEmpty());
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "boss");
  EXPECT_EQ(gOperator->LoginId, "boss");
  EXPECT_EQ(StoredPassword("clerk"), "pw1");
}

TEST_P(LoginTest, LoginThroughTheDialogReplacesTheOperatorAndUpgradesItsPassword) {
  LogInAsBoss();
  {
    TModalScript operatorAtScreen({
        [](QDialog& dialog) {
          auto& login = Form<TLoginFrm>(dialog);
          login.edtLoginId1->setEditText("clerk");
          login.edtPassword1->setText("wrong");
          QTest::keyClick(login.edtPassword1, Qt::Key_Return);
        },
        [](QDialog& dialog) {
          auto& login = Form<TLoginFrm>(dialog);
          login.edtPassword1->setText("pw1");
          QTest::keyClick(login.edtPassword1, Qt::Key_Return);
        },
    });
    EXPECT_TRUE(RunLoginDialog());
    EXPECT_TRUE(operatorAtScreen.Done());
  }
  EXPECT_EQ(gOperator->LoginId, "clerk");
  EXPECT_TRUE(gOperator->HasRight(kRightExport));
  EXPECT_FALSE(gOperator->HasRight(kRightClearData));
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "clerk");
  const QString stored = StoredPassword("clerk");
  EXPECT_TRUE(TPasswordHash::IsHash(stored));
  EXPECT_EQ(gOperator->Password, stored);
  EXPECT_TRUE(gOperator->CheckPassword("pw1"));

  // Cancelling a re-login keeps the operator.
  TModalScript cancelled({[](QDialog& dialog) {
    auto& login = Form<TLoginFrm>(dialog);
    login.edtLoginId1->setEditText("boss");
    login.edtPassword1->setText("chef");
    QTest::keyClick(&login, Qt::Key_Escape);
  }});
  EXPECT_FALSE(LoginStep(false, {"harmoz", "boss", "chef", "x"}));
  EXPECT_TRUE(cancelled.Done());
  EXPECT_EQ(gOperator->LoginId, "clerk");
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "clerk");
}

TEST_P(LoginTest, EnterInTheLoginIdMovesToThePasswordWhereEnterLogsIn) {
  TLoginFrm dialog;
  OpenActive(dialog);
  EXPECT_EQ(dialog.focusWidget(), dialog.edtPassword1);
  dialog.edtLoginId1->setEditText("clerk");
  ExpectEnterWalks({dialog.edtLoginId1, dialog.edtPassword1});
  EXPECT_EQ(dialog.edtLoginId1->currentText(), "clerk");
  EXPECT_EQ(dialog.edtLoginId1->count(), 2);  // typing adds nothing to the list

  // A refused password stays selected for the next try; Enter then logs in.
  dialog.edtPassword1->setText("PW1");
  QTest::keyClick(dialog.edtPassword1, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.edtPassword1->selectedText(), "PW1");
  QTest::keyClicks(dialog.edtPassword1, "pw1");
  QTest::keyClick(dialog.edtPassword1, Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(gOperator->LoginId, "clerk");
}

TEST_P(LoginTest, EscapeCancelsFromEitherField) {
  for (const char* field : {"edtLoginId1", "edtPassword1"}) {
    TLoginFrm dialog;
    OpenActive(dialog);
    QWidget* focused = dialog.findChild<QWidget*>(field);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible()) << field;
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << field;
  }
  EXPECT_EQ(gOperator->LoginId, "");
}

TEST_P(LoginTest, OnlyThreeArgumentsAtFirstStartLogInWithoutTheDialog) {
  TConfiger::WriteLastLoginId("boss");
  const struct {
    bool firstStart;
    QStringList arguments;
    bool dialog;
  } cases[] = {
      {true, {"harmoz", "boss", "chef", "x"}, false},
      {true, {"harmoz", "clerk", "pw1", ""}, false},
      {true, {"harmoz", "boss", "wrong", "x"}, true},
      {true, {"harmoz", "nobody", "", "x"}, true},
      {true, {"harmoz", "boss", "chef"}, true},
      {true, {"harmoz", "boss", "chef", "x", "y"}, true},
      {true, {"harmoz"}, true},
      {false, {"harmoz", "boss", "chef", "x"}, true},
  };
  for (const auto& c : cases) {
    const QString name = c.arguments.join(' ');
    loggedIn_ = TOperator();
    int dialogs = 0;
    const bool loggedIn = RunLoginStep(c.firstStart, c.arguments, [&] { return ++dialogs, false; });
    EXPECT_EQ(dialogs, c.dialog ? 1 : 0) << name.toStdString();
    EXPECT_EQ(loggedIn, !c.dialog) << name.toStdString();
    EXPECT_EQ(gOperator->LoginId, c.dialog ? "" : c.arguments.at(1)) << name.toStdString();
  }
  EXPECT_EQ(TConfiger::ReadLastLoginId(), "boss");
  EXPECT_TRUE(TPasswordHash::IsHash(StoredPassword("clerk")));

  // The dialog's answer is the step's answer.
  EXPECT_TRUE(RunLoginStep(true, {"harmoz", "boss", "chef"}, [] { return true; }));
}

INSTANTIATE_ON_BOTH_DATABASES(LoginTest);

}  // namespace
