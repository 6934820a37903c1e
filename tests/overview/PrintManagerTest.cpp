// The print manager: its lists taken from the main window, empty choices refused, a batch team by
// team and month by month, a page that fails, resetting and closing.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

// The status line each time the print manager has it redrawn at once; from page failAt on, the
// printer fails.
struct StatusWatch : forms::WindowObserver {
  explicit StatusWatch(mvtest::TestApp& app, std::size_t failAt = 0) : app(app), failAt(failAt) {
    app.s().rt.Windows().SetObserver(this);
  }
  ~StatusWatch() override { app.s().rt.Windows().SetObserver(nullptr); }
  void RefreshRequested(forms::Form&) override {
    shown.push_back(Main(app).lbl_Status.Caption());
    if (shown.size() == failAt) app.platform.SetPrinterFailure("Papierstau");
  }
  mvtest::TestApp& app;
  std::size_t failAt;
  std::vector<std::string> shown;
};

// Team and month of each printed page, as its header rows show them.
std::vector<std::string> Pages(mvtest::TestApp& app) {
  std::vector<std::string> pages;
  for (const forms::GridPicture& page : app.platform.PrintJobs())
    pages.push_back(page.Cell(0, 1).Text + " " + page.Cell(1, 1).Text + " " + page.Cell(3, 0).Text);
  return pages;
}

void Choose(mv::frmDrucken& d, std::vector<int> teams, std::vector<int> months) {
  for (int t : teams) d.lstTeams.UserClick(t);
  for (int m : months) d.lstMonate.UserClick(m);
}

TEST(PrintManager, OpensOnTheMainWindowsListsAndRefusesAnEmptyChoiceMonthsFirst) {
  struct Case {
    std::vector<int> teams, months;
    int text;
  };
  for (const Case& c : {Case{{}, {}, 145}, Case{{0}, {}, 145}, Case{{}, {3}, 146}}) {
    CalendarApp app;
    auto& k = Enter(app, 12, 1);
    mv::frmDrucken& d = OpenPrintManager(app);
    EXPECT_FALSE(k.Enabled());
    EXPECT_EQ(d.Caption(), "Druckmanager");
    EXPECT_EQ(Entries(d.cmbJahr), Entries(k.cmbJahr));
    EXPECT_EQ(d.cmbJahr.Text(), "2026");
    EXPECT_EQ(d.lstTeams.List(1), "Vertrieb");
    EXPECT_EQ(d.lstMonate.List(11), "Dezember");
    EXPECT_EQ(d.lstTeams.SelCount() + d.lstMonate.SelCount(), 0);
    Choose(d, c.teams, c.months);
    app.platform.ExpectMessageBox(app.s().T(c.text), forms::vbOK);
    d.cmd_Print.UserClick();
    EXPECT_TRUE(app.platform.PrintJobs().empty());
    EXPECT_EQ(app.s().CurrentMonth, 12);
  }
}

// Six pages in team, then month order whatever the order of choosing, "n / 6" before each; the
// calendar and its lists then show the last page, also after closing.
TEST(PrintManager, PrintsEveryChosenTeamAndMonthOfTheChosenYearInOrder) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  mv::frmDrucken& d = OpenPrintManager(app);
  d.cmbJahr.UserSelect(2025 - 2003);
  Choose(d, {1, 0}, {11, 0, 5});
  StatusWatch watch(app);
  d.cmd_Print.UserClick();

  EXPECT_EQ(Pages(app),
            (std::vector<std::string>{"Entwicklung Januar 2025", "Entwicklung Juni 2025",
                                      "Entwicklung Dezember 2025", "Vertrieb Januar 2025",
                                      "Vertrieb Juni 2025", "Vertrieb Dezember 2025"}));
  std::vector<std::string> before;
  for (int n = 1; n <= 6; ++n) before.push_back("Drucke Seite " + std::to_string(n) + " / 6");
  EXPECT_EQ(watch.shown, before);
  EXPECT_EQ(k.lbl_Status.Caption(), app.s().T(123));
  EXPECT_TRUE(d.Visible());
  EXPECT_EQ(d.lstTeams.SelCount() * d.lstMonate.SelCount(), 6);

  d.cmd_Reset.UserClick();
  EXPECT_EQ(d.lstTeams.SelCount() + d.lstMonate.SelCount(), 0);
  EXPECT_EQ(d.cmbJahr.Text(), "2025");
  d.cmd_Close.UserClick();
  EXPECT_FALSE(app.overview().frmDrucken.IsLoaded());
  EXPECT_TRUE(k.Enabled());
  EXPECT_TRUE(k.IsActive());
  EXPECT_EQ(
      k.grdCal.TextMatrix(0, 1) + " " + k.grdCal.TextMatrix(1, 1) + " " + k.grdCal.TextMatrix(3, 0),
      "Vertrieb Dezember 2025");
  EXPECT_EQ(k.cmbTeamAuswahl.Text() + " " + k.cmbMonat.Text() + " " + k.cmbJahr.Text(),
            "Vertrieb Dezember 2025");
}

// The batch stops at the page the printer refused, says which and why, and counts it unprinted.
TEST(PrintManager, APageThatCannotBePrintedEndsTheBatchThere) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  mv::frmDrucken& d = OpenPrintManager(app);
  Choose(d, {0, 1}, {0, 1, 2});
  StatusWatch watch(app, 3);
  app.platform.ExpectMessageBox(
      "Seite 3 / 6 (Entwicklung, März 2026) wurde nicht gedruckt:\rPapierstau\rDer Druck endet "
      "hier.",
      forms::vbOK);
  d.cmd_Print.UserClick();

  EXPECT_EQ(app.platform.PrintJobs().size(), 2u);
  EXPECT_EQ(watch.shown.size(), 3u);
  EXPECT_EQ(k.lbl_Status.Caption(), "Gedruckte Seiten: 2 / 6");
  EXPECT_EQ(k.cmbMonat.Text(), "März");
}

}  // namespace
