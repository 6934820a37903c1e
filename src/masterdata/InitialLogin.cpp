#include "masterdata/InitialLogin.h"

#include <random>
#include <vector>

#include "db/Db.h"
#include "text/Utf8.h"

namespace mv {

namespace {

constexpr std::size_t LoginLength = 20;

// The name part cut so that name and ending fit, counted in characters.
std::string Fitted(const std::string& name, const std::string& ending) {
  const std::size_t room = LoginLength > ending.size() ? LoginLength - ending.size() : 0;
  return text::FirstCharacters(name, room) + ending;
}

// Found as the login data dialog's OK finds a login name, so OK never meets another's row.
bool Taken(db::Recordset& users, const std::string& loginId) {
  users.MoveFirst();
  users.Find("LoginID = " + db::Quote(loginId));
  return !users.EOF();
}

}  // namespace

std::string InitialLoginName(db::Connection& conn, const std::string& nachname, long persNr) {
  const std::string name = db::FoldCase(nachname);
  const std::string number = std::to_string(persNr);
  std::string loginId = Fitted(name, number);
  try {
    db::Recordset users;
    users.Open("tbl_User", conn, db::CursorType::Static, db::LockType::ReadOnly);
    for (int k = 2; Taken(users, loginId); ++k)
      loginId = Fitted(name, number + "-" + std::to_string(k));
  } catch (const db::Error&) {
    // Without tbl_User no name can be checked, and the dialog's OK reports the failure when it
    // writes; the user sees the plain name meanwhile.
    loginId = Fitted(name, number);
  }
  return loginId;
}

std::string InitialPassword() {
  static constexpr char Characters[] =
      "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof Characters - 2);
  std::string password;
  for (int i = 0; i < 6; ++i) password += Characters[pick(source)];
  return password;
}

}  // namespace mv
