// UTF-8 as the project file, the JSON and the HTML report take it: names
// and details are kept as bytes, and each output decides what to do with
// bytes that are not UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace kovrin {

// The length of the well-formed UTF-8 character at the start of `text`, or
// 0 when none starts there: a stray or cut byte, an overlong form, a
// surrogate, or a value past U+10FFFF.
constexpr std::size_t utf8Length(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // the range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// The code point of the well-formed character of `length` bytes at the
// start of `text` (utf8Length's answer, 1 to 4).
constexpr char32_t utf8Value(std::string_view text, std::size_t length) {
  constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t value = static_cast<unsigned char>(text[0]) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) value = value << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
  return value;
}

}  // namespace kovrin
