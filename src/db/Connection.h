#pragma once
// db::Connection: our stand-in for an ADO connection with the Jet OLE DB provider, over SQLite.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/Error.h"

struct sqlite3;

namespace db {

namespace detail {
struct ConnectionState;
}

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens an EXISTING database file for reading and writing; never creates one.
  // connectionString: "Provider = Microsoft.Jet.OLEDB.4.0;Data Source = <path>" (keywords ignore
  // case; blanks around keywords, '=' and values are ignored, so is the blank padding of the
  // path; a value may be put in double quotes). user, password and options are accepted and
  // ignored. Throws db::Error (FileNotFound, NotADatabase, ConnectionString, NotOpen when already
  // open) with a readable description. Tables are not checked here: a missing table fails at first
  // use. Sets the busy timeout (BusyTimeout) so that a write meeting another copy's lock waits,
  // and stops a statement that does not come to an end (StatementLimit) with a db::Error.
  void Open(const std::string& connectionString, const std::string& user = "",
            const std::string& password = "", int options = -1);

  // Closes the file. Recordsets stay readable in memory; their writes then throw (NotOpen).
  // Closing a closed connection does nothing.
  void Close();
  bool IsOpen() const;
  int State() const { return IsOpen() ? 1 : 0; }  // ADO adStateClosed 0 / adStateOpen 1

  // The path of the open file (blanks removed), empty when closed.
  const std::string& Path() const;

  // Native SQLite, not Jet: runs one or more statements (';'-separated) without translation.
  // For tools and tests (creating tables, seeding rows); the windows send no commands.
  void ExecuteNative(const std::string& sql);

  // ADO's transactions: the writes between BeginTrans and CommitTrans reach the file together,
  // RollbackTrans drops them. BeginTrans waits for another copy's write lock (busy timeout).
  // No nesting: a second BeginTrans throws.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  // Names of the tables in the file (as stored, table order of sqlite_master).
  std::vector<std::string> TableNames() const;

  // The underlying handle (for benchmarks and tests); nullptr when closed.
  sqlite3* Handle() const;

  static constexpr int kBusyTimeoutMs = 5000;
  // How long a statement waits for another copy's lock before it fails with ErrorKind::Busy; for
  // this connection now and at every later Open.
  void SetBusyTimeout(int milliseconds);
  int BusyTimeout() const { return busyTimeoutMs_; }

  // Internal: shared with the recordsets opened on this connection.
  const std::shared_ptr<detail::ConnectionState>& State_() const { return state_; }

 private:
  std::shared_ptr<detail::ConnectionState> state_;
  int busyTimeoutMs_ = kBusyTimeoutMs;
};

// Builds the program's Jet connection string for a path (in quotes where it holds a ';' or
// starts with a quote).
std::string JetConnectionString(std::string_view path);

// Creates a NEW database file at path and runs schemaSql (native SQLite) in it, in one
// transaction. Refuses (db::Error) when anything exists at path; on failure no file is left.
void CreateDatabaseFile(const std::string& path, const std::string& schemaSql);

}  // namespace db
