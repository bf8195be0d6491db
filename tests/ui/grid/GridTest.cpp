#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "ScriptedMessageBox.h"
#include "core/base/Errors.h"
#include "core/base/Money.h"
#include "core/db/DataSet.h"
#include "ui/controls/QdPopupMenu.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridFooter.h"
#include "ui/grid/QdDBGrid.h"
#include "ui/grid/QdGridcx.h"

namespace {

// A grid that lets the test see how a cell is painted.
class TPaintedGrid : public TqdGridcx {
 public:
  QBrush Background(int row) {
    QStyleOptionViewItem option;
    CustomDrawCell(option, DataSource()->index(row, 0));
    return option.backgroundBrush;
  }
};

// Members with a text, a number, a flag and a calculated field.
class GridTest : public testing::Test {
 protected:
  void SetUp() override {
    set.AddField(TFieldType::Integer, "Id", "编号", false);
    set.AddField(TFieldType::WideString, "Name", "会员姓名");
    set.AddField(TFieldType::WideString, "Mobile", "手机");
    set.AddField(TFieldType::Integer, "Score", "积分");
    set.AddField(TFieldType::Float, "Balance", "余额");
    set.AddField(TFieldType::Boolean, "Valid", "有效");
    set.AddCalculatedField(TFieldType::WideString, "Title", "称呼");
    set.OnCalcFields = [](TDataSet& s) {
      s.FieldByName("Title")->SetValue(s.FieldByName("Name")->AsString() + "先生");
    };
    set.FieldByName("Valid")->OnGetText = [](const TField& f) {
      return f.AsBoolean() ? QString("√") : QString("×");
    };
    set.OpenWithRows({{1, "张三", "13800000001", 10, 12.5, true},
                      {2, "O'Brien", "13900000002", 5, 0.25, false},
                      {3, "李四", "13700000003", 7, 3.0, true}});
  }
  QString Cell(const QAbstractItemModel* model, int row, int column) {
    return model->data(model->index(row, column)).toString();
  }
  static QStringList Order(const TGridColumns& columns) {
    QStringList names;
    for (const TGridColumn& column : columns.Columns()) names << column.FieldName;
    return names;
  }

  TMessageScript messages;
  TDataSet set;
};

TEST_F(GridTest, ModelShowsVisibleFieldsAndFollowsTheDataSet) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  const TDataSetModel* model = grid.DataSource();
  ASSERT_EQ(model->columnCount(), 6);  // Id is hidden
  EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "会员姓名");
  EXPECT_EQ(Cell(model, 1, 0), "O'Brien");
  EXPECT_EQ(Cell(model, 2, 5), "李四先生");
  EXPECT_EQ(model->headerData(2, Qt::Vertical, Qt::DisplayRole).toInt(), 3);
  EXPECT_EQ(model->data(model->index(0, 4), Qt::CheckStateRole).toInt(), Qt::Checked);

  set.Last();
  EXPECT_EQ(grid.View()->currentIndex().row(), 2);
  EXPECT_TRUE(model->headerData(2, Qt::Vertical, Qt::FontRole).value<QFont>().bold());
  grid.View()->setCurrentIndex(model->index(0, 1));
  EXPECT_EQ(set.RecNo(), 1);

  set.Append();
  set.FieldByName("Name")->SetValue("王五");
  set.Post();
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Cell(model, 3, 0), "王五");
  EXPECT_EQ(grid.View()->currentIndex().row(), 3);
  set.Delete();
  EXPECT_EQ(grid.RowCount(), 3);

  // A re-query with the same fields keeps the columns as the operator arranged them.
  grid.Columns().SetWidth(0, 77);
  set.OpenWithRows({{9, "赵六", "1", 1, 1.0, true}});
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(grid.Columns().Width(0), 77);
  EXPECT_EQ(Cell(model, 0, 0), "赵六");
}

TEST_F(GridTest, QuickFilterMatchesTheTextAsTyped) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  grid.QuickFilter("张");
  EXPECT_EQ(set.Filter(), "Name like '%张%' or Mobile like '%张%'");
  EXPECT_TRUE(set.Filtered());
  EXPECT_EQ(grid.RowCount(), 1);
  grid.QuickFilter("O'B");
  EXPECT_EQ(set.Filter(), "Name like '%O''B%' or Mobile like '%O''B%'");
  EXPECT_EQ(grid.RowCount(), 1);
  EXPECT_EQ(Cell(grid.DataSource(), 0, 0), "O'Brien");
  grid.QuickFilter("100%");
  EXPECT_EQ(grid.RowCount(), 0);
  grid.QuickFilter("");
  EXPECT_FALSE(set.Filtered());
  EXPECT_EQ(grid.RowCount(), 3);

  TDataSet closed;
  TqdGridcx idle;
  idle.SetDataSet(&closed);
  idle.QuickFilter("张");  // nothing happens on a closed data set
  EXPECT_TRUE(messages->Boxes.isEmpty());
}

