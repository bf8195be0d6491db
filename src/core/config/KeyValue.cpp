#include "core/config/KeyValue.h"

#include "core/base/Errors.h"

TKeyValue2* gKeyValue = nullptr;

TKeyValue2::TKeyValue2() {
  AddField(TFieldType::Integer, QStringLiteral("KeyId"));
  AddField(TFieldType::Integer, QStringLiteral("Vint"));
  AddField(TFieldType::Memo, QStringLiteral("Vstr"));
  AddField(TFieldType::Float, QStringLiteral("Vfloat"));
  AddField(TFieldType::Boolean, QStringLiteral("Vbool"));
}

bool TKeyValue2::ReadFlag(int key) {
  EnsureKey(key);
  return FieldByName(QStringLiteral("Vbool"))->AsBoolean();
}

void TKeyValue2::WriteFlag(int key, bool value) {
  EnsureKey(key);
  StoreValues(key, QStringLiteral(""), 0, 0.0, value);
}

void TKeyValue2::OpenWhenClosed() {
  if (!DataSet()->Active()) OpenSql(QStringLiteral("select * from keyvalue"));
}

void TKeyValue2::EnsureKey(int key) {
  OpenWhenClosed();
  if (DataSet()->Locate(QStringLiteral("KeyId"), {key})) return;
  DataSet()->Close();
  Database().Execute(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"),
                     {MakeParam(QStringLiteral("KeyId"), key)});
  OpenWhenClosed();
  // The row was just inserted; not finding it means the table reads back something else, and
  // inserting again would only loop.
  if (!DataSet()->Locate(QStringLiteral("KeyId"), {key}))
    throw EError(QStringLiteral("设置项 %1 写入后未能读出.").arg(key));
}

bool TKeyValue2::StoreValues(int key, const QString& text, int integer, double number, bool flag) {
  const bool stored = Upsert(Database(), key, text, integer, number, flag);
  if (stored) MirrorIntoCache(key, text, integer, number, flag);
  return stored;
}

bool TKeyValue2::UpsertValues(int key, const QString& text, int integer, double number, bool flag) {
  if (!gDatabase) throw EError(QStringLiteral("数据库连接尚未建立."));
  return Upsert(*gDatabase, key, text, integer, number, flag);
}

bool TKeyValue2::Upsert(TDatabase& database, int key, const QString& text, int integer,
                        double number, bool flag) {
  const TDBParameters params = {
      MakeParam(QStringLiteral("Vstr"), text), MakeParam(QStringLiteral("Vint"), integer),
      MakeParam(QStringLiteral("Vfloat"), number), MakeParam(QStringLiteral("Vbool"), flag),
      MakeParam(QStringLiteral("KeyId"), key)};
  if (database.ExecuteCount(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, "
                                           "Vfloat=:Vfloat, Vbool=:Vbool where KeyId=:KeyId"),
                            params) == 1)
    return true;
  return database.ExecuteCount(QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, "
                                              "KeyId)values(:Vstr, :Vint, :Vfloat, :Vbool, "
                                              ":KeyId)"),
                               params) == 1;
}

// The key's own row gets the values, whichever row was current; a row the cache lacks is added.
void TKeyValue2::MirrorIntoCache(int key, const QString& text, int integer, double number,
                                 bool flag) {
  TDataSet* dataSet = DataSet();
  if (!dataSet->Active()) return;
  if (dataSet->Locate(QStringLiteral("KeyId"), {key})) {
    dataSet->Edit();
  } else {
    dataSet->Append();
    FieldByName(QStringLiteral("KeyId"))->SetAsInteger(key);
  }
  FieldByName(QStringLiteral("Vstr"))->SetAsString(text);
  FieldByName(QStringLiteral("Vint"))->SetAsInteger(integer);
  FieldByName(QStringLiteral("Vfloat"))->SetAsFloat(number);
  FieldByName(QStringLiteral("Vbool"))->SetAsBoolean(flag);
  dataSet->Post();
}
