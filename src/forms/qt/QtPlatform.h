#pragma once
// The platform for people: every runtime form as a real window, Qt's message boxes and dialogs,
// the system's printer (or PDF files where there is none), the clock and the program folder.
//
//   QApplication app(argc, argv);
//   forms::qt::QtPlatform platform;
//   mv::State state(platform);
//   platform.Attach(state.rt);   // before the first window loads
//
// The platform must outlive the runtime's windows (declare it before the program state).
#include <QTranslator>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "forms/Control.h"
#include "forms/Platform.h"
#include "forms/Runtime.h"
#include "forms/qt/Dialogs.h"

namespace forms::qt {

class WindowHost;

class QtPlatform : public Platform {
 public:
  // Needs the QApplication. Sets the look: Fusion in the classic Windows colours, the classic fonts
  // mapped to the installed metric-compatible ones. Qt's own texts are English until UseLanguage.
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // Mirrors the runtime's windows from now on.
  void Attach(Runtime& runtime);

  // The window of a loaded form and the widget of a control, nullptr when there is none.
  QWidget* WindowOf(const Form& form) const;
  QWidget* WidgetOf(const Control& control) const;
  int ExitCode() const { return exitCode_; }

  // For tests: modal dialogs go to the hook instead of the screen; the program folder is a given
  // one; printing always writes PDF files, printer or not.
  void SetModalHook(ModalHook hook) { hook_ = std::move(hook); }
  void SetProgramFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  void SetPrintToPdf(bool v) { pdfOnly_ = v; }

  int MsgBox(const MessageBoxRequest& request) override;
  std::optional<std::string> InputBox(const InputBoxRequest& request) override;
  std::optional<Color> ChooseColor(Color initial) override;
  std::optional<forms::Font> ChooseFont(const forms::Font& initial) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
  // Landscape, unscaled, on the default printer; without one, a PDF file in prints/ of the
  // program folder. The outcome says where the page went.
  PrintOutcome PrintPage(const GridPicture& picture) override;
  Menu* ShowPopupMenu(Form& form, Menu& menu) override;
  // Runs what is pending; with nothing pending it waits a moment for the next event, so that a
  // loop waiting for a window to close does not spin.
  void DoEvents() override;
  std::filesystem::path ProgramFolder() const override;
  DateTime Now() const override;
  // The system locale's.
  std::string DecimalSeparator() const override;
  // Leaves the event loop with the code once the running handler returns.
  void EndProgram(int exitCode) override;
  // Qt's own translations of its dialogs, where the system has them; else they stay English.
  void UseLanguage(UiLanguage language) override;

 private:
  QWidget* DialogParent() const;

  std::unique_ptr<WindowHost> host_;
  std::unique_ptr<QTranslator> translator_;
  ModalHook hook_;
  std::optional<std::filesystem::path> folder_;
  bool pdfOnly_ = false;
  int exitCode_ = 0;
};

// Why Qt cannot open windows here ("" when it can): on Linux without a display and without
// QT_QPA_PLATFORM, Qt would abort with an obscure message.
std::string DisplayProblem();

}  // namespace forms::qt
