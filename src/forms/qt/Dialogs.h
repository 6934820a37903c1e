#pragma once
// The modal parts of the platform: message boxes, the input box, the common dialogs, pop-up menus.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "forms/Color.h"
#include "forms/Font.h"
#include "forms/Platform.h"

namespace forms {
class Menu;
}

namespace forms::qt {

// Stands in for the user of a modal dialog or pop-up menu: it gets the widget instead of its modal
// loop and may fill it in and press a button (or trigger an entry); nothing is shown.
using ModalHook = std::function<void(QWidget& modal)>;

int ShowMessageBox(QWidget* parent, const MessageBoxRequest& request, const ModalHook& hook);
std::optional<std::string> ShowInputBox(QWidget* parent, const InputBoxRequest& request,
                                        const ModalHook& hook);
std::optional<Color> ShowColorDialog(QWidget* parent, Color initial, const ModalHook& hook);
std::optional<Font> ShowFontDialog(QWidget* parent, const Font& initial, const ModalHook& hook);
std::optional<std::string> ShowOpenFileDialog(QWidget* parent, const FileDialogRequest& request,
                                              const ModalHook& hook);
// The entries of `menu` at the pointer; the chosen one, nullptr when dismissed.
Menu* ShowPopupMenu(QWidget* parent, Menu& menu, const ModalHook& hook);

// "Text files (*.txt)|*.txt|All (*.*)|*.*" as Qt writes it: "Text files (*.txt);;All (*.*)".
QString FileFilter(const std::string& filter);

}  // namespace forms::qt
