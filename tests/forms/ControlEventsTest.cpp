// The controls' events, raised by the user's input and, where VB raises them, by code.
#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

using forms::vbChecked;
using forms::vbUnchecked;
using Events = std::vector<std::string>;

class Controls : public ::testing::Test {
 protected:
  Controls() { window.Show(); }

  // A handler that logs name, followed by ":" and value() when one is given.
  std::function<void()> Log(const std::string& name, std::function<std::string()> value = nullptr) {
    return [this, name, value] { events.push_back(value ? name + ":" + value() : name); };
  }

  Program program;
  TestWindow window{program.rt, "frmTest", program.journal};
  Events events;
};

// A check box, a slider, a tab strip and option buttons changed by code raise the user's event
// only on a change; option buttons clear the others of their container only.
TEST_F(Controls, CheckBoxSliderTabStripAndOptionsRaiseTheirEventsOnlyOnAChange) {
  forms::CheckBox chk{window, "chk"};
  chk.Click = Log("chk", [&] { return std::to_string(chk.Value()); });
  chk.SetValue(vbChecked);
  chk.SetValue(vbChecked);
  chk.UserClick();
  EXPECT_EQ(chk.Value(), vbUnchecked);

  forms::Slider sld{window, "sld"};
  sld.SetMax(30);
  sld.Change = Log("sld", [&] { return std::to_string(sld.Value()); });
  sld.Scroll = Log("Scroll");
  sld.Click = Log("Click");
  sld.SetValue(5);
  sld.SetValue(5);
  sld.UserSlide(40);
  sld.UserSlide(30);  // where it is already: a Scroll and a Click, no Change
  EXPECT_EQ(sld.Value(), 30);
  EXPECT_THROW(sld.SetValue(31), forms::Error);

  forms::TabStrip tab{window, "tab"};
  tab.Click = Log("tab", [&] { return std::to_string(tab.SelectedIndex()); });
  tab.AddTab("Urlaub", "tab_Urlaub");
  tab.AddTab("Krank", "tab_Krank");
  EXPECT_EQ(tab.SelectedIndex(), 1);
  tab.UserSelect(2);
  tab.SetSelectedIndex(2);
  EXPECT_EQ(tab.TabKey(2), "tab_Krank");
  EXPECT_THROW(tab.SetSelectedIndex(3), forms::Error);

  forms::Frame frame{window, "frame"};
  forms::OptionButton a{window, "a", frame};
  forms::OptionButton b{window, "b", frame};
  forms::OptionButton outside{window, "outside"};
  a.Click = Log("a");
  b.Click = Log("b");
  outside.SetValue(true);
  a.SetValue(true);
  b.UserClick();
  b.UserClick();
  EXPECT_FALSE(a.Value());
  EXPECT_TRUE(b.Value());
  EXPECT_TRUE(outside.Value());
  b.SetValue(false);
  EXPECT_EQ(events, (Events{"chk:1", "chk:0", "sld:5", "Scroll", "sld:30", "Click", "Scroll",
                            "Click", "tab:2", "a", "b"}));
}

// A drop-down list raises Click when its position changes, by code or by the user; clearing or
// removing the chosen entry leaves no selection silently.
TEST_F(Controls, ADropDownListRaisesClickOnANewPosition) {
  forms::ComboBox cmb{window, "cmb"};
  cmb.SetStyle(forms::vbComboDropdownList);
  cmb.Click = Log("Click", [&] { return cmb.Text(); });
  for (const char* month : {"Januar", "Februar", "März"}) cmb.AddItem(month);
  cmb.SetListIndex(1);
  cmb.SetListIndex(1);
  cmb.UserSelect(0);
  cmb.SetText("Februar");
  EXPECT_THROW(cmb.SetText("April"), forms::Error);
  EXPECT_THROW(cmb.SetListIndex(3), forms::Error);
  cmb.SetListIndex(2);
  cmb.RemoveItem(0);
  EXPECT_EQ(cmb.ListIndex(), 1);
  cmb.RemoveItem(1);
  EXPECT_EQ(cmb.ListIndex(), -1);
  cmb.SetListIndex(0);
  cmb.Clear();
  EXPECT_EQ(cmb.ListIndex(), -1);
  EXPECT_EQ(events, (Events{"Click:Februar", "Click:Januar", "Click:Februar", "Click:März",
                            "Click:Februar"}));
}

