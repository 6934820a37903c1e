// Writing and deleting the selected days through the mouse: the road of one request from the
// employee's enquiry to the approval in place, codes replaced or kept, notes attached or not, rows
// another running copy wrote, a failure while writing, a no at each question, deletion by group;
// the confirmations in both languages, absent dependents and the codes of every mode and action.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CalendarTestSupport.h"
#include "db/Recordset.h"

namespace {

using namespace caltest;

// An employee has no sick days to choose and only enquires, in the own row of the own team; the
// enquiry replaces other codes but keeps sick days, taking the note on all of them; the approval
// replaces every code in place.
TEST(Entry, EmployeeEnquiresWithNoteAndAdministratorApprovesInPlace) {
  CalendarApp app(2);
  app.AddEntry(10, Dec(1), "S?");
  app.AddEntry(10, Dec(3), "K!");
  const long fair = app.AddNote("Messe");
  app.AddEntry(11, Dec(2), "U/", fair);  // the dependent colleague is away on day 2
  app.AddEntry(12, Dec(2), "D?");        // a third member away: three of a team limited to two
  mv::frmKalender& employee = Enter(app, 10, mv::GroupEmployee);
  mv::State& s = app.s();
  EXPECT_EQ(Entries(employee.cmbModus),
            (Texts{"Löschen", "Urlaub", "Zeitausgleich", "Dienstreise", "Sonstiges"}));
  EXPECT_FALSE(employee.opt_agree.Enabled() || employee.opt_decline.Enabled());

  Agree(app, {RangeQuestion(1, 3, "Urlaub", "anfragen"), s.T(101),
              DependentQuestion(s, "Adam, Karl"), s.T(50)});
  Texts dialogShown;
  bool mainEnabledWhileWaiting = true;
  app.platform.QueueAction([&] {
    mv::frmNotiz& dialog = *app.calendar().frmNotiz.IfLoaded();
    dialogShown = {dialog.Caption(), dialog.lbl_Zeitraum.Caption()};
    mainEnabledWhileWaiting = employee.Enabled();
    dialog.cmb_Note.UserType("Hochzeit");
    dialog.cmdSave.UserClick();
    employee.cmdMonForward.UserClick();  // queued behind the save: the entry still writes
  });
  SelectDays(employee, AdamRow, 1, 3);  // the own row is selected wherever the press

  EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, "Notizfunktion");
  EXPECT_EQ(dialogShown, (Texts{"Notiz hinzufügen", "1.12.2026 - 3.12.2026"}));
  EXPECT_FALSE(mainEnabledWhileWaiting);
  EXPECT_TRUE(employee.Enabled());
  EXPECT_TRUE(employee.IsActive());

  const long note = app.Scalar("SELECT LfdNr FROM tbl_Notizen WHERE Text = 'Hochzeit'");
  EXPECT_EQ(EntriesByDay(app, 10),
            (DayEntries{{1, {"U?", note}}, {2, {"U?", note}}, {3, {"K!", note}}}));
  EXPECT_EQ(employee.lbl_KtoZahl2.Caption(), "2");
  employee.cmbTeamAuswahl.UserSelect(1);
  SelectDays(employee, 4, 3, 6);  // another team: nothing selected, nothing asked
  EXPECT_EQ(app.platform.MessageBoxes().size(), 4u);

  employee.mnuLogOut.UserClick();
  mv::frmKalender* admin = app.LoginAs("zoller", "pw");
  ASSERT_NE(admin, nullptr);
  mv::frmKalender& k = *admin;
  k.opt_agree.UserClick();
  Agree(app, {RangeQuestion(1, 3, "Urlaub", "genehmigen"), s.T(101),
              DependentQuestion(s, "Adam, Karl")});
  NoNote(app);
  // While the entry waits (here after the note question: the program yields to the event loop),
  // the pointer over another row and a press there change neither whose days are written nor what
  // the window shows, and start no second entry; nor do the month buttons, the lists, the action
  // row or a log-out queued there.
  std::tuple<long, bool, bool, std::string> seen;  // current employee, Berg and Adam bold, note
  app.platform.QueueAction([&] {
    k.grdCal.UserMove(AdamRow, 2);
    k.grdCal.UserPress(AdamRow, 1);
    k.grdCal.UserMove(AdamRow, 3, forms::vbLeftButton);
    k.grdCal.UserRelease(AdamRow, 3);
    seen = {s.CurrentPersNr, BoldAt(k.grdCal, BergRow, 0), BoldAt(k.grdCal, AdamRow, 0),
            k.lbl_Note.Caption()};
    k.cmdMonForward.UserClick();
    k.cmbJahr.UserSelect(0);
    k.cmbTeamAuswahl.UserSelect(1);
    k.cmbModus.UserSelect(2);
    k.opt_decline.UserClick();
    k.UserShortcut("Ctrl+L");
  });
  SelectDays(k, BergRow, 1, 3);

