#pragma once

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "forms/Control.h"

namespace forms {

// Where a caret key moves the caret. Home and End stay on the caret's line; Ctrl+Home and Ctrl+End
// are TextStart and TextEnd.
enum class CaretMove { Left, Right, WordLeft, WordRight, Home, End, TextStart, TextEnd };

// A control with an edit field: the text box and the combo box. It keeps the text with VB's caret
// and selection (SelStart, SelLength, SelText) and takes the user's edits: every character typed
// or pasted goes through KeyPress, Locked and the control's length limit, and typing replaces the
// selection. Texts are UTF-8; positions and lengths count characters (code points).
class EditField : public Control {
 public:
  const std::string& Text() const { return text_; }

  int SelStart() const { return std::min(anchor_, caret_); }
  // Collapses the selection at v.
  void SetSelStart(int v);
  int SelLength() const { return std::abs(caret_ - anchor_); }
  // Selects from SelStart on; the caret goes to the selection's end.
  void SetSelLength(int v);
  std::string SelText() const;
  // Replaces the selection (Change when that changes the text); the caret follows the new text.
  void SetSelText(const std::string& v);
  // Where the caret stands: at one end of the selection, the other end being where it started.
  int Caret() const { return caret_; }

  bool Locked() const { return locked_; }
  void SetLocked(bool v);

  std::function<void()> Change;
  std::function<void(int& keyAscii)> KeyPress;  // set keyAscii to 0 to swallow the key
  // A paste, before its characters go through KeyPress, with the text the field would read after
  // it; set cancel to refuse the paste as a whole (a number field that is handed "12.5").
  std::function<void(const std::string& result, bool& cancel)> BeforePaste;

  // Types each character as a key.
  void UserType(const std::string& text);
  // One key: a character, Backspace (the selection or the character before the caret), Enter or
  // Escape.
  void UserKey(int keyAscii);
  // The Delete key: the selection or the character after the caret.
  void UserDelete();
  // Inserts a text as if typed key by key (KeyPress, Locked and the length limit apply to each
  // character; control characters are dropped, and a field of one line takes the first line only),
  // raising one Change, unless BeforePaste refuses it.
  void UserPaste(const std::string& text);
  // The user replaces the whole text: selects all and pastes (or deletes, for "").
  void UserSetText(const std::string& text);
  // Removes the selection and returns it, "" when nothing could be cut (no selection, locked,
  // masked).
  std::string UserCut();
  // The selection as it may go to the clipboard, "" while the field is masked.
  std::string CopyText() const;
  // A caret key; with `extend` (Shift held) the selection grows or shrinks instead.
  void UserMoveCaret(CaretMove move, bool extend);
  // A press or a drag of the mouse at a character position; `extend` keeps the selection's anchor.
  void UserPlaceCaret(int position, bool extend);
  void UserSelectAll();
  // A double click: selects the word at position.
  void UserSelectWord(int position);

 protected:
  EditField(Form& form, ControlKind kind, std::string name, Control* container, int index);

  // Replaces the whole text from code: the caret goes to the end, Change when it differs.
  void SetEditText(const std::string& v);
  // The same without Change (a list choice sets it and raises Click instead).
  void StoreText(const std::string& v);

  // False where the field shows but does not edit (a combo box limited to its list).
  virtual bool Editable() const { return true; }
  // Characters the text may hold, 0 for any number.
  virtual int Limit() const { return 0; }
  virtual bool TakesLineBreaks() const { return false; }
  virtual bool Masked() const { return false; }
  // Enter and Escape may belong to the window's default and cancel buttons: true when one took it.
  virtual bool ClickedButtonFor(int keyAscii) {
    (void)keyAscii;
    return false;
  }
  // The user's edit changed the text; runs before Change.
  virtual void Edited() {}

 private:
  std::u32string Points() const;
  // What a paste of the text puts in: control characters dropped, the first line only in a field of
  // one line, every line break as "\r\n".
  std::u32string Pastable(const std::string& text) const;
  // BeforePaste's answer for putting these characters in place of the selection.
  bool PasteRefused(const std::u32string& pasted);
  int Length() const;
  // A position between the two halves of a line break counts as before it.
  int Snap(int position) const;
  // Runs KeyPress on one character and, unless it is swallowed or refused, puts it in place of the
  // selection. True when the text changed.
  bool Key(int keyAscii);
  bool Replace(int start, int length, const std::string& with);
  void RaiseChange();
  int LineStart(int position) const;
  int LineEnd(int position) const;

  std::string text_;
  int anchor_ = 0;
  int caret_ = 0;
  bool locked_ = false;
};

}  // namespace forms
