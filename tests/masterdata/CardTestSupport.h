#pragma once
// The employee card and login data dialog on the calendar tests' teams: "Entwicklung" with Adam
// (11), Berg (10) and Zoller (12, login "zoller", administrator), "Vertrieb" with Dorn (21),
// "Leer".
#include <string>
#include <vector>

#include "calendar/CalendarTestSupport.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmMitarbeiter.h"

namespace cardtest {

using namespace caltest;
using Texts = std::vector<std::string>;

// The card as Ctrl+K opens it.
inline mv::frmMitarbeiter& OpenCard(mvtest::TestApp& app, mv::frmKalender& main) {
  EXPECT_TRUE(main.UserShortcut("Ctrl+K"));
  return *app.masterdata().frmMitarbeiter.IfLoaded();
}

inline mv::frmBenutzer& LoginDialog(mvtest::TestApp& app) {
  return *app.masterdata().frmBenutzer.IfLoaded();
}

// LfdNr, PersNr, Nachname, Vorname, TelNr, Mail, team and UTage as the card shows them.
inline Texts Fields(const mv::frmMitarbeiter& c) {
  return {c.txt_LfdNr.Text(),   c.txt_PersNr.Text(), c.txt_Nachname.Text(), c.txt_Vorname.Text(),
          c.txt_Telefon.Text(), c.txt_Mail.Text(),   c.cmb_Team.Text(),     c.txt_UTage.Text()};
}

// The field's text replaced by typing.
inline void Retype(forms::TextBox& box, const std::string& text) {
  box.UserSetText("");
  box.UserType(text);
}

// New, the number and both names typed, Save; with a refusal given, that box is expected.
inline void Create(mvtest::TestApp& app, mv::frmMitarbeiter& card, long persNr,
                   const std::string& nachname, const std::string& refusal = "") {
  card.cmd_Neu.UserClick();
  card.txt_PersNr.UserType(std::to_string(persNr));
  card.txt_Nachname.UserType(nachname);
  card.txt_Vorname.UserType("Hans");
  if (!refusal.empty()) app.platform.ExpectMessageBox(refusal, forms::vbOK);
  card.cmd_Save.UserClick();
}

inline Rows Logins(mvtest::TestApp& app) {
  return app.Query("SELECT PersNr, LoginID, Passwort, Gruppe FROM tbl_User ORDER BY rowid");
}

}  // namespace cardtest
