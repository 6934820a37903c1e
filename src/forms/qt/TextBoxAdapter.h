#pragma once
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "forms/TextBox.h"
#include "forms/qt/ControlAdapter.h"

namespace forms::qt {

// Every key that edits goes through the runtime (KeyPress may change or swallow it, MaxLength and
// Locked apply, Change follows); the widget shows the result, masked by PasswordChar. Keys that
// only move the caret stay with the widget and the new caret is reported back.
class TextBoxAdapter : public ControlAdapter {
 public:
  TextBoxAdapter(FormWindow& window, TextBox& textBox, QWidget* parent);

 protected:
  void SyncOwn() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TextBox& Model() const { return static_cast<TextBox&>(*Target()); }
  bool Key(const QKeyEvent& event);
  void Send(int keyAscii);
  void Type(const QString& text);
  void Replace(int start, int length, const QString& with);
  void DeleteForward();
  void Copy();
  void Paste();
  void MirrorSelection();

  QString EditorText() const;
  std::pair<int, int> EditorSelection() const;
  void SetEditorText(const QString& text);
  void SetEditorSelection(int start, int length);

  QLineEdit* line_ = nullptr;
  QPlainTextEdit* area_ = nullptr;
  bool mirroring_ = false;
};

}  // namespace forms::qt
