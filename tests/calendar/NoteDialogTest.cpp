// The note dialog as the catalogue editor (Ctrl+N in the main window): its buttons follow the edit
// field and stand below it. A no, or a text the catalogue lacks, deletes nothing. A deleted note is
// cleared from every entry, also from one another copy wrote since the main window opened, but not
// from the holidays. Close hands back no note.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalendarTestSupport.h"

namespace {

using namespace caltest;

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
