#pragma once
// Opening the overview's windows from the main window's menu; settings.dat as the file holds it.
#include <fstream>
#include <iterator>
#include <string>

#include "calendar/CalendarTestSupport.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmOptionen.h"

namespace overviewtest {

using namespace caltest;

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

}  // namespace overviewtest
