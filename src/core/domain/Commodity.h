#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "core/db/RecordSet.h"
#include "core/domain/Filters.h"

struct RCommodity {
  int Id = 0;  // 0 or less: not saved yet
  std::optional<int> CataId;
  QString CataName;  // display only
  QString Name;
  QString Unitx;
  QString Barcode;
  double InPrice = 0;
  double OutPrice = 0;
  double Mindis = 0;
  QString Notex;
};

// The commodity catalogue.
class TCommoditySet : public TRecordSet {
 public:
  TCommoditySet();
  ~TCommoditySet() override;
  TCommodityWhere& Where() { return *where_; }
  int Search();
  RCommodity AsData() const;
  void SetAsData(const RCommodity& commodity);

  static bool Save(RCommodity& commodity);
  static bool Delete(int id);

 private:
  std::unique_ptr<TCommodityWhere> where_;
};