  ASSERT_EQ(app.calendar().frmKalender.IfLoaded(), &k);
  EXPECT_EQ(app.platform.PendingActions(), 0u);
  EXPECT_EQ(seen, std::make_tuple(10L, true, false, std::string("Hochzeit")));  // not "Messe"
  EXPECT_EQ(
      (Texts{k.cmbMonat.Text(), k.cmbJahr.Text(), k.cmbTeamAuswahl.Text(), k.cmbModus.Text()}),
      (Texts{"Dezember", "2026", "Entwicklung", "Urlaub"}));
  EXPECT_EQ(EntriesByDay(app, 10), (DayEntries{{1, {"U/", 0}}, {2, {"U/", 0}}, {3, {"U/", 0}}}));
  EXPECT_EQ(EntriesByDay(app, 11), (DayEntries{{2, {"U/", fair}}}));
  EXPECT_EQ(BackAt(k.grdCal, BergRow, 1), Green);
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 5);
}

// Groups 1 and 2 replace any code in place, its note with the one chosen now. A decline still
// runs the limit check but names no dependent; sick days run neither check and take the
// catalogue's only note, not doubled.
TEST(Entry, BackOfficeDeclinesAndRecordsSickDays) {
  CalendarApp app(1);
  const long kur = app.AddNote("Kur");
  app.AddEntry(10, Dec(8), "Z?", kur);
  app.AddEntry(11, Dec(8), "U/");
  app.AddEntry(11, Dec(9), "U/");
  mv::frmKalender& k = Enter(app, 12, mv::GroupBackOffice);
  k.opt_decline.UserClick();
  Agree(app, {DayQuestion(8, "Urlaub", "ablehnen"), app.s().T(101)});
  NoNote(app);
  SelectDays(k, BergRow, 8, 8);

  k.cmbModus.UserSelect(2);
  k.opt_decline.UserClick();
  Agree(app, {"Unentschuldigt krank\rVom 09.12.2026 bis 10.12.2026?", app.s().T(50)});
  app.platform.QueueAction([&app] {
    app.calendar().frmNotiz->cmb_Note.UserSelect(0);
    app.calendar().frmNotiz->cmdSave.UserClick();
  });
  SelectDays(k, BergRow, 9, 10);
  EXPECT_EQ(EntriesByDay(app, 10),
            (DayEntries{{8, {"U!", 0}}, {9, {"K!", kur}}, {10, {"K!", kur}}}));
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 1);
}

