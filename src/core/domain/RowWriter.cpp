#include "core/domain/RowWriter.h"

#include "core/db/Transaction.h"

int WriteRow(TKeyKind kind, int key, const char* insertStatement, const char* updateStatement,
             const std::function<TDBParameters(int key)>& params) {
  const bool inserting = key <= 0;
  const int written = inserting ? TKeys::Next(kind) : key;
  const int count =
      gDatabase->ExecuteCount(inserting ? insertStatement : updateStatement, params(written));
  return count == 1 ? written : 0;
}

bool SaveRow(TKeyKind kind, int& key, const char* insertStatement, const char* updateStatement,
             const std::function<TDBParameters(int key)>& params,
             const std::function<bool()>& afterWrite) {
  int written = 0;
  // The key is read and used under the table's write lock, so that counters never collide.
  const bool saved = RunInTransaction(*gDatabase, [&] {
    written = WriteRow(kind, key, insertStatement, updateStatement, params);
    return written > 0 && (!afterWrite || afterWrite());
  });
  if (saved) key = written;
  return saved;
}
