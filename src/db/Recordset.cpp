#include "db/Recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "db/Criteria.h"
#include "db/Internal.h"

namespace db {

using detail::ColKind;
using detail::Criterion;
using VA = detail::ValueAccess;

struct Recordset::Impl {
  // Kept across Close/Open.
  CursorLocation location = CursorLocation::Server;

  // State of an open recordset.
  bool open = false;
  std::shared_ptr<detail::ConnectionState> conn;
  bool isTable = false;
  bool readOnly = true;
  std::string source;
  std::string table;  // stored name of the table (table recordsets)
  CursorType cursor = CursorType::ForwardOnly;
  LockType lock = LockType::ReadOnly;

  struct Col {
    std::string name;
    ColKind kind = ColKind::Any;
    bool autoNumber = false;  // alias of the rowid: assigned by the database
  };
  std::vector<Col> cols;
  detail::NameIndex names;
  std::size_t ncols = 0;

  // Row store (insertion / query order): ncols values per row.
  std::vector<Value> cells;
  std::vector<long long> rowids;
  std::vector<std::uint8_t> deleted;
  std::size_t nrows = 0;

  // Visible rows (filter, sort) and the cursor: pos -1 = BOF, view.size() = EOF.
  std::vector<std::uint32_t> view;
  long pos = 0;
  long visible = 0;

  std::string filterText;
  std::shared_ptr<const Criterion> filter;
  std::string sortText;
  std::vector<std::pair<int, bool>> sortKeys;  // column, descending

  // Pending change.
  EditMode mode = EditMode::None;
  std::uint32_t editRow = 0;
  long prevPos = 0;  // position before AddNew (for CancelUpdate)
  std::vector<Value> editValues;
  std::vector<std::uint8_t> assigned;

  // Last compiled Find criterion.
  std::string findText;
  std::shared_ptr<const Criterion> findCrit;

  // ---- helpers ------------------------------------------------------------------------------
  std::string What() const { return isTable ? "the table " + table : "the query"; }

  void RequireOpen(const char* action) const {
    if (!open)
      throw Error(std::string("Cannot ") + action + ": the recordset is closed.",
                  ErrorKind::NotOpen);
  }
  void RequireWritable(const char* action) const {
    RequireOpen(action);
    if (!isTable)
      throw Error(
          std::string("Cannot ") + action + ": a recordset opened on an SQL text is read-only.",
          ErrorKind::ReadOnly);
    if (readOnly)
      throw Error(std::string("Cannot ") + action + ": the recordset on " + table +
                      " was opened read-only.",
                  ErrorKind::ReadOnly);
  }

  const Value* Row(std::uint32_t r) const {
    return cells.data() + static_cast<std::size_t>(r) * ncols;
  }
  Value* Row(std::uint32_t r) { return cells.data() + static_cast<std::size_t>(r) * ncols; }

  bool AtRow() const { return pos >= 0 && pos < static_cast<long>(view.size()); }
  bool OnLiveRow() const { return AtRow() && !deleted[view[static_cast<std::size_t>(pos)]]; }
  std::uint32_t CurRow() const { return view[static_cast<std::size_t>(pos)]; }

  int ResolveName(std::string_view name) const {
    std::string n = detail::Trim(name);
    if (n.size() >= 2 && n.front() == '[' && n.back() == ']') n = n.substr(1, n.size() - 2);
    int c = names.Find(n);
    if (c < 0) {
      std::size_t dot = n.rfind('.');
      if (dot != std::string::npos) {
        std::string last = n.substr(dot + 1);
        if (last.size() >= 2 && last.front() == '[' && last.back() == ']')
          last = last.substr(1, last.size() - 2);
        c = names.Find(last);
      }
    }
    return c;
  }
  int RequireField(std::string_view name) const {
    RequireOpen("read a field");
    int c = ResolveName(name);
    if (c < 0)
      throw Error(
          "The field '" + std::string(name) + "' is not in the recordset on " + What() + ".",
          ErrorKind::FieldNotFound);
    return c;
  }

  std::shared_ptr<const Criterion> Compile(std::string_view text) const {
    return Criterion::Compile(text, [this](std::string_view n) { return ResolveName(n); });
  }

