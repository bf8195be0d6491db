#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

// One redemption of points for a gift.
struct RPresent {
  int Id = 0;  // 0 or less: not saved yet
  std::optional<QDateTime> GiveDate;
  int CardId = 0;
  int GiftId = 0;
  QString GiftName;  // display only
  std::optional<double> Qty;
  int Point = 0;
};
using RPresents = QList<RPresent>;

// Redemptions: a member's past ones, or new ones collected in memory before they are confirmed.
class TPresentSet : public TListSet<RPresent, TPresentWhere, TQuerySet> {
 public:
  explicit TPresentSet(TDatabase* database = nullptr);
  RPresent GetAsData() const { return AsData(); }
  RPresents GetItems() const;
  // Writes each element into the row with its key, or a new row when there is none.
  void SetItems(const RPresents& presents);

  // Writes every redemption of one card and recomputes its totals, in one transaction; on
  // success every element holds its key.
  static bool Save(RPresents& presents, TDatabase& database = DefaultDatabase());
  // The redemption and its card's totals in one transaction; false when it is gone.
  static bool Delete(int id, TDatabase& database = DefaultDatabase());
};
