// Floor areas held exactly, and the figures computed from them: whole ft²,
// tenths of Btu/h per ft² and whole ft² per ton of cooling, each rounded
// once, half away from zero, from the exact values. The house summary (by
// the zones' floor) and the design load (by the conditioned floor area) both
// compute theirs here, so the two agree to the last digit on the same area.
//
// A stored area is a float: from half a square foot on it has no bit below
// 2^-24, so in units of 2^-24 ft² it is a whole number. Below half a square
// foot an area shows as 0 ft² and counts as no floor. Areas from 2^56 ft² on
// (only a hand-edited file holds one) have no value: below it fifty of them
// and every product here stay far inside 128 bits.
#pragma once

#include <cstdint>
#include <optional>

#include "house/wholenumbers.h"

namespace kovrin {

// A figure in a fixed number of decimals, or no value.
using Figure = std::optional<std::int64_t>;

inline constexpr int kFloorAreaUnitBits = 24;

// An area of `units` x 2^-bits ft².
struct ExactArea {
  WideInteger units = 0;
  int bits = kFloorAreaUnitBits;

  // Whole ft².
  Figure squareFeet() const;
  // Tenths of Btu/h per ft²; none for an area that shows as 0 ft².
  Figure perSquareFoot(std::int64_t btuPerHour) const;
  // Whole ft² per ton of `cooling`; none without cooling or without floor.
  Figure perTon(std::int64_t cooling) const;
};

// A stored floor area in units of 2^-24 ft²: 0 below half a square foot,
// none for one that is not finite or reaches 2^56 ft².
std::optional<WideInteger> floorAreaUnits(float area);

// `value` as a figure; none beyond 64 bits.
Figure wholeFigure(WideInteger value);

}  // namespace kovrin
