#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "DomainFixture.h"
#include "ScriptedMessageBox.h"
#include "core/lists/Lists.h"
#include "ui/controls/QdEdit.h"
#include "ui/controls/QdLabel.h"
#include "ui/counter/MainFrm.h"
#include "ui/grid/QdGridcx.h"

namespace {

class MainFrmTest : public DomainTest {
 protected:
  void SetUp() override {
    DomainTest::SetUp();
    if (IsSkipped()) return;
    AddMember("张三", "A001", "13800001111");
    AddMember("张四", "A002");
    AddMember("李五", "B003");
    window = std::make_unique<TmainFrm>();
  }
  void TearDown() override {
    window.reset();
    DomainTest::TearDown();
  }
  void Search(const QString& keyword) {
    window->edtMemberPickKey1->setText(keyword);
    window->btnMemberSearch1Click();
  }
  std::unique_ptr<TmainFrm> window;
};

TEST_P(MainFrmTest, SearchShowsOneMemberAtOnceAndOffersThePickPanelForSeveral) {
  TMessageScript messages;
  Search("李");
  EXPECT_EQ(window->txtMemberName1->text(), "李五");
  EXPECT_TRUE(window->pnlMemberPick1->isHidden());

  Search("张");
  EXPECT_FALSE(window->pnlMemberPick1->isHidden());
  EXPECT_EQ(window->txtMemberName1->text(), "李五");  // nothing picked yet
  window->PickList()->DataSet()->Last();
  window->btnMemberPick1Click();
  EXPECT_EQ(window->txtMemberName1->text(), "张四");
  EXPECT_TRUE(window->pnlMemberPick1->isHidden());

  Search("nobody");
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(messages->LastText(), "\r\n没有找到相关会员记录, 请重新输入关键字后查询!\t");
  EXPECT_EQ(window->edtMemberPickKey1->selectedText(), "nobody");
  EXPECT_EQ(window->txtMemberName1->text(), "张四");
}

TEST_P(MainFrmTest, EnterInTheKeyFieldSearches) {
  window->edtMemberPickKey1->setText("1111");
  QTest::keyClick(window->edtMemberPickKey1, Qt::Key_Return);
  EXPECT_EQ(window->txtCardNo1->text(), "A001");
  EXPECT_EQ(window->txtMobile1->text(), "13800001111");
}

TEST_P(MainFrmTest, EscapeClosesThePickPanelAndLeavesTheWindowOpen) {
  window->show();
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  window->edtMemberPickKey1->setText("张");
  QTest::keyClick(window->edtMemberPickKey1, Qt::Key_Return);
  ASSERT_TRUE(window->pnlMemberPick1->isVisible());
  QWidget* grid = window->PickGrid()->View();
  EXPECT_TRUE(grid->hasFocus());
  QTest::keyClick(grid, Qt::Key_Escape);
  EXPECT_FALSE(window->pnlMemberPick1->isVisible());
  EXPECT_TRUE(window->edtMemberPickKey1->hasFocus());
  EXPECT_EQ(window->edtMemberPickKey1->selectedText(), "张");
  EXPECT_EQ(window->txtCardNo1->text(), "");  // nothing picked

  QTest::keyClick(window->edtMemberPickKey1, Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible());
}

TEST_P(MainFrmTest, DeletingABillShowsTheRecomputedCardAtOnce) {
  const int card = 1;  // 张三, A001
  ASSERT_TRUE(TopUp(card, 100));
  RConsume first = Bill(card, 30, 0, 3);
  RConsume second = Bill(card, 20, 0, 2);
  ASSERT_TRUE(TConsumeSet::Save(first));
  ASSERT_TRUE(TConsumeSet::Save(second));
  Search("A001");
  EXPECT_EQ(window->txtBalance1->text(), "50.00");
  ASSERT_EQ(window->BillList()->DataSet()->RecordCount(), 2);

  TMessageScript messages;
  window->Action("ConsumeDeleteAction1")->trigger();
  EXPECT_EQ(window->BillList()->DataSet()->RecordCount(), 1);
  EXPECT_EQ(window->txtBalance1->text(), "80.00");
  EXPECT_EQ(window->txtConsume1->text(), "20.00");
  EXPECT_EQ(window->txtCardScore1->text(), "2");
}

TEST_P(MainFrmTest, FailedBillDeleteShowsItsReasonAndKeepsTheRow) {
  RConsume bill = Bill(1, 30, 0, 3);
  ASSERT_TRUE(TConsumeSet::Save(bill));
  Search("A001");
  Db().Execute("drop table consumedl");

  TMessageScript messages;
  window->Action("ConsumeDeleteAction1")->trigger();  // runs inside its slot: nothing escapes
  ASSERT_EQ(messages->Boxes.size(), 2);
  EXPECT_EQ(messages->Boxes[0].Text, "\r\n确定要删除记录吗?\t");
  EXPECT_EQ(messages->Boxes[1].Kind, TMsgKind::Error);
  EXPECT_TRUE(messages->LastText().contains("consumedl")) << messages->LastText().toStdString();
  EXPECT_EQ(window->BillList()->DataSet()->RecordCount(), 1);
  EXPECT_EQ(Count("consume"), 1);
}

TEST_P(MainFrmTest, BlankMemberAfterStart) {
  EXPECT_EQ(window->txtCardNo1->text(), "");
  EXPECT_EQ(window->txtCardScore1->text(), "0");
  EXPECT_EQ(window->txtBalance1->text(), "0.00");
  EXPECT_EQ(window->txtConsume1->text(), "0.00");
  EXPECT_EQ(window->txtStatus1->text(), "可用");
  EXPECT_EQ(window->txtBirthdate1->text(), "");
  EXPECT_TRUE(window->BillList()->DataSet()->Active());
  EXPECT_EQ(window->BillList()->DataSet()->RecordCount(), 0);
  EXPECT_FALSE(window->MemberList()->DataSet()->Active());
}

TEST_P(MainFrmTest, ShownMemberListsItsBillsAndTheirLines) {
  RConsume bill = Bill(1, 25, 0, 2);
  RConsumedl line;
  line.CommId = 1;
  line.CommName = "咖啡";
  line.Price = TMoney::FromCents(1250);
  line.Qty = 2;
  line.Discount = 1;
  line.Fund = TMoney::FromCents(2500);
  bill.Lines = {line};
  ASSERT_TRUE(TConsumeSet::Save(bill));
  Search("A001");
  EXPECT_EQ(window->txtConsume1->text(), "25.00");
  EXPECT_EQ(window->BillList()->DataSet()->RecordCount(), 1);
  window->ShowBillLines(true);
  EXPECT_EQ(window->BillLines()->DataSet()->RecordCount(), 1);
  TMessageScript messages;
  window->Action("ConsumeDeleteAction1")->trigger();
  EXPECT_EQ(messages->LastText(), "\r\n确定要删除记录吗?\t");
  EXPECT_EQ(window->BillList()->DataSet()->RecordCount(), 0);
  EXPECT_EQ(window->BillLines()->DataSet()->RecordCount(), 0);
  EXPECT_TOTALS(1, 0, 0, 0);
}

TEST_P(MainFrmTest, MemberPanelQueriesOnceUntilSearched) {
  window->ShowMemberPanel();
  EXPECT_EQ(window->MemberList()->DataSet()->RecordCount(), 3);
  AddMember("王六");
  window->ShowMemberPanel();
  EXPECT_EQ(window->MemberList()->DataSet()->RecordCount(), 3);
  window->edtMemberKey2->setText("王");
  window->btnMemberFind1Click();
  EXPECT_EQ(window->MemberList()->DataSet()->RecordCount(), 1);
}

TEST_P(MainFrmTest, CommandsWithoutTheirWindowsAreDisabled) {
  for (const char* name : {"ComcataEditAction1", "CommodityListAction1", "GiftListAction1",
                           "CardChargeAction1", "HintListAction1"})
    EXPECT_FALSE(window->Action(name)->isEnabled()) << name;
  EXPECT_EQ(window->Action("MemberAddAction1")->isEnabled(), HasMemberEditor());
  EXPECT_EQ(window->Action("ConsumeAddAction1")->isEnabled(), HasBillEditor());
  EXPECT_TRUE(window->Action("MemberDeleteAction1")->isEnabled());
  EXPECT_TRUE(window->Action("ConsumeDeleteAction1")->isEnabled());
}

TEST_P(MainFrmTest, ClosingRunsTheExitChoresAndClosesTheConnection) {
  window->show();
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(Db().Connected());
}

INSTANTIATE_ON_BOTH_DATABASES(MainFrmTest);

}  // namespace
