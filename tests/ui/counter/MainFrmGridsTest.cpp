#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "DomainFixture.h"
#include "ScriptedMessageBox.h"
#include "core/lists/Lists.h"
#include "ui/controls/QdEdit.h"
#include "ui/counter/MainFrm.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridFooter.h"
#include "ui/grid/QdGridcx.h"

namespace {

// The main window on a 1366 by 768 screen, over a counter's members and bills.
class MainFrmGridsTest : public DomainTest {
 protected:
  void SetUp() override {
    DomainTest::SetUp();
    if (IsSkipped()) return;
    const struct {
      const char* name;
      const char* cardNo;
      const char* mobile;
      int type;
    } members[] = {
        {"欧阳明华", "8800012345", "13912345678", 1}, {"张伟", "8800012346", "13800138000", 0},
        {"李娜", "8800012347", "15901234567", 1},     {"王秀英", "8800012348", "18612345678", 2},
        {"司马相如", "8800012349", "13712345678", 1}, {"刘洋", "8800012350", "13698765432", 0},
        {"陈静", "8800012351", "15012345678", 1},     {"杨帆", "8800012352", "18898765432", 1},
        {"赵丽颖", "8800012353", "13512345678", 0},   {"黄晓明", "8800012354", "13312345678", 2},
        {"周杰", "8800012355", "17712345678", 1},     {"吴敏", "8800012356", "15812345678", 1},
    };
    for (const auto& m : members) {
      RMember member;
      member.Name = m.name;
      member.CardNo = m.cardNo;
      member.Mobile = m.mobile;
      member.TypeId = m.type;
      member.ValidIf = true;
      member.Discount = 0.88;
      member.Grade = "金卡会员";
      member.Sex = "女";
      member.Folk = "汉族";
      member.IdCode = "110105198506152345";
      member.Company = "北京华联商厦股份有限公司朝阳分公司";
      member.Duty = "市场部经理";
      member.Address = "北京市朝阳区建国路88号SOHO现代城5号楼1201室";
      member.Remarks = "老顾客, 每周六上午来店";
      member.Handman = "收银员小王";
      member.Appdate = QDateTime(QDate(2024, 3, 15), QTime(9, 30));
      member.Invalidate = QDateTime(QDate(2027, 3, 15), QTime(0, 0));
      ASSERT_TRUE(TMemberSet::Save(member));
      ids << member.CardId;
    }
    ASSERT_TRUE(TopUp(ids[0], 5000, 500));
    for (double amount : {350.4, 1288.0, 86.5}) {
      RConsume bill = Bill(ids[0], amount, 0, static_cast<int>(amount));
      bill.Notes = "会员日八折, 另赠送精美礼品一份";
      RConsumedl line;
      line.CommId = 1;
      line.CommName = "进口红酒礼盒装(法国波尔多)";
      line.Price = TMoney::FromDouble(amount);
      line.Qty = 1;
      line.Discount = 1;
      line.Fund = TMoney::FromDouble(amount);
      bill.Lines = {line};
      ASSERT_TRUE(TConsumeSet::Save(bill));
    }
    window = std::make_unique<TmainFrm>();
    window->setWindowState(Qt::WindowNoState);
    window->resize(1366, 738);  // the screen less the window's title bar
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    DomainTest::TearDown();
  }
  TqdGridcx* GridIn(const char* panel) {
    return window->findChild<QWidget*>(panel)->findChild<TqdGridcx*>();
  }
  // The fields a cashier needs, with those the list shows of the money figures.
  static QStringList MemberColumns(const TDataSet* members) {
    QStringList names = {"CardNo", "Name", "Mobile", "TypeName"};
    for (const char* money : {"Balance", "Consume"})
      if (members->FindField(money)->Visible()) names << money;
    return names;
  }
  // Each named column lies wholly inside the grid's viewport, wide enough for its values.
  static void ExpectShown(TqdGridcx* grid, const QStringList& fields) {
    QCoreApplication::processEvents();
    const QTableView* view = grid->View();
    const QHeaderView* header = view->horizontalHeader();
    ASSERT_GT(grid->RowCount(), 0);
    for (const QString& name : fields) {
      const int column = grid->DataSource()->ColumnOf(name);
      ASSERT_GE(column, 0) << name.toStdString();
      EXPECT_FALSE(view->isColumnHidden(column)) << name.toStdString();
      const int left = header->sectionViewportPosition(column);
      EXPECT_GE(left, 0) << name.toStdString();
      EXPECT_LE(left + header->sectionSize(column), view->viewport()->width())
          << name.toStdString();
      for (int row = 0; row < grid->RowCount(); ++row)
        EXPECT_GE(header->sectionSize(column),
                  view->sizeHintForIndex(grid->DataSource()->index(row, column)).width())
            << name.toStdString() << " row " << row;
    }
  }

  std::unique_ptr<TmainFrm> window;
  QList<int> ids;
};

TEST_P(MainFrmGridsTest, MemberListShowsTheColumnsACashierNeeds) {
  window->ShowMemberPanel();
  TqdGridcx* grid = GridIn("pnlMemberList1");
  EXPECT_EQ(grid->RowCount(), 12);
  ExpectShown(grid, MemberColumns(window->MemberList()->DataSet()));
}

TEST_P(MainFrmGridsTest, PickPanelTellsMembersApart) {
  window->btnBrowse1Click();
  ASSERT_TRUE(window->pnlMemberPick1->isVisible());
  ExpectShown(window->PickGrid(), MemberColumns(window->PickList()->DataSet()));
}

TEST_P(MainFrmGridsTest, BillListShowsTheAmountAndItsSum) {
  TMessageScript messages;
  window->edtMemberPickKey1->setText("8800012345");
  window->btnMemberSearch1Click();
  TqdGridcx* bills = GridIn("pnlConsumeGrid1");
  ASSERT_EQ(bills->RowCount(), 3);
  ExpectShown(bills, {"Biztime", "Shldfund"});
  const QRect sum = bills->Footer()->SumRect(0);
  const QWidget* viewport = bills->View()->viewport();
  const QRect shown(bills->Footer()->mapFromGlobal(viewport->mapToGlobal(QPoint(0, 0))),
                    QSize(viewport->width(), bills->Footer()->height()));
  EXPECT_GE(sum.left(), shown.left());
  EXPECT_LE(sum.right(), shown.right());
  EXPECT_DOUBLE_EQ(bills->Footer()->SumText(0).toDouble(), 1724.9);

  window->ShowBillLines(true);
  ExpectShown(GridIn("pnlConsumedlGrid1"), {"CommNameCalc", "Price", "Qty", "Fund"});
  // The next bill's larger amounts are not cut either.
  window->BillList()->DataSet()->SetRecNo(2);
  ExpectShown(GridIn("pnlConsumedlGrid1"), {"CommNameCalc", "Price", "Qty", "Fund"});
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

INSTANTIATE_ON_BOTH_DATABASES(MainFrmGridsTest);

}  // namespace
