// The holiday calendar as an administrator drives it from the main window (Ctrl+F): the month as
// six weeks, marking and unmarking by dragging over days, the note under the pointer, the year's
// count on the status line and the month calendar after closing. Today is 6 December 2026.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "calendar/CalendarTestSupport.h"
#include "masterdata/frmFerien.h"

namespace {

using namespace caltest;
using Texts = std::vector<std::string>;

class HolidayCalendar : public ::testing::Test {
 protected:
  mv::frmFerien& Open() {
    if (!main) main = &Enter(app, 12, mv::GroupAdmin);
    EXPECT_TRUE(main->UserShortcut("Ctrl+F"));
    return *app.masterdata().frmFerien.IfLoaded();
  }

  // December 2026 begins on a Tuesday: day d stands in row 1 + d / 7, column d % 7.
  static void Drag(mv::frmFerien& f, int fromDay, int toDay) {
    f.grdMon.UserPress(1 + fromDay / 7, fromDay % 7);
    f.grdMon.UserMove(1 + toDay / 7, toDay % 7, forms::vbLeftButton);
    f.grdMon.UserRelease(1 + toDay / 7, toDay % 7);
  }

  void MarkWithNote(mv::frmFerien& f, int fromDay, int toDay, const std::string& note) {
    app.platform.ExpectMessageBox(app.s().T(50), forms::vbYes);
    app.platform.QueueAction([&] {
      EXPECT_FALSE(f.Enabled());
      mv::frmNotiz& dialog = *app.calendar().frmNotiz.IfLoaded();
      dialog.cmb_Note.UserType(note);
      dialog.cmdSave.UserClick();
    });
    Drag(f, fromDay, toDay);
  }

  Rows Holidays() { return app.Query("SELECT Datum, notiz FROM tbl_Ferien ORDER BY Datum"); }

  CalendarApp app;
  mv::frmKalender* main = nullptr;
};

// A week row as shown.
Texts Week(const mv::frmFerien& f, int row) {
  Texts cells;
  for (int c = 0; c < 7; ++c) cells.push_back(f.grdMon.TextMatrix(row, c));
  return cells;
}

TEST_F(HolidayCalendar, DragMarksTheRectangleCountsTheWholeYearAndClosingShowsTheMarks) {
  app.AddHoliday(db::Date(2026, 5, 1));
  app.AddHoliday(db::Date(2025, 12, 24));
  mv::frmFerien& f = Open();
  EXPECT_EQ(main->lbl_Status.Caption(), "Ferien/Feiertage insgesamt: 1");

  app.AddHoliday(Dec(9));  // another copy, after the window opened
  NoNote(app);
  Drag(f, 9, 15);  // Wednesday of one week to Tuesday of the next
  EXPECT_EQ(app.Query("SELECT Datum FROM tbl_Ferien WHERE Datum > '2026-12' AND notiz = 0"),
            (Rows{{"2026-12-08"}, {"2026-12-09"}, {"2026-12-15"}, {"2026-12-16"}}));
  EXPECT_EQ(BackAt(f.grdMon, 2, 1), Green);
  EXPECT_EQ(main->lbl_Status.Caption(), "Ferien/Feiertage insgesamt: 5");

  // Cancel: nothing written, the selection stays.
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbCancel);
  Drag(f, 21, 22);
  EXPECT_TRUE(f.grdMon.IsSelected(4, 1));
  EXPECT_EQ(Holidays().size(), 6u);

  // Closing shows the new marks and their notes in the month calendar.
  MarkWithNote(f, 10, 10, "Betriebsausflug");
  f.cmd_Close.UserClick();
  EXPECT_TRUE(main->IsActive());
  EXPECT_EQ(BackAt(main->grdCal, AdamRow, 10), HolidayColor);
  main->grdCal.UserMove(3, 10);
  EXPECT_EQ(main->lbl_Note.Caption(), "Betriebsausflug");
}

