#include "core/domain/Commodity.h"

#include "core/domain/FieldSpecs.h"
#include "core/domain/Optional.h"
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
}  // namespace

TCommoditySet::TCommoditySet() : where_(std::make_unique<TCommodityWhere>()) {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::Integer, "CataId", "", false},
                        {T::WideString, "CataName", "商品类别", true, 50},
                        {T::WideString, "Name", "商品名称", true, 50},
                        {T::WideString, "Unitx", "单位", true, 20},
                        {T::WideString, "Barcode", "条形码", true, 50},
                        {T::Float, "InPrice", "进货价"},
                        {T::Float, "OutPrice", "零售价"},
                        {T::Float, "Mindis", "最低折扣"},
                        {T::WideString, "Notex", "备注", true, 50}});
}

TCommoditySet::~TCommoditySet() = default;

int TCommoditySet::Search() {
  return OpenWithWhere(*this, kListQuery, where_->WhereClause());
}

RCommodity TCommoditySet::AsData() const {
  RCommodity c;
  c.Id = FieldByName("Id")->AsInteger();
  c.CataId = OptionalInt(FieldByName("CataId"));
  c.CataName = FieldByName("CataName")->AsString();
  c.Name = FieldByName("Name")->AsString();
  c.Unitx = FieldByName("Unitx")->AsString();
  c.Barcode = FieldByName("Barcode")->AsString();
  c.InPrice = FieldByName("InPrice")->AsFloat();
  c.OutPrice = FieldByName("OutPrice")->AsFloat();
  c.Mindis = FieldByName("Mindis")->AsFloat();
  c.Notex = FieldByName("Notex")->AsString();
  return c;
}

void TCommoditySet::SetAsData(const RCommodity& c) {
  FieldByName("Id")->SetValue(c.Id);
  FieldByName("CataId")->SetValue(ToVariant(c.CataId));
  FieldByName("CataName")->SetValue(c.CataName);
  FieldByName("Name")->SetValue(c.Name);
  FieldByName("Unitx")->SetValue(c.Unitx);
  FieldByName("Barcode")->SetValue(c.Barcode);
  FieldByName("InPrice")->SetValue(c.InPrice);
  FieldByName("OutPrice")->SetValue(c.OutPrice);
  FieldByName("Mindis")->SetValue(c.Mindis);
  FieldByName("Notex")->SetValue(c.Notex);
}

bool TCommoditySet::Save(RCommodity& c) {
  return SaveRow(TKeyKind::Commodity, c.Id, kInsert, kUpdate, [&](int key) {
    return TDBParameters{MakeParam("CataId", ToVariant(c.CataId)),
                         MakeParam("Name", c.Name),
                         MakeParam("Unitx", c.Unitx),
                         MakeParam("Barcode", c.Barcode),
                         MakeParam("InPrice", c.InPrice),
                         MakeParam("OutPrice", c.OutPrice),
                         MakeParam("Mindis", c.Mindis),
                         MakeParam("Notex", c.Notex),
                         MakeParam("Id", key)};
  });
}

bool TCommoditySet::Delete(int id) {
  return gDatabase->ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1;
}
