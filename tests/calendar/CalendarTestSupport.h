#pragma once
// Driving the main window as a user does and reading what it shows. Unless a test moves the
// clock, today is 6 December 2026: the 1st is a Tuesday, the 5th/6th and 26th/27th are weekends.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calendar/DaySelection.h"
#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "db/Date.h"
#include "support/TestApp.h"

namespace caltest {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

inline constexpr forms::Color Yellow = 0x00FFFF;
inline constexpr forms::Color Green = 0x00FF00;
inline constexpr forms::Color Red = 0x0000FF;
inline constexpr forms::Color White = 0xFFFFFF;
inline constexpr forms::Color WeekendColor = 0xC0C0C0;
inline constexpr forms::Color HolidayColor = 0x80FF80;

// The teams the tests share: "Entwicklung" (limit maxAbw) with Adam (row 4), Berg (row 5) and
// Zoller (row 6), Berg's work depending on Adam's; "Vertrieb" with Dorn; "Leer" without members.
// Zoller logs in as "zoller" (group 1) with "pw".
inline constexpr int AdamRow = 4;
inline constexpr int BergRow = 5;
inline constexpr int ZollerRow = 6;

inline void SeedTeams(mvtest::TestApp& app, int maxAbw = 30) {
  app.AddTeam(0, "Entwicklung", maxAbw);
  app.AddTeam(1, "Vertrieb");
  app.AddTeam(2, "Leer");
  app.AddEmployee(11, "Adam", "Karl", 0, 30);
  app.AddEmployee(10, "Berg", "Lena", 0, 25);
  app.AddEmployee(12, "Zoller", "Eva", 0, 28);
  app.AddEmployee(21, "Dorn", "Dora", 1);
  app.AddLogin(12, "zoller", "pw", 1);
  app.AddDependency(10, 11);
}

// A program with those teams in its database file, nothing opened yet. Every message box a test
// expected must have been shown by its end.
struct CalendarApp : mvtest::TestApp {
  explicit CalendarApp(int maxAbw = 30) { SeedTeams(*this, maxAbw); }
  ~CalendarApp() {
    EXPECT_EQ(platform.PendingMessageBoxes(), 0u) << "expected message boxes not shown";
    // The program's message boxes carry a prompt and their buttons, no icon.
    for (const auto& box : platform.MessageBoxes())
      EXPECT_EQ(box.Request.Icon, 0) << box.Request.Prompt;
  }
};

// Settings and texts read, the language chosen, day marks and dependency notices on.
inline void Prepare(mvtest::TestApp& app, int language = 1) {
  app.OpenProgram(language);
  auto& settings = app.s().Settings;
  settings.HighlightWeekend = -1;
  settings.HighlightHolidays = -1;
  settings.WeekendColor = WeekendColor;
  settings.HolidayColor = HolidayColor;
  settings.NotifyDependencies = -1;
}

// The main window as this employee's login with this group leaves it.
inline mv::frmKalender& Enter(mvtest::TestApp& app, long persNr, int group, int language = 1) {
  Prepare(app, language);
  return app.EnterAs(persNr, group);
}

inline void SetToday(mvtest::TestApp& app, int year, int month, int day = 1) {
  app.platform.SetNow({year, month, day, 8, 0, 0});
}

inline db::Date Dec(int day) { return db::Date(2026, 12, day); }

// The entries of a combo box or a list box, in their order.
template <class List>
std::vector<std::string> Entries(const List& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
  return out;
}

// A cell as drawn, with the grid's own highlight of the range under the mouse.
inline forms::PictureCell Look(const forms::Grid& g, int row, int col) {
  return g.Picture().Cell(row, col);
}
inline bool BoldAt(const forms::Grid& g, int row, int col) { return Look(g, row, col).Font.Bold; }

// The background the program gave a cell; the grid's current cell stays where it was.
inline forms::Color BackAt(forms::Grid& g, int row, int col) {
  const int r = g.Row(), c = g.Col();
  g.SetRow(row);
  g.SetCol(col);
  const forms::Color back = g.CellBackColor();
  g.SetRow(r);
  g.SetCol(c);
  return back;
}

// The day columns of a row in the selection colour.
inline std::vector<int> SelectedDays(forms::Grid& g, int row) {
  std::vector<int> days;
  for (int c = 1; c < g.Cols(); ++c)
    if (BackAt(g, row, c) == mv::SelectionColor) days.push_back(c);
  return days;
}

inline int RowsWithSelection(forms::Grid& g) {
  int rows = 0;
  for (int r = 4; r < g.Rows(); ++r) rows += SelectedDays(g, r).empty() ? 0 : 1;
  return rows;
}

// The pointer rests on the first day, the left button goes down there, drags to the last day and
// is released over it.
inline void SelectDays(mv::frmKalender& k, int row, int first, int last) {
  k.grdCal.UserMove(row, first);
  k.grdCal.UserPress(row, first);
  k.grdCal.UserMove(row, last, forms::vbLeftButton);
  k.grdCal.UserRelease(row, last);
}

// The German confirmations of December 2026.
inline std::string DayQuestion(int day, const std::string& kind, const std::string& action) {
  return "Am " + Dec(day).ToShort() + " " + kind + " " + action + " ?";
}
inline std::string RangeQuestion(int first, int last, const std::string& kind,
                                 const std::string& action) {
  return "Vom " + Dec(first).ToShort() + " bis " + Dec(last).ToShort() + "\r" + kind + " " +
         action + " ?";
}

// The question of a run of December 2026, of one day or of several.
inline std::string Question(int first, int last, const std::string& kind,
                            const std::string& action) {
  return first == last ? DayQuestion(first, kind, action)
                       : RangeQuestion(first, last, kind, action);
}

inline std::string DependentQuestion(mv::State& s, const std::string& name) {
  return s.T(87) + "\r" + name + s.T(88);
}

// The next questions, in this order, each answered yes.
inline void Agree(mvtest::TestApp& app, const std::vector<std::string>& prompts) {
  for (const std::string& prompt : prompts) app.platform.ExpectMessageBox(prompt, forms::vbYes);
}

inline void NoNote(mvtest::TestApp& app) {
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbNo);
}

// The German vacation enquiry of the run answered as told; after a yes, no note.
inline void ExpectEnquiry(mvtest::TestApp& app, int first, int last, int answer = forms::vbYes) {
  app.platform.ExpectMessageBox(Question(first, last, "Urlaub", "anfragen"), answer);
  if (answer == forms::vbYes) NoNote(app);
}

// The vacation account as shown: total, planned, left.
inline Texts Account(const mv::frmKalender& k) {
  return {k.lbl_KtoZahl1.Caption(), k.lbl_KtoZahl2.Caption(), k.lbl_KtoZahl3.Caption()};
}

inline Rows EntriesOf(mvtest::TestApp& app, long persNr) {
  return app.Query("SELECT Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = " +
                   std::to_string(persNr) + " ORDER BY Datum");
}

// An employee's entries as stored by day of December 2026 (other dates as yyyymmdd): code, note.
using DayEntries = std::map<int, std::pair<std::string, long>>;
inline DayEntries EntriesByDay(mvtest::TestApp& app, long persNr) {
  DayEntries out;
  for (const auto& row : EntriesOf(app, persNr)) {
    const int date = std::stoi(row[0].substr(0, 4) + row[0].substr(5, 2) + row[0].substr(8, 2));
    const int key = date / 100 == 202612 ? date % 100 : date;
    EXPECT_TRUE(out.emplace(key, std::pair(row[1], std::stol(row[2]))).second)
        << row[0] << " twice";
  }
  return out;
}

}  // namespace caltest
