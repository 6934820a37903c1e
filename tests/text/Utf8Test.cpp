// Decoding, encoding, counting and cutting UTF-8; the Windows-1252 conversion of the settings file.
#include <gtest/gtest.h>

#include "text/Utf8.h"
#include "text/Windows1252.h"

namespace {

struct Case {
  const char* what;
  std::string utf8;
  std::u32string characters;
  std::string reencoded;  // bad bytes as their Latin-1 characters
};

const Case kCases[] = {
    {"ASCII", "Abc 1", U"Abc 1", "Abc 1"},
    {"umlauts", "Müßig Ä", U"Müßig Ä", "Müßig Ä"},
    {"three bytes", "5 €", U"5 €", "5 €"},
    {"four bytes", "a😀b", U"a\U0001F600b", "a😀b"},
    {"empty", "", U"", ""},
    {"stray continuation byte", "a\x80", U"a\x80", "a\xC2\x80"},
    {"lead byte at the end", "\xC3", U"\xC3", "\xC3\x83"},
    {"lead byte before ASCII", "\xC3G", U"\xC3G", "\xC3\x83G"},
    {"four-byte sequence cut short", "\xF0\x9F\x98x", U"\xF0\x9F\x98x",
     "\xC3\xB0\xC2\x9F\xC2\x98x"},
    {"overlong slash", "\xC0\xAF", U"\xC0\xAF", "\xC3\x80\xC2\xAF"},
    {"surrogate", "\xED\xA0\x80", U"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\xF4\x90\x80\x80",
     "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
    {"byte FF", "\xFF", U"\xFF", "\xC3\xBF"},
};

TEST(Utf8, DecodesCountsAndEncodesWithBadBytesAsTheirLatin1Characters) {
  for (const Case& c : kCases) {
    EXPECT_EQ(text::Decode(c.utf8), c.characters) << c.what;
    EXPECT_EQ(text::Length(c.utf8), c.characters.size()) << c.what;
    EXPECT_EQ(text::Encode(text::Decode(c.utf8)), c.reencoded) << c.what;
  }
}

TEST(Utf8, ACutKeepsWholeCharactersAndNeverHalfASequence) {
  for (const Case& c : kCases) {
    for (std::size_t n = 0; n <= c.characters.size() + 1; ++n) {
      const std::string cut = text::FirstCharacters(c.utf8, n);
      EXPECT_EQ(c.utf8.substr(0, cut.size()), cut) << c.what << ", " << n;
      EXPECT_EQ(text::Decode(cut), c.characters.substr(0, n)) << c.what << ", " << n;
      EXPECT_EQ(text::Offset(c.utf8, n), cut.size()) << c.what << ", " << n;
    }
  }
  EXPECT_EQ(text::FirstCharacters(std::string(19, 'x') + "Ü" + "y", 20),
            std::string(19, 'x') + "Ü");
}

TEST(Utf8, ACodePointUtf8CannotCarryIsWrittenAsTheReplacementCharacter) {
  EXPECT_EQ(text::Encode(U'\xE4'), "ä");
  EXPECT_EQ(text::Encode(char32_t{0x10FFFF}), "\xF4\x8F\xBF\xBF");
  for (char32_t cp : {char32_t{0xD800}, char32_t{0xDFFF}, char32_t{0x110000}})
    EXPECT_EQ(text::Encode(cp), "\xEF\xBF\xBD") << static_cast<unsigned>(cp);
}

TEST(Windows1252, EveryByteSurvivesARoundTripAndMissingCharactersBecomeQuestionMarks) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  EXPECT_EQ(text::ToWindows1252(text::FromWindows1252(bytes)), bytes);
  EXPECT_EQ(text::FromWindows1252("Gr\xFC\xDF Gott \x80\x9F"), "Grüß Gott €Ÿ");
  EXPECT_EQ(text::ToWindows1252("Łóż 日本 😀"), "?\xF3? ?? ?");
}

}  // namespace
