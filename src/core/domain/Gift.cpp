#include "core/domain/Gift.h"

#include "core/domain/RecordDescription.h"
#include "core/domain/RowWriter.h"

namespace {
constexpr char kListQuery[] = "select * from gifts %s order by Id";
constexpr char kInsert[] =
    "insert into gifts(Code, Name, [Point], Stock, Notex, Id)values(:Code, :Name, :Point, :Stock, "
    ":Notex, :Id)";
constexpr char kUpdate[] =
    "update gifts set Code=:Code, Name=:Name, Point=:Point, Stock=:Stock, Notex=:Notex where "
    "Id=:Id";
constexpr char kDelete[] = "delete from gifts where Id=:Id";

const TRecordDescription<RGift>& GiftRecord() {
  using T = TFieldType;
  static const TRecordDescription<RGift> description = {
      {T::Integer, "Id", &RGift::Id, {.Visible = false}},
      {T::WideString, "Code", &RGift::Code, {.Label = "礼品编码", .Size = 30}},
      {T::WideString, "Name", &RGift::Name, {.Label = "礼品名称", .Size = 50}},
      {T::Integer, "Point", &RGift::Point, {.Label = "兑换积分"}},
      {T::Float, "Stock", &RGift::Stock, {.Label = "库存数量"}},
      {T::WideString, "Notex", &RGift::Notex, {.Label = "说明", .Size = 50}},
  };
  return description;
}
}  // namespace

TGiftSet::TGiftSet(TDatabase* database) : TListSet(GiftRecord(), kListQuery, database) {}

bool TGiftSet::Save(RGift& gift, TDatabase& database) {
  return SaveRecord(database, TKeyKind::Gift, GiftRecord(), gift, kInsert, kUpdate);
}

bool TGiftSet::Delete(int id, TDatabase& database) {
  return database.ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1;
}
