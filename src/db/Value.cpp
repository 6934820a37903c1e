#include "db/Value.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "db/Error.h"
#include "db/Internal.h"

namespace db {

namespace {

[[noreturn]] void Mismatch(const Value& v, const char* wanted) {
  throw Error("Type mismatch: the value " + v.Describe() + " cannot be read as " + wanted + ".",
              ErrorKind::TypeMismatch);
}

// Shortest text that reads back as d; always with a decimal point (independent of the C locale).
std::string DoubleText(double d) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

}  // namespace

namespace detail {

bool ParseNumber(std::string_view text, long long& asInt, double& asDouble, bool& isInt) {
  std::size_t a = 0, b = text.size();
  while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
  while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
  if (a == b) return false;
  std::string s(text.substr(a, b - a));
  // Only plain decimal forms: sign, digits, one point, exponent.
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  std::size_t digits = 0, points = 0;
  bool exp = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.' && !exp)
      ++points;
    else if ((c == 'e' || c == 'E') && digits && !exp) {
      exp = true;
      if (i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) ++i;
    } else
      return false;
  }
  if (!digits || points > 1) return false;
  // from_chars takes no '+' sign and ignores the C locale (a decimal point, never a comma).
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  const char* last = s.data() + s.size();
  if (!points && !exp) {
    long long v = 0;
    auto r = std::from_chars(first, last, v);
    if (r.ec == std::errc() && r.ptr == last) {
      asInt = v;
      asDouble = static_cast<double>(v);
      isInt = true;
      return true;
    }
  }
  double d = 0;
  auto r = std::from_chars(first, last, d);
  if (r.ec != std::errc() || r.ptr != last) return false;
  asDouble = d;
  isInt = false;
  asInt = 0;
  return true;
}

}  // namespace detail

long long Value::Int64() const {
  switch (type_) {
    case ValueType::Null:
      return 0;
    case ValueType::Integer:
      return u_.i;
    case ValueType::Double:
      if (!std::isfinite(u_.d) || std::fabs(u_.d) > 9.2e18) Mismatch(*this, "an integer");
      return std::llround(u_.d);
    case ValueType::Text: {
      long long i;
      double d;
      bool isInt;
      if (!detail::ParseNumber(s_, i, d, isInt)) Mismatch(*this, "a number");
      if (isInt) return i;
      if (!std::isfinite(d) || std::fabs(d) > 9.2e18) Mismatch(*this, "an integer");
      return std::llround(d);
    }
    case ValueType::Date:
      Mismatch(*this, "a number");
  }
  return 0;
}

int Value::Int() const {
  long long v = Int64();
  if (v < INT_MIN || v > INT_MAX)
    throw Error("Overflow: " + Describe() + " does not fit a 32-bit integer.",
                ErrorKind::TypeMismatch);
  return static_cast<int>(v);
}

double Value::Double() const {
  switch (type_) {
    case ValueType::Null:
      return 0;
    case ValueType::Integer:
      return static_cast<double>(u_.i);
    case ValueType::Double:
      return u_.d;
    case ValueType::Text: {
      long long i;
      double d;
      bool isInt;
      if (!detail::ParseNumber(s_, i, d, isInt)) Mismatch(*this, "a number");
      return d;
    }
    case ValueType::Date:
      Mismatch(*this, "a number");
  }
  return 0;
}

std::string Value::Text() const {
  switch (type_) {
    case ValueType::Null:
      return std::string();
    case ValueType::Integer:
      return std::to_string(u_.i);
    case ValueType::Double:
      return DoubleText(u_.d);
    case ValueType::Text:
      return s_;
    case ValueType::Date:
      return detail::DateFromKey(u_.date).ToShort();
  }
  return std::string();
}

db::Date Value::Date() const {
  switch (type_) {
    case ValueType::Null:
      return db::Date();
    case ValueType::Date:
      return detail::DateFromKey(u_.date);
    case ValueType::Text: {
      if (auto d = db::Date::Parse(s_)) return *d;
      Mismatch(*this, "a date");
    }
    default:
      Mismatch(*this, "a date");
  }
}

bool operator==(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) {
    if (a.type_ == ValueType::Integer && b.type_ == ValueType::Integer) return a.u_.i == b.u_.i;
    return a.Double() == b.Double();
  }
  if (a.type_ != b.type_) return false;
  switch (a.type_) {
    case ValueType::Null:
      return true;
    case ValueType::Text:
      return a.s_ == b.s_;
    case ValueType::Date:
      return a.u_.date == b.u_.date;
    default:
      return false;
  }
}

std::string Value::Describe() const {
  switch (type_) {
    case ValueType::Null:
      return "Null";
    case ValueType::Integer:
      return "Integer " + Text();
    case ValueType::Double:
      return "Double " + Text();
    case ValueType::Text:
      return "Text '" + s_ + "'";
    case ValueType::Date:
      return "Date " + Text();
  }
  return "?";
}

}  // namespace db
