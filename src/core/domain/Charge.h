#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "core/base/Money.h"
#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

// A top-up with the card data that the top-up dialog shows. Only Id, CardId, Charfund,
// Songfund, Chardate, Handman and Notes are stored.
struct RCharge {
  int Id = 0;  // 0 or less: not saved yet
  int CardId = 0;
  QString CardNo;
  TMoney Charfund;
  TMoney Songfund;
  QDateTime Chardate;
  QString Handman;
  QString Notes;
  QString Cardtype;
  QString MemberName;
  TMoney Balance;
  TMoney Consume;
  std::optional<QDateTime> Appdate;
};

// The top-up journal: every top-up in key order.
class TChargeSet : public TRecordSetOf<RCharge> {
 public:
  explicit TChargeSet(TDatabase* database = nullptr);
  int Search();

  // Stores the top-up and recomputes its card's totals, all or nothing; on success the record
  // holds its key.
  static bool Save(RCharge& charge, TDatabase& database = DefaultDatabase());
};
