#pragma once

#include "ui/forms/BaseForm.h"

class QFrame;
class QPushButton;

// A modal dialog with a bottom band of OK, Cancel and Help. OK runs the descendant's OK
// handling and closes with the OK result when it agrees; Cancel and Esc close with Cancel.
// OK is the default button: Enter in the last field presses it.
class TADlgFrm : public TaFrm {
  Q_OBJECT
 public:
  explicit TADlgFrm(QWidget* parent = nullptr);

  // The area above the button band, for the descendant's controls.
  QWidget* ClientPanel() const { return clientPanel_; }
  // The OK handling (validation and saving). False, or an error, keeps the dialog open.
  virtual bool OkBtn1Click() { return true; }

  QFrame* BgBevel1;
  QPushButton* OkBtn1;
  QPushButton* CancelBtn1;
  QPushButton* HelpBtn1;

 private:
  QWidget* clientPanel_;
};

// An information dialog with a bottom band of Close and Help.
class TAInfoDlgFrm : public TaFrm {
  Q_OBJECT
 public:
  explicit TAInfoDlgFrm(QWidget* parent = nullptr);

  QWidget* ClientPanel() const { return clientPanel_; }

  QFrame* BgBevel1;
  QPushButton* CloseBtn1;
  QPushButton* HelpBtn1;

 private:
  QWidget* clientPanel_;
};
