// The mouse on the month grid: the pointer's tooltip, note text, current employee and bold name;
// clicks on names; selecting a run of days by dragging, in either direction, and the presses and
// releases that select or apply nothing. The info panel (one kind of absence in the shown month,
// by state) and the vacation account (the shown year) of the current employee.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CalendarTestSupport.h"
#include "masterdata/frmMitarbeiter.h"

namespace {

using namespace caltest;

constexpr int Left = forms::vbLeftButton;
constexpr int Right = forms::vbRightButton;
using Ints = std::vector<int>;
const std::string NameTip = "Doppelklick auf den Namen öffnet die MA-Kartei";

void RightClick(forms::Grid& g, int row, int col) {
  g.UserPress(row, col, Right);
  g.UserRelease(row, col, Right);
}

// For groups 1 and 2 the pointer makes the employee of its row current, with his figures and the
// name bold; over a header row the first member. Notes of entries and holidays follow the pointer.
TEST(GridMouse, PointerMakesTheEmployeeOfItsRowCurrentAndShowsTheNote) {
  CalendarApp app;
  app.AddEntry(10, Dec(1), "U/");
  app.AddEntry(10, Dec(2), "U?");
  app.AddEntry(11, Dec(9), "U!", app.AddNote("Arzttermin"));
  app.AddEntry(12, Dec(4), "Z?", 999);  // a number the catalogue lacks
  app.AddHoliday(Dec(24), app.AddNote("Heiligabend"));
  for (int day = 1; day <= 30; ++day) app.AddEntry(12, db::Date(2026, 1, day), "U?");
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;

  EXPECT_EQ(Account(k), (Texts{"0", "0", "0"}));  // right after login no employee is current
  g.UserMove(ZollerRow, 3);
  EXPECT_EQ(Account(k), (Texts{"28", "30", "0"}));  // more planned than the entitlement
  EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbRed);
  g.UserMove(BergRow, 0);
  EXPECT_EQ(g.ToolTipText(), NameTip);
  EXPECT_EQ(app.s().CurrentPersNr, 10);
  EXPECT_EQ((std::vector{BoldAt(g, BergRow, 0), BoldAt(g, ZollerRow, 0)}),
            (std::vector{true, false}));
  EXPECT_EQ(Account(k), (Texts{"25", "2", "23"}));
  EXPECT_EQ(k.lbl_KtoZahl2.ForeColor(), forms::vbWhite);

  g.UserMove(2, 10);  // a header row: the first member, no name changes its weight
  EXPECT_EQ(app.s().CurrentPersNr, 11);
  EXPECT_EQ((std::vector{BoldAt(g, BergRow, 0), BoldAt(g, AdamRow, 0)}),
            (std::vector{true, false}));

  for (const auto& [row, col, note] : {std::tuple{AdamRow, 9, "Arzttermin"},
                                       {ZollerRow, 4, "Arzttermin"},
                                       {2, 24, "Heiligabend"},
                                       {AdamRow, 24, ""}}) {
    g.UserMove(row, col);
    EXPECT_EQ(k.lbl_Note.Caption(), note) << row << "/" << col;
  }

  g.UserMove(BergRow, 3);  // rebuilds keep the current employee
  k.cmdMonForward.UserClick();
  k.cmbTeamAuswahl.UserSelect(0);
  k.cmdZoomInc.UserClick();
  EXPECT_EQ(app.s().CurrentPersNr, 10);

  // The current employee deleted by another copy: his figures are zeros, and nothing is said.
  app.Sql(
      "DELETE FROM tbl_Kalender WHERE PersNr = 10; DELETE FROM tbl_Mitarbeiter WHERE PersNr = 10");
  k.opt_Info(3).UserClick();
  EXPECT_EQ(Account(k), (Texts{"0", "0", "0"}));
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

// A double click on a member row makes its employee current before the card opens on him; a
// right click on a name reverses the order of the rows, elsewhere it does nothing; in a team
// without members nothing but the tooltip answers.
TEST(GridMouse, ClicksOnNames) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;

