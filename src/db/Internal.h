#pragma once
// Internals of the database layer; not for use outside src/db, tests/db and bench.
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "db/Date.h"
#include "db/Error.h"
#include "db/StatementLimit.h"
#include "db/Value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace db {
namespace detail {

// ---- Values -------------------------------------------------------------------------------
struct ValueAccess {
  static long long I(const Value& v) { return v.u_.i; }
  static double D(const Value& v) { return v.u_.d; }
  static int DateKey(const Value& v) { return v.u_.date; }
  static const std::string& S(const Value& v) { return v.s_; }
  static Value FromDateKey(int key) {
    Value v;
    v.type_ = ValueType::Date;
    v.u_.date = key;
    return v;
  }
};

Date DateFromKey(int key);
// Fast parse of exactly "YYYY-MM-DD" (optionally followed by a time); 0 when not that form.
int IsoDateKey(const char* s, std::size_t n);
// A text read as a number: whole text (blanks around allowed). Returns false when it is not one.
bool ParseNumber(std::string_view text, long long& asInt, double& asDouble, bool& isInt);

// ---- Text (UTF-8) ---------------------------------------------------------------------------
char32_t FoldCp(char32_t cp);      // case folding (lower case)
char32_t BaseCp(char32_t folded);  // diacritics removed (ä -> a), for the primary order
std::string Trim(std::string_view s);
std::string AsciiLower(std::string_view s);

// LIKE matching over folded code points. anyChars: characters that match any run;
// oneChars: characters that match exactly one character.
bool GlobMatchFolded(std::string_view text, std::string_view pattern, std::u32string_view anyChars,
                     std::u32string_view oneChars);

// ---- Columns ------------------------------------------------------------------------------
enum class ColKind : std::uint8_t { Any, Integer, Double, Text, Date };
ColKind KindFromDeclType(std::string_view declType);
// Converts a value for writing into a column of that kind; throws TypeMismatch.
Value CoerceForColumn(const Value& v, ColKind kind, const std::string& columnName);

// Case-insensitive name lookup (FoldCase of the names).
class NameIndex {
 public:
  void Add(const std::string& name, int index);  // first name wins
  int Find(std::string_view name) const;         // -1 when missing
  void Clear() { map_.clear(); }

 private:
  std::unordered_map<std::string, int> map_;
};

// ---- Criteria -----------------------------------------------------------------------------
// A criterion compiled against a set of columns (field names resolved once).
class Criterion {
 public:
  // resolve: folded or plain field name -> column index (or -1). kinds: declared column kinds.
  static std::shared_ptr<const Criterion> Compile(
      std::string_view text, const std::function<int(std::string_view)>& resolve);
  bool Matches(const Value* row) const;
  bool Empty() const { return nodes_.empty(); }

  struct Literal {
    enum class Kind : std::uint8_t { Null, Number, Text, Date } kind = Kind::Null;
    bool isInt = false;
    long long i = 0;
    double d = 0;
    bool numeric = false;  // a text that reads as a number (i/d/isInt valid)
    int dateKey = 0;       // a date, or a text/number that reads as one (0 = none)
    std::string text;      // as written (numbers and dates: their text)
    std::string folded;    // FoldCase(text)
  };
  enum class Op : std::uint8_t {
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Like,
    NotLike,
    IsNull,
    IsNotNull,
    And,
    Or,
    Not
  };
  struct Node {
    explicit Node(Op o) : op(o) {}
    Op op;
    int col = -1;        // comparisons
    int a = -1, b = -1;  // children (And/Or: both, Not: a)
    Literal lit;
  };

 private:
  bool Eval(int node, const Value* row) const;
  std::vector<Node> nodes_;
  int root_ = -1;
  friend class CriterionParser;
};

// Comparison used by criteria and Sort: <0, 0, >0; sets comparable=false when the two cannot be
// compared (null, a text that is no date against a date, ...).
int CompareValues(const Value& a, const Value& b, bool& comparable);
// Total order for Sort (nulls first, then numbers, dates, texts).
int SortCompare(const Value& a, const Value& b);

// ---- SQL ----------------------------------------------------------------------------------
// Translates a Jet SQL text to SQLite. tableNames: the tables of the file (for case-insensitive
// names with umlauts).
std::string TranslateJetSql(std::string_view jet, const std::vector<std::string>& tableNames);
// Registers Month, Year, Day, Left, Right, Mid, Len, UCase, LCase, like and the MV_TEXT collation.
void RegisterJetFunctions(sqlite3* db);

// ---- Statements ---------------------------------------------------------------------------
struct StatementFinalizer {
  void operator()(sqlite3_stmt* st) const noexcept;
};
// A prepared statement, finalized by whoever holds it.
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// The recently used idle statements of a connection, by SQL text. A statement in use is not in the
// cache (its lease owns it), so evicting never frees a running statement.
class StatementCache {
 public:
  static constexpr std::size_t kCapacity = 64;

  // The kept statement for sql, taken out of the cache; empty when none is kept.
  Statement Take(const std::string& sql);
  // Keeps st (reset, bindings cleared) as the most recently used; the least recently used beyond
  // the capacity are finalized. A second statement for a text already kept is finalized.
  void Keep(std::string sql, Statement st);
  void Clear();

 private:
  struct Entry {
    std::string sql;
    Statement st;
  };
  std::list<Entry> order_;  // most recently used first
  std::unordered_map<std::string_view, std::list<Entry>::iterator> index_;  // keys view Entry::sql
};

struct ConnectionState;

// A statement lent by a connection's cache for one use; handed back when the lease ends, or
// finalized when the connection closed meanwhile. Must not outlive the connection state.
class CachedStatement {
 public:
  CachedStatement(ConnectionState& owner, std::string sql, Statement st)
      : owner_(owner), sql_(std::move(sql)), st_(std::move(st)) {}
  ~CachedStatement();
  CachedStatement(const CachedStatement&) = delete;
  CachedStatement& operator=(const CachedStatement&) = delete;

  sqlite3_stmt* get() const { return st_.get(); }

 private:
  ConnectionState& owner_;
  std::string sql_;
  Statement st_;
};

// ---- Connection state -----------------------------------------------------------------------
struct ConnectionState {
  sqlite3* db = nullptr;
  std::string path;
  StatementCache statements;
  std::vector<std::string> tables;
  bool tablesLoaded = false;
  StatementLimit limit;

  ~ConnectionState();
  void CloseDb();
  sqlite3* Db(const char* action) const;  // throws NotOpen when closed
  // Prepares sql; a failure is thrown as db::Error naming context and SQLite's description.
  Statement Prepare(const std::string& sql, const std::string& context);
  // A statement from the cache, or newly prepared (failures as Prepare's), lent for one use.
  CachedStatement Cached(const std::string& sql);
  const std::vector<std::string>& Tables(bool refresh = false);
  // The stored table name matching name without regard to case; empty when none.
  std::string ResolveTable(std::string_view name);
  [[noreturn]] void Fail(const std::string& context, int rc) const;
};

std::string SqliteMessage(sqlite3* db, int rc);
// Busy, NotWritable or DiskFull for a result code that speaks of the file rather than the
// statement; Other for every other code.
ErrorKind FileFailureKind(int rc);
std::string QuoteIdent(std::string_view name);  // "name" with " doubled

}  // namespace detail
}  // namespace db
