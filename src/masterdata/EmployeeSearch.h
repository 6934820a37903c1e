#pragma once
// The employee search that the employee card and the dependency editor share. A term matches an
// employee whose personnel number is the number the term begins with, or whose last name, first
// name or phone number begins with the term (letter case ignored).
#include <string>
#include <vector>

#include "core/State.h"
#include "db/Connection.h"

namespace mv {

struct FoundEmployee {
  long PersNr = 0;
  std::string Nachname;
  std::string Vorname;

  // "Nachname, Vorname", as the result lists show an employee.
  std::string ListEntry() const { return Nachname + ", " + Vorname; }
};

// Asks for a search term (text 83); the empty text when the user cancels.
std::string AskSearchTerm(State& s);

// The filter of tbl_Mitarbeiter for a term. Its number part is the run of digits it begins with
// after leading blanks (0 when none), so "12.5" and "12,5" search number 12; a run too long for a
// personnel number matches no number. The term is quoted, apostrophes included.
std::string SearchCriterion(const std::string& term);

// The employees the term matches in last-name order (table order among equal names); every
// employee for the empty term. Throws db::Error when tbl_Mitarbeiter cannot be read.
std::vector<FoundEmployee> SearchEmployee(db::Connection& conn, const std::string& term);

}  // namespace mv
