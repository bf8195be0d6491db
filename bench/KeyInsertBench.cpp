// The key rule of every insert: read the table's maximum key, add one, insert the row.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "core/base/Variants.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"

namespace {

constexpr int kBatch = 100;

void InsertGiftWithProgram(TRecordSet& lookup, TDatabase& database) {
  lookup.OpenSql("select max(Id) from gifts");
  const int id = VarToInt(lookup.DataSet()->Field(0)->Value()) + 1;
  database.ExecuteCount(
      "insert into gifts (Id, Code, Name, [Point], Stock) values (:Id, :Code, :Name, :Point, "
      ":Stock)",
      {MakeParam("Id", id), MakeParam("Code", "G"), MakeParam("Name", "礼品"),
       MakeParam("Point", 100), MakeParam("Stock", 5.0)});
}

void InsertGiftWithPlainApi(TPlainSqlite& plain) {
  sqlite3_stmt* max = plain.Prepare("select max(Id) from gifts");
  sqlite3_step(max);
  const int id = sqlite3_column_int(max, 0) + 1;
  sqlite3_finalize(max);
  sqlite3_stmt* insert = plain.Prepare(
      "insert into gifts (Id, Code, Name, [Point], Stock) values (?1, ?2, ?3, ?4, ?5)");
  sqlite3_bind_int(insert, 1, id);
  sqlite3_bind_text(insert, 2, "G", -1, SQLITE_STATIC);
  sqlite3_bind_text(insert, 3, "礼品", -1, SQLITE_STATIC);
  sqlite3_bind_int(insert, 4, 100);
  sqlite3_bind_double(insert, 5, 5.0);
  sqlite3_step(insert);
  sqlite3_finalize(insert);
}

// Each insert committed on its own, as the program stores a single row.
void KeyInsert_Harmoz(benchmark::State& state) {
  TBenchDataFile file;
  TDatabase database;
  database.OpenWith(file.ConnectionString());
  TRecordSet lookup(&database);
  for (auto _ : state) InsertGiftWithProgram(lookup, database);
}

void KeyInsert_Plain(benchmark::State& state) {
  TBenchDataFile file;
  TPlainSqlite plain(file.FileName());
  for (auto _ : state) InsertGiftWithPlainApi(plain);
}

// A batch of inserts inside one transaction: the layer's own cost without the disk's.
void KeyInsertBatch_Harmoz(benchmark::State& state) {
  TBenchDataFile file;
  TDatabase database;
  database.OpenWith(file.ConnectionString());
  TRecordSet lookup(&database);
  for (auto _ : state) {
    database.BeginTrans();
    for (int i = 0; i < kBatch; ++i) InsertGiftWithProgram(lookup, database);
    database.CommitTrans();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

void KeyInsertBatch_Plain(benchmark::State& state) {
  TBenchDataFile file;
  TPlainSqlite plain(file.FileName());
  for (auto _ : state) {
    plain.Exec("begin immediate");
    for (int i = 0; i < kBatch; ++i) InsertGiftWithPlainApi(plain);
    plain.Exec("commit");
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}

}  // namespace

BENCHMARK(KeyInsert_Harmoz)->Name("KeyInsert/Harmoz")->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyInsert_Plain)->Name("KeyInsert/Plain")->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyInsertBatch_Harmoz)->Name("KeyInsertBatch/Harmoz")->Unit(benchmark::kMicrosecond);
BENCHMARK(KeyInsertBatch_Plain)->Name("KeyInsertBatch/Plain")->Unit(benchmark::kMicrosecond);
