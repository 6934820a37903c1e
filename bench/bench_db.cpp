// Benchmarks of the database layer against plain SQLite calls (the floor).
//
// Database: 300 employees and 100,000 tbl_Kalender rows, made once in a temporary folder.
// Each benchmark times the layer (the reported time) and, in the same iterations, the same work
// done with plain SQLite calls. Counters: layer and floor figures, their ratio, and whether the
// target is met (opening and month query: ratio <= 3; Find and Filter: < 50 ns per row).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "db/Db.h"

namespace {

constexpr int kEmployees = 300;
constexpr int kRows = 100000;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

std::string Str(long n) { return std::string(n >= 0 ? " " : "") + std::to_string(n); }

void Check(int rc, sqlite3* h, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(h));
    std::exit(1);
  }
}

// The generated database (made on first use, removed at exit).
struct BenchDb {
  std::filesystem::path dir;
  std::string file;

  BenchDb() {
    std::random_device rd;
    dir = std::filesystem::temp_directory_path() /
          (std::string("mv_benchdb_") + std::to_string(rd()));
    std::filesystem::create_directories(dir);
    file = (dir / "Morvellan.mdb").string();
    std::ifstream in(MV_SCHEMA_SQL);
    std::stringstream schema;
    schema << in.rdbuf();
    db::CreateDatabaseFile(file, schema.str());

    sqlite3* h = nullptr;
    Check(sqlite3_open(file.c_str(), &h), h, "open");
    Check(sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr), h, "begin");
    sqlite3_stmt* st = nullptr;
    Check(sqlite3_prepare_v2(
              h,
              "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) "
              "VALUES (?, ?, ?, '*', '*', ?, 30)",
              -1, &st, nullptr),
          h, "prepare");
    for (int p = 1; p <= kEmployees; ++p) {
      std::string last = std::string("Name") + std::to_string(p),
                  first = std::string("Vor") + std::to_string(p);
      sqlite3_bind_int(st, 1, p);
      sqlite3_bind_text(st, 2, last.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(st, 3, first.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(st, 4, (p - 1) / 30 % 20);
      Check(sqlite3_step(st), h, "insert employee");
      sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_prepare_v2(
              h, "INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) VALUES (?, ?, ?, ?)", -1,
              &st, nullptr),
          h, "prepare");
    static const char* kCodes[] = {"U/", "U?", "U!", "K/", "K!", "Z/", "Z?", "D/", "S/", "S?"};
    const db::Date start(2006, 1, 1);
    for (int i = 0; i < kRows; ++i) {
      int p = i % kEmployees + 1;
      std::string iso = start.AddDays(i / kEmployees).ToIso();
      sqlite3_bind_int(st, 1, p);
      sqlite3_bind_text(st, 2, iso.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(st, 3, kCodes[i % 10], -1, SQLITE_STATIC);
      sqlite3_bind_int(st, 4, i % 7 == 0 ? i % 40 + 1 : 0);
      Check(sqlite3_step(st), h, "insert entry");
      sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(h, "COMMIT; ANALYZE;", nullptr, nullptr, nullptr), h, "commit");
    sqlite3_close(h);
  }
  ~BenchDb() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

BenchDb& Db() {
  static BenchDb instance;
  return instance;
}

sqlite3* OpenPlain() {
  sqlite3* h = nullptr;
  Check(sqlite3_open_v2(Db().file.c_str(), &h, SQLITE_OPEN_READWRITE, nullptr), h, "open");
  return h;
}

// Plain SQLite: prepare, step every row reading every column, finalize. Returns the rows.
long PlainQuery(sqlite3* h, const std::string& sql, long long& sink) {
  sqlite3_stmt* st = nullptr;
  Check(sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr), h, "prepare");
  long rows = 0;
  int n = sqlite3_column_count(st);
  while (sqlite3_step(st) == SQLITE_ROW) {
    for (int c = 0; c < n; ++c) {
      if (sqlite3_column_type(st, c) == SQLITE_INTEGER)
        sink += sqlite3_column_int64(st, c);
      else
        sink += sqlite3_column_bytes(st, c) + (sqlite3_column_text(st, c) ? 1 : 0);
    }
    ++rows;
  }
  sqlite3_finalize(st);
  return rows;
}

void Report(benchmark::State& state, double layerSeconds, double floorSeconds,
            double perIterationUnits, const char* unit, bool ratioTarget, double limit) {
  const double it = static_cast<double>(state.iterations());
  const double layer = layerSeconds / it / perIterationUnits * (unit[0] == 'n' ? 1e9 : 1e6);
  const double floor = floorSeconds / it / perIterationUnits * (unit[0] == 'n' ? 1e9 : 1e6);
  const double ratio = floor > 0 ? layer / floor : 0;
  state.counters[std::string("layer_") + unit] = layer;
  state.counters[std::string("floor_") + unit] = floor;
  state.counters["ratio"] = ratio;
  state.counters["target_met"] = ratioTarget ? (ratio <= limit ? 1 : 0) : (layer < limit ? 1 : 0);
}

// 1. Opening a recordset on the whole tbl_Kalender (and reading it into memory).
void BM_OpenWholeKalender(benchmark::State& state) {
  db::Connection conn;
  conn.Open(db::JetConnectionString(Db().file));
  sqlite3* h = OpenPlain();
  double layerT = 0, floorT = 0;
  long long sink = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    db::Recordset rs;
    rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
    benchmark::DoNotOptimize(rs.RecordCount());
    rs.Close();
    auto t1 = Clock::now();
    long rows = PlainQuery(h, "SELECT rowid, * FROM tbl_Kalender", sink);
    auto t2 = Clock::now();
    if (rows != kRows) state.SkipWithError("wrong row count");
    state.SetIterationTime(Seconds(t1 - t0));
    layerT += Seconds(t1 - t0);
    floorT += Seconds(t2 - t1);
  }
  benchmark::DoNotOptimize(sink);
  sqlite3_close(h);
  Report(state, layerT, floorT, 1, "ms", true, 3.0);
  state.counters["layer_ms"] = layerT / static_cast<double>(state.iterations()) * 1e3;
  state.counters["floor_ms"] = floorT / static_cast<double>(state.iterations()) * 1e3;
  state.counters.erase("layer_us");
  state.counters.erase("floor_us");
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_OpenWholeKalender)->UseManualTime()->Unit(benchmark::kMillisecond);

// 2. Find "Notiz = n" scanning all rows (n is not present).
void BM_FindNotizScanAll(benchmark::State& state) {
  db::Connection conn;
  conn.Open(db::JetConnectionString(Db().file));
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
  sqlite3* h = OpenPlain();
  sqlite3_stmt* st = nullptr;
  Check(sqlite3_prepare_v2(h, "SELECT rowid FROM tbl_Kalender WHERE Notiz = ?", -1, &st, nullptr),
        h, "prepare");
  const std::string criterion = std::string("Notiz = ") + std::to_string(999);
  double layerT = 0, floorT = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    rs.MoveFirst();
    rs.Find(criterion);
    benchmark::DoNotOptimize(rs.EOF());
    auto t1 = Clock::now();
    sqlite3_bind_int(st, 1, 999);
    int found = 0;
    while (sqlite3_step(st) == SQLITE_ROW) ++found;
    sqlite3_reset(st);
    auto t2 = Clock::now();
    if (!rs.EOF() || found) state.SkipWithError("found a row");
    state.SetIterationTime(Seconds(t1 - t0));
    layerT += Seconds(t1 - t0);
    floorT += Seconds(t2 - t1);
  }
  sqlite3_finalize(st);
  sqlite3_close(h);
  Report(state, layerT, floorT, kRows, "ns_per_row", false, 50.0);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FindNotizScanAll)->UseManualTime()->Unit(benchmark::kMicrosecond);

