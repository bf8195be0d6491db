#include "ui/config/CompanyInfoFrm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QSize kClientSize(602, 432);
constexpr int kEditLeft = 90;
constexpr int kEditHeight = 21;

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
  const auto addLabel = [panel](const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, panel);
    label->move(left, top + 4);
    label->adjustSize();
    return label;
  };
  const auto addEdit = [&](const QString& caption, const char* name, int labelLeft, int top,
                           int width) {
    QLabel* label = addLabel(caption, labelLeft, top);
    auto* edit = new QLineEdit(panel);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(kEditLeft, top, width, kEditHeight);
    label->setBuddy(edit);
    return edit;
  };
  EdtCompany1 = addEdit(QStringLiteral("企业名称"), "EdtCompany1", 26, 19, 257);
  EdtLawMan1 = addEdit(QStringLiteral("负责人"), "EdtLawMan1", 26, 47, 169);
  EdtTel1 = addEdit(QStringLiteral("联系电话"), "EdtTel1", 26, 76, 273);
  EdtFax1 = addEdit(QStringLiteral("传真号码"), "EdtFax1", 26, 105, 172);
  EdtAddress1 = addEdit(QStringLiteral("地址"), "EdtAddress1", 27, 134, 337);
  edtZip1 = addEdit(QStringLiteral("邮编"), "edtZip1", 27, 163, 121);
  QLabel* profileLabel = addLabel(QStringLiteral("公司简介"), 26, 192);
  MemIntrol1 = new QPlainTextEdit(panel);
  MemIntrol1->setObjectName(QStringLiteral("MemIntrol1"));
  MemIntrol1->setGeometry(kEditLeft, 192, 449, 179);
  MemIntrol1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab moves on to the buttons, as in every other field.
  MemIntrol1->setTabChangesFocus(true);
  profileLabel->setBuddy(MemIntrol1);

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
