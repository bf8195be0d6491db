#include "core/domain/Consume.h"

#include <cmath>

#include "core/base/Errors.h"
#include "core/db/Transaction.h"
#include "core/domain/FieldSpecs.h"
#include "core/domain/Keys.h"
#include "core/domain/Member.h"
#include "core/domain/Optional.h"
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

TDBParameters HeaderParams(const RConsume& b, int key) {
  return {MakeParam("Biztime", b.Biztime),
          MakeParam("CardId", ToVariant(b.CardId)),
          MakeParam("Point", b.Point),
          MakeParam("Shldfund", ToVariant(b.Shldfund)),
          MakeParam("Jifund", ToVariant(b.Jifund)),
          MakeParam("Payfund", ToVariant(b.Payfund)),
          MakeParam("Retfund", ToVariant(b.Retfund)),
          MakeParam("Accoman", b.Accoman),
          MakeParam("Accotime", ToVariant(b.Accotime)),
          MakeParam("Notes", b.Notes),
          MakeParam("Id", key)};
}

TDBParameters LineParams(const RConsumedl& l, int billKey, int lineKey) {
  return {MakeParam("MastId", billKey),
          MakeParam("CommId", l.CommId),
          MakeParam("Price", ToVariant(l.Price)),
          MakeParam("Qty", l.Qty),
          MakeParam("Discount", l.Discount),
          MakeParam("Fund", ToVariant(l.Fund)),
          MakeParam("dlNote", l.dlNote),
          MakeParam("AddTime", l.AddTime),
          MakeParam("dlId", lineKey)};
}

// Drops the stored lines of the bill that the record no longer holds.
void PruneLines(int billKey, const RConsumedls& lines) {
  QStringList keys;
  for (const RConsumedl& line : lines) keys << QString::number(line.dlId);
  const QString kept = lines.isEmpty() ? QStringLiteral("-1, -2") : keys.join(u',');
  gDatabase->ExecuteCount(QString::fromLatin1(kPruneLines).arg(billKey).arg(kept));
}

bool WriteLines(int billKey, RConsumedls& lines) {
  PruneLines(billKey, lines);
  for (RConsumedl& line : lines) {
    const int key = WriteRow(TKeyKind::ConsumeLine, line.dlId, kInsertLine, kUpdateLine,
                             [&](int lineKey) { return LineParams(line, billKey, lineKey); });
    if (key == 0) return false;
    line.dlId = key;
    line.MastId = billKey;
  }
  return true;
}

}  // namespace

double LineFund(double price, int qty, double discount) {
  // The product is first cut to 15 significant digits, so that 1.005 rounds as the decimal it
  // stands for rather than the binary fraction just below it.
  const double cents = QString::number(qty * price * discount * 100.0, 'g', 15).toDouble();
  return std::round(cents) / 100.0;
}

TConsumeSet::TConsumeSet() : where_(std::make_unique<TConsumeWhere>()) {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::DateTime, "Biztime", "消费时间"},
                        {T::Memo, "Notes", "备注"},
                        {T::Integer, "CardId", "", false},
                        {T::WideString, "MemberName", "会员姓名", true, 30},
                        {T::Float, "Shldfund", "消费金额"},
                        {T::Integer, "Point", "所得积分"},
                        {T::Float, "Payfund", "实付金额"},
                        {T::Float, "Retfund", "找零"},
                        {T::WideString, "Accoman", "结账人", true, 30},
                        {T::DateTime, "Accotime", "结账时间"}});
}

TConsumeSet::~TConsumeSet() = default;

int TConsumeSet::Search() {
  return OpenWithWhere(*this, kListQuery, where_->WhereClause());
}

bool TConsumeSet::LoadCurrent(RConsume& bill) const {
  return LoadById(FieldByName("Id")->AsInteger(), bill);
}

