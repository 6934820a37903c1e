#include "calendar/DayMarks.h"

#include <string>

#include "calendar/CalendarGrid.h"
#include "calendar/EntryLook.h"
#include "calendar/SignedText.h"
#include "calendar/frmKalender.h"
#include "db/Db.h"

namespace mv {

namespace {

constexpr int FirstMemberRow = 4;
constexpr int LastNoteRow = 34;

void PaintMemberCells(forms::Grid& g, int col, forms::Color color) {
  g.SetCol(col);
  for (int r = FirstMemberRow; r < g.Rows(); ++r) {
    g.SetRow(r);
    g.SetCellBackColor(color);
  }
}

// Every step may fail on its own (table missing, bad filter); the other marks still go on.
template <class F>
void Skipping(F&& step) {
  try {
    step();
  } catch (const db::Error&) {
    // The day or row keeps its plain look; a rebuild reports nothing of its marks.
  } catch (const forms::Error&) {
    // As above: a mark the grid refuses is left out.
  }
}

void MarkWeekend(State& s, forms::Grid& g, int day, int weekday) {
  if (!s.Settings.HighlightWeekend || weekday <= 5) return;
  g.SetRow(2);
  g.SetCol(day);
  g.SetCellFontBold(true);
  if (weekday == 7) g.SetCellForeColor(forms::vbRed);
  PaintMemberCells(g, day, s.Settings.WeekendColor);
}

void MarkHoliday(State& s, forms::Grid& g, const db::Date& date) {
  if (!s.Settings.HighlightHolidays) return;
  const int day = date.Day();
  Skipping([&] {
    s.RsFerien.Filter("Datum = " + std::to_string(day) + "." + std::to_string(date.Month()) + "." +
                      std::to_string(date.Year()));
    if (s.RsFerien.RecordCount() == 1) {
      const long note = s.RsFerien["notiz"].Int();
      s.CellNotes[3][day] = note;
      s.CellNotes[2][day] = note;
      g.SetRow(2);
      g.SetCol(day);
      g.SetCellForeColor(s.Settings.HolidayColor);
      PaintMemberCells(g, day, s.Settings.HolidayColor);
    } else {
      g.SetRow(3);
      g.SetCol(day);
      g.SetCellForeColor(forms::vbBlack);
    }
  });
  Skipping([&] { s.RsFerien.Filter(0); });
}

bool SeesStateColors(const State& s, const forms::Grid& g, int row) {
  if (s.UserGroup != GroupEmployee) return true;
  return row == s.OwnRow && s.CurrentTeam == s.UserTeam && ShowsOwnName(s, g, row);
}

void PaintMemberMonth(State& s, forms::Grid& g, int row) {
  s.SqlMonth =
      "SELECT tbl_Kalender.PersNr, tbl_Kalender.Datum, tbl_Kalender.KennZ, tbl_Kalender.Notiz FROM "
      "tbl_Kalender "
      "WHERE (((tbl_Kalender.PersNr)=" +
      Str(s.RsTeamMembers["PersNr"].Int64()) + ") AND ((Month([Datum]))=" + Str(s.CurrentMonth) +
      ") AND ((Year([Datum]))=" + Str(s.CurrentYear) + "));";
  s.RsMonthEntries.Close();
  s.RsMonthEntries.Open(s.SqlMonth, s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  const bool colors = SeesStateColors(s, g, row);
  g.SetRow(row);
  for (; !s.RsMonthEntries.EOF(); s.RsMonthEntries.MoveNext()) {
    const int day = s.RsMonthEntries["Datum"].Date().Day();
    const std::string kennZ = s.RsMonthEntries["KennZ"].Text();
    g.SetCol(day);
    g.SetText(EntryLetter(kennZ, s.Language()));
    if (row <= LastNoteRow) s.CellNotes[row][day] = s.RsMonthEntries["Notiz"].Int();
    if (auto color = StateColor(kennZ); color && colors) g.SetCellBackColor(*color);
    g.SetCellAlignment(forms::flexAlignCenterCenter);
  }
}

}  // namespace

void FormatDayColumns(CalendarWindows& w, int Days) {
  State& s = w.s;
  auto* main = w.frmKalender.IfLoaded();
  if (!main) return;
  auto& g = main->grdCal;
  Skipping([&] {
    s.RsFerien.Close();
    s.RsFerien.Open("tbl_Ferien", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  });
  for (int c = 0; c <= 31; ++c) {
    s.CellNotes[2][c] = 0;
    s.CellNotes[3][c] = 0;
  }
  g.SetRedraw(false);
  for (int d = 1; d <= Days && d <= 31; ++d) {
    const db::Date date(s.CurrentYear, s.CurrentMonth, d);
    if (!date.IsValid()) continue;
    const int weekday = date.Weekday();
    g.SetRow(2);
    g.SetCol(d);
    g.SetCellForeColor(forms::vbBlack);
    g.SetCellFontBold(false);
    g.SetText(s.T(12 + weekday));
    MarkWeekend(s, g, d, weekday);
    MarkHoliday(s, g, date);
  }
  g.SetRedraw(true);
  Skipping([&] { s.RsFerien.Close(); });
}

void LoadCalendarEntries(CalendarWindows& w) {
  State& s = w.s;
  auto* main = w.frmKalender.IfLoaded();
  if (!main) return;
  auto& g = main->grdCal;
  for (int r = FirstMemberRow; r <= LastNoteRow; ++r) s.CellNotes[r].fill(0);
  auto& members = s.RsTeamMembers;
  long count = 0;
  Skipping([&] { count = members.IsOpen() ? members.RecordCount() : 0; });
  if (count == 0) return;
  members.MoveFirst();
  for (int row = FirstMemberRow; !members.EOF() && row < g.Rows(); ++row, members.MoveNext()) {
    // A member whose entries cannot be read would look like one without absences.
    try {
      PaintMemberMonth(s, g, row);
    } catch (const db::Error& e) {
      if (!s.CalendarGap) s.CalendarGap = e;
    }
  }
}

}  // namespace mv
