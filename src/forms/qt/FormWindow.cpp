#include "forms/qt/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "forms/CommandButton.h"
#include "forms/Keys.h"
#include "forms/Menu.h"
#include "forms/qt/AdapterFactory.h"
#include "forms/qt/ControlAdapter.h"
#include "forms/qt/Convert.h"
#include "forms/qt/WindowHost.h"

namespace forms::qt {

namespace {

// The frame a form's outer size includes: border on each side and the title bar, in pixels.
constexpr int kBorder = 4;
constexpr int kCaption = 26;

bool Framed(const Form& form) { return form.BorderStyle() != 0; }

}  // namespace

FormWindow::FormWindow(WindowHost& host, Form& form)
    : QWidget(nullptr, Qt::Window),
      host_(host),
      form_(&form),
      menuBar_(new QMenuBar(this)),
      client_(new QWidget(this)) {
  setObjectName(ToQt(form.Name()));
  menuBar_->setNativeMenuBar(false);
  client_->setAutoFillBackground(true);
  BuildAdapters();
  Sync();
}

FormWindow::~FormWindow() = default;

ControlAdapter* FormWindow::AdapterOf(const Control& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second;
}

QWidget* FormWindow::WidgetOf(const Control& control) const {
  ControlAdapter* adapter = AdapterOf(control);
  return adapter ? adapter->Widget() : nullptr;
}

void FormWindow::BuildAdapters() {
  for (Control* control : form_->Controls()) {
    ControlAdapter* container = control->Container() ? AdapterOf(*control->Container()) : nullptr;
    QWidget* parent = container && container->ChildArea() ? container->ChildArea() : client_;
    ControlAdapter* adapter = MakeAdapter(*this, *control, parent, container);
    adapters_.push_back(adapter);
    byControl_[control] = adapter;
  }
  // Tab order is the order in which the window declares its controls.
  QWidget* previous = nullptr;
  for (ControlAdapter* adapter : adapters_) {
    QWidget* widget = adapter->Widget();
    if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  for (ControlAdapter* adapter : adapters_) adapter->Sync();
  Restack();
}

void FormWindow::Restack() {
  std::vector<ControlAdapter*> stacked;
  for (ControlAdapter* adapter : adapters_) {
    if (adapter->Widget() && adapter->Target()) stacked.push_back(adapter);
  }
  std::stable_sort(stacked.begin(), stacked.end(), [](ControlAdapter* a, ControlAdapter* b) {
    return a->Target()->ZPosition() < b->Target()->ZPosition();
  });
  for (ControlAdapter* adapter : stacked) {
    adapter->Widget()->raise();
    zPositions_[adapter->Target()] = adapter->Target()->ZPosition();
  }
}

void FormWindow::Sync() {
  if (!form_) return;
  MirrorScope mirror(*this);
  syncing_ = true;
  // A title bar left empty would show the executable's name: the program's title stands in.
  setWindowTitle(ToQt(form_->Caption().empty() ? host_.Rt().Title() : form_->Caption()));
  SetFlags();
  QPalette palette = client_->palette();
  palette.setColor(QPalette::Window, ToQColor(form_->BackColor()));
  client_->setPalette(palette);
  if (form_->MousePointer() == vbHourglass) {
    setCursor(Qt::WaitCursor);
  } else if (form_->MousePointer() == vbArrow) {
    setCursor(Qt::ArrowCursor);
  } else {
    unsetCursor();
  }
  SetGeometry();
  Relayout();
  if (form_->Visible() && !isVisible() && !opened_) PlaceOpening();
  if (form_->Visible() != isVisible()) setVisible(form_->Visible());
  syncing_ = false;
}

void FormWindow::SetFlags() {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  const int border = form_->BorderStyle();
  if (border == 0) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::WindowTitleHint;
    if (form_->ControlBox()) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (form_->MinButton() && border != 3) flags |= Qt::WindowMinimizeButtonHint;
      if (form_->MaxButton() && border == 2) flags |= Qt::WindowMaximizeButtonHint;
    }
  }
  if (flags == flags_) return;
  flags_ = flags;
  const bool shown = isVisible();
  setWindowFlags(flags);
  if (shown) show();
}

void FormWindow::SetGeometry() {
  const QRect outer = PxRect(form_->Left(), form_->Top(), form_->Width(), form_->Height());
  if (outer != placed_) Place(outer);
}

QSize FormWindow::FrameSize() const {
  return Framed(*form_) ? QSize(2 * kBorder, kCaption + 2 * kBorder) : QSize(0, 0);
}

QSize FormWindow::ContentSize() const {
  QSize content(1, 1);
  for (const QWidget* child : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isHidden()) continue;
    content =
        content.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
  }
  const int menu = menuBar_->isHidden() ? 0 : menuBar_->sizeHint().height();
  return {content.width(), content.height() + menu};
}

