#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "core/base/Clock.h"
#include "core/base/Errors.h"
#include "ui/controls/FieldBehaviour.h"
#include "ui/controls/QdComboBox.h"
#include "ui/controls/QdDateTimePicker.h"
#include "ui/controls/QdEdit.h"
#include "ui/controls/QdLabel.h"
#include "ui/controls/QdMemo.h"
#include "ui/controls/QdPopupMenu.h"

namespace {

// Types text one character at a time, as the keyboard delivers it (also for Chinese text).
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::KeyAction::Click, widget, Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
}

// A small form: two edits, a combo box, a memo, the way editors place them.
class InputControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&form);
    for (QWidget* control : std::initializer_list<QWidget*>{edit1, combo, edit2, memo})
      layout->addWidget(control);
    combo->addItems({"折扣卡", "储值卡", "计次卡"});
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  QDialog form;
  TqdEdit* edit1 = new TqdEdit(&form);
  TqdComboBox* combo = new TqdComboBox(&form);
  TqdEdit* edit2 = new TqdEdit(&form);
  TqdMemo* memo = new TqdMemo(&form);
};

TEST_F(InputControlsTest, NumberEditRefusesKeysThatCannotFormANumber) {
  edit1->SetEditType(etNumber);
  Type(edit1, "0");
  Type(edit1, "0");
  EXPECT_EQ(edit1->text(), "0");
  Type(edit1, "5a-");
  EXPECT_EQ(edit1->text(), "05");
  edit1->clear();
  Type(edit1, ".12.3.0");
  EXPECT_EQ(edit1->text(), "12.30");
  QTest::keyClick(edit1, Qt::Key_Backspace);
  EXPECT_EQ(edit1->text(), "12.3");

  edit2->SetEditType(etInteger);
  Type(edit2, "1.5张");
  EXPECT_EQ(edit2->text(), "15");
  // Characters composed by an input method pass the same filter.
  QInputMethodEvent composed;
  composed.setCommitString("2a3");
  QCoreApplication::sendEvent(edit2, &composed);
  EXPECT_EQ(edit2->text(), "1523");

  edit1->SetEditType(etFree);
  edit1->clear();
  Type(edit1, "张三 O'Brien");
  EXPECT_EQ(edit1->text(), "张三 O'Brien");
}

TEST_F(InputControlsTest, TypedAccessorsConvertAndReportBadText) {
  edit1->SetAsDouble(0);
  EXPECT_EQ(edit1->text(), "");
  EXPECT_EQ(edit1->AsDouble(), 0);
  edit1->SetAsDouble(12.5);
  EXPECT_EQ(edit1->text(), "12.5");
  edit1->setText("12a");
  try {
    edit1->AsInteger();
    ADD_FAILURE() << "no error";
  } catch (const EError& error) {
    EXPECT_EQ(error.Message(), "\"12a\" 不是有效的整数.");
  }
  edit1->setText("");
  EXPECT_TRUE(edit1->AsDate().isNull());
  edit1->SetAsDateTime(QDateTime(QDate(2013, 1, 15), QTime(10, 0)));
  EXPECT_EQ(edit1->text(), "2013-01-15 10:00:00");
  edit1->SetEditType(etInteger);
  edit1->SetAsVariant(QVariant());
  EXPECT_EQ(edit1->text(), "");
  edit1->setText("30");
  EXPECT_EQ(edit1->AsVariant(), QVariant(30));
}

