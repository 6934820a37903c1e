#pragma once
// What the annual overview reads from the database: the members of a team and the entries of one
// member in one year.
#include <string>
#include <vector>

#include "db/Connection.h"

namespace mv {

struct YearMember {
  long persNr = 0;
  std::string nachname;
  std::string vorname;
  int vacationDays = 0;  // UTage
};

// The members of a team by last name in sortOrder ("ASC" or "DESC"); members who share a last
// name stay in table order.
std::vector<YearMember> ReadYearMembers(db::Connection& conn, int team,
                                        const std::string& sortOrder);

// What one day holds for one member: the number of entries and the code of the last one read.
struct DayEntries {
  int count = 0;
  std::string kennZ;
};

// One query for the member's year; the entries by day column (see YearCalendar.h), index 0 empty.
std::vector<DayEntries> ReadMemberYear(db::Connection& conn, long persNr, int year);

}  // namespace mv
