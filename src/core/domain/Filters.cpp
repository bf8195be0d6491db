#include "core/domain/Filters.h"

#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/SqlDialect.h"

TWhereClause TListWhere::WhereClause() {
  UpdateRow();
  QStringList conditions;
  TWhereClause where;
  AddConditions(conditions, where.Params);
  for (const QString& condition : conditions)
    where.Text = QStringLiteral("%1 and %2").arg(where.Text, condition);
  // Every condition begins with " and ": the first connector becomes the where keyword.
  const qsizetype first = where.Text.indexOf(QLatin1String(" and "));
  if (first >= 0) where.Text.replace(first, 5, QStringLiteral(" where "));
  return where;
}

void TListWhere::AddKeywordConditions(const QString& conditionText, QStringList& conditions,
                                      TDBParameters& params) const {
  if (!IsFilled("Keyword")) return;
  conditions << conditionText.arg(QLatin1String(kSqlLikeEscape));
  params << MakeParam("Keyword", SqlLikePattern(Text("Keyword")));
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

qint64 TListWhere::Integer(const QString& fieldName) const {
  return FieldByName(fieldName)->AsLargeInt();
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

void TMemberWhere::AddConditions(QStringList& conditions, TDBParameters& params) const {
  if (IsFilled("Id")) conditions << QStringLiteral("m.Id=%1").arg(Integer("Id"));
  AddKeywordConditions(QStringLiteral("(c.CardNo like :Keyword %1 or m.Name like :Keyword %1 or "
                                      "m.Mobile like :Keyword %1)"),
                       conditions, params);
}

TCommodityWhere::TCommodityWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::WideString, "Keyword", "", true, 50);
  Open();
}

void TCommodityWhere::AddConditions(QStringList& conditions, TDBParameters& params) const {
  if (IsFilled("Id")) conditions << QStringLiteral("m.Id=%1").arg(Integer("Id"));
  AddKeywordConditions(QStringLiteral("(m.Name like :Keyword %1 or Barcode like :Keyword %1)"),
                       conditions, params);
}

TGiftWhere::TGiftWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  Open();
}

void TGiftWhere::AddConditions(QStringList& conditions, TDBParameters&) const {
  if (IsFilled("Id")) conditions << QStringLiteral("Id=%1").arg(Integer("Id"));
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

void TConsumeWhere::AddConditions(QStringList& conditions, TDBParameters& params) const {
  if (IsFilled("Id")) conditions << QStringLiteral("c.Id=%1").arg(Integer("Id"));
  if (IsFilled("Biztime1"))
    conditions << QStringLiteral("c.Biztime>=%1").arg(DateLiteral("Biztime1"));
  if (IsFilled("Biztime2"))
    conditions << QStringLiteral("c.Biztime<=%1").arg(DateLiteral("Biztime2"));
  if (IsFilled("Accoman")) {
    conditions << QStringLiteral("c.Accoman=:Accoman");
    params << MakeParam("Accoman", Text("Accoman"));
  }
  if (IsFilled("Accotime1"))
    conditions << QStringLiteral("c.Accotime>=%1").arg(DateLiteral("Accotime1"));
  if (IsFilled("Accotime2"))
    conditions << QStringLiteral("c.Accotime<=%1").arg(DateLiteral("Accotime2"));
  if (IsFilled("MemberId")) conditions << QStringLiteral("b.MemberId=%1").arg(Integer("MemberId"));
}

TPresentWhere::TPresentWhere() {
  AddFieldDef(TFieldType::Integer, "Id", "", true, 0);
  AddFieldDef(TFieldType::Integer, "CardId", "", true, 0);
  Open();
}

void TPresentWhere::AddConditions(QStringList& conditions, TDBParameters&) const {
  if (IsFilled("Id")) conditions << QStringLiteral("p.Id=%1").arg(Integer("Id"));
  if (IsFilled("CardId")) conditions << QStringLiteral("p.CardId=%1").arg(Integer("CardId"));
}

QString WithWhereClause(const char* listQuery, const QString& whereClause) {
  return QString::fromUtf8(listQuery).replace(QLatin1String("%s"), whereClause);
}

int OpenWithWhere(TRecordSet& set, const char* listQuery, const TWhereClause& where) {
  return set.OpenSql(WithWhereClause(listQuery, where.Text), where.Params);
}
