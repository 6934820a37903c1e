// The entry of absences on the headless platform, in a database of 300 employees and 100,000
// tbl_Kalender rows: the checks of a 31-day selection with three dependents (target: under 20 ms)
// and writing a 31-day selection through the mouse, questions answered, calendar rebuilt (target:
// under 30 ms). Each benchmark reports its mean in milliseconds beside the target.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "calendar/AbsenceChecks.h"
#include "calendar/frmKalender.h"
#include "core/State.h"
#include "db/Db.h"
#include "forms/headless/HeadlessPlatform.h"

namespace {

constexpr int kTeams = 10;
constexpr int kEmployees = 300;
constexpr int kRows = 100000;
constexpr int kShownTeam = 3;
// Employees of the shown team: 4 selects; 14 ("U/"), 24 ("K!") and 34 ("U?") are his dependents.
constexpr long kSelected = 4;
constexpr long kDependents[] = {14, 24, 34};

std::string Schema() {
  std::ifstream in(MV_SCHEMA_SQL);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Nachname(long p) { return "Name" + std::to_string(p * 7919 % 1000); }
std::string Vorname(long p) { return "Vorname" + std::to_string(p); }

// Employee p is in team (p - 1) % 10 and has an entry every third day of 2025 to 2027, always of
// one code: "U?" when p % 3 is 1, "U/" when 2, "K!" when 0.
void Seed(db::Connection& conn) {
  std::ostringstream sql;
  sql << "BEGIN;";
  for (int t = 0; t < kTeams; ++t) sql << "INSERT INTO tbl_Teams VALUES (" << t << ", 'Team " << t << "', 30);";
  for (long p = 1; p <= kEmployees; ++p) {
    sql << "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) VALUES (" << p
        << ", '" << Nachname(p) << "', '" << Vorname(p) << "', '*', '*', " << (p - 1) % kTeams << ", 30);";
  }
  sql << "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " << kRows - 1 << ") "
      << "INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) "
      << "SELECT 1 + i % " << kEmployees << ", date('2025-01-01', '+' || ((i / " << kEmployees
      << ") * 3 % 1095) || ' days'), "
      << "CASE i % 3 WHEN 0 THEN 'U?' WHEN 1 THEN 'U/' ELSE 'K!' END, i % 5 FROM n;";
  sql << "INSERT INTO tbl_Abhängigkeiten VALUES (" << kSelected << ", " << kDependents[0] << ", " << kDependents[1]
      << ", " << kDependents[2] << ");";
  sql << "COMMIT;";
  conn.ExecuteNative(sql.str());
}

struct Program {
  forms::HeadlessPlatform platform;
  std::unique_ptr<mv::State> state;
  int row = -1;  // the selected employee's grid row

  Program() {
    const std::string path = (platform.ProgramFolder() / "Morvellan.mdb").string();
    db::CreateDatabaseFile(path, Schema());
    state = std::make_unique<mv::State>(platform);
    mv::State& s = *state;
    s.Settings = mv::EffectiveSettings(mv::SettingsRecord{});
    s.Texts.Fill(platform.ProgramFolder().string());
    s.Conn.Open(db::JetConnectionString(path));
    Seed(s.Conn);
    s.UserGroup = mv::GroupAdmin;
    s.CurrentTeam = s.UserTeam = kShownTeam;
    s.CurrentUserName = Nachname(1) + ", " + Vorname(1);
    const forms::Grid& grid = s.frmKalender.Get().grdCal;
    for (int r = 4; r < grid.Rows(); ++r) {
      if (grid.TextMatrix(r, 0) == Nachname(kSelected) + ", " + Vorname(kSelected)) row = r;
    }
  }
  ~Program() { state.reset(); }
};

Program& Shared() {
  static Program program;
  return program;
}

void ReportMs(benchmark::State& st, double seconds, double targetMs) {
  const double ms = seconds * 1000.0 / static_cast<double>(st.iterations());
  st.counters["mean_ms"] = ms;
  st.counters["target_ms"] = targetMs;
  st.counters["met"] = ms < targetMs ? 1 : 0;
}

std::string DependentQuestion(mv::State& s, long p) { return s.T(87) + "\r" + Nachname(p) + ", " + Vorname(p) + s.T(88); }

void BM_CheckAbsenceLimits31DaysThreeDependents(benchmark::State& st) {
  Program& program = Shared();
  mv::State& s = *program.state;
  s.frmKalender->grdCal.SetRow(program.row);
  s.CurrentPersNr = kSelected;
  s.CurrentType = "Urlaub";
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
    const bool refused = mv::CheckAbsenceLimits(s);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (refused || program.platform.PendingMessageBoxes() != 0) st.SkipWithError("the questions went wrong");
  }
  s.SelStart.reset();
  ReportMs(st, total, 20.0);
}
BENCHMARK(BM_CheckAbsenceLimits31DaysThreeDependents)->Unit(benchmark::kMillisecond);

// Press on day 1 of the row, drag to day 31, release: confirmation yes, no note, 31 rows written
// (new ones first, then changed in place, approving and enquiring by turns), calendar rebuilt.
void BM_Write31DaysThroughTheMouse(benchmark::State& st) {
  Program& program = Shared();
  mv::State& s = *program.state;
  mv::frmKalender& k = s.frmKalender.Get();
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
    program.platform.ExpectMessageBox(
        std::string("Vom 01.12.2026 bis 31.12.2026\rUrlaub ") + (approve ? "genehmigen" : "anfragen") + " ?",
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
  ReportMs(st, total, 30.0);
}
BENCHMARK(BM_Write31DaysThroughTheMouse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
