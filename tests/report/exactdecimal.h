// An independent reference for the number text: the exact decimal expansion
// of a single-precision value, worked out with big-integer arithmetic on the
// float's mantissa and exponent, and the program's text forms built from it
// by rounding decimal strings. No floating-point operation and no conversion
// library touches a digit here, so it can judge numbertext.cpp, which gets
// its digits from double-conversion.
//
// Every finite float is m x 2^e with m < 2^24 and -149 <= e <= 104, so its
// decimal expansion terminates: m x 2^e is an integer when e >= 0, and
// m x 5^-e / 10^-e otherwise. Rounding a magnitude to the nearest result
// with halfway cases away from zero means rounding up exactly when the first
// dropped digit is 5 or more.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin::reference {

// A magnitude as decimal digits: whole digits (no leading zeros, empty for a
// value below 1) and fraction digits (no trailing zeros).
struct Decimal {
  bool negative = false;
  std::string whole;
  std::string fraction;
  bool isZero() const { return whole.empty() && fraction.empty(); }
};

namespace detail {

// Unsigned big integer in base 10^9, least significant limb first.
class BigNumber {
 public:
  explicit BigNumber(std::uint32_t value) {
    while (value != 0) {
      m_limbs.push_back(value % kBase);
      value /= kBase;
    }
  }
  void multiply(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : m_limbs) {
      const std::uint64_t product = std::uint64_t{limb} * factor + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    while (carry != 0) {
      m_limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }
  // Multiplies by base^count, in steps that keep each factor within 32 bits.
  void multiplyByPower(std::uint32_t base, int count) {
    std::uint32_t step = 1;
    int stepCount = 0;
    while (std::uint64_t{step} * base <= 0xffffffffu) {
      step *= base;
      ++stepCount;
    }
    for (; count >= stepCount; count -= stepCount) multiply(step);
    for (; count > 0; --count) multiply(base);
  }
  std::string digits() const {
    if (m_limbs.empty()) return "0";
    std::string text = std::to_string(m_limbs.back());
    for (std::size_t i = m_limbs.size() - 1; i-- > 0;) {
      const std::string limb = std::to_string(m_limbs[i]);
      text += std::string(9 - limb.size(), '0') + limb;
    }
    return text;
  }

 private:
  static constexpr std::uint32_t kBase = 1000000000;
  std::vector<std::uint32_t> m_limbs;
};

inline std::string stripLeadingZeros(const std::string& s) {
  const auto first = s.find_first_not_of('0');
  return first == std::string::npos ? std::string() : s.substr(first);
}

inline std::string stripTrailingZeros(const std::string& s) {
  const auto last = s.find_last_not_of('0');
  return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

// Adds one unit in the last place of a digit string; returns true when the
// carry runs out of the front ("999" becomes "000" and true).
inline bool incrementDigits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

}  // namespace detail

// A float's bits as mantissa x 2^exponent. The bits of infinity give 2^128,
// the next value after the largest float were there no infinity.
struct Binary {
  std::uint32_t mantissa = 0;
  int exponent = 0;
};

inline Binary decode(std::uint32_t bits) {
  const std::uint32_t biased = (bits >> 23) & 0xff;
  const std::uint32_t mantissa = bits & 0x7fffff;
  if (biased == 0) return {mantissa, -149};  // subnormal: 0.m x 2^-126
  return {mantissa | 0x800000, static_cast<int>(biased) - 150};
}

// The exact decimal value of mantissa x 2^exponent.
inline Decimal exact(Binary b, bool negative = false) {
  Decimal d;
  d.negative = negative;
  detail::BigNumber n(b.mantissa);
  if (b.exponent >= 0) {
    n.multiplyByPower(2, b.exponent);
    d.whole = detail::stripLeadingZeros(n.digits());
    return d;
  }
  const int places = -b.exponent;
  n.multiplyByPower(5, places);
  std::string digits = n.digits();
  if (static_cast<int>(digits.size()) <= places) {
    digits.insert(0, static_cast<std::size_t>(places + 1) - digits.size(), '0');
  }
  const std::size_t split = digits.size() - static_cast<std::size_t>(places);
  d.whole = detail::stripLeadingZeros(digits.substr(0, split));
  d.fraction = detail::stripTrailingZeros(digits.substr(split));
  return d;
}

// The exact value of a finite float.
inline Decimal exact(float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  return exact(decode(bits), (bits >> 31) != 0);
}

// The magnitude rounded to `decimals` places: whole digits (empty for zero)
// and exactly `decimals` fraction digits.
struct Rounded {
  std::string whole;
  std::string fraction;
};

inline Rounded roundToPlaces(const Decimal& d, int decimals) {
  std::string fraction = d.fraction;
  fraction.resize(std::max(fraction.size(), static_cast<std::size_t>(decimals) + 1), '0');
  const bool up = fraction[static_cast<std::size_t>(decimals)] >= '5';
  fraction.resize(static_cast<std::size_t>(decimals));
  std::string all = "0" + d.whole + fraction;
  if (up) detail::incrementDigits(all);
  Rounded r;
  r.whole = detail::stripLeadingZeros(all.substr(0, all.size() - fraction.size()));
  r.fraction = all.substr(all.size() - fraction.size());
  return r;
}

// The magnitude rounded to `count` significant digits, as those digits and
// the decimal exponent of the first one (value ~ d.ddd x 10^exponent).
struct Significant {
  std::string digits;
  int exponent = 0;
};

inline Significant roundToSignificant(const Decimal& d, int count) {
  const std::string all = d.whole + d.fraction;
  const auto first = all.find_first_not_of('0');
  Significant s;
  if (first == std::string::npos) {
    s.digits.assign(static_cast<std::size_t>(count), '0');
    return s;
  }
  s.exponent = static_cast<int>(d.whole.size()) - 1 - static_cast<int>(first);
  std::string digits = all.substr(first);
  digits.resize(std::max(digits.size(), static_cast<std::size_t>(count) + 1), '0');
  const bool up = digits[static_cast<std::size_t>(count)] >= '5';
  digits.resize(static_cast<std::size_t>(count));
  if (up && detail::incrementDigits(digits)) {
    digits = "1" + digits.substr(0, digits.size() - 1);
    ++s.exponent;
  }
  s.digits = digits;
  return s;
}

// Whether the expansion has exactly one digit more than `count` significant
// digits and that digit is 5: the nine-digit rounding of it is a tie.
inline bool isSignificantTie(const Decimal& d, int count) {
  const std::string all = detail::stripLeadingZeros(d.whole + d.fraction);
  return static_cast<int>(all.size()) == count + 1 && all.back() == '5';
}

// The free-form real text: nine significant digits, fixed-point for
// 0.1 <= |v| and a rounded value below 10^9, exponent form otherwise.
// A negative zero has no sign.
inline std::string realText(float value) {
  const Decimal d = exact(value);
  std::string sign = d.negative && !d.isZero() ? "-" : "";
  const Significant s = roundToSignificant(d, 9);
  const bool belowTenth = d.whole.empty() && (d.fraction.empty() || d.fraction[0] == '0');
  if (d.isZero() || belowTenth || s.exponent >= 9) {
    const int e = s.exponent;
    std::string text = sign + s.digits.substr(0, 1) + "." + s.digits.substr(1) + (e < 0 ? "E-" : "E+");
    const int magnitude = std::abs(e);
    text += static_cast<char>('0' + magnitude / 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
  }
  if (s.exponent < 0) return sign + "0." + s.digits;
  const auto before = static_cast<std::size_t>(s.exponent + 1);
  return sign + s.digits.substr(0, before) + "." + s.digits.substr(before);
}

// The fixed-decimal field edit, right-aligned in `width`.
inline std::string fixedDecimalField(float value, int width, int decimals) {
  if (width <= 0) return {};
  const std::string stars(static_cast<std::size_t>(width), '*');
  if (!std::isfinite(value)) return stars;
  const Decimal d = exact(value);
  const Rounded r = roundToPlaces(d, decimals);
  const bool roundsToZero = r.whole.empty() && r.fraction.find_first_not_of('0') == std::string::npos;
  const std::string sign = d.negative && !roundsToZero ? "-" : "";
  std::string text = sign + r.whole + "." + r.fraction;
  if (static_cast<int>(text.size()) > width) return stars;
  if (r.whole.empty() && static_cast<int>(text.size()) < width) text = sign + "0" + text.substr(sign.size());
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// The integer field edit, right-aligned in `width`.
inline std::string integerField(std::int32_t value, int width) {
  if (width <= 0) return {};
  // Digits of the magnitude in 64 bits: -2147483648 has no 32-bit negation.
  const std::int64_t wide = value;
  std::string text = std::to_string(wide < 0 ? -wide : wide);
  if (wide < 0) text = "-" + text;
  if (static_cast<int>(text.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
  return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

// Reading: which float a decimal text stands for, judged exactly.

// A magnitude as 0.DIGITS x 10^power, the digits without leading or trailing
// zeros (none for zero), so that two values compare by power, then digits.
struct Scientific {
  std::string digits;
  std::int64_t power = 0;
};

inline Scientific scientific(const Decimal& d) {
  const std::string all = d.whole + d.fraction;
  const auto first = all.find_first_not_of('0');
  if (first == std::string::npos) return {};
  return {detail::stripTrailingZeros(all.substr(first)),
          static_cast<std::int64_t>(d.whole.size()) - static_cast<std::int64_t>(first)};
}

inline int compare(const Scientific& a, const Scientific& b) {
  if (a.digits.empty() || b.digits.empty()) return static_cast<int>(!a.digits.empty()) - static_cast<int>(!b.digits.empty());
  if (a.power != b.power) return a.power < b.power ? -1 : 1;
  const int order = a.digits.compare(b.digits);  // a prefix is the smaller: its missing digits are zeros
  return (order > 0) - (order < 0);
}

// The value halfway between two adjacent floats, given by their bits.
inline Scientific midpoint(std::uint32_t lowBits, std::uint32_t highBits) {
  const Binary low = decode(lowBits);
  const Binary high = decode(highBits);
  const int base = std::min(low.exponent, high.exponent);
  const std::uint32_t sum = (low.mantissa << (low.exponent - base)) + (high.mantissa << (high.exponent - base));
  return scientific(exact(Binary{sum, base - 1}));
}

// A real's text in the project file's grammar: a sign, digits with at most
// one point, and an exponent after E or D; nothing when it is none. The
// exponent saturates at 10^17, far past any text's own digit count.
struct RealText {
  bool negative = false;
  Scientific magnitude;
};

inline std::optional<RealText> realTextValue(std::string_view text, bool exponentAllowed = true) {
  std::size_t i = 0;
  RealText r;
  r.negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::string whole;
  std::string fraction;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) whole += text[i];
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) fraction += text[i];
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  std::int64_t exponent = 0;
  if (i < text.size()) {
    if (!exponentAllowed || std::string_view("EeDd").find(text[i]) == std::string_view::npos) return std::nullopt;
    ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size()) return std::nullopt;
    for (; i < text.size(); ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 100000000000000000);
    }
    if (negative) exponent = -exponent;
  }
  r.magnitude = scientific(Decimal{false, whole, fraction});
  r.magnitude.power += exponent;
  return r;
}

// Whether `read` is the float nearest to `text` (halfway cases to the even
// mantissa), or, when `tooLarge`, whether the text rounds past the largest
// float.
inline bool isNearestFloat(const RealText& text, float read, bool tooLarge) {
  constexpr std::uint32_t kLargest = 0x7f7fffff;
  const int pastLargest = compare(text.magnitude, midpoint(kLargest, kLargest + 1));
  if (tooLarge || pastLargest >= 0) return tooLarge && pastLargest >= 0;  // the largest is odd: a tie goes up
  if (!std::isfinite(read) || (read != 0 && std::signbit(read) != text.negative)) return false;
  const auto bits = std::bit_cast<std::uint32_t>(std::fabs(read));
  const bool even = (bits & 1) == 0;
  const int above = bits == 0 ? 1 : compare(text.magnitude, midpoint(bits - 1, bits));
  const int below = compare(text.magnitude, midpoint(bits, bits + 1));
  return (above > 0 || (above == 0 && even)) && (below < 0 || (below == 0 && even));
}

}  // namespace kovrin::reference
