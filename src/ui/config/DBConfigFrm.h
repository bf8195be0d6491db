#pragma once

#include <memory>

#include "core/config/Configer.h"
#include "ui/forms/BaseForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TServerProbe;

// The database connection dialog of the start-up check: the kind of database and its
// parameters, edited through its own TConfiger and saved to cfg.ini by OK. It opens centred,
// not at the mouse cursor; its keys are those of every form.
class TDBConfigFrm : public TaFrm {
  Q_OBJECT
 public:
  explicit TDBConfigFrm(QWidget* parent = nullptr);
  ~TDBConfigFrm() override;

  // The start-up check: connects to the configured database and, while that fails, shows the
  // dialog; OK saves and tries again, Cancel gives up. True when connected at the end. With a
  // probe, a database server is first asked whether it answers, a wait the operator may cancel.
  static bool CheckConnection(TServerProbe* probe = nullptr);

  TConfiger& Configer() { return *configer_; }
  QString GetConnectionString() { return configer_->GetConnectionString(); }
  // Fills the controls from the configuration; the smart connection always starts unchecked.
  void ShowRecord();
  // The OK handling: copies the controls into the configuration and saves it. False, after
  // telling the operator, when the chosen kind's port is not a port number; nothing is saved
  // then and the dialog stays open.
  bool Button1Click();

  QComboBox* ComboBox1;
  QGroupBox* GroupBox1;
  QStackedWidget* Notebook1;
  QLineEdit* mssqlServerEdit1;
  QLineEdit* mssqlPortEdit1;
  QLineEdit* mssqlDbEdit1;
  QLineEdit* mssqlUserEdit1;
  QLineEdit* mssqlPwEdit1;
  QCheckBox* CheckBox1;
  QCheckBox* jetDefaultCheckBox1;
  QLineEdit* jetfileEdit1;
  QPushButton* jetFileButton1;
  QLineEdit* jetUserEdit1;
  QLineEdit* jetPwEdit1;
  QLineEdit* edtDipUrl1;
  QLineEdit* edtDipUser1;
  QLineEdit* pgServerEdit1;
  QLineEdit* pgPortEdit1;
  QLineEdit* pgDbEdit1;
  QLineEdit* pgUserEdit1;
  QLineEdit* pgPwEdit1;
  QPushButton* Button1;
  QPushButton* Button2;

 private:
  QLayout* BuildHeader();
  void BuildSqlServerPage();
  void BuildEmbeddedPage();
  void BuildDipPage();
  void BuildPostgresPage();
  void ComboBox1Change(int index);
  void jetDefaultCheckBox1Click();
  void jetFileButton1Click();
  QWidget* NewPage(const char* name);
  QLineEdit* NewEdit(QWidget* page, const char* name);

  std::unique_ptr<TConfiger> configer_;
};

// A port number typed by the operator: 1 to 65535; false when the text is no port.
bool ReadPortText(const QString& text, int* port);
