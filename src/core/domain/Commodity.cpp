#include "core/domain/Commodity.h"

#include "core/domain/RecordDescription.h"
#include "core/domain/RowWriter.h"

namespace {
constexpr char kListQuery[] =
    "select m.*, a.Name as CataName from (commodity m left join comcatas a on m.CataId=a.Id)  %s "
    "order by m.Id";
constexpr char kInsert[] =
    "insert into commodity(CataId, Name, Unitx, Barcode, InPrice, OutPrice, Mindis, Notex, "
    "Id)values(:CataId,:Name,:Unitx,:Barcode,:InPrice,:OutPrice,:Mindis,:Notex,:Id)";
constexpr char kUpdate[] =
    "update commodity set CataId=:CataId, Name=:Name, Unitx=:Unitx, Barcode=:Barcode, "
    "InPrice=:InPrice, "
    "OutPrice=:OutPrice, Mindis=:Mindis, Notex=:Notex where Id=:Id";
constexpr char kDelete[] = "delete from commodity where Id=:Id";

const TRecordDescription<RCommodity>& CommodityRecord() {
  using T = TFieldType;
  static const TRecordDescription<RCommodity> description = {
      {T::Integer, "Id", &RCommodity::Id, {.Visible = false}},
      {T::Integer, "CataId", &RCommodity::CataId, {.Visible = false}},
      {T::WideString, "CataName", &RCommodity::CataName, {.Label = "商品类别", .Size = 50}},
      {T::WideString, "Name", &RCommodity::Name, {.Label = "商品名称", .Size = 50}},
      {T::WideString, "Unitx", &RCommodity::Unitx, {.Label = "单位", .Size = 20}},
      {T::WideString, "Barcode", &RCommodity::Barcode, {.Label = "条形码", .Size = 50}},
      {T::Currency, "InPrice", &RCommodity::InPrice, {.Label = "进货价"}},
      {T::Currency, "OutPrice", &RCommodity::OutPrice, {.Label = "零售价"}},
      {T::Float, "Mindis", &RCommodity::Mindis, {.Label = "最低折扣"}},
      {T::WideString, "Notex", &RCommodity::Notex, {.Label = "备注", .Size = 50}},
  };
  return description;
}
}  // namespace

TCommoditySet::TCommoditySet(TDatabase* database)
    : TListSet(CommodityRecord(), kListQuery, database) {}

bool TCommoditySet::Save(RCommodity& commodity, TDatabase& database) {
  return SaveRecord(database, TKeyKind::Commodity, CommodityRecord(), commodity, kInsert, kUpdate);
}

bool TCommoditySet::Delete(int id, TDatabase& database) {
  return database.ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1;
}
