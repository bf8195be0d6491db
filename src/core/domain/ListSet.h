#pragma once

#include "core/db/RecordSet.h"
#include "core/domain/Filters.h"
#include "core/domain/RecordDescription.h"

// A record set of one kind of record: its fields come from the record's description, and its
// current row converts to and from the record.
template <typename R, typename TBase = TRecordSet>
class TRecordSetOf : public TBase {
 public:
  R AsData() const { return description_.Read(*this->DataSet()); }
  // Writes the record into the current row (edit or append state); the database is untouched.
  void SetAsData(const R& record) { description_.Write(record, *this->DataSet()); }

 protected:
  TRecordSetOf(const TRecordDescription<R>& description, TDatabase* database)
      : TBase(database), description_(description) {
    description.DeclareFields(*this);
  }

 private:
  const TRecordDescription<R>& description_;
};

// A list of records that a filter selects: the list query with the filter's where clause in
// place of its "%s".
template <typename R, typename TWhereT, typename TBase = TRecordSet>
class TListSet : public TRecordSetOf<R, TBase> {
 public:
  TWhereT& Where() { return where_; }
  int Search() { return OpenWithWhere(*this, listQuery_, where_.WhereClause()); }

 protected:
  TListSet(const TRecordDescription<R>& description, const char* listQuery, TDatabase* database)
      : TRecordSetOf<R, TBase>(description, database), listQuery_(listQuery) {}

 private:
  const char* listQuery_;
  TWhereT where_;
};
