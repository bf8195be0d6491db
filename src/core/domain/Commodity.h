#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/base/Money.h"
#include "core/db/RecordSet.h"
#include "core/domain/Filters.h"

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
class TCommoditySet : public TRecordSet {
 public:
  explicit TCommoditySet(TDatabase* database = nullptr);
  ~TCommoditySet() override;
  TCommodityWhere& Where() { return *where_; }
  int Search();
  RCommodity AsData() const;
  void SetAsData(const RCommodity& commodity);

  static bool Save(RCommodity& commodity, TDatabase& database = DefaultDatabase());
  static bool Delete(int id, TDatabase& database = DefaultDatabase());

 private:
  std::unique_ptr<TCommodityWhere> where_;
};
