#pragma once
// The whole program on the Qt platform with a database of one team (Muster, Max with the login
// "max"/"geheim" as administrator; Beispiel, Erika), driven through the real widgets.
#include <QAbstractScrollArea>
#include <functional>
#include <stdexcept>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
#include "calendar/frmNotiz.h"
#include "core/frmLogin.h"
#include "program/Program.h"
#include "support/TestApp.h"

namespace mvtest {

class QtProgram : public testing::Test {
 protected:
  QtProgram() {
    database.AddTeam(0, "Vertrieb");
    database.AddEmployee(1, "Muster", "Max", 0);
    database.AddEmployee(2, "Beispiel", "Erika", 0);
    database.AddLogin(1, "max", "geheim", mv::GroupAdmin);
    platform.SetProgramFolder(database.Folder());
  }
  ~QtProgram() override { program.reset(); }

  // The program as its start leaves it; the login window shows.
  mv::frmLogin& Start() {
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
    EXPECT_EQ(program->Start(), 0);
    Pump();
    mv::frmLogin* login = program->core.frmLogin.IfLoaded();
    if (!login) throw std::runtime_error("no login window");
    return *login;
  }
  QLineEdit* Edit(const forms::Control& box) {
    return static_cast<QLineEdit*>(platform.WidgetOf(box));
  }
  mv::frmKalender& LogIn() { return LogInOn(Start()); }
  mv::frmKalender& LogInOn(mv::frmLogin& login, const QString& name = QStringLiteral("max")) {
    TypeInto(login.txtID, name);
    TypeInto(login.txtPW, QStringLiteral("geheim"));
    QTest::keyClick(Edit(login.txtPW), Qt::Key_Return);
    Pump();
    mv::frmKalender* main = program->calendar.frmKalender.IfLoaded();
    if (!main) throw std::runtime_error("no main window after the login");
    return *main;
  }
  // The centre of a cell of a grid and its viewport, as they lie on screen.
  QPoint CellCentre(const forms::Grid& grid, int row, int col) {
    return {(grid.ColPos(col) + grid.ColWidth(col) / 2) / 15,
            (grid.RowPos(row) + grid.RowHeight(row) / 2) / 15};
  }
  QWidget& Viewport(const forms::Grid& grid) {
    return *static_cast<QAbstractScrollArea*>(platform.WidgetOf(grid))->viewport();
  }
  // Drags over the days `from` to `to` of a month grid row, resting on its name first (that makes
  // its employee the current one); the release asks whether to enter the days.
  void DragOverDays(mv::frmKalender& main, int row, int from, int to) {
    QWidget& viewport = Viewport(main.grdCal);
    SendMouse(viewport, QEvent::MouseMove, CellCentre(main.grdCal, row, 0), Qt::NoButton);
    SendMouse(viewport, QEvent::MouseButtonPress, CellCentre(main.grdCal, row, from),
              Qt::LeftButton);
    for (int day = from + 1; day <= to; ++day)
      SendMouse(viewport, QEvent::MouseMove, CellCentre(main.grdCal, row, day), Qt::LeftButton);
    SendMouse(viewport, QEvent::MouseButtonRelease, CellCentre(main.grdCal, row, to), Qt::NoButton);
    Pump();
  }
  // Works the note dialog once it shows while the entry of absences waits for it (the wait runs
  // queued calls); gives up after some turns of the event loop.
  void WhenTheNoteDialogWaits(mv::frmKalender& main, std::function<void(mv::frmNotiz&)> work,
                              int turns = 50) {
    QMetaObject::invokeMethod(
        &pending_,
        [this, &main, work, turns] {
          mv::frmNotiz* dialog = program->calendar.frmNotiz.IfLoaded();
          if (dialog && dialog->Visible() && !main.Enabled()) {
            work(*dialog);
          } else if (turns > 0) {
            WhenTheNoteDialogWaits(main, work, turns - 1);
          }
        },
        Qt::QueuedConnection);
  }
  mv::frmKalender& Main() { return *program->calendar.frmKalender.IfLoaded(); }
  QWidget& Window(const forms::Form& form) { return *platform.WindowOf(form); }
  // Ctrl and the key on the main window.
  void Shortcut(int key) {
    QTest::keyClick(&Window(Main()), static_cast<Qt::Key>(key), Qt::ControlModifier);
    Pump();
  }
  // Presses a key where the focus is, as on a keyboard.
  void Key(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : QApplication::activeWindow(), key);
    Pump();
  }
  // Types into a box as a person does: click into it, then the keys.
  void TypeInto(const forms::Control& box, const QString& text) {
    QTest::mouseClick(Edit(box), Qt::LeftButton);
    QTest::keyClicks(Edit(box), text);
  }
  void Click(const forms::Control& control) {
    QTest::mouseClick(platform.WidgetOf(control), Qt::LeftButton);
    Pump();
  }

  AnsweringPlatform platform;
  QObject pending_;  // queued calls go with the test
  TestApp database;
  std::unique_ptr<mv::Program> program;
};

}  // namespace mvtest
