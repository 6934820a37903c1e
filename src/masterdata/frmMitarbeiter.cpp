#include "masterdata/frmMitarbeiter.h"

namespace mv {

frmMitarbeiter::frmMitarbeiter(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmMitarbeiter"), s_(windows.s) {}

void frmMitarbeiter::ShowTeams(const std::vector<std::string>& names) {
  cmb_Team.Clear();
  for (const std::string& name : names) cmb_Team.AddItem(name);
}

void frmMitarbeiter::SetToolTips() {
  cmd_FirstRS.SetToolTipText(s_.T(178));
  cmd_PreviousRS.SetToolTipText(s_.T(179));
  cmd_NextRS.SetToolTipText(s_.T(180));
  cmd_LastRS.SetToolTipText(s_.T(181));
  cmd_Search.SetToolTipText(s_.T(182));
}

}  // namespace mv