void FormWindow::PlaceOpening() {
  opened_ = true;
  QRect outer = PxRect(form_->Left(), form_->Top(), form_->Width(), form_->Height());
  const FormWindow* opener = host_.OpenerOf(*this);
  const QRect over =
      opener ? opener->Outer() : QGuiApplication::primaryScreen()->availableGeometry();
  outer.moveCenter(over.center());
  Place(outer);
}

void FormWindow::Place(QRect outer) {
  const QSize frame = FrameSize();
  // Until the window opens its controls may not be in place yet: it goes where it is told.
  if (opened_) {
    const QScreen* on = QGuiApplication::screenAt(outer.center());
    const QRect screen = (on ? on : QGuiApplication::primaryScreen())->availableGeometry();
    // Too large for the screen: the empty room beyond the controls goes first.
    if (outer.width() > screen.width() || outer.height() > screen.height()) {
      const QSize least = ContentSize() + frame;
      outer.setSize(
          outer.size().boundedTo(screen.size()).expandedTo(least).boundedTo(outer.size()));
    }
    // Wholly on the screen; where it cannot be, its top left stays visible.
    outer.moveLeft(
        std::max(screen.left(), std::min(outer.left(), screen.right() + 1 - outer.width())));
    outer.moveTop(
        std::max(screen.top(), std::min(outer.top(), screen.bottom() + 1 - outer.height())));
  }
  placed_ = outer;
  const QSize inner = (outer.size() - frame).expandedTo(QSize(1, 1));
  if (form_->BorderStyle() == 2) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(inner);
  } else {
    setFixedSize(inner);
  }
  move(outer.topLeft());
  // The runtime's Left, Top, Width and Height say where the window is.
  form_->UserMove(Twips(outer.x()), Twips(outer.y()), Twips(outer.width()), Twips(outer.height()));
}

void FormWindow::Relayout() {
  if (!form_) return;
  bool menus = false;
  for (Menu* menu : form_->MenuBar()) menus = menus || menu->Visible();
  menuBar_->setVisible(menus);
  const int top = menus ? menuBar_->sizeHint().height() : 0;
  menuBar_->setGeometry(0, 0, width(), top);
  client_->setGeometry(0, top, width(), std::max(0, height() - top));
}

void FormWindow::SyncControl(Control& control) {
  ControlAdapter* adapter = AdapterOf(control);
  if (!adapter) return;
  adapter->Sync();
  if (adapter->Widget() && zPositions_[&control] != control.ZPosition()) Restack();
  if (control.Kind() == ControlKind::Menu && control.Container() == nullptr) Relayout();
  SyncFocus();
}

void FormWindow::SyncFocus() {
  if (!form_ || !isActiveWindow()) return;
  Control* control = form_->ActiveControl();
  QWidget* widget = control ? WidgetOf(*control) : nullptr;
  if (!widget || !widget->isVisible() || !widget->isEnabled()) return;
  QWidget* focused = QApplication::focusWidget();
  if (focused && (focused == widget || widget->isAncestorOf(focused))) return;
  widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::Detach() {
  form_ = nullptr;
  for (ControlAdapter* adapter : adapters_) adapter->Detach();
  hide();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The runtime decides: it unloads the form (and this window goes) unless a handler cancels.
  event->ignore();
  if (Form* form = form_) host_.Dispatch([form] { form->UserClose(); });
}

bool FormWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) Activated();
  return QWidget::event(event);
}

void FormWindow::Activated() {
  if (!form_) return;
  if (form_->IsActive()) {
    SyncFocus();
  } else if (form_->Enabled() && form_->Visible()) {
    Form* form = form_;
    host_.Dispatch([form] { form->UserActivate(); });
    SyncFocus();
  } else {
    host_.ReactivateLater();
  }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (form_ && plain && (enter || event->key() == Qt::Key_Escape)) {
    CommandButton* button = nullptr;
    if (enter) {
      Control* focused = form_->ActiveControl();
      button = focused && focused->Kind() == ControlKind::CommandButton
                   ? static_cast<CommandButton*>(focused)
                   : form_->DefaultButton();
    } else {
      button = form_->CancelButton();
    }
    if (button) {
      host_.Dispatch([button] { button->UserClick(); });
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (event->spontaneous() && !syncing_) ReportGeometry();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
  if (event->spontaneous() && !syncing_) ReportGeometry();
}

void FormWindow::ReportGeometry() {
  if (!form_) return;
  placed_ = Outer();
  form_->UserMove(Twips(placed_.x()), Twips(placed_.y()), Twips(placed_.width()),
                  Twips(placed_.height()));
}

}  // namespace forms::qt
