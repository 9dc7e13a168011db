#include "house/floorarea.h"

#include <cmath>
#include <limits>

#include "house/housesummary.h"

namespace kovrin {
namespace {

constexpr float kAreaLimit = 0x1p56f;
constexpr WideInteger kTenths = 10;

}  // namespace

Figure ExactArea::squareFeet() const { return wholeFigure(roundedQuotient(units, WideInteger{1} << bits)); }

Figure ExactArea::perSquareFoot(std::int64_t btuPerHour) const {
  const WideInteger unit = WideInteger{1} << bits;
  if (roundedQuotient(units, unit) == 0) return std::nullopt;
  return wholeFigure(roundedQuotient(WideInteger{btuPerHour} * kTenths * unit, units));
}

Figure ExactArea::perTon(std::int64_t cooling) const {
  const WideInteger unit = WideInteger{1} << bits;
  if (cooling == 0 || roundedQuotient(units, unit) == 0) return std::nullopt;
  return wholeFigure(roundedQuotient(units * kBtuPerTon, unit * cooling));
}

std::optional<WideInteger> floorAreaUnits(float area) {
  const float magnitude = std::fabs(area);
  if (!(magnitude < kAreaLimit)) return std::nullopt;
  if (magnitude < 0.5f) return WideInteger{0};
  // At least 0.5, the area has no bit below 2^-24: the scaled value is a
  // whole number that the double holds exactly.
  return static_cast<WideInteger>(std::ldexp(static_cast<double>(area), kFloorAreaUnitBits));
}

Figure wholeFigure(WideInteger value) {
  if (value < std::numeric_limits<std::int64_t>::min() || value > std::numeric_limits<std::int64_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace kovrin
