// Jet SQL texts translated for SQLite, and the Jet functions registered in SQLite.
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "db/Criteria.h"
#include "db/Internal.h"
#include "text/Utf8.h"

namespace db {
namespace detail {

namespace {

enum class T { Space, Text, Ident, Bracket, DateLit, Number, Punct };

struct Token {
  T type;
  std::string text;  // Text: the unquoted value; Bracket: inside of [...]; others: as written
};

bool IdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}
bool IdentChar(char c) { return IdentStart(c) || (c >= '0' && c <= '9') || c == '$'; }

std::vector<Token> Tokenize(std::string_view s) {
  std::vector<Token> out;
  std::size_t i = 0;
  auto fail = [&](const std::string& why) {
    throw Error("The SQL text \"" + std::string(s) + "\" cannot be read: " + why + ".",
                ErrorKind::Sql);
  };
  while (i < s.size()) {
    char c = s[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      std::size_t j = i;
      while (j < s.size() && (s[j] == ' ' || s[j] == '\t' || s[j] == '\r' || s[j] == '\n')) ++j;
      out.push_back({T::Space, " "});
      i = j;
    } else if (c == '\'' || c == '"') {
      std::string v;
      std::size_t j = i + 1;
      for (;;) {
        if (j >= s.size()) fail("a closing quote is missing");
        if (s[j] == c) {
          if (j + 1 < s.size() && s[j + 1] == c) {
            v += c;
            j += 2;
            continue;
          }
          ++j;
          break;
        }
        v += s[j++];
      }
      out.push_back({T::Text, v});
      i = j;
    } else if (c == '[') {
      std::size_t j = s.find(']', i);
      if (j == std::string_view::npos) fail("a ']' is missing");
      out.push_back({T::Bracket, std::string(s.substr(i + 1, j - i - 1))});
      i = j + 1;
    } else if (c == '#') {
      std::size_t j = s.find('#', i + 1);
      if (j == std::string_view::npos) fail("a closing '#' is missing");
      out.push_back({T::DateLit, Trim(s.substr(i + 1, j - i - 1))});
      i = j + 1;
    } else if (IdentStart(c)) {
      std::size_t j = i;
      while (j < s.size() && IdentChar(s[j])) ++j;
      out.push_back({T::Ident, std::string(s.substr(i, j - i))});
      i = j;
    } else if ((c >= '0' && c <= '9') ||
               (c == '.' && i + 1 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '9')) {
      std::size_t j = i;
      while (j < s.size() && ((s[j] >= '0' && s[j] <= '9') || s[j] == '.')) ++j;
      if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        std::size_t k = j + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && s[k] >= '0' && s[k] <= '9') {
          while (k < s.size() && s[k] >= '0' && s[k] <= '9') ++k;
          j = k;
        }
      }
      out.push_back({T::Number, std::string(s.substr(i, j - i))});
      i = j;
    } else {
      // two-character operators
      if (i + 1 < s.size()) {
        std::string two(s.substr(i, 2));
        if (two == "<>" || two == "<=" || two == ">=" || two == "!=" || two == "||") {
          out.push_back({T::Punct, two});
          i += 2;
          continue;
        }
      }
      out.push_back({T::Punct, std::string(1, c)});
      ++i;
    }
  }
  return out;
}

std::string Upper(const std::string& s) {
  std::string r = s;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return r;
}

bool IsComparison(const Token& t) {
  return t.type == T::Punct && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                                t.text == "<=" || t.text == ">=" || t.text == "!=");
}

std::string SqlQuote(const std::string& v) {
  std::string r = "'";
  for (char c : v) {
    if (c == '\'') r += '\'';
    r += c;
  }
  return r + "'";
}

std::string JetDateToIso(const std::string& t) {
  if (auto d = Date::FromIso(t)) return d->ToIso();
  if (auto d = Date::FromDayFirst(t)) return d->ToIso();
  int m, dd, y;
  char tail;
  if (std::sscanf(t.c_str(), "%d/%d/%d%c", &m, &dd, &y, &tail) == 3) {
    Date x(y, m, dd);
    if (x.IsValid()) return x.ToIso();
  }
  throw Error("The date #" + t + "# in an SQL text is not a date.", ErrorKind::Sql);
}

}  // namespace

std::string QuoteIdent(std::string_view name) {
  std::string r = "\"";
  for (char c : name) {
    if (c == '"') r += '"';
    r += c;
  }
  return r + "\"";
}

