// Deleting the selected days: groups 1 and 2 remove every entry of the run, group 3 only its own
// enquiries; RsKalender shows the whole table again afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EntrySupport.h"
#include "db/Recordset.h"

namespace {

using namespace entrytest;

using Rows = std::vector<std::vector<std::string>>;

class EntryDeletion : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedTeam(app, 30);
    app.AddEntry(10, Dec(1), "U?");
    app.AddEntry(10, Dec(2), "U/");
    app.AddEntry(10, Dec(3), "K!");
    app.AddEntry(10, Dec(4), "S?");
    app.AddEntry(10, Dec(6), "U?");
    app.AddEntry(11, Dec(2), "U?");
  }

  Rows Remaining() { return app.Query("SELECT PersNr, Datum, KennZ FROM tbl_Kalender ORDER BY PersNr, Datum"); }

  void DeleteDays(mv::frmKalender& k, int first, int last) {
    k.cmbModus.UserSelect(0);
    app.platform.ExpectMessageBox(
        "Eintragungen vom " + Dec(first).ToShort() + " bis " + Dec(last).ToShort() + "\rwirklich löschen?",
        forms::vbYes);
    SelectDays(k, BergRow, first, last);
    EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  }

  mvtest::TestApp app;
};

TEST_F(EntryDeletion, EmployeeDeletesOnlyOwnEnquiries) {
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee);
  DeleteDays(k, 1, 4);

  EXPECT_EQ(Remaining(), (Rows{{"10", "2026-12-02", "U/"}, {"10", "2026-12-03", "K!"}, {"10", "2026-12-06", "U?"},
                               {"11", "2026-12-02", "U?"}}));
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 1), "");
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 2), "U");
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 4), "");
  EXPECT_EQ(CellColor(k.grdCal, BergRow, 1), White);
}

TEST_F(EntryDeletion, BackOfficeDeletesEveryEntryOfTheRunAndOnlyThose) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupBackOffice);
  DeleteDays(k, 1, 4);

  EXPECT_EQ(Remaining(), (Rows{{"10", "2026-12-06", "U?"}, {"11", "2026-12-02", "U?"}}));
  for (int day = 1; day <= 4; ++day) EXPECT_EQ(k.grdCal.TextMatrix(BergRow, day), "");
  EXPECT_EQ(k.grdCal.TextMatrix(AdamRow, 2), "U");
  EXPECT_EQ(app.s().RsKalender.GetFilter(), "");
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 2);
  EXPECT_FALSE(app.s().SelStart.has_value());
}

TEST_F(EntryDeletion, DeletesEntriesAnotherCopyWroteAfterOpening) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  app.AddEntry(10, Dec(9), "Z?");
  k.cmdMonForward.UserClick();
  k.cmdMonBack.UserClick();
  ASSERT_EQ(k.grdCal.TextMatrix(BergRow, 9), "Z");

  DeleteDays(k, 8, 10);

  EXPECT_EQ(app.EntryOn(10, Dec(9)), "");
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 9), "");
}

TEST_F(EntryDeletion, NoOrAnEmptyRunDeletesNothing) {
  mv::frmKalender& k = Enter(app, 12, mv::GroupAdmin);
  const Rows before = Remaining();
  k.cmbModus.UserSelect(0);
  app.platform.ExpectMessageBox("Eintragung vom 01.12.2026\rwirklich löschen?", forms::vbNo);
  SelectDays(k, BergRow, 1, 1);
  DeleteDays(k, 20, 22);

  EXPECT_EQ(Remaining(), before);
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 1), "U");
  EXPECT_NE(CellColor(k.grdCal, BergRow, 1), Selected);
  EXPECT_EQ(app.s().RsKalender.GetFilter(), "");
  EXPECT_EQ(app.s().RsKalender.RecordCount(), 6);
}

}  // namespace