  g.UserDoubleClick(ZollerRow, 0);
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  auto& card = *app.masterdata().frmMitarbeiter.IfLoaded();
  ASSERT_TRUE(card.Visible());
  card.cmd_Close.UserClick();

  RightClick(g, BergRow, 0);
  EXPECT_EQ(app.s().SortOrder, "DESC");
  EXPECT_EQ(g.TextMatrix(4, 0), "Zoller, Eva");
  RightClick(g, 1, 3);
  EXPECT_EQ(app.s().SortOrder, "DESC");
  RightClick(g, 4, 0);
  EXPECT_EQ(g.TextMatrix(4, 0), "Adam, Karl");

  k.cmbTeamAuswahl.UserSelect(2);  // without members only the tooltip follows the pointer
  g.UserMove(3, 0);
  EXPECT_EQ(g.ToolTipText(), NameTip);
  g.UserPress(3, 5);
  g.UserRelease(3, 5);
  g.UserDoubleClick(3, 0);
  RightClick(g, 3, 0);
  EXPECT_EQ(app.s().CurrentPersNr, 12);
  EXPECT_EQ(app.s().SortOrder, "ASC");
  EXPECT_FALSE(app.s().SelStart);
  EXPECT_TRUE(app.platform.MessageBoxes().empty());
}

TEST(GridMouse, DragsPaintTheHoveredRowInEitherDirectionAndHandTheRunOn) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;
  g.UserMove(BergRow, 3);
  g.UserPress(BergRow, 3);
  EXPECT_EQ(SelectedDays(g, BergRow), (Ints{3}));
  g.UserMove(BergRow, 6, Left);
  EXPECT_EQ(SelectedDays(g, BergRow), (Ints{3, 4, 5, 6}));
  EXPECT_EQ(RowsWithSelection(g), 1);

  g.UserMove(BergRow, 4, Left);  // back towards the anchor: the weekend gets its colour again
  EXPECT_EQ(SelectedDays(g, BergRow), (Ints{3, 4}));
  EXPECT_EQ(BackAt(g, BergRow, 6), WeekendColor);

  ExpectEnquiry(app, 3, 4);
  g.UserRelease(BergRow, 4);
  EXPECT_EQ(EntriesByDay(app, 10), (DayEntries{{3, {"U?", 0}}, {4, {"U?", 0}}}));
  EXPECT_FALSE(app.s().SelStart);

  g.UserMove(AdamRow, 10);  // to the left of the anchor: the days between pointer and anchor
  g.UserPress(AdamRow, 10);
  g.UserMove(AdamRow, 7, Left);
  EXPECT_EQ(SelectedDays(g, AdamRow), (Ints{7, 8, 9, 10}));
  EXPECT_EQ(std::pair(*app.s().SelStart, app.s().SelEndCol), std::pair(7, 10));
  g.UserMove(AdamRow, 9, Left);
  EXPECT_EQ(SelectedDays(g, AdamRow), (Ints{9, 10}));

  ExpectEnquiry(app, 9, 10);
  g.UserRelease(AdamRow, 9);
  EXPECT_EQ(EntriesByDay(app, 11), (DayEntries{{9, {"U?", 0}}, {10, {"U?", 0}}}));
}

