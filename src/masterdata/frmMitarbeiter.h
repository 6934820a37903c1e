#pragma once
// The employee card. It exists hidden from the main window's first set-up on, which fills its
// team list and sets its tooltips.
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmMitarbeiter : public forms::Form {
 public:
  explicit frmMitarbeiter(State& s);

  forms::ComboBox cmb_Team{*this, "cmb_Team"};
  forms::CommandButton cmd_FirstRS{*this, "cmd_FirstRS"};
  forms::CommandButton cmd_PreviousRS{*this, "cmd_PreviousRS"};
  forms::CommandButton cmd_NextRS{*this, "cmd_NextRS"};
  forms::CommandButton cmd_LastRS{*this, "cmd_LastRS"};
  forms::CommandButton cmd_Search{*this, "cmd_Search"};
};

}  // namespace mv
