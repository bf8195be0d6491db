#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QPointer>
#include <QStringList>

#include "core/db/DataSet.h"

// The grids' view of a data set: one column per visible field (in field order, as the columns
// were last rebuilt), captioned with the field's display label; one row per visible row, showing
// each field's display text. It follows the data set's signals and tells the grid which row is
// current. Row-level changes keep the columns, so a grid's column layout survives a re-query.
class TDataSetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TDataSetModel(QObject* parent = nullptr);

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);
  // Makes one column per visible field again.
  void RebuildColumns();

  // The field a column shows; null when the data set no longer has it.
  TField* FieldOf(int column) const;
  QString FieldNameOf(int column) const { return fieldNames_.value(column); }
  int ColumnOf(const QString& fieldName) const;
  // The 0-based current row of the data set; -1 when there is none.
  int CurrentRow() const;

  // The row headers: 1-based row numbers, or only a marker on the current row.
  void SetRowNumbers(bool numbered);
  // Cells may be edited where the column allows it.
  void SetEditing(bool editing);
  bool Editing() const { return editing_; }
  // A column edited and shown as text (a Boolean field as its display text, not a check box);
  // editable tells whether its cells take edits when editing is on.
  void SetColumnText(int column, bool editable);
  // Boolean fields show check boxes unless their column was set to text.
  void SetCheckBoxes(bool on);
  // Text shown after the caption (a sort marker).
  void SetHeaderSuffix(int column, const QString& suffix);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void CurrentRowChanged(int row);
  // The columns are about to be made again because the data set's visible fields changed.
  void ColumnsAboutToBeRebuilt();
  void ColumnsRebuilt();

 private:
  void OnReset();
  void OnRowChanged(int row);
  void OnRowInserted(int row);
  void OnRowRemoved(int row);
  void OnCurrentChanged(int row);
  QStringList VisibleFieldNames() const;
  int DataSetRows() const;
  bool ShowsCheckBox(int column) const;
  void WriteCell(int row, TField* field, const QVariant& value);

  QPointer<TDataSet> dataSet_;
  QList<int> fieldIndexes_;
  QStringList fieldNames_;
  QList<QMetaObject::Connection> connections_;
  int rows_ = 0;
  int currentRow_ = -1;
  bool rowNumbers_ = true;
  bool editing_ = false;
  bool checkBoxes_ = true;
  QHash<int, bool> textColumns_;  // column -> editable
  QHash<int, QString> headerSuffixes_;
};
