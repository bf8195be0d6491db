#pragma once

#include <functional>

#include "core/db/Database.h"
#include "core/domain/Keys.h"

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
