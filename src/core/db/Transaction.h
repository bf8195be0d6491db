#pragma once

#include "core/db/Database.h"

// The transaction pattern of every multi-statement write: begin; run the work; commit when it
// reports success, else roll back; when an error escapes, roll back this level and pass it on.
template <typename Work>
bool RunInTransaction(TDatabase& database, Work&& work) {
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
