#include "forms/qt/LabelAdapter.h"

#include "forms/Keys.h"
#include "forms/qt/Convert.h"

namespace forms::qt {

LabelAdapter::LabelAdapter(FormWindow& window, Label& label, QWidget* parent)
    : ControlAdapter(window, label, new QLabel(parent)), view_(static_cast<QLabel*>(Widget())) {
  view_->setTextFormat(Qt::PlainText);
  view_->setFocusPolicy(Qt::NoFocus);
  view_->setMargin(0);
  view_->setIndent(0);
}

void LabelAdapter::SyncOwn() {
  const Label& label = Model();
  const QString text = Caption(label.Caption());
  if (view_->text() != text) view_->setText(text);
  Qt::Alignment alignment = Qt::AlignTop | Qt::AlignLeft;
  if (label.Alignment() == vbRightJustify) alignment = Qt::AlignTop | Qt::AlignRight;
  if (label.Alignment() == vbCenter) alignment = Qt::AlignTop | Qt::AlignHCenter;
  view_->setAlignment(alignment);
  view_->setWordWrap(!label.AutoSize() || label.WordWrap());
  view_->setFrameStyle(label.BorderStyle() == 1 ? QFrame::WinPanel | QFrame::Sunken
                                                : QFrame::NoFrame);
  ApplyColors(QPalette::Window, QPalette::WindowText, label.BackStyle() == 1);
  if (label.AutoSize()) {
    const QSize hint = label.WordWrap()
                           ? QSize(view_->width(), view_->heightForWidth(view_->width()))
                           : view_->sizeHint();
    view_->resize(hint);
  }
}

bool LabelAdapter::eventFilter(QObject* watched, QEvent* event) {
  if (Target()) WatchClicksOf(event, Model());
  return ControlAdapter::eventFilter(watched, event);
}

}  // namespace forms::qt