void TConsumeSet::SetAsData(const RConsume& b) {
  FieldByName("Id")->SetValue(b.Id);
  FieldByName("Biztime")->SetValue(b.Biztime);
  FieldByName("Notes")->SetValue(b.Notes);
  FieldByName("CardId")->SetValue(ToVariant(b.CardId));
  FieldByName("Point")->SetValue(b.Point);
  FieldByName("MemberName")->SetValue(b.MemberName);
  FieldByName("Shldfund")->SetValue(ToVariant(b.Shldfund));
  FieldByName("Payfund")->SetValue(ToVariant(b.Payfund));
  FieldByName("Retfund")->SetValue(ToVariant(b.Retfund));
  FieldByName("Accoman")->SetValue(b.Accoman);
  FieldByName("Accotime")->SetValue(ToVariant(b.Accotime));
}

bool TConsumeSet::Save(RConsume& bill) {
  RConsume written = bill;
  try {
    const bool saved = RunInTransaction(*gDatabase, [&] {
      const int key = WriteRow(TKeyKind::Consume, written.Id, kInsertHeader, kUpdateHeader,
                               [&](int billKey) { return HeaderParams(written, billKey); });
      if (key == 0) return false;
      written.Id = key;
      if (!WriteLines(key, written.Lines)) return false;
      if (!written.CardId) throw EError(QStringLiteral("消费单没有会员卡."));
      return TCardSet::UpdateCardTotals(*written.CardId);
    });
    if (saved) bill = written;
    return saved;
  } catch (const EError&) {
    return false;
  }
}

bool TConsumeSet::Delete(int id, QString& error) {
  error.clear();
  TDatabase& database = *gDatabase;
  try {
    return RunInTransaction(database, [&] {
      gRecordSet->OpenSql(kCardOfBill, {MakeParam("Id", id)});
      const int cardId = VarToInt(gRecordSet->ValueOf());
      database.ExecuteCount(kDeleteLines, {MakeParam("Id", id)});
      return database.ExecuteCount(kDeleteHeader, {MakeParam("Id", id)}) == 1 &&
             TCardSet::UpdateCardTotals(cardId);
    });
  } catch (const EError& failure) {
    error = failure.Message();
    return false;
  }
}

bool TConsumeSet::LoadById(int id, RConsume& bill) {
  bill = RConsume();
  if (gRecordSet->OpenSql(kLoadHeader, {MakeParam("Id", id)}) != 1) return false;
  TDataSet* row = gRecordSet->DataSet();
  bill.Id = row->FieldByName("Id")->AsInteger();
  bill.Biztime = row->FieldByName("Biztime")->AsDateTime();
  bill.Notes = row->FieldByName("Notes")->AsString();
  bill.CardId = OptionalInt(row->FieldByName("CardId"));
  bill.MemberName = row->FieldByName("MemberName")->AsString();
  bill.MemberGrade = row->FieldByName("MemberGrade")->AsString();
  bill.MemberScore = row->FieldByName("MemberScore")->AsInteger();
  bill.MemberDiscount = row->FieldByName("MemberDiscount")->AsFloat();
  bill.Shldfund = OptionalFloat(row->FieldByName("Shldfund"));
  bill.Jifund = OptionalFloat(row->FieldByName("Jifund"));
  bill.Payfund = OptionalFloat(row->FieldByName("Payfund"));
  bill.Retfund = OptionalFloat(row->FieldByName("Retfund"));
  bill.Accoman = row->FieldByName("Accoman")->AsString();
  bill.Accotime = OptionalDateTime(row->FieldByName("Accotime"));

  gRecordSet->OpenSql(kLoadLines, {MakeParam("MastId", id)});
  for (row->First(); !row->Eof(); row->Next()) {
    RConsumedl line;
    line.dlId = row->FieldByName("dlId")->AsInteger();
    line.MastId = row->FieldByName("MastId")->AsInteger();
    line.CommId = row->FieldByName("CommId")->AsInteger();
    line.CommName = row->FieldByName("CommName")->AsString();
    line.CommUnit = row->FieldByName("CommUnit")->AsString();
    line.CommPrice = OptionalFloat(row->FieldByName("CommPrice"));
    line.Price = row->FieldByName("Price")->AsFloat();
    line.Qty = row->FieldByName("Qty")->AsInteger();
    line.Discount = row->FieldByName("Discount")->AsFloat();
    line.Fund = row->FieldByName("Fund")->AsFloat();
    line.dlNote = row->FieldByName("dlNote")->AsString();
    line.AddTime = row->FieldByName("AddTime")->AsDateTime();
    bill.Lines << line;
  }
  row->Close();
  return true;
}

