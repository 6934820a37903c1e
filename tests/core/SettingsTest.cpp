#include "core/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

mv::SettingsRecord SampleRecord()
{
    mv::SettingsRecord record;
    record.Language = 2;
    record.MaskPassword = -1;
    record.HighlightWeekend = 0;
    record.HighlightHolidays = -1;
    record.NotifyDependencies = -1;
    record.WeekendColor = 0x0080FF40;
    record.HolidayColor = 0x00123456;
    record.CalendarFont = "Courier New";
    record.DatabasePath = "C:\\Daten\\Morvellan.mdb";
    return record;
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}

std::string FieldText(const mv::SettingsBytes& bytes, std::size_t offset, std::size_t width)
{
    return std::string(bytes.begin() + offset, bytes.begin() + offset + width);
}

// A fresh program folder per test, so that no test sees another's settings file.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("mv-settings-" + std::to_string(random()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path File() const { return folder_ / "settings.dat"; }

    void Store(const Bytes& bytes) const
    {
        std::ofstream out(File(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    Bytes Load() const
    {
        std::ifstream in(File(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
};

TEST(SettingsRecordLayout, PutsEveryFieldAtItsOffsetLittleEndian)
{
    const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(SampleRecord());

    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[2], 0xFF);
    EXPECT_EQ(bytes[3], 0x00);
    EXPECT_EQ(bytes[4], 0x00);
    EXPECT_EQ(bytes[5], 0xFF);
    EXPECT_EQ(bytes[6], 0xFF);
    EXPECT_EQ(bytes[7], 0xFF);
    EXPECT_EQ(bytes[8], 0xFF);
    EXPECT_EQ((Bytes{bytes.begin() + 9, bytes.begin() + 13}), (Bytes{0x40, 0xFF, 0x80, 0x00}));
    EXPECT_EQ((Bytes{bytes.begin() + 13, bytes.begin() + 17}), (Bytes{0x56, 0x34, 0x12, 0x00}));
    EXPECT_EQ(FieldText(bytes, 17, 50), Padded("Courier New", 50));
    EXPECT_EQ(FieldText(bytes, 67, 100), Padded("C:\\Daten\\Morvellan.mdb", 100));
}

TEST(SettingsRecordLayout, DecodesNegativeNumbersAndStopsTextsAtZeroBytes)
{
    mv::SettingsBytes bytes{};
    bytes[0] = 1;
    bytes[7] = 0xFF;
    bytes[8] = 0xFF;
    bytes[9] = 0xFE;
    bytes[10] = 0xFF;
    bytes[11] = 0xFF;
    bytes[12] = 0xFF;
    const std::string font = "Arial";
    std::copy(font.begin(), font.end(), bytes.begin() + 17);

    const mv::SettingsRecord record = mv::DecodeSettingsRecord(bytes);

    EXPECT_EQ(record.Language, 1);
    EXPECT_EQ(record.MaskPassword, 0);
    EXPECT_EQ(record.NotifyDependencies, -1);
    EXPECT_EQ(record.WeekendColor, -2);
    EXPECT_EQ(record.CalendarFont, "Arial");
    EXPECT_EQ(record.DatabasePath, "");
}

TEST(SettingsRecordTexts, FontLosesBlanksAtBothEndsButPathKeepsItsPadding)
{
    mv::SettingsRecord record = SampleRecord();
    record.CalendarFont = "  Times New Roman ";
    record.DatabasePath = " D:\\db.mdb  ";

    const mv::SettingsRecord read = mv::DecodeSettingsRecord(mv::EncodeSettingsRecord(record));

    EXPECT_EQ(read.CalendarFont, "Times New Roman");
    EXPECT_EQ(read.DatabasePath, Padded(" D:\\db.mdb", 100));
}

TEST(SettingsRecordTexts, OverLongTextsAreCutToTheirFields)
{
    mv::SettingsRecord record = SampleRecord();
    record.CalendarFont = std::string(49, 'f') + "XYZ";
    record.DatabasePath = std::string(99, 'p') + "XYZ";

    const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(record);
    const mv::SettingsRecord read = mv::DecodeSettingsRecord(bytes);

    EXPECT_EQ(read.CalendarFont, std::string(49, 'f') + "X");
    EXPECT_EQ(read.DatabasePath, std::string(99, 'p') + "X");
    EXPECT_EQ(bytes[67], 'p') << "the font must not run into the path";
}

TEST(SettingsRecordTexts, CutCountsSingleByteCharactersNotUtf8Bytes)
{
    mv::SettingsRecord record = SampleRecord();
    std::string umlauts;
    for (int i = 0; i < 60; ++i) {
        umlauts += "Ä";
    }
    record.CalendarFont = umlauts;

    const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(record);

    EXPECT_EQ(FieldText(bytes, 17, 50), std::string(50, '\xC4'));
    EXPECT_EQ(mv::DecodeSettingsRecord(bytes).CalendarFont, umlauts.substr(0, 100));
}

TEST(SettingsRecordTexts, StoresUmlautsAndEuroAsWindows1252)
{
    mv::SettingsRecord record = SampleRecord();
    record.DatabasePath = "C:\\Übersicht\\Größe €.mdb";

    const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(record);

    EXPECT_EQ(FieldText(bytes, 67, 100), Padded("C:\\\xDC" "bersicht\\Gr\xF6\xDF" "e \x80.mdb", 100));
    EXPECT_EQ(mv::DecodeSettingsRecord(bytes).DatabasePath, record.DatabasePath + std::string(100 - 24, ' '));
}

TEST(SettingsRecordTexts, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    mv::SettingsRecord record = SampleRecord();
    record.CalendarFont = "Łódź 日本 \xFF\xC3";

    const mv::SettingsBytes bytes = mv::EncodeSettingsRecord(record);

    EXPECT_EQ(FieldText(bytes, 17, 12), "?\xF3" "d? ?? ??  ");
}

TEST(FirstStartValues, AllZeroRecordGetsGermanAndArial)
{
    const mv::SettingsRecord effective = mv::EffectiveSettings(mv::SettingsRecord{});

    mv::SettingsRecord expected;
    expected.Language = 1;
    expected.CalendarFont = "Arial";
    EXPECT_EQ(effective, expected);
}

TEST(FirstStartValues, StoredLanguageAndFontAreKept)
{
    EXPECT_EQ(mv::EffectiveSettings(SampleRecord()), SampleRecord());
}

TEST(FirstStartValues, UnknownLanguageFallsBackToGerman)
{
    mv::SettingsRecord record = SampleRecord();
    record.Language = 7;
    EXPECT_EQ(mv::EffectiveSettings(record).Language, 1);
}

TEST_F(SettingsFileTest, MissingFileIsCreatedEmptyAndReadsAsZeros)
{
    const mv::SettingsReadResult result = mv::ReadSettingsFile(folder_);

    EXPECT_FALSE(result.Error);
    EXPECT_EQ(result.Record, mv::SettingsRecord{});
    ASSERT_TRUE(fs::exists(File()));
    EXPECT_EQ(fs::file_size(File()), 0u);
}

TEST_F(SettingsFileTest, EmptyFileReadsAsZeros)
{
    Store({});
    EXPECT_EQ(mv::ReadSettingsFile(folder_).Record, mv::SettingsRecord{});
}

TEST_F(SettingsFileTest, ShortFileLeavesMissingBytesZero)
{
    const mv::SettingsBytes full = mv::EncodeSettingsRecord(SampleRecord());
    Store(Bytes(full.begin(), full.begin() + 11));

    const mv::SettingsReadResult result = mv::ReadSettingsFile(folder_);

    mv::SettingsRecord expected = SampleRecord();
    expected.WeekendColor = 0xFF40;
    expected.HolidayColor = 0;
    expected.CalendarFont = "";
    expected.DatabasePath = "";
    EXPECT_FALSE(result.Error);
    EXPECT_EQ(result.Record, expected);
}

TEST_F(SettingsFileTest, WrittenRecordReadsBackWithFontTrimmedAndPathPadded)
{
    ASSERT_FALSE(mv::WriteSettingsFile(folder_, SampleRecord()));

    const mv::SettingsReadResult result = mv::ReadSettingsFile(folder_);

    mv::SettingsRecord expected = SampleRecord();
    expected.DatabasePath = Padded(expected.DatabasePath, 100);
    EXPECT_FALSE(result.Error);
    EXPECT_EQ(result.Record, expected);
    EXPECT_EQ(fs::file_size(File()), 167u);
}

TEST_F(SettingsFileTest, PathWithUmlautsSurvivesTheFile)
{
    mv::SettingsRecord record = SampleRecord();
    record.DatabasePath = "/home/jürgen/Datenbestände/Morvellan.mdb";
    ASSERT_FALSE(mv::WriteSettingsFile(folder_, record));

    EXPECT_EQ(mv::ReadSettingsFile(folder_).Record.DatabasePath, record.DatabasePath + std::string(100 - 40, ' '));
}

TEST_F(SettingsFileTest, WriteOverwritesTheRecordInPlaceAndKeepsTheTail)
{
    const mv::SettingsBytes old = mv::EncodeSettingsRecord(mv::SettingsRecord{});
    Bytes stored(old.begin(), old.end());
    const Bytes tail = {'T', 'A', 'I', 'L'};
    stored.insert(stored.end(), tail.begin(), tail.end());
    Store(stored);

    ASSERT_FALSE(mv::WriteSettingsFile(folder_, SampleRecord()));

    const Bytes written = Load();
    const mv::SettingsBytes expected = mv::EncodeSettingsRecord(SampleRecord());
    ASSERT_EQ(written.size(), 171u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin()));
    EXPECT_EQ(Bytes(written.begin() + 167, written.end()), tail);
}

TEST_F(SettingsFileTest, OverLongFileIsReadAsItsFirstRecord)
{
    const mv::SettingsBytes record = mv::EncodeSettingsRecord(SampleRecord());
    Bytes stored(record.begin(), record.end());
    stored.resize(400, 'x');
    Store(stored);

    EXPECT_EQ(mv::ReadSettingsFile(folder_).Record, mv::DecodeSettingsRecord(record));
}

TEST_F(SettingsFileTest, WriteCreatesAMissingFile)
{
    ASSERT_FALSE(mv::WriteSettingsFile(folder_, SampleRecord()));
    EXPECT_EQ(fs::file_size(File()), 167u);
}

TEST_F(SettingsFileTest, MissingFolderIsReportedOnReadAndWrite)
{
    const fs::path missing = folder_ / "gone";

    const mv::SettingsReadResult result = mv::ReadSettingsFile(missing);

    ASSERT_TRUE(result.Error);
    EXPECT_NE(result.Error->find("settings.dat"), std::string::npos) << *result.Error;
    EXPECT_EQ(result.Record, mv::SettingsRecord{});
    EXPECT_TRUE(mv::WriteSettingsFile(missing, SampleRecord()));
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(SettingsFileTest, FolderThatIsAFileIsReportedOnReadAndWrite)
{
    const fs::path notAFolder = folder_ / "program";
    std::ofstream(notAFolder) << "not a folder";

    EXPECT_TRUE(mv::ReadSettingsFile(notAFolder).Error);
    EXPECT_TRUE(mv::WriteSettingsFile(notAFolder, SampleRecord()));
}

TEST_F(SettingsFileTest, SettingsFileThatIsAFolderIsReportedOnReadAndWrite)
{
    fs::create_directory(File());

    EXPECT_TRUE(mv::ReadSettingsFile(folder_).Error);
    EXPECT_TRUE(mv::WriteSettingsFile(folder_, SampleRecord()));
}

} // namespace
