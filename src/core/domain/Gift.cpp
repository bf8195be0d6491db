#include "core/domain/Gift.h"

#include "core/domain/FieldSpecs.h"
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
}  // namespace

TGiftSet::TGiftSet() : where_(std::make_unique<TGiftWhere>()) {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::WideString, "Code", "礼品编码", true, 30},
                        {T::WideString, "Name", "礼品名称", true, 50},
                        {T::Integer, "Point", "兑换积分"},
                        {T::Float, "Stock", "库存数量"},
                        {T::WideString, "Notex", "说明", true, 50}});
}

TGiftSet::~TGiftSet() = default;

int TGiftSet::Search() {
  return OpenWithWhere(*this, kListQuery, where_->WhereClause());
}

RGift TGiftSet::AsData() const {
  RGift g;
  g.Id = FieldByName("Id")->AsInteger();
  g.Code = FieldByName("Code")->AsString();
  g.Name = FieldByName("Name")->AsString();
  g.Point = FieldByName("Point")->AsInteger();
  g.Stock = FieldByName("Stock")->AsFloat();
  g.Notex = FieldByName("Notex")->AsString();
  return g;
}

void TGiftSet::SetAsData(const RGift& g) {
  FieldByName("Id")->SetValue(g.Id);
  FieldByName("Code")->SetValue(g.Code);
  FieldByName("Name")->SetValue(g.Name);
  FieldByName("Point")->SetValue(g.Point);
  FieldByName("Stock")->SetValue(g.Stock);
  FieldByName("Notex")->SetValue(g.Notex);
}

bool TGiftSet::Save(RGift& g) {
  return SaveRow(TKeyKind::Gift, g.Id, kInsert, kUpdate, [&](int key) {
    return TDBParameters{MakeParam("Code", g.Code),   MakeParam("Name", g.Name),
                         MakeParam("Point", g.Point), MakeParam("Stock", g.Stock),
                         MakeParam("Notex", g.Notex), MakeParam("Id", key)};
  });
}

bool TGiftSet::Delete(int id) {
  return gDatabase->ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1;
}
