#include "toolkit/fieldtext.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace kovrin {

bool isNumberText(std::string_view text) {
  // from_chars would also take "inf", "nan" and exponents; a field takes
  // only a sign, digits and one point.
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  bool point = false;
  bool digit = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

std::optional<double> parseFieldText(std::string_view text, NumberKind kind) {
  if (!isNumberText(text)) return std::nullopt;

  // The whole part: the text before the point, without its sign.
  std::string_view whole = text.substr(0, text.find('.'));
  const bool negative = whole.starts_with('-');
  if (negative) whole.remove_prefix(1);

  if (kind == NumberKind::Real) {
    float v = 0;
    const auto [next, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error == std::errc::result_out_of_range) {
      // Past the float range: too large when the whole part is not zero,
      // otherwise too small, and then zero at single precision.
      if (whole.find_first_of("123456789") != std::string_view::npos) return std::nullopt;
      return negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || next != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return static_cast<double>(v);
  }
  // An integer field's number drops its fraction, toward zero. The whole
  // part is read digit by digit: converting the whole text first could round
  // 2147483647.9999999999 up past the 32-bit range.
  std::int64_t value = 0;
  for (const char c : whole) {
    value = value * 10 + (c - '0');
    if (value > 2147483648) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647) return std::nullopt;
  return static_cast<double>(value);
}

}  // namespace kovrin
