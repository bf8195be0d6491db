// The counter's daily work against the same statements on the plain SQLite C API: the keyword
// member search, saving a bill of five lines with its card totals, and recomputing card totals.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "BenchSupport.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
#include "core/domain/Consume.h"
#include "core/domain/Member.h"

namespace {

constexpr int kMembers = 100000;
constexpr int kCards = 10000;  // cards that carry the bills

// Heap memory in use now, in MiB.
double HeapInUseMiB() {
  return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// A data file with the members and bills of a busy shop, built once per size with plain inserts.
class ShopFile {
 public:
  static ShopFile& WithBills(int bills) {
    static std::map<int, std::unique_ptr<ShopFile>> files;
    auto& file = files[bills];
    if (!file) file.reset(new ShopFile(bills));
    return *file;
  }
  const TBenchDataFile& File() const { return file_; }

 private:
  explicit ShopFile(int bills) {
    TPlainSqlite plain(file_.FileName());
    plain.Exec("begin");
    sqlite3_stmt* member =
        plain.Prepare("insert into members (Id, Name, Mobile) values (?1, ?2, ?3)");
    sqlite3_stmt* card = plain.Prepare(
        "insert into cards (Id, MemberId, CardNo, ValidIf, TypeId, Discount, Balance, Consume, "
        "Score) values (?1, ?1, "
        "?2, 1, 1, 1, 0, 0, 0)");
    for (int id = 1; id <= kMembers; ++id) {
      const QByteArray name = QStringLiteral("会员%1").arg(id).toUtf8();
      const QByteArray mobile = QByteArray::number(13800000000LL + id);
      const QByteArray cardNo = "NO" + QByteArray::number(id);
      sqlite3_bind_int(member, 1, id);
      sqlite3_bind_text(member, 2, name.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(member, 3, mobile.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_step(member);
      sqlite3_reset(member);
      sqlite3_bind_int(card, 1, id);
      sqlite3_bind_text(card, 2, cardNo.constData(), -1, SQLITE_TRANSIENT);
      sqlite3_step(card);
      sqlite3_reset(card);
    }
    sqlite3_finalize(member);
    sqlite3_finalize(card);
    sqlite3_stmt* bill = plain.Prepare(
        "insert into consume (Id, Biztime, CardId, Point, Shldfund, Jifund, Payfund, Retfund, "
        "Accoman) values (?1, "
        "'2026-12-01 10:00:00', ?2, 5, 50, 10, 0, 0, 'sa')");
    sqlite3_stmt* line = plain.Prepare(
        "insert into consumedl (dlId, MastId, CommId, Price, Qty, Discount, Fund, AddTime) values "
        "(?1, ?1, 1, 50, 1, "
        "1, 50, '2026-12-01 10:00:00')");
    for (int id = 1; id <= bills; ++id) {
      sqlite3_bind_int(bill, 1, id);
      sqlite3_bind_int(bill, 2, 1 + id % kCards);
      sqlite3_step(bill);
      sqlite3_reset(bill);
      sqlite3_bind_int(line, 1, id);
      sqlite3_step(line);
      sqlite3_reset(line);
    }
    sqlite3_finalize(bill);
    sqlite3_finalize(line);
    plain.Exec("commit");
  }
  TBenchDataFile file_;
};

// The bill the counter saves: five lines on card 7.
RConsume CounterBill() {
  RConsume bill;
  bill.CardId = 7;
  bill.Biztime = QDateTime(QDate(2026, 12, 11), QTime(10, 0));
  bill.Accoman = "sa";
  bill.Payfund = TMoney::FromCents(2000);
  TMoney total;
  for (int i = 1; i <= 5; ++i) {
    RConsumedl line;
    line.CommId = i;
    line.Price = TMoney::FromCents(350 * i);
    line.Qty = 2;
    line.Discount = 0.9;
    line.Fund = LineAmount(line.Price->ToDouble(), line.Qty, line.Discount);
    line.AddTime = bill.Biztime;
    total += *line.Fund;
    bill.Lines << line;
  }
  bill.Shldfund = total;
  bill.Point = static_cast<int>(total.Cents() / 1000);
  return bill;
}

// Installs a connection to the file as gDatabase for the life of the object.
class Connected {
 public:
  explicit Connected(const TBenchDataFile& file) {
    gDatabase = new TDatabase();
    gDatabase->OpenWith(file.ConnectionString());
  }
  ~Connected() {
    delete gDatabase;
    gDatabase = nullptr;
  }
};

// Member search -------------------------------------------------------------------------------

constexpr char kMemberSearch[] =
    "select m.*, c.*, a.Name as CataName, c.Id as CardId, t.Name as TypeName  from (((members m "
    "left join cards c "
    "on m.Id=c.MemberId)  left join comcatas a on m.CataId=a.Id)  left join cardtypes t on "
    "c.TypeId=t.Id)  %1 "
    "order by m.Id";

void MemberSearch_Harmoz(benchmark::State& state, const char* keyword) {
  Connected connection(ShopFile::WithBills(10000).File());
  TMemberSet members;
  int found = 0;
  double held = 0;
  for (auto _ : state) {
    members.DataSet()->Close();
    const double before = HeapInUseMiB();
    members.Where().Clear();
    if (*keyword) members.Where().FieldByName("Keyword")->SetValue(QString::fromUtf8(keyword));
    found = members.Search();
    held = HeapInUseMiB() - before;
  }
  state.counters["rows"] = found;
  // The memory that the record set holds for the result, and the process's peak.
  state.counters["held_MiB"] = held;
  state.counters["peak_MiB"] = PeakMemoryMiB();
}

void MemberSearch_Plain(benchmark::State& state, const char* keyword) {
  TPlainSqlite plain(ShopFile::WithBills(10000).File().FileName());
  const QByteArray where =
      *keyword ? QStringLiteral("where (c.CardNo like ?1 or m.Name like ?1 or m.Mobile like ?1)")
                     .toUtf8()
               : "";
  const QByteArray sql = QString::fromUtf8(kMemberSearch).arg(QString::fromUtf8(where)).toUtf8();
  const QByteArray pattern = QByteArray("%") + keyword + "%";
  int found = 0;
  for (auto _ : state) {
    sqlite3_stmt* query = plain.Prepare(sql.constData());
    if (*keyword) sqlite3_bind_text(query, 1, pattern.constData(), -1, SQLITE_STATIC);
    found = 0;
    const int columns = sqlite3_column_count(query);
    while (sqlite3_step(query) == SQLITE_ROW) {
      for (int column = 0; column < columns; ++column)
        benchmark::DoNotOptimize(sqlite3_column_text(query, column));
      ++found;
    }
    sqlite3_finalize(query);
  }
  state.counters["rows"] = found;
}

// Saving a bill -------------------------------------------------------------------------------

void BillSave_Harmoz(benchmark::State& state) {
  Connected connection(ShopFile::WithBills(static_cast<int>(state.range(0))).File());
  for (auto _ : state) {
    RConsume bill = CounterBill();
    if (!TConsumeSet::Save(bill)) state.SkipWithError("save failed");
  }
}

void BillSave_Plain(benchmark::State& state) {
  TPlainSqlite plain(ShopFile::WithBills(static_cast<int>(state.range(0))).File().FileName());
  const RConsume model = CounterBill();
  auto scalar = [&](const char* sql, int cardId = 0) {
    sqlite3_stmt* query = plain.Prepare(sql);
    if (cardId) sqlite3_bind_int(query, 1, cardId);
    sqlite3_step(query);
    const double value = sqlite3_column_double(query, 0);
    sqlite3_finalize(query);
    return value;
  };
  for (auto _ : state) {
    plain.Exec("begin immediate");
    const int billId = static_cast<int>(scalar("select max(Id) from consume")) + 1;
    sqlite3_stmt* header = plain.Prepare(
        "insert into consume(Biztime, CardId, Point, Shldfund, Jifund, Payfund, Retfund, Accoman, "
        "Accotime, Notes, "
        "Id) values (?1, ?2, ?3, ?4, null, ?5, null, ?6, null, '', ?7)");
    sqlite3_bind_text(header, 1, "2026-12-11 10:00:00", -1, SQLITE_STATIC);
    sqlite3_bind_int(header, 2, 7);
    sqlite3_bind_int(header, 3, model.Point);
    sqlite3_bind_double(header, 4, model.Shldfund->ToDouble());
    sqlite3_bind_double(header, 5, model.Payfund->ToDouble());
    sqlite3_bind_text(header, 6, "sa", -1, SQLITE_STATIC);
    sqlite3_bind_int(header, 7, billId);
    sqlite3_step(header);
    sqlite3_finalize(header);
    const QByteArray prune = QByteArray("delete from consumedl where MastId=") +
                             QByteArray::number(billId) + " and dlId not in (0,0,0,0,0)";
    plain.Exec(prune.constData());
    for (const RConsumedl& line : model.Lines) {
      const int lineId = static_cast<int>(scalar("select max(dlId) from consumedl")) + 1;
      sqlite3_stmt* insert = plain.Prepare(
          "insert into consumedl(MastId, CommId, Price, Qty, Discount, Fund, dlNote, AddTime, "
          "dlId) values (?1, ?2, "
          "?3, ?4, ?5, ?6, '', '2026-12-11 10:00:00', ?7)");
      sqlite3_bind_int(insert, 1, billId);
      sqlite3_bind_int(insert, 2, line.CommId);
      sqlite3_bind_double(insert, 3, line.Price->ToDouble());
      sqlite3_bind_int(insert, 4, line.Qty);
      sqlite3_bind_double(insert, 5, line.Discount);
      sqlite3_bind_double(insert, 6, line.Fund->ToDouble());
      sqlite3_bind_int(insert, 7, lineId);
      sqlite3_step(insert);
      sqlite3_finalize(insert);
    }
    const double consumed = scalar("select sum(Shldfund) from consume where CardId=?1", 7);
    const double charged = scalar("select sum(Charfund+Songfund) from charges where CardId=?1", 7);
    const double spent = scalar("select sum(Point) from presents where CardId=?1", 7);
    sqlite3_stmt* update =
        plain.Prepare("update cards set Balance=?1, Consume=?2, Score=?3 where Id=?4");
    sqlite3_bind_double(update, 1, charged - consumed);
    sqlite3_bind_double(update, 2, consumed);
    sqlite3_bind_double(update, 3, -spent);
    sqlite3_bind_int(update, 4, 7);
    sqlite3_step(update);
    sqlite3_finalize(update);
    plain.Exec("commit");
  }
}

// Card totals -----------------------------------------------------------------------------------

void CardTotals_Harmoz(benchmark::State& state) {
  Connected connection(ShopFile::WithBills(10000).File());
  for (auto _ : state) benchmark::DoNotOptimize(TMemberSet::UpdateCardTotals(11));
}

void CardTotals_Plain(benchmark::State& state) {
  TPlainSqlite plain(ShopFile::WithBills(10000).File().FileName());
  for (auto _ : state) {
    double sums[3] = {};
    const char* queries[] = {"select sum(Shldfund), sum(Point) from consume where CardId=?1",
                             "select sum(Charfund+Songfund) from charges where CardId=?1",
                             "select sum(Point) from presents where CardId=?1"};
    for (int i = 0; i < 3; ++i) {
      sqlite3_stmt* query = plain.Prepare(queries[i]);
      sqlite3_bind_int(query, 1, 11);
      sqlite3_step(query);
      sums[i] = sqlite3_column_double(query, 0);
      sqlite3_finalize(query);
    }
    sqlite3_stmt* update =
        plain.Prepare("update cards set Balance=?1, Consume=?2, Score=?3 where Id=?4");
    sqlite3_bind_double(update, 1, sums[1] - sums[0]);
    sqlite3_bind_double(update, 2, sums[0]);
    sqlite3_bind_double(update, 3, -sums[2]);
    sqlite3_bind_int(update, 4, 11);
    sqlite3_step(update);
    sqlite3_finalize(update);
  }
}

}  // namespace

BENCHMARK_CAPTURE(MemberSearch_Harmoz, keyword, "会员7777")
    ->Name("MemberSearch/Harmoz/keyword")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MemberSearch_Plain, keyword, "会员7777")
    ->Name("MemberSearch/Plain/keyword")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MemberSearch_Harmoz, all, "")
    ->Name("MemberSearch/Harmoz/all")
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MemberSearch_Plain, all, "")
    ->Name("MemberSearch/Plain/all")
    ->MinTime(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BillSave_Harmoz)
    ->Name("BillSave/Harmoz")
    ->Arg(10000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BillSave_Plain)
    ->Name("BillSave/Plain")
    ->Arg(10000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(CardTotals_Harmoz)->Name("CardTotals/Harmoz")->Unit(benchmark::kMicrosecond);
BENCHMARK(CardTotals_Plain)->Name("CardTotals/Plain")->Unit(benchmark::kMicrosecond);
