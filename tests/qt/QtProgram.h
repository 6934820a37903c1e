#pragma once
// The whole program on the Qt platform with a database of one team (Muster, Max with the login
// "max"/"geheim" as administrator; Beispiel, Erika), driven through the real widgets.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <memory>
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
    program = std::make_unique<mv::Program>(platform);
    platform.Attach(program->s.rt);
  }
  ~QtProgram() override { program.reset(); }

  // Starts the program; the login window shows.
  mv::frmLogin& Start() {
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
  mv::frmKalender& LogInOn(mv::frmLogin& login) {
    TypeInto(login.txtID, QStringLiteral("max"));
    TypeInto(login.txtPW, QStringLiteral("geheim"));
    QTest::keyClick(Edit(login.txtPW), Qt::Key_Return);
    Pump();
    mv::frmKalender* main = program->calendar.frmKalender.IfLoaded();
    if (!main) throw std::runtime_error("no main window after the login");
    return *main;
  }
  // Mouse input on a cell of the month grid, as it lies on screen.
  void Mouse(mv::frmKalender& main, QEvent::Type type, int row, int col, Qt::MouseButton button,
             Qt::MouseButtons held) {
    const forms::Grid& grid = main.grdCal;
    const QPoint at((grid.ColPos(col) + grid.ColWidth(col) / 2) / 15,
                    (grid.RowPos(row) + grid.RowHeight(row) / 2) / 15);
    QWidget* viewport = static_cast<QAbstractScrollArea*>(platform.WidgetOf(grid))->viewport();
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
  }
  // Drags over the days `from` to `to` of a grid row, resting on its name first (that makes its
  // employee the current one); the release asks whether to enter the days.
  void DragOverDays(mv::frmKalender& main, int row, int from, int to) {
    Mouse(main, QEvent::MouseMove, row, 0, Qt::NoButton, Qt::NoButton);
    Mouse(main, QEvent::MouseButtonPress, row, from, Qt::LeftButton, Qt::LeftButton);
    for (int day = from + 1; day <= to; ++day)
      Mouse(main, QEvent::MouseMove, row, day, Qt::NoButton, Qt::LeftButton);
    Mouse(main, QEvent::MouseButtonRelease, row, to, Qt::LeftButton, Qt::NoButton);
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
  // Types into a box as a person does: click into it, then the keys.
  void TypeInto(const forms::Control& box, const QString& text) {
    QTest::mouseClick(Edit(box), Qt::LeftButton);
    QTest::keyClicks(Edit(box), text);
  }

  AnsweringPlatform platform;
  QObject pending_;  // queued calls go with the test
  TestApp database;
  std::unique_ptr<mv::Program> program;
};

}  // namespace mvtest
