#include "report/numbertext.h"

#include <double-conversion/double-conversion.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kovrin {
namespace {

using double_conversion::DoubleToStringConverter;

// The largest fixed-decimal edit we produce digits for. A float is below
// 10^39, so its digits before the point never exceed 39; more decimals than
// this no field can hold.
constexpr int kMaxDecimals = DoubleToStringConverter::kMaxFixedDigitsAfterPoint;
constexpr int kDigitBuffer = 40 + kMaxDecimals + 1;

// Decimal digits of |value| as double-conversion gives them: the value is
// 0.d1d2d3... x 10^point. Halfway cases are rounded away from zero, which is
// the rule of every number text of the program.
struct Digits {
  std::array<char, kDigitBuffer> buffer{};
  int length = 0;
  int point = 0;

  // Digit i (0-based) of the mantissa, '0' beyond the digits produced:
  // double-conversion may return fewer digits than asked for.
  char at(int i) const { return i >= 0 && i < length ? buffer[static_cast<std::size_t>(i)] : '0'; }
};

Digits toDigits(double magnitude, DoubleToStringConverter::DtoaMode mode, int requested) {
  Digits d;
  bool sign = false;
  DoubleToStringConverter::DoubleToAscii(magnitude, mode, requested, d.buffer.data(), kDigitBuffer, &sign,
                                         &d.length, &d.point);
  return d;
}

// Nine significant digits, exponent form: "5.00000007E-02".
std::string exponentForm(bool negative, const Digits& d, bool zero) {
  std::string text = negative ? "-" : "";
  text += d.at(0);
  text += '.';
  for (int i = 1; i < 9; ++i) text += d.at(i);
  // Zero has no first digit to count from; its exponent is 0 by convention.
  const int exponent = zero ? 0 : d.point - 1;
  text += exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(exponent);
  // A float's decimal exponent lies within -45..38, so two digits always do.
  text += static_cast<char>('0' + magnitude / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

}  // namespace

std::string integerText(std::int32_t value) { return std::to_string(value); }

std::string realText(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

  // The float widens to double without change; all digits come from this.
  const double v = value;
  // A negative zero is written as zero: it is no negative value, and the file
  // and the report should not show a sign for it.
  const bool negative = v < 0;
  const double magnitude = std::fabs(v);
  if (magnitude == 0) return exponentForm(false, Digits{}, true);

  const Digits d = toDigits(magnitude, DoubleToStringConverter::PRECISION, 9);
  // The fixed-point form needs |v| >= 0.1 on the exact value, and fewer than
  // ten digits before the point after rounding to nine digits: a value that
  // rounds up to 1000000000 takes the exponent form.
  if (magnitude < 0.1 || d.point > 9) return exponentForm(negative, d, false);

  std::string text = negative ? "-" : "";
  if (d.point <= 0) {
    // 0.1 <= |v| < 1: the digits follow "0." directly (point is 0 here).
    text += "0.";
    for (int i = 0; i < 9; ++i) text += d.at(i);
  } else {
    for (int i = 0; i < d.point; ++i) text += d.at(i);
    text += '.';
    for (int i = d.point; i < 9; ++i) text += d.at(i);
  }
  return text;
}

std::string fixedDecimalField(float value, int width, int decimals) {
  if (width <= 0) return {};
  const std::string stars(static_cast<std::size_t>(width), '*');
  if (!std::isfinite(value) || decimals < 0 || decimals > kMaxDecimals) return stars;

  const double magnitude = std::fabs(static_cast<double>(value));
  const Digits d = toDigits(magnitude, DoubleToStringConverter::FIXED, decimals);

  // Digit i of the mantissa has the place value 10^(point - 1 - i).
  std::string whole;
  for (int i = 0; i < d.point; ++i) whole += d.at(i);
  // double-conversion writes zero as the digit "0" before the point; that is
  // the optional "0" of a value below 1, so F3.2 shows zero as ".00".
  if (whole == "0") whole.clear();
  std::string fraction;
  for (int j = 1; j <= decimals; ++j) fraction += d.at(d.point - 1 + j);

  // A negative value that rounds to zero is written without its sign: the
  // field shows the rounded value, and "-0.000" would claim a negative
  // quantity where there is none.
  const bool roundsToZero = std::all_of(d.buffer.begin(), d.buffer.begin() + d.length, [](char c) { return c == '0'; });
  const bool negative = value < 0 && !roundsToZero;

  std::string text = negative ? "-" : "";
  text += whole;
  text += '.';
  text += fraction;
  if (static_cast<int>(text.size()) > width) return stars;
  // Below 1 the single "0" before the point is optional: written when the
  // field has room for it ("0.350"), left out when not ("-.350").
  if (whole.empty() && static_cast<int>(text.size()) < width) text.insert(negative ? 1 : 0, 1, '0');
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

std::string integerField(std::int32_t value, int width) {
  if (width <= 0) return {};
  const std::string text = integerText(value);
  if (static_cast<int>(text.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

std::string textField(std::string_view value, int width) {
  if (width <= 0) return {};
  const auto w = static_cast<std::size_t>(width);
  // A text longer than its field keeps its leftmost characters, so the
  // columns after it stay where they belong.
  if (value.size() >= w) return std::string(value.substr(0, w));
  return std::string(w - value.size(), ' ') + std::string(value);
}

}  // namespace kovrin
