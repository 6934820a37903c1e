#include "forms/qt/MessageBox.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace forms::qt {

namespace {

// What a window manager's title bar needs beside the title: an icon, its buttons (some show all
// three whatever a window asks for), the frame; and its font is mostly larger than the windows'.
constexpr int kTitleBarRoom = 120;
constexpr double kTitleFontScale = 1.25;

}  // namespace

QString ButtonText(QMessageBox::StandardButton button, UiLanguage language) {
  const bool german = language == UiLanguage::German;
  switch (button) {
    case QMessageBox::Yes:
      return german ? QStringLiteral("&Ja") : QStringLiteral("&Yes");
    case QMessageBox::No:
      return german ? QStringLiteral("&Nein") : QStringLiteral("&No");
    case QMessageBox::Cancel:
      return german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel");
    case QMessageBox::Abort:
      return german ? QStringLiteral("&Abbrechen") : QStringLiteral("&Abort");
    case QMessageBox::Retry:
      return german ? QStringLiteral("&Wiederholen") : QStringLiteral("&Retry");
    case QMessageBox::Ignore:
      return german ? QStringLiteral("&Ignorieren") : QStringLiteral("&Ignore");
    default:
      return QStringLiteral("OK");
  }
}

MessageBox::MessageBox(Icon icon, const QString& title, const QString& text,
                       StandardButtons buttons, UiLanguage language, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent, Qt::Dialog) {
  setTextFormat(Qt::PlainText);
  setWindowModality(Qt::ApplicationModal);
  // After the modality, which puts Qt's own flags back.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  for (QAbstractButton* button : this->buttons()) {
    button->setText(ButtonText(standardButton(button), language));
    button->setIcon(QIcon());
  }
}

void MessageBox::showEvent(QShowEvent* event) {
  if (icon() == NoIcon) DropIconRoom();
  FitTitle();
  QMessageBox::showEvent(event);
}

// Qt indents the text where an icon would stand; without one the text starts at the margin.
void MessageBox::DropIconRoom() {
  auto* grid = qobject_cast<QGridLayout*>(layout());
  auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!grid || !label) return;
  for (int i = grid->count() - 1; i >= 0; --i) {
    if (QSpacerItem* spacer = grid->itemAt(i)->spacerItem()) {
      grid->removeItem(spacer);
      delete spacer;
    }
  }
  grid->removeWidget(label);
  grid->addWidget(label, 0, 0, 1, grid->columnCount());
}

// Qt leaves room for the title in a small font and no buttons; a window manager's bar takes more.
// Qt sizes the box by its text, so the text is given the width.
void MessageBox::FitTitle() {
  auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (!label || !layout()) return;
  QFont bold = font();
  bold.setBold(true);
  if (bold.pixelSize() > 0) {
    bold.setPixelSize(static_cast<int>(bold.pixelSize() * kTitleFontScale));
  } else {
    bold.setPointSizeF(bold.pointSizeF() * kTitleFontScale);
  }
  int wanted = QFontMetrics(bold).horizontalAdvance(windowTitle()) + kTitleBarRoom;
  if (screen()) wanted = std::min(wanted, screen()->availableGeometry().width());
  const QMargins margins = layout()->contentsMargins();
  wanted -= margins.left() + margins.right();
  // A least width would also be the most Qt gives a text that is wider: such a text already makes
  // the box wide enough.
  const int text = QFontMetrics(label->font()).size(0, label->text()).width();
  label->setMinimumWidth(wanted > text ? wanted : 0);
}

}  // namespace forms::qt
