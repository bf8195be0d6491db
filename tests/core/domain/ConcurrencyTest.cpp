#include <gtest/gtest.h>

#include <QProcess>

#include "DomainFixture.h"

namespace {

class ConcurrencyTest : public DomainTest {};

// Two counters save bills and top-ups on the same cards at once: no write may fail on a key, and
// every card's totals must equal what its rows say afterwards.
TEST_P(ConcurrencyTest, TwoCountersOnOneDatabase) {
  constexpr int kCards = 3;
  constexpr int kRounds = 150;
  for (int i = 0; i < kCards; ++i) AddMember(QString("会员%1").arg(i));
  Db().SetConnected(false);

  QList<QProcess*> writers;
  for (int writer = 0; writer < 2; ++writer) {
    auto* process = new QProcess;
    process->start(HARMOZ_CONCURRENT_WRITER, {fresh_->ConnectionString(), QString::number(writer),
                                              QString::number(kRounds), QString::number(kCards)});
    writers << process;
  }
  for (QProcess* process : writers) {
    ASSERT_TRUE(process->waitForFinished(300000));
    EXPECT_EQ(process->exitCode(), 0)
        << "failed writes: " << process->readAllStandardOutput().toStdString()
        << process->readAllStandardError().toStdString();
    delete process;
  }

  EXPECT_EQ(Count("consume"), 2 * kRounds);
  EXPECT_EQ(Count("charges"), 2 * kRounds);
  EXPECT_EQ(Count("consumedl"), 4 * kRounds);
  EXPECT_EQ(Scalar("select count(distinct dlId) from consumedl").toInt(), 4 * kRounds);
  for (int card = 1; card <= kCards; ++card) {
    const TDBParameters id = {MakeParam("Id", card)};
    const double charged =
        Scalar("select sum(Charfund+Songfund) from charges where CardId=:Id", id).toDouble();
    const double consumed =
        Scalar("select sum(Shldfund) from consume where CardId=:Id", id).toDouble();
    const double debited = Scalar(
                               "select sum(case when Shldfund>Payfund then Shldfund-Payfund else 0 "
                               "end) from consume where CardId=:Id",
                               id)
                               .toDouble();
    const double points = Scalar("select sum(Point) from consume where CardId=:Id", id).toDouble();
    EXPECT_TOTALS(card, charged - debited, consumed, points);
  }
}

INSTANTIATE_ON_BOTH_DATABASES(ConcurrencyTest);

}  // namespace
