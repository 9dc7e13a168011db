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

}  // namespace
}  // namespace kovrin
