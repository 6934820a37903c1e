#pragma once
// db::Date: a calendar day without time of day (proleptic Gregorian calendar).
// Stored in the database as ISO text "YYYY-MM-DD"; the platform's short date text is "DD.MM.YYYY".
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace db {

class Date {
 public:
  constexpr Date() = default;  // the invalid date 0000-00-00
  constexpr Date(int year, int month, int day) : year_(year), month_(month), day_(day) {}

  int Year() const { return year_; }
  int Month() const { return month_; }
  int Day() const { return day_; }

  // True when month is 1..12 and day exists in that month (year 1..9999).
  bool IsValid() const;

  // Weekday with Monday = 1 ... Sunday = 7 (VB Weekday(d, vbMonday)). Requires a valid date.
  int Weekday() const;

  // Real Gregorian lengths (February 29 days in 2000 and 2004, 28 in 1900 and 2100).
  // The month calendar's own "every fourth year" rule is the calling layer's business.
  static int DaysInMonth(int year, int month);
  int DaysInMonth() const { return DaysInMonth(year_, month_); }
  static bool IsLeapYear(int year);

  // Day first: "5.3.2007", "05.03.2007", " 5. 3. 2007" (blanks around the numbers allowed),
  // a two-digit year means 20YY below 30 and 19YY from 30 on. nullopt when not a valid date.
  static std::optional<Date> FromDayFirst(std::string_view text);
  // "YYYY-MM-DD" (anything after the day, such as a time, is ignored). nullopt when invalid.
  static std::optional<Date> FromIso(std::string_view text);
  // ISO first, then day first. nullopt when neither gives a valid date.
  static std::optional<Date> Parse(std::string_view text);

  std::string ToShort() const;  // "DD.MM.YYYY" (the platform's short date text)
  std::string ToIso() const;    // "YYYY-MM-DD" (the stored form)

  // Days since 1970-01-01 (negative before); FromSerial is the inverse.
  long Serial() const;
  static Date FromSerial(long days);
  Date AddDays(long days) const { return FromSerial(Serial() + days); }

  // One integer that orders dates (year, month, day) and is equal for equal dates.
  constexpr int Key() const { return (year_ * 16 + month_) * 32 + day_; }

  friend constexpr bool operator==(const Date& a, const Date& b) { return a.Key() == b.Key(); }
  friend constexpr std::strong_ordering operator<=>(const Date& a, const Date& b) {
    return a.Key() <=> b.Key();
  }

 private:
  int year_ = 0;
  int month_ = 0;
  int day_ = 0;
};

}  // namespace db
