// The print manager: empty choices refused, a batch team by team and month by month, a page that
// fails, and closing.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

// No team chosen is refused. Six pages in team, then month order, "n / 6" before
// each; the calendar and its lists then show the last page, also after closing.
TEST(PrintManager, PrintsEveryChosenTeamAndMonthOfTheChosenYearInOrder) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  mv::frmDrucken& d = Open(app, "Ctrl+D", app.overview().frmDrucken);
  EXPECT_EQ(Entries(d.cmbJahr), Entries(k.cmbJahr));
  EXPECT_EQ((Texts{d.lblTeams.Caption(), d.lblMonate.Caption(), d.lblJahr.Caption()}),
            (Texts{"Teams / Gruppen", "Monate", "Jahr"}));
  d.lstMonate.UserClick(11);
  app.platform.ExpectMessageBox(app.s().T(146), forms::vbOK);
  d.cmd_Print.UserClick();
  EXPECT_TRUE(app.platform.PrintJobs().empty());
  for (int t : {1, 0}) d.lstTeams.UserClick(t);
  for (int m : {0, 5}) d.lstMonate.UserClick(m);
  d.cmbJahr.UserSelect(2025 - 2003);
  Watch watch(app);
  d.cmd_Print.UserClick();

  Texts pages, before;
  for (const forms::GridPicture& page : app.platform.PrintJobs())
    pages.push_back(page.Cell(0, 1).Text + " " + page.Cell(1, 1).Text + " " + page.Cell(3, 0).Text);
  for (int n = 1; n <= 6; ++n) before.push_back("Drucke Seite " + std::to_string(n) + " / 6");
  EXPECT_EQ(pages,
            (Texts{"Entwicklung Januar 2025", "Entwicklung Juni 2025", "Entwicklung Dezember 2025",
                   "Vertrieb Januar 2025", "Vertrieb Juni 2025", "Vertrieb Dezember 2025"}));
  EXPECT_EQ(watch.status, before);

  d.cmd_Close.UserClick();
  EXPECT_TRUE(k.IsActive());
  const Texts last = {"Vertrieb", "Dezember", "2025"};
  EXPECT_EQ(
      (Texts{k.grdCal.TextMatrix(0, 1), k.grdCal.TextMatrix(1, 1), k.grdCal.TextMatrix(3, 0)}),
      last);
  EXPECT_EQ((Texts{k.cmbTeamAuswahl.Text(), k.cmbMonat.Text(), k.cmbJahr.Text()}), last);
}

// The batch stops at the page the printer refused, says which and why (once), counts it unprinted
// and leaves the calendar on that page's team and month.
TEST(PrintManager, APageThatCannotBePrintedEndsTheBatchThere) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  mv::frmDrucken& d = Open(app, "Ctrl+D", app.overview().frmDrucken);
  for (int t : {0, 1}) d.lstTeams.UserClick(t);
  for (int m : {0, 1, 2}) d.lstMonate.UserClick(m);
  // Each page is printed after its redraw: the printer jams as page 3 comes.
  Watch watch(app, 3, [&] { app.platform.SetPrinterFailure("Papierstau"); });
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& box) {
        return box.Prompt.starts_with(
                   "Seite 3 / 6 (Entwicklung, März 2026) wurde nicht gedruckt:") &&
               box.Prompt.ends_with("Papierstau\rDer Druck endet hier.");
      },
      forms::vbOK);
  d.cmd_Print.UserClick();
  EXPECT_EQ(app.platform.PrintJobs().size(), 2u);
  EXPECT_EQ(k.lbl_Status.Caption(), "Gedruckte Seiten: 2 / 6");
  EXPECT_EQ((Texts{k.cmbTeamAuswahl.Text(), k.grdCal.TextMatrix(0, 1), k.cmbMonat.Text()}),
            (Texts{"Entwicklung", "Entwicklung", "März"}));
}

}  // namespace
