#include "overview/YearStatistics.h"

namespace mv {

void YearCounts::AddEntry(const std::string& kennZ) {
  if (kennZ.starts_with('U')) ++scheduled_;
  ++byCode_[kennZ];
}

int YearCounts::Open() const { return Overbooked() ? 0 : vacationTotal_ - scheduled_; }

int YearCounts::Of(EntryType kind, char sign) const {
  const std::string code = KennZOf(kind, sign);
  if (code.empty()) return 0;
  const auto it = byCode_.find(code);
  return it == byCode_.end() ? 0 : it->second;
}

int YearCounts::Total(EntryType kind) const {
  return Of(kind, '/') + Of(kind, '?') + Of(kind, '!');
}

std::optional<std::string> PercentText(int part, int whole, const std::string& separator) {
  if (whole == 0) return std::nullopt;
  // Tenths of a percent in integers: exact halves round up, as Format does.
  const long long tenths = (2000LL * part + whole) / (2LL * whole);
  return std::to_string(tenths / 10) + separator + std::to_string(tenths % 10) + "%";
}

}  // namespace mv
