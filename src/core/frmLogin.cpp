#include "core/frmLogin.h"

#include <string>

#include "core/FailureMessage.h"
#include "db/Criteria.h"
#include "db/Recordset.h"

namespace mv {

namespace {

constexpr forms::Color FocusColor = forms::vbYellow;  // 0x00FFFF
constexpr forms::Color IdleColor = forms::vbWhite;

// The employee row of a login, as the login takes it over.
struct EmployeeRow {
  int TeamNr = 0;
  int UTage = 0;
  std::string Name;  // Nachname, ", ", Vorname
};

}  // namespace

frmLogin::frmLogin(CoreWindows& windows)
    : forms::Form(windows.s.rt, "frmLogin"), w_(windows), s_(windows.s) {
  LayOut();
  WireEvents();
}

// A small fixed dialog, centred on a 1024 x 768 screen: the two labels left of their boxes, the
// buttons below, right-aligned with the boxes. Twips throughout.
void frmLogin::LayOut() {
  constexpr int width = 4785;
  constexpr int height = 2370;
  Move((15360 - width) / 2, (11520 - height) / 2, width, height);
  SetBorderStyle(3);  // fixed dialog
  SetControlBox(false);
  SetMinButton(false);
  SetMaxButton(false);

  Label1.Move(240, 300, 2055, 255);
  txtID.Move(2400, 255, 2055, 315);
  Label2.Move(240, 735, 2055, 255);
  txtPW.Move(2400, 690, 2055, 315);
  cmdOK.Move(1905, 1260, 1215, 375);
  cmdCancel.Move(3240, 1260, 1215, 375);

  // Both captions are the same in both languages.
  cmdOK.SetCaption("OK");
  cmdCancel.SetCaption("Abbruch");
  // Escape and a window manager's close button end the program as Abbruch does.
  cmdCancel.SetCancel(true);
  txtID.SetBackColor(IdleColor);
  txtPW.SetBackColor(IdleColor);
}

void frmLogin::WireEvents() {
  cmdOK.Click = [this] { cmdOK_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
  txtPW.KeyPress = [this](int& keyAscii) { txtPW_KeyPress(keyAscii); };
  txtID.GotFocus = [this] { txtID_GotFocus(); };
  txtID.LostFocus = [this] { txtID_LostFocus(); };
  txtPW.GotFocus = [this] { txtPW_GotFocus(); };
  txtPW.LostFocus = [this] { txtPW_LostFocus(); };
}

void frmLogin::Form_Load() {
  // 1. The logins, kept open until a login succeeds.
  if (s_.RsUser.IsOpen()) s_.RsUser.Close();
  s_.RsUser.Open("tbl_User", s_.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic, -1);
  // 2. Captions in the current language.
  Label1.SetCaption(s_.T(28));
  Label2.SetCaption(s_.T(29));
  SetCaption(s_.T(86));
  // 3. Only -1 switches the masking on.
  txtPW.SetPasswordChar(s_.Settings.MaskPassword == -1 ? "#" : "");
  // 4. Not modal.
  Show();
}

void frmLogin::cmdOK_Click() {
  // The login row: the name is quoted, so an apostrophe is part of it and cannot widen the search;
  // the criterion ignores letter case, the password comparison does not. A login whose employee
  // row is missing is refused like a wrong password, and nothing of the login state changes.
  db::Recordset& rsUser = s_.RsUser;
  long persNr = 0;
  int group = 0;
  std::string loginId;
  EmployeeRow employee;
  bool accepted = false;
  try {
    rsUser.MoveFirst();
    rsUser.Find("LoginID=" + db::Quote(txtID.Text()));
    if (!rsUser.EOF() && rsUser["Passwort"].Text() == txtPW.Text()) {
      persNr = static_cast<long>(rsUser["PersNr"].Int64());
      group = rsUser["Gruppe"].Int();
      loginId = rsUser["LoginID"].Text();

      db::Recordset rsEmployee;
      rsEmployee.Open("tbl_Mitarbeiter", s_.Conn, db::CursorType::Dynamic,
                      db::LockType::Pessimistic, -1);
      rsEmployee.Find("PersNr=" + std::to_string(persNr));
      if (!rsEmployee.EOF()) {
        employee.TeamNr = rsEmployee["TeamNr"].Int();
        employee.UTage = rsEmployee["UTage"].Int();
        employee.Name = rsEmployee["Nachname"].Text() + ", " + rsEmployee["Vorname"].Text();
        accepted = true;
      }
      rsEmployee.Close();
    }
  } catch (const db::Error& e) {
    // A database failure (a table missing, the file gone): said, and the window waits.
    MsgBox(FailureMessage(s_, e), forms::vbOKOnly);
    return;
  }
  if (!accepted) {
    LoginFailed();
    return;
  }

  // The login state. CurrentPersNr only for group 3: groups 1 and 2 keep what it was.
  s_.UserGroup = group;
  s_.CurrentLoginID = loginId;
  if (group == GroupEmployee) s_.CurrentPersNr = persNr;
  s_.CurrentTeam = employee.TeamNr;
  s_.UserTeam = employee.TeamNr;
  s_.UserVacationDays = employee.UTage;
  s_.CurrentUserName = employee.Name;
  rsUser.Close();

  // This window goes, the main window comes. The windows outlive this one, so keep them at hand.
  CoreWindows& windows = w_;
  Unload();
  windows.LoadMainWindow();
}

void frmLogin::LoginFailed() {
  MsgBox(s_.T(136), forms::vbOKOnly);
  txtID.SetText("");
  txtPW.SetText("");
  txtID.SetFocus();
}

void frmLogin::cmdCancel_Click() { s_.rt.End(0); }

void frmLogin::txtPW_KeyPress(int& KeyAscii) {
  if (KeyAscii != forms::vbKeyReturn) return;
  KeyAscii = 0;
  cmdOK_Click();
}

void frmLogin::txtID_GotFocus() { txtID.SetBackColor(FocusColor); }
void frmLogin::txtID_LostFocus() { txtID.SetBackColor(IdleColor); }
void frmLogin::txtPW_GotFocus() { txtPW.SetBackColor(FocusColor); }
void frmLogin::txtPW_LostFocus() { txtPW.SetBackColor(IdleColor); }

}  // namespace mv