// A no at any question, or a write that fails on one day, writes nothing and ends the selection;
// the failure is shown. RsKalender was read when the main window opened; rows another copy wrote
// since are changed or deleted, never doubled, whether the grid shows them yet or not.
TEST(Entry, NoAnswerOrAFailedWriteWritesNothingAndRowsOfAnotherCopyAreNotDoubled) {
  CalendarApp app(1);
  app.AddEntry(11, Dec(4), "U/");
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.AddEntry(10, Dec(1), "Z?");
  app.AddEntry(10, Dec(9), "Z?");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  ASSERT_EQ(k.grdCal.TextMatrix(BergRow, 1), "Z");
  app.AddEntry(10, Dec(2), "D?");  // not shown yet
  const Rows before = EntriesOf(app, 10);

  const std::string question = RangeQuestion(3, 5, "Urlaub", "anfragen");
  const std::string dependent = DependentQuestion(app.s(), "Adam, Karl");
  const std::vector<std::vector<std::pair<std::string, int>>> runs = {
      {{question, forms::vbNo}},
      {{question, forms::vbYes}, {app.s().T(101), forms::vbNo}},
      {{question, forms::vbYes}, {app.s().T(101), forms::vbYes}, {dependent, forms::vbNo}},
  };
  for (const auto& answers : runs) {
    SCOPED_TRACE("questions answered: " + std::to_string(answers.size()));
    for (const auto& [prompt, answer] : answers) app.platform.ExpectMessageBox(prompt, answer);
    SelectDays(k, BergRow, 3, 5);
    EXPECT_EQ(EntriesOf(app, 10), before);
    EXPECT_EQ(RowsWithSelection(k.grdCal), 0);
  }

  app.Sql(
      "CREATE TRIGGER full_disk BEFORE INSERT ON tbl_Kalender WHEN NEW.Datum = '2026-12-03' "
      "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
  ExpectEnquiry(app, 1, 3);
  app.ExpectBoxNaming("database or disk is full");
  SelectDays(k, BergRow, 1, 3);
  EXPECT_EQ(EntriesOf(app, 10), before);
  EXPECT_FALSE(app.s().SelStart.has_value());

  app.Sql("DROP TRIGGER full_disk");
  ExpectEnquiry(app, 1, 3);
  SelectDays(k, BergRow, 1, 3);
  EXPECT_EQ(EntriesByDay(app, 10),
            (DayEntries{{1, {"U?", 0}}, {2, {"U?", 0}}, {3, {"U?", 0}}, {9, {"Z?", 0}}}));
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 5);

  k.cmbModus.UserSelect(0);
  app.platform.ExpectMessageBox("Eintragungen vom 08.12.2026 bis 10.12.2026\rwirklich löschen?",
                                forms::vbYes);
  SelectDays(k, BergRow, 8, 10);
  EXPECT_EQ(app.EntryOn(10, Dec(9)), "");
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 9), "");
}

// Groups 1 and 2 delete every entry of the run, an employee only the enquired ones. RsKalender
// shows the whole table again afterwards.
TEST(Entry, DeletionByGroup) {
  for (int group : {2, 3}) {
    SCOPED_TRACE("group " + std::to_string(group));
    CalendarApp app;
    for (const auto& [day, code] : {std::pair{1, "U?"}, {2, "U/"}, {3, "K!"}, {4, "S?"}, {6, "U?"}})
      app.AddEntry(10, Dec(day), code);
    app.AddEntry(11, Dec(2), "U?");
    mv::frmKalender& k = Enter(app, group == 3 ? 10 : 12, group);
    k.cmbModus.UserSelect(0);
    app.platform.ExpectMessageBox("Eintragungen vom 01.12.2026 bis 04.12.2026\rwirklich löschen?",
                                  forms::vbYes);
    SelectDays(k, BergRow, 1, 4);

    EXPECT_EQ(EntriesByDay(app, 10),
              (group == 3 ? DayEntries{{2, {"U/", 0}}, {3, {"K!", 0}}, {6, {"U?", 0}}}
                          : DayEntries{{6, {"U?", 0}}}));
    EXPECT_EQ(EntriesByDay(app, 11), (DayEntries{{2, {"U?", 0}}}));
    EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 2), group == 3 ? "U" : "");
    EXPECT_EQ(app.s().RsKalender.RecordCount(), group == 3 ? 4 : 2);
  }
}

// The confirmations that differ from the common pattern, each answered no: nothing is written.
TEST(EntryChecks, ConfirmationsInBothLanguagesWithTheirTypos) {
  const std::string de = "Bitte bestätigen", en = "Please confirm", typo = "Pleas confirm";
  const struct {
    int language;
    int mode;    // position in the mode list of an administrator
    int option;  // 1 approve, 2 enquire, 3 decline
    int last;    // the run starts on 7 December
    std::string prompt;
    std::string title;
  } cases[] = {
      {1, 2, 1, 7, "Entschuldigt krank am 07.12.2026 ?", de},
      {1, 5, 2, 7, "Am 07.12.2026 sonstigen Tag anfragen ?", de},
      {1, 5, 1, 9, "Vom 07.12.2026 bis 09.12.2026\rsonstige Tage genehmigen ?", de},
      {2, 0, 0, 9, "Really delete entries\rfrom 07.12.2026 to 09.12.2026?", en},
      {2, 1, 3, 7, "Decline vacation on 07.12.2026 ?", en},
      {2, 2, 1, 9, "Excused disease\rfrom 07.12.2026 to 09.12.2026 ?", en},
      {2, 3, 2, 7, "Enquire overtime offset on 07.12.2026 ?", typo},
      {2, 4, 1, 7, "Approve buisiness trip on 07.12.2026 ?", typo},
      {2, 4, 2, 9, "Enquire business trip\rfrom 07.12.2026 to 09.12.2026?", en},
  };
  for (int language : {1, 2}) {
    CalendarApp app;
    mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin, language);
    forms::OptionButton* options[] = {nullptr, &k.opt_agree, &k.opt_enquire, &k.opt_decline};
    for (const auto& c : cases) {
      if (c.language != language) continue;
      SCOPED_TRACE(c.prompt);
      k.cmbModus.UserSelect(c.mode);
      if (c.mode != 0) options[c.option]->UserClick();
      app.platform.ExpectMessageBox(c.prompt, forms::vbNo);
      SelectDays(k, BergRow, 7, c.last);
      ASSERT_EQ(app.platform.PendingMessageBoxes(), 0u);
      EXPECT_EQ(app.platform.MessageBoxes().back().Request.Title, c.title);
      EXPECT_EQ(app.platform.MessageBoxes().back().Request.Buttons, forms::vbYesNo);
    }
    EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 0);
  }
}

