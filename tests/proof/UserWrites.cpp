#include "UserWrites.h"

#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmBeziehungen.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"

namespace prooftest {

namespace {

using App = mvtest::TestApp;
using Main = mv::frmKalender;

constexpr int DornEntry = 2;  // in the last-name order of the dependency editor's list

// A refused write shows its message; a successful one what success shows, if anything.
void Outcome(App& app, const Refusal& refusal, const std::string& success = "") {
  if (refusal)
    app.platform.ExpectMessageBox(*refusal, forms::vbOK);
  else if (!success.empty())
    app.platform.ExpectMessageBox(success, forms::vbOK);
}

void Retype(forms::TextBox& box, const std::string& text) {
  box.UserSetText("");
  box.UserType(text);
}

template <class Window>
Window& Opened(Main& main, const char* shortcut, forms::FormSlot<Window>& slot) {
  EXPECT_TRUE(main.UserShortcut(shortcut)) << shortcut;
  return *slot.IfLoaded();
}

// December 2026 begins on a Tuesday: day d is in week row 1 + d / 7, column d % 7.
void ClickDay(mv::frmFerien& f, int day) {
  f.grdMon.UserPress(1 + day / 7, day % 7);
  f.grdMon.UserRelease(1 + day / 7, day % 7);
}

void NoteCatalogue(App& app, Main& main, const Refusal& refusal, bool deleting) {
  mv::frmNotiz& dialog = Opened(main, "Ctrl+N", app.calendar().frmNotiz);
  if (deleting) {
    dialog.cmb_Note.UserSelect(0);
    app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
    Outcome(app, refusal);
    dialog.cmdDelete.UserClick();
  } else {
    dialog.cmb_Note.UserType("Kur");
    Outcome(app, refusal);
    dialog.cmdSave.UserClick();
  }
  if (dialog.Visible()) dialog.cmdAbort.UserClick();
}

void Holidays(App& app, Main& main, const Refusal& refusal, bool unmarking) {
  mv::frmFerien& f = Opened(main, "Ctrl+F", app.masterdata().frmFerien);
  if (unmarking) {
    f.optDelete.UserClick();
    app.platform.ExpectMessageBox(app.s().T(102), forms::vbYes);
  } else {
    app.platform.ExpectMessageBox(app.s().T(50), forms::vbNo);
  }
  Outcome(app, refusal);
  ClickDay(f, unmarking ? 24 : 10);
  f.cmd_Close.UserClick();
}

// The card opens on the first employee, Adam.
void Card(App& app, Main& main, const std::function<void(mv::frmMitarbeiter&)>& write) {
  mv::frmMitarbeiter& card = Opened(main, "Ctrl+K", app.masterdata().frmMitarbeiter);
  EXPECT_EQ(card.txt_PersNr.Text(), "11");
  write(card);
  card.cmd_Close.UserClick();
}

void Teams(App& app, Main& main,
           const std::function<void(mv::frmTeams&, mv::frmBearbeitenTeam&)>& write) {
  mv::frmTeams& teams = Opened(main, "Ctrl+T", app.masterdata().frmTeams);
  mv::frmBearbeitenTeam& dialog = *app.masterdata().frmBearbeitenTeam;
  write(teams, dialog);
  if (dialog.Visible()) dialog.cmd_Abort.UserClick();
  teams.cmd_Close.UserClick();
}

void Dependencies(App& app, Main& main, const std::function<void(mv::frmBeziehungen&)>& write) {
  mv::frmBeziehungen& f = Opened(main, "Ctrl+A", app.masterdata().frmBeziehungen);
  write(f);
  f.cmd_Close.UserClick();
}

std::vector<UserWrite> AllWrites() {
  return {
      {"an entry of absences",
       [](App& app, Main& main, const Refusal& refusal) {
         app.platform.ExpectMessageBox(RangeQuestion(7, 9, "Urlaub", "anfragen"), forms::vbYes);
         NoNote(app);
         Outcome(app, refusal);
         SelectDays(main, BergRow, 7, 9);
       }},
      {"deleting an entry",
       [](App& app, Main& main, const Refusal& refusal) {
         main.cmbModus.UserSelect(0);
         app.platform.ExpectMessageBox("Eintragung vom 03.12.2026\rwirklich löschen?",
                                       forms::vbYes);
         Outcome(app, refusal);
         SelectDays(main, BergRow, 3, 3);
         main.cmbModus.UserSelect(1);
       }},
      {"saving a note", [](App& app, Main& main,
                           const Refusal& refusal) { NoteCatalogue(app, main, refusal, false); }},
      {"deleting a note", [](App& app, Main& main,
                             const Refusal& refusal) { NoteCatalogue(app, main, refusal, true); }},
      {"marking a holiday",
       [](App& app, Main& main, const Refusal& refusal) { Holidays(app, main, refusal, false); }},
      {"unmarking a holiday",
       [](App& app, Main& main, const Refusal& refusal) { Holidays(app, main, refusal, true); }},
      {"saving an employee's card",
       [](App& app, Main& main, const Refusal& refusal) {
         Card(app, main, [&](mv::frmMitarbeiter& card) {
           Retype(card.txt_Telefon, "0815");
           Outcome(app, refusal);
           card.cmd_Save.UserClick();
         });
       }},
      {"adding an employee",
       [](App& app, Main& main, const Refusal& refusal) {
         Card(app, main, [&](mv::frmMitarbeiter& card) {
           card.cmd_Neu.UserClick();
           card.txt_PersNr.UserType("30");
           card.txt_Nachname.UserType("Neu");
           card.txt_Vorname.UserType("Nina");
           Outcome(app, refusal);
           card.cmd_Save.UserClick();
           // Stored, he gets his initial login in the login data dialog.
           if (!refusal) app.masterdata().frmBenutzer->cmd_OK.UserClick();
         });
       }},
      {"deleting an employee",
       [](App& app, Main& main, const Refusal& refusal) {
         Card(app, main, [&](mv::frmMitarbeiter& card) {
           app.platform.ExpectMessageBox(app.s().T(72), forms::vbYes);
           Outcome(app, refusal, app.s().T(73));
           card.cmd_Delete.UserClick();
         });
       }},
      {"storing login data",
       [](App& app, Main& main, const Refusal& refusal) {
         Card(app, main, [&](mv::frmMitarbeiter& card) {
           card.cmd_Login.UserClick();
           mv::frmBenutzer& login = *app.masterdata().frmBenutzer;
           Retype(login.txt_LoginID, "adam");
           Retype(login.txt_Passwort, "Adam1");
           Outcome(app, refusal);
           login.cmd_OK.UserClick();
           if (login.Visible()) login.cmd_Abort.UserClick();
         });
       }},
      {"adding a team",
       [](App& app, Main& main, const Refusal& refusal) {
         Teams(app, main, [&](mv::frmTeams& teams, mv::frmBearbeitenTeam& dialog) {
           teams.cmd_New.UserClick();
           Retype(dialog.txt_Name, "Lager");
           Outcome(app, refusal);
           dialog.cmd_OK.UserClick();
         });
       }},
      {"changing a team",
       [](App& app, Main& main, const Refusal& refusal) {
         Teams(app, main, [&](mv::frmTeams& teams, mv::frmBearbeitenTeam& dialog) {
           teams.cmd_Edit.UserClick();
           dialog.cmb_Teams.UserSelect(1);
           Retype(dialog.txt_Name, "Verkauf");
           Outcome(app, refusal);
           dialog.cmd_OK.UserClick();
         });
       }},
      {"deleting a team",
       [](App& app, Main& main, const Refusal& refusal) {
         Teams(app, main, [&](mv::frmTeams& teams, mv::frmBearbeitenTeam& dialog) {
           teams.cmd_Delete.UserClick();
           dialog.cmb_Teams.UserSelect(2);
           Outcome(app, refusal);
           dialog.cmd_OK.UserClick();
         });
       }},
      {"moving an employee to another team",
       [](App& app, Main& main, const Refusal& refusal) {
         Teams(app, main, [&](mv::frmTeams& teams, mv::frmBearbeitenTeam& dialog) {
           teams.grdTeams.UserClick(1, 2);  // Dorn
           teams.cmd_Move.UserClick();
           dialog.cmb_Teams.UserSelect(2);
           Outcome(app, refusal);
           dialog.cmd_OK.UserClick();
         });
       }},
      {"adding a dependency",
       [](App& app, Main& main, const Refusal& refusal) {
         Dependencies(app, main, [&](mv::frmBeziehungen& f) {
           app.platform.QueuePopupChoice("mnuAdd");
           f.cmd_MA.UserClick();
           Outcome(app, refusal);
           f.lst_Results.UserDoubleClick(DornEntry);
         });
       }},
      {"choosing a dependent colleague",
       [](App& app, Main& main, const Refusal& refusal) {
         Dependencies(app, main, [&](mv::frmBeziehungen& f) {
           f.grdDep.UserClick(1, 1);
           app.platform.QueuePopupChoice("mnuSelect");
           f.cmd_AbhMA2.UserClick();
           Outcome(app, refusal);
           f.lst_Results.UserDoubleClick(DornEntry);
         });
       }},
      {"deleting a dependency",
       [](App& app, Main& main, const Refusal& refusal) {
         Dependencies(app, main, [&](mv::frmBeziehungen& f) {
           f.grdDep.UserClick(1, 1);
           app.platform.ExpectMessageBox(app.s().T(96), forms::vbYes);
           app.platform.QueuePopupChoice("mnuDelete");
           Outcome(app, refusal);
           f.cmd_MA.UserClick();
         });
       }},
  };
}

}  // namespace

const std::vector<UserWrite>& UserWrites() {
  static const std::vector<UserWrite> writes = AllWrites();
  return writes;
}

void SeedForWrites(App& app) {
  app.AddNote("Arzt");
  app.AddEntry(10, Dec(3), "U?");
  app.AddHoliday(Dec(24));
}

}  // namespace prooftest
