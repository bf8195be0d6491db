#include "ui/config/CompanyInfoFrm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/forms/FormLayout.h"

namespace {

const QSize kClientSize(602, 432);
constexpr int kShortWidth = 172;
constexpr int kZipWidth = 121;

class TScreenCompanyEditor : public ICompanyEditor {
 public:
  explicit TScreenCompanyEditor(bool readOnly) : form_(QApplication::activeWindow()) {
    form_.OkBtn1->setEnabled(!readOnly);
  }

  bool Execute(RCompanyInfo& values) override {
    form_.ShowRecord(values);
    const bool confirmed = form_.exec() == QDialog::Accepted;
    values = form_.Values();
    return confirmed;
  }

 private:
  TCompanyInfoFrm form_;
};

}  // namespace

TCompanyInfoFrm::TCompanyInfoFrm(QWidget* parent) : TADlgFrm(parent) {
  setObjectName(QStringLiteral("CompanyInfoFrm"));
  setWindowTitle(QStringLiteral("公司信息"));
  setFixedSize(kClientSize);
  QWidget* panel = ClientPanel();
  const auto newEdit = [panel](const char* name) {
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(name));
    return edit;
  };
  EdtCompany1 = newEdit("EdtCompany1");
  EdtLawMan1 = newEdit("EdtLawMan1");
  EdtTel1 = newEdit("EdtTel1");
  EdtFax1 = newEdit("EdtFax1");
  EdtAddress1 = newEdit("EdtAddress1");
  edtZip1 = newEdit("edtZip1");
  MemIntrol1 = new QPlainTextEdit(panel);
  MemIntrol1->setObjectName(QStringLiteral("MemIntrol1"));
  MemIntrol1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab moves on to the buttons, as in every other field.
  MemIntrol1->setTabChangesFocus(true);

  // The short entries keep short edits; the name, telephone and address take the width.
  TFormLayout form(panel);
  form.Row(QStringLiteral("企业名称"), EdtCompany1);
  form.Row(QStringLiteral("负责人"), EdtLawMan1).Width(kShortWidth);
  form.Row(QStringLiteral("联系电话"), EdtTel1);
  form.Row(QStringLiteral("传真号码"), EdtFax1).Width(kShortWidth);
  form.Row(QStringLiteral("地址"), EdtAddress1);
  form.Row(QStringLiteral("邮编"), edtZip1).Width(kZipWidth);
  form.Row(QStringLiteral("公司简介"), MemIntrol1);

  QWidget* previous = EdtCompany1;
  for (QWidget* next :
       std::initializer_list<QWidget*>{EdtLawMan1, EdtTel1, EdtFax1, EdtAddress1, edtZip1,
                                       MemIntrol1, OkBtn1, CancelBtn1, HelpBtn1}) {
    setTabOrder(previous, next);
    previous = next;
  }
  EdtCompany1->setFocus();
}

void TCompanyInfoFrm::ShowRecord(const RCompanyInfo& values) {
  EdtCompany1->setText(values.CompanyName);
  EdtLawMan1->setText(values.Lawman);
  EdtTel1->setText(values.Tel);
  EdtFax1->setText(values.Fax);
  EdtAddress1->setText(values.Address);
  edtZip1->setText(values.Zip);
  MemIntrol1->setPlainText(values.Profile);
}

RCompanyInfo TCompanyInfoFrm::Values() const {
  RCompanyInfo values;
  values.CompanyName = EdtCompany1->text();
  values.Lawman = EdtLawMan1->text();
  values.Tel = EdtTel1->text();
  values.Fax = EdtFax1->text();
  values.Address = EdtAddress1->text();
  values.Zip = edtZip1->text();
  values.Profile = MemIntrol1->toPlainText();
  return values;
}

void InstallScreenCompanyEditor() {
  InstallCompanyEditor([](bool readOnly) -> std::unique_ptr<ICompanyEditor> {
    return std::make_unique<TScreenCompanyEditor>(readOnly);
  });
}
