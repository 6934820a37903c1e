// The about box: its lines in the current language; a window manager's close button does what its
// Close button does, which gives the main window back.
#include "OverviewTestSupport.h"

namespace {

using namespace overviewtest;

TEST(AboutBox, ShowsItsLinesInTheLanguageAndClosesByItsButton) {
  for (const auto& [language, firstLine, close] :
       {std::tuple{1, "Morvellan plant die Abwesenheiten Ihrer Mitarbeiter.", "Fenster schliessen"},
        {2, "Morvellan plans the absences of your employees.", "Close window"}}) {
    CalendarApp app;
    auto& k = Enter(app, 12, 1, language);
    mv::frmInfo& about = Open(app, "Ctrl+I", app.overview().frmInfo);
    const Texts shown = {about.lblTitle.Caption(),   about.lblShadow(3).Caption(),
                         about.lblInfo1.Caption(),   about.lblInfo2.Caption(),
                         about.lblInfo3.Caption(),   about.lblInfo4.Caption(),
                         about.lblVersion.Caption(), about.cmd_Close.Caption()};
    mv::State& s = app.s();
    EXPECT_EQ(shown, (Texts{"Morvellan", "Morvellan", firstLine, s.T(118), s.T(119), s.T(120),
                            "Version 1.1", close}));
    EXPECT_GT(about.lblTitle.FontSize(), 2 * about.lblInfo1.FontSize());  // the title stands out
    language == 1 ? about.UserClose() : about.cmd_Close.UserClick();
    EXPECT_TRUE(k.Enabled());
  }
}

}  // namespace
