#include <gtest/gtest.h>

#include <string>

#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

using db::Date;

// Berg (25 annual days) has entries of every kind in December 2026, two vacation days in November
// and one in the previous year; Abel has none.
class InfoPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddEmployee(11, "Abel", "Anna", 0, 30);
    app.AddEmployee(12, "Berg", "Bernd", 0, 25);
    const std::pair<int, const char*> december[] = {
        {1, "U/"}, {2, "U/"}, {3, "U?"}, {4, "U!"}, {7, "K/"},  {8, "K/"},  {9, "K!"},
        {10, "Z/"}, {11, "Z?"}, {14, "Z!"}, {15, "Z!"}, {16, "D?"}, {17, "S!"}};
    for (const auto& [day, code] : december) app.AddEntry(12, Date(2026, 12, day), code);
    app.AddEntry(12, Date(2026, 11, 2), "U/");
    app.AddEntry(12, Date(2026, 11, 3), "U?");
    app.AddEntry(12, Date(2025, 12, 1), "U/");
  }

  mv::frmKalender& Enter(long persNr, int group) {
    app.OpenProgram();
    return app.EnterAs(persNr, group);
  }

  static std::string Counts(mv::frmKalender& k) {
    return k.lbl_ColInfo1.Caption() + " " + k.lbl_ColInfo2.Caption() + " " + k.lbl_ColInfo3.Caption();
  }
  static std::string Rows(mv::frmKalender& k) {
    return k.lbl_Info1.Caption() + " | " + k.lbl_Info2.Caption() + " | " + k.lbl_Info3.Caption();
  }
  static std::string Account(mv::frmKalender& k) {
    return k.lbl_KtoZahl1.Caption() + " " + k.lbl_KtoZahl2.Caption() + " " + k.lbl_KtoZahl3.Caption();
  }

  mvtest::TestApp app;
};

TEST_F(InfoPanel, VacationOfTheShownMonthAndTheAccountOfTheShownYear) {
  auto& k = Enter(12, 3);
  EXPECT_TRUE(k.opt_Info(1).Value());
  EXPECT_EQ(k.lbl_Info.Caption(), "Urlaub");
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(k.lbl_InfoShadow(i).Caption(), "Urlaub");
  EXPECT_EQ(Rows(k), "genehmigt | angefragt | abgelehnt");
  EXPECT_EQ(Counts(k), "2 1 1");
  EXPECT_EQ(Account(k), "25 5 20");
  EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbWhite);

  k.cmbMonat.UserSelect(10);  // November: the panel follows, the account stays
  EXPECT_EQ(Counts(k), "1 1 0");
  EXPECT_EQ(Account(k), "25 5 20");

  k.cmbJahr.UserSelect(2025 - 2003);
  EXPECT_EQ(Counts(k), "0 0 0");  // November 2025
  EXPECT_EQ(Account(k), "25 1 24");
  k.cmbMonat.UserSelect(11);
  EXPECT_EQ(Counts(k), "1 0 0");
  EXPECT_EQ(Account(k), "25 1 24");
}

TEST_F(InfoPanel, SickDaysHaveNoEnquiredRow) {
  auto& k = Enter(12, 3);
  k.opt_Info(2).UserClick();
  EXPECT_EQ(k.lbl_Info.Caption(), "Krank");
  EXPECT_EQ(k.lbl_InfoShadow(2).Caption(), "Krank");
  EXPECT_EQ(Rows(k), "entschuldigt | --- | unentschuldigt");
  EXPECT_EQ(Counts(k), "2 0 1");
  EXPECT_FALSE(k.lbl_Info2.Enabled());
  EXPECT_FALSE(k.lbl_ColInfo2.Enabled());
  EXPECT_EQ(Account(k), "25 5 20");

  k.opt_Info(1).UserClick();
  EXPECT_TRUE(k.lbl_Info2.Enabled());
  EXPECT_TRUE(k.lbl_ColInfo2.Enabled());
  EXPECT_EQ(k.lbl_Info2.Caption(), "angefragt");
  EXPECT_EQ(Counts(k), "2 1 1");
}

TEST_F(InfoPanel, OvertimeBusinessTripsAndOtherDays) {
  auto& k = Enter(12, 3);
  k.opt_Info(3).UserClick();
  EXPECT_EQ(k.lbl_Info.Caption(), "Zeitausgleich");
  EXPECT_EQ(Counts(k), "1 1 2");
  k.opt_Info(4).UserClick();
  EXPECT_EQ(k.lbl_Info.Caption(), "Dienstreise");
  EXPECT_EQ(Counts(k), "0 1 0");
  k.opt_Info(5).UserClick();
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_EQ(Rows(k), "genehmigt | angefragt | abgelehnt");
  EXPECT_EQ(Counts(k), "0 0 1");

  k.cmdMonBack.UserClick();  // the chosen kind stays across refreshes
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_TRUE(k.opt_Info(5).Value());
}

TEST_F(InfoPanel, PlannedAboveTheEntitlementShowsInRedWithNothingLeft) {
  app.AddEmployee(13, "Cramer", "Carla", 0, 25);
  for (int day = 1; day <= 27; ++day) app.AddEntry(13, Date(2026, 1, day), "U?");
  auto& k = Enter(11, 1);
  k.grdCal.UserMove(6, 0);
  EXPECT_EQ(Account(k), "25 27 0");
  EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbRed);

  app.Sql("DELETE FROM tbl_Kalender WHERE PersNr = 13 AND Datum >= '2026-01-26'");
  k.grdCal.UserMove(4, 0);
  EXPECT_EQ(Account(k), "30 0 30");
  k.grdCal.UserMove(6, 0);
  EXPECT_EQ(Account(k), "25 25 0");
  EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbWhite);
}

TEST_F(InfoPanel, EmployeesKeepTheEntitlementReadAtLogin) {
  auto& k = Enter(12, 3);
  app.Sql("UPDATE tbl_Mitarbeiter SET UTage = 40 WHERE PersNr = 12");
  k.opt_Info(2).UserClick();
  EXPECT_EQ(Account(k), "25 5 20");
}

TEST_F(InfoPanel, NoCurrentEmployeeShowsZeros) {
  auto& k = Enter(11, 1);  // right after login no employee is current
  EXPECT_EQ(app.s().CurrentPersNr, 0);
  EXPECT_EQ(Counts(k), "0 0 0");
  EXPECT_EQ(Account(k), "0 0 0");

  k.grdCal.UserMove(5, 3);
  ASSERT_EQ(Counts(k), "2 1 1");
  app.Sql("DELETE FROM tbl_Kalender WHERE PersNr = 12; DELETE FROM tbl_Mitarbeiter WHERE PersNr = 12");
  k.opt_Info(3).UserClick();
  EXPECT_EQ(Counts(k), "0 0 0");
  EXPECT_EQ(Account(k), "0 0 0");
  EXPECT_EQ(app.s().UserVacationDays, 0);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

}  // namespace
