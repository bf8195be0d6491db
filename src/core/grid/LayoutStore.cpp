#include "core/grid/LayoutStore.h"

#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"

QString TLayoutStore::Load(int key, bool* found) {
  gRecordSet->OpenSql(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                      {MakeParam(QStringLiteral("KeyId"), key)});
  const TDataSet* result = gRecordSet->DataSet();
  const bool exists = !result->IsEmpty();
  if (found) *found = exists;
  return exists ? VarToStr(result->Field(0)->Value()) : QString();
}

bool TLayoutStore::Save(int key, const QString& layout) {
  const int rows = gRecordSet->OpenSql(QStringLiteral("select 1 from syscols where F02=:Id"),
                                       {MakeParam(QStringLiteral("Id"), key)});
  int written = 0;
  if (rows == 1) {
    written = gDatabase->ExecuteCount(
        QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
        {MakeParam(QStringLiteral("Value"), layout), MakeParam(QStringLiteral("KeyId"), key)});
  } else {
    written = gDatabase->ExecuteCount(
        QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
        {MakeParam(QStringLiteral("S"), layout), MakeParam(QStringLiteral("Id"), key)});
  }
  return written == 1;
}
