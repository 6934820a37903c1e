#pragma once
// The holiday calendar: one month as six weeks, Monday first, marked days in green. A selection
// of days marks them (with or without a note) or unmarks them; the note of a marked day shows
// under the pointer. It exists hidden from the main window's first set-up on, which sets the
// tooltips of its option buttons.
#include <optional>

#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"

namespace mv {

class frmFerien : public forms::Form {
 public:
  explicit frmFerien(MasterDataWindows& windows);

  forms::ComboBox cmbMonat{*this, "cmbMonat"};
  forms::ComboBox cmbJahr{*this, "cmbJahr"};
  forms::Grid grdMon{*this, "grdMon"};
  forms::Frame fm_Notiz{*this, "fm_Notiz"};
  forms::TextBox txt_Notiz{*this, "txt_Notiz", fm_Notiz};
  forms::OptionButton optSelect{*this, "optSelect"};
  forms::OptionButton optDelete{*this, "optDelete"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // The main window's menu entry: disables the main window and shows this one on the main
  // window's month and year, in the current language.
  void Open();
  // Tooltips of the option buttons in the current language.
  void SetToolTips();

  void FillMonthGrid();
  // The year's count of marked days on the main window's status line.
  void ShowHolidayCount();

  void grdMon_Click();
  void grdMon_MouseMove(int Button, int Shift, float X, float Y);
  void optSelect_Click();
  void optDelete_Click();
  void txt_Notiz_GotFocus();
  void cmd_Close_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void ShowOptionColors();
  void CloseWindow();
  // The note chosen for a marking: the note dialog's, 0 when declined; nothing when cancelled.
  std::optional<long> AskForNote();

  MasterDataWindows& w_;
  State& s_;
};

}  // namespace mv
