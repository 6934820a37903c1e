// db::Date and db::Value.
#include "DbTestSupport.h"

TEST(DbDate, DayFirstTextsWeekdaysAndMonthLengths) {
  for (const char* text : {"5.3.2007", " 5. 3. 2007", "2007-03-05"})  // Str() pieces; ISO
    EXPECT_EQ(db::Date::Parse(text), db::Date(2007, 3, 5)) << text;
  EXPECT_EQ(db::Date::FromDayFirst("31.12.99"), db::Date(1999, 12, 31));
  for (const char* bad : {"31.4.2007", "29.2.2007", "2007-03-05", "", "5.3."})
    EXPECT_FALSE(db::Date::FromDayFirst(bad)) << bad;
  EXPECT_EQ(db::Date::Parse("0001-01-01"), db::Date(1, 1, 1));  // the first day a date holds

  const db::Date d(2007, 3, 5);
  EXPECT_EQ(d.ToShort(), "05.03.2007");
  EXPECT_EQ(d.Weekday(), 1);                      // a Monday
  EXPECT_EQ(db::Date(2007, 3, 11).Weekday(), 7);  // Sunday
  EXPECT_EQ(db::Date::DaysInMonth(2000, 2), 29);
  EXPECT_EQ(db::Date::DaysInMonth(2100, 2), 28);
  EXPECT_EQ(db::Date::FromSerial(db::Date(2003, 1, 1).Serial()), db::Date(2003, 1, 1));
}

TEST(DbValue, ConversionsAndEquality) {
  EXPECT_TRUE(db::Value().IsNull());
  EXPECT_EQ(db::Value().Int(), 0);
  EXPECT_EQ(db::Value(2.5).Text(), "2.5");
  EXPECT_EQ(db::Value(2.6).Int(), 3);
  EXPECT_EQ(db::Value(" 25 ").Int(), 25);
  EXPECT_THROW(db::Value("abc").Int(), db::Error);
  EXPECT_THROW(db::Value(5000000000LL).Int(), db::Error);
  EXPECT_EQ(db::Value(5000000000LL).Int64(), 5000000000LL);
  EXPECT_EQ(db::Value("05.03.2007").Date(), db::Date(2007, 3, 5));
  EXPECT_THROW(db::Value("gestern").Date(), db::Error);
  EXPECT_EQ(db::Value(5), db::Value(5.0));
  EXPECT_FALSE(db::Value("a") == db::Value("A"));
  EXPECT_FALSE(db::Value(5) == db::Value("5"));
  EXPECT_EQ(db::Value(db::Date(2007, 3, 5)).Describe(), "Date 05.03.2007");
}
