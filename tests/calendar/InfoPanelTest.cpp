// The info panel (one kind of absence in the shown month, by state) and the vacation account (the
// shown year) of the current employee.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

std::string Counts(mv::frmKalender& k) {
  return k.lbl_ColInfo1.Caption() + " " + k.lbl_ColInfo2.Caption() + " " + k.lbl_ColInfo3.Caption();
}

// Berg (25 annual days) has entries of every kind in December 2026, two vacation days in November
// and one in the previous year.
void SeedBergsYear(mvtest::TestApp& app) {
  const std::pair<int, const char*> december[] = {
      {1, "U/"},  {2, "U/"},  {3, "U?"},  {4, "U!"},  {7, "K/"},  {8, "K/"}, {9, "K!"},
      {10, "Z/"}, {11, "Z?"}, {14, "Z!"}, {15, "Z!"}, {16, "D?"}, {17, "S!"}};
  for (const auto& [day, code] : december) app.AddEntry(10, Dec(day), code);
  app.AddEntry(10, db::Date(2026, 11, 2), "U/");
  app.AddEntry(10, db::Date(2026, 11, 3), "U?");
  app.AddEntry(10, db::Date(2025, 12, 1), "U/");
}

TEST(InfoPanel, EachKindCountsTheShownMonthByStateAndTheAccountTheYear) {
  CalendarApp app;
  SeedBergsYear(app);
  auto& k = Enter(app, 10, mv::GroupEmployee);
  app.Sql("UPDATE tbl_Mitarbeiter SET UTage = 40 WHERE PersNr = 10");  // an employee keeps the
                                                                       // login's figure
  const struct {
    int month, year;
    const char* counts;
    const char* account;
  } months[] = {{12, 2026, "2 1 1", "25 5 20"},
                {11, 2026, "1 1 0", "25 5 20"},
                {11, 2025, "0 0 0", "25 1 24"},
                {12, 2025, "1 0 0", "25 1 24"},
                {12, 2026, "2 1 1", "25 5 20"}};
  for (const auto& shown :
       months) {  // the panel counts the shown month, the account the shown year
    k.cmbJahr.UserSelect(shown.year - 2003);
    k.cmbMonat.UserSelect(shown.month - 1);
    EXPECT_EQ(Counts(k), shown.counts) << shown.month << "/" << shown.year;
    EXPECT_EQ(Account(k), shown.account) << shown.month << "/" << shown.year;
  }
  const struct {
    int option;
    const char* title;
    const char* rows;
    const char* counts;
  } kinds[] = {
      {1, "Urlaub", "genehmigt | angefragt | abgelehnt", "2 1 1"},
      {2, "Krank", "entschuldigt | --- | unentschuldigt", "2 0 1"},
      {3, "Zeitausgleich", "genehmigt | angefragt | abgelehnt", "1 1 2"},
      {4, "Dienstreise", "genehmigt | angefragt | abgelehnt", "0 1 0"},
      {1, "Urlaub", "genehmigt | angefragt | abgelehnt", "2 1 1"},
      {5, "Sonstiges", "genehmigt | angefragt | abgelehnt", "0 0 1"},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.title);
    k.opt_Info(kind.option).UserClick();
    EXPECT_TRUE(k.opt_Info(kind.option).Value());
    EXPECT_EQ(k.lbl_Info.Caption(), kind.title);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(k.lbl_InfoShadow(i).Caption(), kind.title);
    EXPECT_EQ(k.lbl_Info1.Caption() + " | " + k.lbl_Info2.Caption() + " | " + k.lbl_Info3.Caption(),
              kind.rows);
    EXPECT_EQ(Counts(k), kind.counts);
    EXPECT_EQ(k.lbl_Info2.Enabled(), kind.option != 2);
    EXPECT_EQ(k.lbl_ColInfo2.Enabled(), kind.option != 2);
    EXPECT_EQ(Account(k), "25 5 20");
    EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbWhite);
  }

  k.cmdMonBack.UserClick();  // the chosen kind stays across refreshes
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_TRUE(k.opt_Info(5).Value());
}

TEST(InfoPanel, NoCurrentEmployeeShowsZeros) {
  CalendarApp app;
  SeedBergsYear(app);
  auto& k = Enter(app, 11, 1);  // right after login no employee is current
  EXPECT_EQ(app.s().CurrentPersNr, 0);
  EXPECT_EQ(Counts(k), "0 0 0");
  EXPECT_EQ(Account(k), "0 0 0");

  k.grdCal.UserMove(BergRow, 3);
  ASSERT_EQ(Counts(k), "2 1 1");
  app.Sql(
      "DELETE FROM tbl_Kalender WHERE PersNr = 10; DELETE FROM tbl_Mitarbeiter WHERE PersNr = 10");
  k.opt_Info(3).UserClick();
  EXPECT_EQ(Counts(k), "0 0 0");
  EXPECT_EQ(Account(k), "0 0 0");
  EXPECT_EQ(app.s().UserVacationDays, 0);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

}  // namespace
