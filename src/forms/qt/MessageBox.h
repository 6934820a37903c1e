#pragma once
// A message box as the program's users know them from Windows: its buttons named in the program's
// language and without pictures, no room kept for an icon it does not have, wide enough for its
// whole title, and no minimize or maximize button.
#include <QMessageBox>

#include "forms/Platform.h"

namespace forms::qt {

class MessageBox : public QMessageBox {
 public:
  MessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
             UiLanguage language, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DropIconRoom();
  void FitTitle();
};

// The words of a standard button in a language ("&" marks the mnemonic).
QString ButtonText(QMessageBox::StandardButton button, UiLanguage language);

}  // namespace forms::qt
