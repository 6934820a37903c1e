// Message boxes without an icon show their whole prompt, short or long, on one line or several.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class PromptForm : public forms::Form {
 public:
  explicit PromptForm(forms::Runtime& rt) : forms::Form(rt, "frmPrompt") {
    Move(0, 0, 6000, 3000);
    ask.Move(120, 120, 3000, 375);
    ask.Click = [this] { MsgBox(prompt, forms::vbOKOnly); };
  }
  forms::CommandButton ask{*this, "ask"};
  std::string prompt;
};

class QtMessageBoxText : public testing::TestWithParam<const char*> {
 protected:
  QtMessageBoxText() : rt(platform) {
    platform.Attach(rt);
    form = std::make_unique<PromptForm>(rt);
    form->Show();
    mvtest::Pump();
  }
  ~QtMessageBoxText() override { form->Unload(); }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  std::unique_ptr<PromptForm> form;
};

TEST_P(QtMessageBoxText, ShowsTheWholePrompt) {
  form->prompt = GetParam();
  QSize need;
  QSize room;
  bool inside = false;
  platform.LookAtNextBox([&](QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    room = label->size();
    need = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width()))
                             : label->sizeHint();
    inside = box.rect().contains(QRect(label->mapTo(&box, QPoint()), label->size()));
  });
  QTest::mouseClick(platform.WidgetOf(form->ask), Qt::LeftButton);
  mvtest::Pump();
  ASSERT_EQ(platform.Shown().size(), 1u);
  EXPECT_LE(need.width(), room.width());
  EXPECT_LE(need.height(), room.height());
  EXPECT_TRUE(inside);
}

INSTANTIATE_TEST_SUITE_P(
    Prompts, QtMessageBoxText,
    testing::Values("OK?", "Bitte mindestens einen Monat auswählen!",
                    "Please select at least one team / group!",
                    "Die gewählten Tage überschreiten die maximale Anzahl gleichzeitig abwesender "
                    "Mitarbeiter dieses Teams. Trotzdem eintragen?",
                    "Erste Zeile\rZweite Zeile, etwas länger als die erste\rDritte"));

}  // namespace
