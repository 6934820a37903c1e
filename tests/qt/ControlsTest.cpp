// Windows and controls on the Qt platform mirror the runtime (placed by twips and on the screen,
// captions, colours, groups, the close box) and hand the user's keys and clicks back to it.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <cctype>

#include "QtTestSupport.h"

namespace {

using mvtest::Outer;
using mvtest::Screen;

class TestForm : public forms::Form {
 public:
  explicit TestForm(forms::Runtime& rt) : forms::Form(rt, "frmTest") {
    Move(1500, 1500, 9000, 6000);
    SetCaption("Test");
    mnuFile.SetCaption("Datei");
    mnuOpen.SetCaption("Öffnen");
    mnuOpen.SetShortcut("Ctrl+O");
    lbl.Move(150, 300, 1500, 255);
    txt.Move(1800, 255, 2000, 315);
    cmd.Move(1800, 900, 1215, 375);
    chk.Move(150, 900, 1500, 255);
    cmb.Move(150, 1500, 1500, 315);
    for (const char* entry : {"Urlaub", "Krank", "Sonstiges"}) {
      cmb.AddItem(entry);
      tabs.AddTab(entry);
    }
    cmb.SetStyle(forms::vbComboDropdownList);
    tabs.Move(120, 2700, 6000, 1200);
    fra.Move(4200, 255, 2400, 1500);
    optA.Move(120, 300, 2000, 255);
    optB.Move(120, 600, 2000, 255);
    txt.GotFocus = [this] { txt.SetBackColor(forms::vbYellow); };
    txt.LostFocus = [this] { txt.SetBackColor(forms::vbWhite); };
    cmd.Click = [this] { ++clicks; };
    mnuOpen.Click = [this] { ++opened; };
  }
  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuOpen{*this, "mnuOpen", mnuFile};
  forms::Label lbl{*this, "lbl"};
  forms::TextBox txt{*this, "txt"};
  forms::CommandButton cmd{*this, "cmd"};
  forms::CheckBox chk{*this, "chk"};
  forms::ComboBox cmb{*this, "cmb"};
  forms::TabStrip tabs{*this, "tabs"};
  forms::Frame fra{*this, "fra"};
  forms::OptionButton optA{*this, "optA", fra};
  forms::OptionButton optB{*this, "optB", fra};
  int clicks = 0;
  int opened = 0;
};

using QtControls = mvtest::QtFormTest<TestForm>;

// Keys reach the runtime, also those Qt composes; what a KeyPress handler makes of them shows. A
// menu shortcut clicks its entry instead of typing, while the entry is enabled; a disabled window
// takes no input at all.
TEST_F(QtControls, TheWindowFollowsTheRuntimeAndHandsItKeysAndMenuShortcuts) {
  QWidget* window = Window();
  // The outer size holds frame and title bar; the client area starts below the menu bar.
  EXPECT_EQ(window->size(), QSize(600 - 8, 400 - 34));
  EXPECT_EQ(Widget(form->txt)->mapTo(window, QPoint()),
            QPoint(120, window->findChild<QMenuBar*>()->height() + 17));
  EXPECT_EQ(Widget(form->lbl)->geometry(), QRect(10, 20, 100, 17));
  form->lbl.SetForeColor(forms::RGB(0, 0x40, 0xC0));
  EXPECT_EQ(Widget(form->lbl)->palette().color(QPalette::WindowText), QColor(0, 0x40, 0xC0));

  auto* edit = Widget<QLineEdit>(form->txt);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ß"));
  QApplication::sendEvent(edit, &composed);
  EXPECT_EQ(form->txt.Text(), "ß");
  form->txt.SetText("");
  form->txt.KeyPress = [](int& key) {
    if (key == '#') key = 0;
    if (key >= 'a' && key <= 'z') key = std::toupper(key);
  };
  QTest::keyClicks(edit, "ab#cd");
  EXPECT_EQ(edit->text(), QStringLiteral("ABCD"));
  // The selection and the caret show where the runtime has them.
  QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("ABCD"));
  QTest::keyClick(edit, Qt::Key_Right);
  EXPECT_EQ(edit->cursorPosition(), 4);

  QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->opened, 1);
  form->mnuOpen.SetEnabled(false);
  QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->opened, 1);

  form->mnuOpen.SetEnabled(true);
  form->SetEnabled(false);
  QTest::mouseClick(Widget(form->cmd), Qt::LeftButton);
  QTest::keyClicks(edit, "abc");
  QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->opened, 1);
  EXPECT_EQ(form->txt.Text(), "ABCD");
}

