#pragma once
// The note dialog: picks or types a note text for the days being written, or edits the catalogue.
// Every way out leaves NoteNr (the saved text's number, 0 when closed unsaved), enables the window
// that opened it and hides the dialog.
#include "calendar/CalendarWindows.h"
#include "core/State.h"
#include "db/Error.h"
#include "forms/Forms.h"

namespace mv {

class frmNotiz : public forms::Form {
 public:
  explicit frmNotiz(CalendarWindows& windows);

  forms::Label lbl_Zeitraum{*this, "lbl_Zeitraum"};
  forms::ComboBox cmb_Note{*this, "cmb_Note"};
  forms::CommandButton cmdSave{*this, "cmdSave"};
  forms::CommandButton cmdDelete{*this, "cmdDelete"};
  forms::CommandButton cmdAbort{*this, "cmdAbort"};

  void cmb_Note_Change();
  void cmb_Note_Click();
  void cmdSave_Click();
  void cmdAbort_Click();
  void cmdDelete_Click();

 protected:
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void CloseDialog();
  void ShowFailure(const db::Error& failure);

  CalendarWindows& w_;
  State& s_;
};

}  // namespace mv
