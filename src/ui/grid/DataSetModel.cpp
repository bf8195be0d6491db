#include "ui/grid/DataSetModel.h"

#include <QFont>

#include "core/base/Command.h"
#include "core/base/Errors.h"
#include "core/base/MessageBox.h"
#include "core/base/Variants.h"
#include "core/grid/EditConversions.h"

TDataSetModel::TDataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDataSetModel::SetDataSet(TDataSet* dataSet) {
  for (const QMetaObject::Connection& connection : connections_) disconnect(connection);
  connections_.clear();
  dataSet_ = dataSet;
  if (dataSet) {
    connections_ << connect(dataSet, &TDataSet::Reset, this, &TDataSetModel::OnReset)
                 << connect(dataSet, &TDataSet::RowChanged, this, &TDataSetModel::OnRowChanged)
                 << connect(dataSet, &TDataSet::RowInserted, this, &TDataSetModel::OnRowInserted)
                 << connect(dataSet, &TDataSet::RowRemoved, this, &TDataSetModel::OnRowRemoved)
                 << connect(dataSet, &TDataSet::CurrentChanged, this,
                            &TDataSetModel::OnCurrentChanged)
                 << connect(dataSet, &QObject::destroyed, this, [this] { SetDataSet(nullptr); });
  }
  RebuildColumns();
  OnCurrentChanged(CurrentRow());
}

void TDataSetModel::RebuildColumns() {
  beginResetModel();
  fieldIndexes_.clear();
  fieldNames_.clear();
  textColumns_.clear();
  headerSuffixes_.clear();
  if (dataSet_) {
    for (int i = 0; i < dataSet_->FieldCount(); ++i) {
      const TField* field = dataSet_->Field(i);
      if (!field->Visible()) continue;
      fieldIndexes_ << i;
      fieldNames_ << field->FieldName();
    }
  }
  rows_ = DataSetRows();
  currentRow_ = CurrentRow();
  endResetModel();
}

QStringList TDataSetModel::VisibleFieldNames() const {
  QStringList names;
  if (!dataSet_) return names;
  for (int i = 0; i < dataSet_->FieldCount(); ++i)
    if (dataSet_->Field(i)->Visible()) names << dataSet_->Field(i)->FieldName();
  return names;
}

int TDataSetModel::DataSetRows() const {
  return dataSet_ && dataSet_->Active() ? dataSet_->RecordCount() : 0;
}

TField* TDataSetModel::FieldOf(int column) const {
  if (!dataSet_ || column < 0 || column >= fieldIndexes_.size()) return nullptr;
  const int index = fieldIndexes_[column];
  if (index >= dataSet_->FieldCount()) return nullptr;
  TField* field = dataSet_->Field(index);
  return field->FieldName() == fieldNames_[column] ? field : nullptr;
}

int TDataSetModel::ColumnOf(const QString& fieldName) const {
  for (int column = 0; column < fieldNames_.size(); ++column)
    if (fieldNames_[column].compare(fieldName, Qt::CaseInsensitive) == 0) return column;
  return -1;
}

int TDataSetModel::CurrentRow() const {
  if (!dataSet_ || !dataSet_->Active() || dataSet_->IsEmpty()) return -1;
  return dataSet_->RecNo() - 1;
}

void TDataSetModel::SetRowNumbers(bool numbered) {
  rowNumbers_ = numbered;
  if (rows_ > 0) emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
}

void TDataSetModel::SetEditing(bool editing) {
  editing_ = editing;
}

void TDataSetModel::SetColumnText(int column, bool editable) {
  if (column < 0 || column >= columnCount()) return;
  textColumns_[column] = editable;
  if (rows_ > 0) emit dataChanged(index(0, column), index(rows_ - 1, column));
}

void TDataSetModel::SetCheckBoxes(bool on) {
  checkBoxes_ = on;
}

