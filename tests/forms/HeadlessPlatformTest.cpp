#include <gtest/gtest.h>

#include <filesystem>

#include "TestWindow.h"

namespace {

using forms::vbNo;
using forms::vbOK;
using forms::vbYes;
using forms::vbYesNo;

TEST(MessageBoxes, ExpectedBoxesAreAnsweredByTheFirstMatchAndAnUnexpectedOneFails) {
  Program program;
  program.platform.ExpectMessageBox("Quit Morvellan?", vbNo);
  EXPECT_EQ(program.rt.MsgBox("Quit Morvellan?", vbYesNo + forms::vbQuestion), vbNo);
  ASSERT_EQ(program.platform.MessageBoxes().size(), 1u);
  const auto& shown = program.platform.MessageBoxes()[0];
  EXPECT_EQ(shown.Request.Title, "Morvellan");
  EXPECT_EQ(shown.Request.Buttons, vbYesNo);
  EXPECT_EQ(shown.Request.Icon, forms::vbQuestion);
  EXPECT_EQ(shown.Answer, vbNo);
  EXPECT_EQ(program.platform.PendingMessageBoxes(), 0u);

  // Each box takes the first pending expectation that matches it.
  program.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Title == "Abhängigkeit"; }, vbYes);
  program.platform.ExpectMessageBox("Notiz anfügen?", vbNo);
  EXPECT_EQ(program.rt.MsgBox("Notiz anfügen?", vbYesNo), vbNo);
  EXPECT_EQ(program.rt.MsgBox("Maier ist abwesend", vbYesNo, "Abhängigkeit"), vbYes);

  // An unexpected box fails, naming its prompt and title.
  program.platform.ExpectMessageBox("other", vbOK);
  try {
    program.rt.MsgBox("Anmeldung fehlgeschlagen", forms::vbOKOnly, "Login");
    FAIL() << "no exception";
  } catch (const forms::UnexpectedMessageBox& e) {
    EXPECT_NE(std::string(e.what()).find("Anmeldung fehlgeschlagen"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("Login"), std::string::npos);
  }
  EXPECT_EQ(program.platform.PendingMessageBoxes(), 1u);
}

TEST(Dialogs, InputBoxAndCommonDialogsAnswerFromTheirQueues) {
  Program program;
  program.platform.QueueInputBox("Mai");
  program.platform.QueueInputBox(std::nullopt);
  program.platform.QueueColor(forms::vbRed);
  program.platform.QueueFont(std::nullopt);
  EXPECT_EQ(program.rt.InputBox("Suchbegriff"), "Mai");
  EXPECT_EQ(program.rt.InputBox("Suchbegriff"), "");
  EXPECT_EQ(program.rt.ChooseColor(), forms::vbRed);
  EXPECT_EQ(program.rt.ChooseFont(), std::nullopt);
  EXPECT_EQ(program.platform.InputBoxes()[0].Request.Title, "Morvellan");
  EXPECT_THROW(program.rt.ChooseOpenFile(), forms::UnexpectedDialog);
}

TEST(Waiting, DoEventsRunsQueuedActionsSoAWaitForAWindowEndsOrFailsWhenNothingEndsIt) {
  Program program;
  std::vector<std::string> journal;
  TestWindow opener{program.rt, "opener", journal};
  TestWindow note{program.rt, "note", journal};
  forms::CommandButton save{note, "cmdSave"};
  save.Click = [&] {
    opener.SetEnabled(true);
    note.Hide();
  };
  opener.Show();
  program.platform.QueueAction([&] { save.UserClick(); });

  opener.SetEnabled(false);
  note.Show();
  while (note.Visible()) program.rt.DoEvents();

  EXPECT_EQ(program.rt.Windows().ActiveForm(), &opener);
  EXPECT_EQ(journal.back(), "opener:Activate");
  EXPECT_EQ(program.platform.PendingActions(), 0u);

  // A wait that nothing ends fails instead of hanging.
  program.platform.MaxIdleDoEvents = 50;
  EXPECT_THROW(
      {
        for (;;) program.rt.DoEvents();
      },
      forms::StuckWaiting);
}

TEST(Machine, TheProgramFolderIsFreshAndGoesAwayWithThePlatform) {
  std::filesystem::path folder;
  {
    forms::HeadlessPlatform platform;
    forms::HeadlessPlatform other;
    folder = platform.ProgramFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_NE(folder, other.ProgramFolder());
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(Machine, RndRepeatsAfterRandomizeWithTheSameSeedAndStaysBelowOne) {
  Program program;
  program.rt.Randomize(4711);
  std::vector<float> first;
  for (int i = 0; i < 20; ++i) first.push_back(program.rt.Rnd());
  program.rt.Randomize(4711);
  for (float f : first) {
    const float again = program.rt.Rnd();
    EXPECT_EQ(again, f);
    EXPECT_GE(again, 0.0f);
    EXPECT_LT(again, 1.0f);
  }
  program.rt.Randomize(815);
  EXPECT_NE(program.rt.Rnd(), first[0]);
}

}  // namespace
