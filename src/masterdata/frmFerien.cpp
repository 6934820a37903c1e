#include "masterdata/frmFerien.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/CalendarGrid.h"
#include "calendar/YearList.h"
#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "core/FailureMessage.h"
#include "db/Db.h"
#include "masterdata/HolidayRows.h"

namespace mv {

namespace {

constexpr int Weeks = 6;
constexpr forms::Color Marked = forms::vbGreen;
constexpr forms::Color Unmarked = forms::vbWhite;
constexpr forms::Color Unmarking = forms::vbRed;

struct Month {
  int year;
  int month;
};

// The month and year the lists show; nothing while either has no entry chosen.
std::optional<Month> ShownMonth(const frmFerien& f) {
  if (f.cmbMonat.ListIndex() < 0 || f.cmbJahr.ListIndex() < 0) return std::nullopt;
  return Month{std::stoi(f.cmbJahr.Text()), f.cmbMonat.ListIndex() + 1};
}

void PaintCell(forms::Grid& g, int row, int col, forms::Color back) {
  g.SetRow(row);
  g.SetCol(col);
  g.SetCellBackColor(back);
}

std::bitset<32> ShownMarks(State& s, const Month& shown) {
  try {
    return MarkedDays(s.RsFerien, shown.year, shown.month);
  } catch (const db::Error&) {
    // RsFerien failed to open, which the opening showed: the days are drawn unmarked.
    return {};
  }
}

bool NoteDialogShown(CalendarWindows& w) {
  const frmNotiz* dialog = w.frmNotiz.IfLoaded();
  return dialog && dialog->Visible();
}

}  // namespace

frmFerien::frmFerien(MasterDataWindows& windows)
    : forms::Form(windows.s.rt, "frmFerien"), w_(windows), s_(windows.s) {
  LayOut();
  cmbMonat.Click = [this] { FillMonthGrid(); };
  cmbJahr.Click = [this] { FillMonthGrid(); };
  grdMon.Click = [this] { grdMon_Click(); };
  grdMon.MouseMove = [this](int b, int sh, float x, float y) { grdMon_MouseMove(b, sh, x, y); };
  optSelect.Click = [this] { optSelect_Click(); };
  optDelete.Click = [this] { optDelete_Click(); };
  txt_Notiz.GotFocus = [this] { txt_Notiz_GotFocus(); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
}

void frmFerien::LayOut() {
  SetBorderStyle(1);
  SetMinButton(false);
  SetMaxButton(false);
  Move(4200, 2400, 3960, 5130);
  cmbMonat.SetStyle(forms::vbComboDropdownList);
  cmbMonat.Move(120, 120, 2040, 315);
  cmbJahr.SetStyle(forms::vbComboDropdownList);
  cmbJahr.Move(2220, 120, 1500, 315);
  grdMon.Move(120, 540, 3600, 2025);
  grdMon.SetRows(Weeks + 1);
  grdMon.SetCols(7);
  grdMon.SetFixedRows(1);
  grdMon.SetFixedCols(0);
  grdMon.SetBackColor(Unmarked);
  grdMon.SetFontName("Courier New");
  grdMon.SetFontSize(11.25);
  fm_Notiz.Move(120, 2670, 3600, 780);
  txt_Notiz.Move(120, 285, 3360, 345);
  optSelect.Move(120, 3570, 1740, 375);
  optDelete.Move(1980, 3570, 1740, 375);
  cmd_Close.Move(120, 4065, 3600, 435);
  cmd_Close.SetCancel(true);
}

// A window built anew after its close box was used has its tooltips all the same.
void frmFerien::Form_Load() { SetToolTips(); }

void frmFerien::SetToolTips() {
  optSelect.SetToolTipText(s_.T(183));
  optDelete.SetToolTipText(s_.T(184));
}

void frmFerien::Open() {
  frmKalender* main = w_.calendar.frmKalender.IfLoaded();
  if (main) main->SetEnabled(false);
  for (int c = 0; c < grdMon.Cols(); ++c) {
    grdMon.SetRow(0);
    grdMon.SetCol(c);
    grdMon.SetCellFontBold(true);
    grdMon.SetCellAlignment(forms::flexAlignCenterCenter);
    grdMon.SetText(s_.T(13 + c));
    grdMon.SetColWidth(c, 500);
  }
  cmbMonat.Clear();
  for (int m = 1; m <= 12; ++m) cmbMonat.AddItem(s_.T(m));
  // The main window's years: its list position is a position here too.
  cmbJahr.Clear();
  for (int y = FirstListYear; y <= LastListYear(s_.rt); ++y) cmbJahr.AddItem(std::to_string(y));
  try {
    s_.RsFerien.Close();
    s_.RsFerien.Open("tbl_Ferien", s_.Conn, db::CursorType::Static, db::LockType::Pessimistic);
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }
  if (main) {
    cmbMonat.SetListIndex(main->cmbMonat.ListIndex());
    cmbJahr.SetListIndex(main->cmbJahr.ListIndex());
  }
  fm_Notiz.SetCaption(s_.T(TxtNotes));
  optDelete.SetCaption(s_.T(162));
  optSelect.SetCaption(s_.T(160));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
  SetCaption(s_.T(163));
  txt_Notiz.SetText("");
  optSelect.SetValue(true);
  ShowOptionColors();
  Show();
}

void frmFerien::Form_Activate() { FillMonthGrid(); }

void frmFerien::FillMonthGrid() {
  grdMon.SetRedraw(false);
  for (int r = 1; r <= Weeks; ++r) {
    for (int c = 0; c < grdMon.Cols(); ++c) {
      grdMon.SetTextMatrix(r, c, "");
      PaintCell(grdMon, r, c, Unmarked);
    }
  }
  if (const std::optional<Month> shown = ShownMonth(*this)) {
    const std::bitset<32> marked = ShownMarks(s_, *shown);
    const int start = db::Date(shown->year, shown->month, 1).Weekday() - 1;
    for (int d = 1; d <= MonthLength(shown->month, shown->year); ++d) {
      const int cell = start + d - 1;
      PaintCell(grdMon, 1 + cell / 7, cell % 7,
                marked[static_cast<std::size_t>(d)] ? Marked : Unmarked);
      grdMon.SetText(std::to_string(d));
      grdMon.SetCellAlignment(forms::flexAlignCenterCenter);
    }
  }
  grdMon.SetRedraw(true);
  ShowHolidayCount();
}

void frmFerien::ShowHolidayCount() {
  frmKalender* main = w_.calendar.frmKalender.IfLoaded();
  const std::optional<Month> shown = ShownMonth(*this);
  if (!main || !shown) return;
  try {
    main->lbl_Status.SetCaption(s_.T(127) + std::to_string(HolidaysInYear(s_, shown->year)));
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }
}

void frmFerien::grdMon_Click() {
  // Taken before any question or wait: the redraw on reactivation moves the grid's selection.
  std::vector<db::Date> days;
  if (const std::optional<Month> shown = ShownMonth(*this)) {
    const int top = std::max(1, std::min(grdMon.Row(), grdMon.RowSel()));
    const int bottom = std::max(grdMon.Row(), grdMon.RowSel());
    const int left = std::min(grdMon.Col(), grdMon.ColSel());
    const int right = std::max(grdMon.Col(), grdMon.ColSel());
    for (int r = top; r <= bottom; ++r) {
      for (int c = left; c <= right; ++c) {
        const std::string& day = grdMon.TextMatrix(r, c);
        if (!day.empty()) days.emplace_back(shown->year, shown->month, std::stoi(day));
      }
    }
  }
  try {
    if (optDelete.Value()) {
      if (MsgBox(s_.T(102), forms::vbYesNo) == forms::vbYes) UnmarkHolidays(s_, days);
    } else {
      const std::optional<long> note = AskForNote();
      if (!note) return;
      MarkHolidays(s_, days, *note);
    }
  } catch (const db::Error& e) {
    MsgBox(FailureMessage(s_, e));
  }
  FillMonthGrid();
}

std::optional<long> frmFerien::AskForNote() {
  const int answer = MsgBox(s_.T(TxtNoteQuestion), forms::vbYesNoCancel, s_.T(TxtNoteFunction));
  if (answer == forms::vbCancel) return std::nullopt;
  if (answer == forms::vbYes) {
    SetEnabled(false);
    w_.calendar.frmNotiz->Show();
    while (NoteDialogShown(w_.calendar)) s_.rt.DoEvents();
  } else {
    s_.NoteNr = 0;
  }
  return s_.NoteNr;
}

void frmFerien::grdMon_MouseMove(int, int, float, float) {
  const int row = grdMon.MouseRow();
  if (row < 1) return;
  const std::string& day = grdMon.TextMatrix(row, grdMon.MouseCol());
  const std::optional<Month> shown = ShownMonth(*this);
  if (day.empty() || !shown) return;
  try {
    txt_Notiz.SetText(HolidayNote(s_, db::Date(shown->year, shown->month, std::stoi(day))));
  } catch (const db::Error&) {
    // A message box at every move of the pointer would bury the window; the note shows as none.
    txt_Notiz.SetText("");
  }
}

void frmFerien::optSelect_Click() { ShowOptionColors(); }
void frmFerien::optDelete_Click() { ShowOptionColors(); }

void frmFerien::ShowOptionColors() {
  const bool unmarking = optDelete.Value();
  optSelect.SetBackColor(unmarking ? forms::vbActiveBorder : Marked);
  optDelete.SetBackColor(unmarking ? Unmarking : forms::vbActiveBorder);
}

void frmFerien::txt_Notiz_GotFocus() { grdMon.SetFocus(); }

void frmFerien::cmd_Close_Click() { CloseWindow(); }

void frmFerien::Form_QueryUnload(int&, int) { CloseWindow(); }

void frmFerien::CloseWindow() {
  s_.RsFerien.Close();
  Hide();
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
    main->Show();
  }
  FillCalendar(w_.calendar, CalendarPass::Monat);
}

}  // namespace mv
