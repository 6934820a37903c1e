#pragma once
// Reading and writing tbl_Teams and the team numbers of tbl_Mitarbeiter. A team is found by its
// TeamNr, which is also its position in every team list. Each write is whole or not at all; a
// failure is thrown as db::Error for the caller to show.
#include <optional>
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

// A team as a list names it: the number its position stands for and the name shown there.
struct ListedTeam {
  int TeamNr = -1;
  std::string TeamName;
};

// None when the number names another team or none: another copy deleted, renamed or renumbered
// teams after the list was read.
std::optional<TeamRow> ReadTeam(State& s, const ListedTeam& team);
// Whether a team carries this name, letter case ignored.
bool TeamNameTaken(State& s, const std::string& name);
bool TeamHasMembers(State& s, int teamNr);

// Appends a team numbered after the last one.
void AppendTeam(State& s, const std::string& name, int maxAbw);

// The writes on a listed team read its name again under their write lock: false, with nothing
// written, when the number no longer names it.
bool ChangeTeam(State& s, const ListedTeam& team, const std::string& name, int maxAbw);
// Deletes the team; every team numbered above it, and every employee of such a team, moves down
// by one.
bool DeleteTeam(State& s, const ListedTeam& team);
bool MoveEmployees(State& s, const std::vector<long>& persNrs, const ListedTeam& target);

// The shown team and the user's own keep naming the same teams after teamNr was deleted; where
// the team itself was deleted, team 0 is named instead.
void FollowDeletedTeam(State& s, int teamNr);

}  // namespace mv
