// The info panel (one kind of absence in the shown month, by state) and the vacation account (the
// shown year) of the current employee.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

Texts Counts(const mv::frmKalender& k) {
  return {k.lbl_ColInfo1.Caption(), k.lbl_ColInfo2.Caption(), k.lbl_ColInfo3.Caption()};
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
  // An employee keeps the figure of the login.
  app.Sql("UPDATE tbl_Mitarbeiter SET UTage = 40 WHERE PersNr = 10");
  const struct {
    int month, year;
    Texts counts, account;
  } months[] = {{12, 2026, {"2", "1", "1"}, {"25", "5", "20"}},
                {11, 2026, {"1", "1", "0"}, {"25", "5", "20"}},
                {12, 2025, {"1", "0", "0"}, {"25", "1", "24"}},
                {12, 2026, {"2", "1", "1"}, {"25", "5", "20"}}};
  for (const auto& shown : months) {
    SCOPED_TRACE(std::to_string(shown.month) + "/" + std::to_string(shown.year));
    k.cmbJahr.UserSelect(shown.year - 2003);
    k.cmbMonat.UserSelect(shown.month - 1);
    EXPECT_EQ(Counts(k), shown.counts);
    EXPECT_EQ(Account(k), shown.account);
  }
  const std::pair<int, Texts> kinds[] = {{2, {"2", "0", "1"}},  // sick days
                                         {3, {"1", "1", "2"}},
                                         {4, {"0", "1", "0"}},
                                         {1, {"2", "1", "1"}},
                                         {5, {"0", "0", "1"}}};
  for (const auto& [option, counts] : kinds) {
    SCOPED_TRACE(option);
    k.opt_Info(option).UserClick();
    EXPECT_EQ(Counts(k), counts);
    EXPECT_EQ(k.lbl_Info2.Caption(), option == 2 ? "---" : "angefragt");
    EXPECT_EQ(k.lbl_ColInfo2.Enabled(), option != 2);
    EXPECT_EQ(Account(k), (Texts{"25", "5", "20"}));
  }

  k.cmdMonBack.UserClick();  // the chosen kind stays across refreshes
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_TRUE(k.opt_Info(5).Value());
}

}  // namespace