  // ---- loading ------------------------------------------------------------------------------
  static Value ReadCell(sqlite3_stmt* st, int i, ColKind kind) {
    switch (sqlite3_column_type(st, i)) {
      case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_column_int64(st, i)));
      case SQLITE_FLOAT:
        return Value(sqlite3_column_double(st, i));
      case SQLITE_TEXT:
      case SQLITE_BLOB: {
        const char* s = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        std::size_t n = static_cast<std::size_t>(sqlite3_column_bytes(st, i));
        if (kind == ColKind::Date) {
          int key = detail::IsoDateKey(s, n);
          if (key) return VA::FromDateKey(key);
        }
        return Value(std::string_view(s, n));
      }
      default:
        return Value();
    }
  }

  void SetColumns(sqlite3_stmt* st, int first) {
    cols.clear();
    names.Clear();
    int n = sqlite3_column_count(st);
    for (int i = first; i < n; ++i) {
      Col c;
      const char* nm = sqlite3_column_name(st, i);
      c.name = nm ? nm : "";
      const char* decl = sqlite3_column_decltype(st, i);
      c.kind = decl ? detail::KindFromDeclType(decl) : ColKind::Any;
      names.Add(c.name, static_cast<int>(cols.size()));
      cols.push_back(std::move(c));
    }
    ncols = cols.size();
  }

  // Steps st to its end, appending rows. first = 1 when column 0 is the rowid.
  void LoadRows(sqlite3_stmt* st, int first, std::size_t expected) {
    cells.clear();
    rowids.clear();
    deleted.clear();
    nrows = 0;
    if (expected) {
      cells.reserve(expected * ncols);
      rowids.reserve(expected);
    }
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
      rowids.push_back(first ? sqlite3_column_int64(st, 0) : static_cast<long long>(nrows));
      for (std::size_t c = 0; c < ncols; ++c)
        cells.push_back(ReadCell(st, static_cast<int>(c) + first, cols[c].kind));
      ++nrows;
    }
    if (rc != SQLITE_DONE) conn->Fail("The rows of " + What() + " cannot be read", rc);
    deleted.assign(nrows, 0);
  }

  void MarkAutoNumber() {
    detail::CachedStatement st =
        conn->Cached("PRAGMA table_info(" + detail::QuoteIdent(table) + ")");
    int pkCount = 0;
    std::string pkName, pkType;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
      if (sqlite3_column_int(st.get(), 5) > 0) {
        ++pkCount;
        pkName = reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 1));
        const unsigned char* t = sqlite3_column_text(st.get(), 2);
        pkType = t ? reinterpret_cast<const char*>(t) : "";
      }
    }
    if (rc != SQLITE_DONE) conn->Fail("The fields of " + What() + " cannot be read", rc);
    if (pkCount == 1 && detail::AsciiLower(detail::Trim(pkType)) == "integer") {
      int c = names.Find(pkName);
      if (c >= 0) cols[static_cast<std::size_t>(c)].autoNumber = true;
    }
  }

  std::size_t CountRows() {
    detail::CachedStatement st = conn->Cached("SELECT count(*) FROM " + detail::QuoteIdent(table));
    int rc = sqlite3_step(st.get());
    if (rc != SQLITE_ROW) conn->Fail("The rows of " + What() + " cannot be counted", rc);
    return static_cast<std::size_t>(sqlite3_column_int64(st.get(), 0));
  }

  void LoadTable() {
    const std::size_t expected = CountRows();
    detail::CachedStatement st =
        conn->Cached("SELECT rowid, * FROM " + detail::QuoteIdent(table) + " ORDER BY rowid");
    SetColumns(st.get(), 1);
    MarkAutoNumber();
    LoadRows(st.get(), 1, expected);
  }

  void LoadQuery() {
    detail::Statement st = conn->Prepare(detail::TranslateJetSql(source, conn->Tables()),
                                         "The query \"" + source + "\" cannot be run");
    SetColumns(st.get(), 0);
    LoadRows(st.get(), 0, 0);
  }

  // ---- view ---------------------------------------------------------------------------------
  void RebuildView() {
    view.clear();
    view.reserve(nrows);
    const Criterion* f = filter.get();
    for (std::uint32_t r = 0; r < nrows; ++r) {
      if (deleted[r]) continue;
      if (f && !f->Matches(Row(r))) continue;
      view.push_back(r);
    }
    if (!sortKeys.empty()) {
      std::stable_sort(view.begin(), view.end(), [this](std::uint32_t a, std::uint32_t b) {
        const Value* ra = Row(a);
        const Value* rb = Row(b);
        for (auto [c, desc] : sortKeys) {
          int r = detail::SortCompare(ra[c], rb[c]);
          if (r != 0) return desc ? r > 0 : r < 0;
        }
        return false;
      });
    }
    visible = static_cast<long>(view.size());
    pos = 0;
  }

  void SkipForward() {
    while (pos < static_cast<long>(view.size()) && deleted[view[static_cast<std::size_t>(pos)]])
      ++pos;
  }
  void SkipBackward() {
    while (pos >= 0 && deleted[view[static_cast<std::size_t>(pos)]]) --pos;
  }

  // ---- writing ------------------------------------------------------------------------------
  void Bind(sqlite3_stmt* st, int idx, const Value& v) {
    switch (v.Type()) {
      case ValueType::Null:
        sqlite3_bind_null(st, idx);
        break;
      case ValueType::Integer:
        sqlite3_bind_int64(st, idx, VA::I(v));
        break;
      case ValueType::Double:
        sqlite3_bind_double(st, idx, VA::D(v));
        break;
      case ValueType::Text: {
        const std::string& s = VA::S(v);
        sqlite3_bind_text(st, idx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        break;
      }
      case ValueType::Date: {
        std::string iso = v.Date().ToIso();
        sqlite3_bind_text(st, idx, iso.data(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
        break;
      }
    }
  }

  void DropEdit() {
    mode = EditMode::None;
    editValues.clear();
    assigned.clear();
  }

  void CancelAdd() {
    // The new row is the last of the store and sits at pos in the view.
    std::uint32_t r = editRow;
    auto it = std::find(view.begin(), view.end(), r);
    if (it != view.end()) view.erase(it);
    cells.resize(static_cast<std::size_t>(r) * ncols);
    rowids.resize(r);
    deleted.resize(r);
    nrows = r;
    --visible;
    pos = std::min<long>(prevPos, static_cast<long>(view.size()));
    DropEdit();
  }

  // Drops the pending change after a failed save: a new row disappears, an edited one keeps its
  // stored values.
  void Abandon() {
    if (mode == EditMode::Add)
      CancelAdd();
    else
      DropEdit();
  }

  // The stored values of a new row: its automatic number and the table's defaults.
  void ReadBack(std::uint32_t r, long long rowid) {
    detail::CachedStatement st =
        conn->Cached("SELECT rowid, * FROM " + detail::QuoteIdent(table) + " WHERE rowid = ?");
    sqlite3_bind_int64(st.get(), 1, rowid);
    int rc = sqlite3_step(st.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
      conn->Fail("The new row of " + table + " was saved but cannot be read back", rc);
    if (rc != SQLITE_ROW || static_cast<std::size_t>(sqlite3_column_count(st.get())) != ncols + 1)
      return;
    Value* row = Row(r);
    for (std::size_t c = 0; c < ncols; ++c)
      row[c] = ReadCell(st.get(), static_cast<int>(c) + 1, cols[c].kind);
  }

  std::string InsertSql(const std::vector<int>& changed) const {
    std::string qt = detail::QuoteIdent(table);
    if (changed.empty()) return "INSERT INTO " + qt + " DEFAULT VALUES";
    std::string fields, marks;
    for (std::size_t k = 0; k < changed.size(); ++k) {
      if (k) {
        fields += ", ";
        marks += ", ";
      }
      fields += detail::QuoteIdent(cols[static_cast<std::size_t>(changed[k])].name);
      marks += "?";
    }
    return "INSERT INTO " + qt + " (" + fields + ") VALUES (" + marks + ")";
  }

  std::string UpdateSql(const std::vector<int>& changed) const {
    std::string sets;
    for (std::size_t k = 0; k < changed.size(); ++k) {
      if (k) sets += ", ";
      sets += detail::QuoteIdent(cols[static_cast<std::size_t>(changed[k])].name) + " = ?";
    }
    return "UPDATE " + detail::QuoteIdent(table) + " SET " + sets + " WHERE rowid = ?";
  }

  void Save() {
    if (mode == EditMode::None) return;
    std::vector<int> changed;
    for (std::size_t c = 0; c < ncols; ++c)
      if (assigned[c]) changed.push_back(static_cast<int>(c));
    const bool adding = mode == EditMode::Add;
    const std::uint32_t r = editRow;
    long long rowid = rowids[r];
    try {
      sqlite3* db = conn->Db("save the row");
      detail::CachedStatement st = conn->Cached(adding ? InsertSql(changed) : UpdateSql(changed));
      // The changed fields are the first parameters; an update's row follows them.
      for (std::size_t k = 0; k < changed.size(); ++k)
        Bind(st.get(), static_cast<int>(k) + 1, editValues[static_cast<std::size_t>(changed[k])]);
      if (!adding) sqlite3_bind_int64(st.get(), static_cast<int>(changed.size()) + 1, rowid);
      int rc = sqlite3_step(st.get());
      if (rc != SQLITE_DONE)
        conn->Fail(std::string(adding ? "The new row" : "The row") + " cannot be saved in " + table,
                   rc);
      if (adding)
        rowid = sqlite3_last_insert_rowid(db);
      else if (sqlite3_changes(db) == 0)
        throw Error("The row cannot be saved in " + table +
                        ": it was deleted in the database (by another user) after the recordset "
                        "was opened.",
                    ErrorKind::Sql);
    } catch (...) {
      Abandon();
      throw;
    }
    rowids[r] = rowid;
    Value* row = Row(r);
    for (int c : changed) row[c] = editValues[static_cast<std::size_t>(c)];
    DropEdit();
    if (adding) ReadBack(r, rowid);
  }

  void Clear() {
    open = false;
    conn.reset();
    cols.clear();
    names.Clear();
    ncols = 0;
    cells.clear();
    cells.shrink_to_fit();
    rowids.clear();
    rowids.shrink_to_fit();
    deleted.clear();
    nrows = 0;
    view.clear();
    view.shrink_to_fit();
    pos = 0;
    visible = 0;
    filterText.clear();
    filter.reset();
    sortText.clear();
    sortKeys.clear();
    findText.clear();
    findCrit.reset();
    DropEdit();
  }
};

// ---- Field ----------------------------------------------------------------------------------

const std::string& Field::Name() const {
  rs_->impl_->RequireOpen("read a field name");
  return rs_->impl_->cols[static_cast<std::size_t>(index_)].name;
}

Value Field::Get() const {
  auto& m = *rs_->impl_;
  m.RequireOpen("read a field");
  if (static_cast<std::size_t>(index_) >= m.ncols)
    throw Error("The field is no longer in the recordset.", ErrorKind::FieldNotFound);
  if (m.mode != EditMode::None && m.AtRow() && m.CurRow() == m.editRow)
    return m.editValues[static_cast<std::size_t>(index_)];
  if (!m.OnLiveRow())
    throw Error("Cannot read the field '" + m.cols[static_cast<std::size_t>(index_)].name +
                    "' of " + m.What() +
                    ": there is no current row (BOF or EOF is true, or the row was deleted).",
                ErrorKind::NoCurrentRow);
  return m.Row(m.CurRow())[index_];
}

Field& Field::operator=(const Value& v) {
  auto& m = *rs_->impl_;
  m.RequireWritable("write a field");
  if (static_cast<std::size_t>(index_) >= m.ncols)
    throw Error("The field is no longer in the recordset.", ErrorKind::FieldNotFound);
  const auto& col = m.cols[static_cast<std::size_t>(index_)];
  if (col.autoNumber)
    throw Error("The field '" + col.name + "' of " + m.table +
                    " is an automatic number and cannot be written.",
                ErrorKind::ReadOnly);
  Value coerced = detail::CoerceForColumn(v, col.kind, col.name);
  if (m.mode == EditMode::None) {
    if (!m.OnLiveRow())
      throw Error("Cannot write the field '" + col.name + "' of " + m.table +
                      ": there is no current row (BOF or EOF is true, or the row was deleted).",
                  ErrorKind::NoCurrentRow);
    m.mode = EditMode::InProgress;
    m.editRow = m.CurRow();
    const Value* row = m.Row(m.editRow);
    m.editValues.assign(row, row + m.ncols);
    m.assigned.assign(m.ncols, 0);
  }
  m.editValues[static_cast<std::size_t>(index_)] = std::move(coerced);
  m.assigned[static_cast<std::size_t>(index_)] = 1;
  return *this;
}

// ---- Recordset ------------------------------------------------------------------------------

Recordset::Recordset() : impl_(std::make_unique<Impl>()) {}
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&& o) noexcept : impl_(std::move(o.impl_)) {
  o.impl_ = std::make_unique<Impl>();
}
Recordset& Recordset::operator=(Recordset&& o) noexcept {
  if (this != &o) {
    impl_ = std::move(o.impl_);
    o.impl_ = std::make_unique<Impl>();
  }
  return *this;
}

namespace {

bool LooksLikeSql(const std::string& s) {
  std::string t = detail::Trim(s);
  if (t.empty()) return false;
  if (t[0] == '(') return true;
  std::size_t e = 0;
  while (e < t.size() && ((t[e] >= 'A' && t[e] <= 'Z') || (t[e] >= 'a' && t[e] <= 'z'))) ++e;
  std::string w = detail::AsciiLower(t.substr(0, e));
  return (w == "select" || w == "transform" || w == "with" || w == "values") &&
         (e == t.size() || t[e] == ' ' || t[e] == '\t' || t[e] == '\n' || t[e] == '\r' ||
          t[e] == '*');
}

}  // namespace

void Recordset::Open(const std::string& source, Connection& conn, CursorType cursor, LockType lock,
                     int) {
  Impl& m = *impl_;
  if (m.open)
    throw Error(
        "The recordset is already open (on " + m.source + "); close it before opening it again.",
        ErrorKind::NotOpen);
  const auto& state = conn.State_();
  if (!state || !state->db)
    throw Error("Cannot open " + source + ": the database connection is closed.",
                ErrorKind::NotOpen);
  m.conn = state;
  m.source = source;
  m.cursor = cursor;
  m.lock = lock;
  try {
    if (LooksLikeSql(source)) {
      m.isTable = false;
      m.readOnly = true;
      m.table.clear();
      m.LoadQuery();
    } else {
      std::string name = detail::Trim(source);
      if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
      std::string stored = state->ResolveTable(name);
      if (stored.empty())
        throw Error("The table '" + name + "' does not exist in the database " + state->path + ".",
                    ErrorKind::TableNotFound);
      m.isTable = true;
      m.readOnly = lock == LockType::ReadOnly;
      m.table = stored;
      m.LoadTable();
    }
  } catch (...) {
    CursorLocation keep = m.location;
    m.Clear();
    m.location = keep;
    throw;
  }
  m.open = true;
  m.RebuildView();
}

void Recordset::Open(const std::string& source, Connection& conn, int cursor, int lock,
                     int options) {
  if (cursor < 0 || cursor > 3)
    throw Error("The cursor type " + std::to_string(cursor) + " is not one of ADO's (0 to 3).",
                ErrorKind::Other);
  if (lock < 1 || lock > 4)
    throw Error("The lock type " + std::to_string(lock) + " is not one of ADO's (1 to 4).",
                ErrorKind::Other);
  Open(source, conn, static_cast<CursorType>(cursor), static_cast<LockType>(lock), options);
}

void Recordset::Discard() noexcept { impl_->Clear(); }

void Recordset::Close() {
  Impl& m = *impl_;
  if (!m.open) return;
  std::exception_ptr failure;
  try {
    m.Save();
  } catch (...) {
    failure = std::current_exception();
  }
  m.Clear();
  if (failure) std::rethrow_exception(failure);
}

bool Recordset::IsOpen() const { return impl_->open; }

void Recordset::SetCursorLocation(CursorLocation loc) {
  if (impl_->open)
    throw Error("The cursor location cannot be changed while the recordset is open.",
                ErrorKind::NotOpen);
  impl_->location = loc;
}

CursorLocation Recordset::GetCursorLocation() const { return impl_->location; }

void Recordset::MoveFirst() {
  Impl& m = *impl_;
  m.RequireOpen("move");
  m.Save();
  m.pos = 0;
  m.SkipForward();
}

void Recordset::MoveLast() {
  Impl& m = *impl_;
  m.RequireOpen("move");
  m.Save();
  m.pos = static_cast<long>(m.view.size()) - 1;
  m.SkipBackward();
  if (m.pos < 0) m.pos = static_cast<long>(m.view.size());  // no rows: EOF (and BOF)
}

void Recordset::MoveNext() {
  Impl& m = *impl_;
  m.RequireOpen("move");
  m.Save();
  if (m.pos >= static_cast<long>(m.view.size())) return;
  ++m.pos;
  m.SkipForward();
}

void Recordset::MovePrevious() {
  Impl& m = *impl_;
  m.RequireOpen("move");
  m.Save();
  if (m.pos < 0) return;
  --m.pos;
  m.SkipBackward();
}

bool Recordset::EOF() const {
  const Impl& m = *impl_;
  if (!m.open) return true;
  return m.visible == 0 || m.pos >= static_cast<long>(m.view.size());
}

bool Recordset::BOF() const {
  const Impl& m = *impl_;
  if (!m.open) return true;
  return m.visible == 0 || m.pos < 0;
}

long Recordset::RecordCount() const {
  const Impl& m = *impl_;
  m.RequireOpen("count the rows");
  return m.visible;
}

long Recordset::AbsolutePosition() const {
  const Impl& m = *impl_;
  m.RequireOpen("read the position");
  if (!m.OnLiveRow()) return -1;
  long n = 0;
  for (long i = 0; i <= m.pos; ++i)
    if (!m.deleted[m.view[static_cast<std::size_t>(i)]]) ++n;
  return n;
}

void Recordset::Find(const std::string& criterion) {
  Impl& m = *impl_;
  m.RequireOpen("search");
  if (!m.findCrit || m.findText != criterion) {
    auto c = m.Compile(criterion);
    m.findCrit = std::move(c);
    m.findText = criterion;
  }
  m.Save();
  const long n = static_cast<long>(m.view.size());
  if (m.pos >= n) return;
  long i = m.pos < 0 ? 0 : m.pos;
  const Criterion& crit = *m.findCrit;
  for (; i < n; ++i) {
    std::uint32_t r = m.view[static_cast<std::size_t>(i)];
    if (!m.deleted[r] && crit.Matches(m.Row(r))) {
      m.pos = i;
      return;
    }
  }
  m.pos = n;
}

void Recordset::Filter(const std::string& criterion) {
  Impl& m = *impl_;
  m.RequireOpen("filter");
  std::shared_ptr<const Criterion> c;
  bool none = detail::Trim(criterion).empty();
  if (!none) c = m.Compile(criterion);
  m.Save();
  m.filter = none ? nullptr : std::move(c);
  m.filterText = none ? std::string() : criterion;
  m.RebuildView();
  m.SkipForward();
}

void Recordset::Filter(int none) {
  if (none != 0)
    throw Error("Filter takes a criterion text, or 0 to remove the filter; " +
                    std::to_string(none) + " is not supported.",
                ErrorKind::CriterionSyntax);
  Filter(std::string());
}

const std::string& Recordset::GetFilter() const { return impl_->filterText; }

void Recordset::Sort(const std::string& sortText) {
  Impl& m = *impl_;
  m.RequireOpen("sort");
  std::vector<std::pair<int, bool>> keys;
  std::string rest = sortText;
  std::size_t start = 0;
  while (start <= rest.size()) {
    std::size_t comma = rest.find(',', start);
    std::string part = detail::Trim(
        rest.substr(start, (comma == std::string::npos ? rest.size() : comma) - start));
    start = comma == std::string::npos ? rest.size() + 1 : comma + 1;
    if (part.empty()) {
      if (comma == std::string::npos && keys.empty()) break;
      if (comma == std::string::npos) break;
      throw Error("The sort text \"" + sortText + "\" cannot be read: an empty field name.",
                  ErrorKind::CriterionSyntax);
    }
    bool desc = false;
    std::size_t sp = part.find_last_of(" \t");
    if (sp != std::string::npos) {
      std::string dir = detail::AsciiLower(detail::Trim(part.substr(sp + 1)));
      if (dir == "asc" || dir == "desc") {
        desc = dir == "desc";
        part = detail::Trim(part.substr(0, sp));
      }
    }
    int c = m.ResolveName(part);
    if (c < 0)
      throw Error("The sort field '" + part + "' is not in the recordset on " + m.What() + ".",
                  ErrorKind::FieldNotFound);
    keys.emplace_back(c, desc);
  }
  m.Save();
  m.sortKeys = std::move(keys);
  m.sortText = m.sortKeys.empty() ? std::string() : sortText;
  m.RebuildView();
  m.SkipForward();
}

const std::string& Recordset::GetSort() const { return impl_->sortText; }

db::Field Recordset::operator[](std::string_view name) {
  return db::Field(this, impl_->RequireField(name));
}
db::Field Recordset::Field(std::string_view name) {
  return db::Field(this, impl_->RequireField(name));
}

db::Field Recordset::Field(int index) {
  impl_->RequireOpen("read a field");
  if (index < 0 || static_cast<std::size_t>(index) >= impl_->ncols)
    throw Error("The recordset has no field number " + std::to_string(index) + ".",
                ErrorKind::FieldNotFound);
  return db::Field(this, index);
}

Value Recordset::Get(std::string_view name) const {
  int c = impl_->RequireField(name);
  return db::Field(const_cast<Recordset*>(this), c).Get();
}

int Recordset::FieldCount() const { return impl_->open ? static_cast<int>(impl_->ncols) : 0; }

std::string Recordset::FieldName(int index) const {
  if (!impl_->open || index < 0 || static_cast<std::size_t>(index) >= impl_->ncols)
    throw Error("The recordset has no field number " + std::to_string(index) + ".",
                ErrorKind::FieldNotFound);
  return impl_->cols[static_cast<std::size_t>(index)].name;
}

bool Recordset::HasField(std::string_view name) const {
  return impl_->open && impl_->ResolveName(name) >= 0;
}

void Recordset::AddNew() {
  Impl& m = *impl_;
  m.RequireWritable("add a row");
  m.Save();
  std::uint32_t r = static_cast<std::uint32_t>(m.nrows);
  m.prevPos = m.pos;
  m.cells.resize(m.cells.size() + m.ncols);
  m.rowids.push_back(0);
  m.deleted.push_back(0);
  ++m.nrows;
  m.view.push_back(r);
  ++m.visible;
  m.pos = static_cast<long>(m.view.size()) - 1;
  m.mode = EditMode::Add;
  m.editRow = r;
  m.editValues.assign(m.ncols, Value());
  m.assigned.assign(m.ncols, 0);
}

void Recordset::Update() {
  Impl& m = *impl_;
  m.RequireOpen("save");
  m.Save();
}

void Recordset::CancelUpdate() {
  Impl& m = *impl_;
  if (!m.open) return;
  if (m.mode == EditMode::Add)
    m.CancelAdd();
  else
    m.DropEdit();
}

EditMode Recordset::GetEditMode() const { return impl_->mode; }

void Recordset::Delete() {
  Impl& m = *impl_;
  m.RequireWritable("delete a row");
  if (m.mode == EditMode::Add && m.AtRow() && m.CurRow() == m.editRow) {
    m.CancelAdd();
    return;
  }
  if (m.mode == EditMode::InProgress) m.DropEdit();
  if (!m.OnLiveRow())
    throw Error("Cannot delete in " + m.table +
                    ": there is no current row (BOF or EOF is true, or the row "
                    "was deleted).",
                ErrorKind::NoCurrentRow);
  std::uint32_t r = m.CurRow();
  detail::CachedStatement st =
      m.conn->Cached("DELETE FROM " + detail::QuoteIdent(m.table) + " WHERE rowid = ?");
  sqlite3_bind_int64(st.get(), 1, m.rowids[r]);
  int rc = sqlite3_step(st.get());
  if (rc != SQLITE_DONE) m.conn->Fail("The row cannot be deleted from " + m.table, rc);
  // A row another user deleted already is gone all the same.
  m.deleted[r] = 1;
  --m.visible;
}

void Recordset::Requery() {
  Impl& m = *impl_;
  m.RequireOpen("requery");
  m.Save();
  if (m.isTable)
    m.LoadTable();
  else
    m.LoadQuery();
  if (!m.filterText.empty()) m.filter = m.Compile(m.filterText);
  m.findCrit.reset();
  m.RebuildView();
  m.SkipForward();
}

bool Recordset::IsReadOnly() const { return !impl_->open || !impl_->isTable || impl_->readOnly; }

const std::string& Recordset::Source() const { return impl_->source; }

}  // namespace db
