// The month grid: header rows, month lengths, member rows and their order, the user's own row, the
// member and month queries, weekend and holiday marks, entry letters by language and state colours
// by group.
#include <gtest/gtest.h>

#include <string>

#include "CalendarTestSupport.h"
#include "calendar/CalendarGrid.h"

namespace {

using namespace caltest;

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
// the month's end hidden, whatever month, zoom or team is shown.
TEST(MonthGrid, HeaderRowsAndHiddenDaysPastTheMonthsEndAcrossMonthsZoomAndTeams) {
  CalendarApp app;
  app.AddEntry(21, db::Date(2007, 2, 28), "U/");
  SetToday(app, 2008, 2);
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;
  EXPECT_EQ(g.Cols(), 32);
  EXPECT_EQ(g.FixedRows(), 4);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.ColWidth(0), 2000);
  for (int c = 1; c <= 29; ++c) {
    EXPECT_EQ(g.TextMatrix(0, c), "Entwicklung");
    EXPECT_EQ(g.TextMatrix(1, c), "Februar");
    EXPECT_EQ(g.TextMatrix(3, c), std::to_string(c));
  }
  for (int r = 0; r <= 3; ++r) EXPECT_EQ(g.TextMatrix(r, 0), "2008");
  EXPECT_EQ(g.TextMatrix(2, 1), "Fr");  // 1 February 2008 was a Friday
  EXPECT_EQ(g.TextMatrix(2, 4), "Mo");

  const auto picture = g.Picture();
  EXPECT_EQ(picture.Cell(3, 0).ForeColor, 0x0040C0);
  EXPECT_TRUE(picture.Cell(3, 0).Font.Bold);
  EXPECT_EQ(picture.Cell(3, 0).Font.Size, 20);
  EXPECT_EQ(picture.Cell(1, 10).Alignment, forms::flexAlignCenterCenter);
  ASSERT_NE(picture.MergeAt(0, 1), nullptr);
  EXPECT_GE(picture.MergeAt(0, 1)->Cols, 29);
  ASSERT_NE(picture.MergeAt(1, 5), nullptr);
  EXPECT_GE(picture.MergeAt(1, 5)->Cols, 29);
  ASSERT_NE(picture.MergeAt(2, 0), nullptr);
  EXPECT_EQ(picture.MergeAt(2, 0)->Rows, 4);
  ExpectMonthEnd(g, 29);  // every fourth year is a leap year

  k.cmbJahr.UserSelect(2007 - 2003);
  ExpectMonthEnd(g, 28);
  k.cmdZoomInc.UserClick();
  ExpectMonthEnd(g, 28, 400);
  k.cmbTeamAuswahl.UserSelect(1);
  ExpectMonthEnd(g, 28, 400);
  EXPECT_EQ(g.TextMatrix(4, 28), "U");
  EXPECT_EQ(g.TextMatrix(2, 28), "Mi");

  k.cmbMonat.UserSelect(3);
  ExpectMonthEnd(g, 30, 400);
  EXPECT_EQ(g.TextMatrix(2, 29), "So");
  k.cmbJahr.UserSelect(2008 - 2003);
  k.cmbMonat.UserSelect(2);
  ExpectMonthEnd(g, 31, 400);

  ASSERT_TRUE(
      app.calendar().frmKalender.Unload());  // rebuilds asked for later do not load it again
  mv::FillCalendar(app.calendar(), mv::CalendarPass::Team);
  mv::FillCalendar(app.calendar(), mv::CalendarPass::Monat);
  EXPECT_FALSE(app.calendar().frmKalender.IsLoaded());
}

