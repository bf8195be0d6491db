#include "core/domain/Consume.h"

#include "core/base/Errors.h"
#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/Keys.h"
#include "core/domain/Member.h"
#include "core/domain/RecordDescription.h"
#include "core/domain/RowWriter.h"

namespace {

constexpr char kListQuery[] =
    "select c.*, m.Name as MemberName  from ((consume c left join cards b on c.CardId=b.Id)  left "
    "join members m "
    "on b.MemberId=m.Id)  %s order by c.Id";
constexpr char kInsertHeader[] =
    "insert into consume(Biztime, [CardId], Point, Shldfund, Jifund, Payfund, Retfund, Accoman, "
    "Accotime, Notes, "
    "Id)values(:Biztime,:CardId,:Point,:Shldfund,:Jifund,:Payfund,:Retfund,:Accoman,:Accotime, "
    ":Notes,:Id)";
constexpr char kUpdateHeader[] =
    "update consume set Biztime=:Biztime, [CardId]=:CardId, Point=:Point,Shldfund=:Shldfund, "
    "Jifund=:Jifund, "
    "Payfund=:Payfund, Retfund=:Retfund, Accoman=:Accoman, Accotime=:Accotime, Notes=:Notes where "
    "Id=:Id";
constexpr char kPruneLines[] = "delete from consumedl where MastId=%1 and dlId not in (%2)";
constexpr char kInsertLine[] =
    "insert into consumedl(MastId, CommId, Price, Qty, Discount, Fund, dlNote, AddTime, "
    "dlId)values(:MastId, "
    ":CommId, :Price, :Qty, :Discount, :Fund, :dlNote, :AddTime, :dlId)";
constexpr char kUpdateLine[] =
    "update consumedl set MastId=:MastId, CommId=:CommId, Price=:Price, Qty=:Qty, "
    "Discount=:Discount, Fund=:Fund, "
    "dlNote=:dlNote, AddTime=:AddTime where dlId=:dlId";
constexpr char kCardOfBill[] = "select CardId from consume where Id=:Id";
constexpr char kDeleteLines[] = "delete from consumedl where MastId=:Id";
constexpr char kDeleteHeader[] = "delete from consume where Id=:Id";
constexpr char kLoadHeader[] =
    "select c.*,  m.Name as MemberName, a.Grade as MemberGrade, a.Score as MemberScore, a.Discount "
    "as "
    "MemberDiscount  from ((consume c left join cards a on c.CardId=a.Id)  left join members m on "
    "a.MemberId=m.Id)  where c.Id=:Id order by c.Id";
constexpr char kLoadLines[] =
    "select d.*, c.Name as CommName, c.Unitx as CommUnit, c.OutPrice as CommPrice  from (consumedl "
    "d left join "
    "commodity c on d.CommId=c.Id)  where MastId=:MastId order by dlId";

const TRecordDescription<RConsume>& BillRecord() {
  using T = TFieldType;
  static const TRecordDescription<RConsume> description = {
      {T::Integer, "Id", &RConsume::Id, {.Visible = false}},
      {T::DateTime, "Biztime", &RConsume::Biztime, {.Label = "消费时间"}},
      {T::Memo, "Notes", &RConsume::Notes, {.Label = "备注"}},
      {T::Integer, "CardId", &RConsume::CardId, {.Visible = false}},
      {T::WideString, "MemberName", &RConsume::MemberName, {.Label = "会员姓名", .Size = 30}},
      {T::Currency, "Shldfund", &RConsume::Shldfund, {.Label = "消费金额"}},
      {T::Integer, "Point", &RConsume::Point, {.Label = "所得积分"}},
      {T::Currency, "Payfund", &RConsume::Payfund, {.Label = "实付金额"}},
      {T::Currency, "Retfund", &RConsume::Retfund, {.Label = "找零"}},
      {T::WideString, "Accoman", &RConsume::Accoman, {.Label = "结账人", .Size = 30}},
      {T::DateTime, "Accotime", &RConsume::Accotime, {.Label = "结账时间"}},
      {T::Currency, "Jifund", &RConsume::Jifund, {.Listed = false}},
      {T::WideString, "MemberGrade", &RConsume::MemberGrade, {.Listed = false}},
      {T::Integer, "MemberScore", &RConsume::MemberScore, {.Listed = false}},
      {T::Float, "MemberDiscount", &RConsume::MemberDiscount, {.Listed = false}},
  };
  return description;
}

const TRecordDescription<RConsumedl>& LineRecord() {
  using T = TFieldType;
  static const TRecordDescription<RConsumedl> description = {
      {T::Integer, "dlId", &RConsumedl::dlId, {.Visible = false}},
      {T::Integer, "MastId", &RConsumedl::MastId, {.Visible = false}},
      {T::Integer, "CommId", &RConsumedl::CommId, {.Visible = false}},
      {T::WideString,
       "CommName",
       &RConsumedl::CommName,
       {.Label = "消费项目", .Visible = false, .Size = 30}},
      {T::WideString, "CommNameCalc", {.Label = "消费项目", .Size = 30, .Calculated = true}},
      {T::WideString, "CommUnit", &RConsumedl::CommUnit, {.Label = "单位", .Size = 20}},
      {T::Currency, "CommPrice", &RConsumedl::CommPrice, {.Label = "项目标价", .Visible = false}},
      {T::Currency, "Price", &RConsumedl::Price, {.Label = "单价", .EmptyAsZero = true}},
      {T::Integer, "Qty", &RConsumedl::Qty, {.Label = "数量"}},
      {T::Float, "Discount", &RConsumedl::Discount, {.Label = "折扣率"}},
      {T::Currency,
       "Fund",
       &RConsumedl::Fund,
       {.Label = "金额", .Calculated = true, .EmptyAsZero = true}},
      {T::WideString, "dlNote", &RConsumedl::dlNote, {.Label = "备注", .Size = 50}},
      {T::DateTime, "AddTime", &RConsumedl::AddTime, {.Label = "消费时间"}},
  };
  return description;
}

// Drops the stored lines of the bill that the record no longer holds.
void PruneLines(TDatabase& database, int billKey, const RConsumedls& lines) {
  QStringList keys;
  for (const RConsumedl& line : lines) keys << QString::number(line.dlId);
  const QString kept = lines.isEmpty() ? QStringLiteral("-1, -2") : keys.join(u',');
  database.ExecuteCount(QString::fromLatin1(kPruneLines).arg(billKey).arg(kept));
}

bool WriteLines(TDatabase& database, int billKey, RConsumedls& lines) {
  PruneLines(database, billKey, lines);
  for (RConsumedl& line : lines) {
    const int key =
        WriteRecordRow(database, TKeyKind::ConsumeLine, LineRecord(), line, line.dlId, kInsertLine,
                       kUpdateLine, "dlId", {MakeParam("MastId", billKey)});
    if (key == 0) return false;
    line.dlId = key;
    line.MastId = billKey;
  }
  return true;
}

}  // namespace

