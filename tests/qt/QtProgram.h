#pragma once
// The whole program on the Qt platform with a database of one team (Muster, Max with the login
// "max"/"geheim" as administrator; Beispiel, Erika), driven through the real widgets.
#include <QAbstractScrollArea>
#include <stdexcept>

#include "QtTestSupport.h"
#include "calendar/frmKalender.h"
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
    if (!program->core.frmLogin.IfLoaded()) throw std::runtime_error("no login window");
    return *program->core.frmLogin.IfLoaded();
  }
  mv::frmKalender& LogIn() { return LogInOn(Start()); }
  mv::frmKalender& LogInOn(mv::frmLogin& login, const QString& name = QStringLiteral("max")) {
    TypeInto(login.txtID, name);
    TypeInto(login.txtPW, QStringLiteral("geheim"));
    QTest::keyClick(Edit(login.txtPW), Qt::Key_Return);
    Pump();
    if (!program->calendar.frmKalender.IfLoaded()) throw std::runtime_error("no main window");
    return Main();
  }
  mv::frmKalender& Main() { return *program->calendar.frmKalender.IfLoaded(); }
  QWidget& Window(const forms::Form& form) { return *platform.WindowOf(form); }
  QLineEdit* Edit(const forms::Control& box) {
    return static_cast<QLineEdit*>(platform.WidgetOf(box));
  }
  // The centre of a cell of a grid and its viewport, as they lie on screen.
  QPoint CellCentre(const forms::Grid& grid, int row, int col) {
    return {(grid.ColPos(col) + grid.ColWidth(col) / 2) / 15,
            (grid.RowPos(row) + grid.RowHeight(row) / 2) / 15};
  }
  QWidget& Viewport(const forms::Grid& grid) {
    return *static_cast<QAbstractScrollArea*>(platform.WidgetOf(grid))->viewport();
  }
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
  TestApp database;
  std::unique_ptr<mv::Program> program;
};

}  // namespace mvtest
