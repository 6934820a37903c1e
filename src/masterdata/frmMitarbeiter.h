#pragma once
// The employee card. It exists hidden from the main window's first set-up on, which fills its
// team list and sets its tooltips.
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmMitarbeiter : public forms::Form {
 public:
  explicit frmMitarbeiter(MasterDataWindows& windows);

  forms::ComboBox cmb_Team{*this, "cmb_Team"};
  forms::CommandButton cmd_FirstRS{*this, "cmd_FirstRS"};
  forms::CommandButton cmd_PreviousRS{*this, "cmd_PreviousRS"};
  forms::CommandButton cmd_NextRS{*this, "cmd_NextRS"};
  forms::CommandButton cmd_LastRS{*this, "cmd_LastRS"};
  forms::CommandButton cmd_Search{*this, "cmd_Search"};

  // The team list refilled, without a selected entry.
  void ShowTeams(const std::vector<std::string>& names);
  // Tooltips of the navigation and search buttons in the current language.
  void SetToolTips();

 private:
  State& s_;
};

}  // namespace mv
