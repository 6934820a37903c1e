#include "QtTestSupport.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryFile>
#include <algorithm>
#include <utility>

namespace mvtest {

namespace {

// The offscreen platform's one screen as the smallest the program is made for.
void UseSmallScreen() {
  static QTemporaryFile config;
  if (!config.open()) return;
  config.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": )" +
               QByteArray::number(kScreen.width()) + R"(, "height": )" +
               QByteArray::number(kScreen.height()) +
               R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  config.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
}

}  // namespace

QApplication& EnsureApp() {
  static int argc = 1;
  static char name[] = "test_qt";
  static char* argv[] = {name, nullptr};
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty() || platform == "offscreen") UseSmallScreen();
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void Pump() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

AnsweringPlatform::AnsweringPlatform() {
  SetModalHook([this](QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) Answer(*box);
  });
}

void AnsweringPlatform::Answer(QMessageBox& box) {
  box.show();
  Pump();
  QList<QAbstractButton*> buttons = box.buttons();
  std::sort(buttons.begin(), buttons.end(), [](QAbstractButton* a, QAbstractButton* b) {
    return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
  });
  QStringList texts;
  for (QAbstractButton* button : buttons) texts << button->text().remove(QLatin1Char('&'));
  shown_.push_back({box.windowTitle(), box.text(), box.icon(), texts});
  if (look_) std::exchange(look_, nullptr)(box);
  QueuedAnswer answer{QMessageBox::NoButton, 0};
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  if (answer.Key != 0) {
    QTest::keyClick(&box, static_cast<Qt::Key>(answer.Key));
    Pump();
    if (!box.isVisible()) return;
    ADD_FAILURE() << "the key " << answer.Key << " left the box open";
  }
  QAbstractButton* button =
      answer.Button != QMessageBox::NoButton ? box.button(answer.Button) : box.defaultButton();
  if (button) button->click();
  Pump();
}

void SaveArtifact(QWidget& window, const std::string& name) {
  QDir().mkpath(QStringLiteral(MV_ARTIFACTS_DIR));
  window.grab().save(QStringLiteral(MV_ARTIFACTS_DIR) + QLatin1Char('/') +
                     QString::fromStdString(name) + QStringLiteral(".png"));
}

QRect Screen() { return QGuiApplication::primaryScreen()->availableGeometry(); }

void SendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButtons held,
               Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  QMouseEvent event(type, at, target.mapToGlobal(at),
                    type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
  QApplication::sendEvent(&target, &event);
}

QPoint CaretPoint(QLineEdit& line, int position) {
  const int y = line.height() / 2;
  for (int x = 0; x < line.width(); ++x)
    if (line.cursorPositionAt(QPoint(x, y)) == position) return {x, y};
  ADD_FAILURE() << "no point for position " << position;
  return {0, y};
}

void DragOverText(QLineEdit& line, int from, int to) {
  SendMouse(line, QEvent::MouseButtonPress, CaretPoint(line, from), Qt::LeftButton);
  SendMouse(line, QEvent::MouseMove, CaretPoint(line, to), Qt::LeftButton);
  SendMouse(line, QEvent::MouseButtonRelease, CaretPoint(line, to), Qt::NoButton);
}

void TypeKeys(QWidget& target, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(&target, &press);
  }
}

}  // namespace mvtest
