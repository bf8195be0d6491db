#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "FormKeys.h"
#include "ModalScript.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/operators/Operator.h"
#include "core/operators/PasswordDialog.h"
#include "ui/operators/PasswordChangerFrm.h"

namespace {

void Type(TPasswordChangerFrm& form, const QString& current, const QString& first,
          const QString& second) {
  form.edtPassword1->setText(current);
  form.edtNewPassword1->setText(first);
  form.edtNewPassword2->setText(second);
}

TEST(PasswordChangerTest, DifferingNewPasswordsAreRefusedAndAskedForAgain) {
  TMessageScript messages;
  TPasswordChangerFrm form;
  form.SetUserId("clerk");
  EXPECT_EQ(form.windowTitle(), "更改密码");
  EXPECT_EQ(form.UserId(), "clerk");
  EXPECT_FALSE(form.edtUserId1->isEnabled());
  for (QLineEdit* edit : {form.edtPassword1, form.edtNewPassword1, form.edtNewPassword2})
    EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), '*');
  form.show();

  Type(form, "old", "new", "New");
  EXPECT_FALSE(form.OkBtn1Click());
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(messages->Boxes[0].Kind, TMsgKind::Plain);
  EXPECT_EQ(messages->Boxes[0].Text, "两次输入的新密码不一样,请确认并重新输入.");
  EXPECT_EQ(form.edtNewPassword1->text(), "");
  EXPECT_EQ(form.edtNewPassword2->text(), "");
  EXPECT_EQ(form.PrePasswd(), "old");
  EXPECT_EQ(form.focusWidget(), form.edtNewPassword1);

  Type(form, "old", "新密码", "新密码");
  EXPECT_TRUE(form.OkBtn1Click());
  EXPECT_EQ(form.NewPasswd(), "新密码");
  Type(form, "old", "", "");
  EXPECT_TRUE(form.OkBtn1Click());
  EXPECT_EQ(messages->Boxes.size(), 1);
}

TEST(PasswordChangerTest, EnterWalksTheEntriesAndTheLastOneConfirms) {
  TMessageScript messages;
  TPasswordChangerFrm form;
  form.SetUserId("clerk");
  OpenActive(form);
  EXPECT_EQ(form.focusWidget(), form.edtPassword1);
  Type(form, "old", "new", "other");
  ExpectEnterWalks({form.edtPassword1, form.edtNewPassword1, form.edtNewPassword2});
  // Differing entries: refused, and the first new entry asked for again.
  QTest::keyClick(form.edtNewPassword2, Qt::Key_Return);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(QApplication::focusWidget(), form.edtNewPassword1);
  QTest::keyClicks(form.edtNewPassword1, "new");
  QTest::keyClick(form.edtNewPassword1, Qt::Key_Return);
  QTest::keyClicks(form.edtNewPassword2, "new");
  QTest::keyClick(form.edtNewPassword2, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(form.NewPasswd(), "new");

  OpenActive(form);
  form.edtNewPassword1->setFocus();
  QTest::keyClick(form.edtNewPassword1, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

class ScreenPasswordDialogTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    previous_ = InstallPasswordDialog({});
    InstallScreenPasswordDialog();
  }
  void TearDown() override {
    InstallPasswordDialog(previous_);
    DatabaseTest::TearDown();
  }

  TPasswordDialogFactory previous_;
};

TEST_P(ScreenPasswordDialogTest, ChangeLoopShowsTheDialogAndReopensItAsItWas) {
  Db().Execute(
      "insert into operator(LoginId,[Password],Name,Rights) values "
      "('clerk','','clerk','')");
  TOperator clerk;
  clerk.LoadByLoginId("clerk");
  clerk.SetPassword("old");
  TMessageScript messages;
  TModalScript operatorAtScreen({
      [](QDialog& dialog) {
        auto& form = Form<TPasswordChangerFrm>(dialog);
        EXPECT_EQ(form.UserId(), "clerk");
        Type(form, "wrong", "new", "nwe");
        form.OkBtn1->click();
      },
      [](QDialog& dialog) {
        auto& form = Form<TPasswordChangerFrm>(dialog);
        Type(form, "wrong", "new", "new");
        form.OkBtn1->click();
      },
      [](QDialog& dialog) {
        auto& form = Form<TPasswordChangerFrm>(dialog);
        // Reopened after the failed check with what was typed.
        EXPECT_EQ(form.PrePasswd(), "wrong");
        EXPECT_EQ(form.NewPasswd(), "new");
        EXPECT_EQ(form.edtNewPassword2->text(), "new");
        form.edtPassword1->setText("old");
        form.OkBtn1->click();
      },
  });
  clerk.ChangePassword();
  EXPECT_TRUE(operatorAtScreen.Done());
  EXPECT_EQ(messages->Texts(), QStringList({"两次输入的新密码不一样,请确认并重新输入.",
                                            "\r\n当前密码验证失败,请确认并重新输入.\t",
                                            "\r\n密码更改成功! 下次登陆时请使用新密码.\t"}));
  TOperator stored;
  stored.LoadByLoginId("clerk");
  EXPECT_TRUE(stored.CheckPassword("new"));
}

INSTANTIATE_ON_BOTH_DATABASES(ScreenPasswordDialogTest);

}  // namespace
