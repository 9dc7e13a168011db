// From the load to the unit: the equipment sizes that fit a design load, and
// the airflow of the whole system divided over the zones.
//
// Cooling equipment (single-speed) fits between 90 % and 115 % of the design
// cooling total, a furnace's output between 100 % and 140 % of the design
// heating load; capacities are to be read at the design conditions from the
// maker's tables. A nominal size fits when 90 x load <= 100 x capacity <=
// 115 x load, compared in whole numbers, so a size on a band edge fits
// whatever the rounding of the edges shown. All figures are Btu/h unless said
// otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "house/housesummary.h"

namespace kovrin {

// A nominal cooling size: its tons, and its capacity at kBtuPerTon a ton.
struct NominalSize {
  double tons = 0;
  constexpr std::int64_t capacity() const { return static_cast<std::int64_t>(tons * kBtuPerTon); }
};
inline constexpr std::array<NominalSize, 7> kNominalSizes = {{{1.5}, {2}, {2.5}, {3}, {3.5}, {4}, {5}}};
static_assert([] {
  for (const NominalSize& size : kNominalSizes) {
    if (static_cast<double>(size.capacity()) != size.tons * kBtuPerTon) return false;
  }
  return true;
}(), "every nominal size is a whole number of Btu/h");

// The per cents of the load that the bands span.
inline constexpr std::int64_t kCoolingBandLow = 90;
inline constexpr std::int64_t kCoolingBandHigh = 115;
inline constexpr std::int64_t kHeatingBandLow = 100;
inline constexpr std::int64_t kHeatingBandHigh = 140;

// A band's edges, each rounded half away from zero to whole Btu/h.
struct SizeBand {
  std::int64_t minimum = 0;
  std::int64_t maximum = 0;
};

// A size outside the band, with its capacity in per cent of the load,
// rounded half away from zero ("2.5 tons is 86 %"). A size is never 0 % of
// a load it falls short of: below 1 % (only an absurd load makes one) it
// holds 1 and is marked, and the texts say "under 1 %".
struct SizeProposal {
  NominalSize size;
  std::int64_t percent = 0;
  bool underOnePercent = false;
};

struct EquipmentSizes {
  std::int64_t coolingLoad = 0;
  // None, and nothing fits or is proposed, when the load is 0 or less.
  std::optional<SizeBand> coolingBand;
  // The band's edges in hundredths of a ton, each rounded once from its
  // exact value; none with the band.
  Figure coolingMinTons;
  Figure coolingMaxTons;
  // fits[i]: whether kNominalSizes[i] falls inside the band.
  std::array<bool, kNominalSizes.size()> fits{};
  // When none fits: the largest size below the band and the smallest above
  // it, either of which may be missing.
  std::optional<SizeProposal> below;
  std::optional<SizeProposal> above;
  // Even 5 tons falls below the band: the house needs more than one unit or
  // a larger, commercial one.
  bool moreThanOneUnit = false;

  std::int64_t heatingLoad = 0;
  // Furnace output; none when the load is 0 or less.
  std::optional<SizeBand> heatingBand;

  bool anyFits() const {
    for (bool fit : fits) {
      if (fit) return true;
    }
    return false;
  }
};

EquipmentSizes sizeEquipment(std::int64_t coolingLoad, std::int64_t heatingLoad);

// The airflow a zone gets of the system's: system x zone load / the house
// total of the zones for that load, in whole CFM rounded half away from zero;
// none when the system airflow is not entered or the total is 0.
Figure zoneAirflow(const std::optional<double>& systemAirflow, std::int64_t zoneLoad, std::int64_t houseTotal);

// What a dialog proposes for the system airflow while none is entered:
// kCfmPerTon (model/housevalues.h) a ton of the cooling load, whole CFM
// rounded half away from zero and no more than the value's range allows;
// none for a load of 0 or less.
Figure proposedSystemAirflow(std::int64_t coolingLoad);

}  // namespace kovrin
