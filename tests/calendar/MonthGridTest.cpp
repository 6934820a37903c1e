// The month grid: header rows, month lengths, the user's own row, weekend and holiday marks, entry
// letters by language and state colours by group.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CalendarTestSupport.h"
#include "calendar/CalendarGrid.h"

namespace {

using namespace caltest;

// The texts of a grid row from the first day to the last.
Texts RowTexts(const forms::Grid& g, int row, int first = 1, int last = 31) {
  Texts out;
  for (int c = first; c <= last; ++c) out.push_back(g.TextMatrix(row, c));
  return out;
}

// Days 28 to 31: shown up to lastDay at the given width, hidden (no texts) after it.
void ExpectMonthEnd(const forms::Grid& g, int lastDay, int width = 300) {
  for (int d = 28; d <= 31; ++d) {
    SCOPED_TRACE("day " + std::to_string(d));
    EXPECT_EQ(g.ColWidth(d), d <= lastDay ? width : 0);
    EXPECT_EQ(g.TextMatrix(3, d), d <= lastDay ? std::to_string(d) : "");
    EXPECT_EQ(g.TextMatrix(2, d).empty(), d > lastDay);
  }
}

// From the set-up on: the team, month, year, weekdays and days in the header rows; the days past
// the month's end hidden, whatever month, zoom or team is shown. The zoom stops at its limits.
TEST(MonthGrid, HeaderRowsAndHiddenDaysPastTheMonthsEndAcrossMonthsZoomAndTeams) {
  CalendarApp app;
  app.AddEntry(21, db::Date(2007, 2, 28), "U/");
  SetToday(app, 2008, 2);
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;
  EXPECT_EQ(RowTexts(g, 0, 1, 29), Texts(29, "Entwicklung"));
  EXPECT_EQ(RowTexts(g, 1, 1, 29), Texts(29, "Februar"));
  EXPECT_EQ(RowTexts(g, 3, 1, 2), (Texts{"1", "2"}));
  EXPECT_EQ(RowTexts(g, 2, 1, 4), (Texts{"Fr", "Sa", "So", "Mo"}));  // 1 February 2008: a Friday
  for (int r = 0; r <= 3; ++r) EXPECT_EQ(g.TextMatrix(r, 0), "2008");

  const auto picture = g.Picture();
  const forms::PictureCell& year = picture.Cell(3, 0);
  EXPECT_EQ(std::tuple(year.ForeColor, year.Font.Bold), std::tuple(forms::Color{0x0040C0}, true));
  ExpectMonthEnd(g, 29);  // every fourth year is a leap year

  k.cmdZoomDec.UserClick();  // the smallest view already
  k.cmbJahr.UserSelect(2007 - 2003);
  ExpectMonthEnd(g, 28);
  k.cmdZoomInc.UserClick();
  k.cmbTeamAuswahl.UserSelect(1);
  ExpectMonthEnd(g, 28, 400);
  EXPECT_EQ((std::vector{Look(g, 4, 1).Font.Size, Look(g, 3, 0).Font.Size}),
            (std::vector{10.0, 23.0}));
  EXPECT_EQ(g.TextMatrix(4, 28), "U");
  EXPECT_EQ(g.TextMatrix(2, 28), "Mi");

  k.cmbMonat.UserSelect(3);
  ExpectMonthEnd(g, 30, 400);
  EXPECT_EQ(g.TextMatrix(2, 29), "So");
  k.cmbJahr.UserSelect(2008 - 2003);
  k.cmbMonat.UserSelect(2);
  app.AddEntry(21, db::Date(2008, 3, 31), "U?");  // shown by the zoom's rebuild
  for (int i = 0; i < 2; ++i) k.cmdZoomInc.UserClick();
  ExpectMonthEnd(g, 31, 500);
  EXPECT_EQ(g.TextMatrix(4, 31), "U");

  ASSERT_TRUE(app.calendar().frmKalender.Unload());  // later rebuilds do not load it again
  mv::FillCalendar(app.calendar(), mv::CalendarPass::Team);
  mv::FillCalendar(app.calendar(), mv::CalendarPass::Monat);
  EXPECT_FALSE(app.calendar().frmKalender.IsLoaded());
}

// Letters by language for every code (a first character outside ASCII whole); state colours in
// every row for groups 1 and 2, for an employee only in the own row of the own team, with the own
// name bold there. Note numbers are kept for everybody.
TEST(MonthGrid, EntryLettersByLanguageAndStateColoursByGroup) {
  for (const auto& [language, group] : {std::pair{1, 1}, {2, 3}, {1, 2}}) {
    SCOPED_TRACE("language " + std::to_string(language) + ", group " + std::to_string(group));
    CalendarApp app;
    const long note = app.AddNote("Hochzeit");
    const struct {
      int day;
      const char* code;
      const char* german;
      const char* english;
      forms::Color back;
    } entries[] = {{1, "U?", "U", "V", Yellow}, {2, "K!", "K", "D", Red},
                   {3, "Z/", "Z", "O", Green},  {4, "D/", "D", "T", Green},
                   {5, "S?", "S", "M", Yellow}, {8, "X/", "X", "", Green},
                   {9, "Ö/", "Ö", "", Green},   {10, "S", "S", "M", White}};
    for (const auto& e : entries) app.AddEntry(11, Dec(e.day), e.code, e.day == 1 ? note : 0);
    app.AddEntry(11, db::Date(2026, 11, 11), "S!");
    app.AddEntry(10, Dec(2), "U/");
    app.AddEntry(21, Dec(3), "K!");
    auto& k = Enter(app, 10, group, language);
    auto& g = k.grdCal;
    const bool all = group != mv::GroupEmployee;

    for (const auto& e : entries) {
      SCOPED_TRACE(e.code);
      EXPECT_EQ(g.TextMatrix(AdamRow, e.day), language == 1 ? e.german : e.english);
      EXPECT_EQ(BackAt(g, AdamRow, e.day), all ? e.back : e.day == 5 ? WeekendColor : White);
    }
    EXPECT_EQ(app.s().CellNotes[AdamRow][1], note);
    EXPECT_EQ(g.TextMatrix(1, 1), language == 1 ? "Dezember" : "December");
    EXPECT_EQ((Texts{g.TextMatrix(2, 1), g.TextMatrix(2, 6)}),
              language == 1 ? (Texts{"Di", "So"}) : (Texts{"Tu", "Su"}));
    EXPECT_EQ(BackAt(g, BergRow, 2), Green);
    EXPECT_EQ(BoldAt(g, BergRow, 0), !all);

    k.cmbTeamAuswahl.UserSelect(1);
    EXPECT_EQ(BackAt(g, 4, 3), all ? Red : White);
    k.cmbTeamAuswahl.UserSelect(0);
    EXPECT_EQ(BoldAt(g, BergRow, 0), !all);
  }
}

// Of two members with the user's name the lower row is the own row. Renamed while logged in, the
// user's name is no longer in the team: the stale own row now shows somebody else, who must be
// neither bold nor coloured for the user.
TEST(MonthGrid, TheOwnRowIsTheLowerNamesakeAndAStaleOneMarksNobody) {
  CalendarApp app;
  app.AddEmployee(13, "Berg", "Lena", 0);
  app.AddEntry(12, Dec(2), "U?");
  auto& k = Enter(app, 10, mv::GroupEmployee);
  auto& g = k.grdCal;
  EXPECT_EQ(app.s().OwnRow, 6);
  EXPECT_TRUE(BoldAt(g, 6, 0));

  app.Sql("UPDATE tbl_Mitarbeiter SET Nachname = 'Zuse' WHERE Nachname = 'Berg'");
  k.cmbTeamAuswahl.UserSelect(1);
  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(app.s().OwnRow, 6);
  for (int r = 4; r <= 7; ++r) EXPECT_FALSE(BoldAt(g, r, 0)) << r;
  EXPECT_EQ(g.TextMatrix(5, 2), "U");
  EXPECT_EQ(BackAt(g, 5, 2), White);
}

// Holidays: the 24th (a Thursday, with a note), the 26th (a Saturday) and the 23rd, which has two
// rows and therefore no mark.
TEST(MonthGrid, WeekendAndHolidayMarksBySetting) {
  for (const auto& [weekend, holidays] :
       {std::pair{true, true}, {true, false}, {false, true}, {false, false}}) {
    SCOPED_TRACE(std::string("weekend ") + (weekend ? "on" : "off") + ", holidays " +
                 (holidays ? "on" : "off"));
    CalendarApp app;
    const long christmas = app.AddNote("Weihnachten");
    for (int day : {24, 23, 23}) app.AddHoliday(Dec(day), christmas);
    app.AddHoliday(Dec(26));
    app.AddHoliday(db::Date(2026, 11, 3), christmas);
    Prepare(app);
    app.s().Settings.HighlightWeekend = weekend ? -1 : 0;
    app.s().Settings.HighlightHolidays = holidays ? -1 : 0;
    auto& k = app.EnterAs(11, 1);
    auto& g = k.grdCal;
    const auto& notes = app.s().CellNotes;
    const forms::Color black = forms::vbBlack, white = White;
    const forms::Color weekendBack = weekend ? WeekendColor : white;
    const forms::Color holidayBack = holidays ? HolidayColor : white;
    const forms::Color holidayFore = holidays ? HolidayColor : black;
    const forms::Color sundayFore = weekend ? forms::vbRed : black;
    // A day's header: bold, colour; its cell in Adam's row; the note the pointer would show.
    auto mark = [&](int day) {
      return std::tuple(BoldAt(g, 2, day), Look(g, 2, day).ForeColor, BackAt(g, AdamRow, day),
                        notes[2][day]);
    };
    EXPECT_EQ(mark(4), std::tuple(false, black, white, 0L));  // a Friday
    EXPECT_EQ(mark(5), std::tuple(weekend, black, weekendBack, 0L));
    EXPECT_EQ(mark(6), std::tuple(weekend, sundayFore, weekendBack, 0L));
    EXPECT_EQ(mark(23), std::tuple(false, black, white, 0L));
    EXPECT_EQ(mark(24), std::tuple(false, holidayFore, holidayBack, holidays ? christmas : 0L));
    EXPECT_EQ(mark(26),
              std::tuple(weekend, holidayFore, holidays ? HolidayColor : weekendBack, 0L));
    EXPECT_EQ(BackAt(g, ZollerRow, 24), holidayBack);
    EXPECT_EQ(notes[3][24], holidays ? christmas : 0);

    k.cmdMonBack.UserClick();  // the marks move with the month
    EXPECT_EQ(BackAt(g, AdamRow, 3), holidayBack);
    EXPECT_EQ(notes[3][3], holidays ? christmas : 0);
    k.cmdMonForward.UserClick();
    EXPECT_EQ(BackAt(g, AdamRow, 3), White);
    EXPECT_EQ(notes[3][3], 0);
  }
}

}  // namespace
