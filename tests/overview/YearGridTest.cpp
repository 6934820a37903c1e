// The year grid as the annual overview shows it: header rows by year and language, member rows in
// sort order, day cells with letters, state colours and grey empty weekends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OverviewTestSupport.h"

namespace {

using namespace yeartest;

struct HeaderCase {
  int year;
  int language;
  int cols;
  std::vector<std::vector<std::string>> cells;  // row, column, text
};

TEST(YearGrid, HeaderByYearAndLanguage) {
  const HeaderCase cases[] = {
      {2008,
       1,
       367,
       {{"3", "60", "29"},
        {"1", "60", "Februar"},
        {"3", "366", "31"},
        {"1", "366", "Dezember"},
        {"2", "1", "D"},
        {"2", "6", "S"}}},
      {2007,
       1,
       366,
       {{"3", "365", "31"},
        {"1", "365", "Dezember"},
        {"1", "60", "März"},
        {"2", "1", "M"},
        {"2", "2", "D"},
        {"2", "7", "S"}}},
      {2007,
       2,
       366,
       {{"1", "1", "January"},
        {"1", "365", "December"},
        {"2", "1", "M"},
        {"2", "2", "T"},
        {"2", "3", "W"},
        {"2", "4", "T"},
        {"2", "5", "F"},
        {"2", "6", "S"},
        {"2", "7", "S"}}},
  };
  for (const HeaderCase& hc : cases) {
    SCOPED_TRACE(std::to_string(hc.year) + " language " + std::to_string(hc.language));
    YearApp app;
    const forms::Grid& g = OpenYear(app, hc.year, hc.language).grdYear;
    ASSERT_EQ(g.Cols(), hc.cols);
    for (const auto& cell : hc.cells)
      EXPECT_EQ(g.TextMatrix(std::stoi(cell[0]), std::stoi(cell[1])), cell[2]) << cell[1];
    const forms::GridPicture picture = g.Picture();
    for (int c = 1; c < g.Cols(); ++c) {
      const bool sunday = db::Date(hc.year, 1, 1).AddDays(c - 1).Weekday() == 7;
      ASSERT_EQ(picture.Cell(2, c).ForeColor, sunday ? Red : forms::vbBlack) << c;
      ASSERT_EQ(g.ColWidth(c), 300);
    }
    EXPECT_EQ(picture.Cell(3, 0).Text, std::to_string(hc.year));
    EXPECT_EQ(picture.Cell(3, 0).ForeColor, Yellow);
    EXPECT_EQ(picture.Cell(3, 0).Font.Size, 22);
    EXPECT_EQ(picture.MergeAt(1, 0)->Rows, 4);
    EXPECT_EQ(picture.MergeAt(0, 5)->Cols, 10);
    EXPECT_EQ(picture.Cell(0, 10).Text, "Entwicklung");
    EXPECT_EQ(picture.Cell(0, 11).Text, " ");
    EXPECT_EQ(picture.MergeAt(1, 20)->Cols, 31);
  }
}

// Adam's January 2007 (the 1st a Monday) in both languages; a holiday is not marked.
TEST(YearGrid, DayCellsShowOneEntryOnItsStateColourAndEmptyWeekendsGrey) {
  for (int language : {1, 2}) {
    SCOPED_TRACE("language " + std::to_string(language));
    YearApp app;
    app.AddEntry(11, db::Date(2007, 1, 3), "U?");
    app.AddEntry(11, db::Date(2007, 1, 5), "D/");
    app.AddEntry(11, db::Date(2007, 1, 6), "K!");  // a Saturday
    for (int day : {2, 13}) {                      // a Tuesday and a Saturday with two entries
      app.AddEntry(11, db::Date(2007, 1, day), "S/");
      app.AddEntry(11, db::Date(2007, 1, day), "U/");
    }
    app.AddHoliday(db::Date(2007, 1, 4));
    mv::frmJahresansicht& y = OpenYear(app, 2007, language);
    const forms::GridPicture p = y.grdYear.Picture();
    const bool english = language == 2;
    const std::vector<std::pair<std::string, forms::Color>> days = {
        {"", White},  // 1
        {"", White},
        {english ? "V" : "U", Yellow},
        {"", White},
        {english ? "T" : "D", Green},
        {english ? "D" : "K", Red},
        {"", Grey},  // 7, a Sunday
    };
    for (int c = 1; c <= 7; ++c) {
      EXPECT_EQ(p.Cell(4, c).Text, days[c - 1].first) << c;
      EXPECT_EQ(p.Cell(4, c).BackColor, days[c - 1].second) << c;
    }
    EXPECT_EQ(p.Cell(4, 13).BackColor, Grey);
    EXPECT_EQ(p.Cell(4, 3).Alignment, forms::flexAlignCenterCenter);
    EXPECT_EQ(Figures(y)["lbl_AnzSgesamt"], "0");
    EXPECT_EQ(Figures(y)["lbl_AnzUverplant"], "1");
  }
}

TEST(YearGrid, MembersByLastNameWithTheirInitialAndDescendingAfterTheMonthGridSwitched) {
  YearApp app;
  app.AddEmployee(32, "Öz", "Ömer", Klein);
  app.AddEmployee(33, "Ohne", "", Klein);
  mv::frmJahresansicht& y = OpenYear(app, 2026);
  const auto names = [&app] {
    const forms::Grid& g = app.overview().frmJahresansicht->grdYear;
    std::vector<std::string> shown;
    for (int r = 4; r < g.Rows(); ++r) shown.push_back(g.TextMatrix(r, 0));
    return shown;
  };
  EXPECT_EQ(names(), (std::vector<std::string>{"Adam, K.", "Berg, L.", "Zoller, E."}));
  EXPECT_EQ(y.grdYear.Picture().Cell(4, 0).ForeColor, forms::vbBlue);
  y.cmb_Team.UserSelect(Klein);
  EXPECT_EQ(names(), (std::vector<std::string>{"Klein, K.", "Ohne, .", "Öz, Ö."}));
  y.cmd_Close.UserClick();

  Main(app).grdCal.UserRelease(4, 0, forms::vbRightButton);  // the month grid's order switch
  Main(app).mnuJahresübersicht.UserClick();
  EXPECT_EQ(names(), (std::vector<std::string>{"Öz, Ö.", "Ohne, .", "Klein, K."}));
}

TEST(YearGrid, ATeamWithoutMembersShowsTheHeaderOnlyAndNoWaitDisplay) {
  YearApp app;
  SetToday(app, 2026, 12, 6);
  Enter(app, 12, mv::GroupAdmin).cmbTeamAuswahl.UserSelect(2);
  BuildRecorder recorder(app);
  Main(app).mnuJahresübersicht.UserClick();
  mv::frmJahresansicht& y = app.overview().frmJahresansicht.Get();
  EXPECT_EQ(y.grdYear.Rows(), 4);
  EXPECT_EQ(y.grdYear.TextMatrix(0, 1), "Leer");
  for (const auto& [name, caption] : Figures(y)) EXPECT_EQ(caption, "0") << name;
  EXPECT_EQ(recorder.builds, 1);
  EXPECT_FALSE(recorder.progressShown);
  EXPECT_TRUE(y.Enabled());
  EXPECT_EQ(y.MousePointer(), forms::vbArrow);
}

// The font the settings hold when the window opens, also after a change since the last opening.
TEST(YearGrid, TakesTheCalendarFontAtEveryOpening) {
  YearApp app;
  app.OpenProgram();
  app.s().Settings.CalendarFont = "Courier New";
  mv::frmKalender& k = app.EnterAs(12, mv::GroupAdmin);
  k.mnuJahresübersicht.UserClick();
  EXPECT_EQ(app.overview().frmJahresansicht->grdYear.FontName(), "Courier New");
  app.overview().frmJahresansicht->cmd_Close.UserClick();
  app.s().Settings.CalendarFont = "Times New Roman";
  k.mnuJahresübersicht.UserClick();
  EXPECT_EQ(app.overview().frmJahresansicht->grdYear.FontName(), "Times New Roman");
}

}  // namespace
