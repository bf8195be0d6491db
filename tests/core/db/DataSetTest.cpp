#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/base/Errors.h"
#include "core/db/DataSet.h"
#include "core/db/RecordSet.h"

namespace {

// A small member list: Id, Name, CardNo, Balance.
class DataSetTest : public testing::Test {
 protected:
  void SetUp() override {
    set.AddField(TFieldType::Integer, "Id");
    set.AddField(TFieldType::WideString, "Name", "会员姓名");
    set.AddField(TFieldType::WideString, "CardNo", "卡号");
    set.AddField(TFieldType::Float, "Balance");
    set.OpenWithRows({{1, "张三", "A001", 10.0},
                      {2, "李四", "B002", 5.5},
                      {3, "O'Brien", "A003", QVariant()},
                      {4, "100%纯", "C004", 7.0}});
  }
  QStringList Names() {
    QStringList names;
    for (int row = 0; row < set.RecordCount(); ++row) names << set.ValueAt(row, 1).toString();
    return names;
  }
  TDataSet set;
};

TEST_F(DataSetTest, CursorWalksTheRows) {
  EXPECT_EQ(set.RecordCount(), 4);
  EXPECT_EQ(set.RecNo(), 1);
  EXPECT_TRUE(set.Bof());
  QStringList walked;
  for (set.First(); !set.Eof(); set.Next()) walked << set.FieldByName("name")->AsString();
  EXPECT_EQ(walked, Names());
  EXPECT_EQ(set.RecNo(), 4);
  set.Prior();
  EXPECT_EQ(set.FieldByName("Id")->AsInteger(), 3);
  EXPECT_EQ(set.FieldByName("Balance")->AsFloat(), 0.0);  // NULL reads as zero
  EXPECT_THROW(set.FieldByName("Nope"), EError);
}

TEST_F(DataSetTest, LocateFindsByOneOrMoreFields) {
  EXPECT_TRUE(set.Locate("CardNo", {"B002"}));
  EXPECT_EQ(set.RecNo(), 2);
  EXPECT_TRUE(set.Locate("Name;CardNo", {"o'brien", "a003"}, {.CaseInsensitive = true}));
  EXPECT_EQ(set.RecNo(), 3);
  EXPECT_TRUE(set.Locate("CardNo", {"C"}, {.PartialKey = true}));
  EXPECT_EQ(set.RecNo(), 4);
  EXPECT_FALSE(set.Locate("Id", {9}));
  EXPECT_EQ(set.RecNo(), 4);
}

TEST_F(DataSetTest, EditAppendAndDeleteStayInTheCache) {
  set.First();
  EXPECT_THROW(set.FieldByName("Name")->SetValue("x"), EError);  // not in edit state
  set.Edit();
  set.FieldByName("Name")->SetValue("王五");
  set.Cancel();
  EXPECT_EQ(set.FieldByName("Name")->AsString(), "张三");
  set.Edit();
  set.FieldByName("Balance")->SetValue("12.5");
  set.Post();
  EXPECT_DOUBLE_EQ(set.FieldByName("Balance")->AsFloat(), 12.5);

  set.Append();
  set.FieldByName("Id")->SetValue(5);
  set.Cancel();
  EXPECT_EQ(set.RecordCount(), 4);
  set.Append();
  set.FieldByName("Id")->SetValue(5);
  set.Next();  // moving posts the pending row
  EXPECT_EQ(set.State(), TDataSetState::Browse);
  EXPECT_EQ(set.RecordCount(), 5);

  set.SetRecNo(2);
  set.Delete();
  EXPECT_EQ(set.RecordCount(), 4);
  EXPECT_EQ(set.FieldByName("Id")->AsInteger(), 3);
}

TEST_F(DataSetTest, FilterMatchesTextAsTyped) {
  struct Case {
    QString filter;
    QStringList names;
  };
  const Case cases[] = {
      {"CardNo like 'A%'", {"张三", "O'Brien"}},
      {"Name like '%张%' or CardNo like '%4'", {"张三", "100%纯"}},
      {"CardNo like 'a%' and Balance > 5", {"张三"}},
      {"(Id = 1 or Id = 2) and not Name = '李四'", {"张三"}},
      {FilterContains("Name", "'b"), {"O'Brien"}},
      {FilterContains("Name", "0%"), {"100%纯"}},
      {FilterContains("Name", "%"), {"100%纯"}},
      {FilterContains("CardNo", "' or '1'='1"), {}},
  };
  for (const Case& c : cases) {
    set.SetFilter(c.filter);
    set.SetFiltered(true);
    EXPECT_EQ(Names(), c.names) << c.filter.toStdString();
  }
  set.SetFiltered(false);
  EXPECT_EQ(set.RecordCount(), 4);
  EXPECT_THROW(set.SetFilter("Name like 'open"), EError);
}

TEST_F(DataSetTest, SortByOneOrMoreFields) {
  set.SetSort("Balance DESC");
  EXPECT_EQ(Names(), QStringList({"张三", "100%纯", "李四", "O'Brien"}));
  set.SetSort("CardNo ASC,Id DESC");
  EXPECT_EQ(set.ValueAt(0, 2).toString(), "A001");
  set.SetSort("");
  EXPECT_EQ(set.ValueAt(0, 0).toInt(), 1);
}

TEST_F(DataSetTest, NotificationsWaitWhileControlsAreDisabled) {
  QSignalSpy resets(&set, &TDataSet::Reset);
  QSignalSpy changes(&set, &TDataSet::RowChanged);
  set.DisableControls();
  for (set.First(); !set.Eof(); set.Next()) {
    set.Edit();
    set.FieldByName("Balance")->SetValue(1);
    set.Post();
  }
  EXPECT_EQ(changes.count(), 0);
  set.EnableControls();
  EXPECT_EQ(resets.count(), 1);
  set.First();
  set.Edit();
  set.FieldByName("Balance")->SetValue(2);
  EXPECT_GE(changes.count(), 1);
}

TEST(CalculatedFieldTest, FollowsTheRowItIsComputedFrom) {
  TDataSet lines;
  lines.AddField(TFieldType::Float, "Price");
  lines.AddField(TFieldType::Integer, "Qty");
  lines.AddCalculatedField(TFieldType::Float, "Amount");
  lines.OnCalcFields = [](TDataSet& set) {
    set.FieldByName("Amount")->SetValue(set.FieldByName("Price")->AsFloat() *
                                        set.FieldByName("Qty")->AsInteger());
  };
  lines.OpenWithRows({{2.5, 2}, {1.0, 3}});
  EXPECT_DOUBLE_EQ(lines.FieldByName("Amount")->AsFloat(), 5.0);
  lines.Next();
  lines.Edit();
  lines.FieldByName("Qty")->SetValue(10);
  EXPECT_DOUBLE_EQ(lines.FieldByName("Amount")->AsFloat(), 10.0);
}

TEST(ClientDataSetTest, FieldDefSizeRule) {
  struct Case {
    int given;
    int fieldSize;
  };
  const Case cases[] = {
      {10, kDefaultStringSize}, {20, kDefaultStringSize}, {21, 21}, {140, 140}, {300, 140}};
  for (const Case& c : cases) {
    TQdClientDataSet client;
    TField* field = client.AddFieldDef(TFieldType::String, "Note", "备注", true, c.given);
    EXPECT_EQ(field->Size(), c.fieldSize) << c.given;
    EXPECT_EQ(client.DataSet()->FieldDefs().last().Size, c.given);
  }
  TRecordSet records;
  EXPECT_EQ(records.AddField(TFieldType::String, "Name", "", true, -1)->Size(), kDefaultStringSize);
  EXPECT_EQ(records.AddField(TFieldType::String, "Code", "", true, 50)->Size(), 50);
}

TEST(CustomWhereTest, ClearDropsPendingEditsAndStartsAnEmptyRow) {
  TCustomWhere where;
  where.AddFieldDef(TFieldType::WideString, "Keyword", "", true, 50);
  where.AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  where.CreateDataSet();
  where.DataSet()->Append();
  where.FieldByName("Keyword")->SetValue("张");
  where.Clear();
  EXPECT_EQ(where.DataSet()->State(), TDataSetState::Insert);
  EXPECT_EQ(where.DataSet()->RecordCount(), 1);
  EXPECT_TRUE(where.FieldByName("Keyword")->IsNull());
}

}  // namespace