void TDataSetModel::SetHeaderSuffix(int column, const QString& suffix) {
  headerSuffixes_[column] = suffix;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

bool TDataSetModel::ShowsCheckBox(int column) const {
  const TField* field = FieldOf(column);
  return checkBoxes_ && field && field->DataType() == TFieldType::Boolean &&
         !textColumns_.contains(column);
}

int TDataSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(fieldIndexes_.size());
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
  const TField* field = FieldOf(index.column());
  if (!field || !dataSet_->Active() || index.row() >= dataSet_->RecordCount()) return {};
  try {
    switch (role) {
      case Qt::DisplayRole:
        return ShowsCheckBox(index.column()) ? QVariant() : field->DisplayTextAt(index.row());
      case Qt::EditRole:
        return VarToStr(dataSet_->ValueAt(index.row(), field->Index()));
      case Qt::CheckStateRole:
        if (!ShowsCheckBox(index.column())) return {};
        return VarToBool(dataSet_->ValueAt(index.row(), field->Index())) ? Qt::Checked
                                                                         : Qt::Unchecked;
      case Qt::TextAlignmentRole:
        return field->IsNumeric() ? int(Qt::AlignRight | Qt::AlignVCenter)
                                  : int(Qt::AlignLeft | Qt::AlignVCenter);
      default:
        return {};
    }
  } catch (const std::exception&) {
    // A display handler that fails leaves the cell empty rather than failing every repaint.
    return {};
  }
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    const TField* field = FieldOf(section);
    if (role == Qt::DisplayRole && field)
      return field->DisplayLabel() + headerSuffixes_.value(section);
    return {};
  }
  const bool current = section == currentRow_;
  switch (role) {
    case Qt::DisplayRole:
      if (rowNumbers_) return section + 1;
      return current ? QStringLiteral("▶") : QString();
    case Qt::FontRole: {
      QFont font;
      font.setBold(current);
      return font;
    }
    case Qt::TextAlignmentRole:
      return int(Qt::AlignCenter);
    default:
      return {};
  }
}

Qt::ItemFlags TDataSetModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
  if (!editing_ || !FieldOf(index.column())) return flags;
  const bool editable = textColumns_.value(index.column(), true);
  if (!editable) return flags;
  return flags | (ShowsCheckBox(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool TDataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  TField* field = FieldOf(index.column());
  if (!field || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) return false;
  QVariant stored = value;
  try {
    if (role == Qt::CheckStateRole) {
      stored = value.toInt() == Qt::Checked;
    } else if (role == Qt::EditRole && value.typeId() == QMetaType::QString) {
      // Typed text converts by the field's kind; text that does not convert is refused.
      const QString text = value.toString();
      if (field->DataType() == TFieldType::Integer) stored = TEditText::ToVariant(etInteger, text);
      if (field->IsNumeric() && field->DataType() != TFieldType::Integer)
        stored = TEditText::ToVariant(etNumber, text);
      if (field->DataType() == TFieldType::DateTime) stored = TEditText::ToDateTime(text);
    } else if (role != Qt::EditRole) {
      return false;
    }
  } catch (const EError& error) {
    ShowInfo(error.Message());
    return false;
  }
  // The edit is committed from the view's own event handling: a failing post is shown there.
  return RunCommand([&] { WriteCell(index.row(), field, stored); });
}

void TDataSetModel::WriteCell(int row, TField* field, const QVariant& value) {
  if (dataSet_->RecNo() - 1 != row) dataSet_->SetRecNo(row + 1);
  dataSet_->Edit();
  try {
    field->SetValue(value);
    dataSet_->Post();
  } catch (...) {
    // The row goes back to what it held; a row left half-edited would refuse the next move.
    dataSet_->Cancel();
    throw;
  }
}

void TDataSetModel::OnReset() {
  if (VisibleFieldNames() != fieldNames_) {
    emit ColumnsAboutToBeRebuilt();
    RebuildColumns();
    emit ColumnsRebuilt();
    OnCurrentChanged(CurrentRow());
    return;
  }
  const int rows = DataSetRows();
  if (rows < rows_) {
    beginRemoveRows(QModelIndex(), rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  } else if (rows > rows_) {
    beginInsertRows(QModelIndex(), rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  }
  if (rows_ > 0 && columnCount() > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, 0, rows_ - 1);
  }
}

void TDataSetModel::OnRowChanged(int row) {
  if (row < 0 || row >= rows_ || columnCount() == 0) return;
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void TDataSetModel::OnRowInserted(int row) {
  beginInsertRows(QModelIndex(), row, row);
  ++rows_;
  endInsertRows();
  if (rows_ > 0) emit headerDataChanged(Qt::Vertical, row, rows_ - 1);
}

void TDataSetModel::OnRowRemoved(int row) {
  if (row < 0 || row >= rows_) return;
  beginRemoveRows(QModelIndex(), row, row);
  --rows_;
  endRemoveRows();
  if (row < rows_) emit headerDataChanged(Qt::Vertical, row, rows_ - 1);
}

void TDataSetModel::OnCurrentChanged(int) {
  const int previous = currentRow_;
  currentRow_ = CurrentRow();
  if (previous >= 0 && previous < rows_) emit headerDataChanged(Qt::Vertical, previous, previous);
  if (currentRow_ >= 0 && currentRow_ < rows_)
    emit headerDataChanged(Qt::Vertical, currentRow_, currentRow_);
  emit CurrentRowChanged(currentRow_);
}
