#include "forms/EditField.h"

#include "forms/Keys.h"
#include "text/Utf8.h"

namespace forms {

namespace {

bool IsBlank(int cp) { return cp == ' ' || cp == '\t' || cp == '\r' || cp == '\n'; }

}  // namespace

EditField::EditField(Form& form, ControlKind kind, std::string name, Control* container, int index)
    : Control(form, kind, std::move(name), container, index) {}

std::u32string EditField::Points() const { return text::Decode(text_); }

int EditField::Length() const { return static_cast<int>(text::Length(text_)); }

int EditField::Snap(int position) const {
  const auto points = Points();
  position = std::clamp(position, 0, static_cast<int>(points.size()));
  if (position > 0 && position < static_cast<int>(points.size()) && points[position - 1] == '\r' &&
      points[position] == '\n')
    --position;
  return position;
}

void EditField::StoreText(const std::string& v) {
  text_ = v;
  anchor_ = caret_ = Length();
  Changed();
}

void EditField::SetEditText(const std::string& v) {
  const bool differs = text_ != v;
  StoreText(v);
  if (differs) RaiseChange();
}

void EditField::SetSelStart(int v) {
  anchor_ = caret_ = std::clamp(v, 0, Length());
  Changed();
}

void EditField::SetSelLength(int v) {
  anchor_ = SelStart();
  caret_ = anchor_ + std::clamp(v, 0, Length() - anchor_);
  Changed();
}

std::string EditField::SelText() const {
  const auto points = Points();
  return text::Encode(std::u32string_view(points).substr(static_cast<std::size_t>(SelStart()),
                                                         static_cast<std::size_t>(SelLength())));
}

void EditField::SetSelText(const std::string& v) {
  if (Replace(SelStart(), SelLength(), v)) RaiseChange();
}

void EditField::SetLocked(bool v) { Update(locked_, v); }

bool EditField::Replace(int start, int length, const std::string& with) {
  auto points = Points();
  const auto inserted = text::Decode(with);
  points.erase(points.begin() + start, points.begin() + start + length);
  points.insert(points.begin() + start, inserted.begin(), inserted.end());
  const std::string next = text::Encode(points);
  const bool differs = next != text_;
  text_ = next;
  anchor_ = caret_ = start + static_cast<int>(inserted.size());
  Changed();
  return differs;
}

void EditField::RaiseChange() {
  if (Change) Change();
}

bool EditField::Key(int keyAscii) {
  if (KeyPress) KeyPress(keyAscii);
  if (keyAscii == 0 || locked_ || !Editable() || !AcceptsInput()) return false;
  if (keyAscii == vbKeyBack) {
    if (SelLength() > 0) return Replace(SelStart(), SelLength(), "");
    if (caret_ == 0) return false;
    const int from = Snap(caret_ - 1);
    return Replace(from, caret_ - from, "");
  }
  const bool lineBreak = keyAscii == vbKeyReturn && TakesLineBreaks();
  if (keyAscii < 32 && !lineBreak) return false;
  const std::string typed =
      lineBreak ? std::string("\r\n") : text::Encode(static_cast<char32_t>(keyAscii));
  if (Limit() > 0 && Length() - SelLength() + static_cast<int>(text::Length(typed)) > Limit())
    return false;
  return Replace(SelStart(), SelLength(), typed);
}

void EditField::UserType(const std::string& text) {
  UserInput input(*this);
  if (!input) return;
  for (const char32_t cp : text::Decode(text)) {
    if (!AcceptsInput()) return;
    UserKey(static_cast<int>(cp));
  }
}

void EditField::UserKey(int keyAscii) {
  UserInput input(*this);
  if (!input || ClickedButtonFor(keyAscii)) return;
  if (Key(keyAscii)) {
    Edited();
    RaiseChange();
  }
}

void EditField::UserDelete() {
  UserInput input(*this);
  if (!input || locked_ || !Editable()) return;
  int start = SelStart();
  int length = SelLength();
  if (length == 0) {
    if (caret_ >= Length()) return;
    const auto points = Points();
    length = points[caret_] == '\r' && caret_ + 1 < Length() && points[caret_ + 1] == '\n' ? 2 : 1;
    start = caret_;
  }
  if (Replace(start, length, "")) {
    Edited();
    RaiseChange();
  }
}

std::u32string EditField::Pastable(const std::string& text) const {
  const auto points = text::Decode(text);
  std::u32string pasted;
  for (size_t i = 0; i < points.size(); ++i) {
    const char32_t cp = points[i];
    if (cp == '\r' || cp == '\n') {
      if (!TakesLineBreaks()) break;
      if (cp == '\r' && i + 1 < points.size() && points[i + 1] == '\n') ++i;
      pasted += U"\r\n";
    } else if (cp >= 32) {
      pasted += cp;
    }
  }
  return pasted;
}

bool EditField::PasteRefused(const std::u32string& pasted) {
  if (!BeforePaste) return false;
  auto result = Points();
  result.replace(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()), pasted);
  bool cancel = false;
  BeforePaste(text::Encode(result), cancel);
  return cancel;
}

