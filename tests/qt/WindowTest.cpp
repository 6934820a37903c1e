// QtWindows and controls mirror the runtime (placed by twips, captions, colours, close box) and
// hand the user's keys and clicks back to it (typing through KeyPress, Enter, menu shortcuts,
// disabled windows).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <cctype>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class TestForm : public forms::Form {
 public:
  explicit TestForm(forms::Runtime& rt) : forms::Form(rt, "frmTest") {
    Move(1500, 1500, 6000, 4500);
    SetCaption("Test");
    mnuFile.SetCaption("Datei");
    mnuOpen.SetCaption("Öffnen");
    mnuOpen.SetShortcut("Ctrl+O");
    lbl.Move(150, 300, 1500, 255);
    txt.Move(1800, 255, 2000, 315);
    cmd.Move(1800, 900, 1215, 375);
    chk.Move(150, 900, 1500, 255);
    cmb.Move(150, 1500, 1500, 315);
    lst.Move(1800, 1500, 1500, 1000);
    for (const char* entry : {"Urlaub", "Krank", "Sonstiges"}) {
      cmb.AddItem(entry);
      lst.AddItem(entry);
    }
    cmb.SetStyle(forms::vbComboDropdownList);
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
  forms::ListBox lst{*this, "lst"};
  int clicks = 0;
  int opened = 0;
};

class QtWindows : public testing::Test {
 protected:
  QtWindows() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<TestForm>(rt);
    form->Show();
    mvtest::Pump();
  }
  ~QtWindows() override { form->Unload(); }

  template <class W>
  W* Widget(const forms::Control& control) {
    return static_cast<W*>(platform.WidgetOf(control));
  }
  QWidget* Window() { return platform.WindowOf(*form); }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<TestForm> form;
};

TEST_F(QtWindows, AWindowAndItsControlsArePlacedByTwips) {
  QWidget* window = Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Test"));
  // The first window opens centred on the screen.
  EXPECT_EQ(window->pos(),
            QPoint((mvtest::kScreen.width() - 400) / 2, (mvtest::kScreen.height() - 300) / 2));
  EXPECT_EQ(window->size(), QSize(400 - 8, 300 - 34));  // the outer size holds frame and title bar
  EXPECT_EQ(Widget<QLabel>(form->lbl)->geometry(), QRect(10, 20, 100, 17));
  EXPECT_EQ(Widget<QLineEdit>(form->txt)->geometry(), QRect(120, 17, 133, 21));
  // The client area starts below the menu bar.
  EXPECT_EQ(Widget<QLabel>(form->lbl)->mapTo(window, QPoint(0, 0)).y(),
            window->findChild<QMenuBar*>()->height() + 20);
}

TEST_F(QtWindows, CaptionsBreakAtCarriageReturnsAndColoursFollowTheRuntime) {
  form->lbl.SetCaption("Erste\rZweite");
  form->txt.SetBackColor(forms::vbYellow);
  form->lbl.SetForeColor(forms::RGB(0, 0x40, 0xC0));
  EXPECT_EQ(Widget<QLabel>(form->lbl)->text(), QStringLiteral("Erste\nZweite"));
  EXPECT_EQ(Widget<QLineEdit>(form->txt)->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(Widget<QLabel>(form->lbl)->palette().color(QPalette::WindowText),
            QColor(0, 0x40, 0xC0));
  form->lbl.SetVisible(false);
  EXPECT_TRUE(Widget<QLabel>(form->lbl)->isHidden());
}

TEST_F(QtWindows, TypedKeysGoThroughKeyPressAndTheMaskIsShown) {
  form->txt.KeyPress = [](int& key) {
    if (key == '#') key = 0;
    if (key >= 'a' && key <= 'z') key = std::toupper(key);
  };
  auto* edit = Widget<QLineEdit>(form->txt);
  QTest::keyClicks(edit, "ab#cd");
  EXPECT_EQ(form->txt.Text(), "ABCD");
  EXPECT_EQ(edit->text(), QStringLiteral("ABCD"));
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(form->txt.Text(), "AD");
  form->txt.SetPasswordChar("#");
  EXPECT_EQ(edit->text(), QStringLiteral("##"));
}

TEST_F(QtWindows, KeysBeyondAsciiAndComposedCharactersAreTyped) {
  auto* edit = Widget<QLineEdit>(form->txt);
  QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Udiaeresis, Qt::NoModifier, QStringLiteral("ü"));
  QApplication::sendEvent(edit, &umlaut);
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("ß"));
  QApplication::sendEvent(edit, &composed);
  EXPECT_EQ(form->txt.Text(), "üß");
}

