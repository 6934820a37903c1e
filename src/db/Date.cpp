#include "db/Date.h"

#include <cstdio>

#include "db/Internal.h"

namespace db {

bool Date::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool Date::IsValid() const {
  return year_ >= 1 && year_ <= 9999 && month_ >= 1 && month_ <= 12 && day_ >= 1 &&
         day_ <= DaysInMonth(year_, month_);
}

// Days from civil (Howard Hinnant's algorithm).
long Date::Serial() const {
  long y = year_;
  const long m = month_;
  const long d = day_;
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

Date Date::FromSerial(long z) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  long y = yoe + era * 400;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  const long d = doy - (153 * mp + 2) / 5 + 1;
  const long m = mp + (mp < 10 ? 3 : -9);
  y += m <= 2;
  return Date(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
}

int Date::Weekday() const {
  // 1970-01-01 was a Thursday (4 with Monday = 1).
  long s = Serial();
  long w = ((s % 7) + 7 + 3) % 7;  // 0 = Monday
  return static_cast<int>(w) + 1;
}

namespace {

// Reads blanks, digits, blanks; returns false when no digit.
bool ReadNumber(std::string_view t, std::size_t& i, int& value, int& digits) {
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  value = 0;
  digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    if (digits < 9) value = value * 10 + (t[i] - '0');
    ++digits;
    ++i;
  }
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  return digits > 0;
}

}  // namespace

std::optional<Date> Date::FromDayFirst(std::string_view t) {
  std::size_t i = 0;
  int d, m, y, nd, nm, ny;
  if (!ReadNumber(t, i, d, nd) || i >= t.size() || t[i] != '.') return std::nullopt;
  ++i;
  if (!ReadNumber(t, i, m, nm) || i >= t.size() || t[i] != '.') return std::nullopt;
  ++i;
  if (!ReadNumber(t, i, y, ny) || i != t.size()) return std::nullopt;
  if (nd > 2 || nm > 2 || ny > 4 || ny == 3) return std::nullopt;
  if (ny <= 2) y += (y < 30) ? 2000 : 1900;
  Date r(y, m, d);
  if (!r.IsValid()) return std::nullopt;
  return r;
}

std::optional<Date> Date::FromIso(std::string_view t) {
  std::size_t a = 0;
  while (a < t.size() && t[a] == ' ') ++a;
  int key = detail::IsoDateKey(t.data() + a, t.size() - a);
  if (!key) return std::nullopt;
  return detail::DateFromKey(key);
}

std::optional<Date> Date::Parse(std::string_view t) {
  if (auto d = FromIso(t)) return d;
  return FromDayFirst(t);
}

std::string Date::ToShort() const {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day_, month_, year_);
  return buf;
}

std::string Date::ToIso() const {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year_, month_, day_);
  return buf;
}

namespace detail {

Date DateFromKey(int key) { return Date(key / 512, (key / 32) % 16, key % 32); }

int IsoDateKey(const char* s, std::size_t n) {
  if (n < 10) return 0;
  auto dig = [&](int i) { return s[i] >= '0' && s[i] <= '9'; };
  if (!(dig(0) && dig(1) && dig(2) && dig(3) && s[4] == '-' && dig(5) && dig(6) && s[7] == '-' &&
        dig(8) && dig(9)))
    return 0;
  if (n > 10 && s[10] != ' ' && s[10] != 'T') return 0;
  int y = (s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + (s[3] - '0');
  int m = (s[5] - '0') * 10 + (s[6] - '0');
  int d = (s[8] - '0') * 10 + (s[9] - '0');
  if (m < 1 || m > 12 || d < 1 || d > Date::DaysInMonth(y, m) || y < 1) return 0;
  return Date(y, m, d).Key();
}

}  // namespace detail
}  // namespace db
