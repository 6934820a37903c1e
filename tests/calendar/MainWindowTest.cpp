// The main window as a login leaves it (menus by group, lists, companion windows), its month
// buttons, the printing of the view and the note catalogue it opens.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CalendarTestSupport.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "overview/frmJahresansicht.h"

namespace {

using namespace caltest;

// The month and year as the lists and the grid's header name them.
Texts Shown(const mv::frmKalender& k) {
  return {k.cmbMonat.Text(), k.cmbJahr.Text(), k.grdCal.TextMatrix(1, 1),
          k.grdCal.TextMatrix(3, 0)};
}

// Employees find the windows of team management, dependencies, holidays and the annual overview
// disabled, by menu and by shortcut. The companion windows follow the language at set-up.
TEST(MainWindow, MenusByGroupAndCompanionsByLanguage) {
  const std::set<std::string> restricted = {"mnuTeams", "mnuAbhängigkeiten", "mnuFerien",
                                            "mnuJahresübersicht"};
  for (int group : {1, 2, 3}) {
    SCOPED_TRACE("group " + std::to_string(group));
    CalendarApp app;
    auto& k = Enter(app, 11, group, group == 2 ? 2 : 1);
    const bool employee = group == mv::GroupEmployee;
    EXPECT_EQ(k.mnuKartei.Caption(), group == 2 ? "File" : "Kartei");
    EXPECT_EQ(app.masterdata().frmFerien->optDelete.ToolTipText(),
              group == 2 ? "Delete holidays" : "Ferien- bzw. Feiertage löschen");
    for (forms::Control* c : k.Controls()) {
      if (c->Kind() != forms::ControlKind::Menu) continue;
      EXPECT_EQ(c->Enabled(), !(employee && restricted.contains(c->Name()))) << c->Name();
    }
    for (const char* keys : {"Ctrl+T", "Ctrl+J"}) {
      EXPECT_EQ(k.UserShortcut(keys), !employee) << keys;
      k.SetEnabled(true);  // the window a shortcut opened has disabled the main window
    }
  }
}

TEST(MainWindow, OpensOnTodaysMonthAndTheUsersTeamWithTheCalendarTableOpen) {
  CalendarApp app;
  app.AddEntry(21, Dec(1), "U?");
  app.AddEntry(11, db::Date(2025, 3, 4), "K/");
  Prepare(app);
  app.s().Settings.CalendarFont = "Courier New";
  auto& k = app.EnterAs(21, 1);
  EXPECT_EQ(k.cmbJahr.List(k.cmbJahr.ListCount() - 1), "2027");
  EXPECT_EQ(Shown(k), (Texts{"Dezember", "2026", "Dezember", "2026"}));
  EXPECT_EQ(Entries(k.cmbTeamAuswahl), (Texts{"Entwicklung", "Vertrieb", "Leer"}));
  EXPECT_EQ(k.cmbTeamAuswahl.Text(), "Vertrieb");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 1), "U");
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 2);

  EXPECT_EQ(Entries(app.masterdata().frmMitarbeiter->cmb_Team), Entries(k.cmbTeamAuswahl));
  EXPECT_EQ(Look(k.grdCal, 4, 0).Font.Name, "Courier New");
  EXPECT_EQ(app.overview().frmJahresansicht->grdYear.FontName(), "Courier New");
}

// An employee or entry table that cannot be read: each rebuild says why, once, and F12 prints no
// page that would show the team as if it had no absences. Holidays that cannot be read are only
// marks left out: nothing is said, and the page prints.
TEST(MainWindow, AMemberOrEntryTableThatCannotBeReadIsReportedAndNotPrinted) {
  struct Case {
    std::string table;
    bool whole;
    int rows;
  };
  for (const Case& c : {Case{"tbl_Mitarbeiter", false, 4}, Case{"tbl_Kalender", false, 6},
                        Case{"tbl_Ferien", true, 6}}) {
    SCOPED_TRACE(c.table);
    mvtest::TestApp app;
    app.AddTeam(0, "Vertrieb");
    app.AddEmployee(7, "Meier", "Anna", 0);
    app.AddEmployee(8, "Nolte", "Nina", 0);
    auto& k = Enter(app, 7, mv::GroupAdmin);
    app.Sql("DROP TABLE " + c.table);
    if (!c.whole) app.ExpectBoxNaming(c.table);
    k.grdCal.UserRelease(4, 0, forms::vbRightButton);  // the other sort order: the rows again
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
    EXPECT_EQ(k.grdCal.Rows(), c.rows);
    if (!c.whole) app.ExpectBoxNaming(c.table);
    k.mnuDruckAnsicht.UserClick();
    EXPECT_EQ(app.platform.PrintJobs().size(), c.whole ? 1u : 0u);
    for (const auto& box : app.platform.MessageBoxes())
      EXPECT_EQ(
          box.Request.Prompt.rfind("Der Kalender konnte nicht vollständig gelesen werden:", 0), 0u);
  }
}

