#pragma once
// The common controls: tab strip, progress bar, slider.
#include <QFrame>
#include <QProgressBar>
#include <QSlider>
#include <QTabBar>

#include "forms/ProgressBar.h"
#include "forms/Slider.h"
#include "forms/TabStrip.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// Tabs above a framed client area; the controls shown "on" a tab lie over it, as on Windows.
class TabStripAdapter : public ControlAdapter {
 public:
  TabStripAdapter(FormWindow& window, TabStrip& strip, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  TabStrip& Model() const { return static_cast<TabStrip&>(*Target()); }
  void Layout();

  QTabBar* tabs_;
  QFrame* page_;
};

class ProgressBarAdapter : public ControlAdapter {
 public:
  ProgressBarAdapter(FormWindow& window, ProgressBar& bar, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  ProgressBar& Model() const { return static_cast<ProgressBar&>(*Target()); }
  QProgressBar* view_;
};

// A move of the knob (by mouse or keys) is the runtime's UserSlide when the knob comes to rest.
class SliderAdapter : public ControlAdapter {
 public:
  SliderAdapter(FormWindow& window, Slider& slider, QWidget* parent);

 protected:
  void SyncOwn() override;

 private:
  Slider& Model() const { return static_cast<Slider&>(*Target()); }
  QSlider* view_;
};

}  // namespace forms::qt
