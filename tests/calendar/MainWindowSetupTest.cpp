// The main window as it opens after a login: modes and actions by group, menu, captions and
// tooltips in both languages, header lists, companion windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/frmKalender.h"
#include "masterdata/frmFerien.h"
#include "masterdata/frmMitarbeiter.h"
#include "overview/frmJahresansicht.h"
#include "support/TestApp.h"

namespace {

std::vector<std::string> Entries(const forms::ComboBox& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
  return out;
}

class MainWindowSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    app.AddTeam(0, "Entwicklung");
    app.AddTeam(1, "Vertrieb");
    app.AddEmployee(7, "Meier", "Anna", 1);
    app.AddEmployee(8, "Kunz", "Bert", 0);
  }

  mv::frmKalender& Open(int group, int language = 1) {
    app.OpenProgram(language);
    return app.EnterAs(7, group);
  }

  mvtest::TestApp app;
};

TEST_F(MainWindowSetup, AdministratorsAndBackOfficeGetEveryModeActionAndMenu) {
  for (int group : {1, 2}) {
    mvtest::TestApp fresh;
    fresh.AddTeam(0, "Entwicklung");
    fresh.AddEmployee(7, "Meier", "Anna", 0);
    fresh.OpenProgram();
    auto& k = fresh.EnterAs(7, group);
    SCOPED_TRACE("group " + std::to_string(group));

    EXPECT_EQ(Entries(k.cmbModus), (std::vector<std::string>{"Löschen", "Urlaub", "Krank", "Zeitausgleich",
                                                              "Dienstreise", "Sonstiges"}));
    EXPECT_EQ(k.cmbModus.Text(), "Urlaub");
    for (forms::Control* c : std::vector<forms::Control*>{&k.opt_agree, &k.opt_enquire, &k.opt_decline,
                                                          &k.lbl_action1, &k.lbl_action2, &k.lbl_action3})
      EXPECT_TRUE(c->Enabled()) << c->Name();
    for (forms::Control* c : k.Controls()) {
      if (c->Kind() == forms::ControlKind::Menu) {
        EXPECT_TRUE(c->Enabled()) << c->Name();
      }
    }
    EXPECT_TRUE(k.UserShortcut("Ctrl+T"));
  }
}

TEST_F(MainWindowSetup, EmployeesOnlyEnquireAndLackFourMenus) {
  auto& k = Open(3);

  EXPECT_EQ(Entries(k.cmbModus), (std::vector<std::string>{"Löschen", "Urlaub", "Zeitausgleich", "Dienstreise",
                                                            "Sonstiges"}));
  EXPECT_EQ(k.cmbModus.Text(), "Urlaub");
  EXPECT_FALSE(k.opt_agree.Enabled());
  EXPECT_FALSE(k.opt_decline.Enabled());
  EXPECT_FALSE(k.lbl_action1.Enabled());
  EXPECT_FALSE(k.lbl_action3.Enabled());
  EXPECT_TRUE(k.opt_enquire.Enabled());
  EXPECT_TRUE(k.lbl_action2.Enabled());

  for (forms::Menu* m : {&k.mnuTeams, &k.mnuAbhängigkeiten, &k.mnuFerien, &k.mnuJahresübersicht})
    EXPECT_FALSE(m->Enabled()) << m->Name();
  for (forms::Menu* m : {&k.mnuProgramm, &k.mnuInfo, &k.mnuLogOut, &k.mnuTerminate, &k.mnuVerwaltung,
                         &k.mnuMitarbeiter, &k.mnuKartei, &k.mnuNotizen, &k.mnuExtras, &k.mnuOptionen,
                         &k.mnuDrucken, &k.mnuDruckAnsicht, &k.mnuDruckManager})
    EXPECT_TRUE(m->Enabled()) << m->Name();
  EXPECT_FALSE(k.UserShortcut("Ctrl+T"));
  EXPECT_FALSE(k.UserShortcut("Ctrl+J"));
}

TEST_F(MainWindowSetup, EmployeesInEnglishSeeNoDiseasedMode) {
  auto& k = Open(3, 2);
  EXPECT_EQ(Entries(k.cmbModus),
            (std::vector<std::string>{"Delete", "Vacation", "Overtime offset", "Business trip", "Miscellaneous"}));
  EXPECT_EQ(k.cmbModus.Text(), "Vacation");
}