TEST_F(QtWindows, AFailureInAHandlerIsShownAndTheProgramGoesOn) {
  form->cmd.Click = [] { throw forms::Error("Ungültiger Prozeduraufruf"); };
  QTest::mouseClick(Widget<QPushButton>(form->cmd), Qt::LeftButton);
  ASSERT_EQ(platform.Shown().size(), 1u);
  EXPECT_EQ(platform.Shown()[0].Text, QStringLiteral("Ungültiger Prozeduraufruf"));
  EXPECT_EQ(platform.Shown()[0].Icon, QMessageBox::Critical);
  QTest::keyClicks(Widget<QLineEdit>(form->txt), "weiter");
  EXPECT_EQ(form->txt.Text(), "weiter");
}

TEST_F(QtWindows, FocusFromTheMouseRaisesGotFocusAndLostFocus) {
  form->cmd.SetFocus();
  mvtest::Pump();
  QTest::mouseClick(Widget<QLineEdit>(form->txt), Qt::LeftButton);
  EXPECT_EQ(form->ActiveControl(), &form->txt);
  EXPECT_EQ(form->txt.BackColor(), forms::vbYellow);
  QTest::mouseClick(Widget<QCheckBox>(form->chk), Qt::LeftButton);
  EXPECT_EQ(form->txt.BackColor(), forms::vbWhite);
  EXPECT_EQ(form->chk.Value(), forms::vbChecked);
}

TEST_F(QtWindows, FocusQtMovesAwayFromAControlTheCodeDisabledIsNoUserInput) {
  int chkFocus = 0;
  form->chk.GotFocus = [&chkFocus] { ++chkFocus; };
  form->cmd.Click = [this] { form->cmd.SetEnabled(false); };
  QTest::mouseClick(Widget<QPushButton>(form->cmd), Qt::LeftButton);
  EXPECT_EQ(form->ActiveControl(), &form->cmd);
  EXPECT_EQ(chkFocus, 0);
}

TEST_F(QtWindows, EnterClicksTheDefaultButtonAndButtonsClickByMouse) {
  form->cmd.SetDefault(true);
  QTest::keyClick(Widget<QLineEdit>(form->txt), Qt::Key_Return);
  EXPECT_EQ(form->clicks, 1);
  QTest::mouseClick(Widget<QPushButton>(form->cmd), Qt::LeftButton);
  EXPECT_EQ(form->clicks, 2);
}

TEST_F(QtWindows, ListChoicesAreTheRuntimesSelection) {
  int comboClicks = 0;
  form->cmb.Click = [&comboClicks] { ++comboClicks; };
  auto* combo = Widget<QComboBox>(form->cmb);
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(form->cmb.ListIndex(), 0);
  EXPECT_EQ(comboClicks, 1);
  form->cmb.SetListIndex(2);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Sonstiges"));

  auto* list = Widget<QListWidget>(form->lst);
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(form->lst.ListIndex(), 1);
  EXPECT_TRUE(list->item(1)->isSelected());
  form->lst.RemoveItem(0);
  EXPECT_EQ(list->count(), 2);
  EXPECT_TRUE(list->item(0)->isSelected());
}

TEST_F(QtWindows, AMenuShortcutClicksItsEntryInsteadOfTyping) {
  auto* edit = Widget<QLineEdit>(form->txt);
  QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->opened, 1);
  EXPECT_EQ(form->txt.Text(), "");
  form->mnuOpen.SetEnabled(false);
  QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->opened, 1);
}

TEST_F(QtWindows, ADisabledWindowTakesNoInput) {
  form->SetEnabled(false);
  QTest::mouseClick(Widget<QPushButton>(form->cmd), Qt::LeftButton);
  QTest::keyClicks(Widget<QLineEdit>(form->txt), "abc");
  QTest::keyClick(Widget<QLineEdit>(form->txt), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->clicks, 0);
  EXPECT_EQ(form->opened, 0);
  EXPECT_EQ(form->txt.Text(), "");
}

TEST_F(QtWindows, TheCloseBoxUnloadsTheFormOnlyWhenItHasOne) {
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

TEST_F(QtWindows, HidingAndShowingFollowTheRuntime) {
  form->Hide();
  EXPECT_FALSE(Window()->isVisible());
  form->Show();
  EXPECT_TRUE(Window()->isVisible());
}

}  // namespace
