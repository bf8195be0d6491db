#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "FormKeys.h"
#include "ModalScript.h"
#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/config/Company.h"
#include "core/config/CompanyEditor.h"
#include "core/db/RecordSet.h"
#include "ui/config/CompanyInfoFrm.h"

namespace {

TEST(CompanyInfoFrmTest, TabVisitsTheSevenFieldsInOrderThenTheButtons) {
  TCompanyInfoFrm form;
  EXPECT_EQ(form.windowTitle(), "公司信息");
  EXPECT_EQ(form.size(), QSize(602, 432));
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  form.EdtCompany1->setFocus();
  const QList<QWidget*> expected = {form.EdtLawMan1,  form.EdtTel1,   form.EdtFax1,
                                    form.EdtAddress1, form.edtZip1,   form.MemIntrol1,
                                    form.OkBtn1,      form.CancelBtn1};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  EXPECT_EQ(form.MemIntrol1->toPlainText(), "");
}

TEST(CompanyInfoFrmTest, EnterWalksToTheProfileWhereItStartsANewLineAndEscapeCancels) {
  TCompanyInfoFrm form;
  OpenActive(form);
  ExpectEnterWalks({form.EdtCompany1, form.EdtLawMan1, form.EdtTel1, form.EdtFax1, form.EdtAddress1,
                    form.edtZip1, form.MemIntrol1});
  QTest::keyClicks(form.MemIntrol1, "a");
  QTest::keyClick(form.MemIntrol1, Qt::Key_Return);
  QTest::keyClicks(form.MemIntrol1, "b");
  EXPECT_EQ(form.MemIntrol1->toPlainText(), "a\nb");
  EXPECT_TRUE(form.isVisible());

  form.EdtTel1->setFocus();
  QTest::keyClick(form.EdtTel1, Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

class ScreenCompanyEditorTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    previousEditor_ = InstallCompanyEditor({});
    InstallScreenCompanyEditor();
    previousCompany_ = gCompany;
    gCompany = &company_;
    if (IsSkipped()) return;
    Db().Execute(
        "insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated) values "
        "(3,'和谐科技','王经理','010-1234','010-5678','北京','100000','老简介',:Updated)",
        {MakeParam("Updated", true)});
    company_.Load();
  }
  void TearDown() override {
    gCompany = previousCompany_;
    InstallCompanyEditor(previousEditor_);
    DatabaseTest::TearDown();
  }
  QStringList StoredRow() {
    TRecordSet company;
    company.OpenSql("select * from Company");
    QStringList row;
    for (int i = 0; i < company.DataSet()->FieldCount(); ++i)
      row << company.DataSet()->Field(i)->AsString();
    return row;
  }

  TMessageScript messages_;
  TCompany company_;
  TCompany* previousCompany_ = nullptr;
  TCompanyEditorFactory previousEditor_;
};

TEST_P(ScreenCompanyEditorTest, ReadOnlyShowsTheProfileButCannotBeConfirmed) {
  const QStringList before = StoredRow();
  TModalScript operatorAtScreen({[](QDialog& dialog) {
    auto& form = Form<TCompanyInfoFrm>(dialog);
    EXPECT_FALSE(form.OkBtn1->isEnabled());
    EXPECT_EQ(form.EdtCompany1->text(), "和谐科技");
    EXPECT_EQ(form.EdtLawMan1->text(), "王经理");
    EXPECT_EQ(form.MemIntrol1->toPlainText(), "老简介");
    form.EdtCompany1->setText("别的公司");
    form.CancelBtn1->click();
  }});
  company_.Edit(true);
  EXPECT_TRUE(operatorAtScreen.Done());
  EXPECT_EQ(StoredRow(), before);
  EXPECT_EQ(company_.CompanyName, "和谐科技");
}

TEST_P(ScreenCompanyEditorTest, ConfirmedValuesAreSavedAsTyped) {
  TModalScript operatorAtScreen({[](QDialog& dialog) {
    auto& form = Form<TCompanyInfoFrm>(dialog);
    EXPECT_TRUE(form.OkBtn1->isEnabled());
    EXPECT_EQ(form.EdtTel1->text(), "010-1234");
    form.EdtCompany1->setText("和谐会员服务有限公司");
    form.EdtLawMan1->setText("李四");
    form.EdtTel1->setText("");
    form.EdtFax1->setText("021-0000");
    form.EdtAddress1->setText("上海市 1 号");
    form.edtZip1->setText("200000");
    form.MemIntrol1->setPlainText("第一行\n第二行");
    form.OkBtn1->click();
  }});
  company_.Edit(false);
  EXPECT_TRUE(operatorAtScreen.Done());
  EXPECT_TRUE(messages_->Boxes.isEmpty());

  TCompany stored;
  stored.Load();
  EXPECT_EQ(stored.Id, 3);
  EXPECT_EQ(stored.CompanyName, "和谐会员服务有限公司");
  EXPECT_EQ(stored.Manager, "李四");
  EXPECT_EQ(stored.Tel, "");
  EXPECT_EQ(stored.Fax, "021-0000");
  EXPECT_EQ(stored.Address, "上海市 1 号");
  EXPECT_EQ(stored.Zip, "200000");
  EXPECT_EQ(stored.Profile, "第一行\n第二行");
  EXPECT_TRUE(stored.Updated);
}

INSTANTIATE_ON_BOTH_DATABASES(ScreenCompanyEditorTest);

}  // namespace
