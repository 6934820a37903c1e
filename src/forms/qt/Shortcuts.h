#pragma once
// Menu shortcut keys written as the runtime writes them ("Ctrl+L", "Ctrl+Shift+X", "F12").
#include <QKeyEvent>
#include <string>

namespace forms {
class Form;
class Menu;
}  // namespace forms

namespace forms::qt {

// The key as a shortcut text; "" for keys that are no shortcut (plain typing, navigation).
std::string ShortcutText(const QKeyEvent& event);
// The enabled, visible menu entry of the form that carries this shortcut, nullptr when none.
Menu* FindShortcut(const Form& form, const std::string& keys);
// Equal shortcut texts, regardless of case and blanks.
bool SameShortcut(const std::string& a, const std::string& b);

}  // namespace forms::qt
