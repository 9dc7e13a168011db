#include "house/designload.h"

#include <algorithm>
#include <cmath>

#include "calc/pageloads.h"
#include "model/loadfigures.h"

namespace kovrin {
namespace {

// A temperature difference, exact: two 32-bit temperatures differ by a
// whole number that a double holds exactly.
double difference(const ProjectTables& tables, int page, int fromRow, int toRow) {
  return static_cast<double>(static_cast<std::int64_t>(tables.integer(page, fromRow)) - tables.integer(page, toRow));
}

// The air of page `page` with share `share` of the house, F being `floorArea`.
AirParts pageAir(const ProjectTables& tables, int page, double floorArea, double share) {
  const HouseValues& house = tables.House;
  const double volume = floorArea * house.orZero(HouseValue::CeilingHeight) * share;  // ft³
  const double winterDifference = difference(tables, page, irow::WinterThermostat, irow::WinterDesignTemp);
  const double summerDifference = difference(tables, page, irow::SummerDesignTemp, irow::SummerThermostat);
  const double winterDuct = 1.0 + static_cast<double>(tables.real(page, rrow::WinterDuctMultiplier));
  const double summerDuct = 1.0 + static_cast<double>(tables.real(page, rrow::SummerDuctMultiplier));
  const double grains = house.orZero(HouseValue::MoistureDifference);

  // Leakage in CFM, from the air changes of the page's part of the volume.
  const double winterLeakage = house.orZero(HouseValue::LeakageAchWinter) * volume / kMinutesPerHour;
  const double summerLeakage = house.orZero(HouseValue::LeakageAchSummer) * volume / kMinutesPerHour;
  // The ventilation air of the page, and what heat recovery leaves of it.
  const double ventilation = house.orZero(HouseValue::VentilationCfm) * share;
  const double sensibleLeft = 1.0 - house.orZero(HouseValue::VentilationSensibleRecovery) / kPerCent;
  const double latentLeft = 1.0 - house.orZero(HouseValue::VentilationLatentRecovery) / kPerCent;

  AirParts parts;
  parts.leakageHeating = wholeBtu(kStandardAirSensible * winterLeakage * winterDifference * winterDuct);
  parts.leakageCooling = wholeBtu(kStandardAirSensible * summerLeakage * summerDifference * summerDuct);
  parts.leakageLatent = wholeBtu(kAirLatent * summerLeakage * grains);
  parts.ventilationHeating = wholeBtu(kStandardAirSensible * ventilation * sensibleLeft * winterDifference);
  parts.ventilationCooling = wholeBtu(kStandardAirSensible * ventilation * sensibleLeft * summerDifference);
  parts.ventilationLatent = wholeBtu(kAirLatent * ventilation * latentLeft * grains);
  return parts;
}

void add(AirParts& sum, const AirParts& parts) {
  sum.leakageHeating = withinWholeBtuLimit(sum.leakageHeating + parts.leakageHeating);
  sum.leakageCooling = withinWholeBtuLimit(sum.leakageCooling + parts.leakageCooling);
  sum.leakageLatent = withinWholeBtuLimit(sum.leakageLatent + parts.leakageLatent);
  sum.ventilationHeating = withinWholeBtuLimit(sum.ventilationHeating + parts.ventilationHeating);
  sum.ventilationCooling = withinWholeBtuLimit(sum.ventilationCooling + parts.ventilationCooling);
  sum.ventilationLatent = withinWholeBtuLimit(sum.ventilationLatent + parts.ventilationLatent);
}

double squareFeet(WideInteger units) { return std::ldexp(static_cast<double>(units), -kFloorAreaUnitBits); }

// An entered F (1..100000 ft²) is a double of at least 1, with no bit below
// 2^-52: in units of 2^-52 it is a whole number below 2^69, and a load of
// up to 2^60 Btu/h times 10 times 2^52 stays inside 128 bits.
constexpr int kEnteredAreaBits = 52;

std::optional<ExactArea> conditionedArea(const HouseValues& house, std::optional<WideInteger> zonesUnits) {
  const std::optional<double>& entered = house[HouseValue::FloorArea];
  if (!entered) {
    if (!zonesUnits) return std::nullopt;
    return ExactArea{*zonesUnits, kFloorAreaUnitBits};
  }
  if (!inHouseRange(HouseValue::FloorArea, *entered)) return std::nullopt;
  return ExactArea{static_cast<WideInteger>(std::ldexp(*entered, kEnteredAreaBits)), kEnteredAreaBits};
}

// The figures by F, as the house summary computes its own by the zones'
// floor: none per ft² for an area that rounds to 0 ft², none per ton
// without cooling.
void addFloorAreaFigures(DesignLoad& load, const std::optional<ExactArea>& area) {
  if (!area) return;
  load.floorAreaFigure = area->squareFeet();
  load.heatingPerFloorArea = area->perSquareFoot(load.heating);
  load.coolingPerFloorArea = area->perSquareFoot(load.coolingTotal);
  load.zonesHeatingPerFloorArea = area->perSquareFoot(load.zonesHeating);
  load.zonesCoolingPerFloorArea = area->perSquareFoot(load.zonesCooling);
  load.floorAreaPerTon = area->perTon(load.coolingTotal);
}

// The zones' floor area of the house in units of 2^-24 ft², none when a
// page's has none.
std::optional<WideInteger> zonesFloorAreaUnits(const ProjectTables& tables) {
  WideInteger units = 0;
  for (int p = 1; p <= kPages; ++p) {
    const std::optional<WideInteger> page = pageFloorAreaUnits(tables, p);
    if (!page) return std::nullopt;
    units += *page;
  }
  return units;
}

// The cooling total, its tons and ratio, and the figures by F.
void finishLoad(DesignLoad& load, const std::optional<ExactArea>& area) {
  load.coolingTotal = withinWholeBtuLimit(load.coolingSensible + load.coolingLatent);
  load.coolingTons = static_cast<std::int64_t>(roundedQuotient(load.coolingTotal, kBtuPerTon / 100));
  load.sensibleHeatRatio = std::nullopt;
  if (load.coolingTotal != 0) {
    const WideInteger hundredths = roundedQuotient(WideInteger{load.coolingSensible} * 100, load.coolingTotal);
    load.sensibleHeatRatio = static_cast<std::int64_t>(hundredths);
  }
  addFloorAreaFigures(load, area);
}

}  // namespace

std::optional<WideInteger> pageFloorAreaUnits(const ProjectTables& tables, int page) {
  WideInteger sum = 0;
  for (int c = 1; c <= kZoneColumns; ++c) {
    const std::optional<WideInteger> units = floorAreaUnits(tables.zone(page, c, ZoneQuantity::FloorArea));
    if (!units) return std::nullopt;
    sum += *units;
  }
  return sum;
}

DesignLoad designLoad(const ProjectTables& tables) {
  std::int64_t heating = 0;
  std::int64_t cooling = 0;
  for (int p = 1; p <= kPages; ++p) {
    heating += calculatePage(tables, p, kHeating).total;
    cooling += calculatePage(tables, p, kCooling).total;
  }
  return designLoad(tables, heating, cooling);
}

DesignLoad designLoad(const ProjectTables& tables, std::int64_t zonesHeating, std::int64_t zonesCooling) {
  const HouseValues& house = tables.House;
  DesignLoad load;
  load.airAndPeopleEntered = house.anyAirAndPeople();
  load.zonesHeating = zonesHeating;
  load.zonesCooling = zonesCooling;

  // The exact floor area of each page and of the house. The shares divide
  // the exact sums, so that they add up to the whole house; a sum without a
  // value counts as no floor at all.
  std::array<WideInteger, kPages> pageUnits{};
  WideInteger houseUnits = 0;
  bool known = true;
  for (int p = 1; p <= kPages; ++p) {
    const std::optional<WideInteger> units = pageFloorAreaUnits(tables, p);
    known = known && units;
    pageUnits[static_cast<std::size_t>(p - 1)] = units.value_or(0);
    houseUnits += units.value_or(0);
  }
  if (!known) {
    pageUnits = {};
    houseUnits = 0;
  }
  load.zonesFloorArea = squareFeet(houseUnits);
  load.floorArea = house[HouseValue::FloorArea].value_or(load.zonesFloorArea);

  for (int p = 1; p <= kPages; ++p) {
    PageAir& page = load.pages[static_cast<std::size_t>(p - 1)];
    const WideInteger units = pageUnits[static_cast<std::size_t>(p - 1)];
    page.floorArea = squareFeet(units);
    // Without any floor of the zones, page 1 takes the whole house.
    page.share = houseUnits == 0 ? (p == 1 ? 1.0 : 0.0) : static_cast<double>(units) / static_cast<double>(houseUnits);
    page.parts = pageAir(tables, p, load.floorArea, page.share);
    add(load.air, page.parts);
  }

  const double occupants = house.orZero(HouseValue::Occupants);  // whole, 0..50
  load.peopleSensible = wholeBtu(kPersonSensible * occupants);
  load.peopleLatent = wholeBtu(kPersonLatent * occupants);
  load.appliances = wholeBtu(house.orZero(HouseValue::Appliances));

  const AirParts& air = load.air;
  load.heating = withinWholeBtuLimit(zonesHeating + air.leakageHeating + air.ventilationHeating);
  load.coolingSensible = withinWholeBtuLimit(zonesCooling + air.leakageCooling + air.ventilationCooling +
                                             load.peopleSensible + load.appliances);
  load.coolingLatent = withinWholeBtuLimit(
      std::max<std::int64_t>(0, air.leakageLatent + air.ventilationLatent + load.peopleLatent));
  finishLoad(load, conditionedArea(house, known ? std::optional(houseUnits) : std::nullopt));
  return load;
}

DesignLoad designLoad(const ProjectTables& tables, std::int64_t zonesHeating, std::int64_t zonesCooling,
                      const DetailedDesign& detailed) {
  DesignLoad load = designLoad(tables, zonesHeating, zonesCooling);
  const DetailedLoads& house = detailed.house;
  load.components = house;
  load.ducts = detailed.ducts;
  load.airAndPeopleEntered = load.airAndPeopleEntered || tables.Details.anyEntered();
  AirParts& air = load.air;
  air.leakageHeating = house.heating[Component::Infiltration];
  air.leakageCooling = house.coolingSensible[Component::Infiltration];
  air.leakageLatent = house.coolingLatent[Component::Infiltration];
  air.ventilationHeating = house.heating[Component::Ventilation];
  air.ventilationCooling = house.coolingSensible[Component::Ventilation];
  air.ventilationLatent = house.coolingLatent[Component::Ventilation];
  load.peopleSensible = detailed.peopleSensible;
  load.peopleLatent = detailed.peopleLatent;
  load.appliances = detailed.appliancesSensible;
  load.heating = withinWholeBtuLimit(house.heatingTotal());
  load.coolingSensible = withinWholeBtuLimit(house.coolingSensibleTotal());
  load.coolingLatent = withinWholeBtuLimit(house.coolingLatentTotal());
  load.floorAreaFigure = std::nullopt;
  load.heatingPerFloorArea = load.coolingPerFloorArea = std::nullopt;
  load.zonesHeatingPerFloorArea = load.zonesCoolingPerFloorArea = load.floorAreaPerTon = std::nullopt;
  finishLoad(load, conditionedArea(tables.House, zonesFloorAreaUnits(tables)));
  return load;
}

}  // namespace kovrin