std::string TranslateJetSql(std::string_view jet, const std::vector<std::string>& tableNames) {
  std::vector<Token> toks = Tokenize(jet);
  auto resolveName = [&](const std::string& name) -> std::string {
    for (const std::string& t : tableNames)
      if (t != name && EqualsNoCase(t, name)) return t;
    return name;
  };
  // Index of the previous / next non-space token.
  auto prevSig = [&](std::size_t i) -> const Token* {
    while (i > 0) {
      --i;
      if (toks[i].type != T::Space) return &toks[i];
    }
    return nullptr;
  };
  auto nextSig = [&](std::size_t i) -> const Token* {
    for (++i; i < toks.size(); ++i)
      if (toks[i].type != T::Space) return &toks[i];
    return nullptr;
  };

  std::string out;
  out.reserve(jet.size() + 32);
  // ORDER BY handling: inside an ORDER BY list at this paren depth, each term gets COLLATE MV_TEXT.
  int depth = 0;
  int orderDepth = -1;  // depth of the active ORDER BY list, -1 when none
  bool termHasContent = false;
  auto endTerm = [&]() {
    if (orderDepth >= 0 && termHasContent) {
      while (!out.empty() && out.back() == ' ') out.pop_back();
      out += " COLLATE MV_TEXT ";
    }
    termHasContent = false;
  };

  for (std::size_t i = 0; i < toks.size(); ++i) {
    const Token& t = toks[i];
    if (orderDepth >= 0 && depth == orderDepth) {
      bool terminator = false;
      if (t.type == T::Punct && (t.text == "," || t.text == ";" || t.text == ")"))
        terminator = true;
      if (t.type == T::Ident) {
        std::string u = Upper(t.text);
        if (u == "ASC" || u == "DESC" || u == "LIMIT" || u == "UNION" || u == "OFFSET")
          terminator = true;
      }
      if (terminator) {
        endTerm();
        if (!(t.type == T::Punct && t.text == ",") &&
            !(t.type == T::Ident && (Upper(t.text) == "ASC" || Upper(t.text) == "DESC")))
          orderDepth = -1;
      } else if (t.type != T::Space) {
        termHasContent = true;
      }
    }
    switch (t.type) {
      case T::Space:
        out += ' ';
        break;
      case T::Text: {
        const Token* p = prevSig(i);
        bool afterLike = p && p->type == T::Ident && (Upper(p->text) == "LIKE");
        if (afterLike) {
          std::string pat = t.text;
          for (char& c : pat) {
            if (c == '*')
              c = '%';
            else if (c == '?')
              c = '_';
          }
          out += SqlQuote(pat);
        } else {
          out += SqlQuote(t.text);
          const Token* n = nextSig(i);
          if ((p && IsComparison(*p)) || (n && IsComparison(*n))) out += " COLLATE MV_TEXT";
        }
        break;
      }
      case T::Bracket: {
        // [name] or [table.field]
        std::size_t dot = t.text.find('.');
        if (dot != std::string::npos) {
          out += QuoteIdent(resolveName(t.text.substr(0, dot))) + "." +
                 QuoteIdent(t.text.substr(dot + 1));
        } else {
          out += QuoteIdent(resolveName(t.text));
        }
        break;
      }
      case T::DateLit:
        out += SqlQuote(JetDateToIso(t.text));
        break;
      case T::Number:
        out += t.text;
        break;
      case T::Ident: {
        std::string u = Upper(t.text);
        const Token* n = nextSig(i);
        bool call = n && n->type == T::Punct && n->text == "(";
        if (u == "DISTINCTROW") break;  // whole-row distinctness: the plain query is the same here
        if (u == "TRUE" && !call) {
          out += "-1";
          break;
        }
        if (u == "FALSE" && !call) {
          out += "0";
          break;
        }
        if (u == "MOD") {
          out += "%";
          break;
        }
        if (u == "ORDER" && n && n->type == T::Ident && Upper(n->text) == "BY") {
          out += t.text;
          // skip to BY
          std::size_t j = i + 1;
          while (toks[j].type == T::Space) ++j;
          out += " " + toks[j].text;
          i = j;
          orderDepth = depth;
          termHasContent = false;
          break;
        }
        std::string name = t.text;
        if (call && !name.empty() && name.back() == '$') name.pop_back();  // Left$ -> Left
        if (call) {
          // LEFT and RIGHT are join keywords in SQLite: the functions carry other names there.
          std::string un = Upper(name);
          if (un == "LEFT")
            name = "MV_LEFT";
          else if (un == "RIGHT")
            name = "MV_RIGHT";
        }
        out += resolveName(name);
        break;
      }
      case T::Punct:
        if (t.text == "(")
          ++depth;
        else if (t.text == ")")
          --depth;
        if (t.text == "&")
          out += "||";
        else
          out += t.text;
        break;
    }
  }
  if (orderDepth >= 0) endTerm();
  return out;
}

// ---- functions registered in SQLite -----------------------------------------------------------

namespace {

int ArgDateKey(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_TEXT: {
      const char* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
      int n = sqlite3_value_bytes(v);
      int k = IsoDateKey(s, static_cast<std::size_t>(n));
      if (k) return k;
      if (auto d = Date::Parse(std::string_view(s, static_cast<std::size_t>(n)))) return d->Key();
      return 0;
    }
    default:
      return 0;
  }
}