TEST_F(MainWindowSetup, MenuBarHoldsItsEntriesInOrderWithTheirShortcuts) {
  auto& k = Open(1);
  std::vector<std::string> bar;
  for (forms::Menu* m : k.MenuBar()) bar.push_back(m->Name());
  EXPECT_EQ(bar, (std::vector<std::string>{"mnuProgramm", "mnuVerwaltung", "mnuExtras", "mnuDrucken"}));

  auto items = [](forms::Menu& m) {
    std::vector<std::string> out;
    for (forms::Menu* i : m.Items()) out.push_back(i->Name() + " " + i->Shortcut());
    return out;
  };
  EXPECT_EQ(items(k.mnuProgramm),
            (std::vector<std::string>{"mnuInfo Ctrl+I", "mnuLogOut Ctrl+L", "mnuTerminate Ctrl+Q"}));
  EXPECT_EQ(items(k.mnuVerwaltung), (std::vector<std::string>{"mnuMitarbeiter ", "mnuTeams Ctrl+T",
                                                               "mnuNotizen Ctrl+N", "mnuFerien Ctrl+F"}));
  EXPECT_EQ(items(k.mnuMitarbeiter), (std::vector<std::string>{"mnuKartei Ctrl+K", "mnuAbhängigkeiten Ctrl+A"}));
  EXPECT_EQ(items(k.mnuExtras), (std::vector<std::string>{"mnuJahresübersicht Ctrl+J", "mnuOptionen Ctrl+E"}));
  EXPECT_EQ(items(k.mnuDrucken), (std::vector<std::string>{"mnuDruckAnsicht F12", "mnuDruckManager Ctrl+D"}));
}

TEST_F(MainWindowSetup, CaptionsAndTooltipsInGerman) {
  auto& k = Open(1);
  EXPECT_EQ(k.Caption(), "Morvellan");
  EXPECT_EQ(k.mnuProgramm.Caption(), "Programm");
  EXPECT_EQ(k.mnuLogOut.Caption(), "Abmelden / Benutzerwechsel");
  EXPECT_EQ(k.mnuKartei.Caption(), "Kartei");
  EXPECT_EQ(k.mnuFerien.Caption(), "Ferien / Feiertage");
  EXPECT_EQ(k.mnuExtras.Caption(), "Extras");
  EXPECT_EQ(k.mnuDruckAnsicht.Caption(), "Aktuelle Ansicht");
  EXPECT_EQ(k.Label1.Caption(), "Gruppe");
  EXPECT_EQ(k.Label5.Caption(), "Lupe");
  EXPECT_EQ(k.fmNote.Caption(), "Notizen");
  EXPECT_EQ(k.lbl_Note.Caption(), "");
  EXPECT_EQ(k.lbl_Konto.Caption(), "Jahresurlaub");
  for (int i = 0; i <= 3; ++i) EXPECT_EQ(k.lbl_KtoShadow(i).Caption(), "Jahresurlaub");
  EXPECT_EQ(k.lbl_KtoInfo3.Caption(), "offen");
  EXPECT_EQ(k.opt_Info(5).Caption(), "Sonstige Tage");
  EXPECT_EQ(k.lbl_Status.Caption(), "Willkommen zum Morvellan");
  EXPECT_EQ(k.cmdMonForward.ToolTipText(), "Einen Monat vor blättern");
  EXPECT_EQ(k.cmdZoomDec.ToolTipText(), "Ansicht verkleinern");
  EXPECT_EQ(k.opt_Info(5).ToolTipText(), "Informationen zu sonstigen Abwesenheitstagen des MA im aktuellen Monat");
  EXPECT_EQ(app.s().frmMitarbeiter->cmd_Search.ToolTipText(), "Datensatz suchen");
  EXPECT_EQ(app.s().frmFerien->optDelete.ToolTipText(), "Ferien- bzw. Feiertage löschen");
  EXPECT_EQ(k.cmbMonat.List(2), "März");
}

TEST_F(MainWindowSetup, CaptionsAndTooltipsInEnglish) {
  auto& k = Open(1, 2);
  EXPECT_EQ(k.mnuProgramm.Caption(), "Program");
  EXPECT_EQ(k.mnuLogOut.Caption(), "Logout / change user");
  EXPECT_EQ(k.mnuKartei.Caption(), "File");
  EXPECT_EQ(k.mnuDruckAnsicht.Caption(), "Current sight");
  EXPECT_EQ(k.mnuExtras.Caption(), "Extras");
  EXPECT_EQ(k.Label1.Caption(), "Team");
  EXPECT_EQ(k.lbl_Konto.Caption(), "Annual vacation days");
  EXPECT_EQ(k.lbl_KtoInfo3.Caption(), "left over");
  EXPECT_EQ(k.opt_Info(5).Caption(), "Misc. days");
  EXPECT_EQ(k.lbl_Status.Caption(), "Welcome to Morvellan");
  EXPECT_EQ(k.cmdMonBack.ToolTipText(), "Browse one month back");
  EXPECT_EQ(app.s().frmMitarbeiter->cmd_FirstRS.ToolTipText(), "Jump to first record");
  EXPECT_EQ(app.s().frmFerien->optSelect.ToolTipText(), "Add holidays");
  EXPECT_EQ(k.cmbMonat.Text(), "December");
}

