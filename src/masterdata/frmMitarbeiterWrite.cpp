// The card's writing: a new record, the size check of the chosen team, Save with its checks,
// Delete with everything of the employee, and the way to his login data.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calendar/AbsenceChecks.h"
#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "core/WriteGuard.h"
#include "db/Db.h"
#include "masterdata/InitialLogin.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmMitarbeiter.h"
#include "text/Blanks.h"
#include "text/Utf8.h"

namespace mv {

namespace {

constexpr int MaxTeamMembers = 30;
constexpr std::size_t NameLength = 20;

const char* Say(const State& s, const char* german, const char* english) {
  return s.Language() == LanguageGerman ? german : english;
}

// The whole number the text spells with digits alone (blanks around allowed), within [low, high].
std::optional<std::int64_t> WholeNumber(const std::string& text, std::int64_t low,
                                        std::int64_t high) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::size_t last = text.find_last_not_of(' ');
  std::int64_t n = 0;
  for (std::size_t i = first; i <= last; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    n = n * 10 + (text[i] - '0');
    if (n > high) return std::nullopt;
  }
  if (n < low) return std::nullopt;
  return n;
}

// A field that holds a whole number within [low, high], and the message that refuses any other
// text there.
struct NumberField {
  std::int64_t low, high;
  const char* german;
  const char* english;