void FnYear(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int k = ArgDateKey(argv[0]);
  if (k)
    sqlite3_result_int(ctx, k / 512);
  else
    sqlite3_result_null(ctx);
}
void FnMonth(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int k = ArgDateKey(argv[0]);
  if (k)
    sqlite3_result_int(ctx, (k / 32) % 16);
  else
    sqlite3_result_null(ctx);
}
void FnDay(sqlite3_context* ctx, int, sqlite3_value** argv) {
  int k = ArgDateKey(argv[0]);
  if (k)
    sqlite3_result_int(ctx, k % 32);
  else
    sqlite3_result_null(ctx);
}
void FnWeekday(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  int k = ArgDateKey(argv[0]);
  if (!k) {
    sqlite3_result_null(ctx);
    return;
  }
  // VB Weekday(d[, firstday]): default first day Sunday (1).
  int first = argc > 1 ? sqlite3_value_int(argv[1]) : 1;
  if (first < 1 || first > 7) first = 1;
  int mon1 = DateFromKey(k).Weekday();  // Monday = 1
  int sun1 = mon1 % 7 + 1;              // Sunday = 1
  int r = (sun1 - first + 7) % 7 + 1;
  sqlite3_result_int(ctx, r);
}

bool TextArg(sqlite3_value* v, const char*& s, std::size_t& n) {
  if (sqlite3_value_type(v) == SQLITE_NULL) return false;
  s = reinterpret_cast<const char*>(sqlite3_value_text(v));
  n = static_cast<std::size_t>(sqlite3_value_bytes(v));
  return s != nullptr;
}

void FnLeft(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  long long k = sqlite3_value_int64(argv[1]);
  if (k < 0) k = 0;
  std::size_t off = text::Offset({s, n}, static_cast<std::size_t>(k));
  sqlite3_result_text(ctx, s, static_cast<int>(off), SQLITE_TRANSIENT);
}
void FnRight(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  long long k = sqlite3_value_int64(argv[1]);
  long long total = static_cast<long long>(text::Length({s, n}));
  if (k < 0) k = 0;
  if (k > total) k = total;
  std::size_t off = text::Offset({s, n}, static_cast<std::size_t>(total - k));
  sqlite3_result_text(ctx, s + off, static_cast<int>(n - off), SQLITE_TRANSIENT);
}
void FnMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  long long start = sqlite3_value_int64(argv[1]);
  if (start < 1) start = 1;
  std::size_t a = text::Offset({s, n}, static_cast<std::size_t>(start - 1));
  std::size_t b = n;
  if (argc > 2) {
    long long len = sqlite3_value_int64(argv[2]);
    if (len < 0) len = 0;
    b = a + text::Offset({s + a, n - a}, static_cast<std::size_t>(len));
  }
  sqlite3_result_text(ctx, s + a, static_cast<int>(b - a), SQLITE_TRANSIENT);
}
void FnLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, static_cast<long long>(text::Length({s, n})));
}
void FnUCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  // Upper case for ASCII and Latin-1 letters.
  std::string out;
  const char* p = s;
  const char* e = s + n;
  while (p < e) {
    char32_t cp = text::Next(p, e);
    if (cp >= 'a' && cp <= 'z')
      cp -= 32;
    else if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)
      cp -= 32;
    text::Append(out, cp);
  }
  sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}
void FnLCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char* s;
  std::size_t n;
  if (!TextArg(argv[0], s, n)) return sqlite3_result_null(ctx);
  std::string out = FoldCase(std::string_view(s, n));
  sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}
// X LIKE Y calls like(Y, X [, escape]). Jet and SQL wildcards: * % any run, ? _ one character.
void FnLike(sqlite3_context* ctx, int, sqlite3_value** argv) {
  const char *p, *s;
  std::size_t pn, sn;
  if (!TextArg(argv[0], p, pn) || !TextArg(argv[1], s, sn)) return sqlite3_result_null(ctx);
  bool m = GlobMatchFolded(std::string_view(s, sn), std::string_view(p, pn), U"*%", U"?_");
  sqlite3_result_int(ctx, m ? 1 : 0);
}

int CollateText(void*, int na, const void* a, int nb, const void* b) {
  return CompareText(std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(na)),
                     std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(nb)));
}

}  // namespace

void RegisterJetFunctions(sqlite3* db) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  struct F {
    const char* name;
    int argc;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
  };
  static const F kFns[] = {
      {"Year", 1, FnYear},       {"Month", 1, FnMonth},     {"Day", 1, FnDay},
      {"Weekday", 1, FnWeekday}, {"Weekday", 2, FnWeekday}, {"MV_LEFT", 2, FnLeft},
      {"MV_RIGHT", 2, FnRight},  {"Mid", 2, FnMid},         {"Mid", 3, FnMid},
      {"Len", 1, FnLen},         {"UCase", 1, FnUCase},     {"LCase", 1, FnLCase},
      {"like", 2, FnLike},       {"like", 3, FnLike},
  };
  for (const F& f : kFns)
    sqlite3_create_function_v2(db, f.name, f.argc, flags, nullptr, f.fn, nullptr, nullptr, nullptr);
  sqlite3_create_collation_v2(db, "MV_TEXT", SQLITE_UTF8, nullptr, CollateText, nullptr);
}

}  // namespace detail
}  // namespace db
