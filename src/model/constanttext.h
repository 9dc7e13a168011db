// Text built at compile time from the constants it quotes, for the tables of
// constexpr wordings (a hint that names the figure a dialog proposes): the
// sentence follows the constant, so the two cannot drift apart.
//
//   static constexpr std::string_view kCfm = DecimalText<400>::value;   // "400"
//   JoinedText<kBefore, kCfm, kAfter>::value                           // the three in one
//
// Every part is a static constexpr string_view; the text lives in a static
// array, so the views stay valid for the whole program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kovrin {

// The decimal digits of `Number`, with a "-" before a negative one.
template <std::int64_t Number>
struct DecimalText {
 private:
  static constexpr std::size_t length() {
    std::size_t count = Number < 0 ? 2 : 1;
    for (std::uint64_t rest = magnitude() / 10; rest != 0; rest /= 10) ++count;
    return count;
  }
  static constexpr std::uint64_t magnitude() {
    return Number < 0 ? 0 - static_cast<std::uint64_t>(Number) : static_cast<std::uint64_t>(Number);
  }
  static constexpr std::array<char, length()> kDigits = [] {
    std::array<char, length()> digits{};
    std::uint64_t rest = magnitude();
    for (std::size_t i = digits.size(); i-- > 0;) {
      digits[i] = static_cast<char>('0' + rest % 10);
      rest /= 10;
    }
    if (Number < 0) digits[0] = '-';
    return digits;
  }();

 public:
  static constexpr std::string_view value{kDigits.data(), kDigits.size()};
};

// The parts one after another.
template <const std::string_view&... Parts>
struct JoinedText {
 private:
  static constexpr std::array<char, (Parts.size() + ... + 0)> kText = [] {
    std::array<char, (Parts.size() + ... + 0)> text{};
    std::size_t at = 0;
    for (std::string_view part : {Parts...}) {
      for (char c : part) text[at++] = c;
    }
    return text;
  }();

 public:
  static constexpr std::string_view value{kText.data(), kText.size()};
};

}  // namespace kovrin
