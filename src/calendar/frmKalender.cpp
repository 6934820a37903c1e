#include "calendar/frmKalender.h"

#include <string>
#include <utility>

#include "calendar/CalendarGrid.h"
#include "calendar/TeamLists.h"
#include "calendar/YearList.h"
#include "core/FailureMessage.h"
#include "db/Db.h"

namespace mv {

namespace {

// Selecting the entry a list already shows raises no event, yet the calendar must follow the
// position all the same (the view was rebuilt by a window above, or the calendar's member list
// was used for something else meanwhile).
void Select(forms::ComboBox& list, int index, void (frmKalender::*handler)(), frmKalender& k) {
  if (list.ListIndex() == index)
    (k.*handler)();
  else
    list.SetListIndex(index);
}

}  // namespace

frmKalender::frmKalender(CalendarWindows& windows)
    : forms::Form(windows.s.rt, "frmKalender"), w_(windows), s_(windows.s) {
  LayOut();
  WireEvents();
}

void frmKalender::Form_Load() {
  ApplyCalendarFont(grdCal, s_.Settings.CalendarFont);

  SetMenuCaptions();
  SetCaption(s_.T(TxtProgramTitle));
  fmNote.SetCaption(s_.T(TxtNotes));
  Label1.SetCaption(s_.T(30));
  Label2.SetCaption(s_.T(31));
  Label3.SetCaption(s_.T(32));
  Label4.SetCaption(s_.T(33));
  Label5.SetCaption(s_.T(34));
  lbl_Konto.SetCaption(s_.T(41));
  lbl_KtoShadow.ForEach([&](int, forms::Label& l) { l.SetCaption(lbl_Konto.Caption()); });
  lbl_action1.SetCaption(s_.T(35));
  lbl_action2.SetCaption(s_.T(36));
  lbl_action3.SetCaption(s_.T(37));
  lbl_Note.SetCaption("");
  lbl_KtoInfo1.SetCaption(s_.T(47));
  lbl_KtoInfo2.SetCaption(s_.T(48));
  lbl_KtoInfo3.SetCaption(s_.T(49));
  const int infoTexts[] = {0, 42, 43, 44, 132, 133};
  opt_Info.ForEach([&](int i, forms::OptionButton& o) { o.SetCaption(s_.T(infoTexts[i])); });

  cmbMonat.Clear();
  for (int m = 1; m <= 12; ++m) cmbMonat.AddItem(s_.T(m));
  cmbJahr.Clear();
  for (int y = FirstListYear; y <= LastListYear(s_.rt); ++y) cmbJahr.AddItem(std::to_string(y));

  SetToolTips(w_);
  Follow(w_.links.SetUpCompanions);

  cmbModus.Clear();
  const bool employee = s_.UserGroup == GroupEmployee;
  for (int id = 21; id <= 26; ++id) {
    if (!(employee && id == 23)) cmbModus.AddItem(s_.T(id));
  }
  if (employee) {
    opt_agree.SetEnabled(false);
    opt_decline.SetEnabled(false);
    lbl_action1.SetEnabled(false);
    lbl_action3.SetEnabled(false);
  }
  cmbModus.SetListIndex(1);

  if (employee) {
    mnuTeams.SetEnabled(false);
    mnuAbhängigkeiten.SetEnabled(false);
    mnuFerien.SetEnabled(false);
    mnuJahresübersicht.SetEnabled(false);
  }

  const forms::DateTime today = s_.rt.Today();
  s_.CurrentMonth = today.Month;
  s_.CurrentYear = std::max(today.Year, FirstListYear);

  InitCalendarGrid(w_);
  cmbMonat.SetListIndex(s_.CurrentMonth - 1);
  cmbJahr.SetListIndex(s_.CurrentYear - FirstListYear);
  FillCalendar(w_, CalendarPass::Team);
  FillCalendar(w_, CalendarPass::Monat);

  try {
    s_.RsKalender.Close();
    s_.RsKalender.Open("tbl_Kalender", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }

  s_.SelStart.reset();
  opt_Info_Click(1);
  lbl_Status.SetCaption(s_.T(128));
  Show();
}

void frmKalender::SetMenuCaptions() {
  const std::pair<forms::Menu*, int> captions[] = {
      {&mnuProgramm, 151},     {&mnuInfo, 169},           {&mnuLogOut, 152},
      {&mnuTerminate, 153},    {&mnuVerwaltung, 154},     {&mnuMitarbeiter, 155},
      {&mnuKartei, 156},       {&mnuAbhängigkeiten, 157}, {&mnuTeams, 158},
      {&mnuNotizen, 159},      {&mnuFerien, 163},         {&mnuJahresübersicht, 164},
      {&mnuOptionen, 165},     {&mnuDrucken, 166},        {&mnuDruckAnsicht, 167},
      {&mnuDruckManager, 168},
  };
  for (const auto& [menu, id] : captions) menu->SetCaption(s_.T(id));
}

void frmKalender::ShowView() {
  if (s_.CurrentTeam >= 0 && s_.CurrentTeam < cmbTeamAuswahl.ListCount())
    Select(cmbTeamAuswahl, s_.CurrentTeam, &frmKalender::cmbTeamAuswahl_Click, *this);
  else
    FillCalendar(w_, CalendarPass::Team);
  if (YearListed(s_.CurrentYear)) {
    // The month pass below rebuilds for the year as well; the year's own rebuild would be a second.
    const auto rebuild = std::exchange(cmbJahr.Click, nullptr);
    cmbJahr.SetListIndex(s_.CurrentYear - FirstListYear);
    cmbJahr.Click = rebuild;
  }
  Select(cmbMonat, s_.CurrentMonth - 1, &frmKalender::cmbMonat_Click, *this);
}

void frmKalender::cmbTeamAuswahl_Click() {
  s_.CurrentTeam = cmbTeamAuswahl.ListIndex();
  FillCalendar(w_, CalendarPass::Team);
}

void frmKalender::cmbMonat_Click() {
  s_.CurrentMonth = cmbMonat.ListIndex() + 1;
  opt_Info_Click(s_.InfoIndex);
  FillCalendar(w_, CalendarPass::Monat);
}

void frmKalender::cmbJahr_Click() {
  s_.CurrentYear = std::stoi(cmbJahr.Text());
  FillCalendar(w_, CalendarPass::Monat);
  opt_Info_Click(s_.InfoIndex);
}

// The month buttons stop at the ends of the year list instead of selecting a year it lacks. The
// list is the one built at set-up: the clock's next year may have moved on since.
bool frmKalender::YearListed(int year) const {
  return year >= FirstListYear && year - FirstListYear < cmbJahr.ListCount();
}

void frmKalender::cmdMonBack_Click() {
  if (s_.CurrentMonth == 1) {
    if (!YearListed(s_.CurrentYear - 1)) return;
    s_.CurrentMonth = 12;
    s_.CurrentYear -= 1;
    Select(cmbJahr, s_.CurrentYear - FirstListYear, &frmKalender::cmbJahr_Click, *this);
  } else {
    s_.CurrentMonth -= 1;
  }
  Select(cmbMonat, s_.CurrentMonth - 1, &frmKalender::cmbMonat_Click, *this);
  opt_Info_Click(s_.InfoIndex);
}

void frmKalender::cmdMonForward_Click() {
  if (s_.CurrentMonth == 12) {
    if (!YearListed(s_.CurrentYear + 1)) return;
    s_.CurrentMonth = 1;
    s_.CurrentYear += 1;
    Select(cmbJahr, s_.CurrentYear - FirstListYear, &frmKalender::cmbJahr_Click, *this);
  } else {
    s_.CurrentMonth += 1;
  }
  Select(cmbMonat, s_.CurrentMonth - 1, &frmKalender::cmbMonat_Click, *this);
  opt_Info_Click(s_.InfoIndex);
}

void frmKalender::cmdZoomDec_Click() {
  if (s_.ZoomLevel > 0) --s_.ZoomLevel;
  ApplyZoom(w_);
  FillCalendar(w_, CalendarPass::Monat);
}

void frmKalender::cmdZoomInc_Click() {
  if (s_.ZoomLevel < 2) ++s_.ZoomLevel;
  ApplyZoom(w_);
  FillCalendar(w_, CalendarPass::Monat);
}

void frmKalender::mnuInfo_Click() { Follow(w_.links.OpenAbout); }
void frmKalender::mnuKartei_Click() { Follow(w_.links.OpenEmployeeCard); }
void frmKalender::mnuAbhängigkeiten_Click() { Follow(w_.links.OpenDependencies); }
void frmKalender::mnuTeams_Click() { Follow(w_.links.OpenTeams); }
void frmKalender::mnuFerien_Click() { Follow(w_.links.OpenHolidays); }
void frmKalender::mnuJahresübersicht_Click() { Follow(w_.links.OpenAnnualOverview); }
void frmKalender::mnuOptionen_Click() { Follow(w_.links.OpenOptions); }
void frmKalender::mnuDruckManager_Click() { Follow(w_.links.OpenPrintManager); }

}  // namespace mv
