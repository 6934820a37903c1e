// UTF-8 text rules of the database layer: quoting, case folding, order, LIKE.
#include <string>
#include <vector>

#include "db/Criteria.h"
#include "db/Internal.h"
#include "text/Utf8.h"

namespace db {
namespace detail {

char32_t FoldCp(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c < 0x100) return c;
  if (c <= 0x137) return (c % 2 == 0) ? c + 1 : c;
  if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? c + 1 : c;
  if (c == 0x178) return 0xFF;
  if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c == 0x1E9E) return 0xDF;
  return c;
}

char32_t BaseCp(char32_t c) {
  if (c < 0xC0) return c;
  if (c < 0x100) {
    static const char kLatin1[64 + 1] =
        // C0..DF (upper case never reaches here after folding except ×, ß)
        "aaaaaaaceeeeiiiidnooooo*ouuuuyps"
        // E0..FF
        "aaaaaaaceeeeiiiidnooooo/ouuuuypy";
    char b = kLatin1[c - 0xC0];
    if (b == '*' || b == '/') return c;
    if (c == 0xDF) return 's';
    if (c == 0xFE || c == 0xDE) return c;  // thorn stays
    return static_cast<char32_t>(b);
  }
  if (c <= 0x17F) {
    struct R {
      char32_t lo, hi;
      char b;
    };
    static const R kRanges[] = {
        {0x100, 0x105, 'a'}, {0x106, 0x10D, 'c'}, {0x10E, 0x111, 'd'}, {0x112, 0x11B, 'e'},
        {0x11C, 0x123, 'g'}, {0x124, 0x127, 'h'}, {0x128, 0x133, 'i'}, {0x134, 0x135, 'j'},
        {0x136, 0x138, 'k'}, {0x139, 0x142, 'l'}, {0x143, 0x14B, 'n'}, {0x14C, 0x153, 'o'},
        {0x154, 0x159, 'r'}, {0x15A, 0x161, 's'}, {0x162, 0x167, 't'}, {0x168, 0x173, 'u'},
        {0x174, 0x175, 'w'}, {0x176, 0x178, 'y'}, {0x179, 0x17E, 'z'},
    };
    for (const R& r : kRanges)
      if (c >= r.lo && c <= r.hi) return static_cast<char32_t>(r.b);
  }
  return c;
}

std::string Trim(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r' || s[a] == '\n')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r' || s[b - 1] == '\n'))
    --b;
  return std::string(s.substr(a, b - a));
}

std::string AsciiLower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return r;
}

namespace {

void DecodeFolded(std::string_view s, std::u32string& out) {
  out.clear();
  const char* p = s.data();
  const char* e = p + s.size();
  while (p < e) out.push_back(FoldCp(text::Next(p, e)));
}

}  // namespace

bool GlobMatchFolded(std::string_view text, std::string_view pattern, std::u32string_view anyChars,
                     std::u32string_view oneChars) {
  thread_local std::u32string t, p;
  DecodeFolded(text, t);
  DecodeFolded(pattern, p);
  auto isAny = [&](char32_t c) { return anyChars.find(c) != std::u32string_view::npos; };
  auto isOne = [&](char32_t c) { return oneChars.find(c) != std::u32string_view::npos; };
  std::size_t ti = 0, pi = 0, star = std::u32string::npos, mark = 0;
  while (ti < t.size()) {
    if (pi < p.size() && isAny(p[pi])) {
      star = pi++;
      mark = ti;
    } else if (pi < p.size() && (p[pi] == t[ti] || isOne(p[pi]))) {
      ++pi;
      ++ti;
    } else if (star != std::u32string::npos) {
      pi = star + 1;
      ti = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && isAny(p[pi])) ++pi;
  return pi == p.size();
}

}  // namespace detail

std::string Quote(std::string_view text) {
  std::string r;
  r.reserve(text.size() + 2);
  r += '\'';
  for (char c : text) {
    if (c == '\'') r += '\'';
    r += c;
  }
  r += '\'';
  return r;
}

std::string FoldCase(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  const char* p = text.data();
  const char* e = p + text.size();
  while (p < e) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c < 0x80) {
      r += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : static_cast<char>(c);
      ++p;
    } else {
      text::Append(r, detail::FoldCp(text::Next(p, e)));
    }
  }
  return r;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  const char* pa = a.data();
  const char* ea = pa + a.size();
  const char* pb = b.data();
  const char* eb = pb + b.size();
  while (pa < ea && pb < eb) {
    unsigned char ca = static_cast<unsigned char>(*pa), cb = static_cast<unsigned char>(*pb);
    if (ca < 0x80 && cb < 0x80) {
      if (ca != cb) {
        if (ca >= 'A' && ca <= 'Z') ca += 32;
        if (cb >= 'A' && cb <= 'Z') cb += 32;
        if (ca != cb) return false;
      }
      ++pa;
      ++pb;
      continue;
    }
    if (detail::FoldCp(text::Next(pa, ea)) != detail::FoldCp(text::Next(pb, eb))) return false;
  }
  return pa == ea && pb == eb;
}

int CompareText(std::string_view a, std::string_view b) {
  // Primary: letters without diacritics and case; secondary: without case.
  for (int level = 0; level < 2; ++level) {
    const char* pa = a.data();
    const char* ea = pa + a.size();
    const char* pb = b.data();
    const char* eb = pb + b.size();
    while (pa < ea && pb < eb) {
      char32_t ca = detail::FoldCp(text::Next(pa, ea));
      char32_t cb = detail::FoldCp(text::Next(pb, eb));
      if (level == 0) {
        ca = detail::BaseCp(ca);
        cb = detail::BaseCp(cb);
      }
      if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (pa < ea) return 1;
    if (pb < eb) return -1;
  }
  return 0;
}

bool MatchLike(std::string_view text, std::string_view pattern) {
  return detail::GlobMatchFolded(text, pattern, U"*%", U"");
}

}  // namespace db
