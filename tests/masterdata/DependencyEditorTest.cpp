// The dependency editor as an administrator drives it from the main window (Ctrl+A), and what the
// entry of absences then checks. The employees in last-name order: Adam (11), Berg (10), Dorn (21),
// Zoller (12); Berg's work depends on Adam's.
#include <gtest/gtest.h>

#include <string>

#include "calendar/CalendarTestSupport.h"
#include "masterdata/frmBeziehungen.h"

namespace {

using namespace caltest;

constexpr int AdamEntry = 0, BergEntry = 1, DornEntry = 2;

class DependencyEditor : public ::testing::Test {
 protected:
  mv::frmBeziehungen& Open() {
    if (!main) main = &Enter(app, 12, mv::GroupAdmin);
    EXPECT_TRUE(main->UserShortcut("Ctrl+A"));
    return *app.masterdata().frmBeziehungen.IfLoaded();
  }

  // The grid's lines as shown, the personnel number standing for each name cell.
  static Rows Lines(const mv::frmBeziehungen& f) {
    Rows lines;
    for (int r = 1; r < f.grdDep.Rows(); ++r) {
      lines.emplace_back();
      for (int c = 0; c < 4; ++c) {
        const std::string& cell = f.grdDep.TextMatrix(r, c);
        lines.back().push_back(cell.substr(cell.find('\r') + 1));
      }
    }
    return lines;
  }

  // A column button, an entry of its pop-up menu and, when given, a double click in the list.
  void Choose(mv::frmBeziehungen& f, forms::CommandButton& button, const std::string& entry,
              int listEntry = -1) {
    app.platform.QueuePopupChoice(entry);
    button.UserClick();
    if (listEntry >= 0) f.lst_Results.UserDoubleClick(listEntry);
  }

  Rows Table() {
    return app.Query(
        "SELECT PersNr, AbhPersNr1, AbhPersNr2, AbhPersNr3 FROM tbl_Abhängigkeiten ORDER BY rowid");
  }

