#pragma once
// Opening the annual overview from the main window as a user does, and reading what it shows.
// The teams are those of the calendar tests ("Entwicklung" with Adam, Berg and Zoller, "Vertrieb"
// with Dorn, "Leer" without members) plus "Klein", whose only member Kurt Klein (31) has 10
// vacation days.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../calendar/CalendarTestSupport.h"
#include "forms/WindowObserver.h"
#include "overview/frmJahresansicht.h"

namespace yeartest {

using namespace caltest;

inline constexpr int Klein = 3;
inline constexpr long Kurt = 31;
inline constexpr forms::Color Grey = 0xAAAAAA;

struct YearApp : CalendarApp {
  YearApp() {
    AddTeam(Klein, "Klein");
    AddEmployee(Kurt, "Klein", "Kurt", Klein, 10);
  }
};

// The main window of Zoller (group 1) on `today`, then the annual overview opened from its menu.
inline mv::frmJahresansicht& OpenYear(YearApp& app, int year, int language = 1) {
  SetToday(app, year, 12, 6);
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin, language);
  k.mnuJahresübersicht.UserClick();
  return app.overview().frmJahresansicht.Get();
}

// The main window of the same program.
inline mv::frmKalender& Main(YearApp& app) { return app.calendar().frmKalender.Get(); }

// Count and share labels by name ("lbl_AnzUgesamt" -> "10").
inline std::map<std::string, std::string> Figures(const mv::frmJahresansicht& y) {
  std::map<std::string, std::string> figures;
  for (forms::Control* c : y.Controls()) {
    const std::string& name = c->Name();
    if (name.starts_with("lbl_Anz") || name.starts_with("lbl_Pz"))
      figures[name] = static_cast<forms::Label*>(c)->Caption();
  }
  return figures;
}

// Records, for the annual overview, each time it was disabled and whether its wait display was
// ever shown.
struct BuildRecorder : forms::WindowObserver {
  explicit BuildRecorder(mvtest::TestApp& app) : app_(app) {
    app.s().rt.Windows().SetObserver(this);
  }
  ~BuildRecorder() override { app_.s().rt.Windows().SetObserver(nullptr); }

  void FormChanged(forms::Form& form) override {
    if (form.Name() != "frmJahresansicht") return;
    if (wasEnabled && !form.Enabled()) ++builds;
    if (!form.Enabled() && form.MousePointer() == forms::vbHourglass) busyPointer = true;
    wasEnabled = form.Enabled();
  }
  void ControlChanged(forms::Control& control) override {
    if (control.Name() == "fmProgress" && control.Visible()) progressShown = true;
  }

  int builds = 0;
  bool busyPointer = false;
  bool progressShown = false;

 private:
  mvtest::TestApp& app_;
  bool wasEnabled = true;
};

}  // namespace yeartest
