#include "core/domain/Filters.h"

#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/SqlDialect.h"

QString TListWhere::WhereClause() {
  UpdateRow();
  QString conditions;
  for (const QString& condition : Conditions())
    conditions = QStringLiteral("%1 and %2").arg(conditions, condition);
  // Every condition begins with " and ": the first connector becomes the where keyword.
  const qsizetype first = conditions.indexOf(QLatin1String(" and "));
  if (first >= 0) conditions.replace(first, 5, QStringLiteral(" where "));
  return conditions;
}

void TListWhere::Open() {
  CreateDataSet();
  DataSet()->Append();
}

bool TListWhere::IsFilled(const QString& fieldName) const {
  const TField* field = FieldByName(fieldName);
  if (field->IsNull()) return false;
  return field->IsNumeric() || field->DataType() == TFieldType::DateTime ||
         !field->AsString().isEmpty();
}

int TListWhere::Integer(const QString& fieldName) const {
  return FieldByName(fieldName)->AsInteger();
}

QString TListWhere::Text(const QString& fieldName) const {
  return FieldByName(fieldName)->AsString();
}

QString TListWhere::DateLiteral(const QString& fieldName) const {
  return gDatabase->DateToSql(FieldByName(fieldName)->AsDateTime());
}

TMemberWhere::TMemberWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::WideString, "Keyword", "", true, 50);
  Open();
}

QStringList TMemberWhere::Conditions() const {
  QStringList conditions;
  if (IsFilled("Id")) conditions << QStringLiteral("m.Id=%1").arg(Integer("Id"));
  if (IsFilled("Keyword")) {
    const QString pattern = SqlLikeContains(Text("Keyword"));
    conditions
        << QStringLiteral("(c.CardNo like %1 or m.Name like %1 or m.Mobile like %1)").arg(pattern);
  }
  return conditions;
}

TCommodityWhere::TCommodityWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::WideString, "Keyword", "", true, 50);
  Open();
}

QStringList TCommodityWhere::Conditions() const {
  QStringList conditions;
  if (IsFilled("Id")) conditions << QStringLiteral("m.Id=%1").arg(Integer("Id"));
  if (IsFilled("Keyword")) {
    const QString pattern = SqlLikeContains(Text("Keyword"));
    conditions << QStringLiteral("(m.Name like %1 or Barcode like %1)").arg(pattern);
  }
  return conditions;
}

TGiftWhere::TGiftWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  Open();
}

QStringList TGiftWhere::Conditions() const {
  QStringList conditions;
  if (IsFilled("Id")) conditions << QStringLiteral("Id=%1").arg(Integer("Id"));
  return conditions;
}

TConsumeWhere::TConsumeWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::DateTime, "Biztime1", "", true, 0);
  AddFieldDef(TFieldType::DateTime, "Biztime2", "", true, 0);
  AddFieldDef(TFieldType::WideString, "Accoman", "", true, 30);
  AddFieldDef(TFieldType::DateTime, "Accotime1", "", true, 0);
  AddFieldDef(TFieldType::DateTime, "Accotime2", "", true, 0);
  AddFieldDef(TFieldType::Integer, "MemberId", "", true, 0);
  Open();
}

QStringList TConsumeWhere::Conditions() const {
  QStringList conditions;
  if (IsFilled("Id")) conditions << QStringLiteral("c.Id=%1").arg(Integer("Id"));
  if (IsFilled("Biztime1"))
    conditions << QStringLiteral("c.Biztime>=%1").arg(DateLiteral("Biztime1"));
  if (IsFilled("Biztime2"))
    conditions << QStringLiteral("c.Biztime<=%1").arg(DateLiteral("Biztime2"));
  if (IsFilled("Accoman"))
    conditions << QStringLiteral("c.Accoman=%1").arg(QuoteSqlText(Text("Accoman")));
  if (IsFilled("Accotime1"))
    conditions << QStringLiteral("c.Accotime>=%1").arg(DateLiteral("Accotime1"));
  if (IsFilled("Accotime2"))
    conditions << QStringLiteral("c.Accotime<=%1").arg(DateLiteral("Accotime2"));
  if (IsFilled("MemberId")) conditions << QStringLiteral("b.MemberId=%1").arg(Integer("MemberId"));
  return conditions;
}

TPresentWhere::TPresentWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::Integer, "CardId", "", true, 0);
  Open();
}

QStringList TPresentWhere::Conditions() const {
  QStringList conditions;
  if (IsFilled("Id")) conditions << QStringLiteral("p.Id=%1").arg(Integer("Id"));
  if (IsFilled("CardId")) conditions << QStringLiteral("p.CardId=%1").arg(Integer("CardId"));
  return conditions;
}

QString WithWhereClause(const char* listQuery, const QString& whereClause) {
  return QString::fromUtf8(listQuery).replace(QLatin1String("%s"), whereClause);
}
