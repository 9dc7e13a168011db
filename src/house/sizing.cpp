#include "house/sizing.h"

#include <algorithm>

#include "house/wholenumbers.h"
#include "model/housevalues.h"
#include "model/loadfigures.h"

namespace kovrin {
namespace {

// The band of `low` % to `high` % of a load above 0, held within the
// whole numbers the outputs state exactly.
SizeBand band(WideInteger load, std::int64_t low, std::int64_t high) {
  return {withinWholeBtuLimit(static_cast<std::int64_t>(roundedQuotient(load * low, kPerCent))),
          withinWholeBtuLimit(static_cast<std::int64_t>(roundedQuotient(load * high, kPerCent)))};
}

}  // namespace

EquipmentSizes sizeEquipment(std::int64_t coolingLoad, std::int64_t heatingLoad) {
  EquipmentSizes sizes;
  sizes.coolingLoad = coolingLoad;
  sizes.heatingLoad = heatingLoad;
  if (heatingLoad > 0) sizes.heatingBand = band(heatingLoad, kHeatingBandLow, kHeatingBandHigh);
  if (coolingLoad <= 0) return sizes;

  // Loads are far below 2^64 and the per cents below 2^8: every product
  // below is exact in 128 bits.
  const WideInteger load = coolingLoad;
  sizes.coolingBand = band(load, kCoolingBandLow, kCoolingBandHigh);
  // Per cent of the load in Btu/h over 12000 is hundredths of a ton.
  sizes.coolingMinTons = static_cast<std::int64_t>(roundedQuotient(load * kCoolingBandLow, kBtuPerTon));
  sizes.coolingMaxTons = static_cast<std::int64_t>(roundedQuotient(load * kCoolingBandHigh, kBtuPerTon));

  for (std::size_t i = 0; i < kNominalSizes.size(); ++i) {
    const NominalSize& size = kNominalSizes[i];
    const WideInteger capacity = WideInteger{size.capacity()} * kPerCent;
    const auto percent = static_cast<std::int64_t>(roundedQuotient(capacity, load));
    const SizeProposal proposal{size, std::max<std::int64_t>(percent, 1), capacity < load};
    if (capacity < load * kCoolingBandLow) {
      sizes.below = proposal;  // the sizes rise: the last below is the largest
    } else if (capacity > load * kCoolingBandHigh) {
      if (!sizes.above) sizes.above = proposal;
    } else {
      sizes.fits[i] = true;
    }
  }
  if (sizes.anyFits()) {
    sizes.below.reset();
    sizes.above.reset();
  } else {
    sizes.moreThanOneUnit = !sizes.above;
  }
  return sizes;
}

Figure zoneAirflow(const std::optional<double>& systemAirflow, std::int64_t zoneLoad, std::int64_t houseTotal) {
  // The system airflow is a whole number of CFM within its range (the notes
  // take no other), so the product is exact.
  if (!systemAirflow || !inHouseRange(HouseValue::SystemAirflow, *systemAirflow) || houseTotal == 0) {
    return std::nullopt;
  }
  const auto system = static_cast<WideInteger>(*systemAirflow);
  return static_cast<std::int64_t>(roundedQuotient(system * zoneLoad, houseTotal));
}

Figure proposedSystemAirflow(std::int64_t coolingLoad) {
  if (coolingLoad <= 0) return std::nullopt;
  const auto maximum = static_cast<std::int64_t>(houseValueRange(HouseValue::SystemAirflow).maximum);
  const WideInteger airflow = roundedQuotient(WideInteger{coolingLoad} * kCfmPerTon, kBtuPerTon);
  return static_cast<std::int64_t>(std::min<WideInteger>(maximum, airflow));
}

}  // namespace kovrin
