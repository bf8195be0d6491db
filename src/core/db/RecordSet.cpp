#include "core/db/RecordSet.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

#include "core/base/Errors.h"
#include "core/base/MessageBox.h"

namespace {

constexpr int kMaxFieldDefSize = 140;
constexpr int kQuerySetDisplayWidth = 75;

TFieldType FieldTypeOf(QMetaType type) {
  switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return TFieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
      return TFieldType::Float;
    case QMetaType::Bool:
      return TFieldType::Boolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
      return TFieldType::DateTime;
    case QMetaType::QByteArray:
      return TFieldType::Blob;
    default:
      return TFieldType::WideString;
  }
}

// The column that feeds a declared field; a declared field that the result lacks is an error.
int ResultColumn(const QStringList& columnNames, const QString& fieldName) {
  for (int column = 0; column < columnNames.size(); ++column)
    if (columnNames[column].compare(fieldName, Qt::CaseInsensitive) == 0) return column;
  throw EError(QStringLiteral("字段 '%1' 未找到.").arg(fieldName));
}

}  // namespace

TRecordSet::TRecordSet(TDatabase* database)
    : database_(database), dataSet_(std::make_unique<TDataSet>()) {}

TRecordSet::~TRecordSet() = default;

TDatabase& TRecordSet::Database() const {
  TDatabase* database = database_ ? database_ : gDatabase;
  if (!database) throw EError(QStringLiteral("数据库连接尚未建立."));
  return *database;
}

TField* TRecordSet::AddField(TFieldType type, const QString& name, const QString& label,
                             bool visible, int size) {
  return dataSet_->AddField(type, name, label, visible, size);
}

int TRecordSet::OpenSql(const QString& sql, const TDBParameters& params) {
  TDatabase& database = Database();
  database.EnsureOpen();
  dataSet_->Close();
  sqlText_ = sql;
  params_ = params;
  try {
    std::unique_ptr<TQueryRows> rows = database.OpenRows(sql, params);
    Fill(*rows);
  } catch (const EParameterError&) {
    throw;
  } catch (const EDatabaseError& error) {
    ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n%1\r\n\r\n错误提示:\r\n%2")
                 .arg(sql, error.ProviderMessage()));
  } catch (const EError& error) {
    ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n%1\r\n\r\n错误提示:\r\n%2")
                 .arg(sql, error.Message()));
  }
  return dataSet_->RecordCount();
}

void TRecordSet::Fill(TQueryRows& result) {
  // Which result column feeds each field; -1 for calculated fields.
  QList<int> columns;
  if (!dataSet_->HasPersistentFields()) {
    // Without declared fields the set shows the result's own columns, by position (two columns
    // may carry one name, such as two unnamed sums).
    dataSet_->ClearFields();
    for (int column = 0; column < result.ColumnCount(); ++column) {
      dataSet_->AddResultField(FieldTypeOf(result.ColumnType(column)), result.ColumnName(column));
      columns << column;
    }
  } else {
    QStringList names;
    for (int column = 0; column < result.ColumnCount(); ++column)
      names << result.ColumnName(column);
    for (int index = 0; index < dataSet_->FieldCount(); ++index) {
      const TField* field = dataSet_->Field(index);
      columns << (field->Calculated() ? -1 : ResultColumn(names, field->FieldName()));
    }
  }
  QList<const TField*> fields;
  for (int index = 0; index < columns.size(); ++index) fields << dataSet_->Field(index);
  QList<TDataSet::TRow> rows;
  while (result.Next()) {
    TDataSet::TRow row(columns.size());
    for (int index = 0; index < columns.size(); ++index)
      if (columns[index] >= 0) row[index] = fields[index]->Convert(result.Value(columns[index]));
    rows << std::move(row);
  }
  dataSet_->OpenWithRows(std::move(rows));
}

QString TRecordSet::JoinValues(TField* field, const QString& separator) {
  if (!dataSet_->Active() || dataSet_->IsEmpty()) return {};
  QStringList values;
  dataSet_->ForEachRow([&] { values << field->AsString(); });
  dataSet_->Last();
  return values.join(separator);
}

QVariant TRecordSet::ValueOf(int column) const {
  if (dataSet_->IsEmpty() || column >= dataSet_->FieldCount()) return {};
  return dataSet_->Field(column)->Value();
}

void TRecordSet::Refresh() {
  if (!dataSet_->Active()) return;
  dataSet_->DisableControls();
  try {
    OpenSql(sqlText_, params_);
  } catch (...) {
    dataSet_->EnableControls();
    throw;
  }
  dataSet_->EnableControls();
}

void TRecordSet::DeleteRow() {
  if (!dataSet_->IsEmpty()) dataSet_->Delete();
}

void TRecordSet::ClearRows() {
  while (dataSet_->Active() && dataSet_->RecordCount() > 0) dataSet_->Delete();
}

TField* TQuerySet::AddField(TFieldType type, const QString& name, const QString& label,
                            bool visible, int size) {
  TField* field = TRecordSet::AddField(type, name, label, visible, size);
  field->SetDisplayWidth(kQuerySetDisplayWidth);
  return field;
}

TQdClientDataSet::TQdClientDataSet() : dataSet_(std::make_unique<TDataSet>()) {}

TQdClientDataSet::~TQdClientDataSet() {
  dataSet_->Close();
}

TField* TQdClientDataSet::AddField(TFieldType type, const QString& name, const QString& label,
                                   bool visible) {
  return dataSet_->AddField(type, name, label, visible);
}

TField* TQdClientDataSet::AddFieldDef(TFieldType type, const QString& name, const QString& label,
                                      bool visible, int size) {
  dataSet_->FieldDefs() << TFieldDef{name, type, size, false};
  TField* field = AddField(type, name, label, visible);
  if (size > kDefaultStringSize) field->SetSize(std::min(size, kMaxFieldDefSize));
  return field;
}

void TCustomWhere::Clear() {
  TDataSet* dataSet = DataSet();
  if (!dataSet->Active()) dataSet->CreateDataSet();
  dataSet->Cancel();
  dataSet->DisableControls();
  while (dataSet->RecordCount() > 0) dataSet->Delete();
  dataSet->EnableControls();
  dataSet->Append();
}

void TCustomWhere::UpdateRow() {
  DataSet()->UpdateRecord();
}
