#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/Platform.h"

namespace forms {

// A message box, dialog or wait that the test did not script. Its what() names the prompt and
// title.
class UnexpectedMessageBox : public std::runtime_error {
 public:
  explicit UnexpectedMessageBox(const MessageBoxRequest& request);
  MessageBoxRequest Request;
};

class UnexpectedDialog : public std::runtime_error {
 public:
  explicit UnexpectedDialog(const std::string& what) : std::runtime_error(what) {}
};

// A wait (DoEvents loop) that went on with nothing queued to end it.
class StuckWaiting : public std::runtime_error {
 public:
  explicit StuckWaiting(const std::string& what) : std::runtime_error(what) {}
};

struct ShownMessageBox {
  MessageBoxRequest Request;
  int Answer = 0;
};

struct ShownInputBox {
  InputBoxRequest Request;
  std::optional<std::string> Answer;
};

// The platform for tests: every dialog is scripted in advance, every message box and print job is
// recorded, the clock stands still (2026-12-06 12:00) and the program folder is a fresh temporary
// folder.
//
//   forms::HeadlessPlatform platform;
//   Program p(platform);                                 // owns forms::Runtime rt{platform}
//   platform.ExpectMessageBox(texts(136), forms::vbOK);  // the refused login
//   p.core.frmLogin->txtID.UserType("nobody");
//   p.core.frmLogin->cmdOK.UserClick();
//   // runs inside the next DoEvents:
//   platform.QueueAction([&] { p.calendar.frmNotiz->cmdAbort.UserClick(); });
class HeadlessPlatform : public Platform {
 public:
  using MessageMatch = std::function<bool(const MessageBoxRequest&)>;

  HeadlessPlatform();
  ~HeadlessPlatform() override;
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  // Message boxes: each expectation answers one box. A box answers with the first pending
  // expectation that matches it; a box that none matches throws UnexpectedMessageBox.
  void ExpectMessageBox(const std::string& prompt, int answer);
  void ExpectMessageBox(MessageMatch match, int answer);
  std::size_t PendingMessageBoxes() const { return expected_.size(); }
  const std::vector<ShownMessageBox>& MessageBoxes() const { return shown_; }

  // Input box and common dialogs answer from their queues (nullopt = cancelled); an empty queue
  // throws UnexpectedDialog.
  void QueueInputBox(std::optional<std::string> answer);
  void QueueColor(std::optional<Color> answer);
  void QueueFont(std::optional<forms::Font> answer);
  void QueueOpenFile(std::optional<std::string> answer);
  const std::vector<ShownInputBox>& InputBoxes() const { return inputBoxes_; }

  // Pop-up menus choose the entry of this name next ("" dismisses); unscripted ones are dismissed.
  void QueuePopupChoice(const std::string& menuName);
  // Names of the pop-up menus shown.
  const std::vector<std::string>& PopupMenus() const { return popups_; }

  // DoEvents runs the oldest queued action (one per call). After MaxIdleDoEvents calls in a row
  // with nothing queued it throws StuckWaiting: a wait that nothing will end.
  void QueueAction(std::function<void()> action);
  std::size_t PendingActions() const { return actions_.size(); }
  int MaxIdleDoEvents = 1000;
  int DoEventsCalls() const { return doEventsCalls_; }

  const std::vector<GridPicture>& PrintJobs() const { return printJobs_; }
  // Every later job fails with this message (an empty message prints again).
  void SetPrinterFailure(const std::string& message) { printerFailure_ = message; }

  void SetNow(const DateTime& now) { now_ = now; }
  // "." unless a test chooses another locale's separator.
  void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

  bool ProgramEnded() const { return ended_; }
  int ExitCode() const { return exitCode_; }

  int MsgBox(const MessageBoxRequest& request) override;
  std::optional<std::string> InputBox(const InputBoxRequest& request) override;
  std::optional<Color> ChooseColor(Color initial) override;
  std::optional<forms::Font> ChooseFont(const forms::Font& initial) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
  PrintOutcome PrintPage(const GridPicture& picture) override;
  Menu* ShowPopupMenu(Form& form, Menu& menu) override;
  void DoEvents() override;
  std::filesystem::path ProgramFolder() const override { return folder_; }
  DateTime Now() const override { return now_; }
  std::string DecimalSeparator() const override { return decimalSeparator_; }
  void EndProgram(int exitCode) override;
  // Its dialogs are scripted and have no words of their own.
  void UseLanguage(UiLanguage) override {}

 private:
  struct Expectation {
    MessageMatch match;
    int answer;
    std::string description;
  };

  std::deque<Expectation> expected_;
  std::vector<ShownMessageBox> shown_;
  std::deque<std::optional<std::string>> inputAnswers_;
  std::vector<ShownInputBox> inputBoxes_;
  std::deque<std::optional<Color>> colors_;
  std::deque<std::optional<forms::Font>> fonts_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::string> popupChoices_;
  std::vector<std::string> popups_;
  std::deque<std::function<void()>> actions_;
  int idleDoEvents_ = 0;
  int doEventsCalls_ = 0;
  std::vector<GridPicture> printJobs_;
  std::string printerFailure_;
  DateTime now_{2026, 12, 6, 12, 0, 0};
  std::string decimalSeparator_ = ".";
  std::filesystem::path folder_;
  bool ended_ = false;
  int exitCode_ = 0;
};

}  // namespace forms