TEST_F(GridTest, FooterSumsFollowTheRows) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  grid.AddFooterSum(set.FieldByName("Balance"));
  grid.AddFooterSum(set.FieldByName("Score"));
  EXPECT_DOUBLE_EQ(grid.FooterSum(0).toDouble(), 15.75);
  EXPECT_DOUBLE_EQ(grid.FooterSum(1).toDouble(), 22);
  set.First();
  set.Edit();
  set.FieldByName("Balance")->SetValue(0.004);
  set.Post();
  EXPECT_NEAR(grid.FooterSum(0).toDouble(), 3.254, 1e-9);
  grid.QuickFilter("没有这个人");
  EXPECT_TRUE(grid.FooterSum(0).isNull());
}

TEST_F(GridTest, EditableColumnsShowTextAndRefuseBadNumbers) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  TDataSetModel* model = grid.DataSource();
  const QModelIndex valid = model->index(0, 4);
  EXPECT_EQ(model->data(valid).toString(), "");
  grid.SetColumnEditable(set.FieldByName("Valid"), true);
  EXPECT_EQ(model->data(valid).toString(), "√");
  EXPECT_FALSE(model->data(valid, Qt::CheckStateRole).isValid());

  const QModelIndex balance = model->index(1, 3);
  EXPECT_FALSE(model->flags(balance) & Qt::ItemIsEditable);
  grid.SetEditing(true);
  EXPECT_TRUE(model->flags(balance) & Qt::ItemIsEditable);
  EXPECT_FALSE(model->setData(balance, "12x", Qt::EditRole));
  EXPECT_EQ(messages->LastText(), "\r\n\"12x\" 不是有效的数字.\t");
  set.SetRecNo(2);
  EXPECT_DOUBLE_EQ(set.FieldByName("Balance")->AsFloat(), 0.25);
  EXPECT_TRUE(model->setData(balance, "8.5", Qt::EditRole));
  EXPECT_DOUBLE_EQ(set.FieldByName("Balance")->AsFloat(), 8.5);
  EXPECT_EQ(set.State(), TDataSetState::Browse);

  // A change the data set refuses is shown, and the row keeps what it held.
  set.OnCalcFields = [](TDataSet& s) {
    if (s.FieldByName("Balance")->AsFloat() > 1000) throw EError("余额超出上限");
  };
  EXPECT_FALSE(model->setData(balance, "5000", Qt::EditRole));
  EXPECT_EQ(messages->LastText(), "余额超出上限");
  EXPECT_EQ(set.State(), TDataSetState::Browse);
  EXPECT_DOUBLE_EQ(set.FieldByName("Balance")->AsFloat(), 8.5);

  grid.SetColumnEditable(set.FieldByName("Name"), false);
  EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
}

