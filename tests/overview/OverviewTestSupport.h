#pragma once
// The overview's windows opened from the main window's menu as a user does, and what they show.
// The teams are the calendar tests' ("Entwicklung": Adam, Berg, Zoller; "Vertrieb": Dorn; "Leer");
// the annual overview's tests add "Klein", whose only member Kurt has 10 vacation days.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
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
inline auto& OpenOptions(mvtest::TestApp& app) {
  return Open(app, "Ctrl+E", app.overview().frmOptionen);
}
inline auto& OpenPrintManager(mvtest::TestApp& app) {
  return Open(app, "Ctrl+D", app.overview().frmDrucken);
}
inline auto& OpenAbout(mvtest::TestApp& app) { return Open(app, "Ctrl+I", app.overview().frmInfo); }

inline std::string FileBytes(mvtest::TestApp& app) {
  std::ifstream in(mv::SettingsFilePath(app.Folder()), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline mv::SettingsRecord Stored(mvtest::TestApp& app) {
  const std::string bytes = FileBytes(app);
  mv::SettingsBytes record{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
  return mv::DecodeSettingsRecord(record);
}

inline std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}
inline std::string WithoutPadding(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

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

}  // namespace overviewtest
