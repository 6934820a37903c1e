#pragma once
// One runtime form as a top-level window: its menu bar, its client area with a widget per control,
// placed by twips. The window's close box, activation, Enter and Escape go back to the runtime.
#include <QWidget>
#include <unordered_map>
#include <vector>

#include "forms/Form.h"

class QMenuBar;

namespace forms::qt {

class ControlAdapter;
class WindowHost;

class FormWindow : public QWidget {
 public:
  FormWindow(WindowHost& host, Form& form);
  ~FormWindow() override;

  WindowHost& Host() const { return host_; }
  // nullptr once the form has gone away.
  Form* Target() const { return form_; }
  QMenuBar* MenuBar() const { return menuBar_; }
  QWidget* Client() const { return client_; }
  ControlAdapter* AdapterOf(const Control& control) const;
  QWidget* WidgetOf(const Control& control) const;

  // The window on the screen, frame and title bar included.
  QRect Outer() const { return {pos(), size() + FrameSize()}; }
  // Mirrors the window's own state (caption, frame, geometry, colour, pointer, visibility).
  void Sync();
  void SyncControl(Control& control);
  // Qt's focus follows the runtime's active control while the window is active.
  void SyncFocus();
  // Fits menu bar and client area after the menu bar appeared or disappeared.
  void Relayout();
  // The form is being discarded: hide, and never touch it again.
  void Detach();

  // True while the window or a control is set from the runtime: focus Qt moves meanwhile (away
  // from a control hidden or disabled) is no user input.
  bool Mirroring() const { return mirroring_ > 0; }
  class MirrorScope {
   public:
    explicit MirrorScope(FormWindow& w) : w_(w) { ++w_.mirroring_; }
    ~MirrorScope() { --w_.mirroring_; }
    MirrorScope(const MirrorScope&) = delete;
    MirrorScope& operator=(const MirrorScope&) = delete;

   private:
    FormWindow& w_;
  };

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildAdapters();
  void Restack();
  void SetFlags();
  void SetGeometry();
  // A window that opens is centred over the window that opened it (on the screen for the first)
  // and kept on the screen.
  void PlaceOpening();
  void Place(QRect outer);
  QSize FrameSize() const;
  // The smallest inner size that still shows every control.
  QSize ContentSize() const;
  void Activated();
  void ReportGeometry();

  WindowHost& host_;
  Form* form_;
  QMenuBar* menuBar_;
  QWidget* client_;
  std::vector<ControlAdapter*> adapters_;
  std::unordered_map<const Control*, ControlAdapter*> byControl_;
  std::unordered_map<const Control*, int> zPositions_;
  Qt::WindowFlags flags_;
  QRect placed_;
  bool opened_ = false;
  bool syncing_ = false;
  int mirroring_ = 0;
};

}  // namespace forms::qt
