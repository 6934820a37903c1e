#pragma once
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "forms/TextBox.h"
#include "forms/qt/ControlAdapter.h"
#include "forms/qt/EditInput.h"

namespace forms::qt {

// Keys and mouse edit through the runtime (caret, selection, KeyPress, MaxLength, Locked, Change);
// the widget shows the runtime's text, masked by PasswordChar, with its caret and selection. Only
// the caret moves between lines of a multi-line box are the widget's, reported back.
class TextBoxAdapter : public ControlAdapter {
 public:
  TextBoxAdapter(FormWindow& window, TextBox& textBox, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TextBox& Model() const { return static_cast<TextBox&>(*Target()); }
  ShownText Shown() const;
  // Where the pointer is, as a position in the runtime's text.
  int PositionAt(const QPoint& at) const;
  void MirrorSelection();
  void ShowSelection();

  // Anchor and caret as the widget has them.
  std::pair<int, int> EditorSelection() const;
  void SetEditorText(const QString& text);
  void SetEditorSelection(int anchor, int caret);

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* area_ = nullptr;
  EditInput input_;
};

}  // namespace forms::qt
