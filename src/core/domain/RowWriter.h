#pragma once

#include <functional>

#include "core/db/Database.h"
#include "core/domain/Keys.h"
#include "core/domain/RecordDescription.h"

// The parameters of one of a record's statements, given the key the row is written under.
using TRowParams = std::function<TDBParameters(const QString& statement, int key)>;

// Writes one row: the update when the key is above 0, otherwise the insert with a new key.
// Returns the key written when exactly one row was, else 0. Runs inside the caller's transaction.
int WriteRow(TDatabase& database, TKeyKind kind, int key, const char* insertStatement,
             const char* updateStatement, const TRowParams& params);

// The same as a whole: a transaction of its own with an optional further step after the row,
// all or nothing, and the record's key set on success.
bool SaveRow(TDatabase& database, TKeyKind kind, int& key, const char* insertStatement,
             const char* updateStatement, const TRowParams& params,
             const std::function<bool()>& afterWrite = nullptr);

// WriteRow for a record: the statement's parameters come from the record's description, the key
// under the parameter name given.
template <typename R>
int WriteRecordRow(TDatabase& database, TKeyKind kind, const TRecordDescription<R>& description,
                   const R& record, int key, const char* insertStatement,
                   const char* updateStatement, const char* keyParam = "Id",
                   const TDBParameters& more = {}) {
  return WriteRow(database, kind, key, insertStatement, updateStatement,
                  [&](const QString& statement, int written) {
                    TDBParameters given = more;
                    given << MakeParam(QString::fromLatin1(keyParam), written);
                    return description.Params(statement, record, given);
                  });
}

// SaveRow for a record whose key is its Id.
template <typename R>
bool SaveRecord(TDatabase& database, TKeyKind kind, const TRecordDescription<R>& description,
                R& record, const char* insertStatement, const char* updateStatement,
                const std::function<bool()>& afterWrite = nullptr) {
  return SaveRow(
      database, kind, record.Id, insertStatement, updateStatement,
      [&](const QString& statement, int key) {
        return description.Params(statement, record, {MakeParam("Id", key)});
      },
      afterWrite);
}
