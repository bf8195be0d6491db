#include "core/domain/Present.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/FieldSpecs.h"
#include "core/domain/Member.h"
#include "core/domain/Optional.h"
#include "core/domain/RowWriter.h"

namespace {
constexpr char kListQuery[] =
    "select p.*, g.Name as GiftName  from (presents p left join gifts g on p.GiftId=g.Id)  %s "
    "order by p.Id";
constexpr char kInsert[] =
    "insert into presents(GiveDate, CardId, GiftId, Qty, Point, Id)values(:GiveDate, :CardId, "
    ":GiftId, :Qty, "
    ":Point, :Id)";
constexpr char kUpdate[] =
    "update presents set GiveDate=:GiveDate, CardId=:CardId, GiftId=:GiftId, Qty=:Qty, "
    "Point=:Point where Id=:Id";
constexpr char kCardOfPresent[] = "select CardId from presents where Id=:Id";
constexpr char kDelete[] = "delete from presents where Id=:Id";
}  // namespace

TPresentSet::TPresentSet() : where_(std::make_unique<TPresentWhere>()) {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::DateTime, "GiveDate", "兑换日期"},
                        {T::Integer, "CardId", "", false},
                        {T::Integer, "GiftId", "", false},
                        {T::WideString, "GiftName", "商品名称", true, 50},
                        {T::Float, "Qty", "兑换数量"},
                        {T::Integer, "Point", "兑换分数"}});
}

TPresentSet::~TPresentSet() = default;

int TPresentSet::Search() {
  return OpenWithWhere(*this, kListQuery, where_->WhereClause());
}

RPresent TPresentSet::GetAsData() const {
  RPresent p;
  p.Id = FieldByName("Id")->AsInteger();
  p.GiveDate = OptionalDateTime(FieldByName("GiveDate"));
  p.CardId = FieldByName("CardId")->AsInteger();
  p.GiftId = FieldByName("GiftId")->AsInteger();
  p.GiftName = FieldByName("GiftName")->AsString();
  p.Qty = FieldByName("Qty")->AsFloat();
  p.Point = FieldByName("Point")->AsInteger();
  return p;
}

void TPresentSet::SetAsData(const RPresent& p) {
  FieldByName("Id")->SetValue(p.Id);
  FieldByName("GiveDate")->SetValue(ToVariant(p.GiveDate));
  FieldByName("CardId")->SetValue(p.CardId);
  FieldByName("GiftId")->SetValue(p.GiftId);
  FieldByName("GiftName")->SetValue(p.GiftName);
  FieldByName("Qty")->SetValue(ToVariant(p.Qty));
  FieldByName("Point")->SetValue(p.Point);
}

RPresents TPresentSet::GetItems() const {
  RPresents items;
  if (DataSet()->Active()) DataSet()->ForEachRow([&] { items << GetAsData(); });
  return items;
}

void TPresentSet::SetItems(const RPresents& presents) {
  TDataSet* rows = DataSet();
  for (const RPresent& present : presents) {
    if (rows->Locate("Id", {present.Id}))
      rows->Edit();
    else
      rows->Append();
    SetAsData(present);
    rows->Post();
  }
}

bool TPresentSet::Save(RPresents& presents) {
  if (presents.isEmpty()) return true;
  RPresents written = presents;
  const bool saved = RunInTransaction(*gDatabase, [&] {
    for (RPresent& p : written) {
      const int key = WriteRow(TKeyKind::Present, p.Id, kInsert, kUpdate, [&](int id) {
        return TDBParameters{MakeParam("GiveDate", ToVariant(p.GiveDate)),
                             MakeParam("CardId", p.CardId),
                             MakeParam("GiftId", p.GiftId),
                             MakeParam("Qty", ToVariant(p.Qty)),
                             MakeParam("Point", p.Point),
                             MakeParam("Id", id)};
      });
      if (key == 0) return false;
      p.Id = key;
    }
    return TCardSet::UpdateCardTotals(written.last().CardId);
  });
  if (saved) presents = written;
  return saved;
}

bool TPresentSet::Delete(int id) {
  TDatabase& database = *gDatabase;
  return RunInTransaction(database, [&] {
    gRecordSet->OpenSql(kCardOfPresent, {MakeParam("Id", id)});
    const int cardId = VarToInt(gRecordSet->ValueOf());
    return database.ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1 &&
           TCardSet::UpdateCardTotals(cardId);
  });
}
