// settings.dat: the record's bytes as other copies of the program read and write them, and the
// file's reading and writing.
#include <string>

#include "CoreTestSupport.h"
#include "core/Settings.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

mv::SettingsRecord SampleRecord() {
  mv::SettingsRecord record = coretest::Settings(2, "C:\\Übersicht\\Größe €.mdb", -1);
  record.HighlightHolidays = record.NotifyDependencies = -1;
  record.WeekendColor = 0x0080FF40;
  record.HolidayColor = 0x00123456;
  record.CalendarFont = "  Courier New";
  return record;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

mv::SettingsRecord RoundTrip(const mv::SettingsRecord& record) {
  return mv::DecodeSettingsRecord(mv::EncodeSettingsRecord(record));
}

// Every field at its offset, little-endian, texts in Windows-1252, each cut to its field by
// characters. The font loses its blanks, the path keeps its padding. A flag is on whatever nonzero
// value memory holds, and the file knows only -1 and 0.
TEST(SettingsRecord, PutsEveryFieldAtItsOffsetAndEveryFlagThatIsOnAsMinusOne) {
  const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(SampleRecord());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 17),
            (Bytes{2, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0xFF, 0x80, 0, 0x56, 0x34,
                   0x12, 0}));
  EXPECT_EQ(std::string(bytes.begin() + 17, bytes.end()),
            Padded("  Courier New", 50) + Padded("C:\\\xDC"
                                                 "bersicht\\Gr\xF6\xDF"
                                                 "e \x80.mdb",
                                                 100));
  mv::SettingsRecord record = SampleRecord();
  record.CalendarFont = "Courier New";
  record.DatabasePath = Padded(record.DatabasePath, 105);
  EXPECT_EQ(RoundTrip(SampleRecord()), record);

  record.CalendarFont = std::string(59, 'f') + "Ä";
  record.DatabasePath = std::string(99, 'p') + "XYZ";
  EXPECT_EQ(RoundTrip(record).CalendarFont, std::string(50, 'f'));
  EXPECT_EQ(RoundTrip(record).DatabasePath, std::string(99, 'p') + "X");
  record.CalendarFont = std::string(49, 'f') + "ÄÖ";
  EXPECT_EQ(RoundTrip(record).CalendarFont, std::string(49, 'f') + "Ä");

  for (const std::int16_t on : {std::int16_t{1}, std::int16_t{0x0100}, std::int16_t{-32768}}) {
    record = SampleRecord();
    record.MaskPassword = record.HighlightWeekend = record.NotifyDependencies = on;
    record.HighlightHolidays = 0;
    const mv::SettingsBytes flags = mv::EncodeSettingsRecord(record);
    EXPECT_EQ(Bytes(flags.begin() + 1, flags.begin() + 9),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF}))
        << on;
    EXPECT_EQ(mv::DecodeSettingsRecord(flags).MaskPassword, -1) << on;
  }
}

// A missing file is created empty; missing bytes read as zeros. A longer file is written in place,
// keeping its tail. A file that can be neither read nor written is reported.
TEST(SettingsFile, IsCreatedReadShortAndWrittenInPlaceAndItsFailuresAreReported) {
  forms::HeadlessPlatform platform;
  const fs::path folder = platform.ProgramFolder();
  const fs::path file = mv::SettingsFilePath(folder);
  const mv::SettingsReadResult missing = mv::ReadSettingsFile(folder);
  EXPECT_FALSE(missing.Error);
  EXPECT_EQ(missing.Record, mv::SettingsRecord{});
  EXPECT_EQ(fs::file_size(file), 0u) << "created empty";

  ASSERT_FALSE(mv::WriteSettingsFile(folder, SampleRecord()));
  fs::resize_file(file, 11);
  mv::SettingsRecord expected = SampleRecord();
  expected.WeekendColor = 0xFF40;
  expected.HolidayColor = 0;
  expected.CalendarFont = expected.DatabasePath = "";
  EXPECT_EQ(mv::ReadSettingsFile(folder).Record, expected);
  fs::resize_file(file, 400);
  ASSERT_FALSE(mv::WriteSettingsFile(folder, SampleRecord()));
  EXPECT_EQ(fs::file_size(file), 400u);
  EXPECT_EQ(mv::ReadSettingsFile(folder).Record, RoundTrip(SampleRecord()));

  const fs::path notAFolder = folder / "program";
  std::ofstream(notAFolder) << "not a folder";
  fs::remove(file);
  fs::create_directory(file);  // the settings file itself is a folder
  for (const fs::path& place : {folder / "gone", notAFolder, folder}) {
    const mv::SettingsReadResult result = mv::ReadSettingsFile(place);
    ASSERT_TRUE(result.Error) << place;
    EXPECT_NE(result.Error->find("settings.dat"), std::string::npos) << *result.Error;
    EXPECT_EQ(result.Record, mv::SettingsRecord{});
    EXPECT_TRUE(mv::WriteSettingsFile(place, SampleRecord())) << place;
  }
  EXPECT_FALSE(fs::exists(folder / "gone"));

  // A full disk: the file opens, but the record cannot be written.
  const fs::path full = folder / "full";
  fs::create_directory(full);
  fs::create_symlink("/dev/full", full / "settings.dat");
  EXPECT_EQ(mv::WriteSettingsFile(full, SampleRecord()),
            "The settings file " + (full / "settings.dat").string() +
                " cannot be written: No space left on device");
}

}  // namespace
