#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calendar/AbsenceCode.h"
#include "calendar/frmKalender.h"
#include "support/TestApp.h"

namespace {

class ActionRow : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddEmployee(11, "Abel", "Anna", 0);
  }

  mv::frmKalender& Enter(int group, int language = 1) {
    app.OpenProgram(language);
    return app.EnterAs(11, group);
  }

  const std::string& Action() { return app.s().CurrentAction; }
  const std::string& Type() { return app.s().CurrentType; }

  // Which of the three labels is underlined and which option is set: "1", "2" or "3" for each.
  static std::string Shown(mv::frmKalender& k) {
    std::string labels;
    if (k.lbl_action1.FontUnderline()) labels += "1";
    if (k.lbl_action2.FontUnderline()) labels += "2";
    if (k.lbl_action3.FontUnderline()) labels += "3";
    std::string options;
    if (k.opt_agree.Value()) options += "1";
    if (k.opt_enquire.Value()) options += "2";
    if (k.opt_decline.Value()) options += "3";
    return labels + "/" + options;
  }

  static bool AllActionsEnabled(mv::frmKalender& k) {
    return k.lbl_action1.Enabled() && k.lbl_action2.Enabled() && k.lbl_action3.Enabled() && k.opt_agree.Enabled() &&
           k.opt_enquire.Enabled() && k.opt_decline.Enabled();
  }

  static bool AnyActionEnabled(mv::frmKalender& k) {
    return k.lbl_action1.Enabled() || k.lbl_action2.Enabled() || k.lbl_action3.Enabled() || k.opt_agree.Enabled() ||
           k.opt_enquire.Enabled() || k.opt_decline.Enabled();
  }

  mvtest::TestApp app;
};

TEST_F(ActionRow, LoginStartsWithVacationAndEnquire) {
  auto& k = Enter(1);
  EXPECT_EQ(k.cmbModus.ListCount(), 6);
  EXPECT_EQ(k.cmbModus.Text(), "Urlaub");
  EXPECT_EQ(Type(), "Urlaub");
  EXPECT_EQ(Action(), "anfragen");
  EXPECT_EQ(Shown(k), "2/2");
  EXPECT_TRUE(AllActionsEnabled(k));
  EXPECT_EQ(k.lbl_action1.Caption(), "genehmigen");
  EXPECT_EQ(k.lbl_action2.Caption(), "anfragen");
  EXPECT_EQ(k.lbl_action3.Caption(), "ablehnen");
}

TEST_F(ActionRow, SickAlwaysStartsExcusedAndCannotBeEnquired) {
  auto& k = Enter(1);
  k.lbl_action3.UserClick();
  k.cmbModus.UserSelect(2);
  EXPECT_EQ(Type(), "Krank");
  EXPECT_EQ(Action(), "Entschuldigt");
  EXPECT_EQ(Shown(k), "1/1");
  EXPECT_EQ(k.lbl_action1.Caption(), "entschuldigt");
  EXPECT_EQ(k.lbl_action2.Caption(), "---");
  EXPECT_EQ(k.lbl_action3.Caption(), "unentschuldigt");
  EXPECT_FALSE(k.lbl_action2.Enabled());
  EXPECT_FALSE(k.opt_enquire.Enabled());

  k.opt_enquire.UserClick();
  k.lbl_action2.UserClick();
  EXPECT_EQ(Action(), "Entschuldigt");
  k.lbl_action3.UserClick();
  EXPECT_EQ(Action(), "Unentschuldigt");
  EXPECT_EQ(Shown(k), "3/3");
  mv::PrepareKennZ(app.s());
  EXPECT_EQ(app.s().CurrentKennZ, "K!");
  k.opt_agree.UserClick();
  EXPECT_EQ(Action(), "Entschuldigt");

  k.cmbModus.UserSelect(1);
  k.cmbModus.UserSelect(2);  // from an enquiry back to sick
  EXPECT_EQ(Action(), "Entschuldigt");
}

