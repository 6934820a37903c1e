// The month calendar on the headless platform: one rebuild ("Team" then "Monat") of a team of 30
// in a database of 300 employees and 100,000 tbl_Kalender rows (target: under 5 ms), and the
// main window's whole set-up (target: under 50 ms). Each benchmark reports its mean in
// milliseconds beside the target.
#include <chrono>

#include "BenchProgram.h"
#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"

namespace {

// Every fourth day of December 2026 is a holiday.
std::string HolidaySql() {
  std::string sql;
  for (int d = 1; d <= 31; d += 4) {
    sql += "INSERT INTO tbl_Ferien VALUES ('2026-12-" + std::string(d < 10 ? "0" : "") +
           std::to_string(d) + "', 0);";
  }
  return sql;
}

mv::SettingsRecord MarkedDays() {
  mv::SettingsRecord settings;
  settings.HighlightWeekend = -1;
  settings.HighlightHolidays = -1;
  settings.WeekendColor = 0xC0C0C0;
  settings.HolidayColor = 0x80FF80;
  return settings;
}

bench::Program& Shared() {
  static bench::Program program(MarkedDays(), HolidaySql());
  return program;
}

void BM_FillCalendarTeamThenMonth(benchmark::State& st) {
  mv::CalendarWindows& w = Shared().program->calendar;
  w.frmKalender.Get();
  double total = 0;
  for (auto _ : st) {
    const auto start = std::chrono::steady_clock::now();
    mv::FillCalendar(w, mv::CalendarPass::Team);
    mv::FillCalendar(w, mv::CalendarPass::Monat);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  bench::ReportMs(st, total, 5.0);
}
BENCHMARK(BM_FillCalendarTeamThenMonth)->Unit(benchmark::kMillisecond);

void BM_MainWindowSetUp(benchmark::State& st) {
  mv::CalendarWindows& w = Shared().program->calendar;
  double total = 0;
  for (auto _ : st) {
    w.frmKalender.Discard();
    w.s.RsKalender.Close();
    const auto start = std::chrono::steady_clock::now();
    w.frmKalender.Get();
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  bench::ReportMs(st, total, 50.0);
}
BENCHMARK(BM_MainWindowSetUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
