// A house with a duct system entered, as the detailed design load takes
// it: in every turn of the house the ducts' load is the duct system's on
// that turn's own loads, the zones' shares add up to the house's, and the
// pages' duct multipliers count no more.
#include "detailed/detailedducts.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sampleprojects.h"

namespace kovrin {
namespace {

TEST(DetailedDucts, EachTurnTakesItsOwnDuctLoadSharedAmongTheZones) {
  ProjectTables tables = testing::loadTestProject("house/west.prj");
  tables.Ducts.SupplyLocation = DuctLocation::VentedAttic;
  tables.Ducts.ReturnLocation = DuctLocation::Garage;
  tables.Ducts.Sealing = DuctSealing::Leaky;

  ProjectTables otherMultipliers = tables;
  for (int page = 1; page <= kPages; ++page) {
    otherMultipliers.real(page, rrow::WinterDuctMultiplier) = 0.5f;
    otherMultipliers.real(page, rrow::SummerDuctMultiplier) = 0.75f;
  }

  for (int rotation = 0; rotation < 8; ++rotation) {
    SCOPED_TRACE(rotation);
    const DetailedDesign design = detailedDesign(tables, rotation);
    EXPECT_EQ(design.ducts, DuctSource::DuctSystem);
    const DetailedLoads& house = design.house;

    RoomLoads rooms;
    rooms.heating = static_cast<double>(house.heatingTotal() - house.heating[Component::Ducts]);
    rooms.coolingSensible = static_cast<double>(house.coolingSensibleTotal() - house.coolingSensible[Component::Ducts] -
                                                house.coolingSensible[Component::BlowerHeat]);
    rooms.coolingLatent = static_cast<double>(house.coolingLatent.total() - house.coolingLatent[Component::Ducts]);
    const DuctLoads own = ductLoads(design.ductInputs, design.ductConditions, rooms);
    EXPECT_GT(own.heating, 0);
    EXPECT_EQ(house.heating[Component::Ducts], own.heating);
    EXPECT_EQ(house.coolingSensible[Component::Ducts], own.coolingSensible);
    EXPECT_EQ(house.coolingLatent[Component::Ducts], own.coolingLatent);

    // Each zone's share by its own load, within the unit that rounding
    // moves; the shares add up to the house's exactly.
    std::int64_t heating = 0;
    std::int64_t sensible = 0;
    for (std::size_t i = 0; i < kZones; ++i) {
      const DetailedLoads& zone = design.zones[i];
      const double zoneHeating = static_cast<double>(zone.heatingTotal() - zone.heating[Component::Ducts]);
      const double expected = static_cast<double>(own.heating) * zoneHeating / rooms.heating;
      EXPECT_LE(std::abs(static_cast<double>(zone.heating[Component::Ducts]) - expected), 1.0) << "zone " << i + 1;
      EXPECT_EQ(zone.coolingLatent[Component::Ducts], 0);
      heating += zone.heating[Component::Ducts];
      sensible += zone.coolingSensible[Component::Ducts];
    }
    EXPECT_EQ(heating, own.heating);
    EXPECT_EQ(sensible, own.coolingSensible);

    EXPECT_EQ(detailedDesign(otherMultipliers, rotation).house, house);
  }
}

// What heats the ducts' air, when not said, follows the equipment: a heat
// pump's 105 °F air for a heat pump alone, a furnace's otherwise.
TEST(DetailedDucts, TheHeatingProposedFollowsTheEquipment) {
  const struct {
    std::optional<SystemType> system;
    std::optional<DuctHeating> entered;
    DuctHeating taken;
  } rows[] = {
      {std::nullopt, std::nullopt, DuctHeating::Furnace},
      {SystemType::FurnaceAndAirConditioner, std::nullopt, DuctHeating::Furnace},
      {SystemType::HeatPump, std::nullopt, DuctHeating::HeatPump},
      {SystemType::DualFuel, std::nullopt, DuctHeating::Furnace},
      {SystemType::HeatPump, DuctHeating::Furnace, DuctHeating::Furnace},
  };
  ProjectTables tables = testing::loadTestProject("house/west.prj");
  tables.Ducts.SupplyLocation = DuctLocation::VentedAttic;
  const std::int64_t furnace = detailedDesign(tables, 0).house.heating[Component::Ducts];
  for (const auto& row : rows) {
    tables.Equipment.System = row.system;
    tables.Ducts.Heating = row.entered;
    const DetailedDesign design = detailedDesign(tables, 0);
    EXPECT_EQ(design.ductInputs.heating, row.taken);
    EXPECT_EQ(design.house.heating[Component::Ducts] == furnace, row.taken == DuctHeating::Furnace);
  }
}

}  // namespace
}  // namespace kovrin
