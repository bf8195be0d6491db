#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "core/db/RecordSet.h"
#include "core/domain/Filters.h"

// One line of a bill.
struct RConsumedl {
  int dlId = 0;  // 0 or less: not saved yet
  int MastId = 0;
  int CommId = 0;
  QString CommName;                 // display only
  QString CommUnit;                 // display only
  std::optional<double> CommPrice;  // display only
  std::optional<double> Price;
  int Qty = 0;
  double Discount = 0;
  std::optional<double> Fund;
  QString dlNote;
  QDateTime AddTime;
};
using RConsumedls = QList<RConsumedl>;

// A whole bill: header and lines.
struct RConsume {
  int Id = 0;  // 0 or less: not saved yet
  QDateTime Biztime;
  QString Notes;
  std::optional<int> CardId;
  QString MemberName;  // the card holder, read by LoadById, never stored
  QString MemberGrade;
  int MemberScore = 0;
  double MemberDiscount = 0;
  int Point = 0;
  std::optional<double> Shldfund;
  std::optional<double> Jifund;
  std::optional<double> Payfund;
  std::optional<double> Retfund;
  QString Accoman;
  std::optional<QDateTime> Accotime;
  RConsumedls Lines;
};

// A line's amount: quantity times price times rate, rounded to two decimals, halves away from
// zero (12.5 x 3 x 0.8 = 30.00, 3.125 x 1 x 1 = 3.13).
double LineFund(double price, int qty, double discount);

// Bill headers for the lists, and the stores that read and write whole bills.
class TConsumeSet : public TRecordSet {
 public:
  TConsumeSet();
  ~TConsumeSet() override;
  TConsumeWhere& Where() { return *where_; }
  int Search();
  bool LoadCurrent(RConsume& bill) const;
  // Writes a saved bill's header into the current row (edit or append state).
  void SetAsData(const RConsume& bill);

  static bool LoadById(int id, RConsume& bill);
  // Header, lines and the card's totals in one transaction. On success the record holds the bill
  // key and every line its key; on failure nothing is stored and the record is as it was.
  static bool Save(RConsume& bill);
  static bool Delete(int id, QString& error);

 private:
  std::unique_ptr<TConsumeWhere> where_;
};

// The lines of one bill in memory, as the bill editor's grid shows them.
class TConsumedlSet : public TQdClientDataSet {
 public:
  TConsumedlSet();
  RConsumedl GetAsData() const;
  void AppendData(const RConsumedl& line);
  RConsumedls GetLines() const;
  void SetLines(const RConsumedls& lines);
};
