#pragma once

#include "ui/forms/DialogForms.h"

class QLabel;
class QLineEdit;

// The password change dialog of the logged-in operator: the current password and the new one
// twice. OK closes it only when the two new-password entries agree; the current password is
// checked and the new one saved by the operator's change loop afterwards.
class TPasswordChangerFrm : public TADlgFrm {
  Q_OBJECT
 public:
  explicit TPasswordChangerFrm(QWidget* parent = nullptr);

  QString UserId() const;
  void SetUserId(const QString& userId);
  QString PrePasswd() const;
  QString NewPasswd() const;

  // Refuses, and asks for the new password again, while the two new-password entries differ.
  bool OkBtn1Click() override;

  QLabel* Label1;
  QLineEdit* edtUserId1;
  QLabel* Label2;
  QLineEdit* edtPassword1;
  QLabel* Label3;
  QLineEdit* edtNewPassword1;
  QLabel* Label4;
  QLineEdit* edtNewPassword2;
};

// Whether the two entries of a new password agree; when they differ, says so, empties both and
// puts the focus on the first.
bool NewPasswordsAgree(QLineEdit* first, QLineEdit* second);

// Makes gOperator->ChangePassword() show the dialog on screen.
void InstallScreenPasswordDialog();
