#include "forms/qt/CommonControlAdapters.h"

#include <algorithm>
#include <cmath>

#include "forms/qt/Convert.h"

namespace forms::qt {

namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

TabStripAdapter::TabStripAdapter(FormWindow& window, TabStrip& strip, QWidget* parent)
    : ControlAdapter(window, strip, new QWidget(parent)),
      tabs_(new QTabBar(Widget())),
      page_(new QFrame(Widget())) {
  page_->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  Widget()->setFocusProxy(tabs_);
  Watch(tabs_);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (!Syncing() && index >= 0) Act([this, index] { Model().UserSelect(index + 1); });
  });
}

void TabStripAdapter::Layout() {
  const int height = tabs_->sizeHint().height();
  tabs_->setGeometry(0, 0, Widget()->width(), height);
  page_->setGeometry(0, height - 1, Widget()->width(),
                     std::max(0, Widget()->height() - height + 1));
  page_->lower();
}

void TabStripAdapter::SyncOwn() {
  const TabStrip& strip = Model();
  while (tabs_->count() > strip.TabCount()) tabs_->removeTab(tabs_->count() - 1);
  for (int i = 1; i <= strip.TabCount(); ++i) {
    const QString caption = Caption(strip.TabCaption(i));
    if (i > tabs_->count()) {
      tabs_->addTab(caption);
    } else if (tabs_->tabText(i - 1) != caption) {
      tabs_->setTabText(i - 1, caption);
    }
  }
  if (strip.SelectedIndex() > 0 && tabs_->currentIndex() != strip.SelectedIndex() - 1) {
    tabs_->setCurrentIndex(strip.SelectedIndex() - 1);
  }
  tabs_->setFocusPolicy(strip.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  Layout();
}

ProgressBarAdapter::ProgressBarAdapter(FormWindow& window, ProgressBar& bar, QWidget* parent)
    : ControlAdapter(window, bar, new QProgressBar(parent)),
      view_(static_cast<QProgressBar*>(Widget())) {
  view_->setRange(0, kProgressSteps);
  view_->setTextVisible(false);
  view_->setFocusPolicy(Qt::NoFocus);
}

void ProgressBarAdapter::SyncOwn() {
  const ProgressBar& bar = Model();
  const float span = bar.Max() - bar.Min();
  const int steps =
      span > 0 ? static_cast<int>(std::lround((bar.Value() - bar.Min()) / span * kProgressSteps))
               : 0;
  view_->setValue(std::clamp(steps, 0, kProgressSteps));
}

SliderAdapter::SliderAdapter(FormWindow& window, Slider& slider, QWidget* parent)
    : ControlAdapter(window, slider, new QSlider(Qt::Horizontal, parent)),
      view_(static_cast<QSlider*>(Widget())) {
  view_->setTracking(false);
  view_->setTickPosition(QSlider::TicksBelow);
  connect(view_, &QSlider::valueChanged, this, [this](int value) {
    if (!Syncing()) Act([this, value] { Model().UserSlide(value); });
  });
}

void SliderAdapter::SyncOwn() {
  const Slider& slider = Model();
  view_->setRange(slider.Min(), slider.Max());
  view_->setSingleStep(slider.SmallChange());
  view_->setPageStep(slider.LargeChange());
  view_->setTickInterval(std::max(1, slider.TickFrequency()));
  if (view_->value() != slider.Value()) view_->setValue(slider.Value());
  view_->setFocusPolicy(slider.TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  ApplyColors(QPalette::Window, QPalette::WindowText, true);
}

}  // namespace forms::qt
