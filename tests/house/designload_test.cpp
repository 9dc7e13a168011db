#include "house/designload.h"

#include <gtest/gtest.h>

#include <functional>

#include "house/housedesign.h"
#include "sampleprojects.h"

namespace kovrin {
namespace {

using testing::loadTestProject;

// design.prj has every value of the house entered: F 2400 ft², ceiling
// 8.5 ft, 0.35 and 0.2 air changes, 90 CFM of ventilation recovering 70 %
// sensible and 50 % latent, 5 occupants, 1500.5 Btu/h of appliances,
// 35 grains, a system of 1000 CFM. Its rooms are partition walls, which
// heat and cool by their own difference: zone 7 on page 1 (floor 1200 ft²,
// wall 0.5 x 100 at 20 °F) and zone 17 on page 2 (floor 800 ft², wall
// 0.25 x 200 at 30 °F).
//
// Page 1: winter 70 / -10 (dTw 80, duct 0.25), summer 95 / 75 (dTs 20, duct
// 0.125). Ah = 2000, s = 1200 / 2000 = 0.6, V = 2400 x 8.5 x 0.6 = 12240 ft³.
//   rooms      heating 50 x 20 x 1.25 = 1250, cooling 50 x 20 x 1.125 = 1125
//   leakage    winter 0.35 x 12240 / 60 = 71.4 CFM, summer 0.2 x 12240 / 60 = 40.8 CFM
//              heating 1.08 x 71.4 x 80 x 1.25 = 7711.2 -> 7711
//              cooling 1.08 x 40.8 x 20 x 1.125 = 991.44 -> 991
//              latent  0.68 x 40.8 x 35 = 971.04 -> 971
//   ventilation Q = 90 x 0.6 = 54 CFM
//              heating 1.08 x 54 x 0.3 x 80 = 1399.68 -> 1400
//              cooling 1.08 x 54 x 0.3 x 20 = 349.92 -> 350
//              latent  0.68 x 54 x 0.5 x 35 = 642.6 -> 643
// Page 2 alike (winter 68 / -40, dTw 108, duct 0.5; summer 110 / 76,
// dTs 34, duct 0.25; s 0.4, V 8160): rooms 2250 and 1875; leakage 8328.096
// -> 8328, 1248.48 -> 1248, 647.36 -> 647; ventilation 1259.712 -> 1260,
// 396.576 -> 397, 428.4 -> 428.
// House: people 230 x 5 = 1150 and 200 x 5 = 1000, appliances 1500.5 -> 1501.
//   heating  3500 + 7711 + 8328 + 1400 + 1260                 = 22199
//   sensible 3000 + 991 + 1248 + 350 + 397 + 1150 + 1501      = 8637
//   latent   971 + 647 + 643 + 428 + 1000                     = 3689
//   total 12326 Btu/h, 1.03 tons, sensible heat ratio 8637 / 12326 = 0.70.
TEST(DesignLoad, EveryInputEnteredGivesTheFiguresComputedByHand) {
  const ProjectTables tables = loadTestProject("house/design.prj");
  const HouseDesign design = designHouse(tables);
  const DesignLoad& load = design.load;

  EXPECT_TRUE(load.airAndPeopleEntered);
  EXPECT_EQ(load.zonesFloorArea, 2000.0);
  EXPECT_EQ(load.floorArea, 2400.0);
  EXPECT_EQ(load.pages[0].share, 0.6);
  EXPECT_EQ(load.pages[0].parts, (AirParts{7711, 991, 971, 1400, 350, 643}));
  EXPECT_EQ(load.pages[1].parts, (AirParts{8328, 1248, 647, 1260, 397, 428}));
  EXPECT_EQ(load.air, (AirParts{16039, 2239, 1618, 2660, 747, 1071}));
  EXPECT_EQ(load.pages[2].parts, AirParts{}) << "a page without zones has no share of the house";

  const HouseSummary summary = summarizeHouse(tables);
  EXPECT_EQ(load.zonesHeating, 3500);
  EXPECT_EQ(load.zonesHeating, summary.heating);
  EXPECT_EQ(load.zonesCooling, 3000);
  EXPECT_EQ(load.zonesCooling, summary.cooling);
  EXPECT_EQ(load.peopleSensible, 1150);
  EXPECT_EQ(load.peopleLatent, 1000);
  EXPECT_EQ(load.appliances, 1501) << "1500.5 rounds away from zero";
  EXPECT_EQ(load.heating, 22199);
  EXPECT_EQ(load.coolingSensible, 8637);
  EXPECT_EQ(load.coolingLatent, 3689);
  EXPECT_EQ(load.coolingTotal, 12326);
  EXPECT_EQ(figureText(load.coolingTons, kTonsDecimals), "1.03");
  EXPECT_EQ(figureText(load.sensibleHeatRatio, kRatioDecimals, "-"), "0.70");

  // The system's 1000 CFM by the zones' loads: 1000 x 1250 / 3500 = 357.1,
  // 1000 x 2250 / 3500 = 642.9; cooling 1125 and 1875 of 3000.
  EXPECT_EQ(design.heatingAirflow[6], 357);
  EXPECT_EQ(design.heatingAirflow[16], 643);
  EXPECT_EQ(design.coolingAirflow[6], 375);
  EXPECT_EQ(design.coolingAirflow[16], 625);
  EXPECT_EQ(design.coolingAirflow[0], 0) << "a zone without load";
  // No glass: every turn is alike, and the smallest turn is the worst.
  EXPECT_EQ(design.orientations.worst, 0);
  EXPECT_EQ(design.orientations.spread, 0);
  EXPECT_EQ(design.sizes.coolingLoad, 12326);
  EXPECT_EQ(design.proposedSystemAirflow, 411) << "12326 x 400 / 12000 = 410.9";
}

TEST(DesignLoad, WhatIsNotEnteredCountsAsNothing) {
  struct Case {
    const char* name;
    std::function<void(ProjectTables&)> change;
    std::int64_t heating, sensible, latent;
    double pageOneShare;
  };
  const Case cases[] = {
      {"nothing entered: the rooms alone", [](ProjectTables& t) { t.House = {}; }, 3500, 3000, 0, 0.6},
      // V = 2400 x 8.5 on page 1: leakage 1.08 x 119 x 80 x 1.25 = 12852,
      // 1.08 x 68 x 20 x 1.125 = 1652.4, 0.68 x 68 x 35 = 1618.4; ventilation
      // 1.08 x 90 x 0.3 x 80 = 2332.8, x 20 = 583.2, 0.68 x 90 x 0.5 x 35 = 1071.
      {"no floor in any zone: page 1 takes the whole house",
       [](ProjectTables& t) {
         t.zone(1, 7, ZoneQuantity::FloorArea) = 0.0f;
         t.zone(2, 7, ZoneQuantity::FloorArea) = 0.4f;  // below half a square foot: no floor
       },
       3500 + 12852 + 2333, 3000 + 1652 + 583 + 1150 + 1501, 1618 + 1071 + 1000, 1.0},
      // Every latent part negative: -2774 - 1850 - 1836 - 1224 + 1000 < 0.
      {"a dry climate leaves no latent load",
       [](ProjectTables& t) { t.House[HouseValue::MoistureDifference] = -100.0; }, 22199, 8637, 0, 0.6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables tables = loadTestProject("house/design.prj");
    c.change(tables);
    const DesignLoad load = designLoad(tables);
    EXPECT_EQ(load.heating, c.heating);
    EXPECT_EQ(load.coolingSensible, c.sensible);
    EXPECT_EQ(load.coolingLatent, c.latent);
    EXPECT_EQ(load.coolingTotal, c.sensible + c.latent);
    EXPECT_EQ(load.pages[0].share, c.pageOneShare);
  }
}

}  // namespace
}  // namespace kovrin
