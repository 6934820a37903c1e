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
  record.HighlightHolidays = -1;
  record.NotifyDependencies = -1;
  record.WeekendColor = 0x0080FF40;
  record.HolidayColor = 0x00123456;
  record.CalendarFont = "Courier New";
  return record;
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - text.size(), ' ');
}

template <class Container>
std::string FieldText(const Container& bytes, std::size_t offset, std::size_t width) {
  return std::string(bytes.begin() + offset, bytes.begin() + offset + width);
}

mv::SettingsRecord RoundTrip(const mv::SettingsRecord& record) {
  return mv::DecodeSettingsRecord(mv::EncodeSettingsRecord(record));
}

// Every field at its offset, little-endian, texts in Windows-1252. A flag is on whatever nonzero
// value memory holds, and the file knows only -1 and 0.
TEST(SettingsRecordLayout, PutsEveryFieldAtItsOffsetAndEveryFlagThatIsOnAsMinusOne) {
  const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(SampleRecord());
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 17),
            (Bytes{2, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0xFF, 0x80, 0, 0x56, 0x34,
                   0x12, 0}));
  EXPECT_EQ(FieldText(bytes, 17, 50), Padded("Courier New", 50));
  EXPECT_EQ(FieldText(bytes, 67, 100), Padded("C:\\\xDC"
                                              "bersicht\\Gr\xF6\xDF"
                                              "e \x80.mdb",
                                              100));
  EXPECT_EQ(RoundTrip(SampleRecord()).DatabasePath, Padded(SampleRecord().DatabasePath, 105));

  for (const std::int16_t on : {std::int16_t{1}, std::int16_t{0x0100}, std::int16_t{-32768}}) {
    mv::SettingsRecord record = SampleRecord();
    record.MaskPassword = record.HighlightWeekend = record.NotifyDependencies = on;
    record.HighlightHolidays = 0;
    const mv::SettingsBytes flags = mv::EncodeSettingsRecord(record);
    EXPECT_EQ(Bytes(flags.begin() + 1, flags.begin() + 9),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF}))
        << on;
    EXPECT_EQ(mv::DecodeSettingsRecord(flags).MaskPassword, -1) << on;
  }
}

TEST(SettingsRecordTexts, FontLosesItsBlanksThePathKeepsItsPaddingAndBothAreCut) {
  mv::SettingsRecord record = SampleRecord();
  record.CalendarFont = "  Times New Roman ";
  EXPECT_EQ(RoundTrip(record).CalendarFont, "Times New Roman");

  record.CalendarFont = std::string(49, 'f') + "XYZ";
  record.DatabasePath = std::string(99, 'p') + "XYZ";
  const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(record);
  EXPECT_EQ(mv::DecodeSettingsRecord(bytes).CalendarFont, std::string(49, 'f') + "X");
  EXPECT_EQ(mv::DecodeSettingsRecord(bytes).DatabasePath, std::string(99, 'p') + "X");
  EXPECT_EQ(bytes[67], 'p') << "the font must not run into the path";

  // The cut counts single-byte characters, not UTF-8 bytes.
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "Ä";
  record.CalendarFont = umlauts;
  EXPECT_EQ(RoundTrip(record).CalendarFont, umlauts.substr(0, 100));
}

// A fresh program folder per test, so that no test sees another's settings file.
class SettingsFileTest : public testing::Test {
 protected:
  fs::path File() const { return folder_ / "settings.dat"; }

  forms::HeadlessPlatform platform_;
  const fs::path folder_ = platform_.ProgramFolder();
};

// A missing file is created empty; missing bytes read as zeros. A longer file is read as its first
// record and written in place, keeping its tail.
TEST_F(SettingsFileTest, MissingShortAndLongerFiles) {
  const mv::SettingsReadResult missing = mv::ReadSettingsFile(folder_);
  EXPECT_FALSE(missing.Error);
  EXPECT_EQ(missing.Record, mv::SettingsRecord{});
  EXPECT_EQ(fs::file_size(File()), 0u) << "created empty";

  ASSERT_FALSE(mv::WriteSettingsFile(folder_, SampleRecord()));
  EXPECT_EQ(mv::ReadSettingsFile(folder_).Record, RoundTrip(SampleRecord()));
  fs::resize_file(File(), 11);
  mv::SettingsRecord expected = SampleRecord();
  expected.WeekendColor = 0xFF40;
  expected.HolidayColor = 0;
  expected.CalendarFont = expected.DatabasePath = "";
  EXPECT_EQ(mv::ReadSettingsFile(folder_).Record, expected);

  fs::resize_file(File(), 400);
  ASSERT_FALSE(mv::WriteSettingsFile(folder_, SampleRecord()));
  EXPECT_EQ(fs::file_size(File()), 400u);
  EXPECT_EQ(mv::ReadSettingsFile(folder_).Record, RoundTrip(SampleRecord()));
}

TEST_F(SettingsFileTest, AFileThatCanBeNeitherReadNorWrittenIsReported) {
  const fs::path notAFolder = folder_ / "program";
  std::ofstream(notAFolder) << "not a folder";
  fs::create_directory(File());  // the settings file itself is a folder
  for (const fs::path& folder : {folder_ / "gone", notAFolder, folder_}) {
    const mv::SettingsReadResult result = mv::ReadSettingsFile(folder);
    ASSERT_TRUE(result.Error) << folder;
    EXPECT_NE(result.Error->find("settings.dat"), std::string::npos) << *result.Error;
    EXPECT_EQ(result.Record, mv::SettingsRecord{});
    EXPECT_TRUE(mv::WriteSettingsFile(folder, SampleRecord())) << folder;
  }
  EXPECT_FALSE(fs::exists(folder_ / "gone"));

  // A full disk: the file opens, but the record cannot be written.
  const fs::path full = folder_ / "full";
  fs::create_directory(full);
  fs::create_symlink("/dev/full", full / "settings.dat");
  EXPECT_EQ(mv::WriteSettingsFile(full, SampleRecord()),
            "The settings file " + (full / "settings.dat").string() +
                " cannot be written: No space left on device");
}

}  // namespace
