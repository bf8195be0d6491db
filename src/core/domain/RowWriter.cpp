#include "core/domain/RowWriter.h"

#include "core/db/Transaction.h"

int WriteRow(TDatabase& database, TKeyKind kind, int key, const char* insertStatement,
             const char* updateStatement, const TRowParams& params) {
  const bool inserting = key <= 0;
  const int written = inserting ? TKeys::Next(kind, database) : key;
  const QString statement = QString::fromUtf8(inserting ? insertStatement : updateStatement);
  return database.ExecuteCount(statement, params(statement, written)) == 1 ? written : 0;
}

bool SaveRow(TDatabase& database, TKeyKind kind, int& key, const char* insertStatement,
             const char* updateStatement, const TRowParams& params,
             const std::function<bool()>& afterWrite) {
  int written = 0;
  // The key is read and used under the table's write lock, so that counters never collide.
  const bool saved = RunInTransaction(database, [&] {
    written = WriteRow(database, kind, key, insertStatement, updateStatement, params);
    return written > 0 && (!afterWrite || afterWrite());
  });
  if (saved) key = written;
  return saved;
}
