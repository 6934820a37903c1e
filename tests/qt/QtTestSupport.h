#pragma once
// The Qt side of the tests: one QApplication (offscreen unless told otherwise), a Qt platform whose
// dialogs are answered by the test, and helpers to drive real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Forms.h"
#include "forms/qt/QtPlatform.h"

namespace mvtest {

// On the offscreen platform (the default) the screen is kScreen.
QApplication& EnsureApp();
inline constexpr QSize kScreen{1024, 768};
// Lets Qt deliver what is pending (activation, painting, queued calls).
void Pump();

struct ShownMessageBox {
  QString Title;
  QString Text;
  QMessageBox::Icon Icon;
  QStringList ButtonTexts;  // as shown, left to right, without their mnemonic marks
};

struct AppFirst {
  AppFirst() { EnsureApp(); }
};

// A Qt platform whose message boxes never block: each shows, is recorded and is answered by the
// next queued button or key (a key must close it), else by its default button. Other dialogs end
// cancelled unless a test sets its own modal hook.
class AnsweringPlatform : private AppFirst, public forms::qt::QtPlatform {
 public:
  AnsweringPlatform();

  void QueueAnswer(QMessageBox::StandardButton button) { answers_.push_back({button, 0}); }
  void QueueKey(Qt::Key key) { answers_.push_back({QMessageBox::NoButton, key}); }
  // Runs on the next box while it shows, before it is answered.
  void LookAtNextBox(std::function<void(QMessageBox&)> look) { look_ = std::move(look); }
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }

 private:
  struct QueuedAnswer {
    QMessageBox::StandardButton Button;
    int Key;
  };
  void Answer(QMessageBox& box);

  std::deque<QueuedAnswer> answers_;
  std::function<void(QMessageBox&)> look_;
  std::vector<ShownMessageBox> shown_;
};

// The outer rectangle of a window as the runtime counts it, frame and title bar included, and the
// screen's room for windows.
inline QRect Outer(const forms::Form& form) {
  return {form.Left() / 15, form.Top() / 15, form.Width() / 15, form.Height() / 15};
}
QRect Screen();

// Keeps a rendering of a window among the build's artifacts (build/artifacts/NAME.png).
void SaveArtifact(QWidget& window, const std::string& name);

// A mouse event at a point of the widget; a move carries no button of its own.
void SendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButtons held,
               Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The point of a line where a click puts the caret before character `position`.
QPoint CaretPoint(QLineEdit& line, int position);
// Presses before one character, moves to another and releases there.
void DragOverText(QLineEdit& line, int from, int to);
// Key by key, also the characters QTest's key names do not reach (umlauts).
void TypeKeys(QWidget& target, const QString& text);

// The runtime on the Qt platform, for the test's own forms.
class QtRuntimeTest : public testing::Test {
 protected:
  QtRuntimeTest() : rt(platform) { platform.Attach(rt); }

  template <class W = QWidget>
  W* Widget(const forms::Control& control) {
    return static_cast<W*>(platform.WidgetOf(control));
  }

  AnsweringPlatform platform;
  forms::Runtime rt;
};

// A form of the test's own, shown.
template <class F>
class QtFormTest : public QtRuntimeTest {
 protected:
  QtFormTest() : form(std::make_unique<F>(rt)) {
    form->Show();
    Pump();
  }
  ~QtFormTest() override { form->Unload(); }
  QWidget* Window() { return platform.WindowOf(*form); }

  std::unique_ptr<F> form;
};

}  // namespace mvtest