// The month opens as the main window's, as six weeks from Monday; other months follow the lists.
TEST_F(HolidayCalendar, UnmarkingRemovesEveryRowOfTheDayAndMonthsShowWhole) {
  app.AddHoliday(Dec(1));
  app.AddHoliday(Dec(2));
  app.AddHoliday(Dec(2));
  app.AddHoliday(Dec(24));  // outside the days unmarked
  mv::frmFerien& f = Open();
  EXPECT_EQ((Texts{f.cmbMonat.Text(), f.cmbJahr.Text()}), (Texts{"Dezember", "2026"}));
  EXPECT_EQ(Week(f, 0), (Texts{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
  f.optDelete.UserClick();

  app.platform.ExpectMessageBox(app.s().T(102), forms::vbNo);
  Drag(f, 1, 3);
  EXPECT_EQ(Holidays().size(), 4u);
  app.platform.ExpectMessageBox(app.s().T(102), forms::vbYes);
  Drag(f, 1, 3);  // the 3rd is not marked
  EXPECT_EQ(Holidays(), (Rows{{"2026-12-24", "0"}}));
  EXPECT_EQ(BackAt(f.grdMon, 1, 1), White);

  const Texts none(7, "");
  for (const auto& [year, month, first, last, lastRow] :
       {std::tuple{2026, 3, Texts{"", "", "", "", "", "", "1"},
                   Texts{"30", "31", "", "", "", "", ""}, 6},  // begins on a Sunday
        {2008, 2, Texts{"", "", "", "", "1", "2", "3"}, Texts{"25", "26", "27", "28", "29", "", ""},
         5}}) {
    SCOPED_TRACE(month);
    f.cmbJahr.UserSelect(year - 2003);
    f.cmbMonat.UserSelect(month - 1);
    EXPECT_EQ(Week(f, 1), first);
    EXPECT_EQ(Week(f, lastRow), last);
    EXPECT_EQ(Week(f, 6), lastRow == 6 ? last : none);
  }
}

// Over the 24th (with note), the 25th (stored twice, with a note: no note), the 26th (without) and
// the 28th (whose note is gone); the header and cells beyond the month leave the box as it was.
// Marking again replaces the note, and a day stored twice becomes one.
TEST_F(HolidayCalendar, NoteOfTheDayUnderThePointerAndMarkingAgain) {
  const long christmasEve = app.AddNote("Heiligabend");
  const long gone = app.AddNote("weg");
  app.AddHoliday(Dec(24), christmasEve);
  app.AddHoliday(Dec(25), christmasEve);
  app.AddHoliday(Dec(25), christmasEve);
  app.AddHoliday(Dec(26));
  app.AddHoliday(Dec(28), gone);
  app.Sql("DELETE FROM tbl_Notizen WHERE LfdNr = " + std::to_string(gone));
  mv::frmFerien& f = Open();
  const std::tuple<int, int, const char*> moves[] = {{4, 3, "Heiligabend"}, {0, 3, "Heiligabend"},
                                                     {6, 6, "Heiligabend"}, {4, 4, ""},
                                                     {4, 3, "Heiligabend"}, {4, 5, ""},
                                                     {4, 3, "Heiligabend"}, {5, 0, ""}};
  for (auto [row, col, note] : moves) {
    f.grdMon.UserMove(row, col);
    EXPECT_EQ(f.txt_Notiz.Text(), note) << row << "," << col;
  }

  MarkWithNote(f, 24, 25, "Weihnachten");
  const std::string christmas = std::to_string(app.Scalar("SELECT max(LfdNr) FROM tbl_Notizen"));
  const std::string lost = std::to_string(gone);
  EXPECT_EQ(Holidays(), (Rows{{"2026-12-24", christmas},
                              {"2026-12-25", christmas},
                              {"2026-12-26", "0"},
                              {"2026-12-28", lost}}));

  // Declined right after a note, or Yes with the note dialog closed unsaved: no note.
  NoNote(app);
  Drag(f, 25, 25);
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbYes);
  app.platform.QueueAction([&] { app.calendar().frmNotiz->cmdAbort.UserClick(); });
  Drag(f, 24, 24);
  EXPECT_EQ(
      Holidays(),
      (Rows{{"2026-12-24", "0"}, {"2026-12-25", "0"}, {"2026-12-26", "0"}, {"2026-12-28", lost}}));
}

}  // namespace
