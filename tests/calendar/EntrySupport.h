#pragma once
// Driving the entry of absences as a user does: the mouse on the month grid, the questions, the
// note dialog while the entry waits for it. The calendar shows December 2026 (the platform's today).
#include <string>

#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "db/Date.h"
#include "support/TestApp.h"

namespace entrytest {

inline constexpr forms::Color Yellow = 0x00FFFF;
inline constexpr forms::Color Green = 0x00FF00;
inline constexpr forms::Color Red = 0x0000FF;
inline constexpr forms::Color White = 0xFFFFFF;
inline constexpr forms::Color Selected = 0xFFFF00;

inline db::Date Dec(int day) { return db::Date(2026, 12, day); }

// The member row showing "Nachname, Vorname"; -1 when none does.
inline int RowOf(const forms::Grid& grid, const std::string& name) {
  for (int r = 4; r < grid.Rows(); ++r) {
    if (grid.TextMatrix(r, 0) == name) return r;
  }
  return -1;
}

inline forms::Color CellColor(forms::Grid& grid, int row, int col) {
  grid.SetRow(row);
  grid.SetCol(col);
  return grid.CellBackColor();
}

// The pointer rests on the first day, the left button goes down there, drags to the last day and
// is released over it.
inline void SelectDays(mv::frmKalender& k, int row, int first, int last) {
  k.grdCal.UserMove(row, first);
  k.grdCal.UserPress(row, first);
  k.grdCal.UserMove(row, last, 1);
  k.grdCal.UserRelease(row, last);
}

// The German confirmation of a run of days in December 2026.
inline std::string RangeQuestion(int first, int last, const std::string& kind, const std::string& action) {
  return "Vom " + Dec(first).ToShort() + " bis " + Dec(last).ToShort() + "\r" + kind + " " + action + " ?";
}

inline std::string DependentQuestion(mv::State& s, const std::string& name) {
  return s.T(87) + "\r" + name + s.T(88);
}

// Yes to the note question and, inside the entry's wait, the text typed and saved.
inline void AttachNote(mvtest::TestApp& app, const std::string& text) {
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbYes);
  mv::State& s = app.s();
  app.platform.QueueAction([&s, text] {
    mv::frmNotiz& dialog = *s.frmNotiz.IfLoaded();
    dialog.cmb_Note.UserType(text);
    dialog.cmdSave.UserClick();
  });
}

inline void NoNote(mvtest::TestApp& app) { app.platform.ExpectMessageBox(app.s().T(50), forms::vbNo); }

// The team the entry tests share: limit 2, Adam (row 4), Berg (row 5), Zoller (row 6); Berg's work
// depends on Adam's. Each employee has a login "<name>" with the password "pw".
inline void SeedTeam(mvtest::TestApp& app, int maxAbw = 2) {
  app.AddTeam(0, "Entwicklung", maxAbw);
  app.AddEmployee(11, "Adam", "Karl", 0);
  app.AddEmployee(10, "Berg", "Lena", 0);
  app.AddEmployee(12, "Zoller", "Eva", 0);
  app.AddLogin(11, "adam", "pw", 1);
  app.AddLogin(10, "berg", "pw", 3);
  app.AddLogin(12, "zoller", "pw", 1);
  app.AddDependency(10, 11);
}

constexpr int AdamRow = 4;
constexpr int BergRow = 5;
constexpr int ZollerRow = 6;

// The program as the user left it after logging in, with dependency notices on.
inline mv::frmKalender& Enter(mvtest::TestApp& app, long persNr, int group, int language = 1) {
  app.OpenProgram(language);
  app.s().Settings.NotifyDependencies = -1;
  return app.EnterAs(persNr, group);
}

}  // namespace entrytest
