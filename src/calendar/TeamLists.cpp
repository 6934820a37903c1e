#include "calendar/TeamLists.h"

#include <string>
#include <vector>

#include "calendar/frmKalender.h"
#include "db/Db.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"

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

void FillTeamCombos(State& s) {
  std::vector<std::string> names;
  try {
    names = ReadTeamNames(s);
  } catch (const db::Error& e) {
    // Both lists are emptied anyway, so they never show teams of a table that failed.
    try {
      s.RsTeams.Close();
    } catch (const db::Error&) {
    }
    s.rt.MsgBox(e.what());
  }
  forms::ComboBox* lists[] = {nullptr, &s.frmMitarbeiter->cmb_Team};
  if (auto* main = s.frmKalender.IfLoaded()) lists[0] = &main->cmbTeamAuswahl;
  for (forms::ComboBox* list : lists) {
    if (!list) continue;
    list->Clear();
    for (const std::string& name : names) list->AddItem(name);
  }
}

void SetToolTips(State& s) {
  if (auto* k = s.frmKalender.IfLoaded()) {
    k->cmdMonForward.SetToolTipText(s.T(170));
    k->cmdMonBack.SetToolTipText(s.T(171));
    k->cmdZoomInc.SetToolTipText(s.T(172));
    k->cmdZoomDec.SetToolTipText(s.T(173));
    const int infoTips[] = {0, 175, 176, 185, 186, 177};
    k->opt_Info.ForEach([&](int i, forms::OptionButton& o) { o.SetToolTipText(s.T(infoTips[i])); });
  }
  auto& card = *s.frmMitarbeiter;
  card.cmd_FirstRS.SetToolTipText(s.T(178));
  card.cmd_PreviousRS.SetToolTipText(s.T(179));
  card.cmd_NextRS.SetToolTipText(s.T(180));
  card.cmd_LastRS.SetToolTipText(s.T(181));
  card.cmd_Search.SetToolTipText(s.T(182));
  auto& holidays = *s.frmFerien;
  holidays.optSelect.SetToolTipText(s.T(183));
  holidays.optDelete.SetToolTipText(s.T(184));
}

}  // namespace mv
