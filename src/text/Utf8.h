#pragma once
// UTF-8 for every layer: decoding, encoding, and counting and cutting by characters.
//
// One rule for bad bytes: a byte that does not begin a well-formed sequence (a stray continuation
// byte, a lead byte without its continuation bytes, an overlong form, a surrogate, a value beyond
// U+10FFFF, the bytes F5 to FF) is one character, the code point of the byte's value (its Latin-1
// reading). So any byte string decodes, and counts and cuts alike everywhere; a cut never splits a
// well-formed sequence.
#include <cstddef>
#include <string>
#include <string_view>

namespace text {

namespace detail {
// The length of the well-formed multi-byte sequence at p with its code point; 0 when none.
std::size_t MultiByte(const char* p, const char* end, char32_t& codePoint);
}  // namespace detail

// The character at p (p < end); moves p past it.
inline char32_t Next(const char*& p, const char* end) {
  const auto lead = static_cast<unsigned char>(*p);
  if (lead < 0x80) {
    ++p;
    return lead;
  }
  char32_t codePoint = 0;
  const std::size_t length = detail::MultiByte(p, end, codePoint);
  if (length == 0) {
    ++p;
    return lead;
  }
  p += length;
  return codePoint;
}

std::u32string Decode(std::string_view utf8);

// A code point UTF-8 cannot carry (a surrogate, beyond U+10FFFF) is written as U+FFFD.
void Append(std::string& utf8, char32_t codePoint);
std::string Encode(char32_t codePoint);
std::string Encode(std::u32string_view codePoints);

std::size_t Length(std::string_view utf8);
// The byte offset at which character number `characters` (0-based) begins; the size when the
// text is shorter.
std::size_t Offset(std::string_view utf8, std::size_t characters);
std::string FirstCharacters(std::string_view utf8, std::size_t count);

}  // namespace text
