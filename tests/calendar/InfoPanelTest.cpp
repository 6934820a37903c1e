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
  const Texts states = {"genehmigt", "angefragt", "abgelehnt"};
  const struct {
    int option;
    const char* title;
    Texts rows, counts;
  } kinds[] = {
      {2, "Krank", {"entschuldigt", "---", "unentschuldigt"}, {"2", "0", "1"}},
      {3, "Zeitausgleich", states, {"1", "1", "2"}},
      {4, "Dienstreise", states, {"0", "1", "0"}},
      {1, "Urlaub", states, {"2", "1", "1"}},
      {5, "Sonstiges", states, {"0", "0", "1"}},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.title);
    k.opt_Info(kind.option).UserClick();
    EXPECT_EQ(k.lbl_Info.Caption(), kind.title);
    EXPECT_EQ((Texts{k.lbl_Info1.Caption(), k.lbl_Info2.Caption(), k.lbl_Info3.Caption()}),
              kind.rows);
    EXPECT_EQ(Counts(k), kind.counts);
    EXPECT_EQ(k.lbl_ColInfo2.Enabled(), kind.option != 2);
    EXPECT_EQ(Account(k), (Texts{"25", "5", "20"}));
  }

  k.cmdMonBack.UserClick();  // the chosen kind stays across refreshes
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_TRUE(k.opt_Info(5).Value());
}

}  // namespace
