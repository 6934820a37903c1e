// Tab strips, sliders, progress bars, option groups, pop-up menus and the busy pointer on the Qt
// platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class ControlsForm : public forms::Form {
 public:
  explicit ControlsForm(forms::Runtime& rt) : forms::Form(rt, "frmControls") {
    Move(0, 0, 9000, 6000);
    tabs.Move(120, 120, 6000, 1500);
    tabs.AddTab("Urlaub");
    tabs.AddTab("Krank");
    tabs.AddTab("Sonstiges");
    sld.Move(120, 1800, 3000, 450);
    sld.SetMin(1);
    sld.SetMax(30);
    sld.SetValue(10);
    prg.Move(120, 2400, 3000, 255);
    fra.Move(3300, 1800, 2400, 1500);
    optA.Move(120, 300, 2000, 255);
    optB.Move(120, 600, 2000, 255);
    mnuPopup.SetVisible(false);
    mnuSelect.SetCaption("Auswählen");
    mnuDelete.SetCaption("Löschen");
    tabs.Click = [this] { ++tabClicks; };
    sld.Change = [this] { ++sliderChanges; };
    mnuDelete.Click = [this] { ++deletes; };
  }
  forms::TabStrip tabs{*this, "tabs"};
  forms::Slider sld{*this, "sld"};
  forms::ProgressBar prg{*this, "prg"};
  forms::Frame fra{*this, "fra"};
  forms::OptionButton optA{*this, "optA", fra};
  forms::OptionButton optB{*this, "optB", fra};
  forms::Menu mnuPopup{*this, "mnuPopup"};
  forms::Menu mnuSelect{*this, "mnuSelect", mnuPopup};
  forms::Menu mnuDelete{*this, "mnuDelete", mnuPopup};
  int tabClicks = 0;
  int sliderChanges = 0;
  int deletes = 0;
};

class QtControls : public testing::Test {
 protected:
  QtControls() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<ControlsForm>(rt);
    form->Show();
    mvtest::Pump();
  }
  ~QtControls() override { form->Unload(); }

  template <class W>
  W* Widget(const forms::Control& control) {
    return static_cast<W*>(platform.WidgetOf(control));
  }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<ControlsForm> form;
};

TEST_F(QtControls, AClickOnATabChoosesIt) {
  auto* bar = Widget<QWidget>(form->tabs)->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->count(), 3);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  EXPECT_EQ(form->tabs.SelectedIndex(), 3);
  EXPECT_EQ(form->tabClicks, 1);
  form->tabs.SetSelectedIndex(1);
  EXPECT_EQ(bar->currentIndex(), 0);
}

TEST_F(QtControls, MovingTheSliderByKeysChangesItsValue) {
  auto* slider = Widget<QSlider>(form->sld);
  EXPECT_EQ(slider->value(), 10);
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Right);
  EXPECT_EQ(form->sld.Value(), 11);
  EXPECT_EQ(form->sliderChanges, 1);
  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(form->sld.Value(), 30);
}

TEST_F(QtControls, TheProgressBarShowsTheShareDone) {
  form->prg.SetMax(40);
  form->prg.SetValue(10);
  auto* bar = Widget<QProgressBar>(form->prg);
  EXPECT_EQ(bar->value() * 4, bar->maximum());
}

TEST_F(QtControls, OptionButtonsOfAFrameShowTheRuntimesGroup) {
  QTest::mouseClick(Widget<QRadioButton>(form->optA), Qt::LeftButton);
  QTest::mouseClick(Widget<QRadioButton>(form->optB), Qt::LeftButton);
  EXPECT_FALSE(form->optA.Value());
  EXPECT_TRUE(form->optB.Value());
  EXPECT_FALSE(Widget<QRadioButton>(form->optA)->isChecked());
  EXPECT_TRUE(Widget<QRadioButton>(form->optB)->isChecked());
  EXPECT_EQ(Widget<QRadioButton>(form->optA)->parentWidget(), platform.WidgetOf(form->fra));
}

TEST_F(QtControls, APopupMenuRunsTheChosenEntry) {
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

TEST_F(QtControls, TheBusyPointerShowsWhileTheProgramWorks) {
  rt.Windows().SetMousePointer(forms::vbHourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  rt.Windows().SetMousePointer(forms::vbDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
