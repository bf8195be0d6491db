#include "core/db/DataSet.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "core/base/Errors.h"
#include "core/base/Formats.h"
#include "core/base/MessageBox.h"
#include "core/base/Variants.h"
#include "core/db/FilterExpression.h"

// TField ------------------------------------------------------------------------------------

TField::TField(TDataSet* dataSet, TFieldType type, const QString& name)
    : dataSet_(dataSet), type_(type), name_(name) {
  if (type == TFieldType::String || type == TFieldType::WideString) size_ = kDefaultStringSize;
}

bool TField::IsNumeric() const {
  return type_ == TFieldType::Integer || type_ == TFieldType::Float ||
         type_ == TFieldType::Currency;
}

int TField::DisplayWidth() const {
  if (displayWidth_ > 0) return displayWidth_;
  switch (type_) {
    case TFieldType::String:
    case TFieldType::WideString:
      return std::max(size_, static_cast<int>(DisplayLabel().size()));
    case TFieldType::Memo:
    case TFieldType::Blob:
      return 10;
    case TFieldType::DateTime:
      return 18;
    case TFieldType::Boolean:
      return 5;
    default:
      return 10;
  }
}

QVariant TField::Value() const {
  return dataSet_->CurrentValue(index_);
}

void TField::SetValue(const QVariant& value) {
  dataSet_->SetCurrentValue(index_, Convert(value));
}

bool TField::IsNull() const {
  return VarIsNull(Value());
}

QString TField::AsString() const {
  return VarToStr(Value());
}
int TField::AsInteger() const {
  return VarToInt(Value());
}
qint64 TField::AsLargeInt() const {
  return VarToInt64(Value());
}
double TField::AsFloat() const {
  return VarToFloat(Value());
}
bool TField::AsBoolean() const {
  return VarToBool(Value());
}
QDateTime TField::AsDateTime() const {
  return VarToDateTime(Value());
}
TMoney TField::AsMoney() const {
  return VarToMoney(Value());
}

QString TField::DisplayText() const {
  if (OnGetText) return OnGetText(*this);
  const QVariant value = Value();
  if (VarIsNull(value)) return {};
  if (type_ == TFieldType::Currency) return VarToMoney(value).ToString();
  if (!displayFormat_.isEmpty()) {
    if (IsNumeric()) {
      // "0.00"-style formats: the number of digits after the point.
      const qsizetype point = displayFormat_.indexOf(u'.');
      const int decimals = point < 0 ? 0 : static_cast<int>(displayFormat_.size() - point - 1);
      return QString::number(VarToFloat(value), 'f', decimals);
    }
    if (type_ == TFieldType::DateTime) return VarToDateTime(value).toString(displayFormat_);
  }
  return VarToStr(value);
}

QString TField::DisplayTextAt(int row) const {
  return dataSet_->DisplayTextAt(*this, row);
}

QVariant TField::Convert(const QVariant& raw) const {
  if (VarIsNull(raw)) return QVariant();
  // Values that already have the field's kind pass as they are: a list converts every value.
  const int rawType = raw.typeId();
  switch (type_) {
    case TFieldType::String:
    case TFieldType::WideString:
    case TFieldType::Memo:
      return rawType == QMetaType::QString ? raw : QVariant(VarToStr(raw));
    case TFieldType::Integer:
      return rawType == QMetaType::LongLong ? raw : QVariant(VarToInt64(raw));
    case TFieldType::Float:
      return rawType == QMetaType::Double ? raw : QVariant(VarToFloat(raw));
    case TFieldType::Currency:
      return QVariant::fromValue(VarToMoney(raw));
    case TFieldType::Boolean:
      return VarToBool(raw);
    case TFieldType::DateTime: {
      const QDateTime value = rawType == QMetaType::QString
                                  ? ParseDateTime(*static_cast<const QString*>(raw.constData()))
                                  : VarToDateTime(raw);
      return value.isValid() ? QVariant(value) : QVariant();
    }
    case TFieldType::Blob:
      return raw.toByteArray();
  }
  return raw;
}

