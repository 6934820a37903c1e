#pragma once
// The calendar's windows, the main window and the note dialog, and what they ask of the windows
// above them (master data, annual overview, options, printing), which the program connects.
#include <functional>
#include <string>
#include <vector>

#include "core/CoreWindows.h"
#include "core/State.h"
#include "forms/Form.h"
#include "forms/FormSlot.h"

namespace mv {

class frmKalender;
class frmNotiz;

// Each does nothing until the program connects it.
struct MainWindowLinks {
  // The menu entries (and the grid's double click, for the card) that open windows above.
  std::function<void()> OpenEmployeeCard;
  std::function<void()> OpenDependencies;
  std::function<void()> OpenTeams;
  std::function<void()> OpenHolidays;
  std::function<void()> OpenAnnualOverview;
  std::function<void()> OpenOptions;
  std::function<void()> OpenPrintManager;
  std::function<void()> OpenAbout;
  // The main window's set-up gives the hidden companion windows (employee card, holiday window,
  // annual overview) their calendar font and tooltips in the current language.
  std::function<void()> SetUpCompanions;
  // The team names FillTeamCombos read, for the employee card's team list.
  std::function<void(const std::vector<std::string>&)> TeamNamesRead;
  // The holiday window when it is shown: the note dialog hands control back to it.
  std::function<forms::Form*()> ShownHolidayWindow;
};

struct CalendarWindows {
  explicit CalendarWindows(CoreWindows& core);
  ~CalendarWindows();
  CalendarWindows(const CalendarWindows&) = delete;
  CalendarWindows& operator=(const CalendarWindows&) = delete;

  State& s;
  CoreWindows& core;
  forms::FormSlot<mv::frmKalender> frmKalender;
  forms::FormSlot<mv::frmNotiz> frmNotiz;
  MainWindowLinks links;
};

// Runs a link when the program has connected it.
template <class Link, class... Args>
auto Follow(const Link& link, Args&&... args) {
  using Result = decltype(link(std::forward<Args>(args)...));
  if (!link) return Result();
  return link(std::forward<Args>(args)...);
}

}  // namespace mv
