#include <gtest/gtest.h>

#include "DomainFixture.h"
#include "ScriptedMessageBox.h"
#include "core/base/Clock.h"
#include "core/base/Command.h"
#include "core/lists/Lists.h"
#include "core/operators/Operator.h"

namespace {

class ListsTest : public DomainTest {};

TEST_P(ListsTest, DeleteAsksFirstAndTouchesOnlyWhatWasDeleted) {
  TMessageScript messages;
  TMemberList members;
  members.DeleteRecord();  // closed: no box
  members.Search();
  members.DeleteRecord();  // empty: no box
  EXPECT_TRUE(messages->Boxes.isEmpty());

  AddMember("张三");
  AddMember("李四");
  members.Search();
  messages->Answers = {TMsgResult::Cancel};
  members.DeleteRecord();
  EXPECT_EQ(messages->LastText(), "\r\n确定要删除记录吗?\t");
  EXPECT_EQ(members.DataSet()->RecordCount(), 2);
  EXPECT_EQ(Count("members"), 2);

  members.DeleteRecord();
  EXPECT_EQ(members.DataSet()->RecordCount(), 1);
  EXPECT_EQ(Count("members"), 1);

  // A member whose card is gone cannot be deleted: the row stays and the operator is told.
  Db().Execute("delete from cards");
  members.DeleteRecord();
  EXPECT_EQ(members.DataSet()->RecordCount(), 1);
  EXPECT_TRUE(messages->LastText().contains("删除失败, 没有删除任何数据"))
      << messages->LastText().toStdString();
}

// The editors' save runs through RunSave: a store that fails or finds its row gone leaves the list
// as it was and tells the operator that nothing was saved and why.
TEST_P(ListsTest, FailedMemberSaveShowsItsReason) {
  TMessageScript messages;
  TMemberList members;
  RMember kept = AddMember("张三");
  members.Search();

  Db().Execute("drop table cards");
  RMember added = NewMember();
  added.Name = "王五";
  EXPECT_FALSE(RunSave([&] { return members.SaveToList(added); }));
  ASSERT_EQ(messages->Boxes.size(), 1);
  EXPECT_EQ(messages->Boxes[0].Kind, TMsgKind::Error);
  EXPECT_TRUE(messages->LastText().contains("保存失败,没有保存任何数据."));
  EXPECT_TRUE(messages->LastText().contains("cards")) << messages->LastText().toStdString();
  EXPECT_EQ(added.MemberId, 0);
  EXPECT_EQ(members.DataSet()->RecordCount(), 1);
  EXPECT_EQ(Count("members"), 1);  // the member row of the failed save was rolled back

  kept.MemberId = 99;  // a member that another counter deleted meanwhile
  EXPECT_FALSE(RunSave([&] { return members.SaveToList(kept); }));
  EXPECT_TRUE(messages->LastText().contains(RecordGoneReason()));
}

TEST_P(ListsTest, SavedRecordsShowWithoutReadingTheListAgain) {
  TMemberList members;
  members.Search();
  RMember added = NewMember();
  added.Name = "王五";
  ASSERT_TRUE(members.SaveToList(added));
  ASSERT_EQ(members.DataSet()->RecordCount(), 1);
  EXPECT_EQ(members.NameFld()->AsString(), "王五");
  added.Name = "王五五";
  ASSERT_TRUE(members.SaveToList(added));
  EXPECT_EQ(members.DataSet()->RecordCount(), 1);
  EXPECT_EQ(members.NameFld()->AsString(), "王五五");

  bool picked = false;
  members.OnPick = [&](const RMember& member) { return picked = member.Name == "王五五"; };
  EXPECT_TRUE(members.PickRecord());
  EXPECT_TRUE(picked);
}

TEST_P(ListsTest, NewBillIsForTheMembersCardByTheOperator) {
  TClock::Fix(QDateTime(QDate(2026, 12, 11), QTime(9, 30)));
  TOperator clerk;
  clerk.Name = "收银员";
  TOperator* previous = gOperator;
  gOperator = &clerk;
  RMember member = AddMember("张三");
  const RConsume bill = TConsumeList::NewBill(member);
  gOperator = previous;
  TClock::Fix({});
  EXPECT_EQ(bill.Id, 0);
  EXPECT_EQ(bill.CardId, member.CardId);
  EXPECT_EQ(bill.Accoman, "收银员");
  EXPECT_EQ(bill.Biztime, QDateTime(QDate(2026, 12, 11), QTime(9, 30)));

  RMember fresh = NewMember();
  EXPECT_TRUE(fresh.ValidIf);
  EXPECT_FALSE(fresh.Invalidate.has_value());
  EXPECT_TRUE(fresh.Appdate.has_value());
}

INSTANTIATE_ON_BOTH_DATABASES(ListsTest);

}  // namespace
