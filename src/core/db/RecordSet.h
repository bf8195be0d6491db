#pragma once

#include <QString>
#include <memory>

#include "core/db/DataSet.h"
#include "core/db/Database.h"

// The base of every list and store: a data set filled by a query on the connection. Its rows
// are a local cache; changes to the database are separate statements, after which the owner
// adjusts the cache itself.
class TRecordSet {
 public:
  explicit TRecordSet(TDatabase* database = nullptr);
  virtual ~TRecordSet();
  TRecordSet(const TRecordSet&) = delete;
  TRecordSet& operator=(const TRecordSet&) = delete;

  TDataSet* DataSet() const { return dataSet_.get(); }
  const QString& SqlText() const { return sqlText_; }
  TDatabase& Database() const;

  // Opens the query and returns its record count. A failing query is shown to the operator with
  // its text; the caller then gets an error instead of a count.
  int OpenSql(const QString& sql, const TDBParameters& params = {});
  virtual TField* AddField(TFieldType type, const QString& name, const QString& label = QString(),
                           bool visible = true, int size = -1);
  // The text of the field in every row, the separator between neighbours.
  QString JoinValues(TField* field, const QString& separator);
  // Reads the same query again with the same parameters.
  void Refresh();
  // Cache only.
  virtual void DeleteRow();
  virtual void ClearRows();

  TField* FieldByName(const QString& name) const { return dataSet_->FieldByName(name); }
  // A column of the current row (the first right after OpenSql); Null when there is no row. Reads
  // the single values of look-ups such as "select max(Id) from ...".
  QVariant ValueOf(int column = 0) const;

 private:
  void Fill(TQueryRows& result);

  TDatabase* database_;
  std::unique_ptr<TDataSet> dataSet_;
  QString sqlText_;
  TDBParameters params_;
};

// A query set for the category tree and the redemption list: a record set whose fields show
// 75 characters wide.
class TQuerySet : public TRecordSet {
 public:
  using TRecordSet::TRecordSet;
  TDataSet* Query() const { return DataSet(); }
  TField* AddField(TFieldType type, const QString& name, const QString& label = QString(),
                   bool visible = true, int size = -1) override;
};

// An in-memory data set with no connection, for bill lines and filters.
class TQdClientDataSet {
 public:
  TQdClientDataSet();
  virtual ~TQdClientDataSet();
  TQdClientDataSet(const TQdClientDataSet&) = delete;
  TQdClientDataSet& operator=(const TQdClientDataSet&) = delete;

  TDataSet* DataSet() const { return dataSet_.get(); }
  TField* FieldByName(const QString& name) const { return dataSet_->FieldByName(name); }
  TField* AddField(TFieldType type, const QString& name, const QString& label = QString(),
                   bool visible = true);
  // Adds the definition with the size as given, and the field; a string field longer than 20
  // shows that size, at most 140.
  TField* AddFieldDef(TFieldType type, const QString& name, const QString& label, bool visible,
                      int size);
  void CreateDataSet() { dataSet_->CreateDataSet(); }

 private:
  std::unique_ptr<TDataSet> dataSet_;
};

// A filter object: one editable row whose fields the screens bind to their search controls.
class TCustomWhere : public TQdClientDataSet {
 public:
  // Drops pending edits and starts a fresh empty row, which is then being edited.
  virtual void Clear();
  // Moves values still pending in bound controls into the row.
  void UpdateRow();
};
