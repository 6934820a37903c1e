#include "masterdata/TeamTable.h"

#include "core/WriteGuard.h"
#include "db/Db.h"

namespace mv {

namespace {

std::string TeamCriterion(int teamNr) { return "TeamNr = " + std::to_string(teamNr); }

// Every use reads the rows afresh: another running copy may have written since the last.
db::Recordset& OpenTeams(State& s) {
  s.RsTeams.Close();
  s.RsTeams.Open("tbl_Teams", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  return s.RsTeams;
}

db::Recordset& OpenEmployees(State& s) {
  s.RsMitarbeiter.Close();
  s.RsMitarbeiter.Open("tbl_Mitarbeiter", s.Conn, db::CursorType::Dynamic,
                       db::LockType::Pessimistic);
  return s.RsMitarbeiter;
}

// Whether the current row of RsTeams is the listed team's.
bool FindListedTeam(State& s, const ListedTeam& team) {
  db::Recordset& teams = OpenTeams(s);
  teams.Find(TeamCriterion(team.TeamNr));
  return !teams.EOF() && teams["TeamName"].Text() == team.TeamName;
}

void LowerTeamNumbersAbove(db::Recordset& rs, int teamNr) {
  for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) {
    const int number = rs["TeamNr"].Int();
    if (number <= teamNr) continue;
    rs["TeamNr"] = number - 1;
    rs.Update();
  }
}

void SetTeamOf(db::Recordset& employees, const std::vector<long>& persNrs, int teamNr) {
  for (long persNr : persNrs) {
    employees.MoveFirst();
    employees.Find("PersNr = " + std::to_string(persNr));
    if (employees.EOF()) continue;
    employees["TeamNr"] = teamNr;
    employees.Update();
  }
}

int AfterDeletion(int team, int deleted) {
  if (team == deleted) return 0;
  return team > deleted ? team - 1 : team;
}

}  // namespace

std::optional<TeamRow> ReadTeam(State& s, const ListedTeam& team) {
  std::optional<TeamRow> row;
  db::Recordset& teams = s.RsTeams;
  if (FindListedTeam(s, team)) row = TeamRow{teams["TeamName"].Text(), teams["MaxAbw"].Int()};
  teams.Close();
  return row;
}

bool TeamNameTaken(State& s, const std::string& name) {
  db::Recordset& teams = OpenTeams(s);
  teams.Find("TeamName = " + db::Quote(name));
  const bool taken = !teams.EOF();
  teams.Close();
  return taken;
}

bool TeamHasMembers(State& s, int teamNr) {
  db::Recordset& employees = OpenEmployees(s);
  employees.Find(TeamCriterion(teamNr));
  const bool found = !employees.EOF();
  employees.Close();
  return found;
}

// Each write reads its rows under its write lock: a team another copy added or renumbered just
// before is counted and found.
void AppendTeam(State& s, const std::string& name, int maxAbw) {
  db::Recordset& teams = s.RsTeams;
  {
    WriteGuard guard(s.Conn, {&teams});
    const long count = OpenTeams(s).RecordCount();
    teams.AddNew();
    teams["TeamNr"] = count;
    teams["TeamName"] = name;
    teams["MaxAbw"] = maxAbw;
    teams.Update();
    guard.Commit();
  }
  teams.Close();
}

bool ChangeTeam(State& s, const ListedTeam& team, const std::string& name, int maxAbw) {
  db::Recordset& teams = s.RsTeams;
  bool listed = false;
  {
    WriteGuard guard(s.Conn, {&teams});
    listed = FindListedTeam(s, team);
    if (listed) {
      teams["TeamName"] = name;
      teams["MaxAbw"] = maxAbw;
      teams.Update();
    }
    guard.Commit();
  }
  teams.Close();
  return listed;
}

// Every number above the deleted one is lowered, whatever the order the rows are stored in.
bool DeleteTeam(State& s, const ListedTeam& team) {
  db::Recordset& teams = s.RsTeams;
  db::Recordset& employees = s.RsMitarbeiter;
  bool listed = false;
  {
    WriteGuard guard(s.Conn, {&teams, &employees});
    listed = FindListedTeam(s, team);
    if (listed) {
      OpenEmployees(s);
      teams.Delete();
      LowerTeamNumbersAbove(teams, team.TeamNr);
      LowerTeamNumbersAbove(employees, team.TeamNr);
    }
    guard.Commit();
  }
  teams.Close();
  employees.Close();
  return listed;
}

bool MoveEmployees(State& s, const std::vector<long>& persNrs, const ListedTeam& target) {
  db::Recordset& employees = s.RsMitarbeiter;
  bool listed = false;
  {
    WriteGuard guard(s.Conn, {&employees});
    listed = FindListedTeam(s, target);
    if (listed) SetTeamOf(OpenEmployees(s), persNrs, target.TeamNr);
    guard.Commit();
  }
  s.RsTeams.Close();
  employees.Close();
  return listed;
}

void FollowDeletedTeam(State& s, int teamNr) {
  s.CurrentTeam = AfterDeletion(s.CurrentTeam, teamNr);
  s.UserTeam = AfterDeletion(s.UserTeam, teamNr);
}

}  // namespace mv
