#pragma once

#include "core/config/CompanyEditor.h"
#include "ui/forms/DialogForms.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The company profile dialog. It checks nothing: any values, empty ones included, are accepted.
// Opened read only, its OK button stays disabled.
class TCompanyInfoFrm : public TADlgFrm {
  Q_OBJECT
 public:
  explicit TCompanyInfoFrm(QWidget* parent = nullptr);

  // Fills the controls; Lawman carries the company's manager.
  void ShowRecord(const RCompanyInfo& values);
  RCompanyInfo Values() const;

  QLineEdit* EdtCompany1;
  QLineEdit* EdtLawMan1;
  QLineEdit* EdtTel1;
  QLineEdit* EdtFax1;
  QLineEdit* EdtAddress1;
  QLineEdit* edtZip1;
  QPlainTextEdit* MemIntrol1;
};

// Makes gCompany->Edit() show the dialog on screen.
void InstallScreenCompanyEditor();
