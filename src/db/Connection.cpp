#include "db/Connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "db/ConnectionString.h"
#include "db/Criteria.h"
#include "db/Internal.h"

namespace db {
namespace detail {

std::string SqliteMessage(sqlite3* db, int rc) {
  const char* msg = db ? sqlite3_errmsg(db) : nullptr;
  std::string m = msg && *msg ? msg : sqlite3_errstr(rc);
  return m;
}

ConnectionState::~ConnectionState() { CloseDb(); }

void ConnectionState::CloseDb() {
  statements.Clear();
  if (db) sqlite3_close_v2(db);
  db = nullptr;
  tables.clear();
  tablesLoaded = false;
}

sqlite3* ConnectionState::Db(const char* action) const {
  if (!db)
    throw Error(std::string("Cannot ") + action + ": the database connection is closed.",
                ErrorKind::NotOpen);
  return db;
}

ErrorKind FileFailureKind(int rc) {
  switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return ErrorKind::Busy;
    // A read-only file, or a folder where the journal cannot be created.
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      return ErrorKind::NotWritable;
    case SQLITE_FULL:
      return ErrorKind::DiskFull;
    default:
      return ErrorKind::Other;
  }
}

void ConnectionState::Fail(const std::string& context, int rc) const {
  switch (FileFailureKind(rc)) {
    case ErrorKind::Busy:
      throw Error(context +
                      ": the database file is in use by another user (locked); nothing was "
                      "changed. Please try again.",
                  ErrorKind::Busy);
    case ErrorKind::NotWritable:
      throw Error(context + ": the database file " + path + " cannot be written (" +
                      SqliteMessage(db, rc) + "). Nothing was changed.",
                  ErrorKind::NotWritable);
    case ErrorKind::DiskFull:
      throw Error(context + ": the database file " + path + " cannot grow, the disk is full (" +
                      SqliteMessage(db, rc) + "). Nothing was changed.",
                  ErrorKind::DiskFull);
    default:
      break;
  }
  const int primary = rc & 0xFF;
  if (primary == SQLITE_NOTADB)
    throw Error(context + ": the file " + path + " is not a database.", ErrorKind::NotADatabase);
  if (primary == SQLITE_INTERRUPT)
    throw Error(context + ": reading the file " + path +
                    " does not come to an end; it is damaged or not a database of this program. "
                    "Nothing was changed.",
                ErrorKind::Sql);
  // A table that another copy dropped after this one read the names.
  if (SqliteMessage(db, rc).rfind("no such table", 0) == 0)
    throw Error(context + ": " + SqliteMessage(db, rc) + ".", ErrorKind::TableNotFound);
  std::string why;
  switch (rc) {
    case SQLITE_CONSTRAINT_CHECK:
      why = "a value is too long or out of its range";
      break;
    case SQLITE_CONSTRAINT_NOTNULL:
      why = "a field has no value";
      break;
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
      why = "a row with the same key exists already";
      break;
    default:
      break;
  }
  throw Error(context + ": " + (why.empty() ? "" : why + " (") + SqliteMessage(db, rc) +
                  (why.empty() ? "" : ")") + ". Nothing was changed.",
              why.empty() ? ErrorKind::Sql : ErrorKind::Constraint);
}

Statement ConnectionState::Prepare(const std::string& sql, const std::string& context) {
  sqlite3* h = Db("run a statement");
  sqlite3_stmt* prepared = nullptr;
  int rc = sqlite3_prepare_v2(h, sql.c_str(), static_cast<int>(sql.size()), &prepared, nullptr);
  Statement st(prepared);
  if (rc != SQLITE_OK) Fail(context, rc);
  if (!st) throw Error(context + ": the SQL text holds no statement.", ErrorKind::Sql);
  return st;
}

CachedStatement ConnectionState::Cached(const std::string& sql) {
  Statement st = statements.Take(sql);
  if (!st) st = Prepare(sql, "The statement cannot be prepared");
  return CachedStatement(*this, sql, std::move(st));
}

const std::vector<std::string>& ConnectionState::Tables(bool refresh) {
  if (tablesLoaded && !refresh) return tables;
  Statement st = Prepare(
      "SELECT name FROM sqlite_master WHERE type IN ('table','view') AND name NOT LIKE 'sqlite_%'",
      "The table names cannot be read");
  tables.clear();
  int rc;
  while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
    tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
  if (rc != SQLITE_DONE) Fail("The table names cannot be read", rc);
  tablesLoaded = true;
  return tables;
}

std::string ConnectionState::ResolveTable(std::string_view name) {
  for (int pass = 0; pass < 2; ++pass) {
    for (const std::string& t : Tables(pass == 1))
      if (EqualsNoCase(t, name)) return t;
  }
  return std::string();
}

}  // namespace detail

Connection::Connection() = default;

Connection::~Connection() { Close(); }

