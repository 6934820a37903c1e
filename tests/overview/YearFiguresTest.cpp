// The team's figures of the year behind the five tabs: counts, shares of the locale's form, the
// red scheduled days, and a new team's figures replacing the last team's.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "OverviewTestSupport.h"

namespace {

using namespace yeartest;

struct FiguresCase {
  std::string name;
  std::vector<std::pair<std::string, int>> entries;  // code, number of days
  std::map<std::string, std::string> expected;
  bool overbooked;
};

// Kurt's entries from 1 March 2007 on, one a day; his team's vacation total is 10.
TEST(YearFigures, CountsAndSharesOfKurtsYearInBothLanguages) {
  const FiguresCase cases[] = {
      {"vacation states",
       {{"U/", 3}, {"U?", 2}, {"U!", 1}},
       {{"lbl_AnzUgesamt", "10"},
        {"lbl_AnzUverplant", "6"},
        {"lbl_PzUverplant", "60.0%"},
        {"lbl_AnzUoffen", "4"},
        {"lbl_PzUoffen", "40.0%"},
        {"lbl_AnzUgenehmigt", "3"},
        {"lbl_PzUgenehmigt", "50.0%"},
        {"lbl_PzUangefragt", "33.3%"},
        {"lbl_PzUabgelehnt", "16.7%"},
        {"lbl_AnzKgesamt", "0"},
        {"lbl_PzKentschuldigt", "0"},
        {"lbl_AnzZabgelehnt", "0"},
        {"lbl_PzZabgelehnt", "0"}},
       false},
      {"above the total",
       {{"U/", 12}},
       {{"lbl_AnzUverplant", "12"},
        {"lbl_PzUverplant", "120.0%"},
        {"lbl_AnzUoffen", "0"},
        {"lbl_PzUoffen", "0.0%"},
        {"lbl_PzUgenehmigt", "100.0%"},
        {"lbl_PzUangefragt", "0.0%"}},
       true},
      {"at the total",
       {{"U?", 10}},
       {{"lbl_PzUverplant", "100.0%"}, {"lbl_AnzUoffen", "0"}},
       false},
      {"other kinds",
       {{"K/", 1}, {"K!", 3}, {"Z?", 2}, {"D/", 1}, {"S!", 4}},
       {{"lbl_AnzKgesamt", "4"},
        {"lbl_PzKentschuldigt", "25.0%"},
        {"lbl_PzKunentschuldigt", "75.0%"},
        {"lbl_AnzZgesamt", "2"},
        {"lbl_PzZgenehmigt", "0.0%"},
        {"lbl_AnzZangefragt", "2"},
        {"lbl_PzZangefragt", "100.0%"},
        {"lbl_AnzDgesamt", "1"},
        {"lbl_PzDgenehmigt", "100.0%"},
        {"lbl_AnzSabgelehnt", "4"},
        {"lbl_AnzUverplant", "0"},
        {"lbl_PzUverplant", "0.0%"},
        {"lbl_PzUgenehmigt", "0"}},
       false},
  };
  for (const FiguresCase& fc : cases) {
    for (int language : {1, 2}) {
      SCOPED_TRACE(fc.name + ", language " + std::to_string(language));
      YearApp app;
      db::Date day(2007, 3, 1);
      for (const auto& [code, days] : fc.entries)
        for (int i = 0; i < days; ++i, day = day.AddDays(1)) app.AddEntry(Kurt, day, code);
      mv::frmJahresansicht& y = OpenYear(app, 2007, language);
      y.cmb_Team.UserSelect(Klein);
      std::map<std::string, std::string> figures = Figures(y);
      ASSERT_EQ(figures.size(), 37u);
      for (const auto& [label, caption] : fc.expected) EXPECT_EQ(figures[label], caption) << label;
      const forms::Color scheduled = fc.overbooked ? Red : forms::vbBlack;
      EXPECT_EQ(y.lbl_AnzUverplant.ForeColor(), scheduled);
      EXPECT_EQ(y.lbl_PzUverplant.ForeColor(), scheduled);
    }
  }
}

TEST(YearFigures, SharesUseTheLocalesDecimalSeparator) {
  YearApp app;
  app.platform.SetDecimalSeparator(",");
  app.AddEntry(Kurt, db::Date(2026, 5, 4), "U/");
  app.AddEntry(Kurt, db::Date(2026, 5, 5), "U?");
  app.AddEntry(Kurt, db::Date(2026, 5, 6), "U?");
  mv::frmJahresansicht& y = OpenYear(app, 2026);
  y.cmb_Team.UserSelect(Klein);
  EXPECT_EQ(y.lbl_PzUgenehmigt.Caption(), "33,3%");
  EXPECT_EQ(y.lbl_PzUangefragt.Caption(), "66,7%");
  EXPECT_EQ(y.lbl_PzUabgelehnt.Caption(), "0,0%");
}

// Kurt's business trip and overbooked vacation, then Dorn's team without any entry.
TEST(YearFigures, ANewTeamsFiguresReplaceEveryFigureOfTheLastTeam) {
  YearApp app;
  db::Date day(2026, 2, 2);
  for (int i = 0; i < 13; ++i, day = day.AddDays(1)) app.AddEntry(Kurt, day, i ? "U/" : "D?");
  mv::frmJahresansicht& y = OpenYear(app, 2026);
  BuildRecorder recorder(app);
  y.cmb_Team.UserSelect(Klein);
  EXPECT_EQ(y.grdYear.TextMatrix(0, 1), "Klein");
  EXPECT_EQ(y.lbl_AnzDangefragt.Caption(), "1");
  EXPECT_EQ(y.lbl_AnzUverplant.ForeColor(), Red);

  y.cmb_Team.UserSelect(1);
  EXPECT_EQ(y.grdYear.TextMatrix(0, 1), "Vertrieb");
  EXPECT_EQ(y.grdYear.TextMatrix(4, 0), "Dorn, D.");
  std::map<std::string, std::string> figures = Figures(y);
  for (const auto& [label, caption] : figures) {
    if (label.find('D') != std::string::npos) {
      EXPECT_EQ(caption, "0") << label;
    }
  }
  EXPECT_EQ(figures["lbl_AnzUgesamt"], "30");
  EXPECT_EQ(figures["lbl_PzUoffen"], "100.0%");
  EXPECT_EQ(y.lbl_AnzUverplant.ForeColor(), forms::vbBlack);
  EXPECT_EQ(recorder.builds, 2);
  EXPECT_TRUE(recorder.busyPointer);
  EXPECT_TRUE(recorder.progressShown);
}

}  // namespace
