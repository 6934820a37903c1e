#include "masterdata/frmMitarbeiter.h"

#include "calendar/TeamLists.h"
#include "calendar/frmKalender.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/EmployeeSearch.h"
#include "masterdata/frmTeams.h"

namespace mv {

frmMitarbeiter::frmMitarbeiter(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmMitarbeiter"), w_(windows), s_(windows.s) {
  LayOut();
  WireEvents();
}

// Built anew after its close box, the card gets its tooltips without waiting for the main
// window's next set-up.
void frmMitarbeiter::Form_Load() { SetToolTips(); }

void frmMitarbeiter::ShowTeams(const std::vector<std::string>& names) {
  cmb_Team.Clear();
  for (const std::string& name : names) cmb_Team.AddItem(name);
}

void frmMitarbeiter::SetToolTips() {
  cmd_FirstRS.SetToolTipText(s_.T(178));
  cmd_PreviousRS.SetToolTipText(s_.T(179));
  cmd_NextRS.SetToolTipText(s_.T(180));
  cmd_LastRS.SetToolTipText(s_.T(181));
  cmd_Search.SetToolTipText(s_.T(182));
}

void frmMitarbeiter::Open() {
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->SetEnabled(false);
  lst_Results.SetVisible(false);
  cmd_CloseList.SetVisible(false);
  lbl_ErgAnzahl.SetVisible(false);
  const bool browsing = s_.UserGroup != GroupEmployee;
  SetBrowsingEnabled(browsing);
  forms::Control* editable[] = {&txt_Nachname, &txt_Vorname, &cmb_Team, &txt_UTage};
  for (forms::Control* field : editable) field->SetEnabled(browsing);
  cmd_Login.SetEnabled(true);
  // A size check refused for the previous user must not leave this one unable to save.
  cmd_Save.SetEnabled(true);
  cmd_CloseList.SetCaption(s_.T(85));
  SetFieldColor(Yellow);
  SetWidth(NarrowWidth);
  txt_PersNr.SetEnabled(false);
  Show();
}

void frmMitarbeiter::Form_Activate() {
  FillTeamCombos(w_.calendar);
  db::Recordset& rs = s_.RsMitarbeiter;
  try {
    // Only deactivated, the card keeps its recordset with its order.
    if (!rs.IsOpen()) {
      rs.SetCursorLocation(db::CursorLocation::Client);
      rs.Open("tbl_Mitarbeiter", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
    }
    if (HasRecords()) {
      // Nobody pointed at yet: the first employee becomes the current one.
      if (!MoveTo(s_.CurrentPersNr)) rs.MoveFirst();
      SetStatus(s_.T(TxtEmployeeCount) + std::to_string(rs.RecordCount()));
    }
    ShowRecord();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  SetCaptions();
}

void frmMitarbeiter::SetCaptions() {
  SetCaption(s_.T(54));
  forms::Label* labels[] = {&lbl_LfdNr,   &lbl_PersNr, &lbl_Nachname, &lbl_Vorname,
                            &lbl_Telefon, &lbl_Mail,   &lbl_Team,     &lbl_UTage};
  for (int i = 0; i < 8; ++i) labels[i]->SetCaption(s_.T(55 + i));
  cmd_Neu.SetCaption(s_.T(63));
  cmd_Save.SetCaption(s_.T(64));
  cmd_Delete.SetCaption(s_.T(65));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
  cmd_Login.SetCaption(s_.T(71));
}

void frmMitarbeiter::SetFieldColor(forms::Color color) {
  forms::Control* fields[] = {&txt_PersNr, &txt_Nachname, &txt_Vorname, &txt_Telefon,
                              &txt_Mail,   &txt_UTage,    &cmb_Team};
  for (forms::Control* field : fields) field->SetForeColor(color);
}

// The navigation buttons stay off while the result list is shown.
void frmMitarbeiter::SetBrowsingEnabled(bool enabled) {
  for (forms::CommandButton* b : {&cmd_Search, &cmd_Delete, &cmd_Neu}) b->SetEnabled(enabled);
  for (forms::CommandButton* b : {&cmd_FirstRS, &cmd_PreviousRS, &cmd_NextRS, &cmd_LastRS})
    b->SetEnabled(enabled && !lst_Results.Visible());
}

bool frmMitarbeiter::HasRecords() const {
  return s_.RsMitarbeiter.IsOpen() && s_.RsMitarbeiter.RecordCount() > 0;
}

bool frmMitarbeiter::MoveTo(long persNr) {
  db::Recordset& rs = s_.RsMitarbeiter;
  rs.MoveFirst();
  rs.Find("PersNr=" + std::to_string(persNr));
  return !rs.EOF();
}

void frmMitarbeiter::ShowRecord() {
  const bool endsNewRecord = IsNewRecord();
  RecordShown = false;
  db::Recordset& rs = s_.RsMitarbeiter;
  struct {
    std::string LfdNr, PersNr, Nachname, Vorname, TelNr, Mail, UTage;
    int TeamNr = -1;
  } row;
  shown_.reset();
  if (rs.IsOpen() && !rs.EOF() && !rs.BOF()) {
    row = {rs["LfdNr"].Text(), rs["PersNr"].Text(), rs["Nachname"].Text(), rs["Vorname"].Text(),
           rs["TelNr"].Text(), rs["Mail"].Text(),   rs["UTage"].Text(),    rs["TeamNr"].Int()};
    shown_ = static_cast<long>(rs["PersNr"].Int64());
    s_.CurrentPersNr = *shown_;
  }
  txt_LfdNr.SetText(row.LfdNr);
  txt_PersNr.SetText(row.PersNr);
  txt_Nachname.SetText(row.Nachname);
  txt_Vorname.SetText(row.Vorname);
  txt_Telefon.SetText(row.TelNr);
  txt_Mail.SetText(row.Mail);
  // A team outside the list stays unselected rather than naming another.
  cmb_Team.SetListIndex(row.TeamNr >= 0 && row.TeamNr < cmb_Team.ListCount() ? row.TeamNr : -1);
  txt_UTage.SetText(row.UTage);
  RecordShown = shown_.has_value();
  // Reached from a new record by the result list or by navigation after the list was closed: the
  // employee shown keeps his number, so nothing of the new record may stay open for typing.
  if (endsNewRecord) {
    EndNewRecord();
    cmd_Login.SetEnabled(true);
  }
}

void frmMitarbeiter::SetStatus(const std::string& text) {
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) main->lbl_Status.SetCaption(text);
}

void frmMitarbeiter::Navigate(void (db::Recordset::*move)(), int statusText) {
  if (!HasRecords()) return;
  db::Recordset& rs = s_.RsMitarbeiter;
  try {
    (rs.*move)();
    if (rs.BOF()) rs.MoveFirst();
    if (rs.EOF()) rs.MoveLast();
    if (statusText) SetStatus(s_.T(statusText));
    ShowRecord();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
}

void frmMitarbeiter::cmd_FirstRS_Click() { Navigate(&db::Recordset::MoveFirst, 129); }
void frmMitarbeiter::cmd_PreviousRS_Click() { Navigate(&db::Recordset::MovePrevious, 0); }
void frmMitarbeiter::cmd_NextRS_Click() { Navigate(&db::Recordset::MoveNext, 0); }
void frmMitarbeiter::cmd_LastRS_Click() { Navigate(&db::Recordset::MoveLast, 130); }

void frmMitarbeiter::cmd_Search_Click() {
  if (!HasRecords()) return;
  const std::string term = AskSearchTerm(s_);
  // Cancel keeps the search in force, or lists everyone when there is none.
  if (!term.empty()) searchTerm_ = term;
  try {
    const std::vector<FoundEmployee> found = SearchEmployee(s_.Conn, searchTerm_);
    if (found.empty()) {
      MsgBox(s_.T(143), forms::vbOKOnly);
      searchTerm_.clear();
      HideResultList();
      return;
    }
    lst_Results.Clear();
    listed_.clear();
    for (const FoundEmployee& e : found) {
      lst_Results.AddItem(e.ListEntry());
      listed_.push_back(e.PersNr);
    }
    // Browsing goes on in last-name order from the employee shown.
    s_.RsMitarbeiter.Sort("Nachname ASC");
    if (shown_) MoveTo(*shown_);
  } catch (const db::Error& e) {
    ShowFailure(e);
    return;
  }
  ShowResultList();
}

void frmMitarbeiter::lst_Results_Click() {
  const int i = lst_Results.ListIndex();
  if (i < 0 || i >= static_cast<int>(listed_.size())) return;
  try {
    if (MoveTo(listed_[static_cast<std::size_t>(i)])) ShowRecord();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
}

void frmMitarbeiter::ShowResultList() {
  lbl_ErgAnzahl.SetCaption(std::to_string(lst_Results.ListCount()) + " " + s_.T(84));
  SetResultListShown(true);
}

void frmMitarbeiter::HideResultList() { SetResultListShown(false); }

// The wide card shows the result list and stops browsing; the narrow one browses.
void frmMitarbeiter::SetResultListShown(bool shown) {
  SetWidth(shown ? WideWidth : NarrowWidth);
  lbl_ErgAnzahl.SetVisible(shown);
  for (forms::CommandButton* b : {&cmd_FirstRS, &cmd_PreviousRS, &cmd_NextRS, &cmd_LastRS})
    b->SetEnabled(!shown);
  lst_Results.SetVisible(shown);
  cmd_CloseList.SetVisible(shown);
}

void frmMitarbeiter::cmd_CloseList_Click() {
  searchTerm_.clear();
  HideResultList();
}

void frmMitarbeiter::cmd_Close_Click() {
  frmTeams* teams = w_.frmTeams.IfLoaded();
  if (teams && teams->Visible()) {
    teams->SetEnabled(true);
  } else if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
  }
  searchTerm_.clear();
  try {
    s_.RsMitarbeiter.Close();
  } catch (const db::Error& e) {
    ShowFailure(e);
  }
  Hide();
}

void frmMitarbeiter::Form_QueryUnload(int&, int) { cmd_Close_Click(); }

void frmMitarbeiter::ShowFailure(const db::Error& failure) {
  MsgBox(FailureMessage(s_, failure), forms::vbOKOnly);
}

}  // namespace mv
