#pragma once
// The overview's windows opened from the main window's menu as a user does, and what they show,
// on the calendar tests' teams ("Entwicklung": Adam, Berg, Zoller; "Vertrieb": Dorn; "Leer").
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calendar/CalendarTestSupport.h"
#include "forms/WindowObserver.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmJahresansicht.h"
#include "overview/frmOptionen.h"

namespace overviewtest {

using namespace caltest;
using Texts = std::vector<std::string>;

// The main window as it is now (the language switch builds a new one).
inline mv::frmKalender& Main(mvtest::TestApp& app) {
  return *app.calendar().frmKalender.IfLoaded();
}

// The window a menu shortcut of the main window opened.
template <class Window>
Window& Open(mvtest::TestApp& app, const char* shortcut, forms::FormSlot<Window>& slot) {
  Main(app).UserShortcut(shortcut);
  if (!slot.IsLoaded() || !slot->Visible()) throw std::runtime_error("no window");
  return *slot;
}

// The status line at each redraw asked for at once; at redraw `at`, `then` happens.
struct Watch : forms::WindowObserver {
  explicit Watch(mvtest::TestApp& app, std::size_t at = 0, std::function<void()> then = {})
      : app(app), at(at), then(std::move(then)) {
    app.s().rt.Windows().SetObserver(this);
  }
  ~Watch() override { app.s().rt.Windows().SetObserver(nullptr); }
  void RefreshRequested(forms::Form&) override {
    status.push_back(Main(app).lbl_Status.Caption());
    if (status.size() == at) then();
  }
  mvtest::TestApp& app;
  std::size_t at;
  std::function<void()> then;
  Texts status;
};

}  // namespace overviewtest
