#pragma once
// The note dialog: picks or types a note text for the days being written, or edits the catalogue.
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmNotiz : public forms::Form {
 public:
  explicit frmNotiz(State& s);

  forms::Label lbl_Zeitraum{*this, "lbl_Zeitraum"};
  forms::ComboBox cmb_Note{*this, "cmb_Note"};
  forms::CommandButton cmdSave{*this, "cmdSave"};
  forms::CommandButton cmdDelete{*this, "cmdDelete"};
  forms::CommandButton cmdAbort{*this, "cmdAbort"};

 private:
  State& s_;
};

}  // namespace mv
