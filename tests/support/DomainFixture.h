#pragma once

#include "TestDatabase.h"
#include "core/db/RecordSet.h"
#include "core/domain/Charge.h"
#include "core/domain/Consume.h"
#include "core/domain/Member.h"
#include "core/domain/Present.h"

// Small builders for the business tests: members, top-ups, bills and redemptions on one card.
class DomainTest : public DatabaseTest {
 protected:
  RMember AddMember(const QString& name, const QString& cardNo = QString(),
                    const QString& mobile = QString()) {
    RMember member;
    member.Name = name;
    member.CardNo = cardNo;
    member.Mobile = mobile;
    member.ValidIf = true;
    member.TypeId = 1;
    member.Discount = 1;
    EXPECT_TRUE(TMemberSet::Save(member));
    return member;
  }

  bool TopUp(int cardId, double paid, double bonus = 0) {
    RCharge charge;
    charge.CardId = cardId;
    charge.Charfund = TMoney::FromDouble(paid);
    charge.Songfund = TMoney::FromDouble(bonus);
    charge.Chardate = QDate(2026, 12, 1).startOfDay();
    return TChargeSet::Save(charge);
  }

  RConsume Bill(int cardId, double amount, double paid, int points) {
    RConsume bill;
    bill.CardId = cardId;
    bill.Biztime = QDateTime(QDate(2026, 12, 1), QTime(10, 0));
    bill.Shldfund = TMoney::FromDouble(amount);
    bill.Payfund = TMoney::FromDouble(paid);
    bill.Point = points;
    bill.Accoman = "sa";
    return bill;
  }

  RPresent Redemption(int cardId, int giftId, double qty, int points) {
    RPresent present;
    present.CardId = cardId;
    present.GiftId = giftId;
    present.Qty = qty;
    present.Point = points;
    present.GiveDate = QDate(2026, 12, 1).startOfDay();
    return present;
  }

  struct Totals {
    double Balance;
    double Consume;
    double Score;
  };
  Totals CardTotals(int cardId) {
    TRecordSet card;
    card.OpenSql("select Balance, Consume, Score from cards where Id=:Id",
                 {MakeParam("Id", cardId)});
    return {card.FieldByName("Balance")->AsFloat(), card.FieldByName("Consume")->AsFloat(),
            card.FieldByName("Score")->AsFloat()};
  }
  int Count(const QString& table) { return Scalar("select count(*) from " + table).toInt(); }
};

#define EXPECT_TOTALS(cardId, balance, consume, score)      \
  do {                                                      \
    const auto totals = CardTotals(cardId);                 \
    EXPECT_DOUBLE_EQ(totals.Balance, balance) << "balance"; \
    EXPECT_DOUBLE_EQ(totals.Consume, consume) << "consume"; \
    EXPECT_DOUBLE_EQ(totals.Score, score) << "score";       \
  } while (false)
