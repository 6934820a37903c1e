// The mode list and the three actions: each mode with each action writes its code; no mode and
// action lead to "K?" or any other code.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

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
