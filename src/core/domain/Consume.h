#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "core/base/Money.h"
#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

// One line of a bill.
struct RConsumedl {
  int dlId = 0;  // 0 or less: not saved yet
  int MastId = 0;
  int CommId = 0;
  QString CommName;                 // display only
  QString CommUnit;                 // display only
  std::optional<TMoney> CommPrice;  // display only
  std::optional<TMoney> Price;
  int Qty = 0;
  double Discount = 0;
  std::optional<TMoney> Fund;
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
  qint64 MemberScore = 0;
  double MemberDiscount = 0;
  int Point = 0;
  std::optional<TMoney> Shldfund;
  std::optional<TMoney> Jifund;
  std::optional<TMoney> Payfund;
  std::optional<TMoney> Retfund;
  QString Accoman;
  std::optional<QDateTime> Accotime;
  RConsumedls Lines;
};

// Bill headers for the lists, and the stores that read and write whole bills.
class TConsumeSet : public TListSet<RConsume, TConsumeWhere> {
 public:
  explicit TConsumeSet(TDatabase* database = nullptr);
  bool LoadCurrent(RConsume& bill) const;

  static bool LoadById(int id, RConsume& bill, TDatabase& database = DefaultDatabase());
  // Header, lines and the card's totals in one transaction. On success the record holds the bill
  // key and every line its key. False when a row to update is gone; a database error is raised.
  // Either way nothing is stored and the record is as it was.
  static bool Save(RConsume& bill, TDatabase& database = DefaultDatabase());
  // The lines, the header and the card's totals in one transaction; false when the bill is gone.
  static bool Delete(int id, TDatabase& database = DefaultDatabase());
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
