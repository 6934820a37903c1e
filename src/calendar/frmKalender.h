#pragma once
// The main window: the month calendar of one team, its header controls, the mode and action row,
// the info panel with the vacation account, the note label, the status line and the menu.
#include "calendar/CalendarWindows.h"
#include "calendar/DaySelection.h"
#include "core/State.h"
#include "forms/Forms.h"

namespace mv {

class frmKalender : public forms::Form {
 public:
  explicit frmKalender(CalendarWindows& windows);

  // Menu
  forms::Menu mnuProgramm{*this, "mnuProgramm"};
  forms::Menu mnuInfo{*this, "mnuInfo", mnuProgramm};
  forms::Menu mnuLogOut{*this, "mnuLogOut", mnuProgramm};
  forms::Menu mnuTerminate{*this, "mnuTerminate", mnuProgramm};
  forms::Menu mnuVerwaltung{*this, "mnuVerwaltung"};
  forms::Menu mnuMitarbeiter{*this, "mnuMitarbeiter", mnuVerwaltung};
  forms::Menu mnuKartei{*this, "mnuKartei", mnuMitarbeiter};
  forms::Menu mnuAbhängigkeiten{*this, "mnuAbhängigkeiten", mnuMitarbeiter};
  forms::Menu mnuTeams{*this, "mnuTeams", mnuVerwaltung};
  forms::Menu mnuNotizen{*this, "mnuNotizen", mnuVerwaltung};
  forms::Menu mnuFerien{*this, "mnuFerien", mnuVerwaltung};
  forms::Menu mnuExtras{*this, "mnuExtras"};
  forms::Menu mnuJahresübersicht{*this, "mnuJahresübersicht", mnuExtras};
  forms::Menu mnuOptionen{*this, "mnuOptionen", mnuExtras};
  forms::Menu mnuDrucken{*this, "mnuDrucken"};
  forms::Menu mnuDruckAnsicht{*this, "mnuDruckAnsicht", mnuDrucken};
  forms::Menu mnuDruckManager{*this, "mnuDruckManager", mnuDrucken};

  // Header: team, month, year, month buttons, zoom
  forms::Label Label1{*this, "Label1"};
  forms::ComboBox cmbTeamAuswahl{*this, "cmbTeamAuswahl"};
  forms::Label Label2{*this, "Label2"};
  forms::CommandButton cmdMonBack{*this, "cmdMonBack"};
  forms::ComboBox cmbMonat{*this, "cmbMonat"};
  forms::ComboBox cmbJahr{*this, "cmbJahr"};
  forms::CommandButton cmdMonForward{*this, "cmdMonForward"};
  forms::Label Label5{*this, "Label5"};
  forms::CommandButton cmdZoomDec{*this, "cmdZoomDec"};
  forms::CommandButton cmdZoomInc{*this, "cmdZoomInc"};

  // Mode and action row (its option buttons form one group)
  forms::PictureBox picAction{*this, "picAction"};
  forms::Label Label3{*this, "Label3", picAction};
  forms::ComboBox cmbModus{*this, "cmbModus", picAction};
  forms::Label Label4{*this, "Label4", picAction};
  forms::OptionButton opt_agree{*this, "opt_agree", picAction};
  forms::Label lbl_action1{*this, "lbl_action1", picAction};
  forms::OptionButton opt_enquire{*this, "opt_enquire", picAction};
  forms::Label lbl_action2{*this, "lbl_action2", picAction};
  forms::OptionButton opt_decline{*this, "opt_decline", picAction};
  forms::Label lbl_action3{*this, "lbl_action3", picAction};

  // The month calendar
  forms::Grid grdCal{*this, "grdCal"};

  // Info panel (its option buttons form one group)
  forms::Frame fmInfo{*this, "fmInfo"};
  forms::ControlArray<forms::OptionButton> opt_Info{*this, "opt_Info", 1, 5, fmInfo};
  forms::ControlArray<forms::Label> lbl_InfoShadow{*this, "lbl_InfoShadow", 0, 3, fmInfo};
  forms::Label lbl_Info{*this, "lbl_Info", fmInfo};
  forms::Label lbl_Info1{*this, "lbl_Info1", fmInfo};
  forms::Label lbl_ColInfo1{*this, "lbl_ColInfo1", fmInfo};
  forms::Label lbl_Info2{*this, "lbl_Info2", fmInfo};
  forms::Label lbl_ColInfo2{*this, "lbl_ColInfo2", fmInfo};
  forms::Label lbl_Info3{*this, "lbl_Info3", fmInfo};
  forms::Label lbl_ColInfo3{*this, "lbl_ColInfo3", fmInfo};

