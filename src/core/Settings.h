#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace mv {

inline constexpr std::size_t SettingsRecordSize = 167;
inline constexpr std::size_t CalendarFontWidth = 50;
inline constexpr std::size_t DatabasePathWidth = 100;

using SettingsBytes = std::array<std::uint8_t, SettingsRecordSize>;

// The one record of settings.dat. Texts are UTF-8 here and Windows-1252 in the file.
struct SettingsRecord {
  std::uint8_t Language = 0;
  std::int16_t MaskPassword = 0;  // the four flags: -1 on, 0 off
  std::int16_t HighlightWeekend = 0;
  std::int16_t HighlightHolidays = 0;
  std::int16_t NotifyDependencies = 0;
  std::int32_t WeekendColor = 0;  // 0x00BBGGRR
  std::int32_t HolidayColor = 0;
  std::string CalendarFont;
  std::string DatabasePath;  // keeps the padding blanks it was stored with

  bool operator==(const SettingsRecord&) const = default;
};

// Texts are padded with blanks or cut to their field; characters outside Windows-1252 become '?'.
// A flag that is on (any nonzero value) is written as -1.
SettingsBytes EncodeSettingsRecord(const SettingsRecord& record);

// A text field ends at its first zero byte; the font loses its blanks at both ends.
SettingsRecord DecodeSettingsRecord(const SettingsBytes& bytes);

// A record read as all zeros (first start) names no language and no font; this makes it usable
// without writing anything back.
SettingsRecord EffectiveSettings(SettingsRecord record);

struct SettingsReadResult {
  SettingsRecord Record;             // all zeros when the file could not be read
  std::optional<std::string> Error;  // why the file could be neither read nor created
};

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder);

// Reads the first 167 bytes (missing bytes count as zero); a missing file is created empty.
SettingsReadResult ReadSettingsFile(const std::filesystem::path& programFolder);

// Overwrites the first 167 bytes in place, keeping any further bytes.
// Returns a description of the failure, or nothing when the record was written.
std::optional<std::string> WriteSettingsFile(const std::filesystem::path& programFolder,
                                             const SettingsRecord& record);

// Whether the record holds the text whole: within its field's width and in characters that
// Windows-1252 has. Blanks at the end are padding and may run past the width.
bool FontNameFits(const std::string& name);
bool DatabasePathFits(const std::string& path);

// The path settings.dat is to name for a database path the user chose, so that the next start
// opens that very file: a relative path is taken from the program folder (the start does not run
// there). Nothing when the start could not open it: blanks at either end, or a ';' beside both
// kinds of quote, which the connection string can then not hold.
std::optional<std::string> PathForNextStart(const std::string& chosen,
                                            const std::filesystem::path& programFolder);

}  // namespace mv
