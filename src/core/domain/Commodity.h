#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/base/Money.h"
#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

struct RCommodity {
  int Id = 0;  // 0 or less: not saved yet
  std::optional<int> CataId;
  QString CataName;  // display only
  QString Name;
  QString Unitx;
  QString Barcode;
  TMoney InPrice;
  TMoney OutPrice;
  double Mindis = 0;
  QString Notex;
};

// The commodity catalogue.
class TCommoditySet : public TListSet<RCommodity, TCommodityWhere> {
 public:
  explicit TCommoditySet(TDatabase* database = nullptr);

  static bool Save(RCommodity& commodity, TDatabase& database = DefaultDatabase());
  static bool Delete(int id, TDatabase& database = DefaultDatabase());
};
