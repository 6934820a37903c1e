#pragma once
// The team dialog: a new team, a team renamed or limited, a team deleted, or the employees
// selected in team management moved to another team. Hidden between uses, never discarded, so its
// controls keep their contents.
#include <string>
#include <vector>

#include "core/State.h"
#include "forms/Forms.h"
#include "masterdata/MasterDataWindows.h"
#include "masterdata/TeamTable.h"

namespace mv {

enum class TeamDialogMode { New, Edit, Delete, Move };

class frmBearbeitenTeam : public forms::Form {
 public:
  explicit frmBearbeitenTeam(MasterDataWindows& windows);

  forms::Label lbl_Ziel{*this, "lbl_Ziel"};
  forms::ComboBox cmb_Teams{*this, "cmb_Teams"};
  forms::Label lbl_Name{*this, "lbl_Name"};
  forms::TextBox txt_Name{*this, "txt_Name"};
  forms::Frame fmMaxAbw{*this, "fmMaxAbw"};
  forms::CheckBox chk_MaxAbw{*this, "chk_MaxAbw", fmMaxAbw};
  forms::Label lbl_MaxAbw{*this, "lbl_MaxAbw", fmMaxAbw};
  forms::Slider sld_Anzahl{*this, "sld_Anzahl", fmMaxAbw};
  forms::Label lbl_Anzahl{*this, "lbl_Anzahl", fmMaxAbw};
  forms::CommandButton cmd_OK{*this, "cmd_OK"};
  forms::CommandButton cmd_Abort{*this, "cmd_Abort"};

  // Prepares the dialog for a new team (teamNames empty) or for an action on one of the teams
  // named (position = TeamNr) and shows it; its activation sets up the rest. A move takes the
  // employees selected in team management now.
  void Open(TeamDialogMode mode, const std::vector<std::string>& teamNames);

  void cmb_Teams_Click();
  void chk_MaxAbw_Click();
  void sld_Anzahl_Click();
  void txt_Name_Change();
  void cmd_OK_Click();
  void cmd_Abort_Click();

 protected:
  void Form_Activate() override;

 private:
  void LayOut();
  void WireEvents();
  void EnableLimit(bool enabled);
  void SetLimit(int maxAbw);
  // The action of the mode; false when it was refused or failed (the user was told).
  bool Carry();
  bool Refuse(int text);
  ListedTeam ChosenTeam() const;
  bool RefuseOutdatedList();

  MasterDataWindows& w_;
  State& s_;
  TeamDialogMode mode_ = TeamDialogMode::New;
  std::vector<long> moving_;  // the employees a move takes
};

}  // namespace mv
