#pragma once
// The annual overview opened from the main window as a user does, and what it shows. The teams
// are the calendar tests' ("Entwicklung": Adam, Berg, Zoller; "Vertrieb": Dorn; "Leer") plus
// "Klein", whose only member Kurt has 10 vacation days.
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

struct YearApp : CalendarApp {
  YearApp() {
    AddTeam(Klein, "Klein");
    AddEmployee(Kurt, "Klein", "Kurt", Klein, 10);
  }
  mv::frmKalender& Main() { return calendar().frmKalender.Get(); }
  mv::frmJahresansicht& Year() { return overview().frmJahresansicht.Get(); }
};

// Zoller (group 1) on 6 December of the year opens the annual overview from the menu.
inline mv::frmJahresansicht& OpenYear(YearApp& app, int year, int language = 1) {
  SetToday(app, year, 12, 6);
  Enter(app, 12, mv::GroupAdmin, language).mnuJahresübersicht.UserClick();
  return app.Year();
}

// Count and share labels by name ("lbl_AnzUgesamt" -> "10").
inline std::map<std::string, std::string> Figures(const mv::frmJahresansicht& y) {
  std::map<std::string, std::string> figures;
  for (forms::Control* c : y.Controls()) {
    if (c->Name().starts_with("lbl_Anz") || c->Name().starts_with("lbl_Pz"))
      figures[c->Name()] = static_cast<forms::Label*>(c)->Caption();
  }
  return figures;
}

// Counts the builds (each disables the window) and sees the hourglass and the wait display.
struct BuildRecorder : forms::WindowObserver {
  explicit BuildRecorder(mvtest::TestApp& app) : app_(app) {
    app.s().rt.Windows().SetObserver(this);
  }
  ~BuildRecorder() override { app_.s().rt.Windows().SetObserver(nullptr); }
  void FormChanged(forms::Form& form) override {
    if (form.Name() != "frmJahresansicht") return;
    builds += enabled && !form.Enabled();
    hourglass |= !form.Enabled() && form.MousePointer() == forms::vbHourglass;
    enabled = form.Enabled();
  }
  void ControlChanged(forms::Control& control) override {
    progressShown |= control.Name() == "fmProgress" && control.Visible();
  }
  int builds = 0;
  bool hourglass = false;
  bool progressShown = false;
  bool enabled = true;
  mvtest::TestApp& app_;
};

}  // namespace yeartest
