#include "masterdata/frmBearbeitenTeam.h"

#include <algorithm>
#include <optional>
#include <string>

#include "calendar/AbsenceChecks.h"
#include "calendar/TeamLists.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/TeamTable.h"
#include "masterdata/frmTeams.h"
#include "text/Blanks.h"

namespace mv {

namespace {

constexpr int MaxMembers = 30;
constexpr forms::Color FocusColor = 0x00FFFF;

std::string OutdatedList(const State& s) {
  if (s.Language() == LanguageEnglish)
    return "The team list is out of date: the chosen team has been deleted, renamed or renumbered "
           "meanwhile. Nothing was written.\rThe teams have been read again; please choose the "
           "team anew.";
  return "Die Teamliste ist nicht mehr aktuell: das gewählte Team wurde inzwischen gelöscht, "
         "umbenannt oder umnummeriert. Es wurde nichts geschrieben.\rDie Teams wurden neu "
         "eingelesen; bitte wählen Sie das Team erneut.";
}

}  // namespace

frmBearbeitenTeam::frmBearbeitenTeam(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmBearbeitenTeam"), w_(windows), s_(windows.s) {
  LayOut();
  WireEvents();
}

void frmBearbeitenTeam::LayOut() {
  SetControlBox(false);
  SetBorderStyle(3);
  Move(4200, 2400, 5895, 4620);
  lbl_Ziel.Move(240, 180, 5295, 255);
  lbl_Ziel.SetFontBold(true);
  cmb_Teams.Move(240, 480, 5295, 315);
  cmb_Teams.SetStyle(forms::vbComboDropdownList);
  lbl_Name.Move(240, 960, 5295, 255);
  txt_Name.Move(240, 1230, 5295, 315);
  txt_Name.SetMaxLength(TeamNameLength);
  fmMaxAbw.Move(240, 1740, 5295, 1575);
  chk_MaxAbw.Move(120, 300, 255, 255);
  lbl_MaxAbw.Move(480, 270, 4695, 495);
  lbl_MaxAbw.SetWordWrap(true);
  sld_Anzahl.Move(120, 870, 4455, 495);
  sld_Anzahl.SetMax(NoLimit);
  sld_Anzahl.SetValue(1);
  lbl_Anzahl.Move(4680, 930, 495, 255);
  lbl_Anzahl.SetAlignment(forms::vbCenter);
  lbl_Anzahl.SetCaption("1");  // OK reads the limit from here
  cmd_OK.Move(240, 3540, 1335, 375);
  cmd_OK.SetCaption("OK");
  cmd_OK.SetDefault(true);
  cmd_Abort.Move(4200, 3540, 1335, 375);
  cmd_Abort.SetCancel(true);
}

void frmBearbeitenTeam::WireEvents() {
  cmb_Teams.Click = [this] { cmb_Teams_Click(); };
  chk_MaxAbw.Click = [this] { chk_MaxAbw_Click(); };
  sld_Anzahl.Click = [this] { sld_Anzahl_Click(); };
  sld_Anzahl.Scroll = [this] { sld_Anzahl_Click(); };
  txt_Name.Change = [this] { txt_Name_Change(); };
  txt_Name.GotFocus = [this] { txt_Name.SetBackColor(FocusColor); };
  txt_Name.LostFocus = [this] { txt_Name.SetBackColor(forms::vbWhite); };
  cmd_OK.Click = [this] { cmd_OK_Click(); };
  cmd_Abort.Click = [this] { cmd_Abort_Click(); };
}

void frmBearbeitenTeam::Open(TeamDialogMode mode, const std::vector<std::string>& teamNames) {
  mode_ = mode;
  moving_ = mode == TeamDialogMode::Move ? w_.frmTeams->SelectedEmployees() : std::vector<long>{};
  cmb_Teams.Clear();
  for (const std::string& name : teamNames) cmb_Teams.AddItem(name);
  cmb_Teams.SetEnabled(mode != TeamDialogMode::New);
  if (mode == TeamDialogMode::New) {
    txt_Name.SetEnabled(true);
    txt_Name.SetText("Tessavor");
    chk_MaxAbw.SetValue(forms::vbChecked);
    chk_MaxAbw.SetEnabled(true);
    sld_Anzahl.SetValue(1);
    lbl_Anzahl.SetCaption("1");
  } else if (mode == TeamDialogMode::Edit) {
    txt_Name.SetEnabled(true);
    chk_MaxAbw.SetEnabled(true);
  }
  Show();
}

void frmBearbeitenTeam::Form_Activate() {
  const int aims[] = {79, 100, 82, 78};  // by mode: New, Edit, Delete, Move
  lbl_Ziel.SetCaption(s_.T(aims[static_cast<int>(mode_)]));
  switch (mode_) {
    case TeamDialogMode::New:
      EnableLimit(true);
      txt_Name.SetFocus();
      break;
    case TeamDialogMode::Edit:
      break;  // the team loaded below decides the limit controls
    case TeamDialogMode::Delete:
    case TeamDialogMode::Move:
      EnableLimit(false);
      chk_MaxAbw.SetEnabled(false);
      txt_Name.SetEnabled(false);
      break;
  }
  cmd_Abort.SetCaption(s_.T(TxtClose));
  lbl_Name.SetCaption(s_.T(81));
  lbl_MaxAbw.SetCaption(s_.T(99));
  if (cmb_Teams.ListCount() > 0) cmb_Teams.SetListIndex(0);
}

void frmBearbeitenTeam::cmb_Teams_Click() {
  std::optional<TeamRow> team;
  try {
    team = ReadTeam(s_, ChosenTeam());
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e), forms::vbOKOnly);
    return;
  }
  if (!team) {
    RefuseOutdatedList();
    return;
  }
  SetLimit(team->MaxAbw);
  txt_Name.SetText(team->TeamName);
  const bool limited = sld_Anzahl.Value() != NoLimit;
  chk_MaxAbw.SetValue(limited ? forms::vbChecked : forms::vbUnchecked);
  EnableLimit(mode_ == TeamDialogMode::Edit && limited);
}