  CalendarApp app;
  mv::frmKalender* main = nullptr;
};

// Closed with its panel open, the window opens again with the panel closed and the grid usable.
TEST_F(DependencyEditor, AnEmptyTableShowsTheHeaderAndTheFirstAddCreatesARow) {
  app.Sql("DELETE FROM tbl_Abhängigkeiten");
  mv::frmBeziehungen& f = Open();
  EXPECT_EQ(f.grdDep.Rows(), 1);
  f.grdDep.UserClick(0, 1);
  EXPECT_FALSE(f.cmd_AbhMA1.Enabled());
  Choose(f, f.cmd_MA, "mnuDelete");
  Choose(f, f.cmd_MA, "mnuAdd");
  EXPECT_EQ(f.lbl_Results.Caption(), "4 Einträge gefunden");
  f.cmd_Close.UserClick();
  EXPECT_TRUE(main->IsActive());
  Open();
  EXPECT_FALSE(f.lst_Results.Visible());
  EXPECT_TRUE(f.grdDep.Enabled());
  Choose(f, f.cmd_MA, "mnuAdd", BergEntry);
  EXPECT_EQ(Table(), (Rows{{"10", "0", "0", "0"}}));
}

TEST_F(DependencyEditor, DependentsAreSetReplacedAndRemovedOnTheLinePickedWhateverAnotherCopyDid) {
  app.AddDependency(11, 12, 99, 21);  // 99 is nobody
  app.AddDependency(21, 0);
  app.AddEmployee(0, "Null", "Nina", 1);  // an empty slot still shows empty
  mv::frmBeziehungen& f = Open();
  EXPECT_EQ(Lines(f), (Rows{{"10", "11", "", ""}, {"11", "12", "", "21"}, {"21", "", "", ""}}));
  f.grdDep.UserClick(2, 2);
  Choose(f, f.cmd_AbhMA2, "mnuSelect");
  EXPECT_FALSE(f.cmd_AbhMA1.Enabled());  // not while the list is open
  app.ExpectBoxNaming("über 0");
  f.lst_Results.UserDoubleClick(3);  // Null
  EXPECT_EQ(Table()[1], (std::vector<std::string>{"11", "12", "99", "21"}));

  app.platform.ExpectMessageBox(app.s().T(144), forms::vbOK);
  Choose(f, f.cmd_MA, "mnuAdd", BergEntry);
  EXPECT_EQ(Table().size(), 3u);

  f.grdDep.UserClick(2, 2);
  EXPECT_TRUE(BoldAt(f.grdDep, 2, 0));
  Choose(f, f.cmd_AbhMA1, "mnuSelect", DornEntry);  // the same colleague twice is accepted
  EXPECT_EQ(Table()[1], (std::vector<std::string>{"11", "21", "99", "21"}));

  f.grdDep.UserClick(1, 0);
  f.grdDep.UserClick(2, 0);
  app.platform.ExpectMessageBox(app.s().T(95), forms::vbYes);
  Choose(f, f.cmd_AbhMA2, "mnuDelete");
  EXPECT_EQ(Table()[1], (std::vector<std::string>{"11", "21", "0", "21"}));

  f.grdDep.UserClick(1, 1);
  app.platform.ExpectMessageBox(app.s().T(96), forms::vbNo);
  Choose(f, f.cmd_MA, "mnuDelete");
  Choose(f, f.cmd_MA, "mnuDelete");  // the rebuild dropped the line: nothing to remove
  f.grdDep.UserClick(1, 1);
  app.platform.ExpectMessageBox(app.s().T(96), forms::vbYes);
  Choose(f, f.cmd_MA, "mnuDelete");
  EXPECT_EQ(Lines(f), (Rows{{"11", "21", "", "21"}, {"21", "", "", ""}}));

  // Another copy removes the first row after the grid was filled: the change still lands on the
  // line the user picked, and a line whose row is gone is reported, not written elsewhere.
  app.Sql("DELETE FROM tbl_Abhängigkeiten WHERE PersNr = 11");
  f.grdDep.UserClick(2, 0);
  Choose(f, f.cmd_AbhMA3, "mnuSelect", AdamEntry);
  EXPECT_EQ(Table(), (Rows{{"21", "0", "0", "11"}}));
  Choose(f, f.cmd_MA, "mnuAdd", BergEntry);
  app.Sql("DELETE FROM tbl_Abhängigkeiten WHERE PersNr = 10");
  f.grdDep.UserClick(2, 0);
  app.ExpectBoxNaming("deleted");
  Choose(f, f.cmd_AbhMA1, "mnuSelect", AdamEntry);
  EXPECT_EQ(Table(), (Rows{{"21", "0", "0", "11"}}));
}

// A search narrows the list; the entry picked is the one shown. The entry of absences then checks
// what the editor wrote.
TEST_F(DependencyEditor, TheEntryPickedIsTheOneShownAndTheEntryOfAbsencesChecksIt) {
  app.AddEntry(11, Dec(8), "U/");
  mv::frmBeziehungen& f = Open();
  Choose(f, f.cmd_MA, "mnuAdd");
  app.platform.QueueInputBox("z");
  f.cmd_Filter.UserClick();
  EXPECT_EQ(f.lbl_Results.Caption(), "1 Einträge gefunden");
  EXPECT_EQ(f.lst_Results.ListCount(), 1);
  f.lst_Results.UserDoubleClick(0);
  EXPECT_EQ(Table(), (Rows{{"10", "11", "0", "0"}, {"12", "0", "0", "0"}}));
  f.grdDep.UserClick(2, 0);
  Choose(f, f.cmd_AbhMA2, "mnuSelect", AdamEntry);
  f.cmd_Close.UserClick();

  app.platform.ExpectMessageBox(DayQuestion(8, "Urlaub", "anfragen"), forms::vbYes);
  app.platform.ExpectMessageBox(DependentQuestion(app.s(), "Adam, Karl"), forms::vbNo);
  SelectDays(*main, ZollerRow, 8, 8);
  EXPECT_EQ(EntriesOf(app, 12), Rows{});
}

}  // namespace
