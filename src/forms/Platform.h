#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "forms/Color.h"
#include "forms/DateTime.h"
#include "forms/Font.h"
#include "forms/GridPicture.h"

namespace forms {

class Form;
class Menu;

// Message box styles: one button set plus at most one icon.
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;

// Message box answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

// The language of the platform's own words: the buttons of message boxes and the input box.
enum class UiLanguage { English, German };

struct MessageBoxRequest {
  std::string Prompt;  // "\r" breaks lines
  std::string Title;   // never empty: the program's title stands in
  int Buttons = vbOKOnly;
  int Icon = 0;
  UiLanguage Language = UiLanguage::English;
};

struct InputBoxRequest {
  std::string Prompt;
  std::string Title;
  std::string Default;
  UiLanguage Language = UiLanguage::English;
};

struct FileDialogRequest {
  std::string Title;   // "" = the platform's own
  std::string Filter;  // "" = all files
  std::string InitialPath;
};

struct PrintOutcome {
  bool Printed = true;
  std::string Failure;  // why the page was not printed
  std::string File;     // where the page was kept when no printer took it; "" on a printer
};

// Everything the runtime needs from the machine it runs on: the headless platform for tests,
// the Qt platform for people.
class Platform {
 public:
  virtual ~Platform() = default;

  // Modal; returns vbOK, vbCancel, vbYes or vbNo (and the others of
  // vbAbortRetryIgnore/vbRetryCancel).
  virtual int MsgBox(const MessageBoxRequest& request) = 0;
  // nullopt when cancelled.
  virtual std::optional<std::string> InputBox(const InputBoxRequest& request) = 0;
  virtual std::optional<Color> ChooseColor(Color initial) = 0;
  virtual std::optional<forms::Font> ChooseFont(const forms::Font& initial) = 0;
  // The full path of the chosen file.
  virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
  // One print job of one landscape page with the picture at the top left corner, unscaled.
  virtual PrintOutcome PrintPage(const GridPicture& picture) = 0;
  // Shows a pop-up menu of form at the pointer; the chosen entry, or nullptr when dismissed.
  virtual Menu* ShowPopupMenu(Form& form, Menu& menu) = 0;
  // Runs what is pending in the event loop, then returns.
  virtual void DoEvents() = 0;
  // The folder of the executable.
  virtual std::filesystem::path ProgramFolder() const = 0;
  virtual DateTime Now() const = 0;
  // The decimal separator of the user's number format, as Format writes "0.0".
  virtual std::string DecimalSeparator() const = 0;
  // The program is to end with this code once the running handler returns.
  virtual void EndProgram(int exitCode) = 0;
  // The language the platform's own dialogs speak from now on (their titles, labels and buttons).
  virtual void UseLanguage(UiLanguage language) = 0;
};

}  // namespace forms
