#include "core/grid/LayoutStore.h"

#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"

QString TLayoutStore::Load(int key, bool* found) {
  TRecordSet layout;
  layout.OpenSql(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                 {MakeParam(QStringLiteral("KeyId"), key)});
  const bool exists = !layout.DataSet()->IsEmpty();
  if (found) *found = exists;
  return exists ? VarToStr(layout.ValueOf()) : QString();
}

bool TLayoutStore::Save(int key, const QString& layout) {
  TDatabase& database = DefaultDatabase();
  const bool stored = !database
                           .Scalar(QStringLiteral("select 1 from syscols where F02=:Id"),
                                   {MakeParam(QStringLiteral("Id"), key)})
                           .isNull();
  int written = 0;
  if (stored) {
    written = database.ExecuteCount(
        QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
        {MakeParam(QStringLiteral("Value"), layout), MakeParam(QStringLiteral("KeyId"), key)});
  } else {
    written = database.ExecuteCount(
        QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
        {MakeParam(QStringLiteral("S"), layout), MakeParam(QStringLiteral("Id"), key)});
  }
  return written == 1;
}
