// A window hidden and shown again starts at its first field, as a window opened for the first time,
// wherever the focus was when it was hidden.
#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

TEST(ReopenFocus, AWindowShownAgainStartsAtItsFirstField) {
  Program p;
  TestWindow main(p.rt, "frmMain", p.journal);
  forms::CommandButton open{main, "open"};
  TestWindow dialog(p.rt, "frmDialog", p.journal);
  forms::TextBox name{dialog, "name"};
  forms::CommandButton close{dialog, "close"};
  std::vector<std::string> focus;
  name.GotFocus = [&] { focus.push_back("name"); };
  close.GotFocus = [&] { focus.push_back("close"); };
  close.Click = [&] { dialog.Hide(); };
  main.Show();
  dialog.Show();
  close.UserClick();
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(dialog.ActiveControl(), nullptr);

  dialog.Show();
  EXPECT_EQ(dialog.ActiveControl(), &name);
  EXPECT_EQ(focus, (std::vector<std::string>{"name", "close", "name"}));
}

}  // namespace
