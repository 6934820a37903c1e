#include "core/Settings.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "core/Texts.h"

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

// Code points of the Windows-1252 bytes 0x80 to 0x9F. The five bytes without a character map to
// the C1 controls of the same number, as Windows does, so that they survive a round trip.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Cp1252ToCodePoint(std::uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

char CodePointToCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (std::size_t i = 0; i < std::size(kCp1252High); ++i) {
    if (kCp1252High[i] == codePoint) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    // Windows-1252 reaches no further than the Basic Multilingual Plane.
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Reads one UTF-8 sequence at `pos` and moves past it; a malformed sequence yields U+FFFD
// (which Windows-1252 cannot hold) and is skipped one byte at a time.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  constexpr char32_t kInvalid = 0xFFFD;
  const auto lead = static_cast<std::uint8_t>(text[pos++]);
  if (lead < 0x80) {
    return lead;
  }
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 1;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 2;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 3;
    minimum = 0x10000;
  } else {
    return kInvalid;
  }
  char32_t codePoint = lead & (0x7F >> (length + 1));
  if (pos + length > text.size()) {
    return kInvalid;
  }
  for (std::size_t i = 0; i < length; ++i) {
    const auto next = static_cast<std::uint8_t>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      return kInvalid;
    }
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return kInvalid;
  }
  pos += length;
  return codePoint;
}

void PutText(SettingsBytes& bytes, std::size_t offset, std::size_t width, std::string_view utf8) {
  std::size_t written = 0;
  for (std::size_t pos = 0; pos < utf8.size() && written < width; ++written) {
    bytes[offset + written] =
        static_cast<std::uint8_t>(CodePointToCp1252(NextCodePoint(utf8, pos)));
  }
  for (; written < width; ++written) {
    bytes[offset + written] = ' ';
  }
}

std::string GetText(const SettingsBytes& bytes, std::size_t offset, std::size_t width) {
  std::string text;
  for (std::size_t i = offset; i < offset + width && bytes[i] != 0; ++i) {
    AppendUtf8(text, Cp1252ToCodePoint(bytes[i]));
  }
  return text;
}

template <typename Int>
void PutInt(SettingsBytes& bytes, std::size_t offset, Int value) {
  auto bits = static_cast<std::make_unsigned_t<Int>>(value);
  for (std::size_t i = 0; i < sizeof(Int); ++i, bits >>= 8) {
    bytes[offset + i] = static_cast<std::uint8_t>(bits & 0xFF);
  }
}

template <typename Int>
Int GetInt(const SettingsBytes& bytes, std::size_t offset) {
  std::make_unsigned_t<Int> bits = 0;
  for (std::size_t i = sizeof(Int); i-- > 0;) {
    bits = static_cast<std::make_unsigned_t<Int>>((bits << 8) | bytes[offset + i]);
  }
  return static_cast<Int>(bits);
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
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
  PutInt(bytes, kMaskPasswordOffset, record.MaskPassword);
  PutInt(bytes, kHighlightWeekendOffset, record.HighlightWeekend);
  PutInt(bytes, kHighlightHolidaysOffset, record.HighlightHolidays);
  PutInt(bytes, kNotifyDependenciesOffset, record.NotifyDependencies);
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
  record.CalendarFont = TrimBlanks(GetText(bytes, kCalendarFontOffset, CalendarFontWidth));
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

namespace {

std::string WithoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

// A text fits when it comes back from the file as it went in.
bool FontNameFits(const std::string& name) {
  SettingsRecord record;
  record.CalendarFont = name;
  return DecodeSettingsRecord(EncodeSettingsRecord(record)).CalendarFont == TrimBlanks(name);
}

bool DatabasePathFits(const std::string& path) {
  SettingsRecord record;
  record.DatabasePath = path;
  return WithoutTrailingBlanks(DecodeSettingsRecord(EncodeSettingsRecord(record)).DatabasePath) ==
         WithoutTrailingBlanks(path);
}

}  // namespace mv
