#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "forms/Platform.h"
#include "forms/Random.h"
#include "forms/WindowManager.h"

namespace forms {

// What every window receives: the window manager, the platform and VB's global functions.
// One per program, owned by the program state; no globals.
class Runtime {
 public:
  explicit Runtime(Platform& platform, std::string title = "Morvellan");
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  WindowManager& Windows() { return windows_; }
  Platform& Host() { return platform_; }
  // App.Title: stands in for the title of a message box or input box that has none.
  const std::string& Title() const { return title_; }

  // Where the language of the boxes' buttons comes from, asked as each box opens (English until
  // set); the platform's own dialogs take it now and at each UiLanguageChanged.
  void SetUiLanguage(std::function<UiLanguage()> current) {
    uiLanguage_ = std::move(current);
    UiLanguageChanged();
  }
  UiLanguage CurrentUiLanguage() const { return uiLanguage_ ? uiLanguage_() : UiLanguage::English; }
  void UiLanguageChanged() { platform_.UseLanguage(CurrentUiLanguage()); }

  // buttons: vbOKOnly, vbYesNo, ... plus an icon (vbQuestion, ...). An empty title is the
  // program's.
  int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");
  // "" when cancelled.
  std::string InputBox(const std::string& prompt, const std::string& title = "",
                       const std::string& defaultText = "");
  std::optional<Color> ChooseColor(Color initial = 0);
  std::optional<forms::Font> ChooseFont(const forms::Font& initial = {});
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request = {});
  PrintOutcome PrintPage(const GridPicture& picture);
  void DoEvents();

  // App.Path: the folder of the executable.
  std::filesystem::path Path() const;
  DateTime Now() const;
  // Today's date at midnight.
  DateTime Today() const;
  // Seconds since midnight.
  double Timer() const;
  // The decimal separator of the user's number format.
  std::string DecimalSeparator() const { return platform_.DecimalSeparator(); }

  // Randomize without a seed takes the Timer.
  void Randomize();
  void Randomize(double seed);
  float Rnd();

  // VB's End: the program ends once the running handler returns.
  void End(int exitCode = 0);
  bool Ended() const { return ended_; }

 private:
  Platform& platform_;
  std::string title_;
  WindowManager windows_;
  Random random_;
  std::function<UiLanguage()> uiLanguage_;
  bool ended_ = false;
};

}  // namespace forms
