// The annual overview: header, member rows, day cells, the team's figures summed over its members,
// the ways out to the main window, an unknown team and a failing build.
#include <map>
#include <sstream>

#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

constexpr int Klein = 3;
constexpr long Kurt = 31;

// "Klein" added, whose only member Kurt has 10 vacation days.
struct YearApp : CalendarApp {
  YearApp() {
    AddTeam(Klein, "Klein");
    AddEmployee(Kurt, "Klein", "Kurt", Klein, 10);
  }
  mv::frmJahresansicht& Year() { return overview().frmJahresansicht.Get(); }
};

// Zoller (group 1) on 6 December of the year opens the annual overview from the menu.
mv::frmJahresansicht& OpenYear(YearApp& app, int year, int language = 1) {
  SetToday(app, year, 12, 6);
  Enter(app, 12, mv::GroupAdmin, language).mnuJahresübersicht.UserClick();
  return app.Year();
}

// Count and share labels by name ("lbl_AnzUgesamt" -> "10").
std::map<std::string, std::string> Figures(const mv::frmJahresansicht& y) {
  std::map<std::string, std::string> figures;
  for (forms::Control* c : y.Controls()) {
    if (c->Name().starts_with("lbl_Anz") || c->Name().starts_with("lbl_Pz"))
      figures[c->Name()] = static_cast<forms::Label*>(c)->Caption();
  }
  return figures;
}

Texts Names(const forms::Grid& g) {
  Texts names;
  for (int r = 4; r < g.Rows(); ++r) names.push_back(g.TextMatrix(r, 0));
  return names;
}

TEST(YearGrid, HeaderByYearAndLanguage) {
  for (const auto& [year, language, dec31, day60, month60, weekLetters] :
       {std::tuple{2008, 1, 366, "29", "Februar", "DMDFSSM"},
        {2007, 2, 365, "1", "March", "MTWTFSS"}}) {
    SCOPED_TRACE(year);
    YearApp app;
    mv::frmJahresansicht& y = OpenYear(app, year, language);
    const forms::GridPicture p = y.grdYear.Picture();
    ASSERT_EQ(p.Cols, dec31 + 1);
    std::string letters;
    for (int c = 1; c < p.Cols; ++c) {
      if (c <= 7) letters += p.Cell(2, c).Text;
      const bool sunday = db::Date(year, 1, 1).AddDays(c - 1).Weekday() == 7;
      ASSERT_EQ(p.Cell(2, c).ForeColor, sunday ? Red : forms::vbBlack) << c;
    }
    EXPECT_EQ(letters, weekLetters);
    EXPECT_EQ((Texts{p.Cell(3, 60).Text, p.Cell(1, 60).Text, p.Cell(3, dec31).Text,
                     p.Cell(3, 0).Text, p.Cell(0, 10).Text}),
              (Texts{day60, month60, "31", std::to_string(year), "Entwicklung"}));
  }
}

// "Klein" holds Kurt (10 vacation days), Öz and Ohne (30 each): every member's days count. Kurt's
// week from Monday 2 March 2026 (column 61): two entries on a day count nowhere, a holiday on the
// Friday is not marked, and only Saturday and Sunday are weekend days. The month grid's order
// switch turns the members' order too.
TEST(YearGrid, MembersByLastNameTheirDayCellsAndTheSumOverThem) {
  for (int language : {1, 2}) {
    YearApp app;
    app.AddEmployee(32, "Öz", "Ömer", Klein);
    app.AddEmployee(33, "Ohne", "", Klein);
    const std::pair<int, const char*> entries[] = {
        {2, "U?"}, {3, "D/"}, {4, "K!"}, {5, "S/"}, {5, "U/"}};
    for (const auto& [day, code] : entries) app.AddEntry(Kurt, db::Date(2026, 3, day), code);
    app.AddEntry(32, db::Date(2026, 3, 3), "U?");
    app.AddHoliday(db::Date(2026, 3, 6));
    mv::frmJahresansicht& y = OpenYear(app, 2026, language);
    EXPECT_EQ(Names(y.grdYear), (Texts{"Adam, K.", "Berg, L.", "Zoller, E."}));
    y.cmb_Team.UserSelect(Klein);
    EXPECT_EQ(Names(y.grdYear), (Texts{"Klein, K.", "Ohne, .", "Öz, Ö."}));
    const forms::GridPicture p = y.grdYear.Picture();
    std::string letters;
    std::vector<forms::Color> backs;
    for (int c = 61; c <= 68; ++c) {
      letters += p.Cell(4, c).Text.empty() ? "." : p.Cell(4, c).Text;
      backs.push_back(p.Cell(4, c).BackColor);
    }
    const forms::Color grey = 0xAAAAAA;
    EXPECT_EQ(backs,
              (std::vector<forms::Color>{Yellow, Green, Red, White, White, grey, grey, White}));
    EXPECT_EQ(letters, language == 1 ? "UDK....." : "VTD.....");
    EXPECT_EQ(Figures(y)["lbl_AnzUgesamt"], "70");
    EXPECT_EQ(Figures(y)["lbl_AnzUverplant"], "2");
    EXPECT_EQ(Figures(y)["lbl_AnzSgesamt"], "0");
    y.cmd_Close.UserClick();
    Main(app).grdCal.UserRelease(4, 0, forms::vbRightButton);  // the month grid's order switch
    Main(app).mnuJahresübersicht.UserClick();
    EXPECT_EQ(Names(app.Year().grdYear), (Texts{"Öz, Ö.", "Ohne, .", "Klein, K."}));
  }
}

