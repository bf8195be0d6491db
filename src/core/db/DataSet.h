#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "core/base/Money.h"

class TDataSet;

enum class TFieldType {
  String,
  WideString,
  Memo,
  Integer,
  Float,
  Currency,  // an amount of money, held exactly (TMoney) and shown with two decimals
  Boolean,
  DateTime,
  Blob
};

// The size a string field gets when none is given.
inline constexpr int kDefaultStringSize = 20;

// One column of a data set: name, label, kind, visibility, size and display width, and typed
// access to the value of the current row. NULL reads as empty, zero or false.
class TField {
 public:
  TField(TDataSet* dataSet, TFieldType type, const QString& name);

  TDataSet* DataSet() const { return dataSet_; }
  int Index() const { return index_; }
  TFieldType DataType() const { return type_; }
  const QString& FieldName() const { return name_; }
  QString DisplayLabel() const { return label_.isEmpty() ? name_ : label_; }
  void SetDisplayLabel(const QString& label) { label_ = label; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int Size() const { return size_; }
  void SetSize(int size) { size_ = size; }
  // Width in characters that a grid gives the column.
  int DisplayWidth() const;
  void SetDisplayWidth(int width) { displayWidth_ = width; }
  bool Calculated() const { return calculated_; }
  bool IsNumeric() const;
  // Optional display format for numbers ("0.00") and date-times (Qt format).
  const QString& DisplayFormat() const { return displayFormat_; }
  void SetDisplayFormat(const QString& format) { displayFormat_ = format; }
  // Replaces the display text of the value (for example "√" for a true flag).
  std::function<QString(const TField&)> OnGetText;

  QVariant Value() const;
  void SetValue(const QVariant& value);
  void Clear() { SetValue(QVariant()); }
  bool IsNull() const;
  QString AsString() const;
  // Integer fields hold 64-bit values; AsInteger holds a value beyond the int range at its
  // nearest end, AsLargeInt gives it whole.
  int AsInteger() const;
  qint64 AsLargeInt() const;
  double AsFloat() const;
  bool AsBoolean() const;
  QDateTime AsDateTime() const;
  TMoney AsMoney() const;
  void SetAsString(const QString& value) { SetValue(value); }
  void SetAsInteger(int value) { SetValue(value); }
  void SetAsLargeInt(qint64 value) { SetValue(value); }
  void SetAsFloat(double value) { SetValue(value); }
  void SetAsBoolean(bool value) { SetValue(value); }
  void SetAsDateTime(const QDateTime& value) { SetValue(value); }
  void SetAsMoney(TMoney value) { SetValue(QVariant::fromValue(value)); }
  // The text a grid shows: OnGetText, else the display format, else AsString.
  QString DisplayText() const;
  // The same for a visible row other than the current one, without moving the cursor.
  QString DisplayTextAt(int row) const;

  // Converts a raw value (from a driver, or set by a caller) to this field's kind; NULL stays NULL.
  QVariant Convert(const QVariant& raw) const;

 private:
  friend class TDataSet;
  TDataSet* dataSet_;
  TFieldType type_;
  QString name_;
  QString label_;
  bool visible_ = true;
  int size_ = 0;
  int displayWidth_ = 0;
  bool calculated_ = false;
  QString displayFormat_;
  int index_ = -1;
};

// A field definition of an in-memory data set: name, kind and the size as given.
struct TFieldDef {
  QString Name;
  TFieldType DataType = TFieldType::String;
  int Size = 0;
  bool Required = false;
};

enum class TDataSetState { Inactive, Browse, Edit, Insert, CalcFields };

struct TLocateOptions {
  bool CaseInsensitive = false;
  bool PartialKey = false;
};

// The program's one in-memory data set: field definitions, cached rows, a cursor, edit and
// insert states on the cache only, calculated fields, a filter expression and a sort order.
// Views that show the set follow its signals; DisableControls holds them back during long walks.
class TDataSet : public QObject {
  Q_OBJECT
 public:
  using TRow = QList<QVariant>;

  explicit TDataSet(QObject* parent = nullptr);
  ~TDataSet() override;

