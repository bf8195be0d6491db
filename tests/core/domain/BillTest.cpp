#include <gtest/gtest.h>

#include "DomainFixture.h"
#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/domain/Commodity.h"
#include "core/domain/Gift.h"

namespace {

TEST(LineSetTest, CalculatesAmountAndMarksFreeLines) {
  TConsumedlSet lines;
  RConsumedl paid;
  paid.CommName = "咖啡";
  paid.Price = TMoney::FromCents(1250);
  paid.Qty = 3;
  paid.Discount = 0.8;
  RConsumedl free = paid;
  free.CommName = "小食";
  free.Price = TMoney();
  lines.SetLines({paid, free});
  EXPECT_EQ(lines.FieldByName("CommNameCalc")->AsString(), "咖啡");
  EXPECT_EQ(lines.FieldByName("Fund")->DisplayText(), "30.00");
  lines.DataSet()->Next();
  EXPECT_EQ(lines.FieldByName("CommNameCalc")->AsString(), "小食(赠)");
  EXPECT_EQ(lines.FieldByName("Fund")->DisplayText(), "0.00");
  const RConsumedls back = lines.GetLines();
  ASSERT_EQ(back.size(), 2);
  EXPECT_EQ(back[0].Fund->ToString(), "30.00");
  EXPECT_EQ(lines.DataSet()->RecNo(), 2);  // the current row is kept
}

class BillTest : public DomainTest {
 protected:
  RConsumedl Line(int commodity, double price, int qty) {
    RConsumedl line;
    line.CommId = commodity;
    line.Price = TMoney::FromDouble(price);
    line.Qty = qty;
    line.Discount = 1;
    line.Fund = LineAmount(price, qty, 1);
    line.AddTime = QDateTime(QDate(2026, 12, 1), QTime(10, 0));
    return line;
  }
  QList<int> StoredLineKeys(int bill) {
    TRecordSet lines;
    lines.OpenSql("select dlId from consumedl where MastId=:Id order by dlId",
                  {MakeParam("Id", bill)});
    QList<int> keys;
    lines.DataSet()->ForEachRow([&] { keys << lines.DataSet()->Field(0)->AsInteger(); });
    return keys;
  }
};

TEST_P(BillTest, SavesHeaderLinesAndTotalsAsOne) {
  const int card = AddMember("张三").CardId;
  RCommodity coffee;
  coffee.Name = "咖啡";
  coffee.OutPrice = TMoney::FromCents(1250);
  ASSERT_TRUE(TCommoditySet::Save(coffee));

  RConsume bill = Bill(card, 35, 0, 3);
  bill.Lines = {Line(coffee.Id, 12.5, 2), Line(coffee.Id, 10, 1)};
  ASSERT_TRUE(TConsumeSet::Save(bill));
  EXPECT_EQ(bill.Id, 1);
  EXPECT_EQ(bill.Lines[0].dlId, 1);
  EXPECT_EQ(bill.Lines[1].dlId, 2);
  EXPECT_TOTALS(card, -35, 35, 3);

  RConsume loaded;
  ASSERT_TRUE(TConsumeSet::LoadById(1, loaded));
  EXPECT_EQ(loaded.MemberName, "张三");
  ASSERT_EQ(loaded.Lines.size(), 2);
  EXPECT_EQ(loaded.Lines[0].CommName, "咖啡");
  EXPECT_EQ(loaded.Biztime, QDateTime(QDate(2026, 12, 1), QTime(10, 0)));

  // Dropping the first line deletes its row and keeps the other.
  loaded.Lines.removeFirst();
  loaded.Shldfund = TMoney::FromCents(1000);
  ASSERT_TRUE(TConsumeSet::Save(loaded));
  EXPECT_EQ(StoredLineKeys(1), QList<int>({2}));
  EXPECT_TOTALS(card, -10, 10, 0);  // Point is not loaded: the editor computes it again

  loaded.Lines.clear();
  ASSERT_TRUE(TConsumeSet::Save(loaded));
  EXPECT_TRUE(StoredLineKeys(1).isEmpty());

  // A deleted commodity leaves its lines, which then load without a name.
  loaded.Lines = {Line(coffee.Id, 12.5, 1)};
  ASSERT_TRUE(TConsumeSet::Save(loaded));
  ASSERT_TRUE(TCommoditySet::Delete(coffee.Id));
  ASSERT_TRUE(TConsumeSet::LoadById(1, loaded));
  EXPECT_EQ(loaded.Lines[0].CommName, "");
  EXPECT_FALSE(loaded.Lines[0].CommPrice.has_value());
  // ...and the next commodity does not take over those lines.
  RCommodity tea;
  tea.Name = "茶";
  ASSERT_TRUE(TCommoditySet::Save(tea));
  EXPECT_EQ(tea.Id, 2);
}

TEST_P(BillTest, FailedSaveLeavesDatabaseAndRecordAsTheyWere) {
  const int card = AddMember("张三").CardId;
  RConsume noCard = Bill(card, 10, 0, 0);
  noCard.CardId.reset();
  noCard.Lines = {Line(1, 10, 1)};
  EXPECT_THROW(TConsumeSet::Save(noCard), EError);
  EXPECT_EQ(noCard.Id, 0);
  EXPECT_EQ(noCard.Lines[0].dlId, 0);

  RConsume ghostCard = Bill(77, 10, 0, 0);
  ghostCard.Lines = {Line(1, 10, 1)};
  EXPECT_FALSE(TConsumeSet::Save(ghostCard));
  EXPECT_EQ(Count("consume"), 0);
  EXPECT_EQ(Count("consumedl"), 0);

  EXPECT_FALSE(TConsumeSet::Delete(5));
}

TEST_P(BillTest, MemberBillListAndDateLimit) {
  const int card = AddMember("张三").CardId;
  const int other = AddMember("李四").CardId;
  for (int cardId : {card, card, other}) {
    RConsume bill = Bill(cardId, 5, 0, 0);
    ASSERT_TRUE(TConsumeSet::Save(bill));
  }
  TConsumeSet bills;
  bills.Where().FieldByName("MemberId")->SetValue(card);
  EXPECT_EQ(bills.Search(), 2);
  bills.Where().FieldByName("Biztime2")->SetValue(QDate(2026, 12, 1).startOfDay());
  EXPECT_EQ(bills.Search(), 0);  // 10:00 that day lies after the day's midnight
}

TEST_P(BillTest, TopUpIsStoredWholeOrNotAtAll) {
  const int card = AddMember("张三").CardId;
  RCharge charge;
  charge.CardId = card;
  charge.Charfund = TMoney::FromCents(10000);
  charge.Songfund = TMoney::FromCents(2000);
  charge.Chardate = QDate(2026, 12, 1).startOfDay();
  ASSERT_TRUE(TChargeSet::Save(charge));
  EXPECT_EQ(charge.Id, 1);
  EXPECT_TOTALS(card, 120, 0, 0);

  RCharge ghost = charge;
  ghost.Id = 0;
  ghost.CardId = 42;
  EXPECT_FALSE(TChargeSet::Save(ghost));
  EXPECT_EQ(ghost.Id, 0);
  EXPECT_EQ(Count("charges"), 1);

  TChargeSet journal;
  EXPECT_EQ(journal.Search(), 1);
  EXPECT_EQ(journal.FieldByName("Cardtype")->AsString(), "储值卡");
}

// Amounts are exact: a thousand top-ups of ten cents are a hundred, not 99.99999999999859.
TEST_P(BillTest, ManySmallTopUpsSumExactly) {
  const int card = AddMember("张三").CardId;
  Db().BeginTrans();
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(TopUp(card, 0.10));
  Db().CommitTrans();
  RMember member;
  ASSERT_TRUE(TMemberSet::LoadById(card, member));
  EXPECT_EQ(member.Balance.ToString(), "100.00");
  EXPECT_EQ(
      VarToMoney(Scalar("select Balance from cards where Id=:Id", {MakeParam("Id", card)})).Cents(),
      10000);
}

TEST_P(BillTest, RedemptionsSpendPointsWithoutTouchingStock) {
  const int card = AddMember("张三").CardId;
  RGift big{0, "G1", "大礼", 50, 0, ""};
  RGift small{0, "G2", "小礼", 30, 3, ""};
  ASSERT_TRUE(TGiftSet::Save(big));
  ASSERT_TRUE(TGiftSet::Save(small));
  RPresents batch = {Redemption(card, big.Id, 2, 100), Redemption(card, small.Id, 1, 30)};
  ASSERT_TRUE(TPresentSet::Save(batch));
  EXPECT_EQ(batch[0].Id, 1);
  EXPECT_EQ(batch[1].Id, 2);
  EXPECT_TOTALS(card, 0, 0, -130);
  EXPECT_EQ(Scalar("select Stock from gifts where Id=:Id", {MakeParam("Id", small.Id)}).toDouble(),
            3.0);

  ASSERT_TRUE(TPresentSet::Delete(batch[0].Id));
  EXPECT_TOTALS(card, 0, 0, -30);
  RPresents empty;
  EXPECT_TRUE(TPresentSet::Save(empty));

  // A redeemed gift can be deleted; its redemption lists without a name, and its key is not reused.
  ASSERT_TRUE(TGiftSet::Delete(small.Id));
  TPresentSet list;
  list.Where().FieldByName("CardId")->SetValue(card);
  ASSERT_EQ(list.Search(), 1);
  EXPECT_EQ(list.FieldByName("GiftName")->AsString(), "");
  RGift next{0, "G3", "新礼", 10, 0, ""};
  ASSERT_TRUE(TGiftSet::Save(next));
  EXPECT_EQ(next.Id, 3);
}

INSTANTIATE_ON_BOTH_DATABASES(BillTest);

}  // namespace
