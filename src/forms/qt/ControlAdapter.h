#pragma once
// The link between one runtime control and its widget: mirrors the control's state into the widget
// and hands the user's input back to the control through its User*() calls.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

#include "forms/Control.h"

namespace forms::qt {

class FormWindow;

class ControlAdapter : public QObject {
 public:
  // widget may be nullptr (menu entries have none); the adapter does not own it.
  ControlAdapter(FormWindow& window, Control& control, QWidget* widget);

  // nullptr once the form has gone away.
  Control* Target() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Where the controls inside a frame or picture box live.
  virtual QWidget* ChildArea() const { return nullptr; }

  // Mirrors the control's current state.
  void Sync();
  // The form is being discarded: the control must not be touched any more.
  void Detach() { control_ = nullptr; }

 protected:
  FormWindow& Window() const { return window_; }
  virtual void SyncOwn() = 0;
  // Runs a piece of user input (failures are reported, windows unloaded meanwhile are kept until
  // the input ends), then mirrors the control again if it still exists.
  void Act(const std::function<void()>& input);
  // Raises a double click's second half (DblClick only) as user input.
  void RaiseDoubleClick(const std::function<void()>& handler);
  // Left-button clicks on the widget: `click` on the release, `doubleClick` on the second press
  // (no click on the release after it). Never consumes the event.
  void WatchClicks(QEvent* event, const std::function<void()>& click,
                   const std::function<void()>& doubleClick);
  // WatchClicks for a control that takes clicks as UserClick and raises DblClick; only while the
  // adapter still has its control (the input runs at once, while the control lives).
  template <class Clickable>
  void WatchClicksOf(QEvent* event, Clickable& control) {
    WatchClicks(
        event, [&control] { control.UserClick(); },
        [&control] {
          if (control.DblClick) control.DblClick();
        });
  }
  // True while the widget is set from the runtime: its signals then are no user input.
  bool Syncing() const { return syncing_ > 0; }
  // Watches focus from the user; kinds add their own events and call this for the rest.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Gives a sub-widget the same focus watching as the main widget.
  void Watch(QWidget* widget);
  // Colours of the control on the widget: fore colour as text, back colour as background.
  void ApplyColors(QPalette::ColorRole back, QPalette::ColorRole fore, bool fillBackground);

  class SyncScope {
   public:
    explicit SyncScope(ControlAdapter& a) : a_(a) { ++a_.syncing_; }
    ~SyncScope() { --a_.syncing_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

   private:
    ControlAdapter& a_;
  };

 private:
  void SyncCommon();

  FormWindow& window_;
  Control* control_;
  QPointer<QWidget> widget_;
  int syncing_ = 0;
  bool afterDouble_ = false;
  std::optional<Font> font_;
  std::optional<std::pair<Color, Color>> colors_;
};

}  // namespace forms::qt
