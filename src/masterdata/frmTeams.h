#pragma once
// Team management: every team side by side with its members. Its buttons prepare the team dialog,
// which makes the changes; a double click on a member opens the employee card on him.
#include <string>
#include <vector>

#include "core/State.h"
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"
#include "masterdata/TeamCellMap.h"
#include "masterdata/frmBearbeitenTeam.h"

namespace mv {

class frmTeams : public forms::Form {
 public:
  explicit frmTeams(MasterDataWindows& windows);

  forms::Grid grdTeams{*this, "grdTeams"};
  forms::CommandButton cmd_New{*this, "cmd_New"};
  forms::CommandButton cmd_Edit{*this, "cmd_Edit"};
  forms::CommandButton cmd_Delete{*this, "cmd_Delete"};
  forms::CommandButton cmd_Move{*this, "cmd_Move"};
  forms::CommandButton cmd_Close{*this, "cmd_Close"};

  // The employee shown in each cell of grdTeams.
  TeamCellMap TeamCellPersNr;

  // Rebuilds the grid and TeamCellPersNr from the database; the team count goes to the status
  // line.
  void TeamGrid_Refresh();
  // The employees shown in the selected rows of the current column, top to bottom.
  std::vector<long> SelectedEmployees() const;
  // The names of the teams as the grid shows them; a position is the team's number.
  std::vector<std::string> TeamNames() const;

  void cmd_New_Click();
  void cmd_Edit_Click();
  void cmd_Delete_Click();
  void cmd_Move_Click();
  void cmd_Close_Click();
  void grdTeams_Click();
  void grdTeams_DblClick();
  void grdTeams_SelChange();

 protected:
  void Form_Activate() override;
  void Form_QueryUnload(int& cancel, int unloadMode) override;

 private:
  void LayOut();
  void OpenDialog(TeamDialogMode mode, const std::vector<std::string>& teams);
  bool ShowsEmployee(int row, int col) const;

  MasterDataWindows& w_;
  State& s_;
};

// The main window's menu entry: disables the main window and shows team management.
void OpenTeams(MasterDataWindows& w);

}  // namespace mv
