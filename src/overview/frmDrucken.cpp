#include "overview/frmDrucken.h"

#include <filesystem>
#include <string>

#include "calendar/CalendarGrid.h"
#include "calendar/frmKalender.h"

namespace mv {

namespace {

struct BatchOutcome {
  int printed = 0;
  std::string failure;           // for the user; "" when every page went
  std::filesystem::path keptIn;  // the folder of the pages kept as files
};

std::string PageOf(int page, int pages) {
  return std::to_string(page) + " / " + std::to_string(pages);
}

std::string PageFailed(const State& s, int page, int pages, const std::string& team,
                       const std::string& why) {
  const std::string which = PageOf(page, pages) + " (" + team + ", " + s.T(s.CurrentMonth) + " " +
                            std::to_string(s.CurrentYear) + ")";
  if (s.Language() == LanguageEnglish)
    return "Page " + which + " was not printed:\r" + why + "\rPrinting stopped there.";
  return "Seite " + which + " wurde nicht gedruckt:\r" + why + "\rDer Druck endet hier.";
}

std::string PagesPrinted(const State& s, int printed, int pages) {
  return (s.Language() == LanguageEnglish ? "Pages printed: " : "Gedruckte Seiten: ") +
         PageOf(printed, pages);
}

}  // namespace

void OpenPrintManager(OverviewWindows& windows) {
  frmKalender* main = windows.calendar.frmKalender.IfLoaded();
  if (!main) return;
  main->SetEnabled(false);
  windows.frmDrucken->SetUpAndShow(*main);
}

frmDrucken::frmDrucken(OverviewWindows& windows)
    : forms::Form(windows.s.rt, "frmDrucken"), w_(windows), s_(windows.s) {
  LayOut();
  cmd_Print.Click = [this] { cmd_Print_Click(); };
  cmd_Reset.Click = [this] { cmd_Reset_Click(); };
  cmd_Close.Click = [this] { cmd_Close_Click(); };
}

void frmDrucken::LayOut() {
  SetBorderStyle(3);
  SetControlBox(false);
  Move(3000, 1800, 8550, 4860);
  lblTeams.Move(240, 240, 3375, 255);
  lstTeams.Move(240, 540, 3375, 3450);
  lstTeams.SetMultiSelect(forms::vbMultiSelectSimple);
  lblMonate.Move(3855, 240, 2175, 255);
  lstMonate.Move(3855, 540, 2175, 3450);
  lstMonate.SetMultiSelect(forms::vbMultiSelectSimple);
  lblJahr.Move(6270, 240, 1935, 255);
  cmbJahr.Move(6270, 540, 1935, 315);
  cmbJahr.SetStyle(forms::vbComboDropdownList);
  cmd_Print.Move(6270, 1200, 1935, 375);
  cmd_Reset.Move(6270, 1680, 1935, 375);
  cmd_Close.Move(6270, 3615, 1935, 375);
  cmd_Print.SetDefault(true);
  cmd_Close.SetCancel(true);
}

// The years and months of the main window's lists, the captions in the current language.
void frmDrucken::Form_Load() {
  if (frmKalender* main = w_.calendar.frmKalender.IfLoaded()) {
    for (int i = 0; i < main->cmbJahr.ListCount(); ++i) cmbJahr.AddItem(main->cmbJahr.List(i));
    for (int i = 0; i < 12 && i < main->cmbMonat.ListCount(); ++i)
      lstMonate.AddItem(main->cmbMonat.List(i));
  }
  SetCaption(s_.T(168));
  lblTeams.SetCaption(s_.T(158));
  lblMonate.SetCaption(s_.T(114));
  lblJahr.SetCaption(s_.T(115));
  cmd_Print.SetCaption(s_.T(166));
  cmd_Reset.SetCaption(s_.T(113));
  cmd_Close.SetCaption(s_.T(TxtCloseWindow));
}

void frmDrucken::SetUpAndShow(frmKalender& main) {
  lstTeams.Clear();
  for (int i = 0; i < main.cmbTeamAuswahl.ListCount(); ++i)
    lstTeams.AddItem(main.cmbTeamAuswahl.List(i));
  cmbJahr.SetListIndex(main.cmbJahr.ListIndex());
  Show();
}

void frmDrucken::cmd_Print_Click() {
  if (lstMonate.SelCount() == 0) {
    MsgBox(s_.T(145), forms::vbOKOnly);
    return;
  }
  if (lstTeams.SelCount() == 0) {
    MsgBox(s_.T(146), forms::vbOKOnly);
    return;
  }
  frmKalender* main = w_.calendar.frmKalender.IfLoaded();
  if (!main) return;
  const int pages = lstTeams.SelCount() * lstMonate.SelCount();
  if (cmbJahr.ListIndex() >= 0) s_.CurrentYear = std::stoi(cmbJahr.Text());

  BatchOutcome batch;
  for (int t = 0; t < lstTeams.ListCount() && batch.failure.empty(); ++t) {
    if (!lstTeams.Selected(t)) continue;
    s_.CurrentTeam = t;
    // A page that cannot be read whole is refused below, with its number.
    FillCalendar(w_.calendar, CalendarPass::Team, GapReport::Caller);
    for (int m = 0; m < lstMonate.ListCount() && batch.failure.empty(); ++m) {
      if (!lstMonate.Selected(m)) continue;
      s_.CurrentMonth = m + 1;
      FillCalendar(w_.calendar, CalendarPass::Monat, GapReport::Caller);
      main->lbl_Status.SetCaption(s_.T(122) + PageOf(batch.printed + 1, pages));
      main->lbl_Status.Refresh();
      const forms::PrintOutcome outcome = main->PrintView();
      if (!outcome.Printed) {
        batch.failure = PageFailed(s_, batch.printed + 1, pages, lstTeams.List(t), outcome.Failure);
      } else {
        ++batch.printed;
        if (!outcome.File.empty()) batch.keptIn = std::filesystem::path(outcome.File).parent_path();
      }
    }
  }

  main->ShowView();
  if (!batch.failure.empty()) {
    main->lbl_Status.SetCaption(PagesPrinted(s_, batch.printed, pages));
    MsgBox(batch.failure, forms::vbOKOnly);
  } else if (!batch.keptIn.empty()) {
    main->lbl_Status.SetCaption(s_.T(TxtPrintingView) + " - " + batch.keptIn.string());
  }
}

void frmDrucken::cmd_Reset_Click() {
  for (int m = 0; m < lstMonate.ListCount(); ++m) lstMonate.SetSelected(m, false);
  for (int t = 0; t < lstTeams.ListCount(); ++t) lstTeams.SetSelected(t, false);
}

// The window goes (it is built anew at the next opening); the calendar stays on the last page.
void frmDrucken::cmd_Close_Click() {
  OverviewWindows& w = w_;
  w.frmDrucken.Unload();
  if (frmKalender* main = w.calendar.frmKalender.IfLoaded()) {
    main->SetEnabled(true);
    main->Show();
  }
}

}  // namespace mv
