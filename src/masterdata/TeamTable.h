#pragma once
// Reading and writing tbl_Teams and the team numbers of tbl_Mitarbeiter. A team is found by its
// TeamNr, which is also its position in every team list. Each write is whole or not at all; a
// failure is thrown as db::Error for the caller to show.
#include <string>
#include <vector>

#include "core/State.h"

namespace mv {

constexpr int NoLimit = 30;          // MaxAbw of a team without an absence limit
constexpr int TeamNameLength = 255;  // characters TeamName holds

struct TeamRow {
  std::string TeamName;
  int MaxAbw = NoLimit;
};

TeamRow ReadTeam(State& s, int teamNr);
// Whether a team carries this name, letter case ignored.
bool TeamNameTaken(State& s, const std::string& name);
bool TeamHasMembers(State& s, int teamNr);

// Appends a team numbered after the last one.
void AppendTeam(State& s, const std::string& name, int maxAbw);
void ChangeTeam(State& s, int teamNr, const std::string& name, int maxAbw);
// Deletes the team; every team numbered above it, and every employee of such a team, moves down
// by one.
void DeleteTeam(State& s, int teamNr);
void MoveEmployees(State& s, const std::vector<long>& persNrs, int teamNr);

// The shown team and the user's own keep naming the same teams after teamNr was deleted; where
// the team itself was deleted, team 0 is named instead.
void FollowDeletedTeam(State& s, int teamNr);

}  // namespace mv
