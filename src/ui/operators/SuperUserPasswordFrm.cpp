#include "ui/operators/SuperUserPasswordFrm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/base/Command.h"
#include "core/base/MessageBox.h"
#include "core/operators/Login.h"
#include "core/operators/Operator.h"
#include "ui/forms/FormLayout.h"
#include "ui/forms/PasswordEdit.h"
#include "ui/operators/PasswordChangerFrm.h"

namespace {

constexpr QMargins kMargins(40, 24, 60, 12);
constexpr int kNoteSpacing = 10;

}  // namespace

TSuperUserPasswordFrm::TSuperUserPasswordFrm(TOperator& superUser, QWidget* parent)
    : TADlgFrm(parent), superUser_(superUser) {
  setObjectName(QStringLiteral("SuperUserPasswordFrm"));
  setWindowTitle(QStringLiteral("为系统管理员设置密码"));
  CancelBtn1->setText(QStringLiteral("跳过"));
  resize(430, 215);
  QWidget* panel = ClientPanel();
  TFormLayout form(panel, kMargins);
  Label1 =
      new QLabel(QStringLiteral("系统管理员 %1 还没有密码, 任何人都能用它登陆.\n请为它设置密码:")
                     .arg(superUser.LoginId),
                 panel);
  Label1->setObjectName(QStringLiteral("Label1"));
  form.Row(Label1);
  form.Space(kNoteSpacing);
  const auto addEntry = [panel, &form](const QString& caption, const char* labelName,
                                       const char* editName, QLabel** label) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(editName));
    ShowAsStars(edit);
    *label = form.Row(caption, edit).Caption();
    (*label)->setObjectName(QLatin1String(labelName));
    return edit;
  };
  edtNewPassword1 = addEntry(QStringLiteral("新密码"), "Label3", "edtNewPassword1", &Label3);
  edtNewPassword2 = addEntry(QStringLiteral("新密码验证"), "Label4", "edtNewPassword2", &Label4);
  form.Stretch();
  edtNewPassword1->setFocus();
}

bool TSuperUserPasswordFrm::OkBtn1Click() {
  if (!NewPasswordsAgree(edtNewPassword1, edtNewPassword2)) return false;
  const QString password = edtNewPassword1->text();
  if (password.isEmpty()) {
    MessageBox().Show(TMsgKind::Plain, QStringLiteral("请输入新密码; 暂不设置请按\"跳过\"."),
                      TMsgButtons::Ok);
    edtNewPassword1->setFocus();
    return false;
  }
  if (!RunSave([this, &password] {
        superUser_.SetPassword(password);
        return true;
      }))
    return false;
  ShowInfo(QStringLiteral("密码设置成功! 下次登陆时请使用新密码."));
  return true;
}

void OfferSuperUserPassword() {
  if (!ShouldOfferSuperUserPassword(*gOperator)) return;
  TSuperUserPasswordFrm dialog(*gOperator, QApplication::activeWindow());
  dialog.exec();
}
