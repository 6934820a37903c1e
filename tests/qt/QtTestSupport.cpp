#include "QtTestSupport.h"

#include <QDir>
#include <QPixmap>
#include <QPushButton>

namespace mvtest {

namespace {

// The offscreen platform says what it cannot do (raise windows, size hints) on every window.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QStringLiteral("This plugin does not support"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

QApplication& EnsureApp() {
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!previousHandler) previousHandler = qInstallMessageHandler(QuietHandler);
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void Pump() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

AnsweringPlatform::AnsweringPlatform() {
  SetModalHook([this](QWidget& modal) {
    auto* box = qobject_cast<QMessageBox*>(&modal);
    if (!box) {
      ++otherDialogs_;
      return;
    }
    shown_.push_back({box->windowTitle(), box->text(), box->standardButtons(), box->icon()});
    QAbstractButton* button = box->defaultButton();
    if (!answers_.empty()) {
      button = box->button(answers_.front());
      answers_.pop_front();
    }
    if (button) button->click();
  });
}

void SaveArtifact(QWidget& window, const std::string& name) {
  QDir().mkpath(QStringLiteral(MV_ARTIFACTS_DIR));
  window.grab().save(QStringLiteral(MV_ARTIFACTS_DIR) + QLatin1Char('/') +
                     QString::fromStdString(name) + QStringLiteral(".png"));
}

}  // namespace mvtest
