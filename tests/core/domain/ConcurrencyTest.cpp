#include <gtest/gtest.h>

#include <QProcess>
#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

#include "DomainFixture.h"

namespace {

class ConcurrencyTest : public DomainTest {
 protected:
  // Starts the writers, waits for them and returns how many attempts they tried again; every
  // writer must end without a failed write.
  int RunWriters(int writers, int rounds, int cards, const QStringList& extra = {}) {
    QList<QProcess*> processes;
    for (int writer = 0; writer < writers; ++writer) {
      auto* process = new QProcess;
      process->start(HARMOZ_CONCURRENT_WRITER,
                     QStringList{fresh_->ConnectionString(), QString::number(writer),
                                 QString::number(rounds), QString::number(cards)} +
                         extra);
      processes << process;
    }
    int retries = 0;
    for (QProcess* process : processes) {
      EXPECT_TRUE(process->waitForFinished(600000));
      const QString output = QString::fromUtf8(process->readAllStandardOutput());
      EXPECT_EQ(process->exitCode(), 0) << "failed writes, retries: " << output.toStdString()
                                        << process->readAllStandardError().toStdString();
      retries += output.section(u' ', 1, 1).trimmed().toInt();
      delete process;
    }
    return retries;
  }

  // Every card's totals equal what its rows say.
  void ExpectTotalsFollowTheRows(int cards) {
    for (int card = 1; card <= cards; ++card) {
      const TDBParameters id = {MakeParam("Id", card)};
      const double charged =
          Scalar("select sum(Charfund+Songfund) from charges where CardId=:Id", id).toDouble();
      const double consumed =
          Scalar("select sum(Shldfund) from consume where CardId=:Id", id).toDouble();
      const double debited =
          Scalar(
              "select sum(case when Shldfund>Payfund then Shldfund-Payfund else 0 end) from "
              "consume where CardId=:Id",
              id)
              .toDouble();
      const double points =
          Scalar("select sum(Point) from consume where CardId=:Id", id).toDouble();
      EXPECT_TOTALS(card, charged - debited, consumed, points);
    }
  }
};

// Keeps the processor busy while it lives, the way a shop's machine is busy with other programs.
class TProcessorLoad {
 public:
  explicit TProcessorLoad(int threads) {
    for (int i = 0; i < threads; ++i)
      threads_.emplace_back([this] {
        std::atomic<unsigned long> spin{0};
        while (!stop_) ++spin;
      });
  }
  ~TProcessorLoad() {
    stop_ = true;
    for (std::thread& thread : threads_) thread.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::vector<std::thread> threads_;
};

// Two counters save bills and top-ups on the same cards at once: no write may fail on a key, and
// every card's totals must equal what its rows say afterwards.
TEST_P(ConcurrencyTest, TwoCountersOnOneDatabase) {
  constexpr int kCards = 3;
  constexpr int kRounds = 150;
  for (int i = 0; i < kCards; ++i) AddMember(QString("会员%1").arg(i));
  Db().SetConnected(false);
  RunWriters(2, kRounds, kCards);

  EXPECT_EQ(Count("consume"), 2 * kRounds);
  EXPECT_EQ(Count("charges"), 2 * kRounds);
  EXPECT_EQ(Count("consumedl"), 4 * kRounds);
  EXPECT_EQ(Scalar("select count(distinct dlId) from consumedl").toInt(), 4 * kRounds);
  ExpectTotalsFollowTheRows(kCards);
}

// Eight writers on one database of a loaded machine, each waiting only briefly for the lock: the
// writes that meet a busy database are tried again as a whole, and none fails.
TEST_P(ConcurrencyTest, EightWritersOnALoadedMachineLoseNoWrite) {
  constexpr int kWriters = 8;
  constexpr int kCards = 2;
  constexpr int kRounds = 25;
  for (int i = 0; i < kCards; ++i) AddMember(QString("会员%1").arg(i));
  Db().SetConnected(false);
  int retries = 0;
  {
    TProcessorLoad load(2);
    retries = RunWriters(kWriters, kRounds, kCards, {QStringLiteral("5")});
  }
  RecordProperty("BusyRetries", retries);
  std::printf("writes tried again after a busy database: %d\n", retries);

  EXPECT_EQ(Count("consume"), kWriters * kRounds);
  EXPECT_EQ(Count("charges"), kWriters * kRounds);
  EXPECT_EQ(Count("consumedl"), 2 * kWriters * kRounds);
  ExpectTotalsFollowTheRows(kCards);
}

INSTANTIATE_ON_BOTH_DATABASES(ConcurrencyTest);

}  // namespace
