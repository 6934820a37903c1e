#include "calendar/TeamLists.h"

#include <string>
#include <vector>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "db/Db.h"

namespace mv {

namespace {

std::vector<std::string> ReadTeamNames(State& s) {
  std::vector<std::string> names;
  s.RsTeams.Close();
  s.RsTeams.Open("tbl_Teams", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  s.RsTeams.MoveFirst();
  while (!s.RsTeams.EOF()) {
    names.push_back(s.RsTeams["TeamName"].Text());
    s.RsTeams.MoveNext();
  }
  s.RsTeams.Close();
  return names;
}

}  // namespace

void FillTeamCombos(CalendarWindows& w) {
  State& s = w.s;
  std::vector<std::string> names;
  try {
    names = ReadTeamNames(s);
  } catch (const db::Error& e) {
    // Both lists are emptied anyway, so they never show teams of a table that failed. Nothing was
    // changed through the recordset, so closing it saves nothing.
    s.RsTeams.Close();
    s.rt.MsgBox(e.what());
  }
  if (auto* main = w.frmKalender.IfLoaded()) {
    main->cmbTeamAuswahl.Clear();
    for (const std::string& name : names) main->cmbTeamAuswahl.AddItem(name);
  }
  Follow(w.links.TeamNamesRead, names);
}

void FillTeamCombosOnCurrentTeam(CalendarWindows& w) {
  FillTeamCombos(w);
  frmKalender* main = w.frmKalender.IfLoaded();
  if (main && w.s.CurrentTeam >= 0 && w.s.CurrentTeam < main->cmbTeamAuswahl.ListCount()) {
    // The refilled list has no selection, so selecting runs its handler, which rebuilds.
    main->cmbTeamAuswahl.SetListIndex(w.s.CurrentTeam);
  } else {
    FillCalendar(w, CalendarPass::Team);
  }
}

void SetToolTips(CalendarWindows& w) {
  State& s = w.s;
  if (auto* k = w.frmKalender.IfLoaded()) {
    k->cmdMonForward.SetToolTipText(s.T(170));
    k->cmdMonBack.SetToolTipText(s.T(171));
    k->cmdZoomInc.SetToolTipText(s.T(172));
    k->cmdZoomDec.SetToolTipText(s.T(173));
    const int infoTips[] = {0, 175, 176, 185, 186, 177};
    k->opt_Info.ForEach([&](int i, forms::OptionButton& o) { o.SetToolTipText(s.T(infoTips[i])); });
  }
}

}  // namespace mv