TEST_F(MainWindowSetup, OpensOnTodaysMonthAndTheUsersTeamWithYearsUpToNextYear) {
  auto& k = Open(1);
  EXPECT_TRUE(k.Visible());
  EXPECT_EQ(k.cmbMonat.ListCount(), 12);
  EXPECT_EQ(k.cmbMonat.Text(), "Dezember");
  EXPECT_EQ(k.cmbJahr.ListCount(), 25);
  EXPECT_EQ(k.cmbJahr.List(0), "2003");
  EXPECT_EQ(k.cmbJahr.List(24), "2027");
  EXPECT_EQ(k.cmbJahr.Text(), "2026");
  EXPECT_EQ(Entries(k.cmbTeamAuswahl), (std::vector<std::string>{"Entwicklung", "Vertrieb"}));
  EXPECT_EQ(k.cmbTeamAuswahl.Text(), "Vertrieb");
  EXPECT_EQ(k.grdCal.TextMatrix(1, 1), "Dezember");
  EXPECT_EQ(k.grdCal.TextMatrix(3, 0), "2026");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Meier, Anna");
  EXPECT_EQ(k.lbl_Status.Caption(), "Willkommen zum Morvellan");
}

TEST_F(MainWindowSetup, YearListEndsIn2020WhileTodayIsEarlier) {
  app.platform.SetNow({2010, 1, 15, 9, 0, 0});
  auto& k = Open(1);
  EXPECT_EQ(k.cmbJahr.ListCount(), 18);
  EXPECT_EQ(k.cmbJahr.List(17), "2020");
  EXPECT_EQ(k.cmbJahr.Text(), "2010");
  EXPECT_EQ(k.cmbMonat.Text(), "Januar");
}

TEST_F(MainWindowSetup, CompanionWindowsExistHiddenWithTheTeamsAndTheCalendarFont) {
  app.OpenProgram();
  app.s().Settings.CalendarFont = "Courier New";
  auto& k = app.EnterAs(7, 1);
  auto& s = app.s();

  ASSERT_TRUE(s.frmJahresansicht.IsLoaded());
  ASSERT_TRUE(s.frmMitarbeiter.IsLoaded());
  ASSERT_TRUE(s.frmFerien.IsLoaded());
  EXPECT_FALSE(s.frmJahresansicht->Visible());
  EXPECT_FALSE(s.frmMitarbeiter->Visible());
  EXPECT_FALSE(s.frmFerien->Visible());

  EXPECT_EQ(Entries(s.frmMitarbeiter->cmb_Team), (std::vector<std::string>{"Entwicklung", "Vertrieb"}));
  EXPECT_EQ(s.frmMitarbeiter->cmb_Team.ListIndex(), -1);

  EXPECT_EQ(k.grdCal.FontName(), "Courier New");
  EXPECT_EQ(k.grdCal.Picture().Cell(4, 0).Font.Name, "Courier New");
  EXPECT_EQ(s.frmJahresansicht->grdYear.FontName(), "Courier New");
}

TEST_F(MainWindowSetup, KeepsTheWholeCalendarTableOpenAndNoSelectionUnderWay) {
  app.AddEntry(7, db::Date(2026, 12, 1), "U?");
  app.AddEntry(8, db::Date(2025, 3, 4), "K/");
  app.OpenProgram();
  app.s().SelStart = 9;
  app.EnterAs(7, 1);
  EXPECT_TRUE(app.s().RsKalender.IsOpen());
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 2);
  EXPECT_FALSE(app.s().SelStart.has_value());
  EXPECT_EQ(app.s().InfoIndex, 1);
}

TEST_F(MainWindowSetup, OpensWithoutAnyTeamsAsAnEmptyCalendar) {
  mvtest::TestApp empty;
  empty.AddEmployee(7, "Meier", "Anna", 0);
  empty.OpenProgram();
  auto& k = empty.EnterAs(7, 1);
  EXPECT_TRUE(k.Visible());
  EXPECT_EQ(k.cmbTeamAuswahl.ListCount(), 0);
  EXPECT_EQ(k.grdCal.TextMatrix(0, 1), "");
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Meier, Anna");
}

TEST_F(MainWindowSetup, AMissingTeamTableIsReportedAndTheWindowStillOpens) {
  app.Sql("DROP TABLE tbl_Teams");
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Prompt.find("tbl_Teams") != std::string::npos; }, forms::vbOK);
  auto& k = Open(1);
  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_TRUE(k.Visible());
  EXPECT_EQ(k.cmbTeamAuswahl.ListCount(), 0);
  EXPECT_EQ(k.grdCal.TextMatrix(4, 0), "Meier, Anna");
}

}  // namespace
