#include "core/domain/Comcata.h"

#include "core/base/Variants.h"
#include "core/db/Transaction.h"
#include "core/domain/Keys.h"
#include "core/domain/RecordDescription.h"

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

const TRecordDescription<RComcata>& CategoryRecord() {
  using T = TFieldType;
  static const TRecordDescription<RComcata> description = {
      {T::Integer, "Id", &RComcata::Id, {.Visible = false}},
      {T::WideString, "Code", &RComcata::Code, {.Label = "编码", .Size = 50}},
      {T::WideString, "Name", &RComcata::Name, {.Label = "类别名称", .Size = 30}},
      {T::WideString, "Note", &RComcata::Note, {.Label = "备注", .Size = 50}},
      {T::WideString, "Path", &RComcata::Path, {.Label = "类别全称", .Size = 250}},
      {T::Integer, "SlfId", &RComcata::SlfId, {.Visible = false}},
      {T::Integer, "PrtId", &RComcata::PrtId, {.Visible = false}},
  };
  return description;
}
}  // namespace

TComcataSet::TComcataSet(TDatabase* database) : TRecordSetOf(CategoryRecord(), database) {}

int TComcataSet::Open() {
  return OpenSql(kOpen);
}

QString TComcataSet::MakeCode(const QString& parentCode, int slfId) {
  return parentCode + QString::number(slfId) + u'.';
}

bool TComcataSet::Insert(RComcata& category, TDatabase& database) {
  RComcata placed;
  const bool inserted = RunInTransaction(database, [&] {
    placed = category;
    placed.Id = TKeys::Next(TKeyKind::Category, database);
    placed.SlfId = TKeys::Next(TKeyKind::CategoryPosition, database);
    const QString parentCode =
        VarToStr(database.Scalar(kParentCode, {MakeParam("SlfId", placed.PrtId)}));
    placed.Code = MakeCode(parentCode, placed.SlfId);
    return database.ExecuteCount(kInsert, CategoryRecord().Params(kInsert, placed)) == 1;
  });
  if (inserted) category = placed;
  return inserted;
}

bool TComcataSet::Update(const RComcata& category, TDatabase& database) {
  return database.ExecuteCount(kUpdate, CategoryRecord().Params(kUpdate, category)) == 1;
}

bool TComcataSet::Delete(const RComcatas& categories, TDatabase& database) {
  return RunInTransaction(database, [&] {
    for (const RComcata& category : categories)
      if (database.ExecuteCount(kDelete, {MakeParam("Id", category.Id)}) != 1) return false;
    return true;
  });
}

bool TComcataSet::Renumber(const RComcatas& categories, TDatabase& database) {
  return RunInTransaction(database, [&] {
    database.ExecuteCount(kClearCodes);
    for (const RComcata& category : categories)
      if (database.ExecuteCount(kRenumber, CategoryRecord().Params(kRenumber, category)) != 1)
        return false;
    return true;
  });
}
