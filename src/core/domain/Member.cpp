#include "core/domain/Member.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/FieldSpecs.h"
#include "core/domain/Keys.h"
#include "core/domain/Optional.h"

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

// A bill debits the card by what was not paid in cash, never below zero.
constexpr char kBillTotals[] =
    "select sum(Shldfund), sum(Point), sum(case when coalesce(Shldfund,0)>coalesce(Payfund,0) then "
    "coalesce(Shldfund,0)-coalesce(Payfund,0) else 0 end) from consume where CardId=:CardId";
constexpr char kChargeTotal[] =
    "select sum(coalesce(Charfund,0)+coalesce(Songfund,0)) from charges where CardId=:CardId";
constexpr char kPointsSpent[] = "select sum(Point) from presents where CardId=:CardId";
constexpr char kUpdateTotals[] =
    "update cards set Balance=:Balance, Consume=:Consume, Score=:Score where Id=:Id";

TDBParameters MemberParams(const RMember& m) {
  return {MakeParam("Name", m.Name),     MakeParam("Sex", m.Sex),
          MakeParam("Mobile", m.Mobile), MakeParam("CataId", ToVariant(m.CataId)),
          MakeParam("Folk", m.Folk),     MakeParam("Birthdate", ToVariant(m.Birthdate)),
          MakeParam("IdCode", m.IdCode), MakeParam("Company", m.Company),
          MakeParam("Duty", m.Duty),     MakeParam("Address", m.Address),
          MakeParam("Tel", m.Tel),       MakeParam("Email", m.Email),
          MakeParam("Notes", m.Notes),   MakeParam("Id", m.MemberId)};
}

TDBParameters CardParams(const RMember& m) {
  return {MakeParam("MemberId", m.MemberId),
          MakeParam("CardNo", m.CardNo),
          MakeParam("ValidIf", m.ValidIf),
          MakeParam("TypeId", m.TypeId),
          MakeParam("PassWd", m.PassWd),
          MakeParam("InitFund", ToVariant(m.InitFund)),
          MakeParam("InitPoint", ToVariant(m.InitPoint)),
          MakeParam("TimeFund", ToVariant(m.TimeFund)),
          MakeParam("Grade", m.Grade),
          MakeParam("Discount", m.Discount),
          MakeParam("Appdate", ToVariant(m.Appdate)),
          MakeParam("Invalidate", ToVariant(m.Invalidate)),
          MakeParam("Remarks", m.Remarks),
          MakeParam("Handman", m.Handman),
          MakeParam("Id", m.CardId)};
}

}  // namespace

QStringList CardTypeNames() {
  return {QStringLiteral("折扣卡"), QStringLiteral("储值卡"), QStringLiteral("计次卡")};
}

QString ValidityName(bool valid) {
  return valid ? QStringLiteral("可用") : QStringLiteral("不可用");
}

TMemberSet::TMemberSet() : where_(std::make_unique<TMemberWhere>()) {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "CardId", "", false},
                        {T::Integer, "MemberId", "", false},
                        {T::WideString, "CardNo", "卡号", true, 50},
                        {T::Boolean, "ValidIf", "有效性"},
                        {T::Integer, "TypeId", "", false},
                        {T::WideString, "TypeName", "会卡类型", true, 50},
                        {T::WideString, "PassWd", "密码", false, 50},
                        {T::Float, "InitFund", "开户金额", false},
                        {T::Integer, "InitPoint", "初始积分", false},
                        {T::Float, "TimeFund", "", false},
                        {T::WideString, "Grade", "会员级别", true, 30},
                        {T::Float, "Discount", "折率", false},
                        {T::DateTime, "Appdate", "办卡日期"},
                        {T::DateTime, "Invalidate", "到期时间"},
                        {T::WideString, "Remarks", "附注", true, 50},
                        {T::WideString, "Handman", "经办人", true, 30},
                        {T::WideString, "Name", "会员姓名", true, 30},
                        {T::WideString, "Sex", "性别", true, 6},
                        {T::WideString, "Mobile", "手机", true, 50},
                        {T::Integer, "CataId", "", false},
                        {T::WideString, "CataName", "分组", false, 30},
                        {T::WideString, "Folk", "民族", true, 30},
                        {T::DateTime, "Birthdate", "生日"},
                        {T::WideString, "IdCode", "身份证号", true, 50},
                        {T::WideString, "Company", "工作单位", true, 50},
                        {T::WideString, "Duty", "职务", true, 30},
                        {T::WideString, "Address", "联系地址", true, 50},
                        {T::WideString, "Tel", "联系电话", true, 50},
                        {T::WideString, "Email", "电子邮箱", true, 50},
                        {T::Memo, "Notes", "备注"},
                        {T::Float, "Balance", "卡内余额", false},
                        {T::Float, "Consume", "消费金额", false},
                        {T::Float, "Score", "", false}});
  FieldByName("ValidIf")->OnGetText = ShowTick;
}

TMemberSet::~TMemberSet() = default;

int TMemberSet::Search() {
  return OpenWithWhere(*this, kListQuery, where_->WhereClause());
}

