#include "house/housewarnings.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/defaults.h"

namespace kovrin {
namespace {

// Page 1 and zone 12 (page 2) have input; each case changes the project
// and gives the lines it must warn with.
TEST(HouseWarnings, PagesWithOtherConditionsAndPartitionWallsWithoutDifference) {
  const struct {
    const char* name;
    std::function<void(ProjectTables&)> change;
    std::vector<std::string> lines;
  } cases[] = {
      {"alike", [](ProjectTables&) {}, {}},
      {"design temperatures and ducts",
       [](ProjectTables& t) {
         t.integer(2, irow::SummerDesignTemp) = 110;
         t.real(2, rrow::WinterDuctMultiplier) = 0.125f;
       },
       {"Page 2 uses other design conditions: 110/28\u00A0\u00B0F outdoors (page 1: 93/28\u00A0\u00B0F); duct "
        "multipliers 0.00/0.13 (page 1: 0.00/0.00)."}},
      {"thermostats", [](ProjectTables& t) { t.integer(2, irow::WinterThermostat) = 70; },
       {"Page 2 uses other design conditions: thermostats 78/70\u00A0\u00B0F (page 1: 78/65\u00A0\u00B0F)."}},
      {"a page without input", [](ProjectTables& t) { t.integer(3, irow::SummerDesignTemp) = 110; }, {}},
      {"partition walls",
       [](ProjectTables& t) {
         t.zone(2, 8, ZoneQuantity::WallArea) = 120.0f;  // zone 18: difference 0
         t.zone(2, 9, ZoneQuantity::WallArea) = 120.0f;  // zone 19: difference 10
         t.integer(2, irow::PartitionDT(9)) = 10;
         t.zone(2, 6, ZoneQuantity::WallArea) = 120.0f;  // zone 16: outside walls
       },
       {"Zone 18: its walls count as partitions with a temperature difference of 0, so they add no load. Enter "
        "the difference, or use zones 1\u20136 for outside walls."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables tables = defaultProject();
    tables.zone(1, 1, ZoneQuantity::WallU) = 0.1f;
    tables.zone(2, 2, ZoneQuantity::FloorArea) = 100.0f;
    c.change(tables);
    EXPECT_EQ(summarizeHouse(tables).warnings, c.lines);
  }
}

}  // namespace
}  // namespace kovrin