TConsumeSet::TConsumeSet(TDatabase* database) : TListSet(BillRecord(), kListQuery, database) {}

bool TConsumeSet::LoadCurrent(RConsume& bill) const {
  return LoadById(FieldByName("Id")->AsInteger(), bill, Database());
}

bool TConsumeSet::Save(RConsume& bill, TDatabase& database) {
  if (!bill.CardId) throw EError(QStringLiteral("消费单没有会员卡."));
  RConsume written;
  const bool saved = RunInTransaction(database, [&] {
    written = bill;
    const int key = WriteRecordRow(database, TKeyKind::Consume, BillRecord(), written, written.Id,
                                   kInsertHeader, kUpdateHeader);
    if (key == 0) return false;
    written.Id = key;
    return WriteLines(database, key, written.Lines) &&
           TCardSet::UpdateCardTotals(*written.CardId, database);
  });
  if (saved) bill = written;
  return saved;
}

bool TConsumeSet::Delete(int id, TDatabase& database) {
  return RunInTransaction(database, [&] {
    const int cardId = VarToInt(database.Scalar(kCardOfBill, {MakeParam("Id", id)}));
    database.ExecuteCount(kDeleteLines, {MakeParam("Id", id)});
    return database.ExecuteCount(kDeleteHeader, {MakeParam("Id", id)}) == 1 &&
           TCardSet::UpdateCardTotals(cardId, database);
  });
}

bool TConsumeSet::LoadById(int id, RConsume& bill, TDatabase& database) {
  bill = RConsume();
  TRecordSet header(&database);
  if (header.OpenSql(kLoadHeader, {MakeParam("Id", id)}) != 1) return false;
  bill = BillRecord().Read(*header.DataSet());
  // The points are not loaded: the bill editor computes them again before every save.
  bill.Point = 0;
  TRecordSet lines(&database);
  lines.OpenSql(kLoadLines, {MakeParam("MastId", id)});
  lines.DataSet()->ForEachRow([&] { bill.Lines << LineRecord().Read(*lines.DataSet()); });
  return true;
}

TConsumedlSet::TConsumedlSet() {
  LineRecord().DeclareFields(*this);
  DataSet()->OnCalcFields = [](TDataSet& lines) {
    const TMoney price = lines.FieldByName("Price")->AsMoney();
    const QString name = lines.FieldByName("CommName")->AsString();
    lines.FieldByName("CommNameCalc")
        ->SetValue(price.IsZero() ? QStringLiteral("%1(赠)").arg(name) : name);
    lines.FieldByName("Fund")->SetAsMoney(LineAmount(price.ToDouble(),
                                                     lines.FieldByName("Qty")->AsInteger(),
                                                     lines.FieldByName("Discount")->AsFloat()));
  };
  CreateDataSet();
}

RConsumedl TConsumedlSet::GetAsData() const {
  return LineRecord().Read(*DataSet());
}

void TConsumedlSet::AppendData(const RConsumedl& line) {
  TDataSet* lines = DataSet();
  lines->Append();
  LineRecord().Write(line, *lines);
  lines->Post();
}

RConsumedls TConsumedlSet::GetLines() const {
  RConsumedls lines;
  if (DataSet()->Active()) DataSet()->ForEachRow([&] { lines << GetAsData(); });
  return lines;
}

void TConsumedlSet::SetLines(const RConsumedls& lines) {
  TDataSet* set = DataSet();
  set->DisableControls();
  set->Close();
  CreateDataSet();
  for (const RConsumedl& line : lines) AppendData(line);
  set->First();
  set->EnableControls();
}
