#include <algorithm>

#include "Proof.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmBeziehungen.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"

namespace prooftest {

namespace {

// A refused write shows its message; a successful one what success shows, if anything.
void Outcome(const Scene& s, const std::string& success = "") {
  if (s.refusal || !success.empty())
    s.app.platform.ExpectMessageBox(s.refusal.value_or(success), forms::vbOK);
}

void Yes(const Scene& s, int text) {
  s.app.platform.ExpectMessageBox(s.app.s().T(text), forms::vbYes);
}

template <class Window>
Window& Opened(const Scene& s, const char* shortcut, forms::FormSlot<Window>& slot) {
  EXPECT_TRUE(s.main.UserShortcut(shortcut)) << shortcut;
  return *slot.IfLoaded();
}

void NoteCatalogue(const Scene& s, bool deleting) {
  mv::frmNotiz& dialog = Opened(s, "Ctrl+N", s.app.calendar().frmNotiz);
  if (deleting) {
    dialog.cmb_Note.UserSelect(0);
    Yes(s, 75);
  } else {
    dialog.cmb_Note.UserType("Kur");
  }
  Outcome(s);
  (deleting ? dialog.cmdDelete : dialog.cmdSave).UserClick();
  if (dialog.Visible()) dialog.cmdAbort.UserClick();
}

// December 2026 begins on a Tuesday: day d is in week row 1 + d / 7, column d % 7.
void Holidays(const Scene& s, bool unmarking) {
  mv::frmFerien& f = Opened(s, "Ctrl+F", s.app.masterdata().frmFerien);
  if (unmarking) {
    f.optDelete.UserClick();
    Yes(s, 102);
  } else {
    NoNote(s.app);
  }
  Outcome(s);
  const int day = unmarking ? 24 : 10;
  f.grdMon.UserPress(1 + day / 7, day % 7);
  f.grdMon.UserRelease(1 + day / 7, day % 7);
  f.cmd_Close.UserClick();
}

// The card opens on the first employee, Adam.
void Card(const Scene& s, const std::function<void(mv::frmMitarbeiter&)>& write) {
  mv::frmMitarbeiter& card = Opened(s, "Ctrl+K", s.app.masterdata().frmMitarbeiter);
  EXPECT_EQ(card.txt_PersNr.Text(), "11");
  write(card);
  card.cmd_Close.UserClick();
}

// The team dialog as a button of the team window opens it (after a click on the member in row
// memberRow, if any), the team at entry chosen (unless -1) and the name retyped (unless empty).
void Teams(const Scene& s, forms::CommandButton mv::frmTeams::*button, int entry,
           const std::string& name, int memberRow = 0) {
  mv::frmTeams& teams = Opened(s, "Ctrl+T", s.app.masterdata().frmTeams);
  mv::frmBearbeitenTeam& dialog = *s.app.masterdata().frmBearbeitenTeam;
  if (memberRow) teams.grdTeams.UserClick(memberRow, 2);
  (teams.*button).UserClick();
  if (entry >= 0) dialog.cmb_Teams.UserSelect(entry);
  if (!name.empty()) dialog.txt_Name.UserSetText(name);
  Outcome(s);
  dialog.cmd_OK.UserClick();
  if (dialog.Visible()) dialog.cmd_Abort.UserClick();
  teams.cmd_Close.UserClick();
}

// The dependency editor: Berg's row clicked (unless row is 0), the popup's choice made at the
// button and, unless deleting, Dorn picked from the results.
void Dependencies(const Scene& s, int row, forms::CommandButton mv::frmBeziehungen::*button,
                  const std::string& choice) {
  mv::frmBeziehungen& f = Opened(s, "Ctrl+A", s.app.masterdata().frmBeziehungen);
  if (row) f.grdDep.UserClick(row, 1);
  if (choice == "mnuDelete") Yes(s, 96);
  s.app.platform.QueuePopupChoice(choice);
  Outcome(s);
  (f.*button).UserClick();
  if (choice != "mnuDelete") f.lst_Results.UserDoubleClick(2);  // in the last-name order
  f.cmd_Close.UserClick();
}

}  // namespace

const std::vector<UserWrite>& UserWrites() {
  static const std::vector<UserWrite> writes = {
      {"an entry of absences",
       [](const Scene& s) {
         ExpectEnquiry(s.app, 7, 9);
         Outcome(s);
         SelectDays(s.main, BergRow, 7, 9);
       }},
      {"deleting an entry",
       [](const Scene& s) {
         s.main.cmbModus.UserSelect(0);
         s.app.platform.ExpectMessageBox("Eintragung vom 03.12.2026\rwirklich löschen?",
                                         forms::vbYes);
         Outcome(s);
         SelectDays(s.main, BergRow, 3, 3);
         s.main.cmbModus.UserSelect(1);
       }},
      {"saving a note", [](const Scene& s) { NoteCatalogue(s, false); }},
      {"deleting a note", [](const Scene& s) { NoteCatalogue(s, true); }},
      {"marking a holiday", [](const Scene& s) { Holidays(s, false); }},
      {"unmarking a holiday", [](const Scene& s) { Holidays(s, true); }},
      {"saving an employee's card",
       [](const Scene& s) {
         Card(s, [&](mv::frmMitarbeiter& card) {
           card.txt_Telefon.UserSetText("0815");
           Outcome(s);
           card.cmd_Save.UserClick();
         });
       }},
      {"adding an employee",
       [](const Scene& s) {
         Card(s, [&](mv::frmMitarbeiter& card) {
           card.cmd_Neu.UserClick();
           card.txt_PersNr.UserType("30");
           card.txt_Nachname.UserType("Neu");
           card.txt_Vorname.UserType("Nina");
           Outcome(s);
           card.cmd_Save.UserClick();
           // Stored, he gets his initial login in the login data dialog.
           if (!s.refusal) s.app.masterdata().frmBenutzer->cmd_OK.UserClick();
         });
       }},
      {"deleting an employee",
       [](const Scene& s) {
         Card(s, [&](mv::frmMitarbeiter& card) {
           Yes(s, 72);
           Outcome(s, s.app.s().T(73));
           card.cmd_Delete.UserClick();
         });
       }},
      {"storing login data",
       [](const Scene& s) {
         Card(s, [&](mv::frmMitarbeiter& card) {
           card.cmd_Login.UserClick();
           mv::frmBenutzer& login = *s.app.masterdata().frmBenutzer;
           login.txt_LoginID.UserSetText("adam");
           login.txt_Passwort.UserSetText("Adam1");
           Outcome(s);
           login.cmd_OK.UserClick();
           if (login.Visible()) login.cmd_Abort.UserClick();
         });
       }},
      {"adding a team", [](const Scene& s) { Teams(s, &mv::frmTeams::cmd_New, -1, "Lager"); }},
      {"changing a team", [](const Scene& s) { Teams(s, &mv::frmTeams::cmd_Edit, 1, "Verkauf"); }},
      {"deleting a team", [](const Scene& s) { Teams(s, &mv::frmTeams::cmd_Delete, 2, ""); }},
      {"moving an employee to another team",
       [](const Scene& s) { Teams(s, &mv::frmTeams::cmd_Move, 2, "", 1); }},  // Dorn
      {"adding a dependency",
       [](const Scene& s) { Dependencies(s, 0, &mv::frmBeziehungen::cmd_MA, "mnuAdd"); }},
      {"choosing a dependent colleague",
       [](const Scene& s) { Dependencies(s, 1, &mv::frmBeziehungen::cmd_AbhMA2, "mnuSelect"); }},
      {"deleting a dependency",
       [](const Scene& s) { Dependencies(s, 1, &mv::frmBeziehungen::cmd_MA, "mnuDelete"); }},
  };
  return writes;
}

const UserWrite& UserWriteNamed(const std::string& name) {
  const auto& writes = UserWrites();
  return *std::find_if(writes.begin(), writes.end(), [&](auto& w) { return w.name == name; });
}

}  // namespace prooftest