TEST(MonthGrid, MembersInOrderOfTheirLastNamesWithTheExactQueries) {
  CalendarApp app;
  app.AddEntry(11, Dec(1), "U?", app.AddNote("Kur"));
  for (int i = 0; i < 29; ++i) {  // with Dorn a team of thirty
    app.AddEmployee(
        100 + i,
        std::string("N") + static_cast<char>('a' + i / 10) + static_cast<char>('a' + i % 10), "X",
        1);
    app.AddEntry(100 + i, Dec(1 + i), "U?");
  }
  auto& k = Enter(app, 12, 1);
  auto& g = k.grdCal;
  mv::State& s = app.s();
  EXPECT_EQ(g.Rows(), 7);
  EXPECT_EQ(g.TextMatrix(AdamRow, 0), "Adam, Karl");
  EXPECT_EQ(g.TextMatrix(BergRow, 0), "Berg, Lena");
  EXPECT_EQ(g.TextMatrix(ZollerRow, 0), "Zoller, Eva");
  EXPECT_EQ(s.OwnRow, ZollerRow);
  EXPECT_EQ(s.SqlMonth,
            "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ, "
            "tbl_Kalender.Notiz FROM tbl_Kalender "
            "WHERE (((tbl_Kalender.PersNr)= 12) AND ((Month([Datum]))= 12) AND ((Year([Datum]))= "
            "2026));");

  k.cmbTeamAuswahl.UserSelect(2);  // a team without members: the header rows only
  EXPECT_EQ(s.SqlTeam,
            "SELECT tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname FROM "
            "tbl_Mitarbeiter "
            "GROUP BY tbl_Mitarbeiter.PersNr, tbl_Mitarbeiter.Nachname, tbl_Mitarbeiter.Vorname, "
            "tbl_Mitarbeiter.TeamNr HAVING (((tbl_Mitarbeiter.TeamNr)=  2)) ORDER BY "
            "tbl_Mitarbeiter.Nachname ASC;");
  EXPECT_EQ(g.Rows(), 4);
  EXPECT_EQ(g.TextMatrix(0, 1), "Leer");
  EXPECT_EQ(s.OwnRow, ZollerRow);
  for (const auto& row : s.CellNotes) {
    for (long note : row) EXPECT_EQ(note, 0);
  }
  k.cmbMonat.UserSelect(0);
  EXPECT_EQ(g.Rows(), 4);

  s.SortOrder = "DESC";
  k.cmbTeamAuswahl.UserSelect(0);
  EXPECT_EQ(s.SqlTeam.substr(s.SqlTeam.find("HAVING")),
            "HAVING (((tbl_Mitarbeiter.TeamNr)=  0)) ORDER BY tbl_Mitarbeiter.Nachname DESC;");
  EXPECT_EQ(g.TextMatrix(4, 0), "Zoller, Eva");
  EXPECT_EQ(g.TextMatrix(6, 0), "Adam, Karl");
  EXPECT_EQ(s.OwnRow, 4);

  k.cmbMonat.UserSelect(11);
  k.cmbTeamAuswahl.UserSelect(1);
  EXPECT_EQ(g.Rows(), 34);
  EXPECT_EQ(g.TextMatrix(4, 0), "Nci, X");
  EXPECT_EQ(g.TextMatrix(4, 29), "U");
  EXPECT_EQ(g.TextMatrix(32, 0), "Naa, X");
  EXPECT_EQ(g.TextMatrix(32, 1), "U");
  EXPECT_EQ(g.TextMatrix(33, 0), "Dorn, Dora");
}

// Groups 1 and 2 see state colours in every row; an employee only in the own row of the own team,
// with the own name bold there. Letters and note numbers show for everybody.
TEST(MonthGrid, StateColoursAndTheBoldOwnNameByGroup) {
  for (int group : {1, 2, 3}) {
    SCOPED_TRACE("group " + std::to_string(group));
    CalendarApp app;
    const long note = app.AddNote("Messe");
    app.AddEntry(11, Dec(1), "U?", note);
    app.AddEntry(11, Dec(5), "D?");  // a Saturday
    app.AddEntry(10, Dec(2), "U/");
    app.AddEntry(21, Dec(3), "K!");
    auto& k = Enter(app, 10, group);
    auto& g = k.grdCal;
    const bool all = group != mv::GroupEmployee;

    EXPECT_EQ(g.TextMatrix(AdamRow, 1), "U");
    EXPECT_EQ(BackAt(g, AdamRow, 1), all ? Yellow : White);
    EXPECT_EQ(BackAt(g, AdamRow, 5), all ? Yellow : WeekendColor);
    EXPECT_EQ(app.s().CellNotes[AdamRow][1], note);
    EXPECT_EQ(BackAt(g, BergRow, 2), Green);
    EXPECT_EQ(BoldAt(g, BergRow, 0), !all);
    EXPECT_FALSE(BoldAt(g, AdamRow, 0));

    k.cmbTeamAuswahl.UserSelect(1);
    EXPECT_EQ(g.TextMatrix(4, 3), "K");
    EXPECT_EQ(BackAt(g, 4, 3), all ? Red : White);
    EXPECT_FALSE(BoldAt(g, 4, 0));
    EXPECT_EQ(app.s().OwnRow, BergRow);

    k.cmbTeamAuswahl.UserSelect(0);
    EXPECT_EQ(BackAt(g, BergRow, 2), Green);
    EXPECT_EQ(BoldAt(g, BergRow, 0), !all);
  }
}

