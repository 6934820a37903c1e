// The criterion language of Find and Filter: parser, compiled form and evaluation.
#include "db/Criteria.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "db/Internal.h"

namespace db {
namespace detail {

using VA = ValueAccess;

// ---- names and kinds ------------------------------------------------------------------------

void NameIndex::Add(const std::string& name, int index) { map_.emplace(FoldCase(name), index); }

int NameIndex::Find(std::string_view name) const {
  auto it = map_.find(FoldCase(name));
  return it == map_.end() ? -1 : it->second;
}

ColKind KindFromDeclType(std::string_view declType) {
  std::string t = AsciiLower(declType);
  if (t.find("date") != std::string::npos || t.find("time") != std::string::npos)
    return ColKind::Date;
  if (t.find("int") != std::string::npos) return ColKind::Integer;
  if (t.find("char") != std::string::npos || t.find("text") != std::string::npos ||
      t.find("clob") != std::string::npos)
    return ColKind::Text;
  if (t.find("real") != std::string::npos || t.find("floa") != std::string::npos ||
      t.find("doub") != std::string::npos || t.find("num") != std::string::npos ||
      t.find("dec") != std::string::npos)
    return ColKind::Double;
  return ColKind::Any;
}

Value CoerceForColumn(const Value& v, ColKind kind, const std::string& columnName) {
  if (v.IsNull()) return v;
  auto fail = [&](const char* what) -> Value {
    throw Error("Type mismatch: " + v.Describe() + " cannot be stored in the " + what + " field '" +
                    columnName + "'.",
                ErrorKind::TypeMismatch);
  };
  switch (kind) {
    case ColKind::Any:
      return v;
    case ColKind::Integer:
      if (v.Type() == ValueType::Integer) return v;
      if (v.Type() == ValueType::Date) return fail("number");
      try {
        return Value(v.Int64());
      } catch (const Error&) {
        return fail("number");
      }
    case ColKind::Double:
      if (v.IsNumber()) return Value(v.Double());
      if (v.Type() == ValueType::Date) return fail("number");
      try {
        return Value(v.Double());
      } catch (const Error&) {
        return fail("number");
      }
    case ColKind::Text:
      return v.IsText() ? v : Value(v.Text());
    case ColKind::Date:
      if (v.IsDate()) return v;
      if (v.IsText()) {
        if (auto d = Date::Parse(VA::S(v))) return Value(*d);
      }
      return fail("date");
  }
  return v;
}

// ---- comparing values -------------------------------------------------------------------------

namespace {

int Cmp3(long long a, long long b) { return a < b ? -1 : (a > b ? 1 : 0); }
int Cmp3d(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

int TextDateKey(const std::string& s) {
  int k = IsoDateKey(s.data(), s.size());
  if (k) return k;
  if (auto d = Date::FromDayFirst(s)) return d->Key();
  return 0;
}

}  // namespace

int CompareValues(const Value& a, const Value& b, bool& comparable) {
  comparable = true;
  if (a.IsNull() || b.IsNull()) {
    comparable = false;
    return 0;
  }
  ValueType ta = a.Type(), tb = b.Type();
  if (ta == ValueType::Integer && tb == ValueType::Integer) return Cmp3(VA::I(a), VA::I(b));
  if (a.IsNumber() && b.IsNumber()) return Cmp3d(a.Double(), b.Double());
  if (ta == ValueType::Date && tb == ValueType::Date) return Cmp3(VA::DateKey(a), VA::DateKey(b));
  if (ta == ValueType::Text && tb == ValueType::Text) return CompareText(VA::S(a), VA::S(b));
  // Mixed kinds.
  if (ta == ValueType::Date || tb == ValueType::Date) {
    const Value& d = ta == ValueType::Date ? a : b;
    const Value& o = ta == ValueType::Date ? b : a;
    if (!o.IsText()) {
      comparable = false;
      return 0;
    }
    int k = TextDateKey(VA::S(o));
    if (!k) {
      comparable = false;
      return 0;
    }
    int r = Cmp3(VA::DateKey(d), k);
    return ta == ValueType::Date ? r : -r;
  }
  // number against text
  const Value& n = a.IsNumber() ? a : b;
  const Value& t = a.IsNumber() ? b : a;
  long long i;
  double dd;
  bool isInt;
  int r;
  if (ParseNumber(VA::S(t), i, dd, isInt)) {
    r = (n.Type() == ValueType::Integer && isInt) ? Cmp3(VA::I(n), i) : Cmp3d(n.Double(), dd);
  } else {
    r = CompareText(n.Text(), VA::S(t));
  }
  return a.IsNumber() ? r : -r;
}

int SortCompare(const Value& a, const Value& b) {
  auto rank = [](const Value& v) {
    switch (v.Type()) {
      case ValueType::Null:
        return 0;
      case ValueType::Integer:
      case ValueType::Double:
        return 1;
      case ValueType::Date:
        return 2;
      case ValueType::Text:
        return 3;
    }
    return 4;
  };
  int ra = rank(a), rb = rank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (ra == 0) return 0;
  bool ok;
  return CompareValues(a, b, ok);
}

// ---- parser --------------------------------------------------------------------------------

class CriterionParser {
 public:
  CriterionParser(std::string_view text, const std::function<int(std::string_view)>& resolve,
                  Criterion& out)
      : s_(text), resolve_(resolve), out_(out) {}

