#include <gtest/gtest.h>

#include <QHeaderView>
#include <QWidget>

#include "ScriptedMessageBox.h"
#include "TestDatabase.h"
#include "core/base/Variants.h"
#include "core/db/DataSet.h"
#include "core/grid/GridLayout.h"
#include "core/grid/LayoutStore.h"
#include "core/operators/Rights.h"
#include "ui/grid/QdDBGrid.h"
#include "ui/grid/QdGridcx.h"

namespace {

QList<TGridColumn> Cols(std::initializer_list<TGridColumn> columns) {
  return columns;
}

TEST(GridLayoutTest, TextHasOneLinePerFieldInColumnOrder) {
  EXPECT_EQ(TGridLayout::Text(Cols({{"CardNo", true, 80}, {"PassWd", false, 64}})),
            "CardNo=True80\r\nPassWd=False64\r\n");
  // A second column on the same field replaces the first one's value in place.
  EXPECT_EQ(TGridLayout::Text(Cols({{"Name", true, 10}, {"Id", false, 20}, {"name", true, 30}})),
            "Name=True30\r\nId=False20\r\n");
  EXPECT_EQ(TGridLayout::Text({}), "");
  EXPECT_EQ(TGridLayout::Lines("a=1\rb=2\nc=3\r\n\r\nd=4"),
            QStringList({"a=1", "b=2", "c=3", "", "d=4"}));
}

TEST(GridLayoutTest, ApplySetsVisibilityWidthAndOrder) {
  QList<TGridColumn> columns =
      Cols({{"Id", true, 50}, {"Name", true, 60}, {"CardNo", true, 70}, {"Mobile", false, 80}});
  EXPECT_TRUE(
      TGridLayout::Apply("CardNo=True90\r\nname=False40\r\nId=TRUE55\r\nGone=True9\r\n", columns));
  const QList<TGridColumn> expected =
      Cols({{"CardNo", true, 90}, {"Name", false, 40}, {"Id", false, 55}, {"Mobile", false, 80}});
  ASSERT_EQ(columns.size(), expected.size());
  for (int i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i].FieldName, expected[i].FieldName) << i;
    EXPECT_EQ(columns[i].Visible, expected[i].Visible) << i;  // "TRUE" is not "True"
    EXPECT_EQ(columns[i].Width, expected[i].Width) << i;
  }
}

TEST(GridLayoutTest, BadWidthStopsApplyingQuietly) {
  QList<TGridColumn> columns = Cols({{"Id", true, 10}, {"Name", true, 10}, {"CardNo", true, 10}});
  EXPECT_FALSE(TGridLayout::Apply("CardNo=False70\r\nName=Truex\r\nId=False50\r\n", columns));
  EXPECT_EQ(columns[0].FieldName, "Id");  // no reordering after the bad line
  EXPECT_FALSE(columns[0].Visible);
  EXPECT_EQ(columns[0].Width, 50);
  EXPECT_TRUE(columns[1].Visible);
  EXPECT_EQ(columns[1].Width, 10);
  EXPECT_TRUE(columns[2].Visible);
  EXPECT_EQ(columns[2].Width, 10);
}

// A member list with layout key 1003, on both databases.
class GridLayoutStoreTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    if (IsSkipped()) return;
    FillMembers(members);
  }
  static void FillMembers(TDataSet& set, bool withNotes = false) {
    set.AddField(TFieldType::Integer, "Id", "编号", false);
    set.AddField(TFieldType::WideString, "Name", "会员姓名", true, 12);
    set.AddField(TFieldType::WideString, "CardNo", "卡号", true, 16);
    set.AddField(TFieldType::WideString, "Mobile", "手机", true, 11);
    set.AddField(TFieldType::Float, "Balance", "余额");
    if (withNotes) set.AddField(TFieldType::WideString, "Notes", "备注");
    QList<TDataSet::TRow> rows = {{1, "张三", "A001", "13800000001", 10.0},
                                  {2, "李四", "B002", "13800000002", 5.5}};
    if (withNotes)
      for (auto& row : rows) row << "VIP";
    set.OpenWithRows(rows);
  }
  QString Stored() { return VarToStr(Scalar("select F06 from syscols where F02=1003")); }

  TMessageScript messages;
  TDataSet members;
  QWidget panel;
};

TEST_P(GridLayoutStoreTest, StoreUpdatesTheOneRowOfAKey) {
  bool found = true;
  EXPECT_EQ(TLayoutStore::Load(1003, &found), "");
  EXPECT_FALSE(found);
  EXPECT_TRUE(TLayoutStore::Save(1003, "Name=True80\r\n"));
  EXPECT_TRUE(TLayoutStore::Save(1003, "Name=False80\r\n"));
  EXPECT_EQ(TLayoutStore::Load(1003, &found), "Name=False80\r\n");
  EXPECT_TRUE(found);
  EXPECT_EQ(VarToInt(Scalar("select count(*) from syscols")), 1);
  Db().Execute("insert into syscols (F02) values (1004)");
  EXPECT_EQ(TLayoutStore::Load(1004, &found), "");
  EXPECT_TRUE(found);
}

