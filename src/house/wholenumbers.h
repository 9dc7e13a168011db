// Whole numbers of the house's design figures: Btu/h rounded from the
// double-precision formulas, and quotients of whole numbers rounded once.
// Ties go away from zero, as in every number text of the program, and the
// rounding is done on the exact values, never by a binary fraction.
#pragma once

#include <cmath>
#include <cstdint>

namespace kovrin {

__extension__ using WideInteger = __int128;

// num / den rounded half away from zero; den is not 0.
constexpr WideInteger roundedQuotient(WideInteger num, WideInteger den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  WideInteger quotient = num / den;
  const WideInteger rest = num % den < 0 ? -(num % den) : num % den;
  // 2 x rest >= den, written so that it cannot overflow.
  if (rest >= den - rest) quotient += num < 0 ? -1 : 1;
  return quotient;
}

// Whole Btu/h are kept within 2^53, where a double holds every whole number:
// only absurd values of a hand-edited file (a duct multiplier of 1e30) reach
// it, and then sums of a few dozen of them stay far inside 64 bits.
inline constexpr double kWholeBtuLimit = 9007199254740992.0;  // 2^53

// A figure of a formula rounded to whole Btu/h, half away from zero (which is
// what std::round does, on the exact double); not-a-number gives 0.
inline std::int64_t wholeBtu(double value) {
  if (std::isnan(value)) return 0;
  if (value >= kWholeBtuLimit) return static_cast<std::int64_t>(kWholeBtuLimit);
  if (value <= -kWholeBtuLimit) return -static_cast<std::int64_t>(kWholeBtuLimit);
  return static_cast<std::int64_t>(std::round(value));
}

// A sum of such figures held at the same limit, so that every total an
// output writes is a whole number a double (and so any JSON reader) holds
// exactly. Each term is within 2^53, so a sum of a few dozen cannot overflow.
inline std::int64_t withinWholeBtuLimit(std::int64_t sum) {
  constexpr auto kLimit = static_cast<std::int64_t>(kWholeBtuLimit);
  return sum > kLimit ? kLimit : sum < -kLimit ? -kLimit : sum;
}

}  // namespace kovrin
