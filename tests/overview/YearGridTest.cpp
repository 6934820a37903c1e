// The year grid: its header by year and language, built once per opening; member rows in sort
// order; day cells with letters, state colours and grey empty weekends. The team's figures of the
// year, summed over its members: counts, shares in the locale's form, "0" for a share of nothing,
// red scheduled days above the total, a next team's figures replacing every one of them; a team
// without members.
#include <sstream>

#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

TEST(YearGrid, HeaderByYearAndLanguageBuiltOncePerOpening) {
  for (const auto& [year, language, dec31, day60, month60, weekLetters, caption] :
       {std::tuple{2008, 1, 366, "29", "Februar", "DMDFSSM", "Jahresübersicht"},
        {2007, 2, 365, "1", "March", "MTWTFSS", "Annual overview"}}) {
    SCOPED_TRACE(year);
    YearApp app;
    BuildRecorder recorder(app);
    mv::frmJahresansicht& y = OpenYear(app, year, language);
    EXPECT_EQ(recorder.builds, 1);
    EXPECT_TRUE(recorder.hourglass);
    EXPECT_TRUE(y.IsActive());
    EXPECT_FALSE(app.Main().Enabled());
    EXPECT_EQ(y.Caption(), caption);
    const forms::GridPicture p = y.grdYear.Picture();
    ASSERT_EQ(p.Cols, dec31 + 1);
    std::string letters;
    for (int c = 1; c < p.Cols; ++c) {
      if (c <= 7) letters += p.Cell(2, c).Text;
      const bool sunday = db::Date(year, 1, 1).AddDays(c - 1).Weekday() == 7;
      ASSERT_EQ(p.Cell(2, c).ForeColor, sunday ? Red : forms::vbBlack) << c;
    }
    EXPECT_EQ(letters, weekLetters);
    EXPECT_EQ((Texts{p.Cell(3, 60).Text, p.Cell(1, 60).Text, p.Cell(3, dec31).Text}),
              (Texts{day60, month60, "31"}));
    EXPECT_EQ((Texts{p.Cell(3, 0).Text, p.Cell(0, 10).Text, p.Cell(0, 11).Text}),
              (Texts{std::to_string(year), "Entwicklung", " "}));
  }
}

// Adam's first two weeks of 2007 (the 1st a Monday); two entries on a day count nowhere, a holiday
// is not marked, and only Saturday and Sunday are weekend days.
TEST(YearGrid, DayCellsShowOneEntryOnItsStateColourAndEmptyWeekendsGrey) {
  for (int language : {1, 2}) {
    YearApp app;
    const std::pair<int, const char*> entries[] = {{3, "U?"}, {5, "D/"},  {6, "K!"}, {2, "S/"},
                                                   {2, "U/"}, {13, "S/"}, {13, "U/"}};
    for (const auto& [day, code] : entries) app.AddEntry(11, db::Date(2007, 1, day), code);
    app.AddHoliday(db::Date(2007, 1, 4));
    mv::frmJahresansicht& y = OpenYear(app, 2007, language);
    const forms::GridPicture p = y.grdYear.Picture();
    std::string letters;
    std::vector<forms::Color> backs;
    for (int c = 1; c <= 14; ++c) {
      letters += p.Cell(4, c).Text.empty() ? "." : p.Cell(4, c).Text;
      backs.push_back(p.Cell(4, c).BackColor);
    }
    const forms::Color grey = 0xAAAAAA;
    EXPECT_EQ(backs, (std::vector<forms::Color>{White, White, Yellow, White, Green, Red, grey,
                                                White, White, White, White, White, grey, grey}));
    EXPECT_EQ(letters, language == 1 ? "..U.DK........" : "..V.TD........");
    EXPECT_EQ(Figures(y)["lbl_AnzSgesamt"], "0");
    EXPECT_EQ(Figures(y)["lbl_AnzUverplant"], "1");
  }
}

Texts Names(const forms::Grid& g) {
  Texts names;
  for (int r = 4; r < g.Rows(); ++r) names.push_back(g.TextMatrix(r, 0));
  return names;
}

// "Klein" holds Kurt (10 vacation days), Öz and Ohne (30 each): every member's days count.
TEST(YearGrid, MembersByLastNameWithTheirInitialDescendingAfterTheMonthGridSwitched) {
  YearApp app;
  app.AddEmployee(32, "Öz", "Ömer", Klein);
  app.AddEmployee(33, "Ohne", "", Klein);
  app.AddEntry(Kurt, db::Date(2026, 3, 2), "U/");
  app.AddEntry(32, db::Date(2026, 3, 3), "U?");
  OpenYear(app, 2026);
  EXPECT_EQ(Names(app.Year().grdYear), (Texts{"Adam, K.", "Berg, L.", "Zoller, E."}));
  EXPECT_EQ(app.Year().grdYear.Picture().Cell(4, 0).ForeColor, forms::vbBlue);
  app.Year().cmb_Team.UserSelect(Klein);
  EXPECT_EQ(Names(app.Year().grdYear), (Texts{"Klein, K.", "Ohne, .", "Öz, Ö."}));
  EXPECT_EQ(Figures(app.Year())["lbl_AnzUgesamt"], "70");
  EXPECT_EQ(Figures(app.Year())["lbl_AnzUverplant"], "2");
  app.Year().cmd_Close.UserClick();
  app.Main().grdCal.UserRelease(4, 0, forms::vbRightButton);  // the month grid's order switch
  app.Main().mnuJahresübersicht.UserClick();
  EXPECT_EQ(Names(app.Year().grdYear), (Texts{"Öz, Ö.", "Ohne, .", "Klein, K."}));
}

// Kurt (10 vacation days) alone in "Klein", his entries one a day from 1 March 2007 ("U/3 U?2":
// three approved vacation days, then two enquired); then Dorn's team without entries and "Leer"
// without members.
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
    std::map<std::string, std::string> figures = Figures(y);
    ASSERT_EQ(figures.size(), 37u);
    std::istringstream expected(fc.expected);
    for (std::string e; expected >> e;)
      EXPECT_EQ(figures["lbl_" + e.substr(0, e.find('='))], e.substr(e.find('=') + 1)) << e;
    EXPECT_EQ(y.lbl_AnzUverplant.ForeColor(), fc.red ? Red : forms::vbBlack);
    EXPECT_EQ(y.lbl_PzUverplant.ForeColor(), fc.red ? Red : forms::vbBlack);

    y.cmb_Team.UserSelect(1);
    for (const auto& [label, caption] : Figures(y)) {
      const bool shown = label == "lbl_AnzUgesamt" || label == "lbl_AnzUoffen" ||
                         label == "lbl_PzUverplant" || label == "lbl_PzUoffen";
      EXPECT_TRUE(shown || caption == "0") << label << " " << caption;
    }
    EXPECT_EQ(y.lbl_AnzUverplant.ForeColor(), forms::vbBlack);

    BuildRecorder recorder(app);
    y.cmb_Team.UserSelect(2);  // "Leer": the header only, no wait display
    EXPECT_EQ(y.grdYear.Rows(), 4);
    for (const auto& [label, caption] : Figures(y)) EXPECT_EQ(caption, "0") << label;
    EXPECT_EQ(recorder.builds, 1);
    EXPECT_FALSE(recorder.progressShown);
    EXPECT_TRUE(y.Enabled());
    EXPECT_EQ(y.MousePointer(), forms::vbArrow);
  }
}

}  // namespace
