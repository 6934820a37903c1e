// Printing the calendar as shown: one landscape job with the grid's picture, names not bold.
#include <gtest/gtest.h>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

class PrintView : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddEmployee(7, "Albers", "Anna", 0);
    app.AddEmployee(8, "Berg", "Bert", 0);
    app.AddEntry(8, db::Date(2026, 12, 3), "U/");
    app.OpenProgram();
  }
  mvtest::TestApp app;
};

TEST_F(PrintView, F12PrintsOnePageOfTheGridWithNamesInNormalWeight) {
  auto& k = app.EnterAs(7, mv::GroupEmployee);
  ASSERT_TRUE(k.grdCal.Picture().Cell(4, 0).Font.Bold);  // the own name

  ASSERT_TRUE(k.UserShortcut("F12"));

  ASSERT_EQ(app.platform.PrintJobs().size(), 1u);
  const forms::GridPicture& page = app.platform.PrintJobs()[0];
  EXPECT_EQ(page.Rows, 6);
  EXPECT_EQ(page.Cell(4, 0).Text, "Albers, Anna");
  EXPECT_FALSE(page.Cell(4, 0).Font.Bold);
  EXPECT_EQ(page.Cell(5, 3).Text, "U");
  EXPECT_FALSE(k.grdCal.Picture().Cell(4, 0).Font.Bold);
  EXPECT_EQ(k.lbl_Status.Caption(), "Drucke aktuell angezeigtes Kalenderblatt");
}

TEST_F(PrintView, AFailedPrintJobIsReported) {
  auto& k = app.EnterAs(7, mv::GroupAdmin);
  app.platform.SetPrinterFailure("Kein Drucker installiert");
  app.platform.ExpectMessageBox("Kein Drucker installiert", forms::vbOK);

  k.mnuDruckAnsicht.UserClick();

  EXPECT_TRUE(app.platform.PrintJobs().empty());
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
}

}  // namespace