// A drag stays in the row where it began and on the days the month has; the hover display rests
// while the run is under way. Other presses and releases apply nothing, nor does a run that
// outlived its window or grid.
TEST(GridMouse, ADragStaysInItsRowOnTheShownDaysAndOtherClicksApplyNothing) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  auto& g = k.grdCal;
  k.cmbMonat.UserSelect(1);  // February 2026: 28 days
  g.UserMove(BergRow, 30);
  g.UserPress(BergRow, 30);
  g.UserRelease(BergRow, 30);
  EXPECT_FALSE(app.s().SelStart);

  g.UserMove(BergRow, 26);
  g.UserPress(BergRow, 26);
  g.UserMove(ZollerRow, 27, Left);
  g.UserMove(AdamRow, 28, Left);
  g.UserMove(AdamRow, 30, Left);
  EXPECT_EQ(SelectedDays(g, BergRow), (Ints{26, 27, 28}));
  EXPECT_EQ(RowsWithSelection(g), 1);
  g.UserMove(ZollerRow, 7);  // no button
  EXPECT_EQ(app.s().CurrentPersNr, 10);

  app.platform.ExpectMessageBox("Vom 26.02.2026 bis 28.02.2026\rUrlaub anfragen ?", forms::vbNo);
  g.UserRelease(AdamRow, 30);
  EXPECT_EQ(RowsWithSelection(g), 0);
  g.UserMove(ZollerRow, 7);
  EXPECT_EQ(app.s().CurrentPersNr, 12);

  // A right press anchors nothing and its release applies nothing; a run released over a name or
  // a header ends with its cells restored, and hovering works again.
  k.cmbMonat.UserSelect(11);
  RightClick(g, BergRow, 3);
  EXPECT_FALSE(app.s().SelStart);
  for (const auto& [row, col] : {std::pair{BergRow, 0}, {1, 4}}) {
    g.UserPress(BergRow, 3);
    g.UserMove(BergRow, 6, Left);
    g.UserMove(row, col, Left);
    g.UserRelease(row, col);
    EXPECT_FALSE(app.s().SelStart) << row;
    EXPECT_EQ(BackAt(g, BergRow, 6), WeekendColor) << row;
  }
  g.UserMove(AdamRow, 2);
  EXPECT_EQ(app.s().CurrentPersNr, 11);
  EXPECT_EQ(app.platform.MessageBoxes().size(), 1u);

  // A run whose release never came (a shortcut opened a window meanwhile) ends with that window's
  // opening or with a rebuild: a later release applies nothing, a later click selects afresh.
  g.UserPress(AdamRow, 12);
  ASSERT_EQ(app.s().SelStart, 12);
  k.UserShortcut("Ctrl+K");
  auto& card = *app.masterdata().frmMitarbeiter.IfLoaded();
  card.cmd_NextRS.UserClick();
  card.cmd_Close.UserClick();
  g.UserRelease(AdamRow, 12);
  EXPECT_EQ(RowsWithSelection(g), 0);
  g.UserPress(AdamRow, 14);
  k.cmbTeamAuswahl.UserSelect(1);
  ExpectEnquiry(app, 15, 15);
  SelectDays(k, AdamRow, 15, 15);
  EXPECT_EQ(app.Query("SELECT PersNr, Datum FROM tbl_Kalender"), (Rows{{"21", "2026-12-15"}}));
}

Texts Counts(const mv::frmKalender& k) {
  return {k.lbl_ColInfo1.Caption(), k.lbl_ColInfo2.Caption(), k.lbl_ColInfo3.Caption()};
}

// Berg (25 annual days) has entries of every kind in December 2026, two vacation days in November
// and one in the previous year.
TEST(InfoPanel, EachKindCountsTheShownMonthByStateAndTheAccountTheYear) {
  CalendarApp app;
  const std::pair<int, const char*> december[] = {
      {1, "U/"},  {2, "U/"},  {3, "U?"},  {4, "U!"},  {7, "K/"},  {8, "K/"}, {9, "K!"},
      {10, "Z/"}, {11, "Z?"}, {14, "Z!"}, {15, "Z!"}, {16, "D?"}, {17, "S!"}};
  for (const auto& [day, code] : december) app.AddEntry(10, Dec(day), code);
  app.AddEntry(10, db::Date(2026, 11, 2), "U/");
  app.AddEntry(10, db::Date(2026, 11, 3), "U?");
  app.AddEntry(10, db::Date(2025, 12, 1), "U/");
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
  }

  k.cmdMonBack.UserClick();  // the chosen kind and the shown year's account stay
  EXPECT_EQ(Account(k), (Texts{"25", "5", "20"}));
  EXPECT_EQ(k.lbl_Info.Caption(), "Sonstiges");
  EXPECT_TRUE(k.opt_Info(5).Value());
}

}  // namespace
