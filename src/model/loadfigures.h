// The figures of air, of people and of the design conditions that more than
// one of the program's load calculations takes (the house's design load,
// the detailed design load, the duct system's load, the equipment's
// figures): each stands here once, so that the calculations cannot come to
// differ on it. All are doubles except where a whole number is the fact:
// those take part in exact integer arithmetic and in the texts that quote
// them.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace kovrin {

inline constexpr double kMinutesPerHour = 60;
inline constexpr int kPerCent = 100;
inline constexpr double kGrainsPerPound = 7000;

// Air: its specific heat, Btu/(lb·°F), its gas constant, ft·lbf/(lb·°R), and
// the offset of the Rankine scale, °F.
inline constexpr double kAirSpecificHeat = 0.24;
inline constexpr double kAirGasConstant = 53.35;
inline constexpr double kRankine = 459.67;

// Sensible heat of a CFM of air, Btu/h per CFM and °F: standard air
// (60 min x 0.075 lb/ft³ x 0.24), as the house's design load and the
// equipment's temperature rise take it, and the rounder figure of ACCA
// Manual J's procedure (and Manual S), as the detailed design load and the
// ducts take it at sea level. Latent heat of a CFM, Btu/h per CFM and grain
// of moisture, the same in both.
inline constexpr double kStandardAirSensible = 1.08;
inline constexpr double kDesignAirSensible = 1.1;
inline constexpr double kAirLatent = 0.68;

// Altitude correction factors of the air's heat, Manual J Table 10A, every
// 1000 ft from sea level to 12,000 ft.
inline constexpr std::array<double, 13> kAltitudeFactors = {1.0,  0.97, 0.93, 0.89, 0.87, 0.84, 0.80,
                                                            0.77, 0.75, 0.72, 0.69, 0.66, 0.63};

// The factor at `elevation` ft, in a straight line between two of the table;
// below sea level as at sea level, above 12,000 ft as at 12,000 ft.
inline double altitudeFactor(double elevation) {
  const double thousands = std::clamp(elevation / 1000.0, 0.0, 12.0);
  const auto step = std::min<std::size_t>(static_cast<std::size_t>(thousands), kAltitudeFactors.size() - 2);
  const double fraction = thousands - static_cast<double>(step);
  return kAltitudeFactors[step] + (kAltitudeFactors[step + 1] - kAltitudeFactors[step]) * fraction;
}

// The heat of a person, sensible and latent, Btu/h.
inline constexpr std::int64_t kPersonSensible = 230;
inline constexpr std::int64_t kPersonLatent = 200;

// Manual J tables its cooling temperature differences and attic
// temperatures at this outdoor design temperature, °F, and moves them by the
// daily range: +4 °F low, 0 medium, -5 high (L, M, H).
inline constexpr double kReferenceOutdoorSummer = 95;
inline constexpr std::array<double, 3> kDailyRangeAdjustment = {4, 0, -5};

// An attic's summer temperature at 95 °F under an asphalt shingle roof
// (Manual J Figure A12-14): vented, dark or lighter, without and with a
// radiant barrier, and unvented (dark, no barrier).
inline constexpr double kAtticDark = 130;
inline constexpr double kAtticLight = 120;
inline constexpr double kAtticDarkBarrier = 120;
inline constexpr double kAtticLightBarrier = 110;
inline constexpr double kUnventedAtticDark = 150;

}  // namespace kovrin
