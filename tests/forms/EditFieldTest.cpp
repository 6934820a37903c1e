// Editing in a text box or a combo box's edit field as a user does it: caret keys, selections,
// typing over a selection, Delete and Backspace, paste going through the same checks as typing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestWindow.h"
#include "text/Utf8.h"

namespace {

using forms::CaretMove;

// What the field shows after a sequence: its text and "[selected]" or "|" at the caret.
std::string Picture(const forms::EditField& field) {
  std::string shown = field.Text();
  auto at = [&shown](int position) {
    return text::Offset(shown, static_cast<std::size_t>(position));
  };
  if (field.SelLength() == 0) return shown.insert(at(field.SelStart()), "|");
  shown.insert(at(field.SelStart() + field.SelLength()), "]");
  return shown.insert(at(field.SelStart()), "[");
}

class Editing : public ::testing::Test {
 protected:
  Editing() {
    window.Show();
    txt.Change = [this] { ++changes; };
  }

  Program program;
  TestWindow window{program.rt, "frmTest", program.journal};
  forms::TextBox txt{window, "txt"};
  int changes = 0;
};

// The Qt tests type, click and drag in the middle of a text; these are the finer points.
TEST_F(Editing, SelectionsGrowShrinkAndCollapseAsOnWindows) {
  txt.SetText("Urlaub");
  txt.UserDelete();
  EXPECT_EQ(Picture(txt), "Urlaub|") << "Delete at the end removes nothing";
  txt.UserPlaceCaret(4, false);
  txt.UserMoveCaret(CaretMove::Home, true);
  txt.UserMoveCaret(CaretMove::Right, true);
  EXPECT_EQ(Picture(txt), "U[rla]ub") << "Shift+Home from the middle, Shift+Right shrinks it";
  txt.UserSelectAll();
  txt.UserMoveCaret(CaretMove::Left, false);
  EXPECT_EQ(Picture(txt), "|Urlaub") << "Left on a selection goes to its start";
  txt.UserPlaceCaret(3, true);
  txt.UserKey(forms::vbKeyBack);
  EXPECT_EQ(Picture(txt), "|aub") << "Backspace removes the selection only";
}

TEST_F(Editing, WordsAndLinesMoveTheCaretInWholeSteps) {
  txt.SetText("Kur in Bad Ems");
  txt.UserMoveCaret(CaretMove::WordLeft, false);
  EXPECT_EQ(Picture(txt), "Kur in Bad |Ems");
  txt.UserMoveCaret(CaretMove::WordLeft, true);
  EXPECT_EQ(Picture(txt), "Kur in [Bad ]Ems");
  txt.UserSelectWord(5);
  EXPECT_EQ(Picture(txt), "Kur [in] Bad Ems");

  forms::TextBox area{window, "area"};
  area.SetMultiLine(true);
  area.UserType("eins");
  area.UserKey(forms::vbKeyReturn);
  area.UserType("zwei");
  EXPECT_EQ(area.Text(), "eins\r\nzwei");
  area.UserMoveCaret(CaretMove::Home, false);
  area.UserMoveCaret(CaretMove::Left, false);
  EXPECT_EQ(area.SelStart(), 4) << "one step over the line break";
  area.UserMoveCaret(CaretMove::Home, true);
  EXPECT_EQ(area.SelText(), "eins");
  area.UserMoveCaret(CaretMove::TextEnd, false);
  area.UserMoveCaret(CaretMove::Home, false);
  area.UserKey(forms::vbKeyBack);
  EXPECT_EQ(area.Text(), "einszwei") << "Backspace takes the whole line break";
}

TEST_F(Editing, PasteGoesKeyByKeyThroughKeyPressAndMaxLengthWithOneChange) {
  std::vector<int> keys;
  txt.KeyPress = [&keys](int& key) {
    keys.push_back(key);
    if (key < '0' || key > '9') key = 0;  // a digits-only field
  };
  txt.SetMaxLength(5);
  txt.SetText("12");
  txt.SetText("12");  // the same text again raises no Change
  EXPECT_EQ(changes, 1);
  txt.UserMoveCaret(CaretMove::Home, false);
  txt.UserPaste("3a4\r\n56789");
  EXPECT_EQ(Picture(txt), "34|12") << "the first line only, the letter refused";
  EXPECT_EQ(keys, (std::vector<int>{'3', 'a', '4'}));
  EXPECT_EQ(changes, 2);
  txt.UserSelectAll();
  txt.UserPaste("9876543");
  EXPECT_EQ(Picture(txt), "98765|") << "MaxLength cuts what is pasted over a selection";
  txt.UserSelectAll();
  txt.UserPaste("xy");
  EXPECT_EQ(txt.Text(), "98765") << "nothing accepted leaves the selection standing";
  std::string offered;
  txt.BeforePaste = [&offered](const std::string& result, bool& cancel) {
    offered = result;
    cancel = true;  // a number field refusing "12.5" as a whole
  };
  txt.UserPlaceCaret(2, false);
  txt.UserPaste("1");
  EXPECT_EQ(offered, "981765");
  EXPECT_EQ(txt.Text(), "98765") << "a refused paste changes nothing";
  EXPECT_EQ(changes, 3);
}

TEST_F(Editing, LockedAndMaskedFieldsMoveTheCaretButGiveNothingAway) {
  txt.SetText("geheim");
  txt.SetLocked(true);
  txt.UserMoveCaret(CaretMove::Home, false);
  txt.UserDelete();
  txt.UserPaste("x");
  txt.UserKey(forms::vbKeyBack);
  txt.UserMoveCaret(CaretMove::End, true);
  EXPECT_EQ(txt.UserCut(), "");
  EXPECT_EQ(Picture(txt), "[geheim]");
  EXPECT_EQ(txt.CopyText(), "geheim");
  txt.SetLocked(false);
  txt.SetPasswordChar("#");
  EXPECT_EQ(txt.CopyText(), "");
  EXPECT_EQ(txt.UserCut(), "");
  EXPECT_EQ(txt.Text(), "geheim");
  txt.SetPasswordChar("");
  EXPECT_EQ(txt.UserCut(), "geheim");
  txt.SetMaxLength(3);  // in characters
  txt.UserType("Jörg");
  EXPECT_EQ(txt.Text(), "Jör");
}

// Typing, pasting and deleting in a combo box's edit field raise Change, never Click, and leave
// the list; so does a text set by code.
TEST_F(Editing, AComboEditFieldEditsLikeATextBoxAndLeavesTheList) {
  forms::ComboBox cmb{window, "cmb"};
  cmb.AddItem("Kur in Bad Ems");
  cmb.SetListIndex(0);
  std::vector<std::string> events;
  cmb.Click = [&] { events.push_back("Click"); };
  cmb.Change = [&] { events.push_back("Change:" + cmb.Text()); };
  cmb.UserType("!");
  EXPECT_EQ(cmb.ListIndex(), -1);
  cmb.UserMoveCaret(CaretMove::WordLeft, false);
  cmb.UserMoveCaret(CaretMove::End, true);
  cmb.UserPaste("Bad Tölz");
  cmb.UserPlaceCaret(0, false);
  cmb.UserDelete();
  EXPECT_EQ(Picture(cmb), "|ur in Bad Bad Tölz");
  cmb.SetText("Urlaub");
  EXPECT_EQ(events,
            (std::vector<std::string>{"Change:Kur in Bad Ems!", "Change:Kur in Bad Bad Tölz",
                                      "Change:ur in Bad Bad Tölz", "Change:Urlaub"}));

  forms::ComboBox list{window, "list"};
  list.SetStyle(forms::vbComboDropdownList);
  list.AddItem("Januar");
  list.SetListIndex(0);
  list.UserPaste("x");
  list.UserDelete();
  EXPECT_EQ(list.Text(), "Januar");
  EXPECT_EQ(list.ListIndex(), 0);
}

}  // namespace
