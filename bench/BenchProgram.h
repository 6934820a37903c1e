#pragma once
// The program on the headless platform over a large database, shared by the window benchmarks:
// 300 employees in ten teams of 30 and 100,000 tbl_Kalender rows spread over 2025 to 2027
// (employee p is in team (p - 1) % 10; his entries carry one code: "U?" when p % 3 is 1, "U/"
// when 2, "K!" when 0).
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/State.h"
#include "db/Db.h"
#include "forms/headless/HeadlessPlatform.h"
#include "program/Program.h"

namespace bench {

constexpr int kTeams = 10;
constexpr int kEmployees = 300;
constexpr int kRows = 100000;
constexpr int kShownTeam = 3;

inline std::string Nachname(long p) { return "Name" + std::to_string(p * 7919 % 1000); }
inline std::string Vorname(long p) { return "Vorname" + std::to_string(p); }

inline std::string Schema() {
  std::ifstream in(MV_SCHEMA_SQL);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The teams, employees and calendar rows, as native SQL statements.
inline std::string SeedSql() {
  std::ostringstream sql;
  for (int t = 0; t < kTeams; ++t)
    sql << "INSERT INTO tbl_Teams VALUES (" << t << ", 'Team " << t << "', 30);";
  for (long p = 1; p <= kEmployees; ++p) {
    sql << "INSERT INTO tbl_Mitarbeiter (PersNr, Nachname, Vorname, TelNr, Mail, TeamNr, UTage) "
           "VALUES ("
        << p << ", '" << Nachname(p) << "', '" << Vorname(p) << "', '*', '*', " << (p - 1) % kTeams
        << ", 30);";
  }
  sql << "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " << kRows - 1
      << ") "
      << "INSERT INTO tbl_Kalender (PersNr, Datum, KennZ, Notiz) "
      << "SELECT 1 + i % " << kEmployees << ", date('2025-01-01', '+' || ((i / " << kEmployees
      << ") * 3 % 1095) || ' days'), "
      << "CASE i % 3 WHEN 0 THEN 'U?' WHEN 1 THEN 'U/' ELSE 'K!' END, i % 5 FROM n;";
  return sql.str();
}

// Settings, texts and the connection as after start-up, a new database in the program folder
// seeded with SeedSql and extraSql, and the login state of an administrator of the shown team; the
// main window is not loaded.
inline void SetUp(mv::Program& program, const mv::SettingsRecord& settings,
                  const std::string& extraSql) {
  mv::State& s = program.s;
  const std::string path = (s.rt.Path() / "Morvellan.mdb").string();
  db::CreateDatabaseFile(path, Schema());
  s.Settings = mv::EffectiveSettings(settings);
  s.Texts.Fill(s.rt.Path().string());
  s.Conn.Open(db::JetConnectionString(path));
  s.Conn.ExecuteNative("BEGIN;" + SeedSql() + extraSql + "COMMIT;");
  s.UserGroup = mv::GroupAdmin;
  s.CurrentTeam = s.UserTeam = kShownTeam;
  s.CurrentUserName = Nachname(1) + ", " + Vorname(1);
}

// The program so set up on the headless platform.
struct Program {
  forms::HeadlessPlatform platform;
  std::unique_ptr<mv::Program> program;
  mv::State& s() { return program->s; }

  Program(const mv::SettingsRecord& settings, const std::string& extraSql) {
    program = std::make_unique<mv::Program>(platform);
    SetUp(*program, settings, extraSql);
  }
  ~Program() { program.reset(); }
};

// The mean of the timed part in milliseconds beside its target.
inline void ReportMs(benchmark::State& st, double seconds, double targetMs) {
  const double ms = seconds * 1000.0 / static_cast<double>(st.iterations());
  st.counters["mean_ms"] = ms;
  st.counters["target_ms"] = targetMs;
  st.counters["met"] = ms < targetMs ? 1 : 0;
}

}  // namespace bench
