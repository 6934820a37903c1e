// Where windows open on a 1024x768 screen: centred over the window that opened them, the first on
// the screen, always wholly on the screen, and one larger than the screen with its top left shown.

#include "QtTestSupport.h"

namespace {

using mvtest::Outer;
using mvtest::Screen;

class SizedForm : public forms::Form {
 public:
  SizedForm(forms::Runtime& rt, const char* name, int left, int top, int width, int height)
      : forms::Form(rt, name) {
    Move(left, top, width, height);
    SetBorderStyle(1);
    edge.Move(width - 1200, height - 1200, 600, 300);
  }
  forms::Label edge{*this, "edge"};  // the right- and bottom-most control
};

class QtPlacement : public mvtest::QtRuntimeTest {
 protected:
  ~QtPlacement() override {
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) (*it)->Unload();
  }
  SizedForm& Open(int left, int top, int width, int height) {
    forms.push_back(std::make_unique<SizedForm>(rt, names[forms.size()], left, top, width, height));
    forms.back()->Show();
    mvtest::Pump();
    return *forms.back();
  }

  const char* names[4] = {"frmFirst", "frmSecond", "frmThird", "frmLarge"};
  std::vector<std::unique_ptr<SizedForm>> forms;
};

TEST_F(QtPlacement, AWindowOpensCentredOverItsOpenerAndStaysOnTheScreen) {
  SizedForm& first = Open(0, 0, 6000, 4500);
  EXPECT_EQ(Outer(first).center(), Screen().center());

  first.Move(600, 300, 6000, 4500);  // code may still place an open window
  SizedForm& second = Open(9000, 9000, 3000, 1500);
  EXPECT_EQ(Outer(second).center(), Outer(first).center());

  first.Move(14000, 9000, 6000, 4500);  // half off the screen: pulled back
  EXPECT_TRUE(Screen().contains(Outer(first)));
  EXPECT_EQ(Outer(first).bottomRight(), Screen().bottomRight());
  EXPECT_EQ(platform.WindowOf(first)->pos(), Outer(first).topLeft());
  SizedForm& third = Open(0, 0, 9000, 6000);
  EXPECT_TRUE(Screen().contains(Outer(third))) << "centred over its opener it would stick out";

  // Larger than the screen: its top left shows; it gives up its empty room but cuts no control.
  SizedForm& large = Open(3000, 3000, 20000, 15000);
  EXPECT_EQ(Outer(large).topLeft(), Screen().topLeft());
  EXPECT_LT(Outer(large).width(), 20000 / 15);
  EXPECT_GT(Outer(large).width(), Screen().width());
  QWidget* window = platform.WindowOf(large);
  const QWidget* edge = platform.WidgetOf(large.edge);
  EXPECT_TRUE(window->rect().contains(QRect(edge->mapTo(window, QPoint(0, 0)), edge->size())));
}

}  // namespace
