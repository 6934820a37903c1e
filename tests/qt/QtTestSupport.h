#pragma once
// The Qt side of the tests: one QApplication (offscreen unless told otherwise), a Qt platform whose
// dialogs are answered by the test, and helpers to drive real widgets.
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

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
  QMessageBox::StandardButtons Buttons;
  QMessageBox::Icon Icon;
  QStringList ButtonTexts;  // as shown, left to right, without their mnemonic marks
};

struct AppFirst {
  AppFirst() { EnsureApp(); }
};

// A Qt platform whose message boxes never block: each one shows, is recorded and is answered with
// the next queued answer, a click on a button or a key pressed on the box (its default button
// when none is queued, or when the key leaves it open).
class AnsweringPlatform : private AppFirst, public forms::qt::QtPlatform {
 public:
  AnsweringPlatform();

  void QueueAnswer(QMessageBox::StandardButton button) { answers_.push_back({button, 0}); }
  void QueueKey(Qt::Key key) { answers_.push_back({QMessageBox::NoButton, key}); }
  // Runs on the next box while it shows, before it is answered.
  void LookAtNextBox(std::function<void(QMessageBox&)> look) { look_ = std::move(look); }
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  int OtherDialogs() const { return otherDialogs_; }
  // Boxes that a queued key did not close.
  int KeysIgnored() const { return keysIgnored_; }

 private:
  struct QueuedAnswer {
    QMessageBox::StandardButton Button;
    int Key;
  };
  void Answer(QMessageBox& box);

  std::deque<QueuedAnswer> answers_;
  std::function<void(QMessageBox&)> look_;
  std::vector<ShownMessageBox> shown_;
  int otherDialogs_ = 0;
  int keysIgnored_ = 0;
};

// Keeps a rendering of a window among the build's artifacts (build/artifacts/NAME.png).
void SaveArtifact(QWidget& window, const std::string& name);

}  // namespace mvtest
