#pragma once
// The employee, team, dependency and holiday windows, the annual overview, the options, the print
// manager and the about box, each reached as a user reaches it (the main window's shortcut keys,
// then the buttons of the windows in between), on the Qt platform with three teams of employees.
#include <QAbstractButton>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "QtProgram.h"
#include "masterdata/frmBearbeitenTeam.h"
#include "masterdata/frmBenutzer.h"
#include "masterdata/frmBeziehungen.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "masterdata/frmTeams.h"
#include "overview/frmDrucken.h"
#include "overview/frmInfo.h"
#include "overview/frmJahresansicht.h"
#include "overview/frmOptionen.h"

namespace mvtest {

class QtWindowWalk : public QtProgram {
 public:
  struct Visit {
    const char* Name;
    // Opens the window from the main window and returns it, shown and in front.
    std::function<forms::Form&()> Open;
    // The window that gets control back when it closes.
    std::function<forms::Form&()> Opener;
  };

  // Every window, in the order of the menus; the window of `w` each opens (nullptr: only the
  // names are wanted).
  static std::vector<Visit> Visits(QtWindowWalk* walk);

 protected:
  QtWindowWalk() {
    database.AddTeam(1, "Einkauf und Logistik");
    database.AddTeam(2, "Vertrieb Süd");
    database.AddEmployee(3, "Wagner-Oberhuber", "Maximilian", 1);
    database.AddEmployee(4, "Hoffmann", "Jürgen", 2);
    database.AddDependency(2, 1, 3);
    std::filesystem::copy(MV_PICTURES_DIR, database.Folder() / "pictures");
    // Message boxes take their default button, the search box gets "e", a pop-up menu its first
    // entry that may be chosen.
    platform.SetModalHook([](QWidget& modal) {
      if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        if (QAbstractButton* button = box->defaultButton()) button->click();
      } else if (auto* input = qobject_cast<QInputDialog*>(&modal)) {
        input->setTextValue(QStringLiteral("e"));
        input->accept();
      } else if (auto* menu = qobject_cast<QMenu*>(&modal)) {
        for (QAction* action : menu->actions()) {
          if (action->isEnabled() && !action->isSeparator()) {
            action->trigger();
            break;
          }
        }
      }
    });
  }

  mv::frmKalender& Main() { return *program->calendar.frmKalender.IfLoaded(); }
  QWidget& Window(const forms::Form& form) { return *platform.WindowOf(form); }
  void Shortcut(int key) {
    QTest::keyClick(&Window(Main()), static_cast<Qt::Key>(key), Qt::ControlModifier);
    Pump();
  }
  void Click(const forms::Control& control) {
    QTest::mouseClick(platform.WidgetOf(control), Qt::LeftButton);
    Pump();
  }
  // Presses a key where the focus is, as on a keyboard.
  void Key(Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : QApplication::activeWindow(), key);
    Pump();
  }

  // Through the options dialog, as a user switches.
  void SwitchToEnglish() {
    Shortcut(Qt::Key_E);
    mv::frmOptionen& options = *program->overview.frmOptionen.IfLoaded();
    Click(options.imgEnglish);
    Click(options.cmd_Close);
  }
};

inline std::vector<QtWindowWalk::Visit> QtWindowWalk::Visits(QtWindowWalk* w) {
  const auto main = [w]() -> forms::Form& { return w->Main(); };
  const auto card = [w]() -> mv::frmMitarbeiter& {
    w->Shortcut(Qt::Key_K);
    return *w->program->masterdata.frmMitarbeiter.IfLoaded();
  };
  const auto teams = [w]() -> mv::frmTeams& {
    w->Shortcut(Qt::Key_T);
    return *w->program->masterdata.frmTeams.IfLoaded();
  };
  const auto dependencies = [w]() -> mv::frmBeziehungen& {
    w->Shortcut(Qt::Key_A);
    return *w->program->masterdata.frmBeziehungen.IfLoaded();
  };
  const auto overview = [w](int key, auto slot) {
    return [w, key, slot]() -> forms::Form& {
      w->Shortcut(key);
      return *(w->program->overview.*slot).IfLoaded();
    };
  };
  return {
      {"EmployeeCard", card, main},
      {"EmployeeCardWithResults",
       [w, card]() -> forms::Form& {
         mv::frmMitarbeiter& shown = card();
         w->Click(shown.cmd_Search);
         return shown;
       },
       main},
      {"LoginData",
       [w, card]() -> forms::Form& {
         w->Click(card().cmd_Login);
         return *w->program->masterdata.frmBenutzer.IfLoaded();
       },
       [w]() -> forms::Form& { return *w->program->masterdata.frmMitarbeiter.IfLoaded(); }},
      {"Teams", teams, main},
      {"TeamDialog",
       [w, teams]() -> forms::Form& {
         w->Click(teams().cmd_Edit);
         return *w->program->masterdata.frmBearbeitenTeam.IfLoaded();
       },
       [w]() -> forms::Form& { return *w->program->masterdata.frmTeams.IfLoaded(); }},
      {"NewTeamDialog",
       [w, teams]() -> forms::Form& {
         w->Click(teams().cmd_New);
         return *w->program->masterdata.frmBearbeitenTeam.IfLoaded();
       },
       [w]() -> forms::Form& { return *w->program->masterdata.frmTeams.IfLoaded(); }},
      {"Dependencies", dependencies, main},
      {"DependenciesWithList",
       [w, dependencies]() -> forms::Form& {
         mv::frmBeziehungen& shown = dependencies();
         w->Click(shown.cmd_MA);
         return shown;
       },
       main},
      {"Holidays",
       [w]() -> forms::Form& {
         w->Shortcut(Qt::Key_F);
         return *w->program->masterdata.frmFerien.IfLoaded();
       },
       main},
      {"AnnualOverview", overview(Qt::Key_J, &mv::OverviewWindows::frmJahresansicht), main},
      {"Options", overview(Qt::Key_E, &mv::OverviewWindows::frmOptionen), main},
      {"PrintManager", overview(Qt::Key_D, &mv::OverviewWindows::frmDrucken), main},
      {"About", overview(Qt::Key_I, &mv::OverviewWindows::frmInfo), main},
  };
}

}  // namespace mvtest
