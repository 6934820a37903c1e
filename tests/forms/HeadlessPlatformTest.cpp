#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_EQ(program.platform.PendingMessageBoxes(), 0u);

  // Each box takes the first pending expectation that matches it.
  program.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Title == "Abhängigkeit"; }, vbYes);
  program.platform.ExpectMessageBox("Notiz anfügen?", vbNo);
  EXPECT_EQ(program.rt.MsgBox("Notiz anfügen?", vbYesNo), vbNo);
  EXPECT_EQ(program.rt.MsgBox("Maier ist abwesend", vbYesNo, "Abhängigkeit"), vbYes);

  // An unexpected box fails, naming its prompt, title and buttons.
  program.platform.ExpectMessageBox("other", vbOK);
  try {
    program.rt.MsgBox("Anmeldung fehlgeschlagen", forms::vbOKCancel, "Login");
    FAIL() << "no exception";
  } catch (const forms::UnexpectedMessageBox& e) {
    for (const char* part : {"Anmeldung fehlgeschlagen", "Login", "OK/Cancel"})
      EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << part;
  }
  EXPECT_EQ(program.platform.PendingMessageBoxes(), 1u);
}

// The program folder is fresh and goes away with the platform; Rnd repeats after Randomize with
// the same seed and stays below one.
TEST(Machine, AFreshProgramFolderAndRepeatableRandomNumbers) {
  std::filesystem::path folder;
  {
    Program program;
    folder = program.platform.ProgramFolder();
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    const auto draw = [&](float seed) {
      program.rt.Randomize(seed);
      std::vector<float> numbers;
      for (int i = 0; i < 20; ++i) numbers.push_back(program.rt.Rnd());
      return numbers;
    };
    const std::vector<float> first = draw(4711);
    EXPECT_EQ(draw(4711), first);
    EXPECT_NE(draw(815), first);
    EXPECT_EQ(std::count_if(first.begin(), first.end(), [](float f) { return f < 0 || f >= 1; }),
              0);
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
