#include "calendar/TeamLists.h"

#include <string>
#include <utility>
#include <vector>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "db/Db.h"

namespace mv {

namespace {

std::vector<std::string> ReadTeamNames(State& s) {
  std::vector<std::string> names;
  s.RsTeams.Close();
  s.RsTeams.Open("tbl_Teams", s.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  // A list position stands for the team's number, whatever order the rows are stored in.
  s.RsTeams.Sort("TeamNr");
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
    s.rt.MsgBox(FailureMessage(s, e));
  }
  if (auto* main = w.frmKalender.IfLoaded()) {
    forms::ComboBox& list = main->cmbTeamAuswahl;
    // Once the calendar shows a team, the list goes on naming it. The calendar still shows that
    // team, so naming it again rebuilds nothing.
    const bool naming = list.ListIndex() >= 0;
    list.Clear();
    for (const std::string& name : names) list.AddItem(name);
    if (naming && s.CurrentTeam >= 0 && s.CurrentTeam < list.ListCount()) {
      const auto rebuild = std::exchange(list.Click, nullptr);
      list.SetListIndex(s.CurrentTeam);
      list.Click = rebuild;
    }
  }
  Follow(w.links.TeamNamesRead, names);
}

void FillTeamCombosOnCurrentTeam(CalendarWindows& w) {
  FillTeamCombos(w);
  frmKalender* main = w.frmKalender.IfLoaded();
  const bool listed =
      main && w.s.CurrentTeam >= 0 && w.s.CurrentTeam < main->cmbTeamAuswahl.ListCount();
  if (listed && main->cmbTeamAuswahl.ListIndex() != w.s.CurrentTeam) {
    // Selecting runs the list's handler, which rebuilds.
    main->cmbTeamAuswahl.SetListIndex(w.s.CurrentTeam);
    return;
  }
  FillCalendar(w, CalendarPass::Team);
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
