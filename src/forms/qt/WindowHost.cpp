#include "forms/qt/WindowHost.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <exception>
#include <optional>
#include <string>

#include "forms/Form.h"
#include "forms/Keys.h"
#include "forms/Platform.h"
#include "forms/qt/ControlAdapter.h"
#include "forms/qt/FormWindow.h"
#include "forms/qt/Shortcuts.h"

namespace forms::qt {

WindowHost::WindowHost(Runtime& runtime) : runtime_(runtime) {
  runtime_.Windows().SetObserver(this);
  qApp->installEventFilter(this);
}

// The runtime is gone by now (it is built on the platform, so it goes first): only the windows are
// left.
WindowHost::~WindowHost() {
  qApp->removeEventFilter(this);
  if (busy_) QApplication::restoreOverrideCursor();
  for (auto& [form, window] : windows_) {
    window->Detach();
    delete window;
  }
  for (auto& window : doomed_) delete window.data();
}

FormWindow* WindowHost::WindowOf(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second;
}

QWidget* WindowHost::WidgetOf(const Control& control) const {
  FormWindow* window = WindowOf(control.Parent());
  return window ? window->WidgetOf(control) : nullptr;
}

QWidget* WindowHost::ActiveWindow() const {
  Form* active = runtime_.Windows().ActiveForm();
  FormWindow* window = active ? WindowOf(*active) : nullptr;
  if (window && window->isVisible()) return window;
  for (Form* form : runtime_.Windows().VisibleForms()) {
    if (FormWindow* shown = WindowOf(*form)) return shown;
  }
  return nullptr;
}

FormWindow* WindowHost::OpenerOf(const FormWindow& opening) const {
  Form* active = runtime_.Windows().ActiveForm();
  FormWindow* window = active ? WindowOf(*active) : nullptr;
  if (window && window != &opening && window->isVisible()) return window;
  for (Form* form : runtime_.Windows().VisibleForms()) {
    FormWindow* shown = WindowOf(*form);
    if (shown && shown != &opening && shown->isVisible()) return shown;
  }
  return nullptr;
}

void WindowHost::Dispatch(const std::function<void()>& input) {
  ++depth_;
  std::optional<std::string> failure;
  try {
    input();
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "Unknown failure";
  }
  if (failure) {
    try {
      runtime_.MsgBox(*failure, vbOKOnly | vbCritical);
    } catch (...) {
      // The report itself failed (a test's answer hook, say); the program goes on regardless.
    }
  }
  if (--depth_ > 0) return;
  ReleaseDoomed();
  // A program whose last window went without ending it would live on unseen.
  if (!runtime_.Ended() && runtime_.Windows().VisibleForms().empty()) QCoreApplication::exit(0);
}

void WindowHost::ReleaseDoomed() {
  for (auto& window : doomed_) {
    if (window) window->deleteLater();
  }
  doomed_.clear();
}

void WindowHost::ReactivateLater() {
  QPointer<QWidget> window = ActiveWindow();
  if (!window) return;
  QMetaObject::invokeMethod(
      this,
      [window] {
        if (!window) return;
        // Minimized by the window manager, it would keep the clicked window disabled out of
        // reach.
        if (window->isMinimized())
          window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
      },
      Qt::QueuedConnection);
}

void WindowHost::FormLoaded(Form& form) { windows_[&form] = new FormWindow(*this, form); }

void WindowHost::FormUnloaded(Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  FormWindow* window = it->second;
  windows_.erase(it);
  window->Detach();
  doomed_.emplace_back(window);
  if (depth_ == 0) ReleaseDoomed();
}

void WindowHost::FormChanged(Form& form) {
  if (FormWindow* window = WindowOf(form)) window->Sync();
}

void WindowHost::ControlChanged(Control& control) {
  if (FormWindow* window = WindowOf(control.Parent())) window->SyncControl(control);
}

void WindowHost::ActiveFormChanged(Form* active) {
  FormWindow* window = active ? WindowOf(*active) : nullptr;
  if (!window || !window->isVisible()) return;
  window->raise();
  window->activateWindow();
  window->SyncFocus();
}

void WindowHost::ZOrderChanged() {
  const auto& forms = runtime_.Windows().Forms();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    FormWindow* window = WindowOf(**it);
    if (window && window->isVisible()) window->raise();
  }
}

void WindowHost::ScreenMousePointerChanged(int pointer) {
  const bool busy = pointer == vbHourglass;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void WindowHost::RefreshRequested(Form& form) {
  FormWindow* window = WindowOf(form);
  if (window && window->isVisible()) window->repaint();
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
      break;
    default:
      return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  auto* window = widget ? dynamic_cast<FormWindow*>(widget->window()) : nullptr;
  Form* form = window ? window->Target() : nullptr;
  if (!form) return false;
  // A disabled window takes no input at all, as on Windows.
  if (!form->Enabled()) return true;
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  const std::string keys = ShortcutText(*static_cast<QKeyEvent*>(event));
  if (keys.empty() || !FindShortcut(*form, keys)) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    // Claimed here, so that no widget takes the key for its own shortcut (Ctrl+A in a text box).
    event->accept();
    return true;
  }
  Dispatch([form, keys] { form->UserShortcut(keys); });
  return true;
}

}  // namespace forms::qt