TEST(MonthGrid, TwoMembersWithTheUsersNameMakeTheLowerRowTheOwnRow) {
  CalendarApp app;
  app.AddEmployee(13, "Berg", "Lena", 0);
  auto& g = Enter(app, 10, mv::GroupEmployee).grdCal;
  EXPECT_EQ(g.TextMatrix(6, 0), "Berg, Lena");
  EXPECT_EQ(app.s().OwnRow, 6);
  EXPECT_TRUE(BoldAt(g, 6, 0));
  EXPECT_FALSE(BoldAt(g, 5, 0));
}

// Renamed while logged in, the user's name is no longer in the team: the stale own row now shows
// somebody else, who must be neither bold nor coloured for the user.
TEST(MonthGrid, AStaleOwnRowMarksNobody) {
  CalendarApp app;
  app.AddEntry(12, Dec(2), "U?");
  auto& k = Enter(app, 10, mv::GroupEmployee);
  app.Sql("UPDATE tbl_Mitarbeiter SET Nachname = 'Zuse' WHERE PersNr = 10");
  k.cmbTeamAuswahl.UserSelect(1);
  k.cmbTeamAuswahl.UserSelect(0);
  auto& g = k.grdCal;
  EXPECT_EQ(app.s().OwnRow, 5);
  EXPECT_EQ(g.TextMatrix(5, 0), "Zoller, Eva");
  EXPECT_EQ(g.TextMatrix(6, 0), "Zuse, Lena");
  for (int r = 4; r <= 6; ++r) EXPECT_FALSE(BoldAt(g, r, 0));
  EXPECT_EQ(g.TextMatrix(5, 2), "U");
  EXPECT_EQ(BackAt(g, 5, 2), White);
}

TEST(MonthGrid, EntryLettersAndWeekdaysByLanguage) {
  for (int language : {1, 2}) {
    SCOPED_TRACE("language " + std::to_string(language));
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
                   {7, "S?", "S", "M", Yellow}, {8, "X/", "X", "", Green},
                   {9, "Ö/", "Ö", "", Green},   {10, "S", "S", "M", White}};
    for (const auto& e : entries) app.AddEntry(11, Dec(e.day), e.code, e.day == 1 ? note : 0);
    app.AddEntry(11, db::Date(2026, 11, 11), "S!");
    auto& k = Enter(app, 12, 1, language);
    auto& g = k.grdCal;

    for (const auto& e : entries) {
      SCOPED_TRACE(e.code);
      EXPECT_EQ(g.TextMatrix(AdamRow, e.day), language == 1 ? e.german : e.english);
      EXPECT_EQ(BackAt(g, AdamRow, e.day), e.back);
      EXPECT_EQ(Look(g, AdamRow, e.day).Alignment, forms::flexAlignCenterCenter);
    }
    EXPECT_EQ(app.s().CellNotes[AdamRow][1], note);
    EXPECT_EQ(app.s().CellNotes[AdamRow][2], 0);
    EXPECT_EQ(g.TextMatrix(AdamRow, 11), "");
    EXPECT_EQ(g.TextMatrix(1, 1), language == 1 ? "Dezember" : "December");
    EXPECT_EQ(g.TextMatrix(2, 1), language == 1 ? "Di" : "Tu");
    EXPECT_EQ(g.TextMatrix(2, 6), language == 1 ? "So" : "Su");
  }
}

