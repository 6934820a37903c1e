// Any text as a Jet SQL query: its translation for SQLite, and a query opened on a small
// database, either fail with a db::Error that says why or give rows whose values convert as the
// windows convert them.
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "db/Db.h"
#include "db/Internal.h"

namespace {

// The database stays as it was: a query may only read.
int OnlyReads(void*, int action, const char*, const char*, const char*, const char*) {
  switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
      return SQLITE_OK;
    default:
      return SQLITE_DENY;
  }
}

// Queries that would run for long (joins of joins, recursive queries) are stopped after two
// million steps, sooner than the connection's own limit stops them, so that fuzzing stays fast.
int StopLongQueries(void* checks) { return ++*static_cast<int*>(checks) > 2000; }

struct Scene {
  db::Connection conn;
  std::vector<std::string> tables;
  int checks = 0;  // of the current query, a thousand steps each

  Scene() {
    conn.Open(db::JetConnectionString(fuzz::CreateSampleDatabase("jetsql.mdb")));
    tables = conn.TableNames();
    sqlite3* h = conn.Handle();
    sqlite3_set_authorizer(h, OnlyReads, nullptr);
    sqlite3_progress_handler(h, 1000, StopLongQueries, &checks);
    sqlite3_limit(h, SQLITE_LIMIT_LENGTH, 1 << 20);
  }
};

// Each conversion the windows use either gives a value or fails with a db::Error.
void Convert(const db::Value& v) {
  const auto attempt = [](auto&& conversion) {
    try {
      conversion();
    } catch (const db::Error& e) {
      if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
    }
  };
  attempt([&] { v.Int(); });
  attempt([&] { v.Int64(); });
  attempt([&] { v.Double(); });
  attempt([&] { v.Text(); });
  attempt([&] { v.Date(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scene scene;
  const std::string jet(reinterpret_cast<const char*>(data), size);
  scene.checks = 0;
  db::Recordset rs;
  try {
    db::detail::TranslateJetSql(jet, scene.tables);
    rs.Open(jet, scene.conn, db::CursorType::Static, db::LockType::ReadOnly);
    for (; !rs.EOF(); rs.MoveNext())
      for (int f = 0; f < rs.FieldCount(); ++f) Convert(rs.Field(f).Get());
  } catch (const db::Error& e) {
    if (std::string(e.what()).empty()) fuzz::Finding("a db::Error without description");
  }
  return 0;
}