TEST_F(GridTest, EvenRowsAreCreamAndRelaysReachTheForm) {
  TPaintedGrid grid;
  grid.SetDataSet(&set);
  EXPECT_EQ(grid.Background(0).color(), QColor(0xff, 0xfb, 0xf0));
  EXPECT_EQ(grid.Background(1).style(), Qt::NoBrush);

  QStringList events;
  grid.OnSelectChanged = [&](bool selected) { events << (selected ? "select" : "no row"); };
  grid.OnDblClick = [&](QObject* sender) { events << (sender == &grid ? "dblclick" : "?"); };
  grid.OnCellDblClick = [&](TField* field) { events << "cell " + field->FieldName(); };
  grid.resize(600, 300);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  set.SetRecNo(2);
  const QRect cell = grid.View()->visualRect(grid.DataSource()->index(1, 1));
  QTest::mouseClick(grid.View()->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid.View()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(events, QStringList({"select", "dblclick", "cell Mobile"}));
}

TEST_F(GridTest, CommandsCheckTheDataSetFirst) {
  TqdGridcx grid;
  EXPECT_FALSE(grid.Commands().CheckDataSet());
  TDataSet closed;
  TqdDBGrid preview;
  EXPECT_FALSE(preview.Commands().CheckDataSet());
  preview.SetDataSet(&closed);
  EXPECT_FALSE(preview.Commands().CheckDataSet());
  preview.SetDataSet(&set);
  EXPECT_TRUE(preview.Commands().CheckDataSet());
  preview.Commands().BatchUpdateClick();
  grid.SetDataSet(&set);
  grid.Commands().BatchUpdateClick();
  EXPECT_EQ(messages->Texts(),
            QStringList({"\r\n系统错误: 没有为TqdGridcx.DataSource指定DataSet对象,请与作者联系!\t",
                         "\r\n系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!\t",
                         "\r\n系统提示: 请先打开数据再操作!\t",
                         "\r\n没有指定更新过程BatchProc, 操作被取消.\t",
                         "\r\n没有指定BatchUpdate更新过程, 操作被取消.\t"}));
  // Commands whose dialogs are not part of the program yet are shown disabled.
  EXPECT_FALSE(grid.Commands().ActionSort()->isEnabled());
  EXPECT_TRUE(grid.Commands().ActionTableStyleSave()->isEnabled());
  QStringList captions;
  for (QAction* item : grid.PopupMenuQd()->actions())
    captions << (item->isSeparator() ? "-" : item->text());
  EXPECT_EQ(captions, QStringList({"排序", "-", "列选择", "保存表格样式", "-", "导出到Excel文档",
                                   "导出到Html网页文件"}));
}

TEST_F(GridTest, PreviewTitlesSortAndArrowsMove) {
  TqdDBGrid preview;
  preview.SetDataSet(&set);
  const auto names = [this] {
    QStringList shown;
    for (int row = 0; row < set.RecordCount(); ++row) shown << set.ValueAt(row, 1).toString();
    return shown;
  };
  QHeaderView* header = preview.horizontalHeader();
  emit header->sectionClicked(2);  // Score
  EXPECT_EQ(set.Sort(), "Score");
  EXPECT_EQ(names(), QStringList({"O'Brien", "李四", "张三"}));
  emit header->sectionClicked(2);
  EXPECT_EQ(set.Sort(), "Score DESC ");
  EXPECT_EQ(names(), QStringList({"张三", "李四", "O'Brien"}));
  emit header->sectionClicked(0);
  EXPECT_EQ(preview.SortText(), "Score DESC , Name");
  emit header->sectionClicked(2);
  emit header->sectionClicked(2);
  EXPECT_EQ(set.Sort(), "Name, Score");
  emit header->sectionClicked(0);
  emit header->sectionClicked(0);
  EXPECT_EQ(set.Sort(), "Score");
  emit header->sectionClicked(2);
  emit header->sectionClicked(2);
  EXPECT_EQ(set.Sort(), "");
  emit header->sectionClicked(5);  // a calculated field does not sort
  EXPECT_EQ(set.Sort(), "");

  preview.setColumnHidden(1, true);
  preview.setCurrentIndex(preview.DataSource()->index(0, 2));
  QTest::keyClick(&preview, Qt::Key_Left);
  EXPECT_EQ(preview.currentIndex().column(), 0);  // the hidden column is skipped
  QTest::keyClick(&preview, Qt::Key_Left);
  EXPECT_EQ(preview.currentIndex().column(), 0);
  QTest::keyClick(&preview, Qt::Key_Right);
  EXPECT_EQ(preview.currentIndex().column(), 2);
  QTest::keyClick(&preview, Qt::Key_Down);
  EXPECT_EQ(set.RecNo(), 2);
  EXPECT_EQ(preview.currentIndex().row(), 1);
  QTest::keyClick(&preview, Qt::Key_Up);
  EXPECT_EQ(set.RecNo(), 1);
}

TEST_F(GridTest, ColumnsStartAsWideAsTheirContentsAndWidenForLaterRows) {
  TDataSet members;
  members.AddField(TFieldType::WideString, "CardNo", "卡号", true, 50);
  members.AddField(TFieldType::WideString, "Name", "会员姓名", true, 30);
  members.AddField(TFieldType::WideString, "Address", "联系地址", true, 50);
  members.CreateDataSet();
  TqdGridcx grid;
  grid.SetDataSet(&members);
  TGridColumns& columns = grid.Columns();
  const QFontMetrics metrics = grid.View()->fontMetrics();
  // Empty, a column is about as wide as its caption, not as its 50 characters.
  EXPECT_LT(columns.Width(0), 4 * metrics.horizontalAdvance("卡号"));
  EXPECT_GE(columns.Width(1), metrics.horizontalAdvance("会员姓名"));

  members.OpenWithRows({{"VIP-20240001", "欧阳明华", "北京市朝阳区建国路88号SOHO现代城5号楼1201室"},
                        {"A7", "李娜", ""}});
  EXPECT_TRUE(columns.FitsContents());
  EXPECT_GT(columns.Width(0), metrics.horizontalAdvance("VIP-20240001"));
  EXPECT_LT(columns.Width(0), metrics.horizontalAdvance("VIP-20240001") + 40);
  EXPECT_EQ(columns.Width(2), TGridColumns::kMaxFitWidth);
  // Later rows widen a column that is too narrow for them, and never narrow one.
  const int fitted = columns.Width(0);
  const int name = columns.Width(1);
  members.OpenWithRows({{"VIP-2024000100020003", "王五", ""}});
  EXPECT_GT(columns.Width(0), metrics.horizontalAdvance("VIP-2024000100020003"));
  EXPECT_EQ(columns.Width(1), name);
  members.OpenWithRows({{"A7", "李娜", ""}});
  EXPECT_GT(columns.Width(0), fitted);

  // A column the operator resized stays as the operator left it, also through the first fill.
  TDataSet later;
  later.AddField(TFieldType::WideString, "CardNo", "卡号", true, 50);
  later.CreateDataSet();
  TqdGridcx resized;
  resized.SetDataSet(&later);
  resized.View()->horizontalHeader()->resizeSection(0, 33);
  later.OpenWithRows({{"VIP-20240001"}});
  later.Append();
  later.FieldByName("CardNo")->SetValue("VIP-2024000100020003");
  later.Post();
  EXPECT_FALSE(resized.Columns().FitsContents());
  EXPECT_EQ(resized.Columns().Width(0), 33);
}

TEST_F(GridTest, PreferredColumnsComeFirstWhileNoLayoutIsStored) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  // Id is not shown and Gone is not a field: both are passed over.
  grid.Columns().SetPreferredOrder({"Balance", "Gone", "Id", "mobile"});
  EXPECT_EQ(Order(grid.Columns()),
            QStringList({"Balance", "Mobile", "Name", "Score", "Valid", "Title"}));
  grid.Commands().SetLayout("Score=True40\r\nName=True50\r\n");
  EXPECT_EQ(Order(grid.Columns()).first(), "Score");
  EXPECT_TRUE(grid.View()->isColumnHidden(3));  // Balance: not in the stored layout
  grid.Commands().SetLayout("");
  EXPECT_EQ(Order(grid.Columns()).mid(0, 3), QStringList({"Balance", "Mobile", "Name"}));
  EXPECT_FALSE(grid.View()->isColumnHidden(3));

  // The preview grid takes the same order; fields it lacks in its stored layout stay visible.
  TqdDBGrid preview;
  preview.SetDataSet(&set);
  preview.Columns().SetPreferredOrder({"Score"});
  EXPECT_EQ(Order(preview.Columns()).first(), "Score");
  preview.Commands().SetLayout("Valid=False40\r\n");
  EXPECT_EQ(Order(preview.Columns()).first(), "Valid");
  EXPECT_FALSE(preview.isColumnHidden(0));
}

