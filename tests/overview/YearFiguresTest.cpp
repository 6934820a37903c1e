// The team's figures of the year: counts, shares in the locale's form, "0" for a share of nothing,
// red scheduled days above the total, and a next team's figures replacing every one of them;
// a team without members.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "OverviewTestSupport.h"

namespace {

using namespace yeartest;

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
