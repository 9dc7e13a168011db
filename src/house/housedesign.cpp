#include "house/housedesign.h"

#include "house/wholenumbers.h"

namespace kovrin {

DesignLoad sizedLoad(const HouseDesign& design) {
  DesignLoad load = design.load;
  const Orientation& sized = design.orientations.turns[static_cast<std::size_t>(design.sizingRotation)];
  load.coolingSensible = sized.coolingSensible;
  load.coolingTotal = sized.coolingTotal;
  load.coolingLatent = sized.coolingTotal - sized.coolingSensible;
  load.coolingTons = static_cast<std::int64_t>(roundedQuotient(load.coolingTotal, kBtuPerTon / 100));
  return load;
}

HouseDesign designHouse(const ProjectTables& tables) { return designHouse(tables, summarizeHouse(tables)); }

HouseDesign designHouse(const ProjectTables& tables, const HouseSummary& summary) {
  HouseDesign design;
  design.house = tables.House;
  design.details = tables.Details.house;
  design.zonesWithOwnGains = tables.Details.zonesWithOwnGains();
  design.detailed = detailedDesign(tables);
  design.ducts = tables.Ducts;
  design.system = tables.Equipment.System;
  design.load = designLoad(tables, summary.heating, summary.cooling, design.detailed);
  design.orientations = turnHouse(tables, design.load, design.detailed);
  if (tables.House.SizeFor == SizingOrientation::Worst) design.sizingRotation = design.orientations.worst;
  const std::int64_t coolingLoad =
      design.orientations.turns[static_cast<std::size_t>(design.sizingRotation)].coolingTotal;
  design.sizes = sizeEquipment(coolingLoad, design.load.heating);
  design.proposedSystemAirflow = proposedSystemAirflow(coolingLoad);

  // The system's air follows each room's detailed load, its share of the
  // outdoor air and people included.
  const std::optional<double>& system = tables.House[HouseValue::SystemAirflow];
  std::int64_t roomsHeating = 0;
  std::int64_t roomsCooling = 0;
  for (const DetailedLoads& zone : design.detailed.zones) {
    roomsHeating += zone.heatingTotal();
    roomsCooling += zone.coolingSensibleTotal();
  }
  for (std::size_t zone = 0; zone < kZones; ++zone) {
    const DetailedLoads& loads = design.detailed.zones[zone];
    design.heatingAirflow[zone] = zoneAirflow(system, loads.heatingTotal(), roomsHeating);
    design.coolingAirflow[zone] = zoneAirflow(system, loads.coolingSensibleTotal(), roomsCooling);
  }
  return design;
}

}  // namespace kovrin
