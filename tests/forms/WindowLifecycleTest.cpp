// Loading, showing, hiding and unloading windows; which window is active and which control has
// the focus.
#include <gtest/gtest.h>

#include <memory>

#include "TestWindow.h"

namespace {

using Journal = std::vector<std::string>;

class Windows : public ::testing::Test {
 protected:
  forms::WindowManager& wm() { return program.rt.Windows(); }
  Journal Take() { return std::exchange(program.journal, {}); }

  Program program;
  TestWindow main{program.rt, "main", program.journal};
  TestWindow child{program.rt, "child", program.journal};
};

// Show activates the window and deactivates the former one; when the active window hides, the
// front-most visible, enabled window takes over, also an opener that disabled itself and is
// enabled again while its child is shown.
TEST_F(Windows, LoadRunsFormLoadOnceAndShowAndHideMoveTheActivation) {
  TestWindow third{program.rt, "third", program.journal};
  main.Load();
  main.Load();
  EXPECT_FALSE(main.Visible());
  main.Show();
  main.Show();
  EXPECT_EQ(Take(), (Journal{"main:Load", "main:Activate"}));
  main.SetEnabled(false);
  third.Show();
  child.Show();
  EXPECT_EQ(Take(), (Journal{"third:Load", "main:Deactivate", "third:Activate", "child:Load",
                             "third:Deactivate", "child:Activate"}));
  EXPECT_EQ(wm().Forms().front(), &child);
  third.SetEnabled(false);
  main.SetEnabled(true);
  EXPECT_EQ(wm().ActiveForm(), &child);
  child.Hide();
  EXPECT_EQ(Take(), (Journal{"child:Deactivate", "main:Activate"}));
  EXPECT_EQ(wm().ActiveForm(), &main);
}

// Neither showing a disabled window nor disabling the active one changes the active window; with
// no enabled window left nothing is active until the user acts.
TEST_F(Windows, ADisabledWindowIsNeverActivatedAndTheActiveOneStaysActive) {
  main.Show();
  child.SetEnabled(false);
  child.Show();
  EXPECT_EQ(wm().ActiveForm(), &main);
  child.SetEnabled(true);
  Take();
  main.SetEnabled(false);
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(wm().ActiveForm(), &main);

  child.Show();
  child.Hide();
  EXPECT_EQ(wm().ActiveForm(), nullptr);
  main.SetEnabled(true);
  EXPECT_EQ(wm().ActiveForm(), nullptr);
  forms::CommandButton button{main, "button"};
  Take();
  button.UserClick();
  EXPECT_EQ(Take(), (Journal{"main:Activate"}));
}

// The focus returns when the window is activated again; a window hidden and shown again starts at
// its first field, wherever the focus was when it was hidden.
TEST_F(Windows, FocusMovesWithClicksReturnsOnActivationAndStartsAtTheFirstFieldOnReopening) {
  forms::TextBox first{main, "first"};
  forms::TextBox second{main, "second"};
  forms::CommandButton close{child, "close"};
  Journal focus;
  first.GotFocus = [&] { focus.push_back("first+"); };
  first.LostFocus = [&] { focus.push_back("first-"); };
  second.GotFocus = [&] { focus.push_back("second+"); };
  second.LostFocus = [&] { focus.push_back("second-"); };
  close.Click = [&] { main.Hide(); };
  main.Show();
  second.UserType("x");
  child.Show();
  child.Hide();
  EXPECT_EQ(focus, (Journal{"first+", "first-", "second+", "second-", "second+"}));

  child.Show();
  close.UserClick();
  EXPECT_EQ(main.ActiveControl(), nullptr);
  focus.clear();
  main.Show();
  EXPECT_EQ(main.ActiveControl(), &first);
  EXPECT_EQ(focus, (Journal{"first+"}));
}

TEST_F(Windows, TabSkipsControlsThatCannotTakeTheFocusAndWrapsAround) {
  forms::TextBox first{main, "first"};
  forms::Label label{main, "label"};
  forms::TextBox disabled{main, "disabled"};
  forms::CommandButton last{main, "last"};
  disabled.SetEnabled(false);
  main.Show();
  EXPECT_EQ(main.ActiveControl(), &first);
  main.UserTab();
  EXPECT_EQ(main.ActiveControl(), &last);
  main.UserTab();
  EXPECT_EQ(main.ActiveControl(), &first);
  main.UserTab(true);
  EXPECT_EQ(main.ActiveControl(), &last);
}

struct SelfClosing : TestWindow {
  using TestWindow::TestWindow;
  void Form_QueryUnload(int& cancel, int unloadMode) override {
    TestWindow::Form_QueryUnload(cancel, unloadMode);
    Unload();
  }
};

// Either handler may cancel; a QueryUnload that unloads the window itself runs the handlers once.
TEST_F(Windows, UnloadAsksQueryUnloadAndEitherHandlerMayCancel) {
  main.Show();
  child.Show();
  child.cancelQueryUnload = 1;
  EXPECT_FALSE(child.Unload());
  child.cancelQueryUnload = 0;
  child.cancelUnload = 1;
  EXPECT_FALSE(child.Unload());
  EXPECT_TRUE(child.IsLoaded());
  child.cancelUnload = 0;
  Take();
  EXPECT_TRUE(child.Unload());
  EXPECT_EQ(Take(), (Journal{"child:QueryUnload", "child:Unload", "main:Activate"}));
  EXPECT_EQ(child.lastUnloadMode, forms::vbFormCode);
  EXPECT_FALSE(child.IsLoaded());

  SelfClosing overview{program.rt, "overview", program.journal};
  overview.Show();
  Take();
  overview.UserClose();
  EXPECT_FALSE(overview.IsLoaded());
  EXPECT_EQ(Take(), (Journal{"overview:QueryUnload", "overview:Unload", "main:Activate"}));
}

struct Owned : TestWindow {
  Owned(forms::Runtime& rt, Journal& journal, int& alive)
      : TestWindow(rt, "owned", journal), alive_(alive) {
    ++alive_;
    close.Click = [this] { Unload(); };
  }
  ~Owned() override { --alive_; }
  forms::CommandButton close{*this, "close"};
  int& alive_;
};

TEST_F(Windows, ASlotLoadsOnUseAndRebuildsAfterUnloadOnceTheUserActionEnds) {
  int alive = 0;
  forms::FormSlot<Owned> slot{
      [&] { return std::make_unique<Owned>(program.rt, program.journal, alive); }};
  slot->Show();
  EXPECT_EQ(alive, 1);
  slot->close.UserClick();
  EXPECT_FALSE(slot.IsLoaded());
  EXPECT_EQ(alive, 0);
  slot->Show();
  EXPECT_EQ(alive, 1);
  EXPECT_EQ(Take(), (Journal{"owned:Load", "owned:Activate", "owned:QueryUnload", "owned:Unload",
                             "owned:Load", "owned:Activate"}));

  // Unloaded by code, it lives until discarded windows are collected.
  slot.Unload();
  EXPECT_EQ(alive, 1);
  EXPECT_TRUE(wm().Forms().empty());
  wm().CollectDiscarded();
  EXPECT_EQ(alive, 0);
}

}  // namespace
