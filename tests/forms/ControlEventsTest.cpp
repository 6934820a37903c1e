#include <gtest/gtest.h>

#include "TestWindow.h"

namespace {

using forms::vbChecked;
using forms::vbUnchecked;

class Controls : public ::testing::Test {
 protected:
  Controls() { window.Show(); }

  Program program;
  TestWindow window{program.rt, "frmTest", program.journal};
  std::vector<std::string> events;
};

// Code raises Change only when the text differs; typing goes key by key through KeyPress, then
// Change; MaxLength counts characters; a locked box takes no keys. (The Qt tests type the mask.)
TEST_F(Controls, TextBoxEventsFromCodeAndFromTyping) {
  forms::TextBox txt{window, "txt"};
  txt.KeyPress = [&](int& key) {
    events.push_back("KeyPress:" + std::to_string(key));
    if (key == 'x') key = 0;
  };
  txt.Change = [&] { events.push_back("Change:" + txt.Text()); };
  txt.SetText("abc");
  txt.SetText("abc");
  txt.SetText("");
  txt.UserType("axb");
  EXPECT_EQ(txt.Text(), "ab");
  EXPECT_EQ(events, (std::vector<std::string>{"Change:abc", "Change:", "KeyPress:97", "Change:a",
                                              "KeyPress:120", "KeyPress:98", "Change:ab"}));
  txt.KeyPress = nullptr;
  txt.SetText("");
  txt.SetMaxLength(3);
  txt.UserType("Jörg");
  EXPECT_EQ(txt.Text(), "Jör");
  txt.UserKey(forms::vbKeyBack);
  EXPECT_EQ(txt.Text(), "Jö");
  txt.SetLocked(true);
  txt.UserType("x");
  EXPECT_EQ(txt.Text(), "Jö");
}

// A check box, a slider and a tab strip changed by code raise the user's event only on a change.
TEST_F(Controls, CheckBoxSliderAndTabStripRaiseTheirEventsOnlyOnAChange) {
  forms::CheckBox chk{window, "chk"};
  chk.Click = [&] { events.push_back("Click:" + std::to_string(chk.Value())); };
  chk.SetValue(vbChecked);
  chk.SetValue(vbChecked);
  chk.UserClick();
  EXPECT_EQ(chk.Value(), vbUnchecked);
  EXPECT_EQ(events, (std::vector<std::string>{"Click:1", "Click:0"}));

  events.clear();
  forms::Slider sld{window, "sld"};
  sld.SetMax(30);
  sld.Change = [&] { events.push_back("Change:" + std::to_string(sld.Value())); };
  sld.Scroll = [&] { events.push_back("Scroll"); };
  sld.Click = [&] { events.push_back("Click"); };
  sld.SetValue(5);
  sld.SetValue(5);
  sld.UserSlide(40);
  EXPECT_EQ(sld.Value(), 30);
  EXPECT_THROW(sld.SetValue(31), forms::Error);
  EXPECT_EQ(events, (std::vector<std::string>{"Change:5", "Scroll", "Change:30", "Click"}));

  events.clear();
  forms::TabStrip tab{window, "tab"};
  tab.Click = [&] { events.push_back("Click:" + std::to_string(tab.SelectedIndex())); };
  tab.AddTab("Urlaub", "tab_Urlaub");
  tab.AddTab("Krank", "tab_Krank");
  EXPECT_EQ(tab.SelectedIndex(), 1);
  tab.UserSelect(2);
  tab.SetSelectedIndex(2);
  EXPECT_EQ(tab.TabKey(2), "tab_Krank");
  EXPECT_THROW(tab.SetSelectedIndex(3), forms::Error);
  EXPECT_EQ(events, (std::vector<std::string>{"Click:2"}));
}

TEST_F(Controls, OptionButtonsOfOneContainerClearEachOtherOnly) {
  forms::Frame frame{window, "frame"};
  forms::OptionButton a{window, "a", frame};
  forms::OptionButton b{window, "b", frame};
  forms::OptionButton outside{window, "outside"};
  a.Click = [&] { events.push_back("a"); };
  b.Click = [&] { events.push_back("b"); };
  outside.SetValue(true);
  a.SetValue(true);
  b.UserClick();
  b.UserClick();
  EXPECT_FALSE(a.Value());
  EXPECT_TRUE(b.Value());
  EXPECT_TRUE(outside.Value());
  EXPECT_EQ(events, (std::vector<std::string>{"a", "b"}));
  b.SetValue(false);
  EXPECT_EQ(events.size(), 2u);
}

// A drop-down list raises Click when its position changes, by code or by the user; clearing or
// removing the chosen entry leaves no selection silently; typing into an edit field raises Change.
TEST_F(Controls, ComboBoxesRaiseClickOnANewPositionAndChangeOnTyping) {
  forms::ComboBox cmb{window, "cmb"};
  cmb.SetStyle(forms::vbComboDropdownList);
  cmb.Click = [&] { events.push_back("Click:" + cmb.Text()); };
  cmb.AddItem("Januar");
  cmb.AddItem("Februar");
  cmb.AddItem("März");
  cmb.SetListIndex(1);
  cmb.SetListIndex(1);
  cmb.UserSelect(0);
  cmb.SetText("Februar");
  EXPECT_EQ(events, (std::vector<std::string>{"Click:Februar", "Click:Januar", "Click:Februar"}));
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
  EXPECT_EQ(cmb.ListCount(), 0);
  EXPECT_EQ(cmb.Text(), "");
  EXPECT_EQ(events.size(), 5u);

  forms::ComboBox edit{window, "edit"};
  edit.AddItem("Arzt");
  edit.SetListIndex(0);
  events.clear();
  edit.Click = [&] { events.push_back("Click"); };
  edit.Change = [&] { events.push_back("Change:" + edit.Text()); };
  edit.UserType("e");
  EXPECT_EQ(edit.Text(), "Arzte");
  EXPECT_EQ(edit.ListIndex(), -1);
  edit.SetText("Urlaub");
  EXPECT_EQ(events, (std::vector<std::string>{"Change:Arzte", "Change:Urlaub"}));
}

// A multiple-selection list keeps several entries (Shift extends, Ctrl toggles); a single one
// follows ListIndex, and its double click clicks first.
TEST_F(Controls, ListsSelectOneOrSeveralEntries) {
  forms::ListBox lst{window, "lst"};
  lst.SetMultiSelect(forms::vbMultiSelectExtended);
  for (const char* team : {"A", "B", "C", "D"}) lst.AddItem(team);
  lst.Click = [&] { events.push_back("Click"); };
  lst.UserClick(1);
  lst.UserClick(3, forms::vbShiftMask);
  EXPECT_EQ(lst.SelCount(), 3);
  lst.UserClick(2, forms::vbCtrlMask);
  EXPECT_FALSE(lst.Selected(2));
  lst.SetSelected(0, true);
  lst.SetSelected(0, true);
  EXPECT_EQ(lst.SelCount(), 3);
  EXPECT_EQ(events.size(), 4u);

  events.clear();
  forms::ListBox single{window, "single"};
  single.AddItem("Maier, Anna");
  single.AddItem("Huber, Max");
  single.Click = [&] { events.push_back("Click:" + std::to_string(single.ListIndex())); };
  single.DblClick = [&] { events.push_back("DblClick"); };
  single.UserDoubleClick(1);
  EXPECT_TRUE(single.Selected(1));
  EXPECT_EQ(single.Text(), "Huber, Max");
  single.SetSelected(0, true);
  EXPECT_FALSE(single.Selected(1));
  EXPECT_EQ(events, (std::vector<std::string>{"Click:1", "DblClick", "Click:0"}));
}

TEST_F(Controls, DisabledControlsContainersAndWindowsTakeNoInput) {
  forms::Frame frame{window, "frame"};
  forms::CommandButton inFrame{window, "inFrame", frame};
  forms::CommandButton button{window, "button"};
  inFrame.Click = [&] { events.push_back("inFrame"); };
  button.Click = [&] { events.push_back("button"); };
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
  EXPECT_EQ(events, (std::vector<std::string>{"button", "inFrame"}));
}

// A shortcut clicks only an entry whose menu path is enabled; a pop-up menu runs the entry
// chosen, unless it is disabled.
TEST_F(Controls, MenuShortcutsAndPopupMenusRunOnlyReachableEntries) {
  forms::Menu file{window, "mnuProgramm"};
  forms::Menu logout{window, "mnuLogOut", file};
  logout.SetShortcut("Ctrl+L");
  logout.Click = [&] { events.push_back("logout"); };
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
  add.Click = [&] { events.push_back("add"); };
  remove.Click = [&] { events.push_back("delete"); };
  remove.SetEnabled(false);
  program.platform.QueuePopupChoice("mnuDelete");
  window.PopupMenu(options);
  program.platform.QueuePopupChoice("mnuAdd");
  window.PopupMenu(options);
  window.PopupMenu(options);
  EXPECT_EQ(events, (std::vector<std::string>{"logout", "add"}));
  EXPECT_EQ(program.platform.PopupMenus().size(), 3u);
}

TEST_F(Controls, ControlArraysNameTheirElementsByIndex) {
  forms::ControlArray<forms::OptionButton> opt{window, "opt_Info", 1, 5};
  opt.ForEach([&](int i, forms::OptionButton& o) {
    o.Click = [this, i] { events.push_back(std::to_string(i)); };
  });
  opt(3).UserClick();
  EXPECT_EQ(window.FindControl("opt_Info", 3), &opt(3));
  EXPECT_THROW(opt(6), forms::Error);
  EXPECT_EQ(events, (std::vector<std::string>{"3"}));
}

}  // namespace