// Berg depends on Adam, Zoller and O'Neil of another team. Adam is away on the 1st and 2nd, O'Neil
// on the 3rd; Zoller's days are declined or unexcused. Each absent dependent is named once, in
// order; a declined day asks nothing; a dependent whose employee row is gone (deleted by another
// copy while this one runs) is named by his number.
TEST(EntryChecks, AbsentDependents) {
  CalendarApp app;
  app.AddEmployee(13, "O'Neil", "Sean", 1);
  app.Sql("UPDATE tbl_Abhängigkeiten SET AbhPersNr2 = 12, AbhPersNr3 = 13 WHERE PersNr = 10");
  for (const auto& [persNr, day, code] :
       {std::tuple{11, 1, "U?"}, {11, 2, "U?"}, {12, 1, "U!"}, {12, 2, "K!"}, {13, 3, "S/"}})
    app.AddEntry(persNr, Dec(day), code);
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  Agree(app, {RangeQuestion(1, 3, "Urlaub", "anfragen"), DependentQuestion(app.s(), "Adam, Karl"),
              DependentQuestion(app.s(), "O'Neil, Sean")});
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);
  EXPECT_EQ(app.platform.MessageBoxes()[1].Request.Title, "Wichtiger Hnweis");
  EXPECT_EQ(EntriesOf(app, 10).size(), 3u);

  app.Sql("DELETE FROM tbl_Mitarbeiter WHERE PersNr = 13");
  Agree(app, {DayQuestion(3, "Urlaub", "anfragen"), DependentQuestion(app.s(), "13")});
  NoNote(app);
  SelectDays(k, BergRow, 3, 3);
}

// Each mode with each action writes its code; no mode and action lead to "K?" or any other code.
TEST(ActionRow, ModesAndActionsWriteExactlyTheFourteenCodes) {
  CalendarApp app;
  auto& k = Enter(app, 12, 1);
  std::set<std::string> written;
  int day = 0;
  for (int mode = 1; mode <= 5; ++mode) {
    k.cmbModus.UserSelect(mode);
    EXPECT_EQ(k.lbl_action2.Caption(), mode == 2 ? "---" : "anfragen");
    EXPECT_EQ(k.opt_enquire.Enabled(), mode != 2);
    for (forms::Label* label : {&k.lbl_action1, &k.lbl_action2, &k.lbl_action3}) {
      label->UserClick();
      app.platform.ExpectMessageBox([](const forms::MessageBoxRequest&) { return true; },
                                    forms::vbYes);
      NoNote(app);
      ++day;
      SelectDays(k, BergRow, day, day);
      written.insert(app.EntryOn(10, Dec(day)));
      EXPECT_EQ(k.grdCal.TextMatrix(BergRow, day), std::string(1, "UKZDS"[mode - 1]));
    }
  }
  EXPECT_EQ(written, (std::set<std::string>{"U/", "U?", "U!", "K/", "K!", "Z/", "Z?", "Z!", "D/",
                                            "D?", "D!", "S/", "S?", "S!"}));
  k.cmbModus.UserSelect(0);
  EXPECT_FALSE(k.opt_agree.Enabled());
}

}  // namespace
