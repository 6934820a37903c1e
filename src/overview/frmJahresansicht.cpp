#include "overview/frmJahresansicht.h"

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"
#include "overview/YearCalendar.h"

namespace mv {

namespace {

constexpr int TeamNameColumns = 10;

}  // namespace

frmJahresansicht::frmJahresansicht(OverviewWindows& windows)
    : forms::Form(windows.s.rt, "frmJahresansicht"), w_(windows), s_(windows.s) {
  LayOut();
  ResetStatistics();
  cmb_Team.Click = [this] { cmb_Team_Click(); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
  grdYear.DblClick = [this] { grdYear_DblClick(); };
  tabStats.Click = [this] { tabStats_Click(); };
}

void frmJahresansicht::TakeCalendarFont() { ApplyCalendarFont(grdYear, s_.Settings.CalendarFont); }

void OpenAnnualOverview(OverviewWindows& windows) {
  frmKalender* main = windows.calendar.frmKalender.IfLoaded();
  if (!main) return;
  main->SetEnabled(false);
  frmJahresansicht& overview = *windows.frmJahresansicht;
  overview.SetUp(main->cmbTeamAuswahl);
  overview.Show();
}

void frmJahresansicht::SetUp(const forms::ComboBox& teams) {
  // A window kept hidden since an earlier font choice, or one built afresh, shows the font of now.
  TakeCalendarFont();
  cmb_Team.Clear();
  for (int i = 0; i < teams.ListCount(); ++i) cmb_Team.AddItem(teams.List(i));
  if (cmb_Team.ListCount() > 0) {
    if (s_.CurrentTeam < 0 || s_.CurrentTeam >= cmb_Team.ListCount()) s_.CurrentTeam = 0;
    cmb_Team.SetListIndex(s_.CurrentTeam);
    ShowTeamName(cmb_Team.List(s_.CurrentTeam));
  }
  for (int c = TeamNameColumns + 1; c < grdYear.Cols(); ++c) grdYear.SetTextMatrix(0, c, " ");

  lbl_Wait.SetCaption(s_.T(104));
  const int tabTexts[] = {41, 43, 44, 132, 133};
  for (int i = 1; i <= tabStats.TabCount(); ++i) tabStats.SetTabCaption(i, s_.T(tabTexts[i - 1]));
  const std::pair<forms::Label*, int> captions[] = {
      {&lbl_Ugesamt, 47},    {&lbl_Sgesamt, 47},       {&lbl_Kgesamt, 47},
      {&lbl_Zgesamt, 47},    {&lbl_Dgesamt, 47},       {&lbl_Uverplant, 48},
      {&lbl_Uoffen, 49},     {&lbl_Kentschuldigt, 45}, {&lbl_Kunentschuldigt, 46},
      {&lbl_Ugenehmigt, 38}, {&lbl_Sgenehmigt, 38},    {&lbl_Zgenehmigt, 38},
      {&lbl_Dgenehmigt, 38}, {&lbl_Uangefragt, 39},    {&lbl_Sangefragt, 39},
      {&lbl_Zangefragt, 39}, {&lbl_Dangefragt, 39},    {&lbl_Uabgelehnt, 40},
      {&lbl_Sabgelehnt, 40}, {&lbl_Zabgelehnt, 40},    {&lbl_Dabgelehnt, 40},
  };
  for (const auto& [label, id] : captions) label->SetCaption(s_.T(id));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));

  // The vacation figures on the first tab; the other frames wait behind their tabs.
  tabStats.SetSelectedIndex(1);
  tabStats_Click();
  for (forms::Label& davon : lbl_davon) davon.SetCaption(s_.T(105));
}

void frmJahresansicht::ShowTeamName(const std::string& name) {
  grdYear.SetRow(0);
  for (int c = 1; c <= TeamNameColumns; ++c) {
    grdYear.SetCol(c);
    grdYear.SetText(name);
    grdYear.SetCellAlignment(forms::flexAlignCenterCenter);
  }
}

void frmJahresansicht::Form_Activate() {
  SetCaption(s_.T(164));
  InitYearGrid();
  FillYearGrid();
}

void frmJahresansicht::cmb_Team_Click() {
  if (!Visible()) return;
  s_.CurrentTeam = cmb_Team.ListIndex();
  ShowTeamName(cmb_Team.Text());
  InitYearGrid();
  FillYearGrid();
}

void frmJahresansicht::tabStats_Click() {
  forms::Frame* const frames[] = {&fmUrlaub, &fmKrank, &fmZeitausgleich, &fmDienstreise,
                                  &fmSonstiges};
  const int index = tabStats.SelectedIndex();
  if (index < 1 || index > 5) return;
  for (int i = 0; i < 5; ++i) frames[i]->SetVisible(i == index - 1);
}

// Any row of a day column jumps to that day's month of the main calendar, for the chosen team.
void frmJahresansicht::grdYear_DblClick() {
  const int col = grdYear.MouseCol();
  const std::vector<DayColumn> columns = DayColumnsOf(s_.CurrentYear);
  if (col < 1 || col >= static_cast<int>(columns.size())) return;
  s_.CurrentMonth = columns[static_cast<size_t>(col)].month;
  if (cmb_Team.ListIndex() >= 0) s_.CurrentTeam = cmb_Team.ListIndex();
  cmd_Close_Click();
}

// The main calendar is rebuilt: the team or month may have moved, and the lists follow them.
void frmJahresansicht::cmd_Close_Click() {
  if (closing_) return;
  closing_ = true;
  frmKalender* main = w_.calendar.frmKalender.IfLoaded();
  if (main) main->ShowView();
  Unload();
  if (main) {
    // Enabled before it is shown, so that it becomes the active window again.
    main->SetEnabled(true);
    main->Show();
  }
}

void frmJahresansicht::Form_QueryUnload(int&, int) { cmd_Close_Click(); }

}  // namespace mv
