#include "text/Utf8.h"

namespace text {

namespace detail {

std::size_t MultiByte(const char* p, const char* end, char32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(*p);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (static_cast<std::size_t>(end - p) < length) return 0;
  char32_t value = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(p[k]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return length;
}

}  // namespace detail

std::u32string Decode(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  const char* p = utf8.data();
  const char* end = p + utf8.size();
  while (p < end) out += Next(p, end);
  return out;
}

void Append(std::string& utf8, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    utf8 += static_cast<char>(cp);
  } else if (cp < 0x800) {
    utf8 += static_cast<char>(0xC0 | (cp >> 6));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    utf8 += static_cast<char>(0xE0 | (cp >> 12));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    utf8 += static_cast<char>(0xF0 | (cp >> 18));
    utf8 += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Encode(char32_t codePoint) {
  std::string out;
  Append(out, codePoint);
  return out;
}

std::string Encode(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size());
  for (char32_t cp : codePoints) Append(out, cp);
  return out;
}

std::size_t Length(std::string_view utf8) {
  std::size_t n = 0;
  const char* p = utf8.data();
  const char* end = p + utf8.size();
  for (; p < end; ++n) Next(p, end);
  return n;
}

std::size_t Offset(std::string_view utf8, std::size_t characters) {
  const char* p = utf8.data();
  const char* end = p + utf8.size();
  for (; characters > 0 && p < end; --characters) Next(p, end);
  return static_cast<std::size_t>(p - utf8.data());
}

std::string FirstCharacters(std::string_view utf8, std::size_t count) {
  return std::string(utf8.substr(0, Offset(utf8, count)));
}

}  // namespace text
