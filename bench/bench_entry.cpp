// The entry of absences on the headless platform, in a database of 300 employees and 100,000
// tbl_Kalender rows: the checks of a 31-day selection with three dependents (target: under 20 ms)
// and writing a 31-day selection through the mouse, questions answered, calendar rebuilt (target:
// under 30 ms). Each benchmark reports its mean in milliseconds beside the target.
#include <chrono>

#include "BenchProgram.h"
#include "calendar/AbsenceChecks.h"
#include "calendar/frmKalender.h"

namespace {

using bench::Nachname;
using bench::Vorname;

// Employees of the shown team: 4 selects; 14 ("U/"), 24 ("K!") and 34 ("U?") are his dependents.
constexpr long kSelected = 4;
constexpr long kDependents[] = {14, 24, 34};

struct Program : bench::Program {
  int row = -1;  // the selected employee's grid row

  Program()
      : bench::Program(mv::SettingsRecord{}, "INSERT INTO tbl_Abhängigkeiten VALUES (" +
                                                 std::to_string(kSelected) + ", " +
                                                 std::to_string(kDependents[0]) + ", " +
                                                 std::to_string(kDependents[1]) + ", " +
                                                 std::to_string(kDependents[2]) + ");") {
    const forms::Grid& grid = program->calendar.frmKalender.Get().grdCal;
    for (int r = 4; r < grid.Rows(); ++r) {
      if (grid.TextMatrix(r, 0) == Nachname(kSelected) + ", " + Vorname(kSelected)) row = r;
    }
  }
};

Program& Shared() {
  static Program program;
  return program;
}

std::string DependentQuestion(mv::State& s, long p) {
  return s.T(87) + "\r" + Nachname(p) + ", " + Vorname(p) + s.T(88);
}

void BM_CheckAbsenceLimits31DaysThreeDependents(benchmark::State& st) {
  Program& program = Shared();
  mv::CalendarWindows& w = program.program->calendar;
  mv::State& s = w.s;
  w.frmKalender->grdCal.SetRow(program.row);
  s.CurrentPersNr = kSelected;
  s.CurrentType = mv::EntryType::Urlaub;
  s.Settings.NotifyDependencies = -1;
  mv::LoadDependencies(s);
  s.HasDeps = true;
  double total = 0;
  for (auto _ : st) {
    s.SelStart = 1;
    s.SelEndCol = 31;
    program.platform.ExpectMessageBox(DependentQuestion(s, kDependents[0]), forms::vbYes);
    program.platform.ExpectMessageBox(DependentQuestion(s, kDependents[2]), forms::vbYes);
    const auto start = std::chrono::steady_clock::now();
    const bool refused = mv::CheckAbsenceLimits(w);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (refused || program.platform.PendingMessageBoxes() != 0)
      st.SkipWithError("the questions went wrong");
  }
  s.SelStart.reset();
  bench::ReportMs(st, total, 20.0);
}
BENCHMARK(BM_CheckAbsenceLimits31DaysThreeDependents)->Unit(benchmark::kMillisecond);

// Press on day 1 of the row, drag to day 31, release: confirmation yes, no note, 31 rows written
// (new ones first, then changed in place, approving and enquiring by turns), calendar rebuilt.
void BM_Write31DaysThroughTheMouse(benchmark::State& st) {
  Program& program = Shared();
  mv::State& s = program.s();
  mv::frmKalender& k = program.program->calendar.frmKalender.Get();
  s.Settings.NotifyDependencies = 0;
  forms::Grid& grid = k.grdCal;
  bool approve = false;
  double total = 0;
  for (auto _ : st) {
    approve = !approve;
    if (approve) {
      k.opt_agree.UserClick();
    } else {
      k.opt_enquire.UserClick();
    }
    program.platform.ExpectMessageBox(std::string("Vom 01.12.2026 bis 31.12.2026\rUrlaub ") +
                                          (approve ? "genehmigen" : "anfragen") + " ?",
                                      forms::vbYes);
    program.platform.ExpectMessageBox(s.T(50), forms::vbNo);
    grid.UserMove(program.row, 1);
    const auto start = std::chrono::steady_clock::now();
    grid.UserPress(program.row, 1);
    grid.UserMove(program.row, 31, 1);
    grid.UserRelease(program.row, 31);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (program.platform.PendingMessageBoxes() != 0 || grid.TextMatrix(program.row, 31) != "U")
      st.SkipWithError("the days were not written");
  }
  bench::ReportMs(st, total, 30.0);
}
BENCHMARK(BM_Write31DaysThroughTheMouse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