TEST_F(ActionRow, OtherKindsRestoreTheCaptionsAndStartWithEnquire) {
  auto& k = Enter(1);
  k.cmbModus.UserSelect(2);
  k.cmbModus.UserSelect(3);
  EXPECT_EQ(Type(), "Zeitausgleich");
  EXPECT_EQ(Action(), "anfragen");
  EXPECT_EQ(Shown(k), "2/2");
  EXPECT_EQ(k.lbl_action1.Caption(), "genehmigen");
  EXPECT_EQ(k.lbl_action2.Caption(), "anfragen");
  EXPECT_EQ(k.lbl_action3.Caption(), "ablehnen");
  EXPECT_TRUE(AllActionsEnabled(k));

  k.lbl_action1.UserClick();
  k.cmbModus.UserSelect(4);
  EXPECT_EQ(Type(), "Dienstreise");
  EXPECT_EQ(Action(), "anfragen");
  k.cmbModus.UserSelect(5);
  EXPECT_EQ(Type(), "Sonstiges");
}

TEST_F(ActionRow, DeleteDisablesEveryActionAndKeepsTheChosenOne) {
  auto& k = Enter(1);
  k.lbl_action1.UserClick();
  k.cmbModus.UserSelect(0);
  EXPECT_EQ(Type(), "Löschen");
  EXPECT_EQ(Action(), "genehmigen");
  EXPECT_FALSE(AnyActionEnabled(k));

  k.cmbModus.UserSelect(1);
  EXPECT_TRUE(AllActionsEnabled(k));
  EXPECT_EQ(Action(), "anfragen");
}

TEST_F(ActionRow, EmployeesHaveNoSickModeAndCanOnlyEnquire) {
  auto& k = Enter(3);
  ASSERT_EQ(k.cmbModus.ListCount(), 5);
  for (int i = 0; i < 5; ++i) {
    k.cmbModus.UserSelect(i);
    EXPECT_FALSE(k.lbl_action1.Enabled()) << i;
    EXPECT_FALSE(k.lbl_action3.Enabled()) << i;
    EXPECT_FALSE(k.opt_agree.Enabled()) << i;
    EXPECT_FALSE(k.opt_decline.Enabled()) << i;
  }
  k.cmbModus.UserSelect(2);
  EXPECT_EQ(Type(), "Zeitausgleich");
  EXPECT_TRUE(k.opt_enquire.Enabled());
  k.lbl_action1.UserClick();
  k.opt_decline.UserClick();
  EXPECT_EQ(Action(), "anfragen");
  EXPECT_EQ(Shown(k), "2/2");
}

TEST_F(ActionRow, EnglishShowsEnglishCaptionsButKeepsTheGermanKeywords) {
  auto& k = Enter(1, 2);
  EXPECT_EQ(k.cmbModus.Text(), "Vacation");
  EXPECT_EQ(Type(), "Urlaub");
  EXPECT_EQ(k.lbl_action2.Caption(), "enquire");
  k.cmbModus.UserSelect(2);
  EXPECT_EQ(k.cmbModus.Text(), "Diseased");
  EXPECT_EQ(Type(), "Krank");
  EXPECT_EQ(k.lbl_action1.Caption(), "excused");
  mv::PrepareKennZ(app.s());
  EXPECT_EQ(app.s().CurrentKennZ, "K/");
}

// Every code the action row can lead to, with the preview colour PrepareKennZ paints.
TEST_F(ActionRow, ModesAndActionsLeadToExactlyTheFourteenCodes) {
  auto& k = Enter(1);
  auto& g = k.grdCal;
  std::set<std::string> codes;
  for (int mode = 1; mode <= 5; ++mode) {
    k.cmbModus.UserSelect(mode);
    for (forms::Label* label : {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3}) {
      label->UserClick();
      g.SetRow(4);
      g.SetCol(7);
      mv::PrepareKennZ(app.s());
      const std::string& code = app.s().CurrentKennZ;
      codes.insert(code);
      ASSERT_EQ(code.size(), 2u);
      EXPECT_EQ(std::string(1, code[1]), app.s().CurrentSign);
      const forms::Color expected = code[1] == '/' ? forms::vbGreen : code[1] == '?' ? forms::vbYellow : forms::vbRed;
      EXPECT_EQ(g.CellBackColor(), expected) << code;
    }
  }
  const std::set<std::string> fourteen = {"U/", "U?", "U!", "K/", "K!", "Z/", "Z?",
                                          "Z!", "D/", "D?", "D!", "S/", "S?", "S!"};
  EXPECT_EQ(codes, fourteen);
}

}  // namespace
