// The login window as a user works it.
#include "CoreTestSupport.h"

namespace {

using coretest::Program;

class LoginWindow : public Program {};

TEST_F(LoginWindow, IsASmallDialogWithoutCloseBoxInTheCurrentLanguageWithTheFocusInYellow) {
  // Only -1 masks the password: another program may have stored 1, which this one never writes.
  mv::SettingsBytes settings =
      mv::EncodeSettingsRecord(coretest::Settings(2, app.DbPath().string()));
  settings[1] = 1;
  std::ofstream(mv::SettingsFilePath(app.Folder()), std::ios::binary)
      .write(reinterpret_cast<const char*>(settings.data()),
             static_cast<std::streamsize>(settings.size()));
  ASSERT_EQ(app.StartProgram(), 0);
  ASSERT_NE(Login(), nullptr);
  mv::frmLogin& w = *Login();

  EXPECT_EQ(w.Caption(), "Program login");
  EXPECT_EQ(w.Label1.Caption(), "Username / ID");
  EXPECT_EQ(w.Label2.Caption(), "Password");
  // The buttons are the same in both languages.
  EXPECT_EQ(w.cmdOK.Caption(), "OK");
  EXPECT_EQ(w.cmdCancel.Caption(), "Abbruch");
  EXPECT_FALSE(w.ControlBox());
  EXPECT_EQ(s().rt.Windows().ActiveForm(), &w);

  // A small dialog with every control inside it: the boxes one below the other, the buttons below
  // them.
  EXPECT_LE(w.Width(), 6000);
  EXPECT_LE(w.Height(), 3000);
  for (forms::Control* c : w.Controls()) {
    EXPECT_LE(c->Left() + c->Width(), w.Width()) << c->Name();
    EXPECT_LE(c->Top() + c->Height(), w.Height() - 300) << c->Name();  // below the title bar
  }
  EXPECT_LT(w.Label1.Left() + w.Label1.Width(), w.txtID.Left());
  EXPECT_LT(w.txtID.Top() + w.txtID.Height(), w.txtPW.Top());
  EXPECT_LT(w.txtPW.Top() + w.txtPW.Height(), w.cmdOK.Top());
  // Tab order: name, password, OK, Abbruch.
  EXPECT_LT(w.txtID.TabIndex(), w.txtPW.TabIndex());
  EXPECT_LT(w.txtPW.TabIndex(), w.cmdOK.TabIndex());
  EXPECT_LT(w.cmdOK.TabIndex(), w.cmdCancel.TabIndex());

  // The box with the focus is yellow, the other white.
  EXPECT_TRUE(w.txtID.HasFocus());
  EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF);

  w.txtPW.UserClick();
  EXPECT_EQ(w.txtPW.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtID.BackColor(), 0xFFFFFF);
  w.txtPW.UserType("Geheim1");
  EXPECT_EQ(w.txtPW.DisplayText(), "Geheim1");
  w.txtID.UserType("a");
  EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF);
  EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF);

  // A window manager's close button ends the program, as Abbruch does.
  w.UserClose();
  EXPECT_TRUE(s().rt.Ended());
}

TEST(LoginState, EachGroupGetsItsLoginStateAndOnlyAnEmployeeBecomesTheCurrentEmployee) {
  struct Case {
    const char *typed, *password, *stored;
    int group, persNr, team;
    const char* name;
    int days;  // an employee keeps his own; groups 1 and 2 get them from the vacation account
  };
  // A login name in other letters finds the row; the name is kept as stored. An apostrophe is a
  // letter.
  const Case cases[] = {{"ADMIN", "Geheim1", "admin", 1, 0, 0, "Adler, Anna", -1},
                        {"Buero", "Buero2", "buero", 2, 0, 1, "Berger, Bernd", -1},
                        {"clara", "Clara3", "clara", 3, 30, 1, "Conrad, Clara", 25},
                        {"O'Brien", "Kl33", "o'brien", 3, 40, 0, "O'Brien, Sean", 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    mvtest::TestApp app;
    coretest::SeedFirm(app);
    app.OpenProgram();

    mv::frmKalender* main = app.LoginAs(c.typed, c.password);

    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Visible());
    EXPECT_TRUE(app.platform.MessageBoxes().empty());
    EXPECT_EQ(app.LoginWindow(), nullptr);
    EXPECT_FALSE(app.s().RsUser.IsOpen());
    EXPECT_EQ(app.s().UserGroup, c.group);
    EXPECT_EQ(app.s().CurrentLoginID, c.stored);
    EXPECT_EQ(app.s().CurrentPersNr, c.persNr);
    EXPECT_EQ(app.s().CurrentTeam, c.team);
    EXPECT_EQ(app.s().UserTeam, c.team);
    EXPECT_EQ(app.s().CurrentUserName, c.name);
    if (c.days >= 0) {
      EXPECT_EQ(app.s().UserVacationDays, c.days);
    }
  }
}