// Holidays: the 24th (a Thursday, with a note), the 26th (a Saturday) and the 23rd, which has two
// rows and therefore no mark.
TEST(MonthGrid, WeekendAndHolidayMarksBySetting) {
  for (bool weekend : {true, false}) {
    for (bool holidays : {true, false}) {
      SCOPED_TRACE(std::string("weekend ") + (weekend ? "on" : "off") + ", holidays " +
                   (holidays ? "on" : "off"));
      CalendarApp app;
      const long christmas = app.AddNote("Weihnachten");
      app.AddHoliday(Dec(24), christmas);
      app.AddHoliday(Dec(26));
      app.AddHoliday(Dec(23), christmas);
      app.AddHoliday(Dec(23), christmas);
      app.AddHoliday(db::Date(2026, 11, 3), christmas);
      Prepare(app);
      app.s().Settings.HighlightWeekend = weekend ? -1 : 0;
      app.s().Settings.HighlightHolidays = holidays ? -1 : 0;
      auto& k = app.EnterAs(11, 1);
      auto& g = k.grdCal;
      const auto& notes = app.s().CellNotes;
      const forms::Color weekendBack = weekend ? WeekendColor : White;
      const forms::Color holidayBack = holidays ? HolidayColor : White;

      EXPECT_EQ(g.TextMatrix(2, 5), "Sa");
      EXPECT_EQ(BoldAt(g, 2, 5), weekend);
      EXPECT_EQ(Look(g, 2, 5).ForeColor, forms::vbBlack);
      EXPECT_EQ(BoldAt(g, 2, 6), weekend);
      EXPECT_EQ(Look(g, 2, 6).ForeColor, weekend ? forms::vbRed : forms::vbBlack);
      for (int workday : {4, 7}) {  // the Friday before, the Monday after
        EXPECT_FALSE(BoldAt(g, 2, workday)) << workday;
        EXPECT_EQ(BackAt(g, AdamRow, workday), White) << workday;
      }
      EXPECT_EQ(BackAt(g, AdamRow, 5), weekendBack);
      EXPECT_EQ(BackAt(g, BergRow, 6), weekendBack);

      EXPECT_EQ(notes[2][24], holidays ? christmas : 0);
      EXPECT_EQ(notes[3][24], holidays ? christmas : 0);
      EXPECT_EQ(Look(g, 2, 24).ForeColor, holidays ? HolidayColor : forms::vbBlack);
      EXPECT_EQ(BackAt(g, AdamRow, 24), holidayBack);
      EXPECT_EQ(BackAt(g, ZollerRow, 24), holidayBack);
      EXPECT_EQ(BoldAt(g, 2, 26), weekend);
      EXPECT_EQ(Look(g, 2, 26).ForeColor, holidays ? HolidayColor : forms::vbBlack);
      EXPECT_EQ(BackAt(g, AdamRow, 26), holidays ? HolidayColor : weekendBack);
      EXPECT_EQ(BackAt(g, AdamRow, 27), weekendBack);
      EXPECT_EQ(notes[2][23], 0);
      EXPECT_EQ(BackAt(g, AdamRow, 23), White);
      EXPECT_EQ(Look(g, 2, 23).ForeColor, forms::vbBlack);
      EXPECT_EQ(Look(g, 3, 23).ForeColor, forms::vbBlack);

      EXPECT_EQ(BackAt(g, AdamRow, 3), White);  // the marks move with the month
      k.cmdMonBack.UserClick();
      EXPECT_EQ(BackAt(g, AdamRow, 3), holidayBack);
      EXPECT_EQ(notes[3][3], holidays ? christmas : 0);
      k.cmdMonForward.UserClick();
      EXPECT_EQ(BackAt(g, AdamRow, 3), White);
      EXPECT_EQ(notes[3][3], 0);
    }
  }
}

}  // namespace
