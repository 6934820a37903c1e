// Any bytes as the settings record: decoding never fails, and what it decodes is written back
// to the same record.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "core/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // As the file reader does: the first 167 bytes, missing ones zero.
  mv::SettingsBytes bytes{};
  std::copy_n(data, std::min(size, bytes.size()), bytes.begin());

  const mv::SettingsRecord record = mv::DecodeSettingsRecord(bytes);
  const mv::SettingsRecord effective = mv::EffectiveSettings(record);
  if (effective.CalendarFont.empty()) fuzz::Finding("the effective settings name no font");

  // Writing keeps the texts, and a flag that is on is written as -1; only the path gains the
  // blank padding of its field.
  mv::SettingsRecord again = mv::DecodeSettingsRecord(mv::EncodeSettingsRecord(record));
  mv::SettingsRecord expected = record;
  for (auto* flag : {&expected.MaskPassword, &expected.HighlightWeekend,
                     &expected.HighlightHolidays, &expected.NotifyDependencies})
    *flag = *flag != 0 ? -1 : 0;
  for (mv::SettingsRecord* r : {&again, &expected})
    r->DatabasePath.erase(r->DatabasePath.find_last_not_of(' ') + 1);
  if (again != expected) fuzz::Finding("a decoded settings record changes when written back");
  return 0;
}
