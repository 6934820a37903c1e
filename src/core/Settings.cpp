#include "core/Settings.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "core/Texts.h"
#include "db/Connection.h"
#include "db/ConnectionString.h"
#include "db/Error.h"
#include "text/Blanks.h"
#include "text/Windows1252.h"

namespace mv {
namespace {

constexpr std::size_t kLanguageOffset = 0;
constexpr std::size_t kMaskPasswordOffset = 1;
constexpr std::size_t kHighlightWeekendOffset = 3;
constexpr std::size_t kHighlightHolidaysOffset = 5;
constexpr std::size_t kNotifyDependenciesOffset = 7;
constexpr std::size_t kWeekendColorOffset = 9;
constexpr std::size_t kHolidayColorOffset = 13;
constexpr std::size_t kCalendarFontOffset = 17;
constexpr std::size_t kDatabasePathOffset = 67;

void PutText(SettingsBytes& bytes, std::size_t offset, std::size_t width, std::string_view utf8) {
  std::string field = text::ToWindows1252(utf8);
  field.resize(width, ' ');
  std::copy(field.begin(), field.end(), bytes.begin() + offset);
}

std::string GetText(const SettingsBytes& bytes, std::size_t offset, std::size_t width) {
  const std::string_view field(reinterpret_cast<const char*>(bytes.data()) + offset, width);
  return text::FromWindows1252(field.substr(0, field.find('\0')));
}

template <typename Int>
void PutInt(SettingsBytes& bytes, std::size_t offset, Int value) {
  auto bits = static_cast<std::make_unsigned_t<Int>>(value);
  for (std::size_t i = 0; i < sizeof(Int); ++i, bits >>= 8) {
    bytes[offset + i] = static_cast<std::uint8_t>(bits & 0xFF);
  }
}

// The file holds each flag as a 16-bit boolean: -1 when on, whatever nonzero value memory holds.
void PutFlag(SettingsBytes& bytes, std::size_t offset, std::int16_t flag) {
  PutInt<std::int16_t>(bytes, offset, flag != 0 ? -1 : 0);
}

template <typename Int>
Int GetInt(const SettingsBytes& bytes, std::size_t offset) {
  std::make_unsigned_t<Int> bits = 0;
  for (std::size_t i = sizeof(Int); i-- > 0;) {
    bits = static_cast<std::make_unsigned_t<Int>>((bits << 8) | bytes[offset + i]);
  }
  return static_cast<Int>(bits);
}

std::string Describe(const char* failure, const std::filesystem::path& path, int error) {
  std::string text = "The settings file " + path.string() + " " + failure;
  if (error != 0) {
    text += ": " + std::generic_category().message(error);
  }
  return text;
}

}  // namespace

SettingsBytes EncodeSettingsRecord(const SettingsRecord& record) {
  SettingsBytes bytes{};
  bytes[kLanguageOffset] = record.Language;
  PutFlag(bytes, kMaskPasswordOffset, record.MaskPassword);
  PutFlag(bytes, kHighlightWeekendOffset, record.HighlightWeekend);
  PutFlag(bytes, kHighlightHolidaysOffset, record.HighlightHolidays);
  PutFlag(bytes, kNotifyDependenciesOffset, record.NotifyDependencies);
  PutInt(bytes, kWeekendColorOffset, record.WeekendColor);
  PutInt(bytes, kHolidayColorOffset, record.HolidayColor);
  PutText(bytes, kCalendarFontOffset, CalendarFontWidth, record.CalendarFont);
  PutText(bytes, kDatabasePathOffset, DatabasePathWidth, record.DatabasePath);
  return bytes;
}

SettingsRecord DecodeSettingsRecord(const SettingsBytes& bytes) {
  SettingsRecord record;
  record.Language = bytes[kLanguageOffset];
  record.MaskPassword = GetInt<std::int16_t>(bytes, kMaskPasswordOffset);
  record.HighlightWeekend = GetInt<std::int16_t>(bytes, kHighlightWeekendOffset);
  record.HighlightHolidays = GetInt<std::int16_t>(bytes, kHighlightHolidaysOffset);
  record.NotifyDependencies = GetInt<std::int16_t>(bytes, kNotifyDependenciesOffset);
  record.WeekendColor = GetInt<std::int32_t>(bytes, kWeekendColorOffset);
  record.HolidayColor = GetInt<std::int32_t>(bytes, kHolidayColorOffset);
  record.CalendarFont = text::TrimBlanks(GetText(bytes, kCalendarFontOffset, CalendarFontWidth));
  record.DatabasePath = GetText(bytes, kDatabasePathOffset, DatabasePathWidth);
  return record;
}

SettingsRecord EffectiveSettings(SettingsRecord record) {
  // Every text lookup needs a language; the windows' own captions are German.
  if (record.Language != LanguageGerman && record.Language != LanguageEnglish) {
    record.Language = LanguageGerman;
  }
  // The calendar grids' own font.
  if (record.CalendarFont.empty()) {
    record.CalendarFont = "Arial";
  }
  return record;
}

std::filesystem::path SettingsFilePath(const std::filesystem::path& programFolder) {
  return programFolder / "settings.dat";
}

SettingsReadResult ReadSettingsFile(const std::filesystem::path& programFolder) {
  const std::filesystem::path path = SettingsFilePath(programFolder);
  SettingsBytes bytes{};
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) {
    errno = 0;
    // The first start creates the file empty; it is filled when the options dialog closes.
    std::ofstream created(path, std::ios::binary | std::ios::out);
    if (!created) {
      return {{}, Describe("cannot be created", path, errno)};
    }
    return {DecodeSettingsRecord(bytes), std::nullopt};
  }
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return {{}, Describe("cannot be opened", path, errno)};
  }
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) {
    return {{}, Describe("cannot be read", path, errno)};
  }
  return {DecodeSettingsRecord(bytes), std::nullopt};
}

