#pragma once
// db::Value: one field value (null, integer, double, text or date) with VB-like conversions.
#include <cstdint>
#include <string>
#include <string_view>

#include "db/Date.h"

namespace db {

namespace detail {
struct ValueAccess;
}

enum class ValueType : std::uint8_t { Null, Integer, Double, Text, Date };

class Value {
 public:
  Value() noexcept {}  // Null
  Value(int v) noexcept : type_(ValueType::Integer) { u_.i = v; }
  Value(long v) noexcept : type_(ValueType::Integer) { u_.i = v; }
  Value(long long v) noexcept : type_(ValueType::Integer) { u_.i = v; }
  Value(unsigned v) noexcept : type_(ValueType::Integer) { u_.i = v; }
  Value(unsigned long v) noexcept : type_(ValueType::Integer) { u_.i = static_cast<long long>(v); }
  Value(unsigned long long v) noexcept : type_(ValueType::Integer) {
    u_.i = static_cast<long long>(v);
  }
  Value(double v) noexcept : type_(ValueType::Double) { u_.d = v; }
  Value(const char* v) : type_(ValueType::Text), s_(v ? v : "") {}
  Value(std::string v) : type_(ValueType::Text), s_(std::move(v)) {}
  Value(std::string_view v) : type_(ValueType::Text), s_(v) {}
  Value(const db::Date& d) noexcept : type_(ValueType::Date) { u_.date = d.Key(); }
  Value(bool) = delete;  // say 1, 0 or -1 explicitly

  static Value Null() { return Value(); }

  ValueType Type() const { return type_; }
  bool IsNull() const { return type_ == ValueType::Null; }
  bool IsNumber() const { return type_ == ValueType::Integer || type_ == ValueType::Double; }
  bool IsText() const { return type_ == ValueType::Text; }
  bool IsDate() const { return type_ == ValueType::Date; }

  // Conversions. Null gives 0 / "" / an invalid Date. Texts are read as numbers (blanks around
  // allowed) or dates (ISO or day first); a text that is not a number, or a date read as a
  // number, throws db::Error (ErrorKind::TypeMismatch). Doubles round to the nearest integer.
  int Int() const;  // 32-bit (Jet's "long"); throws when out of range
  long long Int64() const;
  double Double() const;
  // Integer: digits ("-5", "17"); Double: shortest form ("2.5"); Date: "DD.MM.YYYY"; Text: itself.
  std::string Text() const;
  db::Date Date() const;  // Date itself, or a text read ISO first, then day first

  // Same kind of value and equal: numbers compare numerically (5 == 5.0), texts exactly
  // (case matters here; criteria ignore case), dates as dates; Null equals only Null.
  friend bool operator==(const Value& a, const Value& b);

  // For diagnostics and tests: Text() with the type, e.g. "Integer 5", "Null".
  std::string Describe() const;

 private:
  friend struct detail::ValueAccess;
  ValueType type_ = ValueType::Null;
  union {
    long long i;
    double d;
    int date;  // Date::Key()
  } u_{0};
  std::string s_;
};

}  // namespace db
