// A byte written as a hexadecimal escape, as the outputs write the bytes
// they cannot show: "\x0C" in the project notes, "\x1b" in messages,
// "\u001b" in JSON, "\3C " in CSS. One writer, so that every escape spells
// its digits the same way.
#pragma once

#include <string>
#include <string_view>

namespace kovrin {

enum class HexDigits { Upper, Lower };

inline void appendHexEscape(std::string& out, unsigned char byte, std::string_view prefix, HexDigits digits,
                            std::string_view suffix = {}) {
  constexpr std::string_view kUpper = "0123456789ABCDEF";
  constexpr std::string_view kLower = "0123456789abcdef";
  const std::string_view table = digits == HexDigits::Upper ? kUpper : kLower;
  out += prefix;
  out += table[byte >> 4];
  out += table[byte & 0xF];
  out += suffix;
}

}  // namespace kovrin
