#pragma once

#include "ui/forms/DialogForms.h"

class QLabel;
class QLineEdit;
class TOperator;

// Offered when the super user has logged in with an empty password: the new password twice. OK
// stores it as the password change does; "跳过" leaves the password empty, and the offer comes
// again at the next such login.
class TSuperUserPasswordFrm : public TADlgFrm {
  Q_OBJECT
 public:
  explicit TSuperUserPasswordFrm(TOperator& superUser, QWidget* parent = nullptr);

  // Stores the new password once both entries agree and it is not empty; otherwise, or when
  // storing fails, says why and keeps the dialog open with the entries.
  bool OkBtn1Click() override;

  QLabel* Label1;
  QLabel* Label3;
  QLineEdit* edtNewPassword1;
  QLabel* Label4;
  QLineEdit* edtNewPassword2;

 private:
  TOperator& superUser_;
};

// After a successful login: shows the dialog when gOperator is the super user without a
// password.
void OfferSuperUserPassword();