// A multiple-selection list keeps several entries (Shift extends, Ctrl toggles); a single one
// follows ListIndex, and its double click clicks first.
TEST_F(Controls, ListsSelectOneOrSeveralEntries) {
  forms::ListBox lst{window, "lst"};
  lst.SetMultiSelect(forms::vbMultiSelectExtended);
  for (const char* team : {"A", "B", "C", "D"}) lst.AddItem(team);
  lst.Click = Log("lst");
  lst.UserClick(0);
  lst.UserClick(3, forms::vbShiftMask);
  EXPECT_EQ(lst.SelCount(), 4);
  lst.UserClick(2, forms::vbCtrlMask);
  EXPECT_FALSE(lst.Selected(2));
  lst.SetSelected(2, true);
  lst.SetSelected(2, true);
  EXPECT_EQ(lst.SelCount(), 4);

  forms::ListBox single{window, "single"};
  single.AddItem("Maier, Anna");
  single.AddItem("Huber, Max");
  single.Click = Log("Click", [&] { return std::to_string(single.ListIndex()); });
  single.DblClick = Log("DblClick");
  single.UserDoubleClick(1);
  EXPECT_TRUE(single.Selected(1));
  EXPECT_EQ(single.Text(), "Huber, Max");
  single.SetSelected(0, true);
  EXPECT_FALSE(single.Selected(1));
  EXPECT_EQ(events, (Events{"lst", "lst", "lst", "lst", "Click:1", "DblClick", "Click:0"}));
}

TEST_F(Controls, DisabledControlsContainersAndWindowsTakeNoInput) {
  forms::Frame frame{window, "frame"};
  forms::CommandButton inFrame{window, "inFrame", frame};
  forms::CommandButton button{window, "button"};
  inFrame.Click = Log("inFrame");
  button.Click = Log("button");
  button.SetEnabled(false);
  button.UserClick();
  frame.SetEnabled(false);
  inFrame.UserClick();
  frame.SetEnabled(true);
  button.SetEnabled(true);
  window.SetEnabled(false);
  button.UserClick();
  EXPECT_TRUE(events.empty());
  window.SetEnabled(true);
  button.UserClick();
  inFrame.UserClick();
  EXPECT_EQ(events, (Events{"button", "inFrame"}));
}

// A shortcut clicks only an entry whose menu path is enabled; a pop-up menu runs the entry
// chosen, unless it is disabled. Control arrays name their elements by index.
TEST_F(Controls, MenuShortcutsPopupMenusAndControlArrays) {
  forms::Menu file{window, "mnuProgramm"};
  forms::Menu logout{window, "mnuLogOut", file};
  logout.SetShortcut("Ctrl+L");
  logout.Click = Log("logout");
  EXPECT_TRUE(window.UserShortcut("ctrl+l"));
  logout.SetEnabled(false);
  EXPECT_FALSE(window.UserShortcut("Ctrl+L"));
  logout.SetEnabled(true);
  file.SetEnabled(false);
  EXPECT_FALSE(window.UserShortcut("Ctrl+L"));
  EXPECT_EQ(window.MenuBar(), (std::vector<forms::Menu*>{&file}));

  forms::Menu options{window, "mnuOptions"};
  forms::Menu add{window, "mnuAdd", options};
  forms::Menu remove{window, "mnuDelete", options};
  options.SetVisible(false);
  add.Click = Log("add");
  remove.Click = Log("delete");
  remove.SetEnabled(false);
  for (const char* choice : {"mnuDelete", "mnuAdd"}) {
    program.platform.QueuePopupChoice(choice);
    window.PopupMenu(options);
  }

  forms::ControlArray<forms::OptionButton> opt{window, "opt_Info", 1, 5};
  opt.ForEach([&](int i, forms::OptionButton& o) { o.Click = Log(std::to_string(i)); });
  opt(3).UserClick();
  EXPECT_EQ(window.FindControl("opt_Info", 3), &opt(3));
  EXPECT_THROW(opt(6), forms::Error);
  EXPECT_EQ(events, (Events{"logout", "add", "3"}));
}

}  // namespace