void Connection::Open(const std::string& connectionString, const std::string&, const std::string&,
                      int) {
  if (IsOpen())
    throw Error("The connection is already open (" + Path() + "); close it first.",
                ErrorKind::NotOpen);

  const std::string path = DataSourcePath(connectionString);
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    throw Error("The database file " + path + " was not found (" + std::strerror(errno) + ").",
                ErrorKind::FileNotFound);
  if (S_ISDIR(st.st_mode))
    throw Error("The database path " + path + " is a folder, not a database file.",
                ErrorKind::FileNotFound);
  if (!S_ISREG(st.st_mode))
    throw Error("The database path " + path + " is not a regular file.", ErrorKind::NotADatabase);
  if (st.st_size == 0)
    throw Error("The file " + path + " is empty: it is not a database.", ErrorKind::NotADatabase);

  auto state = std::make_shared<detail::ConnectionState>();
  state->path = path;
  int rc = sqlite3_open_v2(path.c_str(), &state->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                           nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = detail::SqliteMessage(state->db, rc);
    state->CloseDb();
    throw Error("The database file " + path + " cannot be opened: " + msg + ".",
                ErrorKind::FileNotFound);
  }
  sqlite3_busy_timeout(state->db, busyTimeoutMs_);
  state->limit.Watch(state->db);
  sqlite3_extended_result_codes(state->db, 1);
#ifdef SQLITE_DBCONFIG_DQS_DML
  // "name" is always a name, never a text (a misspelt [Field] must fail, not compare with text).
  sqlite3_db_config(state->db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(state->db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
#endif
  // Reading the schema tells whether this is a database at all.
  rc = sqlite3_exec(state->db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = detail::SqliteMessage(state->db, rc);
    int primary = rc & 0xFF;
    state->CloseDb();
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
      throw Error("The file " + path + " is not a database (" + msg + ").",
                  ErrorKind::NotADatabase);
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
      throw Error("The database file " + path + " is locked by another user: " + msg + ".",
                  ErrorKind::Busy);
    throw Error("The database file " + path + " cannot be read: " + msg + ".",
                ErrorKind::NotADatabase);
  }
  detail::RegisterJetFunctions(state->db);
  state_ = std::move(state);
}

void Connection::Close() {
  if (state_) state_->CloseDb();
  state_.reset();
}

bool Connection::IsOpen() const { return state_ && state_->db; }

const std::string& Connection::Path() const {
  static const std::string kEmpty;
  return IsOpen() ? state_->path : kEmpty;
}

void Connection::ExecuteNative(const std::string& sql) {
  if (!IsOpen())
    throw Error("Cannot run SQL: the database connection is closed.", ErrorKind::NotOpen);
  char* err = nullptr;
  int rc = sqlite3_exec(state_->db, sql.c_str(), nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string msg = err ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    const ErrorKind kind = detail::FileFailureKind(rc);
    throw Error("The SQL statement failed: " + msg + ".",
                kind == ErrorKind::Other ? ErrorKind::Sql : kind);
  }
  state_->tablesLoaded = false;
}

void Connection::BeginTrans() { ExecuteNative("BEGIN IMMEDIATE"); }

void Connection::CommitTrans() { ExecuteNative("COMMIT"); }

void Connection::RollbackTrans() { ExecuteNative("ROLLBACK"); }

std::vector<std::string> Connection::TableNames() const {
  if (!IsOpen())
    throw Error("Cannot list tables: the database connection is closed.", ErrorKind::NotOpen);
  return state_->Tables(true);
}

void Connection::SetBusyTimeout(int milliseconds) {
  busyTimeoutMs_ = milliseconds;
  if (IsOpen()) sqlite3_busy_timeout(state_->db, busyTimeoutMs_);
}

sqlite3* Connection::Handle() const { return IsOpen() ? state_->db : nullptr; }

std::string JetConnectionString(std::string_view path) {
  // Unquoted, a path would end at a ';' or be read as quoted from a leading quote on.
  std::string value(path);
  const std::size_t first = value.find_first_not_of(" \t");
  const bool needsQuotes =
      value.find(';') != std::string::npos ||
      (first != std::string::npos && (value[first] == '"' || value[first] == '\''));
  if (needsQuotes && value.find('"') == std::string::npos)
    value = '"' + value + '"';
  else if (needsQuotes && value.find('\'') == std::string::npos)
    value = '\'' + value + '\'';
  return "Provider = Microsoft.Jet.OLEDB.4.0;Data Source = " + value;
}

void CreateDatabaseFile(const std::string& path, const std::string& schemaSql) {
  if (detail::Trim(path).empty())
    throw Error("No path was given for the new database file.", ErrorKind::FileNotFound);
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    throw Error("The file " + path + " exists already; it is not overwritten.", ErrorKind::Other);
  sqlite3* h = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    std::string msg = detail::SqliteMessage(h, rc);
    sqlite3_close_v2(h);
    std::remove(path.c_str());
    throw Error("The database file " + path + " cannot be created: " + msg + ".",
                ErrorKind::FileNotFound);
  }
  std::string script = "BEGIN;\n" + schemaSql + "\nCOMMIT;";
  char* err = nullptr;
  rc = sqlite3_exec(h, script.c_str(), nullptr, nullptr, &err);
  if (rc != SQLITE_OK) {
    std::string msg = err ? err : sqlite3_errstr(rc);
    sqlite3_free(err);
    sqlite3_close_v2(h);
    std::remove(path.c_str());
    std::remove((path + "-journal").c_str());
    throw Error("The database file " + path + " cannot be created: " + msg + ".", ErrorKind::Sql);
  }
  sqlite3_close_v2(h);
}

}  // namespace db