// TDataSet ----------------------------------------------------------------------------------

namespace {

[[noreturn]] void FailClosed() {
  throw EError(QStringLiteral("数据集已关闭,无法执行此操作."));
}

int CompareForSort(const QVariant& left, const QVariant& right) {
  const bool leftNull = VarIsNull(left);
  const bool rightNull = VarIsNull(right);
  if (leftNull || rightNull) return leftNull == rightNull ? 0 : (leftNull ? -1 : 1);
  if (left.metaType() == QMetaType::fromType<TMoney>()) {
    const TMoney a = VarToMoney(left);
    const TMoney b = VarToMoney(right);
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  switch (left.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool: {
      const double a = VarToFloat(left);
      const double b = VarToFloat(right);
      return a < b ? -1 : (a > b ? 1 : 0);
    }
    case QMetaType::QDateTime: {
      const QDateTime a = left.toDateTime();
      const QDateTime b = right.toDateTime();
      return a < b ? -1 : (a > b ? 1 : 0);
    }
    default:
      return QString::compare(VarToStr(left), VarToStr(right), Qt::CaseInsensitive);
  }
}

struct SortKey {
  int field;
  bool descending;
};

}  // namespace

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

TField* TDataSet::AddFieldObject(TFieldType type, const QString& name, const QString& label,
                                 bool visible, int size, bool calculated) {
  if (Active()) throw EError(QStringLiteral("数据集打开时不能增加字段 %1.").arg(name));
  auto field = std::make_unique<TField>(this, type, name);
  field->label_ = label;
  field->visible_ = visible;
  if (size != -1) field->size_ = size;
  field->calculated_ = calculated;
  field->index_ = FieldCount();
  fields_.push_back(std::move(field));
  persistentFields_ = true;
  return fields_.back().get();
}

TField* TDataSet::AddField(TFieldType type, const QString& name, const QString& label, bool visible,
                           int size) {
  return AddFieldObject(type, name, label, visible, size, false);
}

TField* TDataSet::AddResultField(TFieldType type, const QString& name) {
  const bool persistent = persistentFields_;
  TField* field = AddFieldObject(type, name, QString(), true, -1, false);
  persistentFields_ = persistent;
  return field;
}

TField* TDataSet::AddCalculatedField(TFieldType type, const QString& name, const QString& label,
                                     bool visible, int size) {
  return AddFieldObject(type, name, label, visible, size, true);
}

TField* TDataSet::FindField(const QString& name) const {
  for (const auto& field : fields_)
    if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0) return field.get();
  return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const {
  TField* field = FindField(name);
  if (!field) throw EError(QStringLiteral("字段 '%1' 未找到.").arg(name));
  return field;
}

void TDataSet::ClearFields() {
  Close();
  fields_.clear();
  persistentFields_ = false;
}

void TDataSet::OpenWithRows(QList<TRow> rows) {
  Close();
  rows_ = std::move(rows);
  for (TRow& row : rows_) row.resize(FieldCount());
  state_ = TDataSetState::Browse;
  CalculateAll();
  RebuildView();
  NotifyReset();
  emit StateChanged();
}

void TDataSet::CreateDataSet() {
  if (fields_.empty()) {
    for (const TFieldDef& def : fieldDefs_) {
      TField* field = AddField(def.DataType, def.Name);
      if (def.Size > 0) field->SetSize(def.Size);
    }
  }
  OpenWithRows({});
}

void TDataSet::Close() {
  if (!Active()) return;
  rows_.clear();
  view_.clear();
  editBackup_.clear();
  current_ = -1;
  bof_ = eof_ = true;
  state_ = TDataSetState::Inactive;
  NotifyReset();
  emit StateChanged();
}

void TDataSet::CheckActive() const {
  if (!Active()) FailClosed();
}

int TDataSet::RecordCount() const {
  CheckActive();
  return static_cast<int>(view_.size());
}

bool TDataSet::IsEmpty() const {
  return !Active() || view_.isEmpty();
}

QVariant TDataSet::ValueAt(int row, int fieldIndex) const {
  if (row < 0 || row >= view_.size()) return {};
  return rows_[StorageIndex(row)].value(fieldIndex);
}

QString TDataSet::DisplayTextAt(const TField& field, int row) {
  if (!Active() || row < 0 || row >= view_.size()) return {};
  const int saved = displayRow_;
  displayRow_ = row;
  try {
    QString text = field.DisplayText();
    displayRow_ = saved;
    return text;
  } catch (...) {
    displayRow_ = saved;
    throw;
  }
}

QVariant TDataSet::CurrentValue(int fieldIndex) const {
  if (state_ == TDataSetState::CalcFields) return rows_[calcRow_].value(fieldIndex);
  if (displayRow_ >= 0) return rows_[StorageIndex(displayRow_)].value(fieldIndex);
  if (!Active() || current_ < 0) return {};
  return rows_[StorageIndex(current_)].value(fieldIndex);
}

void TDataSet::SetCurrentValue(int fieldIndex, const QVariant& value) {
  if (state_ == TDataSetState::CalcFields) {
    if (fields_[fieldIndex]->Calculated()) rows_[calcRow_][fieldIndex] = value;
    return;
  }
  if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert)
    throw EError(QStringLiteral("数据集不在编辑或插入状态,不能修改字段 %1.")
                     .arg(fields_[fieldIndex]->FieldName()));
  const int storage = StorageIndex(current_);
  rows_[storage][fieldIndex] = value;
  if (!fields_[fieldIndex]->Calculated()) CalculateRow(storage);
  NotifyRowChanged(current_);
}

