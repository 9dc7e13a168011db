#include "toolkit/fieldtext.h"

#include <charconv>
#include <cmath>

namespace kovrin {

std::optional<double> parseFieldText(std::string_view text, NumberKind kind) {
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
      return std::nullopt;
    }
  }
  if (!digit) return std::nullopt;

  const char* begin = text.data();
  const char* end = begin + text.size();
  if (kind == NumberKind::Real) {
    float v = 0;
    const auto [next, error] = std::from_chars(begin, end, v);
    if (error != std::errc() || next != end || !std::isfinite(v)) return std::nullopt;
    return static_cast<double>(v);
  }
  // An integer field's number drops its fraction, toward zero; it must fit
  // 32 bits before it is converted.
  double v = 0;
  const auto [next, error] = std::from_chars(begin, end, v);
  if (error != std::errc() || next != end || !std::isfinite(v)) return std::nullopt;
  v = std::trunc(v);
  if (v < -2147483648.0 || v > 2147483647.0) return std::nullopt;
  return v;
}

}  // namespace kovrin
