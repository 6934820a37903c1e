// The road of one request: an employee enquires three vacation days with a note, an administrator
// approves them later.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EntrySupport.h"

namespace {

using namespace entrytest;

std::vector<std::string> Titles(const forms::HeadlessPlatform& platform) {
  std::vector<std::string> titles;
  for (const auto& shown : platform.MessageBoxes()) titles.push_back(shown.Request.Title);
  return titles;
}

TEST(EntryRequest, EmployeeEnquiresWithNoteAndAdministratorApprovesInPlace) {
  mvtest::TestApp app;
  SeedTeam(app);
  app.AddEntry(11, Dec(2), "U/");  // the dependent colleague is away on day 2
  app.AddEntry(12, Dec(2), "D?");  // a third member away: three of a team limited to two
  mv::frmKalender& employee = Enter(app, 10, mv::GroupEmployee);
  mv::State& s = app.s();
  ASSERT_EQ(RowOf(employee.grdCal, "Berg, Lena"), BergRow);

  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "anfragen"), forms::vbYes);
  app.platform.ExpectMessageBox(s.T(101), forms::vbYes);
  app.platform.ExpectMessageBox(DependentQuestion(s, "Adam, Karl"), forms::vbYes);
  app.platform.ExpectMessageBox(s.T(50), forms::vbYes);
  std::string dialogCaption, period;
  bool mainEnabledWhileWaiting = true;
  app.platform.QueueAction([&] {
    mv::frmNotiz& dialog = *s.frmNotiz.IfLoaded();
    dialogCaption = dialog.Caption();
    period = dialog.lbl_Zeitraum.Caption();
    mainEnabledWhileWaiting = employee.Enabled();
    dialog.cmb_Note.UserType("Hochzeit");
    dialog.cmdSave.UserClick();
  });
  SelectDays(employee, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(Titles(app.platform), (std::vector<std::string>{"Bitte bestätigen", "Wichtiger Hnweis",
                                                             "Wichtiger Hnweis", "Notizfunktion"}));
  EXPECT_EQ(dialogCaption, "Notiz hinzufügen");
  EXPECT_EQ(period, "1.12.2026 - 3.12.2026");
  EXPECT_FALSE(mainEnabledWhileWaiting);
  EXPECT_TRUE(employee.Enabled());

  const long note = app.Scalar("SELECT LfdNr FROM tbl_Notizen WHERE Text = 'Hochzeit'");
  EXPECT_EQ(app.Query("SELECT Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = 10 ORDER BY Datum"),
            (std::vector<std::vector<std::string>>{{"2026-12-01", "U?", std::to_string(note)},
                                                   {"2026-12-02", "U?", std::to_string(note)},
                                                   {"2026-12-03", "U?", std::to_string(note)}}));
  for (int day = 1; day <= 3; ++day) {
    EXPECT_EQ(employee.grdCal.TextMatrix(BergRow, day), "U");
    EXPECT_EQ(CellColor(employee.grdCal, BergRow, day), Yellow);
  }
  EXPECT_FALSE(s.SelStart.has_value());
  EXPECT_EQ(employee.lbl_KtoZahl2.Caption(), "3");

  employee.mnuLogOut.UserClick();
  mv::frmKalender* admin = app.LoginAs("zoller", "pw");
  ASSERT_NE(admin, nullptr);
  admin->opt_agree.UserClick();
  app.platform.ExpectMessageBox(RangeQuestion(1, 3, "Urlaub", "genehmigen"), forms::vbYes);
  app.platform.ExpectMessageBox(s.T(101), forms::vbYes);
  app.platform.ExpectMessageBox(DependentQuestion(s, "Adam, Karl"), forms::vbYes);
  NoNote(app);
  SelectDays(*admin, BergRow, 1, 3);

  EXPECT_EQ(app.platform.PendingMessageBoxes(), 0u);
  EXPECT_EQ(app.Query("SELECT Datum, KennZ, Notiz FROM tbl_Kalender WHERE PersNr = 10 ORDER BY Datum"),
            (std::vector<std::vector<std::string>>{{"2026-12-01", "U/", "0"},
                                                   {"2026-12-02", "U/", "0"},
                                                   {"2026-12-03", "U/", "0"}}));
  for (int day = 1; day <= 3; ++day) {
    EXPECT_EQ(admin->grdCal.TextMatrix(BergRow, day), "U");
    EXPECT_EQ(CellColor(admin->grdCal, BergRow, day), Green);
  }
  EXPECT_EQ(app.Scalar("SELECT count(*) FROM tbl_Kalender"), 5);
}

TEST(EntryRequest, EnglishOneDayRequestShowsTheEnglishTextsAndLetter) {
  mvtest::TestApp app;
  SeedTeam(app);
  mv::frmKalender& k = Enter(app, 10, mv::GroupEmployee, 2);

  app.platform.ExpectMessageBox("Enquire vacation on 04.12.2026 ?", forms::vbYes);
  AttachNote(app, "Dentist");
  SelectDays(k, BergRow, 4, 4);

  EXPECT_EQ(app.platform.MessageBoxes().front().Request.Title, "Please confirm");
  EXPECT_EQ(app.s().frmNotiz.IfLoaded()->Caption(), "Append notice");
  EXPECT_EQ(app.s().frmNotiz.IfLoaded()->lbl_Zeitraum.Caption(), "4.12.2026");
  EXPECT_EQ(app.EntryOn(10, Dec(4)), "U?");
  EXPECT_EQ(k.grdCal.TextMatrix(BergRow, 4), "V");
}

}  // namespace