// Kurt alone in "Klein", his entries one a day from 1 March 2007 ("U/3 U?2": three approved
// vacation days, then two enquired); then Dorn's team without entries.
TEST(YearFigures, CountsSharesAndTheirColourThenTheNextTeamsFigures) {
  const struct {
    std::string entries;
    std::string expected;  // label (without "lbl_") = caption
    bool red;
    std::string separator = ".";
  } cases[] = {
      {"U/3 U?2 U!1",
       "AnzUgesamt=10 AnzUverplant=6 PzUverplant=60.0% AnzUoffen=4 PzUoffen=40.0% AnzUgenehmigt=3 "
       "PzUgenehmigt=50.0% PzUangefragt=33.3% PzUabgelehnt=16.7% AnzKgesamt=0 PzKentschuldigt=0",
       false},
      {"U/12", "AnzUverplant=12 PzUverplant=120.0% AnzUoffen=0 PzUoffen=0.0% PzUangefragt=0.0%",
       true},
      {"U?10", "PzUverplant=100.0% AnzUoffen=0", false},
      {"K/1 K!3 Z?2 D/1 S!4",
       "AnzKgesamt=4 PzKentschuldigt=25.0% PzKunentschuldigt=75.0% AnzZgesamt=2 "
       "PzZgenehmigt=0.0% PzZangefragt=100.0% PzDgenehmigt=100.0% AnzSabgelehnt=4 "
       "PzUverplant=0.0% PzUgenehmigt=0",
       false},
      {"U/1 U?2", "PzUgenehmigt=33,3% PzUangefragt=66,7% PzUabgelehnt=0,0%", false, ","},
  };
  for (const auto& fc : cases) {
    SCOPED_TRACE(fc.entries);
    YearApp app;
    app.platform.SetDecimalSeparator(fc.separator);
    std::istringstream entries(fc.entries);
    db::Date day(2007, 3, 1);
    for (std::string e; entries >> e;)
      for (int i = 0; i < std::stoi(e.substr(2)); ++i, day = day.AddDays(1))
        app.AddEntry(Kurt, day, e.substr(0, 2));
    mv::frmJahresansicht& y = OpenYear(app, 2007);
    y.cmb_Team.UserSelect(Klein);
    std::istringstream expected(fc.expected);
    for (std::string e; expected >> e;)
      EXPECT_EQ(Figures(y)["lbl_" + e.substr(0, e.find('='))], e.substr(e.find('=') + 1)) << e;
    EXPECT_EQ(y.lbl_PzUverplant.ForeColor(), fc.red ? Red : forms::vbBlack);

    y.cmb_Team.UserSelect(1);  // Dorn's: nothing planned
    EXPECT_EQ(Figures(y)["lbl_AnzUverplant"], "0");
    EXPECT_EQ(Figures(y)["lbl_AnzKgesamt"], "0");
    EXPECT_EQ(y.lbl_PzUverplant.ForeColor(), forms::vbBlack);
  }
}

// Close (row -1), the close box (-2) or a double click on 1 January or on Zoller's 15 March show
// the team last chosen in the main window, the double click in that month, its info panel Zoller's.
TEST(YearWindow, EveryWayOutShowsTheChosenTeamInTheMainWindowWithItsListsInStep) {
  const std::tuple<int, const char*, const char*> ways[] = {
      {-1, "Dezember", "0"}, {-2, "Dezember", "0"}, {2, "Januar", "0"}, {4, "März", "1"}};
  for (auto [row, month, info] : ways) {
    SCOPED_TRACE(month);
    YearApp app;
    app.AddEntry(12, db::Date(2026, 3, 9), "U/");
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
    k.grdCal.UserMove(ZollerRow, 0);
    k.mnuJahresübersicht.UserClick();
    mv::frmJahresansicht& y = app.Year();
    y.cmb_Team.UserSelect(1);
    if (row == -1) y.cmd_Close.UserClick();
    if (row == -2) y.UserClose();
    if (row > 0) y.grdYear.UserDoubleClick(row, row == 2 ? 1 : 74);

    EXPECT_TRUE(k.IsActive());
    EXPECT_EQ((Texts{k.cmbMonat.Text(), k.grdCal.TextMatrix(1, 1), k.cmbTeamAuswahl.Text(),
                     k.grdCal.TextMatrix(0, 1), k.grdCal.TextMatrix(4, 0)}),
              (Texts{month, month, "Vertrieb", "Vertrieb", "Dorn, Dora"}));
    EXPECT_EQ(k.lbl_ColInfo1.Caption(), info);
  }
}

// A user whose team number has no team opens on the first. A failing build shows one message with
// the database's reason, ends usable, and no row shows the name of the team chosen beside the days
// of the team before.
TEST(YearWindow, OpensOnTheFirstTeamForAnUnknownTeamAndSurvivesAFailingBuild) {
  YearApp app;
  app.AddEmployee(40, "Fern", "Fritz", 4);  // one past the last team
  Prepare(app);
  app.EnterAs(40, mv::GroupAdmin).mnuJahresübersicht.UserClick();
  mv::frmJahresansicht& y = app.Year();
  EXPECT_EQ(y.grdYear.TextMatrix(4, 0), "Adam, K.");

  app.Sql("DROP TABLE tbl_Kalender");
  app.ExpectBoxNaming("tbl_Kalender");
  y.cmb_Team.UserSelect(1);
  EXPECT_TRUE(y.Enabled());
  EXPECT_EQ(y.lbl_AnzUgesamt.Caption(), "0");
  EXPECT_EQ(y.grdYear.Rows(), 4);
}

}  // namespace