// Bills with a money amount, points and a quantity.
class GridFooterTest : public testing::Test {
 protected:
  void SetUp() override {
    bills.AddField(TFieldType::WideString, "Notes", "备注", true, 50);
    bills.AddField(TFieldType::Currency, "Shldfund", "消费金额");
    bills.AddField(TFieldType::Integer, "Point", "所得积分");
    bills.AddField(TFieldType::Float, "Qty", "数量");
    bills.OpenWithRows({{"会员日八折, 另赠送精美礼品一份", 350.4, 35, 1.5},
                        {"", 12.5, 1, 2.0},
                        {"", 0.1, 0, 0.25},
                        {"", 0.2, -1, 0.0}});
    grid.SetDataSet(&bills);
    grid.AddFooterSum(bills.FieldByName("Shldfund"));
    grid.AddFooterSum(bills.FieldByName("Point"));
    grid.AddFooterSum(bills.FieldByName("Qty"));
  }
  // The sum's place in the footer lines up with the column's cells on screen.
  void ExpectUnderItsColumn(int item, int column) {
    const QRect sum = grid.Footer()->SumRect(item);
    const QRect cell = grid.View()->visualRect(grid.DataSource()->index(0, column));
    EXPECT_EQ(grid.Footer()->mapToGlobal(sum.topLeft()).x(),
              grid.View()->viewport()->mapToGlobal(cell.topLeft()).x());
    EXPECT_NEAR(sum.width(), cell.width(), 1);
  }

