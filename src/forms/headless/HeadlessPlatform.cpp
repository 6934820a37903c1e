#include "forms/headless/HeadlessPlatform.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>

#include "forms/Menu.h"

namespace forms {

namespace {

const char* ButtonsName(int buttons) {
  switch (buttons) {
    case vbOKOnly:
      return "OK";
    case vbOKCancel:
      return "OK/Cancel";
    case vbAbortRetryIgnore:
      return "Abort/Retry/Ignore";
    case vbYesNoCancel:
      return "Yes/No/Cancel";
    case vbYesNo:
      return "Yes/No";
    case vbRetryCancel:
      return "Retry/Cancel";
  }
  return "?";
}

std::string Describe(const MessageBoxRequest& r) {
  return "prompt \"" + r.Prompt + "\", title \"" + r.Title + "\", buttons " +
         ButtonsName(r.Buttons);
}

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "morvellan-XXXXXX").string();
  if (!mkdtemp(pattern.data()))
    throw std::runtime_error("cannot create a temporary program folder");
  return pattern;
}

template <class T>
T Next(std::deque<T>& queue, const std::string& what) {
  if (queue.empty()) throw UnexpectedDialog("Unexpected " + what + ": the test queued no answer");
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

UnexpectedMessageBox::UnexpectedMessageBox(const MessageBoxRequest& request)
    : std::runtime_error("Unexpected message box: " + Describe(request)), Request(request) {}

HeadlessPlatform::HeadlessPlatform() : folder_(MakeTemporaryFolder()) {}

HeadlessPlatform::~HeadlessPlatform() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void HeadlessPlatform::ExpectMessageBox(const std::string& prompt, int answer) {
  expected_.push_back(
      {[prompt](const MessageBoxRequest& r) { return r.Prompt == prompt; }, answer, prompt});
}

void HeadlessPlatform::ExpectMessageBox(MessageMatch match, int answer) {
  expected_.push_back({std::move(match), answer, "(predicate)"});
}

int HeadlessPlatform::MsgBox(const MessageBoxRequest& request) {
  for (auto it = expected_.begin(); it != expected_.end(); ++it) {
    if (!it->match(request)) continue;
    const int answer = it->answer;
    expected_.erase(it);
    shown_.push_back({request, answer});
    return answer;
  }
  shown_.push_back({request, 0});
  throw UnexpectedMessageBox(request);
}

void HeadlessPlatform::QueueInputBox(std::optional<std::string> answer) {
  inputAnswers_.push_back(std::move(answer));
}
void HeadlessPlatform::QueueColor(std::optional<Color> answer) { colors_.push_back(answer); }
void HeadlessPlatform::QueueFont(std::optional<forms::Font> answer) {
  fonts_.push_back(std::move(answer));
}
void HeadlessPlatform::QueueOpenFile(std::optional<std::string> answer) {
  files_.push_back(std::move(answer));
}
void HeadlessPlatform::QueuePopupChoice(const std::string& menuName) {
  popupChoices_.push_back(menuName);
}
void HeadlessPlatform::QueueAction(std::function<void()> action) {
  actions_.push_back(std::move(action));
}

std::optional<std::string> HeadlessPlatform::InputBox(const InputBoxRequest& request) {
  auto answer =
      Next(inputAnswers_, "input box \"" + request.Prompt + "\" (title \"" + request.Title + "\")");
  inputBoxes_.push_back({request, answer});
  return answer;
}

std::optional<Color> HeadlessPlatform::ChooseColor(Color) { return Next(colors_, "colour dialog"); }

std::optional<forms::Font> HeadlessPlatform::ChooseFont(const forms::Font&) {
  return Next(fonts_, "font dialog");
}

std::optional<std::string> HeadlessPlatform::ChooseOpenFile(const FileDialogRequest&) {
  return Next(files_, "file-open dialog");
}

PrintOutcome HeadlessPlatform::PrintPage(const GridPicture& picture) {
  if (!printerFailure_.empty()) return {false, printerFailure_, ""};
  printJobs_.push_back(picture);
  return {true, "", ""};
}

Menu* HeadlessPlatform::ShowPopupMenu(Form&, Menu& menu) {
  popups_.push_back(menu.Name());
  if (popupChoices_.empty()) return nullptr;
  const std::string choice = popupChoices_.front();
  popupChoices_.pop_front();
  for (Menu* item : menu.Items()) {
    if (item->Name() == choice) return item;
  }
  return nullptr;
}

void HeadlessPlatform::DoEvents() {
  ++doEventsCalls_;
  if (actions_.empty()) {
    if (++idleDoEvents_ >= MaxIdleDoEvents) {
      idleDoEvents_ = 0;
      throw StuckWaiting(
          "DoEvents ran " + std::to_string(MaxIdleDoEvents) +
          " times with nothing queued: the window waits for something the test never does");
    }
    return;
  }
  idleDoEvents_ = 0;
  auto action = std::move(actions_.front());
  actions_.pop_front();
  action();
}

void HeadlessPlatform::EndProgram(int exitCode) {
  ended_ = true;
  exitCode_ = exitCode;
}

}  // namespace forms