void TDataSet::CalculateRow(int storageIndex) {
  if (!OnCalcFields) return;
  const TDataSetState saved = state_;
  state_ = TDataSetState::CalcFields;
  calcRow_ = storageIndex;
  try {
    OnCalcFields(*this);
  } catch (...) {
    state_ = saved;
    throw;
  }
  state_ = saved;
}

void TDataSet::CalculateAll() {
  for (int i = 0; i < rows_.size(); ++i) CalculateRow(i);
}

void TDataSet::RebuildView() {
  view_.clear();
  std::optional<TFilterExpression> expression;
  if (filtered_ && !filter_.trimmed().isEmpty()) expression.emplace(filter_);
  // The expression's field names are looked up once, not once per row.
  QHash<QString, int> fieldIndex;
  if (expression)
    for (const QString& name : expression->FieldNames())
      fieldIndex.insert(name, FieldByName(name)->Index());
  for (int i = 0; i < rows_.size(); ++i) {
    if (expression) {
      const TRow& row = rows_[i];
      const bool keep = expression->Matches(
          [&](const QString& name) { return row.value(fieldIndex.value(name)); });
      if (!keep) continue;
    }
    view_ << i;
  }
  if (!sort_.trimmed().isEmpty()) {
    QList<SortKey> keys;
    for (const QString& part : sort_.split(u',', Qt::SkipEmptyParts)) {
      const QStringList words = part.simplified().split(u' ');
      const bool descending =
          words.size() > 1 && words[1].compare(u"DESC", Qt::CaseInsensitive) == 0;
      keys << SortKey{FieldByName(words[0])->Index(), descending};
    }
    std::stable_sort(view_.begin(), view_.end(), [&](int a, int b) {
      for (const SortKey& key : keys) {
        const int order = CompareForSort(rows_[a].value(key.field), rows_[b].value(key.field));
        if (order != 0) return key.descending ? order > 0 : order < 0;
      }
      return false;
    });
  }
  current_ = view_.isEmpty() ? -1 : 0;
  bof_ = true;
  eof_ = view_.isEmpty();
}

void TDataSet::NotifyReset() {
  if (ControlsDisabled()) {
    pendingReset_ = true;
    return;
  }
  emit Reset();
  emit CurrentChanged(current_);
}

