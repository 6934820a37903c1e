// The year grid: its header by year and language, built once per opening; member rows in sort
// order; day cells with letters, state colours and grey empty weekends. The team's figures of the
// year: counts, shares in the locale's form, "0" for a share of nothing, red scheduled days above
// the total, a next team's figures replacing every one of them; a team without members.
#include <sstream>
#include <string>
#include <vector>

#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

struct HeaderCase {
  int year, language, cols, dec31;
  std::string col60, weekLetters, jan, caption;
};

TEST(YearGrid, HeaderByYearAndLanguageBuiltOncePerOpening) {
  for (const HeaderCase& hc :
       {HeaderCase{2008, 1, 367, 366, "29Februar", "DMDFSSM", "Januar", "Jahresübersicht"},
        HeaderCase{2007, 2, 366, 365, "1March", "MTWTFSS", "January", "Annual overview"}}) {
    SCOPED_TRACE(hc.year);
    YearApp app;
    BuildRecorder recorder(app);
    mv::frmJahresansicht& y = OpenYear(app, hc.year, hc.language);
    const forms::Grid& g = y.grdYear;
    EXPECT_EQ(recorder.builds, 1);
    EXPECT_TRUE(y.IsActive() && !app.Main().Enabled() && recorder.hourglass);
    EXPECT_EQ(y.Caption(), hc.caption);
    ASSERT_EQ(g.Cols(), hc.cols);
    EXPECT_EQ(g.TextMatrix(3, 60) + g.TextMatrix(1, 60), hc.col60);
    EXPECT_EQ(g.TextMatrix(3, hc.dec31), "31");
    const forms::GridPicture p = g.Picture();
    std::string letters;
    for (int c = 1; c < g.Cols(); ++c) {
      if (c <= 7) letters += p.Cell(2, c).Text;
      const bool sunday = db::Date(hc.year, 1, 1).AddDays(c - 1).Weekday() == 7;
      ASSERT_EQ(p.Cell(2, c).ForeColor, sunday ? Red : forms::vbBlack) << c;
    }
    EXPECT_EQ(letters, hc.weekLetters);
    EXPECT_EQ(p.Cell(1, 31).Text, hc.jan);
    EXPECT_EQ(p.MergeAt(1, 20)->Cols, 31);
    EXPECT_EQ(p.Cell(3, 0).Text + " " + p.Cell(0, 10).Text + p.Cell(0, 11).Text,
              std::to_string(hc.year) + " Entwicklung ");
    EXPECT_EQ(p.MergeAt(1, 0)->Rows, 4);
    EXPECT_EQ(p.Cell(3, 0).ForeColor, Yellow);
    EXPECT_EQ(p.MergeAt(0, 5)->Cols, 10);
  }
}

// Adam's first week of 2007 (the 1st a Monday); two entries on a day count nowhere, a holiday is
// not marked.
TEST(YearGrid, DayCellsShowOneEntryOnItsStateColourAndEmptyWeekendsGrey) {
  for (int language : {1, 2}) {
    YearApp app;
    const std::pair<int, const char*> entries[] = {{3, "U?"}, {5, "D/"},  {6, "K!"}, {2, "S/"},
                                                   {2, "U/"}, {13, "S/"}, {13, "U/"}};
    for (const auto& [day, code] : entries) app.AddEntry(11, db::Date(2007, 1, day), code);
    app.AddHoliday(db::Date(2007, 1, 4));
    mv::frmJahresansicht& y = OpenYear(app, 2007, language);
    const forms::GridPicture p = y.grdYear.Picture();
    const std::vector<forms::Color> backs = {White, White, Yellow, White, Green, Red, 0xAAAAAA};
    std::string letters;
    for (int c = 1; c <= 7; ++c) {
      letters += p.Cell(4, c).Text.empty() ? "." : p.Cell(4, c).Text;
      EXPECT_EQ(p.Cell(4, c).BackColor, backs[c - 1]) << c;
    }
    EXPECT_EQ(letters, language == 1 ? "..U.DK." : "..V.TD.");
    EXPECT_EQ(p.Cell(4, 13).BackColor, 0xAAAAAA);
    EXPECT_EQ(Figures(y)["lbl_AnzSgesamt"] + Figures(y)["lbl_AnzUverplant"], "01");
  }
}

TEST(YearGrid, MembersByLastNameWithTheirInitialDescendingAfterTheMonthGridSwitched) {
  YearApp app;
  app.AddEmployee(32, "Öz", "Ömer", Klein);
  app.AddEmployee(33, "Ohne", "", Klein);
  const auto names = [&app] {
    std::string shown;
    for (int r = 4; r < app.Year().grdYear.Rows(); ++r)
      shown += app.Year().grdYear.TextMatrix(r, 0) + "|";
    return shown;
  };
  OpenYear(app, 2026);
  EXPECT_EQ(names(), "Adam, K.|Berg, L.|Zoller, E.|");
  EXPECT_EQ(app.Year().grdYear.Picture().Cell(4, 0).ForeColor, forms::vbBlue);
  app.Year().cmb_Team.UserSelect(Klein);
  EXPECT_EQ(names(), "Klein, K.|Ohne, .|Öz, Ö.|");
  app.Year().cmd_Close.UserClick();
  app.Main().grdCal.UserRelease(4, 0, forms::vbRightButton);  // the month grid's order switch
  app.Main().mnuJahresübersicht.UserClick();
  EXPECT_EQ(names(), "Öz, Ö.|Ohne, .|Klein, K.|");
}

struct FiguresCase {
  std::string entries;   // code and days, one a day from 1 March 2007: "U/3 U?2"
  std::string expected;  // label (without "lbl_") = caption
  bool red;
  std::string separator = ".";
};

// Kurt (10 vacation days) alone in "Klein", in both languages; then Dorn's team without entries
// and "Leer" without members.
TEST(YearFigures, CountsSharesAndTheirColourThenTheNextTeamsFigures) {
  const FiguresCase cases[] = {
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
  for (const FiguresCase& fc : cases) {
    for (int language : {1, 2}) {
      SCOPED_TRACE(fc.entries + ", language " + std::to_string(language));
      YearApp app;
      app.platform.SetDecimalSeparator(fc.separator);
      std::istringstream entries(fc.entries);
      db::Date day(2007, 3, 1);
      for (std::string e; entries >> e;)
        for (int i = 0; i < std::stoi(e.substr(2)); ++i, day = day.AddDays(1))
          app.AddEntry(Kurt, day, e.substr(0, 2));
      mv::frmJahresansicht& y = OpenYear(app, 2007, language);
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
      EXPECT_TRUE(recorder.builds == 1 && !recorder.progressShown);
      EXPECT_TRUE(y.Enabled() && y.MousePointer() == forms::vbArrow);
    }
  }
}

}  // namespace
