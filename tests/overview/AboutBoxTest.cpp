// The about box: its captions in both languages, the outlined title, and closing, which gives the
// main window back.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

TEST(AboutBox, ShowsTheTitleAndItsLinesInTheLanguageAndClosesOnlyByItsButton) {
  struct Case {
    int language;
    std::string firstLine, close;
  };
  for (const Case& c :
       {Case{1, "Morvellan plant die Abwesenheiten Ihrer Mitarbeiter.", "Fenster schliessen"},
        Case{2, "Morvellan plans the absences of your employees.", "Close window"}}) {
    CalendarApp app;
    auto& k = Enter(app, 12, 1, c.language);
    mv::frmInfo& about = OpenAbout(app);
    EXPECT_FALSE(k.Enabled());
    EXPECT_EQ(about.lblTitle.Caption(), "Morvellan");
    EXPECT_EQ(about.lblInfo1.Caption(), c.firstLine);
    EXPECT_EQ(about.lblInfo4.Caption(), app.s().T(120));
    EXPECT_EQ(about.lblVersion.Caption(), "Version 1.1");
    EXPECT_EQ(about.cmd_Close.Caption(), c.close);
    // A black copy one step up, left, right and down behind the light green title.
    EXPECT_EQ(about.lblTitle.ForeColor(), 0x80FF80);
    const int steps[][2] = {{0, -15}, {-15, 0}, {15, 0}, {0, 15}};
    about.lblShadow.ForEach([&](int i, forms::Label& shadow) {
      EXPECT_EQ(shadow.Caption(), "Morvellan");
      EXPECT_EQ(shadow.ForeColor(), forms::vbBlack);
      EXPECT_EQ(shadow.Left() - about.lblTitle.Left(), steps[i][0]);
      EXPECT_EQ(shadow.Top() - about.lblTitle.Top(), steps[i][1]);
    });

    about.UserClose();
    EXPECT_TRUE(about.Visible());
    about.cmd_Close.UserClick();
    EXPECT_FALSE(app.overview().frmInfo.IsLoaded());
    EXPECT_TRUE(k.Enabled());
  }
}

}  // namespace
