#include "forms/qt/ContainerAdapters.h"

#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/qt/Convert.h"
#include "forms/qt/PictureView.h"

namespace forms::qt {

namespace {

QPixmap PictureOf(const Control& control, const std::string& name) {
  return LoadPicture(name, control.Parent().Rt().Path());
}

}  // namespace

FrameAdapter::FrameAdapter(FormWindow& window, Frame& frame, QWidget* parent)
    : ControlAdapter(window, frame, new FrameView(parent)) {
  Widget()->setFocusPolicy(Qt::NoFocus);
}

void FrameAdapter::SyncOwn() {
  const Frame& frame = Model();
  static_cast<FrameView*>(Widget())->Set(Caption(frame.Caption()), frame.BorderStyle() != 0);
  ApplyColors(QPalette::Window, QPalette::WindowText, true);
}

bool FrameAdapter::eventFilter(QObject* watched, QEvent* event) {
  WatchClicks(
      event,
      [this] {
        UserInput input(Model(), false);
        if (input && Model().Click) Model().Click();
      },
      nullptr);
  return ControlAdapter::eventFilter(watched, event);
}

PictureBoxAdapter::PictureBoxAdapter(FormWindow& window, PictureBox& box, QWidget* parent)
    : ControlAdapter(window, box, new PictureView(parent)) {}

void PictureBoxAdapter::SyncOwn() {
  const PictureBox& box = Model();
  auto* view = static_cast<PictureView*>(Widget());
  view->setFrameStyle(box.BorderStyle() == 1 ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);
  if (shown_ != box.Picture()) {
    shown_ = box.Picture();
    view->Set(PictureOf(box, box.Picture()), false);
  }
  view->setFocusPolicy(box.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Window, QPalette::WindowText, true);
}

bool PictureBoxAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) WatchClicksOf(event, Model());
  return ControlAdapter::eventFilter(watched, event);
}

ImageAdapter::ImageAdapter(FormWindow& window, Image& image, QWidget* parent)
    : ControlAdapter(window, image, new PictureView(parent)) {
  Widget()->setFocusPolicy(Qt::NoFocus);
}

void ImageAdapter::SyncOwn() {
  const Image& image = Model();
  const std::pair<std::string, bool> wanted{image.Picture(), image.Stretch()};
  if (shown_ == wanted) return;
  shown_ = wanted;
  static_cast<PictureView*>(Widget())->Set(PictureOf(image, image.Picture()), image.Stretch());
}

bool ImageAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) WatchClicksOf(event, Model());
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
