#include "core/domain/Charge.h"

#include "core/domain/FieldSpecs.h"
#include "core/domain/Member.h"
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
}  // namespace

TChargeSet::TChargeSet() {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::Integer, "CardId", "", false},
                        {T::WideString, "CardNo", "会员卡号", true, 50},
                        {T::Float, "Charfund", "实付金额"},
                        {T::Float, "Songfund", "赠送金额"},
                        {T::DateTime, "Chardate", "充值日期"},
                        {T::WideString, "Handman", "经办人", true, 30},
                        {T::WideString, "Notes", "备注", true, 50},
                        {T::WideString, "Cardtype", "会卡类型", true, 30},
                        {T::WideString, "MemberName", "会员姓名", true, 30}});
}

int TChargeSet::Search() {
  return OpenSql(WithWhereClause(kListQuery, QString()));
}

RCharge TChargeSet::AsData() const {
  RCharge c;
  c.Id = FieldByName("Id")->AsInteger();
  c.CardId = FieldByName("CardId")->AsInteger();
  c.CardNo = FieldByName("CardNo")->AsString();
  c.Charfund = FieldByName("Charfund")->AsFloat();
  c.Songfund = FieldByName("Songfund")->AsFloat();
  c.Chardate = FieldByName("Chardate")->AsDateTime();
  c.Handman = FieldByName("Handman")->AsString();
  c.Notes = FieldByName("Notes")->AsString();
  c.Cardtype = FieldByName("Cardtype")->AsString();
  c.MemberName = FieldByName("MemberName")->AsString();
  return c;
}

void TChargeSet::SetAsData(const RCharge& c) {
  FieldByName("Id")->SetValue(c.Id);
  FieldByName("CardId")->SetValue(c.CardId);
  FieldByName("CardNo")->SetValue(c.CardNo);
  FieldByName("Charfund")->SetValue(c.Charfund);
  FieldByName("Songfund")->SetValue(c.Songfund);
  FieldByName("Chardate")->SetValue(c.Chardate);
  FieldByName("Handman")->SetValue(c.Handman);
  FieldByName("Notes")->SetValue(c.Notes);
  FieldByName("Cardtype")->SetValue(c.Cardtype);
  FieldByName("MemberName")->SetValue(c.MemberName);
}

bool TChargeSet::Save(RCharge& charge) {
  return SaveRow(
      TKeyKind::Charge, charge.Id, kInsert, kUpdate,
      [&](int key) {
        return TDBParameters{MakeParam("CardId", charge.CardId),
                             MakeParam("Charfund", charge.Charfund),
                             MakeParam("Songfund", charge.Songfund),
                             MakeParam("Chardate", charge.Chardate),
                             MakeParam("Handman", charge.Handman),
                             MakeParam("Notes", charge.Notes),
                             MakeParam("Id", key)};
      },
      [&] { return TCardSet::UpdateCardTotals(charge.CardId); });
}
