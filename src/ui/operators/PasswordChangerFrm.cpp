#include "ui/operators/PasswordChangerFrm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/base/MessageBox.h"
#include "core/operators/PasswordDialog.h"
#include "ui/forms/FormLayout.h"
#include "ui/forms/PasswordEdit.h"

namespace {

// The entries stand in the middle of the dialog, the operator a little apart from the passwords.
constexpr QMargins kMargins(40, 30, 60, 12);
constexpr int kGroupSpacing = 10;

class TScreenPasswordDialog : public IPasswordDialog {
 public:
  explicit TScreenPasswordDialog(const QString& userId) : form_(QApplication::activeWindow()) {
    form_.SetUserId(userId);
  }

  bool Execute(RPasswordChange& entries) override {
    form_.edtPassword1->setText(entries.PrePasswd);
    form_.edtNewPassword1->setText(entries.NewPasswd);
    form_.edtNewPassword2->setText(entries.NewPasswd);
    const bool confirmed = form_.exec() == QDialog::Accepted;
    entries.PrePasswd = form_.PrePasswd();
    entries.NewPasswd = form_.NewPasswd();
    return confirmed;
  }

 private:
  TPasswordChangerFrm form_;
};

}  // namespace

TPasswordChangerFrm::TPasswordChangerFrm(QWidget* parent) : TADlgFrm(parent) {
  setObjectName(QStringLiteral("PasswordChangerFrm"));
  setWindowTitle(QStringLiteral("更改密码"));
  QWidget* panel = ClientPanel();
  TFormLayout form(panel, kMargins);
  const auto addEntry = [panel, &form](const QString& caption, const char* labelName,
                                       const char* editName, QLabel** label) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(editName));
    *label = form.Row(caption, edit).Caption();
    (*label)->setObjectName(QLatin1String(labelName));
    return edit;
  };
  edtUserId1 = addEntry(QStringLiteral("当前用户"), "Label1", "edtUserId1", &Label1);
  form.Space(kGroupSpacing);
  edtPassword1 = addEntry(QStringLiteral("当前密码"), "Label2", "edtPassword1", &Label2);
  edtNewPassword1 = addEntry(QStringLiteral("新密码"), "Label3", "edtNewPassword1", &Label3);
  edtNewPassword2 = addEntry(QStringLiteral("新密码验证"), "Label4", "edtNewPassword2", &Label4);
  form.Stretch();

  edtUserId1->setEnabled(false);
  QPalette formColour = edtUserId1->palette();
  formColour.setColor(QPalette::Disabled, QPalette::Base, palette().color(QPalette::Window));
  edtUserId1->setPalette(formColour);
  for (QLineEdit* edit : {edtPassword1, edtNewPassword1, edtNewPassword2}) ShowAsStars(edit);
  edtPassword1->setFocus();
}

QString TPasswordChangerFrm::UserId() const {
  return edtUserId1->text();
}

void TPasswordChangerFrm::SetUserId(const QString& userId) {
  edtUserId1->setText(userId);
}

QString TPasswordChangerFrm::PrePasswd() const {
  return edtPassword1->text();
}

QString TPasswordChangerFrm::NewPasswd() const {
  return edtNewPassword1->text();
}

bool TPasswordChangerFrm::OkBtn1Click() {
  return NewPasswordsAgree(edtNewPassword1, edtNewPassword2);
}

bool NewPasswordsAgree(QLineEdit* first, QLineEdit* second) {
  if (first->text() == second->text()) return true;
  MessageBox().Show(TMsgKind::Plain, QStringLiteral("两次输入的新密码不一样,请确认并重新输入."),
                    TMsgButtons::Ok);
  first->clear();
  second->clear();
  first->setFocus();
  return false;
}

void InstallScreenPasswordDialog() {
  InstallPasswordDialog([](const QString& userId) -> std::unique_ptr<IPasswordDialog> {
    return std::make_unique<TScreenPasswordDialog>(userId);
  });
}
