#include "forms/Runtime.h"

#include <utility>

namespace forms {

Runtime::Runtime(Platform& platform, std::string title)
    : platform_(platform), title_(std::move(title)) {}

int Runtime::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
  MessageBoxRequest request;
  request.Prompt = prompt;
  request.Title = title.empty() ? title_ : title;
  request.Buttons = buttons & 0x7;
  request.Icon = buttons & 0x70;
  request.Language = CurrentUiLanguage();
  return platform_.MsgBox(request);
}

std::string Runtime::InputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText) {
  InputBoxRequest request{prompt, title.empty() ? title_ : title, defaultText, CurrentUiLanguage()};
  return platform_.InputBox(request).value_or("");
}

std::optional<Color> Runtime::ChooseColor(Color initial) { return platform_.ChooseColor(initial); }

std::optional<forms::Font> Runtime::ChooseFont(const forms::Font& initial) {
  return platform_.ChooseFont(initial);
}

std::optional<std::string> Runtime::ChooseOpenFile(const FileDialogRequest& request) {
  return platform_.ChooseOpenFile(request);
}

PrintOutcome Runtime::PrintPage(const GridPicture& picture) { return platform_.PrintPage(picture); }

void Runtime::DoEvents() { platform_.DoEvents(); }

std::filesystem::path Runtime::Path() const { return platform_.ProgramFolder(); }

DateTime Runtime::Now() const { return platform_.Now(); }

DateTime Runtime::Today() const {
  DateTime today = platform_.Now();
  today.Hour = today.Minute = today.Second = 0;
  return today;
}

double Runtime::Timer() const {
  const DateTime now = platform_.Now();
  return now.Hour * 3600.0 + now.Minute * 60.0 + now.Second;
}

void Runtime::Randomize() { random_.Randomize(Timer()); }

void Runtime::Randomize(double seed) { random_.Randomize(seed); }

float Runtime::Rnd() { return random_.Rnd(); }

void Runtime::End(int exitCode) {
  ended_ = true;
  platform_.EndProgram(exitCode);
}

}  // namespace forms
