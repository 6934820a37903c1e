// The questions asked before the selected days are written: the confirmation of every kind in
// both languages (typos of the program included) and the absent dependent colleagues; the codes
// the mode list and the three actions lead to.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

// The confirmations that differ from the common pattern, each answered no: nothing is written.
TEST(EntryChecks, ConfirmationsInBothLanguagesWithTheirTypos) {
  const std::string de = "Bitte bestätigen", en = "Please confirm", typo = "Pleas confirm";
  const struct {
    int language;
    int mode;    // position in the mode list of an administrator
    int option;  // 1 approve, 2 enquire, 3 decline
    int last;    // the run starts on 7 December
    std::string prompt;
    std::string title;
  } cases[] = {
      {1, 2, 1, 7, "Entschuldigt krank am 07.12.2026 ?", de},
      {1, 5, 2, 7, "Am 07.12.2026 sonstigen Tag anfragen ?", de},
      {1, 5, 1, 9, "Vom 07.12.2026 bis 09.12.2026\rsonstige Tage genehmigen ?", de},
      {2, 0, 0, 9, "Really delete entries\rfrom 07.12.2026 to 09.12.2026?", en},
      {2, 1, 3, 7, "Decline vacation on 07.12.2026 ?", en},
      {2, 2, 1, 9, "Excused disease\rfrom 07.12.2026 to 09.12.2026 ?", en},
      {2, 3, 2, 7, "Enquire overtime offset on 07.12.2026 ?", typo},
      {2, 4, 1, 7, "Approve buisiness trip on 07.12.2026 ?", typo},
      {2, 4, 2, 9, "Enquire business trip\rfrom 07.12.2026 to 09.12.2026?", en},
  };
  for (int language : {1, 2}) {
    CalendarApp app;
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin, language);
    forms::OptionButton* options[] = {nullptr, &k.opt_agree, &k.opt_enquire, &k.opt_decline};
    for (const auto& c : cases) {
      if (c.language != language) continue;
      SCOPED_TRACE(c.prompt);
      k.cmbModus.UserSelect(c.mode);
      if (c.mode != 0) options[c.option]->UserClick();
      app.platform.ExpectMessageBox(c.prompt, forms::vbNo);
      SelectDays(k, BergRow, 7, c.last);
      ASSERT_EQ(app.platform.PendingMessageBoxes(), 0u);
      EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, c.title);
      EXPECT_EQ(app.platform.MessageBoxes().back().Request.Buttons, forms::vbYesNo);
    }
    EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 0);
  }
}

// Berg depends on Adam, Zoller and O'Neil of another team. Adam is away on the 1st and 2nd, O'Neil
// on the 3rd; Zoller's days are declined or unexcused. Each absent dependent is named once, in
// order; a declined day asks nothing; a dependent whose employee row is gone (deleted by another
// copy while this one runs) is named by his number.
TEST(EntryChecks, AbsentDependents) {
  CalendarApp app;
  app.AddEmployee(13, "O'Neil", "Sean", 1);
  app.Sql("UPDATE tbl_Abhängigkeiten SET AbhPersNr2 = 12, AbhPersNr3 = 13 WHERE PersNr = 10");
  for (const auto& [persNr, day, code] :
       {std::tuple{11, 1, "U?"}, {11, 2, "U?"}, {12, 1, "U!"}, {12, 2, "K!"}, {13, 3, "S/"}})
    app.AddEntry(persNr, Dec(day), code);
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  Agree(app, {RangeQuestion(1, 3, "Urlaub", "anfragen"), DependentQuestion(app.s(), "Adam, Karl"),
              DependentQuestion(app.s(), "O'Neil, Sean")});
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);
  EXPECT_EQ(app.platform.MessageBoxes()[1].Request.Title, "Wichtiger Hnweis");
  EXPECT_EQ(EntriesOf(app, 10).size(), 3u);

  app.Sql("DELETE FROM tbl_Mitarbeiter WHERE PersNr = 13");
  Agree(app, {DayQuestion(3, "Urlaub", "anfragen"), DependentQuestion(app.s(), "13")});
  NoNote(app);
  SelectDays(k, BergRow, 3, 3);
  EXPECT_EQ(app.EntryOn(10, Dec(3)), "U?");
}

// Each mode with each action writes its code; no mode and action lead to "K?" or any other code.
TEST(ActionRow, ModesAndActionsWriteExactlyTheFourteenCodes) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  std::set<std::string> written;
  int day = 0;
  for (int mode = 1; mode <= 5; ++mode) {
    k.cmbModus.UserSelect(mode);
    EXPECT_EQ(k.lbl_action2.Caption(), mode == 2 ? "---" : "anfragen");
    EXPECT_EQ(k.opt_enquire.Enabled(), mode != 2);
    for (forms::Label* label : {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3}) {
      label->UserClick();
      app.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                    forms::vbYes);
      NoNote(app);
      ++day;
      SelectDays(k, BergRow, day, day);
      written.insert(app.EntryOn(10, Dec(day)));
      EXPECT_EQ(k.grdCal.TextMatrix(BergRow, day), std::string(1, "UKZDS"[mode - 1]));
    }
  }
  EXPECT_EQ(written, (std::set<std::string>{"U/", "U?", "U!", "K/", "K!", "Z/", "Z?", "Z!", "D/",
                                            "D?", "D!", "S/", "S?", "S!"}));
  k.cmbModus.UserSelect(0);
  EXPECT_FALSE(k.opt_agree.Enabled());
}

}  // namespace
