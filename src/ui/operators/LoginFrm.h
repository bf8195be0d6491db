#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "core/operators/Operator.h"
#include "ui/forms/DialogForms.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// The login dialog: a login id chosen from the operators or typed, and a password. OK closes it
// only when the credentials are right; then gOperator is that operator and cfg.ini remembers the
// login id. A wrong entry is refused without a word, as often as the operator tries.
class TLoginFrm : public TADlgFrm {
  Q_OBJECT
 public:
  explicit TLoginFrm(QWidget* parent = nullptr);

  // Checks the typed credentials. False leaves the password selected and focused.
  bool OkBtn1Click() override;

  QFrame* Shape1;
  QLabel* Image2;
  QLabel* Label3;
  QLabel* Image1;
  QFrame* Bevel1;
  QLabel* Label5;
  QLabel* Label1;
  QComboBox* edtLoginId1;
  QLabel* Label2;
  QLineEdit* edtPassword1;

 private:
  QWidget* BuildHeading();
  QWidget* BuildEntries();
  void FillLoginIds();

  // Only for testing what was typed; gOperator changes only after it passed.
  TOperator operator_;
};

// Shows the login dialog modally; true when the operator logged in.
bool RunLoginDialog();

// The login step at start-up (first start set: three command-line arguments may log in without
// the dialog) and for "重新登陆" (the dialog only; cancelling keeps the current operator). A super
// user who logged in without a password is then offered to set one.
bool LoginStep(bool firstStart, const QStringList& arguments = QCoreApplication::arguments());
