#include "forms/qt/Dialogs.h"

#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <unordered_map>

#include "forms/Menu.h"
#include "forms/qt/Convert.h"
#include "forms/qt/MessageBox.h"

namespace forms::qt {

namespace {

int RunModal(QDialog& dialog, const ModalHook& hook) {
  if (hook) {
    hook(dialog);
  } else {
    dialog.exec();
  }
  // Without a window manager nobody hands the focus back to the window that opened the dialog.
  if (QWidget* opener = dialog.parentWidget(); opener && opener->isVisible())
    opener->activateWindow();
  return dialog.result();
}

QMessageBox::Icon IconOf(int icon) {
  switch (icon) {
    case vbCritical:
      return QMessageBox::Critical;
    case vbQuestion:
      return QMessageBox::Question;
    case vbExclamation:
      return QMessageBox::Warning;
    case vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton escape;  // NoButton: the box cannot be dismissed without an answer
};

ButtonSet ButtonsOf(int buttons) {
  switch (buttons) {
    case vbOKCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case vbAbortRetryIgnore:
      return {QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::NoButton};
    case vbYesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case vbYesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton};
    case vbRetryCancel:
      return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
    default:
      return {QMessageBox::Ok, QMessageBox::Ok};
  }
}

int AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Cancel:
      return vbCancel;
    case QMessageBox::Abort:
      return vbAbort;
    case QMessageBox::Retry:
      return vbRetry;
    case QMessageBox::Ignore:
      return vbIgnore;
    case QMessageBox::Yes:
      return vbYes;
    case QMessageBox::No:
      return vbNo;
    default:
      return vbOK;
  }
}

void AddEntries(QMenu& popup, const Menu& menu, std::unordered_map<QAction*, Menu*>& entries) {
  for (Menu* item : menu.Items()) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      popup.addSeparator();
      continue;
    }
    if (!item->Items().empty()) {
      QMenu* sub = popup.addMenu(ToQt(item->Caption()));
      sub->setEnabled(item->Enabled());
      AddEntries(*sub, *item, entries);
      continue;
    }
    QString text = ToQt(item->Caption());
    if (!item->Shortcut().empty()) text += QLatin1Char('\t') + ToQt(item->Shortcut());
    QAction* action = popup.addAction(text);
    action->setEnabled(item->Enabled());
    action->setCheckable(item->Checked());
    action->setChecked(item->Checked());
    entries[action] = item;
  }
}

}  // namespace

int ShowMessageBox(QWidget* parent, const MessageBoxRequest& request, const ModalHook& hook) {
  const ButtonSet set = ButtonsOf(request.Buttons);
  MessageBox box(IconOf(request.Icon), ToQt(request.Title), Caption(request.Prompt), set.buttons,
                 request.Language, parent);
  // The first button is the default one, as on Windows.
  QMessageBox::StandardButton first = QMessageBox::NoButton;
  for (QMessageBox::StandardButton b :
       {QMessageBox::Ok, QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Yes}) {
    if (set.buttons & b) {
      first = b;
      break;
    }
  }
  box.setDefaultButton(first);
  if (set.escape != QMessageBox::NoButton) box.setEscapeButton(set.escape);
  RunModal(box, hook);
  QAbstractButton* clicked = box.clickedButton();
  if (!clicked)
    clicked = set.escape != QMessageBox::NoButton ? box.button(set.escape) : box.button(first);
  return AnswerOf(box.standardButton(clicked));
}

std::optional<std::string> ShowInputBox(QWidget* parent, const InputBoxRequest& request,
                                        const ModalHook& hook) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(ToQt(request.Title));
  dialog.setLabelText(Caption(request.Prompt));
  dialog.setTextValue(ToQt(request.Default));
  dialog.setOkButtonText(ButtonText(QMessageBox::Ok, request.Language));
  dialog.setCancelButtonText(ButtonText(QMessageBox::Cancel, request.Language));
  dialog.setWindowModality(Qt::ApplicationModal);
  if (RunModal(dialog, hook) != QDialog::Accepted) return std::nullopt;
  return FromQt(dialog.textValue());
}

std::optional<Color> ShowColorDialog(QWidget* parent, Color initial, const ModalHook& hook) {
  QColorDialog dialog(ToQColor(initial), parent);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (RunModal(dialog, hook) != QDialog::Accepted) return std::nullopt;
  return FromQColor(dialog.selectedColor());
}

// A classic font not installed here shows by its stand-in, which the dialog's list names; taken as
// it opened, the font keeps its classic name.
std::optional<Font> ShowFontDialog(QWidget* parent, const Font& initial, const ModalHook& hook) {
  QFont opening = ToPointFont(initial);
  const QString standIn = QFontInfo(opening).family();
  opening.setFamily(standIn);
  QFontDialog dialog(opening, parent);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (RunModal(dialog, hook) != QDialog::Accepted) return std::nullopt;
  Font chosen = FromQFont(dialog.selectedFont());
  if (chosen.Name == FromQt(standIn)) chosen.Name = initial.Name;
  return chosen;
}

QString FileFilter(const std::string& filter) {
  const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the parentheses; a name that already shows them keeps only its
    // words.
    const QString name = parts[i].section(QLatin1Char('('), 0, 0).trimmed();
    entries << name + QStringLiteral(" (") + patterns.trimmed() + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> ShowOpenFileDialog(QWidget* parent, const FileDialogRequest& request,
                                              const ModalHook& hook) {
  QFileDialog dialog(parent, ToQt(request.Title), ToQt(request.InitialPath),
                     FileFilter(request.Filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (!request.InitialPath.empty() && QFileInfo(ToQt(request.InitialPath)).isFile()) {
    dialog.selectFile(ToQt(request.InitialPath));
  }
  if (hook) dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (RunModal(dialog, hook) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return FromQt(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

Menu* ShowPopupMenu(QWidget* parent, Menu& menu, const ModalHook& hook) {
  QMenu popup(parent);
  std::unordered_map<QAction*, Menu*> entries;
  AddEntries(popup, menu, entries);
  QAction* chosen = nullptr;
  if (hook) {
    QObject::connect(&popup, &QMenu::triggered, &popup,
                     [&chosen](QAction* action) { chosen = action; });
    hook(popup);
  } else {
    chosen = popup.exec(QCursor::pos());
  }
  auto it = entries.find(chosen);
  return it == entries.end() ? nullptr : it->second;
}

}  // namespace forms::qt
