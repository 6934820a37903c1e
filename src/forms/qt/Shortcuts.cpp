#include "forms/qt/Shortcuts.h"

#include <algorithm>
#include <cctype>

#include "forms/Form.h"
#include "forms/Menu.h"

namespace forms::qt {

namespace {

std::string Normal(const std::string& keys) {
  std::string out;
  for (char c : keys) {
    if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string KeyName(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return std::string(1, static_cast<char>('A' + (key - Qt::Key_A)));
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return std::string(1, static_cast<char>('0' + (key - Qt::Key_0)));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return "F" + std::to_string(key - Qt::Key_F1 + 1);
  if (key == Qt::Key_Delete) return "Del";
  if (key == Qt::Key_Insert) return "Ins";
  return "";
}

}  // namespace

std::string ShortcutText(const QKeyEvent& event) {
  const std::string name = KeyName(event.key());
  if (name.empty()) return "";
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool ctrl = mods & Qt::ControlModifier;
  const bool alt = mods & Qt::AltModifier;
  const bool functionKey = event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F24;
  const bool editKey = event.key() == Qt::Key_Delete || event.key() == Qt::Key_Insert;
  if (!ctrl && !alt && !functionKey && !editKey) return "";
  std::string keys;
  if (ctrl) keys += "Ctrl+";
  if (mods & Qt::ShiftModifier) keys += "Shift+";
  if (alt) keys += "Alt+";
  return keys + name;
}

bool SameShortcut(const std::string& a, const std::string& b) { return Normal(a) == Normal(b); }

Menu* FindShortcut(const Form& form, const std::string& keys) {
  for (Control* control : form.Controls()) {
    if (control->Kind() != ControlKind::Menu) continue;
    auto* menu = static_cast<Menu*>(control);
    if (!menu->Shortcut().empty() && SameShortcut(menu->Shortcut(), keys) && menu->AcceptsInput())
      return menu;
  }
  return nullptr;
}

}  // namespace forms::qt