std::optional<std::string> WriteSettingsFile(const std::filesystem::path& programFolder,
                                             const SettingsRecord& record) {
  const std::filesystem::path path = SettingsFilePath(programFolder);
  const SettingsBytes bytes = EncodeSettingsRecord(record);
  errno = 0;
  // Opened for reading too, because writing alone would cut off what follows the record.
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  std::error_code ignored;
  if (!file.is_open() && !std::filesystem::exists(path, ignored)) {
    file.open(path, std::ios::binary | std::ios::out);
  }
  if (!file.is_open()) {
    return Describe("cannot be opened for writing", path, errno);
  }
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) {
    return Describe("cannot be written", path, errno);
  }
  return std::nullopt;
}

// A text fits when it comes back from the file as it went in.
bool FontNameFits(const std::string& name) {
  SettingsRecord record;
  record.CalendarFont = name;
  return DecodeSettingsRecord(EncodeSettingsRecord(record)).CalendarFont == text::TrimBlanks(name);
}

bool DatabasePathFits(const std::string& path) {
  SettingsRecord record;
  record.DatabasePath = path;
  return text::TrimTrailingBlanks(
             DecodeSettingsRecord(EncodeSettingsRecord(record)).DatabasePath) ==
         text::TrimTrailingBlanks(path);
}

std::optional<std::string> PathForNextStart(const std::string& chosen,
                                            const std::filesystem::path& programFolder) {
  const auto opens = [](const std::string& path) {
    try {
      return db::DataSourcePath(db::JetConnectionString(path)) == path;
    } catch (const db::Error&) {
      return false;  // a string the start cannot read names no file at all
    }
  };
  if (!opens(chosen)) return std::nullopt;
  const std::filesystem::path given(chosen);
  if (!given.is_relative()) return chosen;
  const std::string path = (programFolder / given).lexically_normal().string();
  if (!opens(path)) return std::nullopt;
  return path;
}

}  // namespace mv