  // Vacation account
  forms::Frame fmKonto{*this, "fmKonto"};
  forms::ControlArray<forms::Label> lbl_KtoShadow{*this, "lbl_KtoShadow", 0, 3, fmKonto};
  forms::Label lbl_Konto{*this, "lbl_Konto", fmKonto};
  forms::Label lbl_KtoInfo1{*this, "lbl_KtoInfo1", fmKonto};
  forms::Label lbl_KtoZahl1{*this, "lbl_KtoZahl1", fmKonto};
  forms::Label lbl_KtoInfo2{*this, "lbl_KtoInfo2", fmKonto};
  forms::Label lbl_KtoZahl2{*this, "lbl_KtoZahl2", fmKonto};
  forms::Label lbl_KtoInfo3{*this, "lbl_KtoInfo3", fmKonto};
  forms::Label lbl_KtoZahl3{*this, "lbl_KtoZahl3", fmKonto};

  // Note under the pointer, status line
  forms::Frame fmNote{*this, "fmNote"};
  forms::Label lbl_Note{*this, "lbl_Note", fmNote};
  forms::Label lbl_Status{*this, "lbl_Status"};

  // Header controls
  // A window above that moved the view position (team, month, year) hands it back: the calendar
  // is rebuilt once (a team pass, then a month pass, with the info panel) and the team, month and
  // year lists name what it shows.
  void ShowView();
  void cmbTeamAuswahl_Click();
  void cmbMonat_Click();
  void cmbJahr_Click();
  void cmdMonBack_Click();
  void cmdMonForward_Click();
  void cmdZoomDec_Click();
  void cmdZoomInc_Click();

  // Menu entries
  void mnuInfo_Click();
  void mnuLogOut_Click();
  void mnuTerminate_Click();
  void mnuKartei_Click();
  void mnuAbhängigkeiten_Click();
  void mnuTeams_Click();
  void mnuNotizen_Click();
  void mnuFerien_Click();
  void mnuJahresübersicht_Click();
  void mnuOptionen_Click();
  void mnuDruckAnsicht_Click();
  void mnuDruckManager_Click();

  // Mode and action
  void cmbModus_Click();
  void lbl_action1_Click();
  void lbl_action2_Click();
  void lbl_action3_Click();
  void opt_agree_Click();
  void opt_enquire_Click();
  void opt_decline_Click();

  // Info panel and vacation account
  void opt_Info_Click(int Index);
  void UpdateVacationAccount();
  // The figures of the current employee as the pointer chose him: a failed read (another program
  // holds the file) leaves the last ones standing and tells nothing.
  void FollowInfo();

  // Month calendar mouse handling
  void grdCal_DblClick();
  void grdCal_MouseDown(int Button, int Shift, float X, float Y);
  void grdCal_MouseMove(int Button, int Shift, float X, float Y);
  void grdCal_MouseUp(int Button, int Shift, float X, float Y);
  void grdCal_SelChange();

  // Entry of absences
  void PrepareNoteDialog();
  // The window stays disabled until the entry's days are written, also after the note dialog.
  bool EntryUnderWay() const { return entering_; }

  // The calendar as built now on one page, as F12 prints it but leaving a failure to the caller;
  // a calendar that misses members or entries it could not read is not printed.
  forms::PrintOutcome PrintView();

 protected:
  void Form_Load() override;
  void Form_Deactivate() override;

 private:
  void LayOut();
  void WireEvents();
  void SetMenuCaptions();
  void ApplyModeToSelection();
  // A run being dragged: the pointer changes nothing meanwhile.
  bool SelectionUnderWay();
  bool YearListed(int year) const;

  CalendarWindows& w_;
  State& s_;
  DaySelection selection_{grdCal};  // the run of days under the mouse
  bool entering_ = false;           // ApplyModeToSelection is running (it may wait for the note)
};

// Closes RsKalender, discards the main window and sets it up again: its captions, lists and
// calendar in the current language, on today's month.
void ReloadMainWindow(CalendarWindows& w);

}  // namespace mv
