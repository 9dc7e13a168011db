#include "house/housedesign.h"

#include "calc/pageloads.h"

namespace kovrin {

HouseDesign designHouse(const ProjectTables& tables) {
  std::array<PageLoads, kPages> heating;
  std::array<PageLoads, kPages> cooling;
  std::int64_t zonesHeating = 0;
  std::int64_t zonesCooling = 0;
  for (int p = 1; p <= kPages; ++p) {
    heating[static_cast<std::size_t>(p - 1)] = calculatePage(tables, p, kHeating);
    cooling[static_cast<std::size_t>(p - 1)] = calculatePage(tables, p, kCooling);
    zonesHeating += heating[static_cast<std::size_t>(p - 1)].total;
    zonesCooling += cooling[static_cast<std::size_t>(p - 1)].total;
  }

  HouseDesign design;
  design.house = tables.House;
  design.load = designLoad(tables, zonesHeating, zonesCooling);
  design.orientations = turnHouse(tables, design.load);
  if (tables.House.SizeFor == SizingOrientation::Worst) design.sizingRotation = design.orientations.worst;
  const std::int64_t coolingLoad =
      design.orientations.turns[static_cast<std::size_t>(design.sizingRotation)].coolingTotal;
  design.sizes = sizeEquipment(coolingLoad, design.load.heating);
  design.proposedSystemAirflow = proposedSystemAirflow(coolingLoad);

  const std::optional<double>& system = tables.House[HouseValue::SystemAirflow];
  for (int p = 1; p <= kPages; ++p) {
    const PageLoads& pageHeating = heating[static_cast<std::size_t>(p - 1)];
    const PageLoads& pageCooling = cooling[static_cast<std::size_t>(p - 1)];
    for (int c = 1; c <= kZoneColumns; ++c) {
      const auto zone = static_cast<std::size_t>(zoneNumber(p, c) - 1);
      const auto column = static_cast<std::size_t>(c - 1);
      design.heatingAirflow[zone] = zoneAirflow(system, pageHeating.zoneLoad[column], zonesHeating);
      design.coolingAirflow[zone] = zoneAirflow(system, pageCooling.zoneLoad[column], zonesCooling);
    }
  }
  return design;
}

}  // namespace kovrin
