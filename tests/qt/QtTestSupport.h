#pragma once
// The Qt side of the tests: one QApplication (offscreen unless told otherwise), a Qt platform whose
// dialogs are answered by the test, and helpers to drive real widgets.
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <string>
#include <vector>

#include "forms/qt/QtPlatform.h"

namespace mvtest {

QApplication& EnsureApp();
// Lets Qt deliver what is pending (activation, painting, queued calls).
void Pump();

struct ShownMessageBox {
  QString Title;
  QString Text;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::Icon Icon;
};

struct AppFirst {
  AppFirst() { EnsureApp(); }
};

// A Qt platform whose message boxes never block: each one is recorded and answered with the next
// queued answer (its default button when none is queued).
class AnsweringPlatform : private AppFirst, public forms::qt::QtPlatform {
 public:
  AnsweringPlatform();

  void QueueAnswer(QMessageBox::StandardButton button) { answers_.push_back(button); }
  const std::vector<ShownMessageBox>& Shown() const { return shown_; }
  int OtherDialogs() const { return otherDialogs_; }

 private:
  std::deque<QMessageBox::StandardButton> answers_;
  std::vector<ShownMessageBox> shown_;
  int otherDialogs_ = 0;
};

// Keeps a rendering of a window among the build's artifacts (build/artifacts/NAME.png).
void SaveArtifact(QWidget& window, const std::string& name);

}  // namespace mvtest
