// Dependent colleagues absent in the selected days: each named once, in order, declined and
// unexcused days ignored, a no stops everything.
#include <gtest/gtest.h>

#include <string>

#include "EntrySupport.h"

namespace {

using namespace entrytest;

class ChecksDependency : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedTeam(app, 30);
    app.AddTeam(1, "Vertrieb");
    app.AddEmployee(13, "O'Neil", "Sean", 1);
    app.Sql("UPDATE tbl_Abhängigkeiten SET AbhPersNr2 = 12, AbhPersNr3 = 13 WHERE PersNr = 10");
    app.AddEntry(11, Dec(1), "U?");
    app.AddEntry(11, Dec(2), "U?");
    app.AddEntry(12, Dec(1), "U!");
    app.AddEntry(12, Dec(2), "K!");
    app.AddEntry(13, Dec(3), "S/");
    app.AddEntry(13, Dec(9), "S/");
    app.AddEntry(11, Dec(15), "U!");
  }

  void Ask(const std::string& name, int answer) {
    app.platform.ExpectMessageBox(DependentQuestion(app.s(), name), answer);
  }

  mvtest::TestApp app;
};

TEST_F(ChecksDependency, EachAbsentDependentIsNamedOnceInOrder) {
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  Ask("Adam, Karl", forms::vbYes);
  Ask("O'Neil, Sean", forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  const auto& shown = app.platform.MessageBoxes();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1].Request.Title, "Wichtiger Hnweis");
  EXPECT_EQ(shown[1].Request.Prompt, DependentQuestion(app.s(), "Adam, Karl"));
  EXPECT_EQ(shown[2].Request.Prompt, DependentQuestion(app.s(), "O'Neil, Sean"));
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE PersNr = 10"), 3);
}

TEST_F(ChecksDependency, NoToTheFirstDependentStopsAndWritesNothing) {
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  Ask("Adam, Karl", forms::vbNo);
  SelectDays(k, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE PersNr = 10"), 0);
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 1), "");
}

TEST_F(ChecksDependency, OnlyDeclinedOrUnexcusedDaysOrNoticesOffAskNothing) {
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  app.platform.ExpectMessageBox("Am 15.12.2026 Urlaub anfragen ?", forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 15, 15);

  app.s().Settings.NotifyDependencies = 0;
  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender WHERE PersNr = 10"), 4);
}

TEST_F(ChecksDependency, EmployeeWithoutDependenciesIsNotAsked) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.platform.ExpectMessageBox("Vom 01.12.2026 bis 03.12.2026\rZeitausgleich anfragen ?", forms::vbYes);
  NoNote(app);
  k.cmbModus.UserSelect(3);
  SelectDays(k, AdamRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.EntryOn(11, Dec(3)), "Z?");
}

}  // namespace