RMember TMemberSet::AsData() const {
  auto text = [this](const char* name) { return FieldByName(name)->AsString(); };
  RMember m;
  m.CardId = FieldByName("CardId")->AsInteger();
  m.MemberId = FieldByName("MemberId")->AsInteger();
  m.CardNo = text("CardNo");
  m.TypeName = text("TypeName");
  m.ValidIf = FieldByName("ValidIf")->AsBoolean();
  m.TypeId = FieldByName("TypeId")->AsInteger();
  m.PassWd = text("PassWd");
  m.InitFund = FieldByName("InitFund")->AsFloat();
  m.InitPoint = FieldByName("InitPoint")->AsFloat();
  m.TimeFund = FieldByName("TimeFund")->AsFloat();
  m.Appdate = OptionalDateTime(FieldByName("Appdate"));
  m.Invalidate = OptionalDateTime(FieldByName("Invalidate"));
  m.Grade = text("Grade");
  m.Discount = FieldByName("Discount")->AsFloat();
  m.Remarks = text("Remarks");
  m.Handman = text("Handman");
  m.Name = text("Name");
  m.Sex = text("Sex");
  m.Mobile = text("Mobile");
  m.CataId = OptionalInt(FieldByName("CataId"));
  m.CataName = text("CataName");
  m.Folk = text("Folk");
  m.Birthdate = OptionalDateTime(FieldByName("Birthdate"));
  m.IdCode = text("IdCode");
  m.Company = text("Company");
  m.Duty = text("Duty");
  m.Address = text("Address");
  m.Tel = text("Tel");
  m.Email = text("Email");
  m.Notes = text("Notes");
  m.Balance = FieldByName("Balance")->AsFloat();
  m.Consume = FieldByName("Consume")->AsFloat();
  m.Score = FieldByName("Score")->AsFloat();
  return m;
}

void TMemberSet::SetAsData(const RMember& m) {
  auto set = [this](const char* name, const QVariant& value) {
    FieldByName(name)->SetValue(value);
  };
  set("CardId", m.CardId);
  set("MemberId", m.MemberId);
  set("CardNo", m.CardNo);
  set("ValidIf", m.ValidIf);
  set("TypeId", m.TypeId);
  set("PassWd", m.PassWd);
  set("InitFund", ToVariant(m.InitFund));
  set("InitPoint", ToVariant(m.InitPoint));
  set("TimeFund", ToVariant(m.TimeFund));
  set("Appdate", ToVariant(m.Appdate));
  set("Invalidate", ToVariant(m.Invalidate));
  set("Grade", m.Grade);
  set("Discount", m.Discount);
  set("Remarks", m.Remarks);
  set("Handman", m.Handman);
  set("Name", m.Name);
  set("Sex", m.Sex);
  set("Mobile", m.Mobile);
  set("CataId", ToVariant(m.CataId));
  set("CataName", m.CataName);
  set("Folk", m.Folk);
  set("Birthdate", ToVariant(m.Birthdate));
  set("IdCode", m.IdCode);
  set("Company", m.Company);
  set("Duty", m.Duty);
  set("Address", m.Address);
  set("Tel", m.Tel);
  set("Email", m.Email);
  set("Notes", m.Notes);
}

bool TMemberSet::Save(RMember& member) {
  TDatabase& database = *gDatabase;
  return RunInTransaction(database, [&] {
    if (member.MemberId > 0) {
      return database.ExecuteCount(kUpdateMember, MemberParams(member)) == 1 &&
             database.ExecuteCount(kUpdateCard, CardParams(member)) == 1;
    }
    // A member and its card share one key.
    const int key = TKeys::Next(TKeyKind::Member);
    member.MemberId = key;
    member.CardId = key;
    return database.ExecuteCount(kInsertMember, MemberParams(member)) == 1 &&
           database.ExecuteCount(kInsertCard, CardParams(member)) == 1;
  });
}

bool TMemberSet::Delete(int memberId) {
  TDatabase& database = *gDatabase;
  const TDBParameters params = {MakeParam("MemberId", memberId)};
  return RunInTransaction(database, [&] {
    return database.ExecuteCount(kDeleteCard, params) >= 1 &&
           database.ExecuteCount(kDeleteMember, params) == 1;
  });
}

bool TMemberSet::LoadById(int memberId, RMember& member) {
  TMemberSet set;
  set.Where().FieldByName("Id")->SetValue(memberId);
  const int count = set.Search();
  member = count > 0 ? set.AsData() : RMember();
  return count == 1;
}

bool TMemberSet::UpdateCardTotals(int cardId) {
  if (cardId < 1) return false;
  TDatabase& database = *gDatabase;
  TKeys::LockCard(cardId);
  const TDBParameters card = {MakeParam("CardId", cardId)};
  gRecordSet->OpenSql(kBillTotals, card);
  const double consumed = VarToFloat(gRecordSet->ValueOf(0));
  const int pointsEarned = VarToInt(gRecordSet->ValueOf(1));
  const double debited = VarToFloat(gRecordSet->ValueOf(2));
  gRecordSet->OpenSql(kChargeTotal, card);
  const double toppedUp = VarToFloat(gRecordSet->ValueOf());
  gRecordSet->OpenSql(kPointsSpent, card);
  const int pointsSpent = VarToInt(gRecordSet->ValueOf());
  return database.ExecuteCount(
             kUpdateTotals,
             {MakeParam("Balance", toppedUp - debited), MakeParam("Consume", consumed),
              MakeParam("Score", double(pointsEarned - pointsSpent)), MakeParam("Id", cardId)}) ==
         1;
}
