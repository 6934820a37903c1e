#pragma once
// The login a new employee gets, which the login data dialog shows for the user to store.
#include <string>

#include "db/Connection.h"

namespace mv {

// The lower-case last name followed by the personnel number, within the 20 characters of a login
// name: the name part is shortened, the number stays whole. Should another login already carry
// that name (letter case ignored), "-2", "-3", ... follow the number until none does.
std::string InitialLoginName(db::Connection& conn, const std::string& nachname, long persNr);

// Six characters, each drawn uniformly from the 62 digits and letters by the system's secure
// random source.
std::string InitialPassword();

}  // namespace mv
