// The login window as a user works it.
#include <tuple>

#include "CoreTestSupport.h"

namespace {

using coretest::Program;

class LoginWindow : public Program {};

// The colours of the name and the password box: the one with the focus yellow, the other white.
using Colours = std::pair<forms::Color, forms::Color>;
const Colours NameFocused{0x00FFFF, 0xFFFFFF};
Colours Boxes(const mv::frmLogin& w) { return {w.txtID.BackColor(), w.txtPW.BackColor()}; }

// The window at start-up, and again after a log-out in the settings the options dialog left.
TEST_F(LoginWindow, IsADialogInTheCurrentSettingsWithTheFocusInYellowAndReturnsAtLogOut) {
  Start(1, -1);
  mv::frmLogin& w = *Login();
  EXPECT_EQ((std::vector<std::string>{w.Caption(), w.Label1.Caption(), w.Label2.Caption(),
                                      w.cmdOK.Caption(), w.cmdCancel.Caption()}),
            (std::vector<std::string>{"Programm Anmeldung", "Benutzername / Kennung", "Passwort",
                                      "OK", "Abbruch"}));
  EXPECT_FALSE(w.ControlBox());
  EXPECT_EQ(s().rt.Windows().ActiveForm(), &w);
  for (forms::Control* c : w.Controls()) {
    EXPECT_LE(c->Left() + c->Width(), w.Width()) << c->Name();
    EXPECT_LE(c->Top() + c->Height(), w.Height() - 300) << c->Name();
  }
  EXPECT_LT(w.Label1.Left() + w.Label1.Width(), w.txtID.Left());
  EXPECT_LT(w.txtID.Top() + w.txtID.Height(), w.txtPW.Top());
  EXPECT_LT(w.txtPW.Top() + w.txtPW.Height(), w.cmdOK.Top());
  EXPECT_TRUE(w.txtID.HasFocus());
  EXPECT_EQ(Boxes(w), NameFocused);
  w.txtPW.UserClick();
  EXPECT_EQ(Boxes(w), Colours(0xFFFFFF, 0x00FFFF));
  w.txtPW.UserType("abc");
  EXPECT_EQ(w.txtPW.DisplayText(), "###");
  w.txtID.UserType("a");
  EXPECT_EQ(Boxes(w), NameFocused);

  s().ZoomLevel = 2;
  ASSERT_NE(app.LoginAs("buero", "Buero2"), nullptr);
  // Only -1 masks the password: another program may have stored 1, which this one never writes.
  s().Settings.Language = 2;
  s().Settings.MaskPassword = 1;
  Main()->mnuLogOut.UserClick();

  EXPECT_EQ(Main(), nullptr);
  EXPECT_FALSE(s().RsKalender.IsOpen());
  ASSERT_NE(Login(), nullptr);
  mv::frmLogin& again = *Login();
  EXPECT_EQ(again.Caption(), "Program login");
  EXPECT_TRUE(s().RsUser.IsOpen());
  // The login state and the view stay until the next login overwrites them.
  EXPECT_EQ(std::tuple(s().UserGroup, s().CurrentLoginID, s().UserTeam, s().ZoomLevel),
            std::tuple(2, std::string("buero"), 1, 2));
  again.txtPW.UserType("abc");
  EXPECT_EQ(again.txtPW.DisplayText(), "abc");

  // A window manager's close button ends the program, as Abbruch does.
  again.UserClose();
  EXPECT_TRUE(s().rt.Ended());
  EXPECT_EQ(platform().ExitCode(), 0);
}

// A login name in other letters finds the row; the name is kept as stored. An apostrophe is a
// letter. Only an employee's login makes him the current employee and brings his vacation days;
// groups 1 and 2 keep the one pointed at before (nobody at first) and see his vacation days.
TEST_F(LoginWindow, EachGroupGetsItsLoginStateAndOnlyAnEmployeeBecomesTheCurrentEmployee) {
  using LoginState = std::tuple<int, std::string, long, int, int, std::string, int>;
  const struct {
    const char *typed, *password;
    LoginState state;  // group, login, current employee, team (both), name, vacation days
  } cases[] = {{"Buero", "Buero2", {2, "buero", 0, 1, 1, "Berger, Bernd", 0}},
               {"clara", "Clara3", {3, "clara", 30, 1, 1, "Conrad, Clara", 25}},
               {"ADMIN", "Geheim1", {1, "admin", 30, 0, 0, "Adler, Anna", 25}},
               {"O'Brien", "Kl33", {3, "o'brien", 40, 0, 0, "O'Brien, Sean", 20}}};
  Start();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ASSERT_NE(app.LoginAs(c.typed, c.password), nullptr);
    EXPECT_EQ(Login(), nullptr);
    EXPECT_FALSE(s().RsUser.IsOpen());
    EXPECT_EQ(LoginState(s().UserGroup, s().CurrentLoginID, s().CurrentPersNr, s().CurrentTeam,
                         s().UserTeam, s().CurrentUserName, s().UserVacationDays),
              c.state);
    Main()->mnuLogOut.UserClick();
  }
}

// A password in other letters, an unknown name, nothing at all, names that try to widen the
// search, a login without its employee: each says text 136 and empties both boxes. Enter in the
// password box submits as OK does; a wrong password typed there is refused alike.
TEST_F(LoginWindow, EveryFailureSaysText136AndEmptiesBothBoxes) {
  app.AddLogin(99, "waise", "Waise9", 1);  // no employee row
  Start();
  mv::frmLogin& w = *Login();
  const std::pair<std::string, std::string> attempts[] = {
      {"admin", "geheim1"},  {"niemand", "Geheim1"}, {"", ""}, {"' OR LoginID LIKE '*", "Geheim1"},
      {"admin'", "Geheim1"}, {"waise", "Waise9"}};
  for (const auto& [name, password] : attempts) {
    SCOPED_TRACE(name);
    ExpectRefusal();
    EXPECT_EQ(app.LoginAs(name, password), nullptr);
    EXPECT_EQ(std::pair(w.txtID.Text(), w.txtPW.Text()), std::pair(std::string(), std::string()));
    EXPECT_TRUE(w.txtID.HasFocus());
  }
  w.txtPW.UserType("x");
  ExpectRefusal();
  w.txtPW.UserKey(forms::vbKeyReturn);  // Enter in the password box submits
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_EQ(platform().MessageBoxes().front().Request.Buttons, forms::vbOKOnly);
  EXPECT_EQ(std::tuple(s().UserGroup, s().CurrentLoginID, s().CurrentUserName),
            std::tuple(0, std::string(), std::string()));
  EXPECT_TRUE(s().RsUser.IsOpen());

  // A missing employee table is reported, and the window waits.
  app.Sql("DROP TABLE tbl_Mitarbeiter");
  app.ExpectBoxNaming("tbl_Mitarbeiter");
  EXPECT_EQ(app.LoginAs("admin", "Geheim1"), nullptr);
  EXPECT_EQ(platform().PendingMessageBoxes(), 0u);
  EXPECT_TRUE(w.Visible());
}

}  // namespace