// 3. The deletion filter of the entry of absences over all rows.
void BM_DeletionFilterAllRows(benchmark::State& state) {
  db::Connection conn;
  conn.Open(db::JetConnectionString(Db().file));
  db::Recordset rs;
  rs.Open("tbl_Kalender", conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
  sqlite3* h = OpenPlain();
  sqlite3_stmt* st = nullptr;
  // The same scan in SQLite: every row tested (NOT INDEXED), as the in-memory filter does.
  Check(sqlite3_prepare_v2(h,
                           "SELECT rowid FROM tbl_Kalender NOT INDEXED WHERE PersNr = ? AND Datum "
                           ">= ? AND Datum <= ?",
                           -1, &st, nullptr),
        h, "prepare");
  const std::string criterion =
      std::string("PersNr=") + Str(17) + " AND Datum >=05.03.2006 AND Datum <=07.03.2006";
  double layerT = 0, floorT = 0;
  long count = 0;
  for (auto _ : state) {
    auto t0 = Clock::now();
    rs.Filter(criterion);
    count = rs.RecordCount();
    auto t1 = Clock::now();
    sqlite3_bind_int(st, 1, 17);
    sqlite3_bind_text(st, 2, "2006-03-05", -1, SQLITE_STATIC);
    sqlite3_bind_text(st, 3, "2006-03-07", -1, SQLITE_STATIC);
    long found = 0;
    while (sqlite3_step(st) == SQLITE_ROW) ++found;
    sqlite3_reset(st);
    auto t2 = Clock::now();
    if (count != found || count != 3) state.SkipWithError("different counts");
    state.SetIterationTime(Seconds(t1 - t0));
    layerT += Seconds(t1 - t0);
    floorT += Seconds(t2 - t1);
    rs.Filter(0);  // not timed
  }
  sqlite3_finalize(st);
  sqlite3_close(h);
  Report(state, layerT, floorT, kRows, "ns_per_row", false, 50.0);
  state.counters["rows_matched"] = static_cast<double>(count);
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_DeletionFilterAllRows)->UseManualTime()->Unit(benchmark::kMicrosecond);

// 4. The month query of the calendar for one employee (opened, every field of every row read,
// closed).
void BM_MonthQueryOneEmployee(benchmark::State& state) {
  db::Connection conn;
  conn.Open(db::JetConnectionString(Db().file));
  sqlite3* h = OpenPlain();
  double layerT = 0, floorT = 0, rangeT = 0;
  long long sink = 0;
  int i = 0;
  long rowsTotal = 0;
  for (auto _ : state) {
    const int p = i % kEmployees + 1;
    const int month = i % 11 + 1;
    ++i;
    std::string sql =
        "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ, tbl_Kalender.Notiz "
        "FROM tbl_Kalender "
        "WHERE (((tbl_Kalender.PersNr)=" +
        Str(p) + ") AND ((Month([Datum]))=" + Str(month) + ") AND ((Year([Datum]))=" + Str(2006) +
        "));";
    // The same query written for SQLite with its own date functions.
    std::string plain =
        "SELECT PersNr, Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = " + std::to_string(p) +
        " AND CAST(strftime('%m', Datum) AS INTEGER) = " + std::to_string(month) +
        " AND CAST(strftime('%Y', Datum) AS INTEGER) = 2006;";
    // For information: the fastest plain form, a date range on the (PersNr, Datum) index.
    char from[16], to[16];
    std::snprintf(from, sizeof from, "2006-%02d-01", month);
    std::snprintf(to, sizeof to, "2006-%02d-01", month + 1);
    std::string range =
        "SELECT PersNr, Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = " + std::to_string(p) +
        " AND Datum >= '" + from + "' AND Datum < '" + to + "';";
    auto t0 = Clock::now();
    db::Recordset rs;
    rs.Open(sql, conn, db::CursorType::Static, db::LockType::Pessimistic, -1);
    long rows = 0;
    for (; !rs.EOF(); rs.MoveNext()) {
      sink += rs["PersNr"].Int() + rs["Datum"].Date().Day() +
              static_cast<long long>(rs["KennZ"].Text().size()) + rs["Notiz"].Int();
      ++rows;
    }
    rs.Close();
    auto t1 = Clock::now();
    long plainRows = PlainQuery(h, plain, sink);
    auto t2 = Clock::now();
    long rangeRows = PlainQuery(h, range, sink);
    auto t3 = Clock::now();
    if (rows != plainRows || rows != rangeRows || rows < 28)
      state.SkipWithError("different row counts");
    rowsTotal += rows;
    state.SetIterationTime(Seconds(t1 - t0));
    layerT += Seconds(t1 - t0);
    floorT += Seconds(t2 - t1);
    rangeT += Seconds(t3 - t2);
  }
  benchmark::DoNotOptimize(sink);
  sqlite3_close(h);
  Report(state, layerT, floorT, 1, "us", true, 3.0);
  state.counters["range_us"] = rangeT / static_cast<double>(state.iterations()) * 1e6;
  state.counters["rows_per_query"] =
      static_cast<double>(rowsTotal) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_MonthQueryOneEmployee)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
