// The about box: its captions in the current language; it has no close box, but a window manager's
// close button does what its Close button does, which gives the main window back.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

TEST(AboutBox, ShowsItsLinesInTheLanguageAndClosesByItsButton) {
  for (const auto& [language, firstLine, close] :
       {std::tuple{1, "Morvellan plant die Abwesenheiten Ihrer Mitarbeiter.", "Fenster schliessen"},
        {2, "Morvellan plans the absences of your employees.", "Close window"}}) {
    CalendarApp app;
    auto& k = Enter(app, 12, 1, language);
    mv::frmInfo& about = OpenAbout(app);
    EXPECT_FALSE(k.Enabled());
    EXPECT_EQ(about.lblInfo1.Caption(), firstLine);
    EXPECT_EQ(about.cmd_Close.Caption(), close);
    EXPECT_EQ(about.lblVersion.Caption(), "Version 1.1");
    // The light green title over four black copies, each one step off.
    EXPECT_EQ(about.lblTitle.Caption() + about.lblShadow(3).Caption(), "MorvellanMorvellan");
    EXPECT_EQ(about.lblShadow(3).Top() - about.lblTitle.Top(), 15);
    EXPECT_EQ(about.lblShadow(3).ForeColor(), forms::vbBlack);
    EXPECT_FALSE(about.ControlBox());
    language == 1 ? about.UserClose() : about.cmd_Close.UserClick();
    EXPECT_FALSE(app.overview().frmInfo.IsLoaded());
    EXPECT_TRUE(k.Enabled());
  }
}

}  // namespace
