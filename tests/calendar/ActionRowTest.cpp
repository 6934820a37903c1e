// The mode list and the three actions: what each choice sets and shows by group, and the codes
// they lead to.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

// Which of the labels 1-3 and then of the options approve, enquire, decline are enabled.
using Flags = std::vector<bool>;
const Flags All(6, true), Nothing(6, false);
const Flags NoEnquiry = {true, false, true, true, false, true};
const Flags EnquiryOnly = {false, true, false, false, true, false};

// A user's choice (a mode, when one is chosen, then clicks on the labels and options in order)
// and what it leaves: the kind and action, the chosen action's option set, the enabled controls;
// sick days have their own captions.
enum Click { Label1, Label2, Label3, Agree, Enquire, Decline };
struct Step {
  const char* what;
  int mode;
  std::vector<Click> clicks;
  std::string type, action;
  const Flags& enabled;
};

void Follow(mvtest::TestApp& app, mv::frmKalender& k, const std::vector<Step>& steps) {
  forms::Label* labels[] = {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3};
  forms::OptionButton* options[] = {&k.opt_agree, &k.opt_enquire, &k.opt_decline};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.mode >= 0) k.cmbModus.UserSelect(step.mode);
    for (Click c : step.clicks)
      c < Agree ? labels[c]->UserClick() : options[c - Agree]->UserClick();
    EXPECT_EQ(mv::Keyword(app.s().CurrentType), step.type);
    EXPECT_EQ(mv::Keyword(app.s().CurrentAction), step.action);
    const int chosen = step.action == "anfragen"                                      ? 1
                       : step.action == "ablehnen" || step.action == "Unentschuldigt" ? 2
                                                                                      : 0;
    Flags set, enabled;
    for (int i = 0; i < 3; ++i) {
      set.push_back(options[i]->Value());
      enabled.push_back(labels[i]->Enabled());
    }
    for (const forms::OptionButton* option : options) enabled.push_back(option->Enabled());
    EXPECT_EQ(set, (Flags{chosen == 0, chosen == 1, chosen == 2}));
    EXPECT_EQ(k.lbl_action2.Caption(), step.type == "Krank" ? "---" : "anfragen");
    EXPECT_EQ(enabled, step.enabled);
  }
}

TEST(ActionRow, AdministratorsChooseEveryKindAndAction) {
  CalendarApp app;
  auto& k = Enter(app, 11, 1);
  Follow(app, k,
         {
             {"login", -1, {}, "Urlaub", "anfragen", All},
             {"decline", -1, {Label3}, "Urlaub", "ablehnen", All},
             {"sick starts excused", 2, {}, "Krank", "Entschuldigt", NoEnquiry},
             {"sick cannot be enquired", -1, {Enquire, Label2}, "Krank", "Entschuldigt", NoEnquiry},
             {"unexcused", -1, {Label3}, "Krank", "Unentschuldigt", NoEnquiry},
             {"excused", -1, {Agree}, "Krank", "Entschuldigt", NoEnquiry},
             {"overtime restores the captions", 3, {}, "Zeitausgleich", "anfragen", All},
             {"approve", -1, {Agree}, "Zeitausgleich", "genehmigen", All},
             {"delete keeps the action", 0, {}, "Löschen", "genehmigen", Nothing},
             {"other days", 5, {}, "Sonstiges", "anfragen", All},
         });
}

TEST(ActionRow, EmployeesHaveNoSickModeAndOnlyEnquire) {
  CalendarApp app;
  auto& k = Enter(app, 10, mv::GroupEmployee);
  Follow(app, k,
         {
             {"login", -1, {}, "Urlaub", "anfragen", EnquiryOnly},
             {"delete", 0, {}, "Löschen", "anfragen", Nothing},
             {"overtime", 2, {}, "Zeitausgleich", "anfragen", EnquiryOnly},
             {"no approval", -1, {Label1, Decline}, "Zeitausgleich", "anfragen", EnquiryOnly},
             {"other days", 4, {}, "Sonstiges", "anfragen", EnquiryOnly},
         });
}

// Each mode with each action writes its code; no mode and action lead to "K?" or any other code.
TEST(ActionRow, ModesAndActionsWriteExactlyTheFourteenCodes) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  std::set<std::string> written;
  int day = 0;
  for (int mode = 1; mode <= 5; ++mode) {
    k.cmbModus.UserSelect(mode);
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
}

}  // namespace
