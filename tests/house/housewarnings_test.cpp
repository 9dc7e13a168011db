#include "house/housewarnings.h"

#include <gtest/gtest.h>

#include "model/defaults.h"

namespace kovrin {
namespace {

// Page 2 has input, other duct multipliers, outside walls in zone 16, partition
// walls without a difference in zones 18 and 20 and with one in zone 19;
// page 3 has other conditions but no input. Zone 20's walls are entered in
// its details, which the design load takes.
TEST(HouseWarnings, OnlyPagesWithOtherConditionsAndPartitionWallsThatAddNothing) {
  ProjectTables tables = defaultProject();
  tables.real(2, rrow::WinterDuctMultiplier) = 0.125f;  // a tie: rounded away from zero
  tables.integer(3, irow::WinterThermostat) = 70;
  for (const int column : {6, 8, 9, 10}) tables.zone(2, column, ZoneQuantity::WallArea) = 120.0f;
  tables.Details.zone(20).walls.emplace();
  tables.integer(2, irow::PartitionDT(9)) = 10;
  EXPECT_EQ(summarizeHouse(tables).warnings,
            (std::vector<std::string>{"Page 2 uses other design conditions: duct multipliers 0.00/0.13 (page 1: "
                                      "0.00/0.00).",
                                      "Zone 18: its walls count as partitions with a temperature difference of 0, "
                                      "so they add no load. Enter the difference, or use zones 1\u20136 for "
                                      "outside walls."}));
}

}  // namespace
}  // namespace kovrin
