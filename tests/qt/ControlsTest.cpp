// Windows and controls on the Qt platform mirror the runtime (placed by twips and on the screen,
// captions, colours, groups, the disabled look, the close box) and hand the user's keys and clicks
// back to it.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
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
    mnuPopup.SetVisible(false);
    mnuSelect.SetCaption("Auswählen");
    mnuDelete.SetCaption("Löschen");
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
    sld.Move(120, 4050, 3000, 450);
    sld.SetMin(1);
    sld.SetMax(30);
    sld.SetValue(10);
    prg.Move(120, 4650, 3000, 255);
    fra.Move(4200, 255, 2400, 1500);
    optA.Move(120, 300, 2000, 255);
    optB.Move(120, 600, 2000, 255);
    optA.SetCaption("genehmigen");
    optB.SetCaption("ablehnen");
    txt.GotFocus = [this] { txt.SetBackColor(forms::vbYellow); };
    txt.LostFocus = [this] { txt.SetBackColor(forms::vbWhite); };
    cmd.Click = [this] { ++clicks; };
    mnuOpen.Click = [this] { ++opened; };
    mnuDelete.Click = [this] { ++deletes; };
  }
  forms::Menu mnuFile{*this, "mnuFile"};
  forms::Menu mnuOpen{*this, "mnuOpen", mnuFile};
  forms::Menu mnuPopup{*this, "mnuPopup"};
  forms::Menu mnuSelect{*this, "mnuSelect", mnuPopup};
  forms::Menu mnuDelete{*this, "mnuDelete", mnuPopup};
  forms::Label lbl{*this, "lbl"};
  forms::TextBox txt{*this, "txt"};
  forms::CommandButton cmd{*this, "cmd"};
  forms::CheckBox chk{*this, "chk"};
  forms::ComboBox cmb{*this, "cmb"};
  forms::TabStrip tabs{*this, "tabs"};
  forms::Slider sld{*this, "sld"};
  forms::ProgressBar prg{*this, "prg"};
  forms::Frame fra{*this, "fra"};
  forms::OptionButton optA{*this, "optA", fra};
  forms::OptionButton optB{*this, "optB", fra};
  int clicks = 0;
  int opened = 0;
  int deletes = 0;
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
  form->lbl.SetCaption("Erste\rZweite");
  form->lbl.SetForeColor(forms::RGB(0, 0x40, 0xC0));
  EXPECT_EQ(Widget<QLabel>(form->lbl)->text(), QStringLiteral("Erste\nZweite"));
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
  EXPECT_EQ(form->clicks, 0);
  EXPECT_EQ(form->opened, 1);
  EXPECT_EQ(form->txt.Text(), "ABCD");
  form->Hide();
  EXPECT_FALSE(window->isVisible());
}

// Qt moves the focus away from a button its own Click disables; that move is no user input.
TEST_F(QtControls, FocusFromTheMouseIsTheRuntimesAndAFailureIsShown) {
  form->cmd.SetFocus();
  mvtest::Pump();
  EXPECT_EQ(QApplication::focusWidget(), Widget(form->cmd));
  QTest::mouseClick(Widget(form->txt), Qt::LeftButton);
  EXPECT_EQ(form->ActiveControl(), &form->txt);
  EXPECT_EQ(form->txt.BackColor(), forms::vbYellow);
  QTest::mouseClick(Widget(form->chk), Qt::LeftButton);
  EXPECT_EQ(form->txt.BackColor(), forms::vbWhite);
  EXPECT_EQ(form->chk.Value(), forms::vbChecked);

  int chkFocus = 0;
  form->chk.GotFocus = [&chkFocus] { ++chkFocus; };
  form->cmd.Click = [this] { form->cmd.SetEnabled(false); };
  QTest::mouseClick(Widget(form->cmd), Qt::LeftButton);
  EXPECT_EQ(form->ActiveControl(), &form->cmd);
  EXPECT_EQ(chkFocus, 0);

  form->cmd.SetEnabled(true);
  form->cmd.Click = [] { throw forms::Error("Ungültiger Prozeduraufruf"); };
  QTest::mouseClick(Widget(form->cmd), Qt::LeftButton);
  ASSERT_EQ(platform.Shown().size(), 1u);
  EXPECT_EQ(platform.Shown()[0].Text, QStringLiteral("Ungültiger Prozeduraufruf"));
  EXPECT_EQ(platform.Shown()[0].Icon, QMessageBox::Critical);
  mvtest::Pump();
  EXPECT_EQ(QApplication::activeWindow(), Window()) << "the box hands the focus back";
  EXPECT_EQ(QApplication::focusWidget(), Widget(form->cmd));
  QTest::keyClicks(Widget(form->txt), "weiter");
  EXPECT_EQ(form->txt.Text(), "weiter");
}

