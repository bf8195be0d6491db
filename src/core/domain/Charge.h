#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "core/db/RecordSet.h"

// A top-up with the card data that the top-up dialog shows. Only Id, CardId, Charfund,
// Songfund, Chardate, Handman and Notes are stored.
struct RCharge {
  int Id = 0;  // 0 or less: not saved yet
  int CardId = 0;
  QString CardNo;
  double Charfund = 0;
  double Songfund = 0;
  QDateTime Chardate;
  QString Handman;
  QString Notes;
  QString Cardtype;
  QString MemberName;
  double Balance = 0;
  double Consume = 0;
  std::optional<QDateTime> Appdate;
};

// The top-up journal: every top-up in key order.
class TChargeSet : public TRecordSet {
 public:
  TChargeSet();
  int Search();
  RCharge AsData() const;
  void SetAsData(const RCharge& charge);

  // Stores the top-up and recomputes its card's totals, all or nothing; on success the record
  // holds its key.
  static bool Save(RCharge& charge);
};
