#pragma once
// Team management as a user opens it from the main window, over the calendar tests' teams with
// "Vertrieb" grown to five: "Entwicklung" (team 0: Adam 11, Berg 10, Zoller 12), "Vertrieb"
// (team 1: Dorn 21, Ernst 22, Fink 23, Graf 24, Hahn 25), "Leer" (team 2, no members).
#include <functional>
#include <string>
#include <vector>

#include "calendar/CalendarTestSupport.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"

namespace teamtest {

using caltest::Rows;
using Texts = std::vector<std::string>;

struct TeamsApp : caltest::CalendarApp {
  TeamsApp() {
    for (long p = 22; p <= 25; ++p)
      AddEmployee(p, Texts{"Ernst", "Fink", "Graf", "Hahn"}[p - 22], "V", 1);
  }
  mv::frmTeams& Teams() { return *masterdata().frmTeams; }
  mv::frmBearbeitenTeam& Dialog() { return *masterdata().frmBearbeitenTeam; }
  Rows TeamTable() {
    return Query("SELECT TeamNr, TeamName, MaxAbw FROM tbl_Teams ORDER BY rowid");
  }
  Rows TeamsOf() { return Query("SELECT PersNr, TeamNr FROM tbl_Mitarbeiter ORDER BY PersNr"); }
  // Zoller, an administrator, logs in and opens team management with Ctrl+T.
  mv::frmTeams& Open() {
    caltest::Enter(*this, 12, mv::GroupAdmin).UserShortcut("Ctrl+T");
    return Teams();
  }
};

inline Texts Column(const forms::Grid& g, int col) {
  Texts texts;
  for (int r = 0; r < g.Rows(); ++r) texts.push_back(g.TextMatrix(r, col));
  return texts;
}

// Opens the dialog by the button, picks the list entry, does `before` and presses OK.
inline void Act(forms::CommandButton& button, mv::frmBearbeitenTeam& d, int team,
                const std::function<void()>& before = {}) {
  button.UserClick();
  d.cmb_Teams.UserSelect(team);
  if (before) before();
  d.cmd_OK.UserClick();
}

}  // namespace teamtest
