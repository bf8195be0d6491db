#pragma once

#include <QString>
#include <memory>

#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

struct RGift {
  int Id = 0;  // 0 or less: not saved yet
  QString Code;
  QString Name;
  int Point = 0;
  double Stock = 0;
  QString Notex;
};

// The gift catalogue: what members can obtain for points.
class TGiftSet : public TListSet<RGift, TGiftWhere> {
 public:
  explicit TGiftSet(TDatabase* database = nullptr);

  static bool Save(RGift& gift, TDatabase& database = DefaultDatabase());
  static bool Delete(int id, TDatabase& database = DefaultDatabase());
};
