// The employee search the card and the dependency editor share: which employees a term finds, and
// in which order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "masterdata/EmployeeSearch.h"
#include "support/TestApp.h"

namespace {

std::vector<std::string> Found(mvtest::TestApp& app, const std::string& term) {
  std::vector<std::string> entries;
  for (const mv::FoundEmployee& e : mv::SearchEmployee(app.s().Conn, term))
    entries.push_back(std::to_string(e.PersNr) + " " + e.ListEntry());
  return entries;
}

TEST(EmployeeSearch, FindsByNumberOrNamePrefixInLastNameOrder) {
  mvtest::TestApp app;
  app.AddTeam(0, "Entwicklung");
  app.AddEmployee(12, "Müller", "Hans", 0, 30, "0711-5");
  app.AddEmployee(120, "Adler", "Zoe", 0);
  app.AddEmployee(7, "Zwölf", "Anna", 0, 30, "12 34");
  app.AddEmployee(30, "O'Brien", "Sean", 0);
  app.AddEmployee(40, "Berg", "Müller", 0);
  app.AddEmployee(0, "Null", "Otto", 0);  // number 0 answers every term without a number
  app.OpenProgram();

  const struct {
    std::string term;
    std::vector<std::string> found;
  } searches[] = {
      {"12", {"12 Müller, Hans", "7 Zwölf, Anna"}},
      {"  12", {"12 Müller, Hans"}},
      {"12.5", {"12 Müller, Hans"}},
      {"12,5", {"12 Müller, Hans"}},
      {"mÜL", {"40 Berg, Müller", "12 Müller, Hans", "0 Null, Otto"}},
      {"o'b", {"0 Null, Otto", "30 O'Brien, Sean"}},
      {"99999999999", {}},
      {"",
       {"120 Adler, Zoe", "40 Berg, Müller", "12 Müller, Hans", "0 Null, Otto", "30 O'Brien, Sean",
        "7 Zwölf, Anna"}},
  };
  for (const auto& search : searches) {
    SCOPED_TRACE("term \"" + search.term + "\"");
    EXPECT_EQ(Found(app, search.term), search.found);
  }
}

}  // namespace
