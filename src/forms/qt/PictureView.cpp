#include "forms/qt/PictureView.h"

#include <QPainter>

#include "forms/qt/Convert.h"

namespace forms::qt {

QPixmap LoadPicture(const std::string& name, const std::filesystem::path& programFolder) {
  if (name.empty()) return {};
  std::filesystem::path path(name);
  if (path.is_relative()) path = programFolder / path;
  return QPixmap(ToQt(path.string()));
}

void FrameView::Set(const QString& caption, bool border) {
  if (caption == caption_ && border == border_) return;
  caption_ = caption;
  border_ = border;
  update();
}

void FrameView::paintEvent(QPaintEvent*) {
  if (!border_) return;
  QPainter p(this);
  const QFontMetrics metrics(font());
  // The caption sits in the top edge; without one the edge is the top.
  const int top = caption_.isEmpty() ? 0 : metrics.height() / 2;
  const QRect box = rect().adjusted(0, top, -1, -1);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  p.setPen(shadow);
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.setPen(light);
  p.drawRect(box.adjusted(1, 1, 0, 0));
  if (caption_.isEmpty()) return;
  const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
  p.fillRect(text, palette().color(QPalette::Window));
  p.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(text, Qt::AlignCenter, caption_);
}

void PictureView::Set(const QPixmap& picture, bool stretch) {
  picture_ = picture;
  stretch_ = stretch;
  update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_.isNull()) return;
  QPainter p(this);
  const QRect inside = contentsRect();
  p.setClipRect(inside);
  if (stretch_) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(inside, picture_);
  } else {
    p.drawPixmap(inside.topLeft(), picture_);
  }
}

}  // namespace forms::qt