void EditField::UserPaste(const std::string& text) {
  UserInput input(*this);
  if (!input || locked_ || !Editable()) return;
  const std::u32string pasted = Pastable(text);
  if (pasted.empty() || PasteRefused(pasted)) return;
  bool changed = false;
  for (size_t i = 0; i < pasted.size() && AcceptsInput(); ++i) {
    const bool lineBreak = pasted[i] == '\r';
    if (lineBreak) ++i;  // the "\n" that goes with it
    changed = Key(lineBreak ? vbKeyReturn : static_cast<int>(pasted[i])) || changed;
  }
  if (changed) {
    Edited();
    RaiseChange();
  }
}

void EditField::UserSetText(const std::string& text) {
  UserInput input(*this);
  if (!input) return;
  UserSelectAll();
  if (text.empty()) {
    UserDelete();
  } else {
    UserPaste(text);
  }
}

std::string EditField::CopyText() const { return Masked() ? std::string() : SelText(); }

std::string EditField::UserCut() {
  UserInput input(*this);
  const std::string cut = CopyText();
  if (!input || locked_ || !Editable() || cut.empty()) return "";
  if (Replace(SelStart(), SelLength(), "")) {
    Edited();
    RaiseChange();
  }
  return cut;
}

int EditField::LineStart(int position) const {
  const auto points = Points();
  while (position > 0 && points[position - 1] != '\n' && points[position - 1] != '\r') --position;
  return position;
}

int EditField::LineEnd(int position) const {
  const auto points = Points();
  const int length = static_cast<int>(points.size());
  while (position < length && points[position] != '\r' && points[position] != '\n') ++position;
  return position;
}

void EditField::UserMoveCaret(CaretMove move, bool extend) {
  UserInput input(*this);
  if (!input) return;
  const auto points = Points();
  const int length = static_cast<int>(points.size());
  int to = caret_;
  switch (move) {
    case CaretMove::Left:
      if (!extend && SelLength() > 0) {
        to = SelStart();
      } else if (to > 0) {
        to = Snap(to - 1);
      }
      break;
    case CaretMove::Right:
      if (!extend && SelLength() > 0) {
        to = SelStart() + SelLength();
      } else if (to < length) {
        to = Snap(to + 1) == to ? to + 2 : to + 1;
      }
      break;
    case CaretMove::WordLeft:
      while (to > 0 && IsBlank(points[to - 1])) --to;
      while (to > 0 && !IsBlank(points[to - 1])) --to;
      break;
    case CaretMove::WordRight:
      while (to < length && !IsBlank(points[to])) ++to;
      while (to < length && IsBlank(points[to])) ++to;
      break;
    case CaretMove::Home:
      to = LineStart(to);
      break;
    case CaretMove::End:
      to = LineEnd(to);
      break;
    case CaretMove::TextStart:
      to = 0;
      break;
    case CaretMove::TextEnd:
      to = length;
      break;
  }
  caret_ = std::min(to, length);
  if (!extend) anchor_ = caret_;
  Changed();
}

void EditField::UserPlaceCaret(int position, bool extend) {
  UserInput input(*this);
  if (!input) return;
  caret_ = Snap(position);
  if (!extend) anchor_ = caret_;
  Changed();
}

void EditField::UserSelectAll() {
  UserInput input(*this);
  if (!input) return;
  anchor_ = 0;
  caret_ = Length();
  Changed();
}

void EditField::UserSelectWord(int position) {
  UserInput input(*this);
  if (!input) return;
  const auto points = Points();
  const int length = static_cast<int>(points.size());
  position = std::clamp(position, 0, length);
  if (position == length && position > 0) --position;
  int from = position;
  int to = position;
  const bool blank = length > 0 && IsBlank(points[position]);
  while (from > 0 && IsBlank(points[from - 1]) == blank) --from;
  while (to < length && IsBlank(points[to]) == blank) ++to;
  anchor_ = from;
  caret_ = to;
  Changed();
}

}  // namespace forms
