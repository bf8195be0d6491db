#pragma once

#include "core/db/BusyRetry.h"
#include "core/db/Database.h"

// One attempt of a transaction: begin; run the work; commit when it reports success, else roll
// back; when an error escapes, roll back this level and pass it on.
template <typename Work>
bool RunTransactionOnce(TDatabase& database, Work& work) {
  const int level = database.BeginTrans();
  try {
    const bool succeeded = work();
    if (succeeded)
      database.CommitTrans();
    else
      database.RollbackTrans();
    return succeeded;
  } catch (...) {
    if (database.TransLevel() >= level) {
      try {
        database.RollbackTrans();
      } catch (...) {
        // The first error is the one worth reporting.
      }
    }
    throw;
  }
}

// The transaction pattern of every multi-statement write. The outermost transaction that meets
// a busy database is tried again as a whole (TBusyRetry), so the work must start afresh from its
// inputs on every call: it keeps what it writes in locals until the transaction commits.
template <typename Work>
bool RunInTransaction(TDatabase& database, Work&& work) {
  if (database.InTransaction()) return RunTransactionOnce(database, work);
  TBusyRetry retry;
  for (;;) {
    try {
      return RunTransactionOnce(database, work);
    } catch (const EDatabaseBusy&) {
      retry.Pause();
    }
  }
}
