#include "house/housesummary.h"

#include <gtest/gtest.h>

#include <numeric>

#include "sampleprojects.h"

namespace kovrin {
namespace {

using testing::calculateShown;
using testing::kSampleProjects;
using testing::loadSample;

TEST(HouseSummary, LoadsAreThoseCalculateShows) {
  for (const char* name : kSampleProjects) {
    SCOPED_TRACE(name);
    const ProjectTables tables = loadSample(name);
    const HouseSummary summary = summarizeHouse(tables);
    std::int64_t heating = 0;
    std::int64_t cooling = 0;
    for (int p = 1; p <= kPages; ++p) {
      SCOPED_TRACE(p);
      const testing::ShownResults shownHeating = calculateShown(tables, p, kHeating);
      const testing::ShownResults shownCooling = calculateShown(tables, p, kCooling);
      for (int c = 1; c <= kZoneColumns; ++c) {
        const ZoneSummary& zone = summary.zones[static_cast<std::size_t>(zoneNumber(p, c) - 1)];
        EXPECT_EQ(zone.zone, zoneNumber(p, c));
        EXPECT_EQ(zone.page, p);
        EXPECT_EQ(zone.column, c);
        EXPECT_EQ(zone.heating, shownHeating.zoneLoad[c - 1]) << "zone " << zone.zone;
        EXPECT_EQ(zone.cooling, shownCooling.zoneLoad[c - 1]) << "zone " << zone.zone;
        EXPECT_EQ(zone.heatingAirShare, shownHeating.airShare[c - 1]) << "zone " << zone.zone;
        EXPECT_EQ(zone.coolingAirShare, shownCooling.airShare[c - 1]) << "zone " << zone.zone;
      }
      const PageSummary& page = summary.pages[static_cast<std::size_t>(p - 1)];
      EXPECT_EQ(page.heating, shownHeating.total);
      EXPECT_EQ(page.cooling, shownCooling.total);
      EXPECT_EQ(page.airTotal, tables.integer(p, irow::PageAirTotal));
      heating += shownHeating.total;
      cooling += shownCooling.total;
    }
    EXPECT_EQ(summary.heating, heating);
    EXPECT_EQ(summary.cooling, cooling);
  }
}

TEST(HouseSummary, PartsAddUpToEveryZoneLoad) {
  // house.prj has doors, floor, roof, walls and glass in every zone, so each
  // part of each load is a real step of the calculation.
  const HouseSummary summary = summarizeHouse(loadSample("house.prj"));
  for (const ZoneSummary& zone : summary.zones) {
    SCOPED_TRACE(zone.zone);
    EXPECT_TRUE(zone.hasInput);
    for (const auto& [parts, load] : {std::pair{zone.heatingParts, zone.heating}, std::pair{zone.coolingParts, zone.cooling}}) {
      for (std::int32_t part : parts) EXPECT_NE(part, 0);
      EXPECT_EQ(std::accumulate(parts.begin(), parts.end(), std::int64_t{0}), load);
    }
  }
}

TEST(HouseSummary, ZonesWithInput) {
  const HouseSummary summary = summarizeHouse(loadSample("sparse.prj"));
  for (const ZoneSummary& zone : summary.zones) EXPECT_EQ(zone.hasInput, zone.zone == 3) << zone.zone;

  // One non-zero quantity of a zone is enough, a negative one included.
  ProjectTables tables;
  tables.zone(4, 9, ZoneQuantity::GlassArea) = -0.5f;
  tables.zone(2, 1, ZoneQuantity::DoorU) = 1e-30f;
  tables.real(2, rrow::ReservedSlot) = 5.0f;  // not an input of any zone
  const HouseSummary other = summarizeHouse(tables);
  for (const ZoneSummary& zone : other.zones) EXPECT_EQ(zone.hasInput, zone.zone == 39 || zone.zone == 11) << zone.zone;
}

TEST(HouseSummary, HouseTotalsPassThe32BitRange) {
  // Five pages near the top of the 32-bit range: the house total is summed
  // in 64 bits and stays exact.
  ProjectTables tables;
  for (int p = 1; p <= kPages; ++p) {
    tables.integer(p, irow::WinterThermostat) = 1;
    tables.zone(p, 1, ZoneQuantity::WallU) = 1.0f;
    tables.zone(p, 1, ZoneQuantity::WallArea) = 2000000000.0f;
  }
  const HouseSummary summary = summarizeHouse(tables);
  EXPECT_EQ(summary.pages[0].heating, 2000000000);
  EXPECT_EQ(summary.heating, 10000000000);
}

TEST(HouseSummary, TonsRoundHalfAwayFromZero) {
  struct Case {
    std::int64_t btu;
    const char* tons;
  };
  const Case cases[] = {
      {0, "0.00"},        {59, "0.00"},      {60, "0.01"},           {-60, "-0.01"},
      {-59, "0.00"},      {179, "0.01"},     {180, "0.02"},          {12000, "1.00"},
      {80292, "6.69"},    {1199, "0.10"},    {1140, "0.10"},         {1139, "0.09"},
      {-12000, "-1.00"},  {10000000000, "833333.33"}, {10737418200, "894784.85"},
  };
  for (const Case& c : cases) EXPECT_EQ(tonsText(c.btu), c.tons) << c.btu;
}

TEST(HouseSummary, FloorAreaFiguresAreExactAndAbsentWithoutFloor) {
  // One zone, 7 on page 1, with a door of U-value 1 heated at a difference
  // of 1 °F and cooled at its partition difference of 20 °F: its heating
  // load is the door area, its cooling load 20 times that. The floor has no
  // U-value, so its area changes no load.
  struct Case {
    const char* name;
    float floorArea;
    float doorArea;
    const char* zoneArea;
    const char* heatingPerArea;
    const char* coolingPerArea;
    const char* houseArea;
    const char* perTon;
  };
  const Case cases[] = {
      {"plain", 100.0f, 250.0f, "100", "2.5", "50.0", "100", "240"},
      {"a tie rounds away from zero", 20.0f, 1.0f, "20", "0.1", "1.0", "20", "12000"},
      // 10 x 2 / 1.6 would be 12.5, but 1.6 is stored a little above it.
      {"the stored area, not its decimal", 1.6f, 2.0f, "2", "1.2", "25.0", "2", "480"},
      {"half a square foot is a floor", 0.5f, 1.0f, "1", "2.0", "40.0", "1", "300"},
      {"less is none", 0.49f, 1.0f, "0", "-", "-", "0", "-"},
      {"no cooling, no ft² per ton", 100.0f, 0.0f, "100", "0.0", "0.0", "100", "-"},
      {"ft² per ton ties away from zero", 1.0f, 1200.0f, "1", "1200.0", "24000.0", "1", "1"},
      {"beyond 2^56 ft²", 1e17f, 1.0f, "-", "-", "-", "-", "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables tables;
    tables.integer(1, irow::WinterThermostat) = 1;
    tables.integer(1, irow::PartitionDT(7)) = 20;
    tables.zone(1, 7, ZoneQuantity::FloorArea) = c.floorArea;
    tables.zone(1, 7, ZoneQuantity::DoorU) = 1.0f;
    tables.zone(1, 7, ZoneQuantity::DoorArea) = c.doorArea;
    const HouseSummary summary = summarizeHouse(tables);
    const ZoneSummary& zone = summary.zones[6];
    EXPECT_EQ(figureText(zone.floorArea, kFloorAreaDecimals, "-"), c.zoneArea);
    EXPECT_EQ(figureText(zone.heatingPerFloorArea, kPerFloorAreaDecimals, "-"), c.heatingPerArea);
    EXPECT_EQ(figureText(zone.coolingPerFloorArea, kPerFloorAreaDecimals, "-"), c.coolingPerArea);
    EXPECT_EQ(figureText(summary.floorArea, kFloorAreaDecimals, "-"), c.houseArea);
    EXPECT_EQ(summary.heatingPerFloorArea, zone.heatingPerFloorArea);
    EXPECT_EQ(summary.coolingPerFloorArea, zone.coolingPerFloorArea);
    EXPECT_EQ(figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, "-"), c.perTon);
  }
}

TEST(HouseSummary, FigureTexts) {
  struct Case {
    std::int64_t scaled;
    int decimals;
    const char* plain;
    const char* grouped;
  };
  const Case cases[] = {
      {0, 1, "0.0", "0.0"},
      {-5, 1, "-0.5", "-0.5"},
      {189284, 0, "189284", "189,284"},
      {-1234567, 1, "-123456.7", "-123,456.7"},
      {999, 0, "999", "999"},
      {INT64_MIN, 2, "-92233720368547758.08", "-92,233,720,368,547,758.08"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(figureText(c.scaled, c.decimals), c.plain);
    EXPECT_EQ(figureText(c.scaled, c.decimals, Grouping::Thousands), c.grouped);
  }
}

}  // namespace
}  // namespace kovrin