void TDataSet::NotifyRowChanged(int viewIndex) {
  if (ControlsDisabled()) {
    pendingReset_ = true;
    return;
  }
  emit RowChanged(viewIndex);
}

void TDataSet::MoveTo(int viewIndex) {
  if (view_.isEmpty()) {
    current_ = -1;
    bof_ = eof_ = true;
    return;
  }
  const int last = static_cast<int>(view_.size()) - 1;
  bof_ = viewIndex < 0;
  eof_ = viewIndex > last;
  current_ = std::clamp(viewIndex, 0, last);
  if (!ControlsDisabled()) emit CurrentChanged(current_);
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) Post();
}

void TDataSet::SetRecNo(int recNo) {
  CheckBrowseMode();
  MoveTo(recNo - 1);
  bof_ = eof_ = view_.isEmpty();
}

void TDataSet::First() {
  CheckBrowseMode();
  MoveTo(0);
  bof_ = true;
}

void TDataSet::Last() {
  CheckBrowseMode();
  MoveTo(static_cast<int>(view_.size()) - 1);
  eof_ = true;
}

void TDataSet::Next() {
  CheckBrowseMode();
  MoveTo(current_ + 1);
}

void TDataSet::Prior() {
  CheckBrowseMode();
  MoveTo(current_ - 1);
}

void TDataSet::ForEachRow(const std::function<void()>& visit) {
  CheckBrowseMode();
  const int current = current_;
  DisableControls();
  try {
    for (First(); !Eof(); Next()) visit();
  } catch (...) {
    MoveTo(current);
    EnableControls();
    throw;
  }
  MoveTo(current);
  bof_ = eof_ = view_.isEmpty();
  EnableControls();
}

bool TDataSet::Locate(const QString& fieldNames, const QVariantList& values,
                      TLocateOptions options) {
  CheckBrowseMode();
  QList<int> indices;
  for (const QString& name : fieldNames.split(u';', Qt::SkipEmptyParts))
    indices << FieldByName(name.trimmed())->Index();
  if (indices.size() != values.size())
    throw EError(QStringLiteral("查找的字段与值的个数不一致: %1").arg(fieldNames));
  const Qt::CaseSensitivity sensitivity =
      options.CaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
  for (int row = 0; row < view_.size(); ++row) {
    const TRow& values_ = rows_[StorageIndex(row)];
    bool match = true;
    for (int k = 0; k < indices.size() && match; ++k) {
      const TField* field = fields_[indices[k]].get();
      const QVariant& have = values_.value(indices[k]);
      const QVariant wanted = field->Convert(values[k]);
      if (VarIsNull(wanted) || VarIsNull(have)) {
        match = VarIsNull(wanted) && VarIsNull(have);
      } else if (field->IsNumeric()) {
        match = VarToFloat(have) == VarToFloat(wanted);
      } else {
        const QString a = VarToStr(have);
        const QString b = VarToStr(wanted);
        match = options.PartialKey ? a.startsWith(b, sensitivity) : a.compare(b, sensitivity) == 0;
      }
    }
    if (match) {
      MoveTo(row);
      bof_ = eof_ = false;
      return true;
    }
  }
  return false;
}

void TDataSet::SetState(TDataSetState state) {
  state_ = state;
  emit StateChanged();
}

void TDataSet::Edit() {
  CheckActive();
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) return;
  if (current_ < 0) {
    Append();
    return;
  }
  editBackup_ = rows_[StorageIndex(current_)];
  SetState(TDataSetState::Edit);
}

void TDataSet::Append() {
  CheckBrowseMode();
  rows_ << TRow(FieldCount());
  view_ << static_cast<int>(rows_.size()) - 1;
  current_ = static_cast<int>(view_.size()) - 1;
  bof_ = eof_ = false;
  CalculateRow(StorageIndex(current_));
  if (ControlsDisabled())
    pendingReset_ = true;
  else
    emit RowInserted(current_);
  SetState(TDataSetState::Insert);
  if (!ControlsDisabled()) emit CurrentChanged(current_);
}