  TDataSet bills;
  TqdGridcx grid;
};

TEST_F(GridFooterTest, MoneySumsInCentsWithTwoDecimalsAndNumbersAlignRight) {
  const TDataSetModel* model = grid.DataSource();
  for (int column : {1, 2, 3})
    EXPECT_EQ(model->data(model->index(0, column), Qt::TextAlignmentRole).toInt() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight)
        << column;
  EXPECT_EQ(
      model->data(model->index(0, 0), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
      Qt::AlignLeft);
  const TGridFooter* footer = grid.Footer();
  EXPECT_EQ(grid.FooterSum(0).value<TMoney>(), TMoney::FromCents(36320));
  EXPECT_EQ(footer->SumText(0), "363.20");
  EXPECT_EQ(footer->SumText(1), "35");
  EXPECT_EQ(footer->SumText(2), "3.75");
  bills.FieldByName("Qty")->SetDisplayFormat("0.000");
  EXPECT_EQ(footer->SumText(2), "3.750");  // as its cells show it
  bills.Last();
  bills.Delete();
  bills.Last();
  bills.Edit();
  bills.FieldByName("Shldfund")->SetValue(0.3);
  bills.Post();
  EXPECT_EQ(footer->SumText(0), "363.20");
  bills.SetFilter("Notes like '%八折%'");
  bills.SetFiltered(true);
  EXPECT_EQ(footer->SumText(0), "350.40");
  bills.SetFilter("Notes like '%没有%'");
  EXPECT_EQ(footer->SumText(0), "");
}

TEST_F(GridFooterTest, AColumnIsWideEnoughForItsSum) {
  QList<TDataSet::TRow> rows;
  for (int i = 0; i < 12; ++i) rows.append({"", 999.9, 1, 1.0});
  bills.OpenWithRows(rows);
  EXPECT_EQ(grid.Footer()->SumText(0), "11998.80");
  const int cell = grid.View()->sizeHintForIndex(grid.DataSource()->index(0, 1)).width();
  EXPECT_GT(grid.Footer()->WidthFor(1), cell);
  EXPECT_GE(grid.Columns().Width(1), grid.Footer()->WidthFor(1));
}

TEST_F(GridFooterTest, SumsStayUnderTheirColumnsWhenColumnsMoveResizeAndScroll) {
  grid.resize(260, 200);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  ExpectUnderItsColumn(0, 1);
  ExpectUnderItsColumn(2, 3);
  QHeaderView* header = grid.View()->horizontalHeader();
  header->moveSection(header->visualIndex(3), 0);
  ExpectUnderItsColumn(0, 1);
  ExpectUnderItsColumn(2, 3);
  header->resizeSection(0, 300);
  ExpectUnderItsColumn(0, 1);
  grid.View()->horizontalScrollBar()->setValue(grid.View()->horizontalScrollBar()->maximum());
  ASSERT_GT(grid.View()->horizontalScrollBar()->value(), 0);
  ExpectUnderItsColumn(0, 1);
  ExpectUnderItsColumn(1, 2);
  grid.Columns().SetVisible(1, false);
  EXPECT_TRUE(grid.Footer()->SumRect(0).isEmpty());
}

TEST_F(GridTest, ErrorsInHandlersAreShownAndGoNoFurther) {
  TqdGridcx grid;
  grid.SetDataSet(&set);
  grid.OnSelectChanged = [](bool) { throw EError("选择失败"); };
  grid.OnDblClick = [](QObject*) { throw EError("双击失败"); };
  grid.OnCellClick = [](TField*) { throw EAbort(); };
  grid.resize(600, 300);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  messages->Boxes.clear();
  const QRect cell = grid.View()->visualRect(grid.DataSource()->index(2, 0));
  QTest::mouseClick(grid.View()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(set.RecNo(), 3);  // the row was taken before the handler failed
  QTest::mouseDClick(grid.View()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(messages->Texts(), QStringList({"选择失败", "双击失败"}));

  TqdDBGrid preview;
  preview.SetDataSet(&set);
  preview.OnKeyDown = [](QKeyEvent*) { throw EError("按键失败"); };
  set.First();
  QTest::keyClick(&preview, Qt::Key_Down);
  EXPECT_EQ(set.RecNo(), 2);
  EXPECT_EQ(messages->LastText(), "按键失败");
}

}  // namespace
