// Where windows open on a 1024x768 screen: centred over the window that opened them, the first on
// the screen, always wholly on the screen, and the main window with its info panel in full.
#include <gtest/gtest.h>

#include <QPainter>
#include <QScreen>
#include <memory>

#include "QtProgram.h"
#include "forms/Forms.h"

namespace {

using mvtest::QtProgram;

// The outer rectangle as the runtime counts it, frame and title bar included.
QRect Outer(const forms::Form& form) {
  return {form.Left() / 15, form.Top() / 15, form.Width() / 15, form.Height() / 15};
}

QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

TEST_F(QtProgram, TheLoginOpensCentredAndTheMainWindowFitsA1024x768Screen) {
  mv::frmLogin& login = Start();
  ASSERT_EQ(Screen().size(), mvtest::kScreen);
  EXPECT_EQ(Outer(login).center(), Screen().center());
  EXPECT_EQ(platform.WindowOf(login)->pos(), Outer(login).topLeft());

  mv::frmKalender& main = LogInOn(login);
  const QRect outer = Outer(main);
  EXPECT_TRUE(Screen().contains(outer))
      << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height();
  QWidget* window = platform.WindowOf(main);
  EXPECT_EQ(window->pos(), outer.topLeft());
  for (const forms::Control* panel : {static_cast<const forms::Control*>(&main.fmInfo),
                                      static_cast<const forms::Control*>(&main.fmNote)}) {
    const QWidget* widget = platform.WidgetOf(*panel);
    const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    EXPECT_TRUE(
        window->rect().contains(widget->geometry().translated(widget->parentWidget()->pos())))
        << panel->Name() << " is cut off by the window";
    EXPECT_TRUE(Screen().contains(onScreen)) << panel->Name();
  }

  // The screen as the user sees it, with a plain frame where the window manager draws its own.
  QImage screen(mvtest::kScreen, QImage::Format_RGB32);
  screen.fill(Qt::black);
  QPainter painter(&screen);
  painter.fillRect(outer, QColor(0, 0, 128));
  painter.setPen(Qt::white);
  const int border = (outer.width() - window->width()) / 2;
  const int caption = outer.height() - window->height() - 2 * border;
  painter.drawText(QRect(outer.x() + 8, outer.y() + border, outer.width() - 16, caption),
                   Qt::AlignVCenter, window->windowTitle());
  painter.drawPixmap(outer.topLeft() + QPoint(border, border + caption), window->grab());
  painter.end();
  screen.save(QStringLiteral(MV_ARTIFACTS_DIR "/main_1024x768.png"));
}

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

class QtPlacement : public testing::Test {
 protected:
  QtPlacement() : rt(platform) { platform.Attach(rt); }
  ~QtPlacement() override {
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) (*it)->Unload();
  }
  SizedForm& Open(int left, int top, int width, int height) {
    forms.push_back(std::make_unique<SizedForm>(rt, names[forms.size()], left, top, width, height));
    forms.back()->Show();
    mvtest::Pump();
    return *forms.back();
  }

  mvtest::AnsweringPlatform platform;
  forms::Runtime rt;
  const char* names[3] = {"frmFirst", "frmSecond", "frmThird"};
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
}

TEST_F(QtPlacement, AWindowLargerThanTheScreenKeepsItsTopLeftVisible) {
  SizedForm& large = Open(3000, 3000, 20000, 15000);
  EXPECT_EQ(Outer(large).topLeft(), Screen().topLeft());
  // Its controls reach beyond the screen: it gives up its empty room, but cuts none of them.
  EXPECT_LT(Outer(large).width(), 20000 / 15);
  EXPECT_GT(Outer(large).width(), Screen().width());
  QWidget* window = platform.WindowOf(large);
  const QWidget* edge = platform.WidgetOf(large.edge);
  EXPECT_TRUE(window->rect().contains(QRect(edge->mapTo(window, QPoint(0, 0)), edge->size())));
}

}  // namespace