  // Fields ----------------------------------------------------------------------------------
  TField* AddField(TFieldType type, const QString& name, const QString& label = QString(),
                   bool visible = true, int size = -1);
  TField* AddCalculatedField(TFieldType type, const QString& name, const QString& label = QString(),
                             bool visible = true, int size = -1);
  // A field taken from a query result when the owner declared none.
  TField* AddResultField(TFieldType type, const QString& name);
  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField* Field(int index) const { return fields_.at(index).get(); }
  TField* FindField(const QString& name) const;
  // Raises an error naming the field when the set has no such field.
  TField* FieldByName(const QString& name) const;
  // True when the fields were declared by the owner rather than taken from a query result.
  bool HasPersistentFields() const { return persistentFields_; }
  void ClearFields();
  QList<TFieldDef>& FieldDefs() { return fieldDefs_; }
  const QList<TFieldDef>& FieldDefs() const { return fieldDefs_; }
  // Runs for every row after it is loaded or changed; it sets the calculated fields.
  std::function<void(TDataSet&)> OnCalcFields;

  // Opening ---------------------------------------------------------------------------------
  // Opens the set on the given rows (one value per field, calculated fields included).
  void OpenWithRows(QList<TRow> rows);
  // Opens the set empty, as an in-memory data set made from its field definitions.
  void CreateDataSet();
  void Close();
  bool Active() const { return state_ != TDataSetState::Inactive; }
  TDataSetState State() const { return state_; }

  // Cursor ----------------------------------------------------------------------------------
  // Rows visible through the filter; raises an error when the set is closed.
  int RecordCount() const;
  bool IsEmpty() const;
  // 1-based position of the current row among the visible rows; 0 when there is none.
  int RecNo() const { return current_ + 1; }
  void SetRecNo(int recNo);
  void First();
  void Last();
  void Next();
  void Prior();
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  // Makes the first visible row whose fields (names separated by ";") hold the values current.
  bool Locate(const QString& fieldNames, const QVariantList& values, TLocateOptions options = {});
  // Visits every visible row in order with views held back, then makes the row that was current
  // current again.
  void ForEachRow(const std::function<void()>& visit);
  // The value of a field in a visible row, without moving the cursor.
  QVariant ValueAt(int row, int fieldIndex) const;

  // Editing the cache -----------------------------------------------------------------------
  void Edit();
  void Append();
  void Insert();
  void Post();
  void Cancel();
  void Delete();
  // Bound controls move pending values into the row when this runs.
  void UpdateRecord();

  // Filter and sort -------------------------------------------------------------------------
  // An expression such as "Name like '%张%' or CardNo like '%8%'"; applied while Filtered.
  void SetFilter(const QString& expression);
  const QString& Filter() const { return filter_; }
  void SetFiltered(bool filtered);
  bool Filtered() const { return filtered_; }
  // A sort text such as "Name ASC,CardNo DESC"; empty keeps the order of the rows as read.
  void SetSort(const QString& sortText);
  const QString& Sort() const { return sort_; }

  // Notifications ---------------------------------------------------------------------------
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }

 signals:
  // The rows or the fields changed as a whole.
  void Reset();
  void RowChanged(int row);
  void RowInserted(int row);
  void RowRemoved(int row);
  void CurrentChanged(int row);
  void StateChanged();
  void UpdatingRecord();

 private:
  friend class TField;
  QVariant CurrentValue(int fieldIndex) const;
  QString DisplayTextAt(const TField& field, int row);
  void SetCurrentValue(int fieldIndex, const QVariant& value);
  void CalculateRow(int storageIndex);
  void CalculateAll();
  void RebuildView();
  void MoveTo(int viewIndex);
  void CheckActive() const;
  void CheckBrowseMode();
  void SetState(TDataSetState state);
  int StorageIndex(int viewIndex) const { return view_.at(viewIndex); }
  void NotifyReset();
  void NotifyRowChanged(int viewIndex);
  TField* AddFieldObject(TFieldType type, const QString& name, const QString& label, bool visible,
                         int size, bool calculated);

  std::vector<std::unique_ptr<TField>> fields_;
  QList<TFieldDef> fieldDefs_;
  bool persistentFields_ = false;
  QList<TRow> rows_;
  QList<int> view_;  // storage indices of the visible rows, in display order
  int current_ = -1;
  bool bof_ = true;
  bool eof_ = true;
  TDataSetState state_ = TDataSetState::Inactive;
  TRow editBackup_;
  int calcRow_ = -1;     // storage row whose calculated fields are being computed
  int displayRow_ = -1;  // visible row whose values a display text is read from
  QString filter_;
  bool filtered_ = false;
  QString sort_;
  int disableCount_ = 0;
  bool pendingReset_ = false;
};

// Filter expression helpers: a text literal with its quotes doubled, and a condition that finds
// the text anywhere in the field with every character matched as typed.
QString QuoteFilterText(const QString& text);
QString FilterContains(const QString& fieldName, const QString& text);

// True when the data set is open; otherwise tells the operator to open it first.
bool CheckDataSetOpen(const TDataSet* dataSet);
