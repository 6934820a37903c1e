// The confirmation asked before the selected days are written or deleted, for every kind in both
// languages, one day and a run of days, with its title (typos of the program included).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EntrySupport.h"

namespace {

using namespace entrytest;

enum class Action { Agree, Enquire, Decline };

struct Case {
  int mode;  // position in the mode list of an administrator
  Action action;
  int last;  // the run starts on 7 December
  std::string prompt;
  std::string title;
};

void Choose(mv::frmKalender& k, const Case& c) {
  k.cmbModus.UserSelect(c.mode);
  if (c.mode == 0) return;
  if (c.action == Action::Agree) k.opt_agree.UserClick();
  if (c.action == Action::Enquire) k.opt_enquire.UserClick();
  if (c.action == Action::Decline) k.opt_decline.UserClick();
}

void Ask(int language, const std::vector<Case>& cases) {
  mvtest::TestApp app;
  SeedTeam(app);
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin, language);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prompt);
    Choose(k, c);
    app.platform.ExpectMessageBox(c.prompt, forms::vbNo);
    SelectDays(k, BergRow, 7, c.last);
    ASSERT_EQ(app.platform.PendingMessageBoxes(), 0u);
    EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, c.title);
    EXPECT_EQ(app.platform.MessageBoxes().back().Request.Buttons, forms::vbYesNo);
  }
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 0);
}

TEST(EntryConfirmation, GermanTexts) {
  const std::string t = "Bitte bestätigen";
  Ask(1, {
             {0, Action::Agree, 7, "Eintragung vom 07.12.2026\rwirklich löschen?", t},
             {0, Action::Agree, 9, "Eintragungen vom 07.12.2026 bis 09.12.2026\rwirklich löschen?", t},
             {2, Action::Agree, 7, "Entschuldigt krank am 07.12.2026 ?", t},
             {2, Action::Decline, 9, "Unentschuldigt krank\rVom 07.12.2026 bis 09.12.2026?", t},
             {5, Action::Enquire, 7, "Am 07.12.2026 sonstigen Tag anfragen ?", t},
             {5, Action::Agree, 9, "Vom 07.12.2026 bis 09.12.2026\rsonstige Tage genehmigen ?", t},
         });
}

TEST(EntryConfirmation, EnglishTextsWithTheirTypos) {
  const std::string t = "Please confirm";
  const std::string typo = "Pleas confirm";
  Ask(2, {
             {0, Action::Agree, 9, "Really delete entries\rfrom 07.12.2026 to 09.12.2026?", t},
             {1, Action::Decline, 7, "Decline vacation on 07.12.2026 ?", t},
             {2, Action::Decline, 7, "Unexcused disease on 07.12.2026 ?", t},
             {2, Action::Agree, 9, "Excused disease\rfrom 07.12.2026 to 09.12.2026 ?", t},
             {3, Action::Enquire, 7, "Enquire overtime offset on 07.12.2026 ?", typo},
             {3, Action::Agree, 9, "Approve overtime offset days\rfrom 07.12.2026 to 09.12.2026?", t},
             {4, Action::Agree, 7, "Approve buisiness trip on 07.12.2026 ?", typo},
             {4, Action::Enquire, 9, "Enquire business trip\rfrom 07.12.2026 to 09.12.2026?", t},
         });
}

}  // namespace
