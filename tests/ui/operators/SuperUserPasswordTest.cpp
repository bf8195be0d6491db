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
#include "core/operators/Operator.h"
#include "core/operators/PasswordHash.h"
#include "ui/operators/LoginFrm.h"
#include "ui/operators/SuperUserPasswordFrm.h"

namespace {

class SuperUserPasswordTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    previousOperator_ = gOperator;
    gOperator = &loggedIn_;
  }
  void TearDown() override {
    gOperator = previousOperator_;
    DatabaseTest::TearDown();
  }
  QString StoredPassword() {
    return Scalar("select [Password] from operator where LoginId='sa'").toString();
  }
  static void Type(TSuperUserPasswordFrm& form, const QString& first, const QString& second) {
    form.edtNewPassword1->setText(first);
    form.edtNewPassword2->setText(second);
  }
  // The operator at the login dialog: sa with the password, then Enter.
  static TModalScript::TStep LogInAsSa(const QString& password) {
    return [password](QDialog& dialog) {
      auto& login = Form<TLoginFrm>(dialog);
      login.edtLoginId1->setEditText("sa");
      login.edtPassword1->setText(password);
      QTest::keyClick(login.edtPassword1, Qt::Key_Return);
    };
  }

  TScratchHome home_;
  TMessageScript messages_;
  TOperator loggedIn_;
  TOperator* previousOperator_ = nullptr;
};

TEST_P(SuperUserPasswordTest, StoresTheNewPasswordOnlyWhenBothEntriesAgree) {
  loggedIn_.LoadByLoginId("sa");
  TSuperUserPasswordFrm form(loggedIn_);
  EXPECT_EQ(form.windowTitle(), "为系统管理员设置密码");
  EXPECT_EQ(form.OkBtn1->text(), "确定(&O)");
  EXPECT_EQ(form.CancelBtn1->text(), "跳过");
  EXPECT_EQ(form.Label3->text(), "新密码");
  EXPECT_EQ(form.Label4->text(), "新密码验证");
  for (QLineEdit* edit : {form.edtNewPassword1, form.edtNewPassword2})
    EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), '*');
  OpenActive(form);
  EXPECT_EQ(form.focusWidget(), form.edtNewPassword1);

  Type(form, "Neu1", "neu1");
  EXPECT_FALSE(form.OkBtn1Click());
  EXPECT_EQ(messages_->Texts(), QStringList{"两次输入的新密码不一样,请确认并重新输入."});
  EXPECT_EQ(form.edtNewPassword1->text(), "");
  EXPECT_EQ(form.edtNewPassword2->text(), "");
  EXPECT_EQ(form.focusWidget(), form.edtNewPassword1);

  // Both empty: nothing to set; the operator is pointed at "跳过".
  EXPECT_FALSE(form.OkBtn1Click());
  EXPECT_EQ(messages_->Boxes.size(), 2);
  EXPECT_TRUE(messages_->LastText().contains("跳过"));
  EXPECT_EQ(StoredPassword(), "");

  Type(form, "Neu1", "Neu1");
  ExpectEnterWalks({form.edtNewPassword1, form.edtNewPassword2});
  QTest::keyClick(form.edtNewPassword2, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(messages_->LastText(), "\r\n密码设置成功! 下次登陆时请使用新密码.\t");
  const QString stored = StoredPassword();
  EXPECT_TRUE(stored.startsWith("$argon2id$")) << stored.toStdString();
  EXPECT_EQ(loggedIn_.Password, stored);
  TOperator sa;
  sa.LoadByLoginId("sa");
  EXPECT_TRUE(sa.CheckPassword("Neu1"));
  EXPECT_FALSE(sa.CheckPassword(""));
}

TEST_P(SuperUserPasswordTest, SuperUserRemovedMeanwhileIsReportedAndTheDialogStays) {
  loggedIn_.LoadByLoginId("sa");
  TSuperUserPasswordFrm form(loggedIn_);
  OpenActive(form);
  Db().Execute("delete from operator where LoginId='sa'");
  Type(form, "Neu1", "Neu1");
  form.OkBtn1->click();
  EXPECT_TRUE(form.isVisible());
  ASSERT_EQ(messages_->Boxes.size(), 1);
  EXPECT_EQ(messages_->Boxes[0].Kind, TMsgKind::Error);
  EXPECT_TRUE(messages_->LastText().contains("保存失败")) << messages_->LastText().toStdString();
  EXPECT_TRUE(messages_->LastText().contains("sa"));
  EXPECT_EQ(form.edtNewPassword1->text(), "Neu1");
  EXPECT_EQ(loggedIn_.Password, "");
}

TEST_P(SuperUserPasswordTest, OfferedAfterEachLoginWithoutPasswordUntilOneIsSet) {
  {
    TModalScript operatorAtScreen({
        LogInAsSa(""),
        [](QDialog& dialog) {
          auto& offer = Form<TSuperUserPasswordFrm>(dialog);
          offer.CancelBtn1->click();
        },
    });
    EXPECT_TRUE(LoginStep(true, {"harmoz"}));
    EXPECT_TRUE(operatorAtScreen.Done());
  }
  EXPECT_EQ(gOperator->LoginId, "sa");
  EXPECT_EQ(StoredPassword(), "");
  EXPECT_TRUE(messages_->Boxes.isEmpty());
  {
    TModalScript operatorAtScreen({
        LogInAsSa(""),
        [](QDialog& dialog) {
          auto& offer = Form<TSuperUserPasswordFrm>(dialog);
          Type(offer, "Neu1", "Neu1");
          offer.OkBtn1->click();
        },
    });
    EXPECT_TRUE(LoginStep(false, {"harmoz"}));
    EXPECT_TRUE(operatorAtScreen.Done());
  }
  EXPECT_TRUE(TPasswordHash::IsHash(StoredPassword()));
  {
    // With a password set nothing more is offered: a second dialog would fail the script.
    TModalScript operatorAtScreen({LogInAsSa("Neu1")});
    EXPECT_TRUE(LoginStep(false, {"harmoz"}));
    EXPECT_TRUE(operatorAtScreen.Done());
  }
  // The command line logs in the same way and is offered the same.
  Db().Execute("update operator set [Password]='' where LoginId='sa'");
  {
    TModalScript operatorAtScreen(
        {[](QDialog& dialog) { Form<TSuperUserPasswordFrm>(dialog).CancelBtn1->click(); }});
    EXPECT_TRUE(LoginStep(true, {"harmoz", "sa", "", "x"}));
    EXPECT_TRUE(operatorAtScreen.Done());
  }
}

INSTANTIATE_ON_BOTH_DATABASES(SuperUserPasswordTest);

}  // namespace
