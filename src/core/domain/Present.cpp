#include "core/domain/Present.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/Member.h"
#include "core/domain/RecordDescription.h"
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

const TRecordDescription<RPresent>& PresentRecord() {
  using T = TFieldType;
  static const TRecordDescription<RPresent> description = {
      {T::Integer, "Id", &RPresent::Id, {.Visible = false}},
      {T::DateTime, "GiveDate", &RPresent::GiveDate, {.Label = "兑换日期"}},
      {T::Integer, "CardId", &RPresent::CardId, {.Visible = false}},
      {T::Integer, "GiftId", &RPresent::GiftId, {.Visible = false}},
      {T::WideString, "GiftName", &RPresent::GiftName, {.Label = "商品名称", .Size = 50}},
      {T::Float, "Qty", &RPresent::Qty, {.Label = "兑换数量", .EmptyAsZero = true}},
      {T::Integer, "Point", &RPresent::Point, {.Label = "兑换分数"}},
  };
  return description;
}
}  // namespace

TPresentSet::TPresentSet(TDatabase* database) : TListSet(PresentRecord(), kListQuery, database) {}

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

bool TPresentSet::Save(RPresents& presents, TDatabase& database) {
  if (presents.isEmpty()) return true;
  RPresents written;
  const bool saved = RunInTransaction(database, [&] {
    written = presents;
    for (RPresent& present : written) {
      const int key = WriteRecordRow(database, TKeyKind::Present, PresentRecord(), present,
                                     present.Id, kInsert, kUpdate);
      if (key == 0) return false;
      present.Id = key;
    }
    return TCardSet::UpdateCardTotals(written.last().CardId, database);
  });
  if (saved) presents = written;
  return saved;
}

bool TPresentSet::Delete(int id, TDatabase& database) {
  return RunInTransaction(database, [&] {
    const int cardId = VarToInt(database.Scalar(kCardOfPresent, {MakeParam("Id", id)}));
    return database.ExecuteCount(kDelete, {MakeParam("Id", id)}) == 1 &&
           TCardSet::UpdateCardTotals(cardId, database);
  });
}
