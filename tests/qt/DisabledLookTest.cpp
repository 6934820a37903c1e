// Disabled controls look disabled on the Qt platform, the option button's circle as well as its
// caption.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QStyle>
#include <memory>

#include "QtTestSupport.h"
#include "forms/Forms.h"

namespace {

class OptionsForm : public forms::Form {
 public:
  explicit OptionsForm(forms::Runtime& rt) : forms::Form(rt, "frmOptions") {
    Move(0, 0, 4500, 2000);
    for (forms::OptionButton* option : {&optOn, &optOff}) {
      option->Move(120, option == &optOn ? 120 : 480, 2400, 255);
      option->SetCaption(option == &optOn ? "genehmigen" : "ablehnen");
    }
    optOff.SetEnabled(false);
  }
  forms::OptionButton optOn{*this, "optOn"};
  forms::OptionButton optOff{*this, "optOff"};
};

// The colour in the middle of an option button's circle.
QColor CircleMiddle(QWidget& option) {
  const int size =
      option.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &option);
  const QImage image = option.grab().toImage();
  return image.pixelColor(size / 2 + 1, option.height() / 2);
}

TEST(QtDisabledLook, ADisabledOptionButtonsCircleIsGreyedLikeItsCaption) {
  mvtest::AnsweringPlatform platform;
  forms::Runtime rt(platform);
  platform.Attach(rt);
  OptionsForm form(rt);
  form.Show();
  mvtest::Pump();
  auto& on = *static_cast<QRadioButton*>(platform.WidgetOf(form.optOn));
  auto& off = *static_cast<QRadioButton*>(platform.WidgetOf(form.optOff));
  EXPECT_EQ(CircleMiddle(on), QColor(Qt::white));
  EXPECT_EQ(CircleMiddle(off), off.palette().color(QPalette::Disabled, QPalette::Window))
      << "the circle of a disabled option is filled like the window, as on Windows";
  EXPECT_NE(off.palette().color(QPalette::Disabled, QPalette::WindowText),
            on.palette().color(QPalette::Active, QPalette::WindowText));
  QWidget* window = platform.WindowOf(form);
  mvtest::SaveArtifact(*window, "disabled_option");
  form.Unload();
}

}  // namespace
