#include <gtest/gtest.h>

#include "DomainFixture.h"
#include "core/base/Errors.h"

namespace {

class MemberTest : public DomainTest {};

TEST_P(MemberTest, NewMemberAndCardShareTheNextKey) {
  RMember first = AddMember("张三", "A001");
  EXPECT_EQ(first.MemberId, 1);
  EXPECT_EQ(first.CardId, 1);
  RMember second = AddMember("李四", "A002");
  EXPECT_EQ(second.MemberId, 2);
  EXPECT_EQ(second.CardId, 2);
  EXPECT_EQ(Scalar("select count(*) from members m join cards c on c.Id=m.Id and c.MemberId=m.Id")
                .toInt(),
            2);

  RMember loaded;
  ASSERT_TRUE(TMemberSet::LoadById(2, loaded));
  EXPECT_EQ(loaded.Name, "李四");
  EXPECT_EQ(loaded.TypeName, "储值卡");
  EXPECT_FALSE(loaded.Appdate.has_value());
  EXPECT_FALSE(TMemberSet::LoadById(9, loaded));
  EXPECT_EQ(loaded.MemberId, 0);
  EXPECT_EQ(loaded.Name, "");
}

TEST_P(MemberTest, UpdateAndDeleteNeedTheCardRow) {
  RMember member = AddMember("张三", "A001");
  member.Mobile = "13800000000";
  member.InitFund = TMoney::FromCents(10000);
  ASSERT_TRUE(TMemberSet::Save(member));
  EXPECT_EQ(Scalar("select Mobile from members where Id=1").toString(), "13800000000");
  EXPECT_TOTALS(1, 0, 0, 0);  // the opening amount is no top-up

  Db().Execute("delete from cards where Id=1");
  member.Mobile = "changed";
  EXPECT_FALSE(TMemberSet::Save(member));
  EXPECT_EQ(Scalar("select Mobile from members where Id=1").toString(), "13800000000");
  EXPECT_FALSE(TMemberSet::Delete(1));
  EXPECT_EQ(Count("members"), 1);
}

TEST_P(MemberTest, DeletingKeepsHistoryAndANewMemberNeverInheritsIt) {
  AddMember("张三");
  RMember withBill = AddMember("李四");
  RConsume bill = Bill(withBill.CardId, 30, 0, 3);
  ASSERT_TRUE(TConsumeSet::Save(bill));
  ASSERT_TRUE(TMemberSet::Delete(withBill.MemberId));
  EXPECT_EQ(Count("consume"), 1);  // the bill stays

  TConsumeSet bills;
  EXPECT_EQ(bills.Search(), 1);
  EXPECT_EQ(bills.FieldByName("MemberName")->AsString(), "");

  // Key 2 still names the bill's card, so the next member gets 3.
  RMember next = AddMember("王五");
  EXPECT_EQ(next.MemberId, 3);
  EXPECT_TOTALS(3, 0, 0, 0);

  // A deleted top member without history gives its key back.
  ASSERT_TRUE(TMemberSet::Delete(3));
  EXPECT_EQ(AddMember("赵六").MemberId, 3);
}

TEST_P(MemberTest, TotalsFollowTopUpsBillsAndRedemptions) {
  const int card = AddMember("张三").CardId;
  EXPECT_FALSE(TMemberSet::UpdateCardTotals(0));
  EXPECT_FALSE(TMemberSet::UpdateCardTotals(99));

  RPresents redemption = {Redemption(card, 1, 1, 5)};
  ASSERT_TRUE(TPresentSet::Save(redemption));
  EXPECT_TOTALS(card, 0, 0, -5);

  ASSERT_TRUE(TopUp(card, 100, 20));
  EXPECT_TOTALS(card, 120, 0, -5);

  // Paid in full in cash: nothing is taken from the card.
  RConsume cash = Bill(card, 30, 30, 3);
  ASSERT_TRUE(TConsumeSet::Save(cash));
  EXPECT_TOTALS(card, 120, 30, -2);

  // Partly in cash: the rest comes off the card; overpaying takes nothing.
  RConsume part = Bill(card, 50, 20, 5);
  RConsume over = Bill(card, 10, 15, 1);
  ASSERT_TRUE(TConsumeSet::Save(part));
  ASSERT_TRUE(TConsumeSet::Save(over));
  EXPECT_TOTALS(card, 90, 90, 4);

  ASSERT_TRUE(TConsumeSet::Delete(part.Id));
  EXPECT_TOTALS(card, 120, 40, -1);
}

TEST_P(MemberTest, SearchFindsKeywordsAsTyped) {
  AddMember("张三", "A100", "13800001111");
  AddMember("O'Neil", "B200", "");
  AddMember("李四", "50%OFF", "");
  AddMember("王五", "A1_2", "");
  AddMember("赵六", "AX12", "");
  struct Case {
    QString keyword;
    QStringList names;
  };
  const Case cases[] = {
      {"", {"张三", "O'Neil", "李四", "王五", "赵六"}},
      {"1111", {"张三"}},
      {"a1", {"张三", "王五"}},
      {"'", {"O'Neil"}},
      {"o'n", {"O'Neil"}},
      {"%", {"李四"}},
      {"1_", {"王五"}},
      {"' or '1'='1", {}},
      {"[", {}},
  };
  TMemberSet members;
  for (const Case& c : cases) {
    members.Where().Clear();
    if (!c.keyword.isEmpty()) members.Where().FieldByName("Keyword")->SetValue(c.keyword);
    members.Search();
    QStringList names;
    for (members.DataSet()->First(); !members.DataSet()->Eof(); members.DataSet()->Next())
      names << members.NameFld()->AsString();
    EXPECT_EQ(names, c.names) << c.keyword.toStdString();
  }
  members.Where().Clear();
  members.Where().FieldByName("Id")->SetValue(-1);
  EXPECT_EQ(members.Search(), 0);
  EXPECT_EQ(members.DataSet()->FieldCount(), 33);
}

INSTANTIATE_ON_BOTH_DATABASES(MemberTest);

TEST(WhereClauseTest, ConditionsJoinInFieldOrderBehindWhereWithTextsBound) {
  TScratchHome home;
  TFreshDatabase fresh(TBackend::SQLite);
  TMemberWhere members;
  EXPECT_EQ(members.WhereClause().Text, "");
  EXPECT_TRUE(members.WhereClause().Params.isEmpty());
  members.FieldByName("Keyword")->SetValue("a and 5%");
  members.FieldByName("Id")->SetValue(5);
  const TWhereClause memberWhere = members.WhereClause();
  EXPECT_EQ(memberWhere.Text,
            " where m.Id=5 and (c.CardNo like :Keyword escape '!' or m.Name like :Keyword escape "
            "'!' or m.Mobile like :Keyword escape '!')");
  ASSERT_EQ(memberWhere.Params.size(), 1);
  EXPECT_EQ(memberWhere.Params[0].Name, "Keyword");
  EXPECT_EQ(memberWhere.Params[0].Value.toString(), "%a and 5!%%");

  TConsumeWhere bills;
  bills.FieldByName("Accoman")->SetValue("O'Neil");
  bills.FieldByName("Biztime2")->SetValue(QDateTime(QDate(2013, 1, 15), QTime(10, 0)));
  bills.FieldByName("MemberId")->SetValue(7);
  const TWhereClause billWhere = bills.WhereClause();
  EXPECT_EQ(billWhere.Text,
            " where c.Biztime<='2013-01-15 00:00:00' and c.Accoman=:Accoman and b.MemberId=7");
  ASSERT_EQ(billWhere.Params.size(), 1);
  EXPECT_EQ(billWhere.Params[0].Value.toString(), "O'Neil");
}

}  // namespace
