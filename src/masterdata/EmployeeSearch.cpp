#include "masterdata/EmployeeSearch.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "db/Db.h"

namespace mv {

namespace {

// The number the term begins with, as the platform's Val reads a whole number; nothing when the
// digits spell more than any personnel number can hold.
std::optional<std::int64_t> NumberPart(const std::string& term) {
  std::size_t i = term.find_first_not_of(' ');
  if (i == std::string::npos) return 0;
  std::int64_t n = 0;
  for (; i < term.size() && term[i] >= '0' && term[i] <= '9'; ++i) {
    n = n * 10 + (term[i] - '0');
    if (n > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  }
  return n;
}

}  // namespace

std::string AskSearchTerm(State& s) { return s.rt.InputBox(s.T(83)); }

std::string SearchCriterion(const std::string& term) {
  const std::string prefix = db::Quote(term + "*");
  std::string criterion;
  if (const auto n = NumberPart(term)) criterion = "PersNr LIKE " + std::to_string(*n) + " OR ";
  return criterion + "Nachname LIKE " + prefix + " OR Vorname LIKE " + prefix + " OR TelNr LIKE " +
         prefix;
}

std::vector<FoundEmployee> SearchEmployee(db::Connection& conn, const std::string& term) {
  db::Recordset rs;
  rs.Open("tbl_Mitarbeiter", conn, db::CursorType::Static, db::LockType::ReadOnly);
  if (!term.empty()) rs.Filter(SearchCriterion(term));
  rs.Sort("Nachname ASC");
  std::vector<FoundEmployee> found;
  for (; !rs.EOF(); rs.MoveNext()) {
    found.push_back(
        {static_cast<long>(rs["PersNr"].Int64()), rs["Nachname"].Text(), rs["Vorname"].Text()});
  }
  return found;
}

}  // namespace mv