void TDataSet::Insert() {
  CheckBrowseMode();
  if (current_ < 0) {
    Append();
    return;
  }
  rows_ << TRow(FieldCount());
  view_.insert(current_, static_cast<int>(rows_.size()) - 1);
  bof_ = eof_ = false;
  CalculateRow(StorageIndex(current_));
  if (ControlsDisabled())
    pendingReset_ = true;
  else
    emit RowInserted(current_);
  SetState(TDataSetState::Insert);
  if (!ControlsDisabled()) emit CurrentChanged(current_);
}

void TDataSet::UpdateRecord() {
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) emit UpdatingRecord();
}

void TDataSet::Post() {
  CheckActive();
  if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
  UpdateRecord();
  editBackup_.clear();
  SetState(TDataSetState::Browse);
  NotifyRowChanged(current_);
}

void TDataSet::Cancel() {
  CheckActive();
  if (state_ == TDataSetState::Edit) {
    rows_[StorageIndex(current_)] = editBackup_;
    editBackup_.clear();
    SetState(TDataSetState::Browse);
    NotifyRowChanged(current_);
  } else if (state_ == TDataSetState::Insert) {
    SetState(TDataSetState::Browse);
    Delete();
  }
}

void TDataSet::Delete() {
  CheckActive();
  if (current_ < 0) return;
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) {
    editBackup_.clear();
    SetState(TDataSetState::Browse);
  }
  const int removedRow = current_;
  const int storage = StorageIndex(removedRow);
  rows_.removeAt(storage);
  view_.removeAt(removedRow);
  for (int& index : view_)
    if (index > storage) --index;
  if (ControlsDisabled())
    pendingReset_ = true;
  else
    emit RowRemoved(removedRow);
  MoveTo(std::min(removedRow, static_cast<int>(view_.size()) - 1));
  bof_ = eof_ = view_.isEmpty();
}

void TDataSet::SetFilter(const QString& expression) {
  if (!expression.trimmed().isEmpty()) TFilterExpression check(expression);
  filter_ = expression;
  if (Active() && filtered_) {
    CheckBrowseMode();
    RebuildView();
    NotifyReset();
  }
}

void TDataSet::SetFiltered(bool filtered) {
  if (filtered_ == filtered) return;
  filtered_ = filtered;
  if (Active()) {
    CheckBrowseMode();
    RebuildView();
    NotifyReset();
  }
}

void TDataSet::SetSort(const QString& sortText) {
  for (const QString& part : sortText.split(u',', Qt::SkipEmptyParts))
    FieldByName(part.simplified().section(u' ', 0, 0));
  sort_ = sortText;
  if (Active()) {
    CheckBrowseMode();
    RebuildView();
    NotifyReset();
  }
}

void TDataSet::DisableControls() {
  ++disableCount_;
}

void TDataSet::EnableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0 && pendingReset_) {
    pendingReset_ = false;
    emit Reset();
    emit CurrentChanged(current_);
  } else if (disableCount_ == 0) {
    emit CurrentChanged(current_);
  }
}

// Filter helpers ------------------------------------------------------------------------------

QString QuoteFilterText(const QString& text) {
  QString quoted = text;
  quoted.replace(u'\'', QStringLiteral("''"));
  return u'\'' + quoted + u'\'';
}

QString FilterContains(const QString& fieldName, const QString& text) {
  QString pattern;
  for (const QChar c : text) {
    if (c == u'%' || c == u'*' || c == u'[')
      pattern += u'[' + QString(c) + u']';
    else
      pattern += c;
  }
  return QStringLiteral("%1 like %2").arg(fieldName, QuoteFilterText(u'%' + pattern + u'%'));
}

bool CheckDataSetOpen(const TDataSet* dataSet) {
  if (dataSet && dataSet->Active()) return true;
  ShowInfo(QStringLiteral("\r\n系统提示：请先打开数据集再操作."));
  return false;
}
