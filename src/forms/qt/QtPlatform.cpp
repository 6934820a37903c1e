#include "forms/qt/QtPlatform.h"

#include <QApplication>
#include <QDateTime>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>

#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/qt/Convert.h"
#include "forms/qt/FormWindow.h"
#include "forms/qt/Printing.h"
#include "forms/qt/WindowHost.h"

namespace forms::qt {

namespace {

// How long DoEvents waits for an event when none is pending.
constexpr int kIdleWaitMs = 20;

QPalette ClassicPalette() {
  QPalette p;
  const QColor face = ToQColor(vbButtonFace);
  const QColor text = ToQColor(vbWindowText);
  const QColor gray = ToQColor(vbGrayText);
  p.setColor(QPalette::Window, face);
  p.setColor(QPalette::Button, face);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::ButtonText, ToQColor(vbButtonText));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Base, ToQColor(vbWindowBackground));
  p.setColor(QPalette::AlternateBase, face.lighter(108));
  p.setColor(QPalette::Highlight, ToQColor(vbHighlight));
  p.setColor(QPalette::HighlightedText, ToQColor(vbHighlightText));
  p.setColor(QPalette::Light, Qt::white);
  p.setColor(QPalette::Midlight, face.lighter(110));
  p.setColor(QPalette::Mid, face.darker(130));
  p.setColor(QPalette::Dark, ToQColor(vbButtonShadow));
  p.setColor(QPalette::Shadow, QColor(64, 64, 64));
  p.setColor(QPalette::ToolTipBase, ToQColor(vbInfoBackground));
  p.setColor(QPalette::ToolTipText, ToQColor(vbInfoText));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, gray);
  // The circle of a disabled option button and the box of a disabled check box are filled like the
  // window; text boxes and lists keep their own back colour.
  p.setColor(QPalette::Disabled, QPalette::Base, face);
  return p;
}

}  // namespace

QtPlatform::QtPlatform() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(ClassicPalette());
  InstallFontSubstitutions();
  QApplication::setFont(ToQFont(Font{}));
  QApplication::setQuitOnLastWindowClosed(false);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::UseLanguage(UiLanguage language) {
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  if (language != UiLanguage::German) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

void QtPlatform::Attach(Runtime& runtime) { host_ = std::make_unique<WindowHost>(runtime); }

QWidget* QtPlatform::WindowOf(const Form& form) const {
  return host_ ? host_->WindowOf(form) : nullptr;
}

QWidget* QtPlatform::WidgetOf(const Control& control) const {
  return host_ ? host_->WidgetOf(control) : nullptr;
}

QWidget* QtPlatform::DialogParent() const { return host_ ? host_->ActiveWindow() : nullptr; }

int QtPlatform::MsgBox(const MessageBoxRequest& request) {
  return ShowMessageBox(DialogParent(), request, hook_);
}

std::optional<std::string> QtPlatform::InputBox(const InputBoxRequest& request) {
  return ShowInputBox(DialogParent(), request, hook_);
}

std::optional<Color> QtPlatform::ChooseColor(Color initial) {
  return ShowColorDialog(DialogParent(), initial, hook_);
}

std::optional<forms::Font> QtPlatform::ChooseFont(const forms::Font& initial) {
  return ShowFontDialog(DialogParent(), initial, hook_);
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const FileDialogRequest& request) {
  return ShowOpenFileDialog(DialogParent(), request, hook_);
}

PrintOutcome QtPlatform::PrintPage(const GridPicture& picture) {
  if (!pdfOnly_ && HasDefaultPrinter()) return PrintOnDefaultPrinter(picture);
  return PrintToPdf(picture, ProgramFolder() / "prints", Now());
}

Menu* QtPlatform::ShowPopupMenu(Form& form, Menu& menu) {
  QWidget* parent = WindowOf(form);
  return forms::qt::ShowPopupMenu(parent ? parent : DialogParent(), menu, hook_);
}

void QtPlatform::DoEvents() {
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(kIdleWaitMs);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

std::filesystem::path QtPlatform::ProgramFolder() const {
  if (folder_) return *folder_;
  return std::filesystem::path(FromQt(QCoreApplication::applicationDirPath()));
}

DateTime QtPlatform::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::string QtPlatform::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

void QtPlatform::EndProgram(int exitCode) {
  exitCode_ = exitCode;
  QCoreApplication::exit(exitCode);
}

std::string DisplayProblem() {
#ifdef __linux__
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  if (set("DISPLAY") || set("WAYLAND_DISPLAY")) return "";
  // Qt tries the plugins named in turn; only the X11 one is sure to abort without a display.
  if (set("QT_QPA_PLATFORM")) {
    for (const QString& plugin :
         QString::fromLocal8Bit(std::getenv("QT_QPA_PLATFORM")).split(QLatin1Char(';'))) {
      if (plugin.trimmed().section(QLatin1Char(':'), 0, 0) != QLatin1String("xcb")) return "";
    }
  }
  return "Morvellan needs a graphical display, and there is none here (neither DISPLAY nor "
         "WAYLAND_DISPLAY is "
         "set).\nStart it from a desktop session, or run it without a screen:\n"
         "  xvfb-run scripts/run.sh                   (a virtual display; apt-get install xvfb)\n"
         "  QT_QPA_PLATFORM=offscreen scripts/run.sh  (runs without showing any window)\n";
#else
  return "";
#endif
}

}  // namespace forms::qt
