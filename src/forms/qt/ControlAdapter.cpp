#include "forms/qt/ControlAdapter.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "forms/qt/Convert.h"
#include "forms/qt/FormWindow.h"
#include "forms/qt/WindowHost.h"

namespace forms::qt {

namespace {

// Text reads well from a contrast of 4.5:1 on; thin letters, drawn smoothed, lose some of it.
constexpr double kLegible = 5.0;

double Luminance(const QColor& c) {
  const auto linear = [](int value) {
    const double v = value / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const auto [dark, light] = std::minmax({Luminance(a), Luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// The text of a disabled field: grey, dimmed towards its back colour as Windows dims it, but only
// as far as it still reads well there.
QColor DisabledText(const QColor& back) {
  const bool onLight = Contrast(Qt::black, back) >= Contrast(Qt::white, back);
  const int step = onLight ? 1 : -1;
  int grey = onLight ? 0 : 255;
  for (int next = grey + step; next >= 0 && next <= 255; next += step) {
    if (Contrast(QColor(next, next, next), back) < kLegible) break;
    grey = next;
  }
  return {grey, grey, grey};
}

bool FromUser(Qt::FocusReason reason) {
  return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
         reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

}  // namespace

ControlAdapter::ControlAdapter(FormWindow& window, Control& control, QWidget* widget)
    : QObject(&window), window_(window), control_(&control), widget_(widget) {
  if (widget) Watch(widget);
}

void ControlAdapter::Watch(QWidget* widget) { widget->installEventFilter(this); }

void ControlAdapter::Sync() {
  if (!control_) return;
  FormWindow::MirrorScope mirror(window_);
  SyncScope scope(*this);
  if (widget_) SyncCommon();
  SyncOwn();
}

void ControlAdapter::SyncCommon() {
  Control& c = *control_;
  const QRect rect = PxRect(c.Left(), c.Top(), c.Width(), c.Height());
  if (widget_->geometry() != rect) widget_->setGeometry(rect);
  if (widget_->isHidden() == c.Visible()) widget_->setVisible(c.Visible());
  if (widget_->testAttribute(Qt::WA_ForceDisabled) == c.Enabled()) widget_->setEnabled(c.Enabled());
  const QString tip = ToQt(c.ToolTipText());
  if (widget_->toolTip() != tip) widget_->setToolTip(tip);
  if (font_ != c.Font()) {
    font_ = c.Font();
    widget_->setFont(ToQFont(c.Font()));
  }
}

void ControlAdapter::ApplyColors(QPalette::ColorRole back, QPalette::ColorRole fore,
                                 bool fillBackground) {
  if (!control_ || !widget_) return;
  widget_->setAutoFillBackground(fillBackground);
  const std::pair<Color, Color> wanted{control_->BackColor(), control_->ForeColor()};
  if (colors_ == wanted) return;
  colors_ = wanted;
  QPalette palette = widget_->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, back, ToQColor(wanted.first));
    palette.setColor(group, fore, ToQColor(wanted.second));
  }
  palette.setColor(QPalette::Disabled, back, ToQColor(wanted.first));
  // A field the user may not change still shows its value readably.
  if (back == QPalette::Base)
    palette.setColor(QPalette::Disabled, fore, DisabledText(ToQColor(wanted.first)));
  widget_->setPalette(palette);
}

void ControlAdapter::Act(const std::function<void()>& input) {
  if (!control_) return;
  window_.Host().Dispatch(input);
  if (control_) Sync();
}

void ControlAdapter::RaiseDoubleClick(const std::function<void()>& handler) {
  Act([this, handler] {
    UserInput input(*control_);
    if (input && handler) handler();
  });
}

void ControlAdapter::WatchClicks(QEvent* event, const std::function<void()>& click,
                                 const std::function<void()>& doubleClick) {
  if (!control_) return;
  if (event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    afterDouble_ = true;
    if (doubleClick) RaiseDoubleClick(doubleClick);
  } else if (event->type() == QEvent::MouseButtonRelease &&
             static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const bool second = afterDouble_;
    afterDouble_ = false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!second && click && widget_ && widget_->rect().contains(at)) Act(click);
  }
}

bool ControlAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && control_ && !Syncing() && !window_.Mirroring() &&
      FromUser(static_cast<QFocusEvent*>(event)->reason())) {
    Act([this] { UserInput input(*control_); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace forms::qt
