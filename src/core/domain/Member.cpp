#include "core/domain/Member.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/Keys.h"
#include "core/domain/RecordDescription.h"

namespace {

constexpr char kListQuery[] =
    "select m.*, c.*, a.Name as CataName, c.Id as CardId, t.Name as TypeName  from (((members m "
    "left join cards c "
    "on m.Id=c.MemberId)  left join comcatas a on m.CataId=a.Id)  left join cardtypes t on "
    "c.TypeId=t.Id)  %s "
    "order by m.Id";

constexpr char kInsertMember[] =
    "insert into members(Name, Sex, Mobile, CataId, Folk, Birthdate, IdCode, Company, Duty, "
    "Address, Tel, Email, "
    "Notes, "
    "Id)values(:Name,:Sex,:Mobile,:CataId,:Folk,:Birthdate,:IdCode,:Company,:Duty,:Address,:Tel,:"
    "Email,:"
    "Notes,:Id)";
constexpr char kInsertCard[] =
    "insert into cards(MemberId, CardNo, ValidIf, TypeId, PassWd, InitFund, InitPoint, TimeFund, "
    "Grade, Discount, "
    "Appdate, Invalidate, Remarks, Handman, "
    "Id)values(:MemberId,:CardNo,:ValidIf,:TypeId,:PassWd,:InitFund,:"
    "InitPoint,:TimeFund,:Grade,:Discount,:Appdate,:Invalidate,:Remarks,:Handman,:Id)";
constexpr char kUpdateMember[] =
    "update members set Name=:Name, Sex=:Sex, Mobile=:Mobile, CataId=:CataId, Folk=:Folk, "
    "Birthdate=:Birthdate, "
    "IdCode=:IdCode, Company=:Company, Duty=:Duty, Address=:Address, Tel=:Tel, Email=:Email, "
    "Notes=:Notes where "
    "Id=:Id";
constexpr char kUpdateCard[] =
    "update cards set MemberId=:MemberId, CardNo=:CardNo, ValidIf=:ValidIf, TypeId=:TypeId, "
    "PassWd=:PassWd, "
    "InitFund=:InitFund, InitPoint=:InitPoint, TimeFund=:TimeFund, Grade=:Grade, "
    "Discount=:Discount, "
    "Appdate=:Appdate, Invalidate=:Invalidate, Remarks=:Remarks, Handman=:Handman where Id=:Id";
constexpr char kDeleteCard[] = "delete from cards where MemberId=:MemberId";
constexpr char kDeleteMember[] = "delete from members where Id=:MemberId";

// Amounts are summed in whole cents, so that no floating-point column can make a total drift.
// A bill debits the card by what was not paid in cash, never below zero.
constexpr char kBillTotals[] =
    "select sum(round(coalesce(Shldfund,0)*100, 0)), sum(Point), sum(case when "
    "coalesce(Shldfund,0)>coalesce(Payfund,0) then round((coalesce(Shldfund,0)-coalesce(Payfund,0))"
    "*100, 0) else 0 end) from consume where CardId=:CardId";
constexpr char kChargeTotal[] =
    "select sum(round(coalesce(Charfund,0)*100, 0)+round(coalesce(Songfund,0)*100, 0)) from "
    "charges "
    "where CardId=:CardId";
constexpr char kPointsSpent[] = "select sum(Point) from presents where CardId=:CardId";
constexpr char kUpdateTotals[] =
    "update cards set Balance=:Balance, Consume=:Consume, Score=:Score where Id=:Id";

const TRecordDescription<RMember>& MemberRecord() {
  using T = TFieldType;
  static const TRecordDescription<RMember> description = {
      {T::Integer, "CardId", &RMember::CardId, {.Visible = false}},
      {T::Integer, "MemberId", &RMember::MemberId, {.Visible = false}},
      {T::WideString, "CardNo", &RMember::CardNo, {.Label = "卡号", .Size = 50}},
      {T::Boolean, "ValidIf", &RMember::ValidIf, {.Label = "有效性"}},
      {T::Integer, "TypeId", &RMember::TypeId, {.Visible = false}},
      {T::WideString, "TypeName", &RMember::TypeName, {.Label = "会卡类型", .Size = 50}},
      {T::WideString, "PassWd", &RMember::PassWd, {.Label = "密码", .Visible = false, .Size = 50}},
      {T::Currency,
       "InitFund",
       &RMember::InitFund,
       {.Label = "开户金额", .Visible = false, .EmptyAsZero = true}},
      {T::Integer,
       "InitPoint",
       &RMember::InitPoint,
       {.Label = "初始积分", .Visible = false, .EmptyAsZero = true}},
      {T::Currency, "TimeFund", &RMember::TimeFund, {.Visible = false, .EmptyAsZero = true}},
      {T::WideString, "Grade", &RMember::Grade, {.Label = "会员级别", .Size = 30}},
      {T::Float, "Discount", &RMember::Discount, {.Label = "折率", .Visible = false}},
      {T::DateTime, "Appdate", &RMember::Appdate, {.Label = "办卡日期"}},
      {T::DateTime, "Invalidate", &RMember::Invalidate, {.Label = "到期时间"}},
      {T::WideString, "Remarks", &RMember::Remarks, {.Label = "附注", .Size = 50}},
      {T::WideString, "Handman", &RMember::Handman, {.Label = "经办人", .Size = 30}},
      {T::WideString, "Name", &RMember::Name, {.Label = "会员姓名", .Size = 30}},
      {T::WideString, "Sex", &RMember::Sex, {.Label = "性别", .Size = 6}},
      {T::WideString, "Mobile", &RMember::Mobile, {.Label = "手机", .Size = 50}},
      {T::Integer, "CataId", &RMember::CataId, {.Visible = false}},
      {T::WideString,
       "CataName",
       &RMember::CataName,
       {.Label = "分组", .Visible = false, .Size = 30}},
      {T::WideString, "Folk", &RMember::Folk, {.Label = "民族", .Size = 30}},
      {T::DateTime, "Birthdate", &RMember::Birthdate, {.Label = "生日"}},
      {T::WideString, "IdCode", &RMember::IdCode, {.Label = "身份证号", .Size = 50}},
      {T::WideString, "Company", &RMember::Company, {.Label = "工作单位", .Size = 50}},
      {T::WideString, "Duty", &RMember::Duty, {.Label = "职务", .Size = 30}},
      {T::WideString, "Address", &RMember::Address, {.Label = "联系地址", .Size = 50}},
      {T::WideString, "Tel", &RMember::Tel, {.Label = "联系电话", .Size = 50}},
      {T::WideString, "Email", &RMember::Email, {.Label = "电子邮箱", .Size = 50}},
      {T::Memo, "Notes", &RMember::Notes, {.Label = "备注"}},
      // The cashier tells members apart by their balance too: shown although only read.
      {T::Currency, "Balance", &RMember::Balance, {.Label = "卡内余额", .Written = false}},
      {T::Currency,
       "Consume",
       &RMember::Consume,
       {.Label = "消费金额", .Visible = false, .Written = false}},
      {T::Integer, "Score", &RMember::Score, {.Visible = false, .Written = false}},
  };
  return description;
}

}  // namespace

