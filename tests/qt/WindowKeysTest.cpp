// The keyboard in every window of the walk: a window opens in front, titled, with the focus inside
// it, Escape closes it and hands control back to the window that opened it, and Enter presses the
// button a dialog is there for.
#include <gtest/gtest.h>

#include <QListWidget>
#include <filesystem>

#include "WindowWalk.h"

namespace {

using mvtest::QtWindowWalk;

class QtWindowKeys : public QtWindowWalk, public testing::WithParamInterface<int> {
 protected:
  const Visit& Param() {
    visits_ = Visits(this);
    return visits_[static_cast<std::size_t>(GetParam())];
  }
  // The control that has the focus, by its name; "" when the focus is outside the form's window.
  std::string Focused(const forms::Form& form) {
    for (const QWidget* focused = QApplication::focusWidget(); focused;
         focused = focused->parentWidget()) {
      for (const forms::Control* control : form.Controls()) {
        if (platform.WidgetOf(*control) == focused) return control->Name();
      }
    }
    return "";
  }

 private:
  std::vector<Visit> visits_;
};

std::string VisitName(const testing::TestParamInfo<int>& info) {
  return QtWindowWalk::Visits(nullptr)[static_cast<std::size_t>(info.param)].Name;
}

const auto kAllVisits = testing::Range(0, static_cast<int>(QtWindowWalk::Visits(nullptr).size()));

int VisitIndex(const std::string& name) {
  const auto visits = QtWindowWalk::Visits(nullptr);
  for (std::size_t i = 0; i < visits.size(); ++i) {
    if (visits[i].Name == name) return static_cast<int>(i);
  }
  return -1;
}

TEST_P(QtWindowKeys, OpensInFrontWithTheFocusInside) {
  const Visit& visit = Param();
  LogIn();
  forms::Form& form = visit.Open();
  EXPECT_TRUE(form.IsActive());
  EXPECT_EQ(QApplication::activeWindow(), &Window(form));
  EXPECT_NE(Focused(form), "");
  // The team dialog sets no caption of its own.
  EXPECT_EQ(Window(form).windowTitle().toStdString(),
            form.Caption().empty() ? "Morvellan" : form.Caption());
}

// Closed with its Close (or Abort) button and opened again, a window does not start on that button.
TEST_P(QtWindowKeys, ReopenedStartsWhereItStartedFirst) {
  const Visit& visit = Param();
  LogIn();
  forms::Form& form = visit.Open();
  const std::string first = Focused(form);
  // Found first: the annual overview's Close discards the window with its controls.
  const forms::Control* close = nullptr;
  for (const forms::Control* control : form.Controls()) {
    if (control->Name() == "cmd_Close" || control->Name() == "cmd_Abort") close = control;
  }
  ASSERT_NE(close, nullptr);
  Click(*close);
  forms::Form& again = visit.Open();
  EXPECT_EQ(Focused(again), first);
}

TEST_P(QtWindowKeys, EscapeClosesItAndHandsControlBack) {
  const Visit& visit = Param();
  LogIn();
  forms::Form& form = visit.Open();
  const std::string name = form.Name();
  Key(Qt::Key_Escape);
  forms::Form& opener = visit.Opener();
  EXPECT_TRUE(opener.Enabled());
  EXPECT_TRUE(opener.IsActive());
  EXPECT_EQ(QApplication::activeWindow(), &Window(opener));
  for (const forms::Form* shown : program->s.rt.Windows().Forms())
    EXPECT_FALSE(shown->Name() == name && shown->Visible()) << name << " still shows";
}

// The dialogs with one obvious button: Enter where the focus is on opening presses it.
class QtDialogEnter : public QtWindowKeys {};

TEST_P(QtDialogEnter, PressesItsButton) {
  const Visit& visit = Param();
  const std::string name = visit.Name;
  LogIn();
  forms::Form& form = visit.Open();
  if (name == "LoginData") {
    auto& login = static_cast<mv::frmBenutzer&>(form);
    TypeInto(login.txt_Passwort, QStringLiteral("2"));
  }
  Key(Qt::Key_Return);
  forms::Form& opener = visit.Opener();
  EXPECT_TRUE(opener.Enabled());
  EXPECT_TRUE(opener.IsActive());
  if (name == "LoginData") {
    EXPECT_EQ(database.Query("SELECT Passwort FROM tbl_User WHERE LoginID = 'max'"),
              (std::vector<std::vector<std::string>>{{"geheim2"}}));
  }
}

// Teams and months chosen with the mouse, Enter prints them.
TEST_F(QtWindowKeys, EnterInThePrintManagerPrintsTheChosenPages) {
  platform.SetPrintToPdf(true);
  LogIn();
  Shortcut(Qt::Key_D);
  mv::frmDrucken& manager = *program->overview.frmDrucken.IfLoaded();
  for (forms::ListBox* list : {&manager.lstTeams, &manager.lstMonate}) {
    auto* view = static_cast<QListWidget*>(platform.WidgetOf(*list));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualItemRect(view->item(1)).center());
  }
  Key(Qt::Key_Return);
  const std::filesystem::path prints = database.Folder() / "prints";
  ASSERT_TRUE(std::filesystem::exists(prints));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(prints), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, QtWindowKeys, kAllVisits, VisitName);
INSTANTIATE_TEST_SUITE_P(Dialogs, QtDialogEnter,
                         testing::Values(VisitIndex("LoginData"), VisitIndex("Options"),
                                         VisitIndex("About")),
                         VisitName);

}  // namespace