TEST_F(QtControls, CombosTabsSlidersBarsOptionsAndPopupMenusAreTheRuntimes) {
  int comboClicks = 0, tabClicks = 0, sliderChanges = 0;
  form->cmb.Click = [&comboClicks] { ++comboClicks; };
  form->tabs.Click = [&tabClicks] { ++tabClicks; };
  form->sld.Change = [&sliderChanges] { ++sliderChanges; };
  auto* combo = Widget<QComboBox>(form->cmb);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(form->cmb.ListIndex(), 0);
  EXPECT_EQ(comboClicks, 1);
  int typed = 0;
  form->cmb.KeyPress = [&typed](int& key) { typed = key; };
  QTest::keyClick(combo, Qt::Key_S);
  EXPECT_EQ(typed, 's');
  form->cmb.SetListIndex(2);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Sonstiges"));

  auto* bar = Widget(form->tabs)->findChild<QTabBar*>();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  EXPECT_EQ(form->tabs.SelectedIndex(), 3);
  EXPECT_EQ(tabClicks, 1);
  form->tabs.SetSelectedIndex(1);
  form->tabs.SetTabCaption(2, "Kur");
  EXPECT_EQ(bar->currentIndex(), 0);
  EXPECT_EQ(bar->tabText(1), QStringLiteral("Kur"));

  auto* slider = Widget<QSlider>(form->sld);
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(form->sld.Value(), 11);
  EXPECT_EQ(sliderChanges, 1);
  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(form->sld.Value(), 30);

  form->prg.SetMax(40);
  form->prg.SetValue(10);
  auto* progress = Widget<QProgressBar>(form->prg);
  EXPECT_EQ(progress->value() * 4, progress->maximum());

  auto& a = *Widget<QRadioButton>(form->optA);
  auto& b = *Widget<QRadioButton>(form->optB);
  EXPECT_EQ(a.parentWidget(), Widget(form->fra));
  QTest::mouseClick(&a, Qt::LeftButton);
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_FALSE(form->optA.Value());
  EXPECT_FALSE(a.isChecked());
  EXPECT_TRUE(b.isChecked());

  QStringList shown;
  platform.SetModalHook([&shown](QWidget& modal) {
    auto& menu = static_cast<QMenu&>(modal);
    for (QAction* action : menu.actions()) shown << action->text();
    menu.actions().at(1)->trigger();
  });
  form->PopupMenu(form->mnuPopup);
  EXPECT_EQ(shown, (QStringList{QStringLiteral("Auswählen"), QStringLiteral("Löschen")}));
  EXPECT_EQ(form->deletes, 1);
}

TEST_F(QtControls, TheCloseBoxClosesOnlyWhenTheWindowHasOne) {
  form->SetControlBox(false);
  EXPECT_FALSE(Window()->windowFlags() & Qt::WindowCloseButtonHint);
  Window()->close();
  EXPECT_TRUE(form->IsLoaded());
  form->SetControlBox(true);
  EXPECT_TRUE(Window()->windowFlags() & Qt::WindowCloseButtonHint);
  Window()->close();
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(Window(), nullptr);
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
  forms::Form second(rt, "frmSecond"), third(rt, "frmThird"), large(rt, "frmLarge");
  form->Move(600, 300, 9000, 6000);  // code may still place an open window
  open(second, 9000, 9000, 3000, 1500);
  EXPECT_EQ(Outer(second).center(), Outer(*form).center());

  form->Move(14000, 9000, 9000, 6000);  // half off the screen: pulled back
  EXPECT_EQ(Outer(*form).bottomRight(), Screen().bottomRight());
  EXPECT_EQ(Window()->pos(), Outer(*form).topLeft());
  open(third, 0, 0, 9000, 6000);
  EXPECT_TRUE(Screen().contains(Outer(third))) << "centred over its opener it would stick out";

  // Larger than the screen: its top left shows; it gives up its empty room but cuts no control.
  forms::Label edge(large, "edge");  // the right- and bottom-most control
  edge.Move(20000 - 1200, 15000 - 1200, 600, 300);
  open(large, 3000, 3000, 20000, 15000);
  EXPECT_EQ(Outer(large).topLeft(), Screen().topLeft());
  EXPECT_LT(Outer(large).width(), 20000 / 15);
  EXPECT_GT(Outer(large).width(), Screen().width());
  QWidget* window = platform.WindowOf(large);
  const QWidget* shown = platform.WidgetOf(edge);
  EXPECT_TRUE(window->rect().contains(QRect(shown->mapTo(window, QPoint()), shown->size())));
  for (forms::Form* opened : {&large, &third, &second}) opened->Unload();
}

}  // namespace
