#include "core/domain/Comcata.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/FieldSpecs.h"
#include "core/domain/Keys.h"

namespace {
constexpr char kOpen[] =
    "select Id, Code, Name, Note, SlfId, PrtId, Name as Path from comcatas order by SlfId";
constexpr char kParentCode[] = "select Code from comcatas where SlfId=:SlfId";
constexpr char kInsert[] =
    "insert into comcatas(Code, Name, [Note], SlfId, PrtId, Id)values(:Code, :Name, :Note, :SlfId, "
    ":PrtId, :Id)";
constexpr char kUpdate[] =
    "update comcatas set Code=:Code, Name=:Name, [Note]=:Note, SlfId=:SlfId, PrtId=:PrtId where "
    "Id=:Id";
constexpr char kDelete[] = "delete from comcatas where Id=:Id";
constexpr char kClearCodes[] = "update comcatas set Code=null";
constexpr char kRenumber[] =
    "update comcatas set Code=:Code, SlfId=:SlfId, PrtId=:PrtId where Id=:Id";

TDBParameters PlacementParams(const RComcata& c) {
  return {MakeParam("Code", c.Code),   MakeParam("Name", c.Name),   MakeParam("Note", c.Note),
          MakeParam("SlfId", c.SlfId), MakeParam("PrtId", c.PrtId), MakeParam("Id", c.Id)};
}
}  // namespace

TComcataSet::TComcataSet() {
  using T = TFieldType;
  DeclareFields(*this, {{T::Integer, "Id", "", false},
                        {T::WideString, "Code", "编码", true, 50},
                        {T::WideString, "Name", "类别名称", true, 30},
                        {T::WideString, "Note", "备注", true, 50},
                        {T::WideString, "Path", "类别全称", true, 250},
                        {T::Integer, "SlfId", "", false},
                        {T::Integer, "PrtId", "", false}});
}

int TComcataSet::Open() {
  return OpenSql(kOpen);
}

RComcata TComcataSet::GetAsData() const {
  RComcata c;
  c.Id = FieldByName("Id")->AsInteger();
  c.Code = FieldByName("Code")->AsString();
  c.Name = FieldByName("Name")->AsString();
  c.Note = FieldByName("Note")->AsString();
  c.Path = FieldByName("Path")->AsString();
  c.SlfId = FieldByName("SlfId")->AsInteger();
  c.PrtId = FieldByName("PrtId")->AsInteger();
  return c;
}

QString TComcataSet::MakeCode(const QString& parentCode, int slfId) {
  return parentCode + QString::number(slfId) + u'.';
}

bool TComcataSet::Insert(RComcata& category) {
  TDatabase& database = *gDatabase;
  RComcata placed = category;
  const bool inserted = RunInTransaction(database, [&] {
    placed.Id = TKeys::Next(TKeyKind::Category);
    placed.SlfId = TKeys::Next(TKeyKind::CategoryPosition);
    gRecordSet->OpenSql(kParentCode, {MakeParam("SlfId", placed.PrtId)});
    const QString parentCode = VarToStr(gRecordSet->ValueOf());
    placed.Code = MakeCode(parentCode, placed.SlfId);
    return database.ExecuteCount(kInsert, PlacementParams(placed)) == 1;
  });
  if (inserted) category = placed;
  return inserted;
}

bool TComcataSet::Update(const RComcata& category) {
  return gDatabase->ExecuteCount(kUpdate, PlacementParams(category)) == 1;
}

bool TComcataSet::Delete(const RComcatas& categories) {
  TDatabase& database = *gDatabase;
  return RunInTransaction(database, [&] {
    for (const RComcata& category : categories)
      if (database.ExecuteCount(kDelete, {MakeParam("Id", category.Id)}) != 1) return false;
    return true;
  });
}

bool TComcataSet::Renumber(const RComcatas& categories) {
  TDatabase& database = *gDatabase;
  return RunInTransaction(database, [&] {
    database.ExecuteCount(kClearCodes);
    for (const RComcata& c : categories) {
      const TDBParameters params = {MakeParam("Code", c.Code), MakeParam("SlfId", c.SlfId),
                                    MakeParam("PrtId", c.PrtId), MakeParam("Id", c.Id)};
      if (database.ExecuteCount(kRenumber, params) != 1) return false;
    }
    return true;
  });
}
