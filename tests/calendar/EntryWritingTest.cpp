// Writing the selected days: codes replaced in place, group 3 and sick codes, notes attached or
// not, rows another running copy wrote, a failure of the database while writing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EntrySupport.h"
#include "db/Recordset.h"

namespace {

using namespace entrytest;

using Rows = std::vector<std::vector<std::string>>;

class EntryWriting : public ::testing::Test {
 protected:
  void SetUp() override { SeedTeam(app, 30); }

  Rows BergRows() { return app.Query("SELECT Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = 10 ORDER BY Datum"); }

  mvtest::TestApp app;
};

TEST_F(EntryWriting, AdministratorReplacesAnotherKindAndDeclinesWithoutDependencyQuestion) {
  app.AddEntry(10, Dec(8), "Z?");
  app.AddEntry(11, Dec(8), "U/");
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);

  app.platform.ExpectMessageBox("Am 08.12.2026 Urlaub anfragen ?", forms::vbYes);
  app.platform.ExpectMessageBox(DependentQuestion(app.s(), "Adam, Karl"), forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 8, 8);
  EXPECT_EQ(app.EntryOn(10, Dec(8)), "U?");

  k.opt_decline.UserClick();
  app.platform.ExpectMessageBox("Am 08.12.2026 Urlaub ablehnen ?", forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 8, 8);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(BergRows(), (Rows{{"2026-12-08", "U!", "0"}}));
  EXPECT_EQ(CellColor(k.grdCal, BergRow, 8), Red);
}

TEST_F(EntryWriting, SickDaysAskNeitherLimitNorDependents) {
  app.Sql("UPDATE tbl_Teams SET MaxAbw = 1");
  app.AddEntry(11, Dec(9), "U/");
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  k.cmbModus.UserSelect(2);
  k.opt_decline.UserClick();

  app.platform.ExpectMessageBox("Unentschuldigt krank\rVom 09.12.2026 bis 10.12.2026?", forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 9, 10);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(BergRows(), (Rows{{"2026-12-09", "K!", "0"}, {"2026-12-10", "K!", "0"}}));
}

TEST_F(EntryWriting, EmployeeKeepsSickCodesButTakesTheNoteOnThem) {
  const long note = app.AddNote("Kur");
  app.AddEntry(10, Dec(14), "K/", 0);
  app.AddEntry(10, Dec(15), "K!", 0);
  app.AddEntry(10, Dec(16), "S?", 0);
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);

  app.platform.ExpectMessageBox(RangeQuestion(14, 17, "Urlaub", "anfragen"), forms::vbYes);
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbYes);
  app.platform.QueueAction([this] {
    mv::frmNotiz& dialog = *app.s().frmNotiz.IfLoaded();
    dialog.cmb_Note.UserSelect(0);
    dialog.cmdSave.UserClick();
  });
  SelectDays(k, BergRow, 14, 17);

  const std::string n = std::to_string(note);
  EXPECT_EQ(BergRows(), (Rows{{"2026-12-14", "K/", n}, {"2026-12-15", "K!", n}, {"2026-12-16", "U?", n},
                              {"2026-12-17", "U?", n}}));
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 14), "K");
  EXPECT_EQ(CellColor(k.grdCal, BergRow, 15), Red);
  EXPECT_EQ(CellColor(k.grdCal, BergRow, 16), Yellow);
}

TEST_F(EntryWriting, ClosingTheNoteDialogUnsavedWritesNoNote) {
  app.AddNote("Kur");
  app.AddEntry(10, Dec(21), "U?", 1);
  mv::frmKalender& k = Enter(app, 12, mv::GroupBackOffice);
  k.opt_agree.UserClick();

  app.platform.ExpectMessageBox(RangeQuestion(21, 22, "Urlaub", "genehmigen"), forms::vbYes);
  app.platform.ExpectMessageBox(app.s().T(50), forms::vbYes);
  app.platform.QueueAction([this] {
    mv::frmNotiz& dialog = *app.s().frmNotiz.IfLoaded();
    dialog.cmb_Note.UserType("verworfen");
    dialog.UserClose();
  });
  SelectDays(k, BergRow, 21, 22);

  EXPECT_EQ(BergRows(), (Rows{{"2026-12-21", "U/", "0"}, {"2026-12-22", "U/", "0"}}));
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Notizen"), 1);
  EXPECT_FALSE(app.s().frmNotiz.IsLoaded());
  EXPECT_TRUE(k.Enabled());
}

TEST_F(EntryWriting, RowsWrittenByAnotherCopyAfterOpeningAreChangedNotDoubled) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.AddEntry(10, Dec(1), "Z?");  // shown: the calendar is rebuilt below
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  ASSERT_EQ(k.grdCal.TextMatrix(BergRow, 1), "Z");
  app.AddEntry(10, Dec(2), "D?");  // not shown yet: written after the last rebuild

  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);

  EXPECT_EQ(BergRows(), (Rows{{"2026-12-01", "U?", "0"}, {"2026-12-02", "U?", "0"}, {"2026-12-03", "U?", "0"}}));
  EXPECT_EQ(app.s().RsKalender.GetFilter(), "");
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 3);
}

TEST_F(EntryWriting, DatabaseFailureWritesNoDayAndIsShown) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.Sql("CREATE TRIGGER full_disk BEFORE INSERT ON tbl_Kalender WHEN NEW.Datum = '2026-12-03' "
          "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");

  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  NoNote(app);
  app.platform.ExpectMessageBox(
      [](const forms::MessageBoxRequest& r) { return r.Prompt.find("database or disk is full") != std::string::npos; },
      forms::vbOK);
  SelectDays(k, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_TRUE(BergRows().empty());
  for (int day = 1; day <= 3; ++day) {
    EXPECT_EQ(k.grdCal.TextMatrix(BergRow, day), "");
    EXPECT_EQ(CellColor(k.grdCal, BergRow, day), White);
  }
  EXPECT_FALSE(app.s().SelStart.has_value());
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 0);

  app.Sql("DROP TRIGGER full_disk");
  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  NoNote(app);
  SelectDays(k, BergRow, 1, 3);
  EXPECT_EQ(BergRows(), (Rows{{"2026-12-01", "U?", "0"}, {"2026-12-02", "U?", "0"}, {"2026-12-03", "U?", "0"}}));
}

TEST_F(EntryWriting, NoAtAnyQuestionWritesNothingAndEndsTheSelection) {
  app.Sql("UPDATE tbl_Teams SET MaxAbw = 1");
  app.AddEntry(11, Dec(4), "U/");
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  const std::string question = RangeQuestion(3, 5, "Urlaub", "anfragen");
  const std::vector<std::vector<std::pair<std::string, int>>> runs = {
      {{question, forms::vbNo}},
      {{question, forms::vbYes}, {app.s().T(101), forms::vbNo}},
      {{question, forms::vbYes}, {app.s().T(101), forms::vbYes}, {DependentQuestion(app.s(), "Adam, Karl"), forms::vbNo}},
  };
  for (const auto& answers : runs) {
    SCOPED_TRACE("questions answered: " + std::to_string(answers.size()));
    for (const auto& [prompt, answer] : answers) app.platform.ExpectMessageBox(prompt, answer);
    SelectDays(k, BergRow, 3, 5);
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
    EXPECT_TRUE(BergRows().empty());
    EXPECT_FALSE(app.s().SelStart.has_value());
    for (int day = 3; day <= 5; ++day) EXPECT_NE(CellColor(k.grdCal, BergRow, day), Selected);
  }
}

}  // namespace
