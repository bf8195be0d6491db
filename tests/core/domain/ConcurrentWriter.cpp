// A second counter for the concurrency test: saves bills and top-ups on a few cards of the
// database named on the command line; prints the writes that failed and the attempts tried again,
// and exits non-zero when a write failed.
#include <QCoreApplication>
#include <QTextStream>

#include "core/app/Units.h"
#include "core/base/Errors.h"
#include "core/db/BusyRetry.h"
#include "core/db/Database.h"
#include "core/domain/Charge.h"
#include "core/domain/Consume.h"

namespace {

bool SaveBill(int card, int writer, int round) {
  RConsume bill;
  bill.CardId = card;
  bill.Biztime = QDateTime(QDate(2026, 12, 1), QTime(9, 0)).addSecs(round);
  bill.Accoman = QStringLiteral("writer%1").arg(writer);
  bill.Payfund =
      TMoney::FromCents(100 * (round % 3));  // some cash, so that the debit rule is exercised
  TMoney total;
  for (int i = 1; i <= 2; ++i) {
    RConsumedl line;
    line.CommId = i;
    line.Price = TMoney::FromCents(250 * i);
    line.Qty = 1 + round % 2;
    line.Discount = 1;
    line.Fund = LineAmount(line.Price->ToDouble(), line.Qty, line.Discount);
    line.AddTime = bill.Biztime;
    total += *line.Fund;
    bill.Lines << line;
  }
  bill.Shldfund = total;
  bill.Point = static_cast<int>(total.Cents() / 100);
  return TConsumeSet::Save(bill);
}

bool SaveTopUp(int card, int round) {
  RCharge charge;
  charge.CardId = card;
  charge.Charfund = TMoney::FromCents(100 * (10 + round % 5));
  charge.Songfund = TMoney::FromCents(100);
  charge.Chardate = QDate(2026, 12, 1).startOfDay();
  return TChargeSet::Save(charge);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  const QStringList args = application.arguments();
  if (args.size() != 5 && args.size() != 6) return 100;
  const QString connection = args[1];
  const int writer = args[2].toInt();
  const int rounds = args[3].toInt();
  const int cards = args[4].toInt();
  // A short wait for SQLite's lock makes writers meet a busy database often.
  if (args.size() == 6) TDatabase::SetBusyTimeout(args[5].toInt());
  TUnits units;
  int failures = 0;
  try {
    gDatabase->OpenWith(connection);
    for (int round = 0; round < rounds; ++round) {
      const int card = 1 + (round + writer) % cards;
      if (!SaveBill(card, writer, round)) ++failures;
      if (!SaveTopUp(card, round)) ++failures;
    }
  } catch (const EError& error) {
    QTextStream(stderr) << error.Message() << Qt::endl;
    return 101;
  }
  QTextStream(stdout) << failures << ' ' << TBusyRetry::Retries() << Qt::endl;
  return failures == 0 ? 0 : 1;
}