  std::optional<std::int64_t> Read(const std::string& text) const {
    return WholeNumber(text, low, high);
  }
  std::string Refusal(const State& s) const { return Say(s, german, english); }
};

constexpr NumberField PersonnelNumber{
    1, std::numeric_limits<std::int32_t>::max(),
    "Die Personalnummer muss eine ganze Zahl von 1 bis 2147483647 sein!",
    "The personnel number must be a whole number from 1 to 2147483647!"};
constexpr NumberField VacationDays{
    0, 255, "Die Urlaubstage pro Jahr müssen eine ganze Zahl von 0 bis 255 sein!",
    "The vacation days per year must be a whole number from 0 to 255!"};

// Digits and corrections only.
void AcceptDigits(int& keyAscii) {
  if (keyAscii != forms::vbKeyBack && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
}

// Whether the employee is stored, and with team >= 0 whether he is stored in that team.
bool EmployeeExists(State& s, std::int64_t persNr, int team = -1) {
  std::string condition = "(tbl_Mitarbeiter.PersNr)=" + std::to_string(persNr);
  if (team >= 0) condition += " AND (tbl_Mitarbeiter.TeamNr)=" + std::to_string(team);
  db::Recordset employees;
  employees.Open("SELECT tbl_Mitarbeiter.PersNr FROM tbl_Mitarbeiter WHERE ((" + condition + "));",
                 s.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  return employees.RecordCount() > 0;
}

// Every row of the recordset that matches, in one pass from its first row.
void DeleteMatching(db::Recordset& rs, const std::string& criterion) {
  rs.MoveFirst();
  for (rs.Find(criterion); !rs.EOF(); rs.Find(criterion)) {
    rs.Delete();
    rs.MoveNext();
  }
}

long long StoredEntries(State& s, long persNr) {
  db::Recordset entries;
  entries.Open("SELECT tbl_Kalender.PersNr FROM tbl_Kalender WHERE (((tbl_Kalender.PersNr)=" +
                   std::to_string(persNr) + "));",
               s.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  return entries.RecordCount();
}

// His calendar rows, all his logins and his row of tbl_Mitarbeiter, all or none. His rows in
// tbl_Abhängigkeiten stay.
void DeleteEmployee(State& s, long persNr) {
  const std::string criterion = "PersNr = " + std::to_string(persNr);
  db::Recordset logins;
  logins.Open("tbl_user", s.Conn, db::CursorType::Dynamic, db::LockType::Pessimistic);
  WriteGuard guard(s.Conn, {&s.RsKalender, &logins, &s.RsMitarbeiter});
  DeleteMatching(s.RsKalender, criterion);
  // Rows another running copy wrote after RsKalender was opened.
  if (StoredEntries(s, persNr) > 0) {
    s.RsKalender.Requery();
    DeleteMatching(s.RsKalender, criterion);
  }
  s.RsKalender.MoveFirst();
  DeleteMatching(logins, criterion);
  DeleteMatching(s.RsMitarbeiter, criterion);
  guard.Commit();
}

}  // namespace

void frmMitarbeiter::WireEvents() {
  cmd_FirstRS.Click = [this] { cmd_FirstRS_Click(); };
  cmd_PreviousRS.Click = [this] { cmd_PreviousRS_Click(); };
  cmd_NextRS.Click = [this] { cmd_NextRS_Click(); };
  cmd_LastRS.Click = [this] { cmd_LastRS_Click(); };
  cmd_Search.Click = [this] { cmd_Search_Click(); };
  lst_Results.Click = [this] { lst_Results_Click(); };
  cmd_CloseList.Click = [this] { cmd_CloseList_Click(); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
  cmd_Neu.Click = [this] { cmd_Neu_Click(); };
  cmd_Save.Click = [this] { cmd_Save_Click(); };
  cmd_Delete.Click = [this] { cmd_Delete_Click(); };
  cmd_Login.Click = [this] { cmd_Login_Click(); };
  cmb_Team.Click = [this] { cmb_Team_Click(); };
  // Typing filters the keys; a paste is judged as a whole, as a filtered "12.5" would read 125.
  for (auto [box, field] :
       {std::pair{&txt_PersNr, &PersonnelNumber}, {&txt_UTage, &VacationDays}}) {
    box->KeyPress = AcceptDigits;
    box->BeforePaste = [this, rule = field](const std::string& result, bool& cancel) {
      cancel = !rule->Read(result);
      if (cancel) MsgBox(rule->Refusal(s_), forms::vbOKOnly);
    };
  }
}

bool frmMitarbeiter::IsNewRecord() const { return txt_LfdNr.Text() == "*"; }

void frmMitarbeiter::EndNewRecord() {
  SetFieldColor(Yellow);
  SetBrowsingEnabled(true);
  txt_PersNr.SetEnabled(false);
}

void frmMitarbeiter::cmd_Neu_Click() {
  SetStatus(s_.T(131));
  txt_LfdNr.SetText("*");
  txt_PersNr.SetText("");
  txt_PersNr.SetEnabled(true);
  for (forms::TextBox* field : {&txt_Nachname, &txt_Vorname, &txt_Telefon, &txt_Mail})
    field->SetText("");
  if (cmb_Team.ListCount() > 0) cmb_Team.SetListIndex(0);
  txt_UTage.SetText("0");
  SetBrowsingEnabled(false);
  cmd_Login.SetEnabled(false);
  txt_PersNr.SetFocus();
  SetFieldColor(Green);
}

void frmMitarbeiter::cmb_Team_Click() {
  if (!RecordShown || cmb_Team.ListIndex() < 0) return;
  try {
    const bool full = CountTeamMembers(s_, cmb_Team.ListIndex()) + 1 > MaxTeamMembers;
    if (full) MsgBox(s_.T(147), forms::vbOKOnly);
    cmd_Save.SetEnabled(!full);
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
}

// The first check the fields fail, as the message to show.
std::optional<std::string> frmMitarbeiter::SaveRefusal(bool isNew) {
  if (isNew) {
    if (txt_PersNr.Text().empty()) return s_.T(138);
    const auto persNr = PersonnelNumber.Read(txt_PersNr.Text());
    if (!persNr) return PersonnelNumber.Refusal(s_);
    if (EmployeeExists(s_, *persNr)) return s_.T(137);
    if (text::TrimBlanks(txt_Nachname.Text()).empty()) return s_.T(139);
    if (text::TrimBlanks(txt_Vorname.Text()).empty()) return s_.T(140);
  }
  if (!VacationDays.Read(txt_UTage.Text())) return VacationDays.Refusal(s_);
  if (cmb_Team.ListIndex() < 0)
    return Say(s_, "Bitte ein Team auswählen!", "Please select a team!");
  if (JoinsFullTeam(isNew)) return s_.T(147);
  return std::nullopt;
}

// Whichever way the team was chosen and whatever another copy stored since: a stored employee who
// stays in his team adds nobody to it.
bool frmMitarbeiter::JoinsFullTeam(bool isNew) {
  const int team = cmb_Team.ListIndex();
  if (!isNew && EmployeeExists(s_, *shown_, team)) return false;
  return CountTeamMembers(s_, team) + 1 > MaxTeamMembers;
}

void frmMitarbeiter::cmd_Save_Click() {
  const bool isNew = IsNewRecord();
  if (!isNew && !shown_) return;
  db::Recordset& rs = s_.RsMitarbeiter;
  try {
    if (const auto refusal = SaveRefusal(isNew)) {
      MsgBox(*refusal, forms::vbOKOnly);
      return;
    }
    // Blanks around a name could not be typed at login; the card shows what is stored.
    for (forms::TextBox* name : {&txt_Nachname, &txt_Vorname})
      name->SetText(text::TrimBlanks(name->Text()));
    if (txt_Telefon.Text().empty()) txt_Telefon.SetText("*");
    if (txt_Mail.Text().empty()) txt_Mail.SetText("*");
    if (isNew) {
      rs.AddNew();
    } else if (!MoveTo(*shown_)) {
      return;
    }
    WriteRecord(isNew);
  } catch (const db::Error& e) {
    rs.CancelUpdate();
    ShowFailure(e);
    return;
  }
  if (isNew) FinishNewRecord();
}

void frmMitarbeiter::WriteRecord(bool isNew) {
  db::Recordset& rs = s_.RsMitarbeiter;
  if (isNew) rs["PersNr"] = *PersonnelNumber.Read(txt_PersNr.Text());
  rs["Nachname"] = text::FirstCharacters(txt_Nachname.Text(), NameLength);
  rs["Vorname"] = text::FirstCharacters(txt_Vorname.Text(), NameLength);
  rs["TelNr"] = txt_Telefon.Text();
  rs["Mail"] = txt_Mail.Text();
  rs["TeamNr"] = cmb_Team.ListIndex();
  rs["UTage"] = *VacationDays.Read(txt_UTage.Text());
  rs.Update();
}

// The new employee is stored: the card shows him and waits, disabled, until his initial login is
// stored in the login data dialog.
void frmMitarbeiter::FinishNewRecord() {
  db::Recordset& rs = s_.RsMitarbeiter;
  EndNewRecord();
  // The next search starts afresh: Cancel lists everyone, the new employee among them.
  searchTerm_.clear();
  const long persNr = static_cast<long>(*PersonnelNumber.Read(txt_PersNr.Text()));
  std::string nachname = txt_Nachname.Text();
  try {
    txt_LfdNr.SetText(rs["LfdNr"].Text());
    nachname = rs["Nachname"].Text();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  s_.CurrentPersNr = persNr;
  shown_ = persNr;
  w_.frmBenutzer->ShowInitialLogin(InitialLoginName(s_.Conn, nachname, persNr), InitialPassword());
  SetStatus(s_.T(TxtEmployeeCount) + std::to_string(rs.RecordCount()));
  try {
    rs.Close();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  SetEnabled(false);
}

// The employee the user is logged in as: his login row names him.
bool frmMitarbeiter::IsLoggedInAs(long persNr) {
  db::Recordset users;
  users.Open("tbl_User", s_.Conn, db::CursorType::Static, db::LockType::ReadOnly);
  users.Find("LoginID = " + db::Quote(s_.CurrentLoginID));
  return !users.EOF() && users["PersNr"].Int64() == persNr;
}

void frmMitarbeiter::cmd_Delete_Click() {
  if (!shown_ || IsNewRecord()) return;
  const long persNr = *shown_;
  try {
    if (IsLoggedInAs(persNr)) {
      MsgBox(Say(s_, "Sie können sich nicht selbst löschen, solange Sie angemeldet sind!",
                 "You cannot delete yourself while you are logged in!"),
             forms::vbOKOnly);
      return;
    }
    if (MsgBox(s_.T(72), forms::vbYesNo) != forms::vbYes) return;
    DeleteEmployee(s_, persNr);
  } catch (const db::Error& e) {
    ShowFailure(e);
    return;
  }
  try {
    s_.RsMitarbeiter.MoveFirst();
    ShowRecord();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  SetStatus(s_.T(TxtEmployeeCount) + std::to_string(s_.RsMitarbeiter.RecordCount()));
  FillCalendar(w_.calendar, CalendarPass::Team);
  MsgBox(s_.T(73), forms::vbOKOnly);
}

void frmMitarbeiter::cmd_Login_Click() {
  SetEnabled(false);
  w_.frmBenutzer->ShowCurrentLogin();
}

}  // namespace mv
