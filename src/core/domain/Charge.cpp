#include "core/domain/Charge.h"

#include "core/domain/Member.h"
#include "core/domain/RecordDescription.h"
#include "core/domain/RowWriter.h"

namespace {
constexpr char kListQuery[] =
    "select g.*, c.CardNo, m.Name as MemberName, t.Name as Cardtype from (((charges g left join "
    "cards c on "
    "g.CardId=c.Id) left join members m on c.MemberId=m.Id)  left join cardtypes t on "
    "c.TypeId=t.Id)  %s order by "
    "g.Id";
constexpr char kInsert[] =
    "insert into charges(CardId, Charfund, Songfund, Chardate, Handman, Notes, Id)values(:CardId, "
    ":Charfund, "
    ":Songfund, :Chardate, :Handman, :Notes, :Id)";
constexpr char kUpdate[] =
    "update charges set CardId=:CardId, Charfund=:Charfund, Songfund=:Songfund, "
    "Chardate=:Chardate, "
    "Handman=:Handman, Notes=:Notes where Id=:Id";

const TRecordDescription<RCharge>& ChargeRecord() {
  using T = TFieldType;
  static const TRecordDescription<RCharge> description = {
      {T::Integer, "Id", &RCharge::Id, {.Visible = false}},
      {T::Integer, "CardId", &RCharge::CardId, {.Visible = false}},
      {T::WideString, "CardNo", &RCharge::CardNo, {.Label = "会员卡号", .Size = 50}},
      {T::Currency, "Charfund", &RCharge::Charfund, {.Label = "实付金额"}},
      {T::Currency, "Songfund", &RCharge::Songfund, {.Label = "赠送金额"}},
      {T::DateTime, "Chardate", &RCharge::Chardate, {.Label = "充值日期"}},
      {T::WideString, "Handman", &RCharge::Handman, {.Label = "经办人", .Size = 30}},
      {T::WideString, "Notes", &RCharge::Notes, {.Label = "备注", .Size = 50}},
      {T::WideString, "Cardtype", &RCharge::Cardtype, {.Label = "会卡类型", .Size = 30}},
      {T::WideString, "MemberName", &RCharge::MemberName, {.Label = "会员姓名", .Size = 30}},
  };
  return description;
}
}  // namespace

TChargeSet::TChargeSet(TDatabase* database) : TRecordSetOf(ChargeRecord(), database) {}

int TChargeSet::Search() {
  return OpenSql(WithWhereClause(kListQuery, QString()));
}

bool TChargeSet::Save(RCharge& charge, TDatabase& database) {
  return SaveRecord(database, TKeyKind::Charge, ChargeRecord(), charge, kInsert, kUpdate,
                    [&] { return TCardSet::UpdateCardTotals(charge.CardId, database); });
}