// The month buttons cross year ends with both lists in step, and stop at the ends of the year
// list built at set-up (the clock's next year may have moved on since).
TEST(MainWindow, MonthButtonsCrossYearEndsAndStopAtTheEndsOfTheYearList) {
  CalendarApp app;
  app.AddEntry(11, db::Date(2011, 1, 4), "S?");
  SetToday(app, 2010, 1);
  auto& k = Enter(app, 11, 1);
  k.cmdMonBack.UserClick();
  EXPECT_EQ(Shown(k), (Texts{"Dezember", "2009", "Dezember", "2009"}));
  k.cmbJahr.UserSelect(2010 - 2003);
  k.cmbMonat.UserSelect(11);
  k.cmdMonForward.UserClick();
  EXPECT_EQ(Shown(k), (Texts{"Januar", "2011", "Januar", "2011"}));
  EXPECT_EQ(k.grdCal.TextMatrix(AdamRow, 4), "S");

  SetToday(app, 2030, 12);
  k.cmbJahr.UserSelect(k.cmbJahr.ListCount() - 1);
  k.cmbMonat.UserSelect(11);
  k.cmdMonForward.UserClick();
  EXPECT_EQ(Shown(k), (Texts{"Dezember", "2020", "Dezember", "2020"}));
  k.cmbJahr.UserSelect(0);
  k.cmbMonat.UserSelect(0);
  k.cmdMonBack.UserClick();
  EXPECT_EQ(Shown(k), (Texts{"Januar", "2003", "Januar", "2003"}));
}

// Printing the calendar as shown: one page with the grid's picture, names not bold, also of a team
// without members; a job the printer refuses is reported.
TEST(MainWindow, F12PrintsOnePageOfTheGridWithNamesInNormalWeight) {
  CalendarApp app;
  app.AddEntry(12, Dec(3), "U/");
  auto& k = Enter(app, 10, mv::GroupEmployee);
  ASSERT_TRUE(k.UserShortcut("F12"));
  k.cmbTeamAuswahl.UserSelect(2);
  k.mnuDruckAnsicht.UserClick();

  ASSERT_EQ(app.platform.PrintJobs().size(), 2u);
  const forms::GridPicture& page = app.platform.PrintJobs()[0];
  EXPECT_FALSE(page.Cell(BergRow, 0).Font.Bold);
  EXPECT_EQ(page.Cell(ZollerRow, 3).Text, "U");
  const forms::GridPicture& empty = app.platform.PrintJobs()[1];
  EXPECT_EQ(empty.Rows, 4);
  EXPECT_EQ(empty.Cell(0, 1).Text, "Leer");

  app.platform.SetPrinterFailure("Kein Drucker installiert");
  app.platform.ExpectMessageBox("Kein Drucker installiert", forms::vbOK);
  k.mnuDruckAnsicht.UserClick();
  EXPECT_EQ(app.platform.PrintJobs().size(), 2u);
}

// The note dialog as the catalogue editor (Ctrl+N): its buttons follow the edit field and stand
// below it. A no, or a text the catalogue lacks, deletes nothing. A deleted note is cleared from
// every entry, also from one another copy wrote since the main window opened, but not from the
// holidays. Close hands back no note.
TEST(NoteDialog, ButtonsDeletionAndWayOut) {
  CalendarApp app;
  const long arzt = app.AddNote("Arzt");
  const long kur = app.AddNote("Kur");
  app.AddEntry(10, Dec(1), "U?", arzt);
  app.AddEntry(11, Dec(3), "Z/", arzt);
  app.AddEntry(12, Dec(4), "S?", kur);
  app.AddHoliday(Dec(24), arzt);
  mv::frmKalender& main = Enter(app, 12, mv::GroupAdmin);
  ASSERT_TRUE(main.UserShortcut("Ctrl+N"));
  mv::frmNotiz& dialog = *app.calendar().frmNotiz.IfLoaded();
  EXPECT_FALSE(main.Enabled());
  for (const forms::CommandButton* button : {&dialog.cmdSave, &dialog.cmdDelete, &dialog.cmdAbort})
    EXPECT_GT(button->Top(), dialog.cmb_Note.Top() + dialog.cmb_Note.Height()) << button->Name();
  app.AddEntry(11, Dec(7), "D?", arzt);  // another copy, after the main window opened
  app.s().RsKalender.MoveLast();
  const auto notes = [&] { return app.Query("SELECT Notiz FROM tbl_Kalender ORDER BY Datum"); };
  const Rows before = notes();

  dialog.cmb_Note.UserType("x");
  EXPECT_EQ((std::vector{dialog.cmdSave.Enabled(), dialog.cmdDelete.Enabled()}),
            (std::vector{true, false}));
  dialog.cmb_Note.UserSelect(0);
  dialog.cmb_Note.UserType("x");  // a text the catalogue lacks
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(dialog.cmb_Note.Text(), "Arztx");
  dialog.cmb_Note.UserSelect(0);
  EXPECT_TRUE(dialog.cmdDelete.Enabled());
  app.platform.ExpectMessageBox(app.s().T(75), forms::vbNo);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 2);
  EXPECT_EQ(notes(), before);

  app.platform.ExpectMessageBox(app.s().T(75), forms::vbYes);
  dialog.cmdDelete.UserClick();
  EXPECT_EQ(notes(), (Rows{{"0"}, {"0"}, {std::to_string(kur)}, {"0"}}));
  EXPECT_EQ(app.Scalar("SELECT notiz FROM tbl_Ferien"), arzt);
  EXPECT_EQ(Entries(dialog.cmb_Note), (Texts{"Kur"}));
  EXPECT_EQ(main.lbl_Status.Caption(), "Gesamtanzahl Notizen: 1");
  EXPECT_FALSE(dialog.cmdDelete.Enabled());

  app.s().NoteNr = 7;
  dialog.cmdAbort.UserClick();
  EXPECT_EQ(app.s().NoteNr, 0);
  EXPECT_TRUE(main.Enabled());
}

}  // namespace
