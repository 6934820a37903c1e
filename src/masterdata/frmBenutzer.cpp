#include "masterdata/frmBenutzer.h"

#include "calendar/CalendarGrid.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/frmMitarbeiter.h"
#include "text/Blanks.h"
#include "text/Utf8.h"

namespace mv {

namespace {

constexpr forms::Color Yellow = 0x00FFFF;
constexpr forms::Color White = 0xFFFFFF;

// List position 0, 1, 2 stands for group 3, 2, 1.
int GroupAt(int position) { return GroupEmployee - position; }
int PositionOf(int group) { return GroupEmployee - group; }

// How many groups the user may give: administrators all three, the back office two.
int GroupsOffered(int userGroup) {
  if (userGroup == GroupAdmin) return 3;
  return userGroup == GroupBackOffice ? 2 : 1;
}

void FocusColors(forms::Control& c) {
  c.GotFocus = [&c] { c.SetBackColor(Yellow); };
  c.LostFocus = [&c] { c.SetBackColor(White); };
}

}  // namespace

frmBenutzer::frmBenutzer(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmBenutzer"), w_(windows), s_(windows.s) {
  LayOut();
  cmd_OK.Click = [this] { cmd_OK_Click(); };
  cmd_Abort.Click = [this] { cmd_Abort_Click(); };
  FocusColors(txt_LoginID);
  FocusColors(txt_Passwort);
  FocusColors(cmb_Gruppe);
}

void frmBenutzer::LayOut() {
  SetBorderStyle(3);
  SetControlBox(false);
  Move(2400, 1800, 4710, 2700);
  lbl_LoginID.Move(240, 270, 1575, 255);
  txt_LoginID.Move(1920, 240, 2535, 315);
  txt_LoginID.SetMaxLength(20);
  lbl_Passwort.Move(240, 690, 1575, 255);
  txt_Passwort.Move(1920, 660, 2535, 315);
  txt_Passwort.SetMaxLength(15);
  lbl_Gruppe.Move(240, 1110, 1575, 255);
  cmb_Gruppe.Move(1920, 1080, 2535, 315);
  cmb_Gruppe.SetStyle(forms::vbComboDropdownList);
  cmd_OK.Move(240, 1560, 1935, 375);
  cmd_OK.SetCaption("OK");
  cmd_Abort.Move(2520, 1560, 1935, 375);
  cmd_OK.SetDefault(true);
  cmd_Abort.SetCancel(true);
}

void frmBenutzer::ShowCurrentLogin() {
  std::string loginId, password;
  int group = GroupEmployee;
  try {
    db::Recordset users;
    users.Open("tbl_user", s_.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
    if (s_.UserGroup == GroupBackOffice) {
      users.Find("LoginID= " + db::Quote(s_.CurrentLoginID));
      if (!users.EOF()) s_.CurrentPersNr = static_cast<long>(users["PersNr"].Int64());
    } else {
      users.Find("PersNr=" + std::to_string(s_.CurrentPersNr));
    }
    if (!users.EOF()) {
      loginId = users["LoginID"].Text();
      password = users["Passwort"].Text();
      group = users["Gruppe"].Int();
    }
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e), forms::vbOKOnly);
  }
  ShowLogin(loginId, password, group, true);
}

void frmBenutzer::ShowInitialLogin(const std::string& loginId, const std::string& password) {
  ShowLogin(loginId, password, GroupEmployee, false);
}

void frmBenutzer::ShowLogin(const std::string& loginId, const std::string& password, int group,
                            bool abortable) {
  txt_LoginID.SetText(loginId);
  txt_Passwort.SetText(password);
  storedGroup_ = group;
  cmd_Abort.SetEnabled(abortable);
  Show();
}

// An administrator who changes his own password stays an administrator: the list opens on the
// login's group where the user may give it.
void frmBenutzer::Form_Activate() {
  const int offered = GroupsOffered(s_.UserGroup);
  cmb_Gruppe.Clear();
  for (int position = 0; position < offered; ++position) cmb_Gruppe.AddItem(s_.T(67 + position));
  cmb_Gruppe.SetEnabled(s_.UserGroup != GroupEmployee);
  txt_LoginID.SetEnabled(s_.UserGroup == GroupAdmin);
  const int stored = PositionOf(storedGroup_);
  cmb_Gruppe.SetListIndex(stored >= 0 && stored < offered ? stored : 0);
  SetCaption(s_.T(70));
  cmd_Abort.SetCaption(s_.T(TxtClose));
  lbl_LoginID.SetCaption(text::FirstCharacters(s_.T(28), 13));
  lbl_Passwort.SetCaption(s_.T(29));
  lbl_Gruppe.SetCaption(s_.T(30));
}

// An empty login name would let anybody in, and blanks around it could not be typed at login; a
// failed write keeps the dialog open for another try, since after a new employee OK is its only way
// out.
void frmBenutzer::cmd_OK_Click() {
  const bool german = s_.Language() == LanguageGerman;
  txt_LoginID.SetText(text::TrimBlanks(txt_LoginID.Text()));
  if (txt_LoginID.Text().empty()) {
    MsgBox(german ? "Bitte einen Benutzernamen eingeben!" : "Please enter a username!",
           forms::vbOKOnly);
    return;
  }
  if (txt_Passwort.Text().empty()) {
    MsgBox(german ? "Bitte ein Passwort eingeben!" : "Please enter a password!", forms::vbOKOnly);
    return;
  }
  try {
    StoreLogin();
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e), forms::vbOKOnly);
    return;
  }
  w_.frmMitarbeiter->cmd_Login.SetEnabled(true);
  FillCalendar(w_.calendar, CalendarPass::Team);
  cmd_Abort_Click();
}

// The row found by its login name is overwritten, whoever it belonged to; else a new one is added.
void frmBenutzer::StoreLogin() {
  db::Recordset users;
  users.Open("tbl_user", s_.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
  users.Find("LoginID = " + db::Quote(txt_LoginID.Text()));
  if (users.EOF()) users.AddNew();
  users["PersNr"] = s_.CurrentPersNr;
  users["LoginID"] = txt_LoginID.Text();
  users["Passwort"] = txt_Passwort.Text();
  users["Gruppe"] = GroupAt(cmb_Gruppe.ListIndex());
  users.Update();
}

void frmBenutzer::cmd_Abort_Click() {
  w_.frmMitarbeiter->SetEnabled(true);
  Hide();
}

}  // namespace mv
