#include "QtTestSupport.h"

#include <QDir>
#include <QPixmap>
#include <QPushButton>

namespace mvtest {

QApplication& EnsureApp() {
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
  window.grab().save(QStringLiteral(MV_ARTIFACTS_DIR) + QLatin1Char('/') + QString::fromStdString(name) +
                     QStringLiteral(".png"));
}

}  // namespace mvtest
