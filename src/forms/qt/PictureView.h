#pragma once
// Widgets that draw what Windows draws for frames, picture boxes and images.
#include <QFrame>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string>

namespace forms::qt {

// A picture named by a file path, absolute or relative to the program folder; null when none loads.
QPixmap LoadPicture(const std::string& name, const std::filesystem::path& programFolder);

// The etched rectangle of a frame with its caption set into the top edge; nothing when borderless.
class FrameView : public QWidget {
 public:
  explicit FrameView(QWidget* parent) : QWidget(parent) {}
  void Set(const QString& caption, bool border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  bool border_ = true;
};

// A picture at the top left corner, or stretched over the whole widget.
class PictureView : public QFrame {
 public:
  explicit PictureView(QWidget* parent) : QFrame(parent) {}
  void Set(const QPixmap& picture, bool stretch);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  bool stretch_ = false;
};

}  // namespace forms::qt