QStringList CardTypeNames() {
  return {QStringLiteral("折扣卡"), QStringLiteral("储值卡"), QStringLiteral("计次卡")};
}

QString ValidityName(bool valid) {
  return valid ? QStringLiteral("可用") : QStringLiteral("不可用");
}

TMemberSet::TMemberSet(TDatabase* database) : TListSet(MemberRecord(), kListQuery, database) {
  FieldByName("ValidIf")->OnGetText = ShowTick;
}

bool TMemberSet::Save(RMember& member, TDatabase& database) {
  const TRecordDescription<RMember>& record = MemberRecord();
  RMember written;
  const bool saved = RunInTransaction(database, [&] {
    written = member;
    const bool inserting = written.MemberId <= 0;
    if (inserting) {
      // A member and its card share one key.
      const int key = TKeys::Next(TKeyKind::Member, database);
      written.MemberId = key;
      written.CardId = key;
    }
    const QString memberStatement = inserting ? kInsertMember : kUpdateMember;
    const QString cardStatement = inserting ? kInsertCard : kUpdateCard;
    return database.ExecuteCount(
               memberStatement,
               record.Params(memberStatement, written, {MakeParam("Id", written.MemberId)})) == 1 &&
           database.ExecuteCount(
               cardStatement,
               record.Params(cardStatement, written, {MakeParam("Id", written.CardId)})) == 1;
  });
  if (saved) member = written;
  return saved;
}

bool TMemberSet::Delete(int memberId, TDatabase& database) {
  const TDBParameters params = {MakeParam("MemberId", memberId)};
  return RunInTransaction(database, [&] {
    return database.ExecuteCount(kDeleteCard, params) >= 1 &&
           database.ExecuteCount(kDeleteMember, params) == 1;
  });
}

bool TMemberSet::LoadById(int memberId, RMember& member, TDatabase& database) {
  TMemberSet set(&database);
  set.Where().FieldByName("Id")->SetValue(memberId);
  const int count = set.Search();
  member = count > 0 ? set.AsData() : RMember();
  return count == 1;
}

bool TMemberSet::UpdateCardTotals(int cardId, TDatabase& database) {
  if (cardId < 1) return false;
  TKeys::LockCard(cardId, database);
  const TDBParameters card = {MakeParam("CardId", cardId)};
  TRecordSet bills(&database);
  bills.OpenSql(kBillTotals, card);
  const TMoney consumed = TMoney::FromCents(VarToInt64(bills.ValueOf(0)));
  const qint64 pointsEarned = VarToInt64(bills.ValueOf(1));
  const TMoney debited = TMoney::FromCents(VarToInt64(bills.ValueOf(2)));
  const TMoney toppedUp = TMoney::FromCents(VarToInt64(database.Scalar(kChargeTotal, card)));
  const qint64 pointsSpent = VarToInt64(database.Scalar(kPointsSpent, card));
  return database.ExecuteCount(
             kUpdateTotals,
             {MakeParam("Balance", QVariant::fromValue(toppedUp - debited)),
              MakeParam("Consume", QVariant::fromValue(consumed)),
              MakeParam("Score", pointsEarned - pointsSpent), MakeParam("Id", cardId)}) == 1;
}