TConsumedlSet::TConsumedlSet() {
  using T = TFieldType;
  AddFieldDef(T::Integer, "dlId", "", false, 0);
  AddFieldDef(T::Integer, "MastId", "", false, 0);
  AddFieldDef(T::Integer, "CommId", "", false, 0);
  AddFieldDef(T::WideString, "CommName", "消费项目", false, 30);
  DataSet()->AddCalculatedField(T::WideString, "CommNameCalc", "消费项目", true, 30);
  AddFieldDef(T::WideString, "CommUnit", "单位", true, 20);
  AddFieldDef(T::Float, "CommPrice", "项目标价", false, 0);
  AddFieldDef(T::Float, "Price", "单价", true, 0);
  AddFieldDef(T::Integer, "Qty", "数量", true, 0);
  AddFieldDef(T::Float, "Discount", "折扣率", true, 0);
  DataSet()->AddCalculatedField(T::Float, "Fund", "金额");
  AddFieldDef(T::WideString, "dlNote", "备注", true, 50);
  AddFieldDef(T::DateTime, "AddTime", "消费时间", true, 0);
  FieldByName("Fund")->SetDisplayFormat(QStringLiteral("0.00"));
  DataSet()->OnCalcFields = [](TDataSet& lines) {
    const double price = lines.FieldByName("Price")->AsFloat();
    const QString name = lines.FieldByName("CommName")->AsString();
    lines.FieldByName("CommNameCalc")
        ->SetValue(price == 0 ? QStringLiteral("%1(赠)").arg(name) : name);
    lines.FieldByName("Fund")->SetValue(LineFund(price, lines.FieldByName("Qty")->AsInteger(),
                                                 lines.FieldByName("Discount")->AsFloat()));
  };
  CreateDataSet();
}

RConsumedl TConsumedlSet::GetAsData() const {
  RConsumedl line;
  line.dlId = FieldByName("dlId")->AsInteger();
  line.MastId = FieldByName("MastId")->AsInteger();
  line.CommId = FieldByName("CommId")->AsInteger();
  line.CommName = FieldByName("CommName")->AsString();
  line.CommUnit = FieldByName("CommUnit")->AsString();
  line.CommPrice = OptionalFloat(FieldByName("CommPrice"));
  line.Price = FieldByName("Price")->AsFloat();
  line.Qty = FieldByName("Qty")->AsInteger();
  line.Discount = FieldByName("Discount")->AsFloat();
  line.Fund = FieldByName("Fund")->AsFloat();
  line.dlNote = FieldByName("dlNote")->AsString();
  line.AddTime = FieldByName("AddTime")->AsDateTime();
  return line;
}

void TConsumedlSet::AppendData(const RConsumedl& line) {
  TDataSet* lines = DataSet();
  lines->Append();
  FieldByName("dlId")->SetValue(line.dlId);
  FieldByName("MastId")->SetValue(line.MastId);
  FieldByName("CommId")->SetValue(line.CommId);
  FieldByName("CommName")->SetValue(line.CommName);
  FieldByName("CommUnit")->SetValue(line.CommUnit);
  FieldByName("CommPrice")->SetValue(ToVariant(line.CommPrice));
  FieldByName("Price")->SetValue(ToVariant(line.Price));
  FieldByName("Qty")->SetValue(line.Qty);
  FieldByName("Discount")->SetValue(line.Discount);
  FieldByName("dlNote")->SetValue(line.dlNote);
  FieldByName("AddTime")->SetValue(line.AddTime);
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