  void Parse() {
    SkipBlanks();
    if (pos_ >= s_.size()) return;  // empty criterion
    out_.root_ = ParseOr();
    SkipBlanks();
    if (pos_ < s_.size()) Fail("unexpected '" + std::string(s_.substr(pos_, 20)) + "'");
  }

 private:
  enum class Tok { End, LParen, RParen, Op, Word, Text, Number, Date, Field };

  [[noreturn]] void Fail(const std::string& why) const {
    throw Error("The criterion \"" + std::string(s_) + "\" cannot be read: " + why + ".",
                ErrorKind::CriterionSyntax);
  }

  void SkipBlanks() {
    while (pos_ < s_.size() &&
           (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' || s_[pos_] == '\n'))
      ++pos_;
  }

  static bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
  }
  static bool IsIdentChar(char c) {
    return IsIdentStart(c) || (c >= '0' && c <= '9') || c == '$' || c == '.';
  }

  // Peeks the next word (identifier) in upper case without consuming; empty when none.
  std::string PeekWord() {
    SkipBlanks();
    std::size_t p = pos_;
    if (p >= s_.size() || !IsIdentStart(s_[p])) return std::string();
    while (p < s_.size() && IsIdentChar(s_[p])) ++p;
    std::string w(s_.substr(pos_, p - pos_));
    for (char& c : w)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return w;
  }
  void TakeWord() {
    SkipBlanks();
    while (pos_ < s_.size() && IsIdentChar(s_[pos_])) ++pos_;
  }

  int Add(Criterion::Node n) {
    out_.nodes_.push_back(std::move(n));
    return static_cast<int>(out_.nodes_.size()) - 1;
  }

  int ParseOr() {
    int left = ParseAnd();
    while (PeekWord() == "OR") {
      TakeWord();
      int right = ParseAnd();
      Criterion::Node n{Criterion::Op::Or};
      n.a = left;
      n.b = right;
      left = Add(std::move(n));
    }
    return left;
  }

  int ParseAnd() {
    int left = ParseFactor();
    while (PeekWord() == "AND") {
      TakeWord();
      int right = ParseFactor();
      Criterion::Node n{Criterion::Op::And};
      n.a = left;
      n.b = right;
      left = Add(std::move(n));
    }
    return left;
  }

  int ParseFactor() {
    SkipBlanks();
    if (PeekWord() == "NOT") {
      TakeWord();
      Criterion::Node n{Criterion::Op::Not};
      n.a = ParseFactor();
      return Add(std::move(n));
    }
    if (pos_ < s_.size() && s_[pos_] == '(') {
      ++pos_;
      int inner = ParseOr();
      SkipBlanks();
      if (pos_ >= s_.size() || s_[pos_] != ')') Fail("a ')' is missing");
      ++pos_;
      return inner;
    }
    return ParseComparison();
  }

  std::string ParseFieldName() {
    SkipBlanks();
    if (pos_ >= s_.size()) Fail("a field name is missing at the end");
    std::string name;
    if (s_[pos_] == '[') {
      std::size_t close = s_.find(']', pos_);
      if (close == std::string_view::npos) Fail("a ']' is missing");
      name = std::string(s_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close + 1;
      // [tbl].[field]
      if (pos_ + 1 < s_.size() && s_[pos_] == '.' && s_[pos_ + 1] == '[') {
        std::size_t close2 = s_.find(']', pos_ + 1);
        if (close2 == std::string_view::npos) Fail("a ']' is missing");
        name += '.';
        name += s_.substr(pos_ + 2, close2 - pos_ - 2);
        pos_ = close2 + 1;
      }
    } else if (IsIdentStart(s_[pos_])) {
      std::size_t p = pos_;
      while (p < s_.size() && IsIdentChar(s_[p])) ++p;
      name = std::string(s_.substr(pos_, p - pos_));
      pos_ = p;
    } else {
      Fail("a field name is expected at '" + std::string(s_.substr(pos_, 20)) + "'");
    }
    return name;
  }

  int ResolveField(const std::string& name) {
    int col = resolve_(name);
    if (col < 0) {
      std::size_t dot = name.rfind('.');
      if (dot != std::string::npos) col = resolve_(std::string_view(name).substr(dot + 1));
    }
    if (col < 0)
      throw Error("The field '" + name + "' named in the criterion \"" + std::string(s_) +
                      "\" is not in the recordset.",
                  ErrorKind::FieldNotFound);
    return col;
  }

  int ParseComparison() {
    std::string field = ParseFieldName();
    int col = ResolveField(field);
    SkipBlanks();
    Criterion::Node n{Criterion::Op::Eq};
    n.col = col;
    std::string w = PeekWord();
    if (w == "IS") {
      TakeWord();
      bool neg = false;
      if (PeekWord() == "NOT") {
        TakeWord();
        neg = true;
      }
      if (PeekWord() != "NULL") Fail("IS must be followed by NULL or NOT NULL");
      TakeWord();
      n.op = neg ? Criterion::Op::IsNotNull : Criterion::Op::IsNull;
      return Add(std::move(n));
    }
    if (w == "NOT") {
      TakeWord();
      if (PeekWord() != "LIKE") Fail("NOT must be followed by LIKE here");
      TakeWord();
      n.op = Criterion::Op::NotLike;
    } else if (w == "LIKE") {
      TakeWord();
      n.op = Criterion::Op::Like;
    } else {
      if (pos_ >= s_.size()) Fail("an operator is missing after '" + field + "'");
      char c = s_[pos_];
      char d = pos_ + 1 < s_.size() ? s_[pos_ + 1] : 0;
      if (c == '=') {
        n.op = Criterion::Op::Eq;
        pos_ += 1;
      } else if (c == '<' && d == '>') {
        n.op = Criterion::Op::Ne;
        pos_ += 2;
      } else if (c == '!' && d == '=') {
        n.op = Criterion::Op::Ne;
        pos_ += 2;
      } else if (c == '<' && d == '=') {
        n.op = Criterion::Op::Le;
        pos_ += 2;
      } else if (c == '>' && d == '=') {
        n.op = Criterion::Op::Ge;
        pos_ += 2;
      } else if (c == '<') {
        n.op = Criterion::Op::Lt;
        pos_ += 1;
      } else if (c == '>') {
        n.op = Criterion::Op::Gt;
        pos_ += 1;
      } else
        Fail("an operator (=, <>, <, >, <=, >=, LIKE) is expected after '" + field + "'");
    }
    n.lit = ParseValue();
    if (n.lit.kind == Criterion::Literal::Kind::Null) {
      // "Field = NULL" reads as IS NULL, "Field <> NULL" as IS NOT NULL.
      if (n.op == Criterion::Op::Eq)
        n.op = Criterion::Op::IsNull;
      else if (n.op == Criterion::Op::Ne)
        n.op = Criterion::Op::IsNotNull;
      else
        Fail("NULL can only be compared with = or <>");
    }
    return Add(std::move(n));
  }

  std::string ReadQuoted(char q) {
    ++pos_;
    std::string r;
    for (;;) {
      if (pos_ >= s_.size()) Fail("a closing quote is missing");
      char c = s_[pos_++];
      if (c == q) {
        if (pos_ < s_.size() && s_[pos_] == q) {
          r += q;
          ++pos_;
          continue;
        }
        return r;
      }
      r += c;
    }
  }

  static void Complete(Criterion::Literal& l) {
    l.folded = FoldCase(l.text);
    if (l.kind == Criterion::Literal::Kind::Text) {
      l.numeric = ParseNumber(l.text, l.i, l.d, l.isInt);
      if (auto d = Date::Parse(l.text)) l.dateKey = d->Key();
    }
  }

  Criterion::Literal ParseValue() {
    SkipBlanks();
    Criterion::Literal l;
    if (pos_ >= s_.size()) Fail("a value is missing at the end");
    char c = s_[pos_];
    if (c == '\'' || c == '"') {
      l.kind = Criterion::Literal::Kind::Text;
      l.text = ReadQuoted(c);
      Complete(l);
      return l;
    }
    if (c == '#') {
      std::size_t close = s_.find('#', pos_ + 1);
      if (close == std::string_view::npos) Fail("a closing '#' is missing");
      std::string t = Trim(s_.substr(pos_ + 1, close - pos_ - 1));
      pos_ = close + 1;
      std::optional<Date> d = Date::Parse(t);
      if (!d) {
        // US form m/d/yyyy as Jet writes it.
        int m, dd, y;
        char tail;
        if (std::sscanf(t.c_str(), "%d/%d/%d%c", &m, &dd, &y, &tail) == 3) {
          Date x(y, m, dd);
          if (x.IsValid()) d = x;
        }
      }
      if (!d) Fail("'" + t + "' is not a date");
      l.kind = Criterion::Literal::Kind::Date;
      l.dateKey = d->Key();
      l.text = d->ToShort();
      Complete(l);
      return l;
    }
    bool sign = (c == '-' || c == '+') && pos_ + 1 < s_.size() &&
                ((s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9') || s_[pos_ + 1] == '.');
    if ((c >= '0' && c <= '9') || c == '.' || sign) {
      std::size_t p = pos_ + (sign ? 1 : 0);
      int dots = 0;
      while (p < s_.size() && ((s_[p] >= '0' && s_[p] <= '9') || s_[p] == '.')) {
        if (s_[p] == '.') ++dots;
        ++p;
      }
      // exponent of a number
      if (dots <= 1 && p < s_.size() && (s_[p] == 'e' || s_[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < s_.size() && (s_[q] == '+' || s_[q] == '-')) ++q;
        if (q < s_.size() && s_[q] >= '0' && s_[q] <= '9') {
          while (q < s_.size() && s_[q] >= '0' && s_[q] <= '9') ++q;
          p = q;
        }
      }
      std::string tok(s_.substr(pos_, p - pos_));
      pos_ = p;
      if (pos_ < s_.size() && IsIdentStart(s_[pos_]))
        Fail("'" + tok + s_[pos_] + "' is not a value");
      if (dots == 2 && !sign) {
        auto d = Date::FromDayFirst(tok);
        if (!d) Fail("'" + tok + "' is not a valid date (day first)");
        l.kind = Criterion::Literal::Kind::Date;
        l.dateKey = d->Key();
        l.text = tok;
        Complete(l);
        return l;
      }
      if (dots > 1) Fail("'" + tok + "' is not a number");
      if (!ParseNumber(tok, l.i, l.d, l.isInt)) Fail("'" + tok + "' is not a number");
      l.kind = Criterion::Literal::Kind::Number;
      l.numeric = true;
      l.text = tok;
      Complete(l);
      return l;
    }
    std::string w = PeekWord();
    if (w == "NULL") {
      TakeWord();
      l.kind = Criterion::Literal::Kind::Null;
      return l;
    }
    if (w == "TRUE" || w == "FALSE") {
      TakeWord();
      l.kind = Criterion::Literal::Kind::Number;
      l.numeric = l.isInt = true;
      l.i = w == "TRUE" ? -1 : 0;
      l.d = static_cast<double>(l.i);
      l.text = std::to_string(l.i);
      Complete(l);
      return l;
    }
    Fail("a value (a number, a date, or a text in single quotes) is expected at '" +
         std::string(s_.substr(pos_, 20)) + "'");
  }

  std::string_view s_;
  const std::function<int(std::string_view)>& resolve_;
  Criterion& out_;
  std::size_t pos_ = 0;
};

std::shared_ptr<const Criterion> Criterion::Compile(
    std::string_view text, const std::function<int(std::string_view)>& resolve) {
  auto c = std::make_shared<Criterion>();
  CriterionParser p(text, resolve, *c);
  p.Parse();
  return c;
}

// ---- evaluation -----------------------------------------------------------------------------

namespace {

using Lit = Criterion::Literal;
using Op = Criterion::Op;

inline bool Apply(Op op, int r) {
  switch (op) {
    case Op::Eq:
      return r == 0;
    case Op::Ne:
      return r != 0;
    case Op::Lt:
      return r < 0;
    case Op::Gt:
      return r > 0;
    case Op::Le:
      return r <= 0;
    case Op::Ge:
      return r >= 0;
    default:
      return false;
  }
}

// Compares a cell with a literal; false in *ok when they cannot be compared.
inline int CompareCell(const Value& cell, const Lit& lit, bool& ok) {
  ok = true;
  switch (cell.Type()) {
    case ValueType::Null:
      ok = false;
      return 0;
    case ValueType::Integer:
      if (lit.numeric) {
        if (lit.isInt) return Cmp3(VA::I(cell), lit.i);
        return Cmp3d(static_cast<double>(VA::I(cell)), lit.d);
      }
      if (lit.kind == Lit::Kind::Text) return CompareText(cell.Text(), lit.text);
      ok = false;
      return 0;
    case ValueType::Double:
      if (lit.numeric) return Cmp3d(VA::D(cell), lit.d);
      if (lit.kind == Lit::Kind::Text) return CompareText(cell.Text(), lit.text);
      ok = false;
      return 0;
    case ValueType::Date:
      if (lit.dateKey) return Cmp3(VA::DateKey(cell), lit.dateKey);
      ok = false;
      return 0;
    case ValueType::Text: {
      const std::string& s = VA::S(cell);
      if (lit.kind == Lit::Kind::Text) return CompareText(s, lit.text);
      if (lit.kind == Lit::Kind::Date) {
        int k = TextDateKey(s);
        if (!k) {
          ok = false;
          return 0;
        }
        return Cmp3(k, lit.dateKey);
      }
      // number literal
      long long i;
      double d;
      bool isInt;
      if (ParseNumber(s, i, d, isInt))
        return (isInt && lit.isInt) ? Cmp3(i, lit.i) : Cmp3d(d, lit.d);
      return CompareText(s, lit.text);
    }
  }
  ok = false;
  return 0;
}

inline bool EqualCell(const Value& cell, const Lit& lit, bool& ok) {
  ok = true;
  if (cell.Type() == ValueType::Text && lit.kind == Lit::Kind::Text)
    return EqualsNoCase(VA::S(cell), lit.text);
  if (cell.Type() == ValueType::Integer && lit.numeric && lit.isInt) return VA::I(cell) == lit.i;
  if (cell.Type() == ValueType::Date && lit.dateKey) return VA::DateKey(cell) == lit.dateKey;
  return CompareCell(cell, lit, ok) == 0;
}

}  // namespace

bool Criterion::Eval(int idx, const Value* row) const {
  const Node& n = nodes_[static_cast<std::size_t>(idx)];
  switch (n.op) {
    case Op::And:
      return Eval(n.a, row) && Eval(n.b, row);
    case Op::Or:
      return Eval(n.a, row) || Eval(n.b, row);
    case Op::Not:
      return !Eval(n.a, row);
    case Op::IsNull:
      return row[n.col].IsNull();
    case Op::IsNotNull:
      return !row[n.col].IsNull();
    case Op::Like:
    case Op::NotLike: {
      const Value& cell = row[n.col];
      if (cell.IsNull()) return false;
      bool m = cell.IsText() ? GlobMatchFolded(VA::S(cell), n.lit.text, U"*%", U"")
                             : GlobMatchFolded(cell.Text(), n.lit.text, U"*%", U"");
      return n.op == Op::Like ? m : !m;
    }
    case Op::Eq:
    case Op::Ne: {
      bool ok;
      bool eq = EqualCell(row[n.col], n.lit, ok);
      if (!ok) return false;
      return n.op == Op::Eq ? eq : !eq;
    }
    default: {
      bool ok;
      int r = CompareCell(row[n.col], n.lit, ok);
      return ok && Apply(n.op, r);
    }
  }
}

bool Criterion::Matches(const Value* row) const {
  if (root_ < 0) return true;
  return Eval(root_, row);
}

}  // namespace detail
}  // namespace db
