// Prepared statements: reused while recently used, bounded in number, never freed while running;
// a statement that cannot be prepared is reported with SQLite's description.
#include <sqlite3.h>

#include "DbTestSupport.h"
#include "db/Internal.h"

namespace {

using db::detail::CachedStatement;
using db::detail::StatementCache;

class DbStatements : public dbtest::DbTest {
 protected:
  static std::string Table(int i) { return "extra" + std::to_string(i); }

  // Tables extra0.. with the rows a = 0, 1, ..., rows - 1.
  void AddTables(int count, int rows) {
    std::string sql = "BEGIN;";
    for (int i = 0; i < count; ++i) {
      sql += "CREATE TABLE " + Table(i) + " (a INTEGER);";
      for (int r = 0; r < rows; ++r)
        sql += "INSERT INTO " + Table(i) + " VALUES (" + std::to_string(r) + ");";
    }
    Exec(sql + "COMMIT;");
  }

  // Statements prepared on the connection, cached or in use.
  std::size_t Prepared() {
    std::size_t n = 0;
    for (sqlite3_stmt* st = sqlite3_next_stmt(conn.Handle(), nullptr); st;
         st = sqlite3_next_stmt(conn.Handle(), st))
      ++n;
    return n;
  }

  static long long StepInt(sqlite3_stmt* st) {
    EXPECT_EQ(sqlite3_step(st), SQLITE_ROW) << sqlite3_sql(st);
    return sqlite3_column_int64(st, 0);
  }
};

}  // namespace

TEST_F(DbStatements, ManyTablesBeyondTheCacheAreReadAndWrittenWithABoundedNumberOfStatements) {
  constexpr int kTables = 100;  // each opening, update, insert and delete has its own statements
  AddTables(kTables, 1);
  conn.BeginTrans();  // one write to the disk, not hundreds
  for (int i = 0; i < kTables; ++i) {
    db::Recordset rs;
    rs.Open(Table(i), conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
    ASSERT_EQ(rs["a"].Int(), 0) << i;
    rs["a"] = 1000 + i;
    rs.Update();
    rs.AddNew();
    rs["a"] = -i;
    rs.Update();
    rs.MoveFirst();
    EXPECT_EQ(rs["a"].Int(), 1000 + i);
    rs.Delete();
    EXPECT_LE(Prepared(), StatementCache::kCapacity) << i;
  }
  conn.CommitTrans();
  for (int i : {0, kTables - 1}) EXPECT_EQ(Count("a = -" + std::to_string(i), Table(i)), 1) << i;
}

TEST_F(DbStatements, TheCacheKeepsTheRecentlyUsedAndEvictsWithoutFreeingAStatementInUse) {
  constexpr int kOthers = 3 * StatementCache::kCapacity;
  AddTables(2, 3);
  auto& state = *conn.State_();
  const std::string kept = "SELECT count(*) FROM extra1";
  CachedStatement running = state.Cached("SELECT a FROM extra0 ORDER BY a");
  EXPECT_EQ(StepInt(running.get()), 0);
  for (int i = 0; i < kOthers; ++i) {
    EXPECT_EQ(StepInt(state.Cached("SELECT " + std::to_string(i) + " + a FROM extra1").get()), i);
    EXPECT_EQ(StepInt(state.Cached(kept).get()), 3);
  }
  EXPECT_EQ(StepInt(running.get()), 1);
  EXPECT_EQ(StepInt(running.get()), 2);
  EXPECT_EQ(sqlite3_step(running.get()), SQLITE_DONE);
  EXPECT_EQ(sqlite3_stmt_status(state.Cached(kept).get(), SQLITE_STMTSTATUS_RUN, 0), kOthers)
      << "the statement used between all others was prepared once";
  EXPECT_EQ(Prepared(), StatementCache::kCapacity + 1) << "the cache and the running statement";
}

TEST_F(DbStatements, AStatementThatCannotBePreparedIsReportedWithSqlitesDescription) {
  Exec("CREATE TABLE gone (a INTEGER); CREATE VIEW lost AS SELECT a FROM gone; DROP TABLE gone;");
  using K = db::ErrorKind;
  const std::tuple<const char*, K, const char*> cases[] = {
      {"SELECT FROM tbl_Kalender", K::Sql, "syntax error"},
      {"SELECT [Nope] FROM tbl_Kalender", K::Sql, "no such column: Nope"},
      {"SELECT a FROM lost", K::TableNotFound, "no such table: main.gone"},
      {"lost", K::TableNotFound, "no such table: main.gone"},
  };
  for (const auto& [source, kind, description] : cases) {
    db::Recordset rs;
    const auto open = [&, sql = source] {
      rs.Open(sql, conn, db::CursorType::Static, db::LockType::Pessimistic);
    };
    EXPECT_TRUE(dbtest::Fails(open, kind, description)) << source;
    EXPECT_FALSE(rs.IsOpen()) << source;
  }
}