TEST_P(GridLayoutStoreTest, SavedLayoutComesBackInTheNextWindow) {
  TqdGridcx* grid = TqdGridcx::CreateWithLayout(&panel, 1003, &members, &panel);
  EXPECT_EQ(grid->Tag, 1003);
  // Without a stored layout: every visible field, in field order, as wide as its contents.
  TGridColumns& columns = grid->Columns();
  const QList<TGridColumn> fresh = columns.Columns();
  ASSERT_EQ(fresh.size(), 4);
  EXPECT_EQ(fresh[0].FieldName, "Name");
  EXPECT_EQ(fresh[3].FieldName, "Balance");
  for (int i = 0; i < fresh.size(); ++i) {
    EXPECT_TRUE(fresh[i].Visible);
    EXPECT_EQ(fresh[i].Width, columns.DefaultWidth(i));
  }
  EXPECT_GT(columns.DefaultWidth(2), columns.DefaultWidth(1));  // 11 digits against 4 characters

  columns.SetVisible(1, false);  // CardNo
  columns.SetWidth(0, 55);       // Name
  grid->View()->horizontalHeader()->moveSection(3, 0);
  grid->Commands().SaveLayoutClick();
  EXPECT_EQ(messages->Texts(), QStringList({"\r\n列样式保存成功.\t"}));
  const QString expected =
      QString("Balance=True%1\r\nName=True55\r\nCardNo=False%2\r\nMobile=True%3\r\n")
          .arg(columns.DefaultWidth(3))
          .arg(columns.DefaultWidth(1))
          .arg(columns.DefaultWidth(2));
  EXPECT_EQ(Stored(), expected);
  grid->Commands().SaveLayoutClick();
  EXPECT_EQ(VarToInt(Scalar("select count(*) from syscols")), 1);

  QWidget other;
  TqdGridcx* again = TqdGridcx::CreateWithLayout(&other, 1003, &members, &other);
  EXPECT_EQ(again->Commands().Layout(), expected);
  EXPECT_TRUE(again->View()->isColumnHidden(1));
}

TEST_P(GridLayoutStoreTest, FieldAddedAfterSavingIsHiddenInOneGridAndShownInTheOther) {
  TLayoutStore::Save(1003, "Name=True60\r\nCardNo=True70\r\nMobile=False40\r\nBalance=True50\r\n");
  TDataSet withNotes;
  FillMembers(withNotes, true);
  TqdGridcx* grid = TqdGridcx::CreateWithLayout(&panel, 1003, &withNotes, &panel);
  EXPECT_TRUE(grid->View()->isColumnHidden(4));  // Notes
  EXPECT_TRUE(grid->View()->isColumnHidden(2));  // Mobile, as stored

  TqdDBGrid preview;
  preview.SetDataSet(&withNotes);
  preview.SetLayoutId(1003);
  EXPECT_FALSE(preview.isColumnHidden(4));
  EXPECT_TRUE(preview.isColumnHidden(2));
  EXPECT_EQ(preview.Columns().Width(0), 60);
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST_P(GridLayoutStoreTest, StoredWidthsAreNotFittedToTheRowsThatComeLater) {
  TLayoutStore::Save(1003, "Name=True30\r\nCardNo=True30\r\nMobile=True30\r\nBalance=True30\r\n");
  TDataSet later;
  FillMembers(later);
  later.Close();
  TqdGridcx* grid = TqdGridcx::CreateWithLayout(&panel, 1003, &later, &panel);
  grid->Columns().SetPreferredOrder({"Balance"});
  later.OpenWithRows({{1, "欧阳明华", "VIP-20240001", "13912345678", 1.0}});
  EXPECT_FALSE(grid->Columns().FitsContents());
  EXPECT_EQ(grid->Commands().Layout(),
            "Name=True30\r\nCardNo=True30\r\nMobile=True30\r\nBalance=True30\r\n");
}

TEST_P(GridLayoutStoreTest, MalformedStoredLayoutIsAppliedUpToTheBadLine) {
  TLayoutStore::Save(1003, "Name=True60\r\nCardNo=Truewide\r\nMobile=True40\r\n");
  TqdGridcx* grid = TqdGridcx::CreateWithLayout(&panel, 1003, &members, &panel);
  EXPECT_EQ(grid->Columns().Width(0), 60);
  EXPECT_FALSE(grid->View()->isColumnHidden(0));
  EXPECT_TRUE(grid->View()->isColumnHidden(1));  // CardNo and all later columns stay unapplied
  EXPECT_TRUE(grid->View()->isColumnHidden(2));
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST_P(GridLayoutStoreTest, SavingTheLayoutNeedsTheRight) {
  QList<int> asked;
  const TRightCheck previous = InstallRightCheck([&asked](int right) {
    asked << right;
    return false;
  });
  TqdGridcx* grid = TqdGridcx::CreateWithLayout(&panel, 1003, &members, &panel);
  grid->Commands().SaveLayoutClick();
  TqdDBGrid preview;
  preview.Tag = 1003;
  preview.Commands().SaveLayoutClick();
  InstallRightCheck(previous);
  EXPECT_EQ(asked, QList<int>({10006, 10006}));
  EXPECT_TRUE(messages->Boxes.isEmpty());
  EXPECT_EQ(VarToInt(Scalar("select count(*) from syscols")), 0);
}

INSTANTIATE_ON_BOTH_DATABASES(GridLayoutStoreTest);

}  // namespace