TEST_F(InputControlsTest, EnterMovesToTheNextFieldAndShiftEnterBack) {
  edit1->setFocus();
  QTest::keyClick(edit1, Qt::Key_Return);
  EXPECT_TRUE(combo->hasFocus());
  QTest::keyClick(combo, Qt::Key_Enter);
  EXPECT_TRUE(edit2->hasFocus());
  QTest::keyClick(edit2, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_TRUE(combo->hasFocus());
  QTest::keyClick(combo, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_TRUE(edit1->hasFocus());

  // A memo takes Enter as a new line.
  memo->setFocus();
  Type(memo, "第一行");
  QTest::keyClick(memo, Qt::Key_Return);
  Type(memo, "第二行");
  EXPECT_TRUE(memo->hasFocus());
  EXPECT_EQ(memo->Text(), "第一行\n第二行");

  // Without Enter-as-Tab the edit keeps the focus.
  edit2->SetTabOnEnter(false);
  edit2->setFocus();
  QTest::keyClick(edit2, Qt::Key_Return);
  EXPECT_TRUE(edit2->hasFocus());
}

TEST_F(InputControlsTest, FocusedFieldsShowTheSignalColours) {
  memo->setFocus();
  SetFieldColor(edit1, kColorWhite);
  edit1->setFocus();
  EXPECT_EQ(FieldColor(edit1), kColorAqua);
  edit2->setReadOnly(true);
  edit2->setFocus();
  EXPECT_EQ(FieldColor(edit1), kColorWhite);
  EXPECT_EQ(FieldColor(edit2), kColorYellow);
  combo->setFocus();
  EXPECT_EQ(FieldColor(combo), kColorAqua);
  memo->setReadOnly(true);
  memo->setFocus();
  EXPECT_EQ(FieldColor(combo), kColorWhite);
  EXPECT_EQ(FieldColor(memo), kColorYellow);
}

TEST_F(InputControlsTest, DeleteEmptiesADropDownListAndReportsTheChange) {
  combo->setCurrentIndex(1);
  QSignalSpy changes(combo, &TqdComboBox::Change);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Delete);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(changes.count(), 1);

  // A box that takes typing deletes text as usual and completes nothing.
  combo->SetEditable(true);
  combo->setEditText("储值");
  combo->setFocus();
  combo->lineEdit()->setCursorPosition(0);
  QTest::keyClick(combo, Qt::Key_Delete);
  EXPECT_EQ(combo->currentText(), "值");
  EXPECT_EQ(combo->lineEdit()->completer(), nullptr);
}

TEST(DateTimePickerTest, ClearedCheckBoxReadsNullAndWrittenValuesReadBack) {
  const QDateTime now(QDate(2013, 1, 15), QTime(10, 30));
  TClock::Fix(now);
  TqdDateTimePicker picker;
  EXPECT_EQ(picker.AsDateTime().toDateTime(), now);  // without a check box it always holds one
  picker.SetShowCheckbox(true);
  EXPECT_FALSE(picker.Checked());
  EXPECT_TRUE(picker.AsDate().isNull());
  EXPECT_TRUE(picker.AsTime().isNull());
  EXPECT_TRUE(picker.AsDateTime().isNull());

  const QDateTime expiry(QDate(2014, 6, 30), QTime(18, 45));
  picker.SetAsDate(expiry);
  EXPECT_TRUE(picker.Checked());
  EXPECT_EQ(picker.AsDateTime().toDateTime(), expiry);
  EXPECT_EQ(picker.AsDate().toDateTime(), QDateTime(QDate(2014, 6, 30), QTime(0, 0)));
  EXPECT_EQ(picker.AsTime().toTime(), QTime(18, 45));

  picker.SetAsDate(QVariant());
  EXPECT_FALSE(picker.Checked());
  EXPECT_EQ(picker.dateTime(), now);
  picker.SetAsTime(QTime(8, 0));
  EXPECT_EQ(picker.AsDateTime().toDateTime(), QDateTime(QDate(2013, 1, 15), QTime(8, 0)));
  picker.SetAsTime(QVariant());
  EXPECT_TRUE(picker.AsTime().isNull());
  TClock::Fix(QDateTime());
}

TEST(LabelTest, CaptionReadsAsValuesOrNull) {
  TqdLabel label;
  label.setText("不是数字");
  EXPECT_TRUE(label.AsFloat().isNull());
  EXPECT_TRUE(label.AsDateTime().isNull());
  label.SetAsFloat(2.5);
  EXPECT_EQ(label.AsFloat(), QVariant(2.5));
  label.SetAsDateTime(QDateTime(QDate(2013, 1, 15), QTime(10, 0)));
  EXPECT_EQ(label.AsString(), "2013-01-15 10:00:00");
  label.SetAsDateTime(QVariant());
  EXPECT_EQ(label.AsString(), "");
}

TEST(PopupMenuTest, ItemsGoWhereTheyAreAskedFor) {
  TqdPopupMenu menu;
  QAction sort("排序");
  menu.AddActionItem(&sort);
  menu.AddSeparator();
  int added = 0;
  menu.AddItem("添加消费", true, [&added] { ++added; });
  QAction* separator = menu.AddItem("-", false);
  QAction edit("修改");
  menu.AddActionItem(&edit, 1);
  const QList<QAction*> items = menu.actions();
  ASSERT_EQ(items.size(), 5);
  EXPECT_EQ(items[0]->text(), "添加消费");
  EXPECT_EQ(items[1], &edit);
  EXPECT_EQ(items[2], &sort);
  EXPECT_TRUE(items[3]->isSeparator());
  EXPECT_EQ(items[4], separator);
  EXPECT_TRUE(separator->isSeparator());
  items[0]->trigger();
  EXPECT_EQ(added, 1);

  QMenu sub("导出");
  menu.addMenu(&sub);
  menu.AddActionItem(&sort, -1, &sub);
  EXPECT_EQ(sub.actions().first(), &sort);

  menu.ClearItems();
  EXPECT_TRUE(menu.actions().isEmpty());
  EXPECT_EQ(sort.text(), "排序");  // actions bound to the menu stay with their owner
}

}  // namespace