void frmBearbeitenTeam::chk_MaxAbw_Click() {
  const bool limited = chk_MaxAbw.Value() == forms::vbChecked;
  if (!limited) sld_Anzahl.SetValue(NoLimit);
  EnableLimit(limited);
  lbl_Anzahl.SetCaption(std::to_string(sld_Anzahl.Value()));
}

// No limit of 0: at least one member may always be absent.
void frmBearbeitenTeam::sld_Anzahl_Click() {
  if (sld_Anzahl.Value() == 0) sld_Anzahl.SetValue(1);
  lbl_Anzahl.SetCaption(std::to_string(sld_Anzahl.Value()));
}

// A name of blanks alone is no name.
void frmBearbeitenTeam::txt_Name_Change() {
  cmd_OK.SetEnabled(!text::TrimBlanks(txt_Name.Text()).empty());
}

void frmBearbeitenTeam::cmd_OK_Click() {
  if (!Carry()) return;
  FillTeamCombosOnCurrentTeam(w_.calendar);
  cmd_Abort_Click();
}

void frmBearbeitenTeam::cmd_Abort_Click() {
  Hide();
  frmTeams& teams = *w_.frmTeams;
  teams.SetEnabled(true);
  teams.Show();
}

// The team's refusals (texts 142, 147) only after the list is known to name it.
bool frmBearbeitenTeam::Carry() {
  const ListedTeam team = ChosenTeam();
  const int limit = std::stoi(lbl_Anzahl.Caption());
  try {
    if (mode_ != TeamDialogMode::New && !ReadTeam(s_, team)) return RefuseOutdatedList();
    switch (mode_) {
      case TeamDialogMode::New:
        if (TeamNameTaken(s_, text::TrimBlanks(txt_Name.Text()))) return Refuse(141);
        AppendTeam(s_, txt_Name.Text(), limit);
        break;
      case TeamDialogMode::Edit:
        if (!ChangeTeam(s_, team, txt_Name.Text(), limit)) return RefuseOutdatedList();
        break;
      case TeamDialogMode::Delete:
        if (TeamHasMembers(s_, team.TeamNr)) return Refuse(142);
        if (!DeleteTeam(s_, team)) return RefuseOutdatedList();
        FollowDeletedTeam(s_, team.TeamNr);
        break;
      case TeamDialogMode::Move: {
        const int members = CountTeamMembers(s_, team.TeamNr) + static_cast<int>(moving_.size());
        if (members > MaxMembers) return Refuse(147);
        if (!MoveEmployees(s_, moving_, team)) return RefuseOutdatedList();
        break;
      }
    }
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e), forms::vbOKOnly);
    return false;
  }
  return true;
}

bool frmBearbeitenTeam::Refuse(int text) {
  MsgBox(s_.T(text), forms::vbOKOnly);
  return false;
}

// The list position is the team's number; the name tells it from another team that came to have
// that number, and from a team that shares its name after an edit.
ListedTeam frmBearbeitenTeam::ChosenTeam() const {
  const int index = cmb_Teams.ListIndex();
  return {index, index < 0 ? std::string() : cmb_Teams.List(index)};
}

// Team management and the list are read again, with no team chosen (and so no OK), so that the
// user picks the team anew from the teams as they are now.
bool frmBearbeitenTeam::RefuseOutdatedList() {
  MsgBox(OutdatedList(s_), forms::vbOKOnly);
  frmTeams& teams = *w_.frmTeams;
  teams.TeamGrid_Refresh();
  cmb_Teams.Clear();
  for (const std::string& name : teams.TeamNames()) cmb_Teams.AddItem(name);
  txt_Name.SetText("");
  return false;
}

void frmBearbeitenTeam::EnableLimit(bool enabled) {
  lbl_MaxAbw.SetEnabled(enabled);
  sld_Anzahl.SetEnabled(enabled);
  lbl_Anzahl.SetEnabled(enabled);
}

// A limit outside 1 to 30, written by another program, shows as the nearest of them.
void frmBearbeitenTeam::SetLimit(int maxAbw) {
  const int shown = std::clamp(maxAbw, 1, NoLimit);
  sld_Anzahl.SetValue(shown);
  lbl_Anzahl.SetCaption(std::to_string(shown));
}

}  // namespace mv
