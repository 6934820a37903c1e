#include "calendar/AbsenceChecks.h"

#include <optional>
#include <string>

#include "calendar/SelectedDays.h"
#include "calendar/frmKalender.h"
#include "db/Db.h"

namespace mv {

namespace {

// Closes a shared recordset when the check leaves, also through a failure.
class ClosedOnExit {
 public:
  explicit ClosedOnExit(db::Recordset& rs) : rs_(rs) {}
  // Nothing was changed through it, so nothing is there to save.
  ~ClosedOnExit() { rs_.Discard(); }
  ClosedOnExit(const ClosedOnExit&) = delete;
  ClosedOnExit& operator=(const ClosedOnExit&) = delete;

 private:
  db::Recordset& rs_;
};

// MaxAbw of the shown team; none when the team has no row.
std::optional<int> TeamLimit(State& s) {
  s.RsTeams.Open("tbl_Teams", s.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
  ClosedOnExit close(s.RsTeams);
  s.RsTeams.Find("TeamNr = " + std::to_string(s.CurrentTeam));
  if (s.RsTeams.EOF()) return std::nullopt;
  return s.RsTeams["MaxAbw"].Int();
}

// Members with an entry on a selected day, plus the selected employee where his own cell is
// still empty, exceed the limit on at least one day.
bool LimitExceeded(CalendarWindows& w, int maxAbw) {
  State& s = w.s;
  const forms::Grid& grid = w.frmKalender.Get().grdCal;
  const int ownRow = grid.Row();
  for (int d = *s.SelStart; d <= s.SelEndCol; ++d) {
    int absent = 0;
    for (int r = 4; r < grid.Rows(); ++r) {
      if (!grid.TextMatrix(r, d).empty()) ++absent;
    }
    if (grid.TextMatrix(ownRow, d).empty()) ++absent;
    if (absent > maxAbw) return true;
  }
  return false;
}

// A row of the dependent in the selection that is not declined or unexcused.
bool AbsentInSelection(State& s, long persNr) {
  db::Recordset& rs = s.RsKalender;
  const std::string criterion = "PersNr = " + std::to_string(persNr) +
                                " AND Datum >= " + DayText(s, *s.SelStart) +
                                " AND Datum <= " + DayText(s, s.SelEndCol);
  rs.MoveFirst();
  for (rs.Find(criterion); !rs.EOF(); rs.Find(criterion)) {
    const std::string kennZ = rs["KennZ"].Text();
    if (kennZ.empty() || kennZ.back() != '!') return true;
    rs.MoveNext();
  }
  return false;
}

// "Nachname, Vorname"; the personnel number where the employee has no row any more.
std::string EmployeeName(State& s, long persNr) {
  db::Recordset rs;
  rs.Open("SELECT Nachname, Vorname FROM tbl_Mitarbeiter WHERE PersNr = " + std::to_string(persNr) +
              ";",
          s.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  if (rs.EOF()) return std::to_string(persNr);
  return rs["Nachname"].Text() + ", " + rs["Vorname"].Text();
}

}  // namespace

void LoadDependencies(State& s) {
  s.DepPersNr.fill(0);
  for (auto& name : s.DepNames) name.clear();
  if (s.Settings.NotifyDependencies == 0) return;
  s.RsAbh.Open("tbl_Abhängigkeiten", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  ClosedOnExit close(s.RsAbh);
  if (s.RsAbh.RecordCount() == 0) return;
  s.RsAbh.MoveFirst();
  s.RsAbh.Find("PersNr = " + std::to_string(s.CurrentPersNr));
  if (s.RsAbh.EOF()) return;
  for (int k = 1; k <= 3; ++k) {
    const long dep = s.RsAbh["AbhPersNr" + std::to_string(k)].Int();
    if (dep > 0) s.DepPersNr[k] = dep;
  }
}

bool CheckAbsenceLimits(CalendarWindows& w) {
  State& s = w.s;
  if (!s.SelStart) return false;
  if (s.CurrentType != EntryType::Krank) {
    const std::optional<int> maxAbw = TeamLimit(s);
    if (maxAbw && LimitExceeded(w, *maxAbw) &&
        s.rt.MsgBox(s.T(101), forms::vbYesNo, s.T(TxtImportantNotice)) == forms::vbNo) {
      return true;
    }
  }
  if (!s.HasDeps) return false;
  for (int k = 1; k <= 3; ++k) {
    if (s.DepPersNr[k] > 0 && AbsentInSelection(s, s.DepPersNr[k]))
      s.DepNames[k] = EmployeeName(s, s.DepPersNr[k]);
  }
  for (int k = 1; k <= 3; ++k) {
    if (s.DepNames[k].empty()) continue;
    const std::string prompt = s.T(87) + "\r" + s.DepNames[k] + s.T(88);
    if (s.rt.MsgBox(prompt, forms::vbYesNo, s.T(TxtImportantNotice)) == forms::vbNo) return true;
  }
  return false;
}

int CountTeamMembers(State& s, int TeamNr) {
  db::Recordset members;
  members.Open(
      "SELECT tbl_Mitarbeiter.TeamNr FROM tbl_Mitarbeiter WHERE (((tbl_Mitarbeiter.TeamNr)=" +
          std::to_string(TeamNr) + "));",
      s.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  return static_cast<int>(members.RecordCount());
}

}  // namespace mv
