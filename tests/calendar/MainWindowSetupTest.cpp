#include <gtest/gtest.h>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

TEST(MainWindowSetup, SmokeOpensOnTodaysMonth) {
  mvtest::TestApp app;
  app.AddTeam(0, "Entwicklung");
  app.AddEmployee(7, "Meier", "Anna", 0);
  app.AddEntry(7, db::Date(2026, 12, 3), "U?");
  app.OpenProgram();
  auto& k = app.EnterAs(7, 1);
  EXPECT_TRUE(k.Visible());
  EXPECT_EQ(k.cmbMonat.Text(), "Dezember");
  EXPECT_EQ(k.cmbJahr.Text(), "2026");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Meier, Anna");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 3), "U");
}

}  // namespace
