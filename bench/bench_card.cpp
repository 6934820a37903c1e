// The employee card on the headless platform, in a database of 300 employees and 100,000
// tbl_Kalender rows: deleting an employee with 1,000 calendar rows and a login, the month grid's
// rebuild included (target: under 50 ms); opening the card with Ctrl+K (target: under 10 ms); a
// search listing all 300 employees (target: under 10 ms). Each benchmark reports its mean in
// milliseconds beside the target.
#include <chrono>

#include "BenchProgram.h"
#include "calendar/frmKalender.h"
#include "masterdata/frmMitarbeiter.h"

namespace {

using Clock = std::chrono::steady_clock;

bench::Program& Shared() {
  static bench::Program program(mv::SettingsRecord{}, "");
  return program;
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// An employee of the shown team with 1,000 calendar rows from 2024 on and one login, known to the
// main window's RsKalender as rows written before it opened are.
void AddDoomedEmployee(bench::Program& program, long persNr) {
  const std::string p = std::to_string(persNr);
  program.s().Conn.ExecuteNative(
      "BEGIN;"
      "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) VALUES "
      "(" +
      p + ", 'Zuletzt', 'Otto', '*', '*', " + std::to_string(bench::kShownTeam) +
      ", 30);"
      "INSERT INTO tbl_User VALUES (" +
      p + ", 'otto" + p +
      "', 'pw', 3);"
      "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999) "
      "INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) SELECT " +
      p + ", date('2024-01-01', '+' || i || ' days'), 'U/', 0 FROM n;COMMIT;");
  program.s().RsKalender.Requery();
}

void BM_DeleteEmployeeWith1000Rows(benchmark::State& st) {
  bench::Program& program = Shared();
  mv::State& s = program.s();
  mv::frmKalender& main = program.program->calendar.frmKalender.Get();
  mv::frmMitarbeiter& card = program.program->masterdata.frmMitarbeiter.Get();
  long persNr = 100000;
  double total = 0;
  for (auto _ : st) {
    AddDoomedEmployee(program, ++persNr);
    s.CurrentPersNr = persNr;
    main.UserShortcut("Ctrl+K");
    program.platform.ExpectMessageBox(s.T(72), forms::vbYes);
    program.platform.ExpectMessageBox(s.T(73), forms::vbOK);
    const auto start = Clock::now();
    card.cmd_Delete.UserClick();
    total += Seconds(start);
    if (program.platform.PendingMessageBoxes() != 0 ||
        card.txt_PersNr.Text() == std::to_string(persNr))
      st.SkipWithError("the employee was not deleted");
    card.cmd_Close.UserClick();
  }
  bench::ReportMs(st, total, 50.0);
}
BENCHMARK(BM_DeleteEmployeeWith1000Rows)->Unit(benchmark::kMillisecond);

void BM_OpenCard(benchmark::State& st) {
  bench::Program& program = Shared();
  mv::frmKalender& main = program.program->calendar.frmKalender.Get();
  mv::frmMitarbeiter& card = program.program->masterdata.frmMitarbeiter.Get();
  program.s().CurrentPersNr = 150;
  double total = 0;
  for (auto _ : st) {
    const auto start = Clock::now();
    main.UserShortcut("Ctrl+K");
    total += Seconds(start);
    if (card.txt_PersNr.Text() != "150") st.SkipWithError("the card shows someone else");
    card.cmd_Close.UserClick();
  }
  bench::ReportMs(st, total, 10.0);
}
BENCHMARK(BM_OpenCard)->Unit(benchmark::kMillisecond);

void BM_SearchListing300(benchmark::State& st) {
  bench::Program& program = Shared();
  mv::frmKalender& main = program.program->calendar.frmKalender.Get();
  mv::frmMitarbeiter& card = program.program->masterdata.frmMitarbeiter.Get();
  main.UserShortcut("Ctrl+K");
  double total = 0;
  for (auto _ : st) {
    program.platform.QueueInputBox(std::nullopt);
    const auto start = Clock::now();
    card.cmd_Search.UserClick();
    total += Seconds(start);
    if (card.lst_Results.ListCount() != bench::kEmployees) st.SkipWithError("not everyone listed");
    card.cmd_CloseList.UserClick();
  }
  card.cmd_Close.UserClick();
  bench::ReportMs(st, total, 10.0);
}
BENCHMARK(BM_SearchListing300)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