// Qt moves the focus away from a button its own Click disables; that move is no user input.
TEST_F(QtControls, FocusFromTheMouseIsTheRuntimesAndAFailureIsShown) {
  form->cmd.SetFocus();
  mvtest::Pump();
  EXPECT_EQ(QApplication::focusWidget(), Widget(form->cmd));
  QTest::mouseClick(Widget(form->txt), Qt::LeftButton);
  QTest::mouseClick(Widget(form->chk), Qt::LeftButton);
  EXPECT_EQ(form->txt.BackColor(), forms::vbWhite);
  EXPECT_EQ(form->chk.Value(), forms::vbChecked);

  form->cmd.Click = [this] { form->cmd.SetEnabled(false); };
  QTest::mouseClick(Widget(form->cmd), Qt::LeftButton);
  EXPECT_EQ(form->ActiveControl(), &form->cmd);

  form->cmd.SetEnabled(true);
  form->cmd.Click = [] { throw forms::Error("Ungültiger Prozeduraufruf"); };
  QTest::mouseClick(Widget(form->cmd), Qt::LeftButton);
  ASSERT_EQ(platform.Shown().size(), 1u);
  mvtest::Pump();
  EXPECT_EQ(QApplication::activeWindow(), Window()) << "the box hands the focus back";
  EXPECT_EQ(QApplication::focusWidget(), Widget(form->cmd));
  QTest::keyClicks(Widget(form->txt), "weiter");
  EXPECT_EQ(form->txt.Text(), "weiter");
}

TEST_F(QtControls, CombosTabsAndOptionButtonsAreTheRuntimes) {
  auto* combo = Widget<QComboBox>(form->cmb);
  combo->setFocus();
  int typed = 0;
  form->cmb.KeyPress = [&typed](int& key) { typed = key; };
  QTest::keyClick(combo, Qt::Key_S);
  EXPECT_EQ(typed, 's');

  auto* bar = Widget(form->tabs)->findChild<QTabBar*>();
  form->tabs.SetSelectedIndex(1);
  form->tabs.SetTabCaption(2, "Kur");
  EXPECT_EQ(bar->currentIndex(), 0);
  EXPECT_EQ(bar->tabText(1), QStringLiteral("Kur"));

  auto& a = *Widget<QRadioButton>(form->optA);
  auto& b = *Widget<QRadioButton>(form->optB);
  QTest::mouseClick(&a, Qt::LeftButton);
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_TRUE(b.isChecked());
}

TEST_F(QtControls, TheCloseBoxClosesOnlyWhenTheWindowHasOne) {
  form->SetControlBox(false);
  EXPECT_FALSE(Window()->windowFlags() & Qt::WindowCloseButtonHint);
  Window()->close();
  EXPECT_TRUE(form->IsLoaded());
  form->SetControlBox(true);
  Window()->close();
  EXPECT_FALSE(form->IsLoaded());
}

// Where windows open on a 1024x768 screen: centred over the window that opened them, the first on
// the screen, always wholly on the screen, and one larger than the screen with its top left shown.
TEST_F(QtControls, AWindowOpensCentredOverItsOpenerAndStaysOnTheScreen) {
  EXPECT_EQ(Outer(*form).center(), Screen().center());
  const auto open = [](forms::Form& window, int left, int top, int width, int height) {
    window.Move(left, top, width, height);
    window.SetBorderStyle(1);
    window.Show();
    mvtest::Pump();
  };
  forms::Form second(rt, "frmSecond"), large(rt, "frmLarge");
  form->Move(600, 300, 9000, 6000);  // code may still place an open window
  open(second, 9000, 9000, 3000, 1500);
  EXPECT_EQ(Outer(second).center(), Outer(*form).center());

  form->Move(14000, 9000, 9000, 6000);  // half off the screen: pulled back
  EXPECT_EQ(Outer(*form).bottomRight(), Screen().bottomRight());

  // Larger than the screen: its top left shows; it gives up its empty room but cuts no control.
  forms::Label edge(large, "edge");  // the right- and bottom-most control
  edge.Move(20000 - 1200, 15000 - 1200, 600, 300);
  open(large, 3000, 3000, 20000, 15000);
  EXPECT_EQ(Outer(large).topLeft(), Screen().topLeft());
  EXPECT_LT(Outer(large).width(), 20000 / 15);
  QWidget* window = platform.WindowOf(large);
  const QWidget* shown = platform.WidgetOf(edge);
  EXPECT_TRUE(window->rect().contains(QRect(shown->mapTo(window, QPoint()), shown->size())));
  for (forms::Form* opened : {&large, &second}) opened->Unload();
}

}  // namespace
