#pragma once
// The figures of one build of the annual overview, counted over the day cells that hold exactly
// one entry, and the way a share of them is written.
#include <map>
#include <optional>
#include <string>

#include "core/EntryKinds.h"

namespace mv {

class YearCounts {
 public:
  void AddMember(int vacationDays) { vacationTotal_ += vacationDays; }
  // A day cell with exactly one entry; codes compare exactly, letter case included.
  void AddEntry(const std::string& kennZ);

  int VacationTotal() const { return vacationTotal_; }
  // Vacation days entered, whatever their state.
  int Scheduled() const { return scheduled_; }
  // What the vacation total leaves after the scheduled days; never below 0.
  int Open() const;
  bool Overbooked() const { return scheduled_ > vacationTotal_; }
  // Entries of the kind with the state sign ('/', '?', '!').
  int Of(EntryType kind, char sign) const;
  // Entries of the kind in all its states.
  int Total(EntryType kind) const;

 private:
  int vacationTotal_ = 0;
  int scheduled_ = 0;
  std::map<std::string, int> byCode_;
};

// A share as the figure labels show it: the quotient times 100 with one decimal, rounded half
// away from zero, the locale's separator and a percent sign ("25.0%" for 1 of 4). None when the
// whole is 0.
std::optional<std::string> PercentText(int part, int whole, const std::string& separator);

}  // namespace mv
