#include "core/domain/Keys.h"

#include <QStringList>

#include "core/base/Variants.h"
#include "core/db/Database.h"

namespace {

struct KeySource {
  TKeyKind kind;
  const char* keyStatement;         // the table's own maximum
  QStringList referringStatements;  // maxima of the columns that refer to the table
};

const QList<KeySource>& KeySources() {
  static const QList<KeySource> sources = {
      {TKeyKind::Member,
       "select max(Id) from members",
       {"select max(Id) from cards", "select max(MemberId) from cards",
        "select max(CardId) from charges", "select max(CardId) from consume",
        "select max(CardId) from presents"}},
      {TKeyKind::Category,
       "select max(Id) from comcatas",
       {"select max(CataId) from members", "select max(CataId) from commodity"}},
      {TKeyKind::CategoryPosition, "select max(SlfId) from comcatas", {}},
      {TKeyKind::Commodity, "select max(Id) from commodity", {"select max(CommId) from consumedl"}},
      {TKeyKind::Gift, "select max(Id) from gifts", {"select max(GiftId) from presents"}},
      {TKeyKind::Charge, "select max(Id) from charges", {}},
      {TKeyKind::Consume, "select max(Id) from consume", {}},
      {TKeyKind::ConsumeLine, "select max(dlId) from consumedl", {}},
      {TKeyKind::Present, "select max(Id) from presents", {}},
  };
  return sources;
}

// One statement that reads the largest of the maxima:
// "select max(K) from (select max(Id) as K from members union all ...) k".
QString KeyStatement(const KeySource& source) {
  if (source.referringStatements.isEmpty()) return QString::fromLatin1(source.keyStatement);
  QStringList parts = {QString::fromLatin1(source.keyStatement)};
  parts += source.referringStatements;
  for (QString& part : parts)
    part.insert(part.indexOf(QLatin1String(") from")) + 1, QLatin1String(" as K"));
  return QStringLiteral("select max(K) from (%1) k").arg(parts.join(QLatin1String(" union all ")));
}

void LockKind(TDatabase& database, TKeyKind kind) {
  const int lockNumber = 7420000 + static_cast<int>(kind);
  switch (database.Kind()) {
    case TDatabaseKind::PostgreSQL:
      database.OpenQuery(QStringLiteral("select pg_advisory_xact_lock(%1)").arg(lockNumber));
      break;
    case TDatabaseKind::SqlServer:
      database.Execute(
          QStringLiteral("exec sp_getapplock @Resource='harmoz_key_%1', @LockMode='Exclusive', "
                         "@LockOwner='Transaction'")
              .arg(lockNumber));
      break;
    default:
      break;
  }
}

}  // namespace

int TKeys::Next(TKeyKind kind, TDatabase& database) {
  if (database.InTransaction()) LockKind(database, kind);
  for (const KeySource& source : KeySources()) {
    if (source.kind != kind) continue;
    return VarToInt(database.Scalar(KeyStatement(source))) + 1;
  }
  return 1;
}

void TKeys::LockCard(int cardId, TDatabase& database) {
  if (!database.InTransaction()) return;
  const TDBParameters params = {MakeParam("Id", cardId)};
  switch (database.Kind()) {
    case TDatabaseKind::PostgreSQL:
      database.OpenQuery(QStringLiteral("select Id from cards where Id=:Id for update"), params);
      break;
    case TDatabaseKind::SqlServer:
      database.OpenQuery(
          QStringLiteral("select Id from cards with (updlock, rowlock) where Id=:Id"), params);
      break;
    default:
      break;
  }
}
