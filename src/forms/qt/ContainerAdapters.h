#pragma once
// Frames and picture boxes hold other controls; images and picture boxes show a picture file.
#include <optional>
#include <string>
#include <utility>

#include "forms/Frame.h"
#include "forms/Image.h"
#include "forms/PictureBox.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

class FrameAdapter : public ControlAdapter {
 public:
  FrameAdapter(FormWindow& window, Frame& frame, QWidget* parent);
  QWidget* ChildArea() const override { return Widget(); }

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Frame& Model() const { return static_cast<Frame&>(*Target()); }
};

class PictureBoxAdapter : public ControlAdapter {
 public:
  PictureBoxAdapter(FormWindow& window, PictureBox& box, QWidget* parent);
  QWidget* ChildArea() const override { return Widget(); }

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PictureBox& Model() const { return static_cast<PictureBox&>(*Target()); }
  std::optional<std::string> shown_;
};

class ImageAdapter : public ControlAdapter {
 public:
  ImageAdapter(FormWindow& window, Image& image, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Image& Model() const { return static_cast<Image&>(*Target()); }
  std::optional<std::pair<std::string, bool>> shown_;
};

}  // namespace forms::qt
