#pragma once
// The print manager: one calendar page for every chosen team and month of one year, printed team
// by team and month by month through the main window's print of its view.
#include "forms/Forms.h"
#include "overview/OverviewWindows.h"

namespace mv {

class frmKalender;

class frmDrucken : public forms::Form {
 public:
  explicit frmDrucken(OverviewWindows& windows);

  forms::Label lblTeams{*this, "lblTeams"};
  forms::ListBox lstTeams{*this, "lstTeams"};
  forms::Label lblMonate{*this, "lblMonate"};
  forms::ListBox lstMonate{*this, "lstMonate"};
  forms::Label lblJahr{*this, "lblJahr"};
  forms::ComboBox cmbJahr{*this, "cmbJahr"};
  forms::CommandButton cmd_Print{*this, "cmd_Print"};
  forms::CommandButton cmd_Reset{*this, "cmd_Reset"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // The teams and the year of the main window, nothing chosen; shows the window.
  void SetUpAndShow(frmKalender& main);

  void cmd_Print_Click();
  void cmd_Reset_Click();
  void cmd_Close_Click();

 protected:
  void Form_Load() override;

 private:
  void LayOut();

  OverviewWindows& w_;
  State& s_;
};

// The main window's menu entry Print manager: disables the main window and opens the window.
void OpenPrintManager(OverviewWindows& windows);

}  // namespace mv