TEST_F(LoginWindow, EveryFailureSaysText136EmptiesBothBoxesAndTheRightLoginStillWorks) {
  app.AddLogin(99, "waise", "Waise9", 1);  // no employee row
  Start();
  mv::frmLogin& w = *Login();
  // A password in other letters, an unknown name, nothing at all, names that try to widen the
  // search, a login without its employee.
  const std::pair<std::string, std::string> attempts[] = {{"admin", "geheim1"},
                                                          {"niemand", "Geheim1"},
                                                          {"", ""},
                                                          {"' OR LoginID LIKE '*", "Geheim1"},
                                                          {"x' OR 'a'='a", "Geheim1"},
                                                          {"admin'", "Geheim1"},
                                                          {"waise", "Waise9"}};
  for (const auto& [name, password] : attempts) {
    ExpectRefusal();
    EXPECT_EQ(app.LoginAs(name, password), nullptr) << name;

    EXPECT_EQ(w.txtID.Text(), "") << name;
    EXPECT_EQ(w.txtPW.Text(), "") << name;
    EXPECT_TRUE(w.txtID.HasFocus()) << name;
    EXPECT_EQ(w.txtID.BackColor(), 0x00FFFF) << name;
    EXPECT_EQ(w.txtPW.BackColor(), 0xFFFFFF) << name;
  }
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  const auto& box = platform().MessageBoxes().front().Request;
  EXPECT_EQ(box.Prompt, "Benutzername / Kennung\roder Passwort falsch!");
  EXPECT_EQ(box.Buttons, forms::vbOKOnly);
  EXPECT_EQ(box.Title, "Morvellan");
  EXPECT_EQ(s().UserGroup, 0);
  EXPECT_EQ(s().CurrentLoginID, "");
  EXPECT_EQ(s().CurrentUserName, "");
  EXPECT_TRUE(s().RsUser.IsOpen());
  EXPECT_NE(app.LoginAs("admin", "Geheim1"), nullptr);
}

// (The Qt tests press Enter on a right login on the real window, and click Cancel.)
TEST_F(LoginWindow, EnterInThePasswordBoxSubmitsAndInTheNameBoxDoesNot) {
  Start();
  mv::frmLogin& w = *Login();
  w.txtID.UserType("buero");
  w.txtID.UserKey(forms::vbKeyReturn);
  EXPECT_TRUE(platform().MessageBoxes().empty());
  EXPECT_EQ(w.txtID.Text(), "buero");
  w.txtPW.UserType("buero2");
  ExpectRefusal();
  w.txtPW.UserKey(forms::vbKeyReturn);
  EXPECT_EQ(w.txtPW.Text(), "");
  w.txtID.UserType("buero");
  w.txtPW.UserType("Buero2");
  w.txtPW.UserKey(forms::vbKeyReturn);
  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(s().UserGroup, 2);
  EXPECT_EQ(Login(), nullptr);
}

TEST_F(LoginWindow, AnEmptyLoginTableRefusesEveryAttempt) {
  app.Sql("DELETE FROM tbl_User");
  Start();
  for (const std::string name : {"admin", ""}) {
    ExpectRefusal();
    EXPECT_EQ(app.LoginAs(name, "Geheim1"), nullptr) << name;
  }
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_TRUE(Login()->Visible());
  EXPECT_EQ(Main(), nullptr);
}

TEST_F(LoginWindow, AMissingEmployeeTableIsReportedAndTheWindowWaits) {
  Start();
  app.Sql("DROP TABLE tbl_Mitarbeiter");
  app.ExpectBoxNaming("tbl_Mitarbeiter");

  EXPECT_EQ(app.LoginAs("admin", "Geheim1"), nullptr);

  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(s().UserGroup, 0);
  ASSERT_NE(Login(), nullptr);
  EXPECT_TRUE(Login()->Visible());
}

}  // namespace
