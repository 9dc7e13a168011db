#include "house/designload.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <utility>

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
// These are the page method's figures: the rooms as the pages compute them
// with the outdoor air by the pages' multipliers.
TEST(DesignLoad, EveryInputEnteredGivesTheFiguresComputedByHand) {
  const ProjectTables tables = loadTestProject("house/design.prj");
  const DesignLoad load = designLoad(tables);

  EXPECT_EQ(load.floorArea, 2400.0);
  EXPECT_EQ(load.pages[0].share, 0.6);
  EXPECT_EQ(load.pages[0].parts, (AirParts{7711, 991, 971, 1400, 350, 643}));
  EXPECT_EQ(load.pages[1].parts, (AirParts{8328, 1248, 647, 1260, 397, 428}));
  EXPECT_EQ(load.air, (AirParts{16039, 2239, 1618, 2660, 747, 1071}));
  const HouseSummary summary = summarizeHouse(tables);
  EXPECT_EQ(std::pair(load.zonesHeating, load.zonesCooling), std::pair(summary.heating, summary.cooling));
  EXPECT_EQ((std::array{load.peopleSensible, load.peopleLatent, load.appliances}),
            (std::array<std::int64_t, 3>{1150, 1000, 1501}));
  EXPECT_EQ((std::array{load.heating, load.coolingSensible, load.coolingLatent, load.coolingTotal}),
            (std::array<std::int64_t, 4>{22199, 8637, 3689, 12326}));
  EXPECT_EQ(figureText(load.coolingTons, kTonsDecimals), "1.03");
  EXPECT_EQ(figureText(load.sensibleHeatRatio, kRatioDecimals, "-"), "0.70");

}

// The design load to buy from is the detailed one; the system's 1000 CFM
// goes to the rooms by their detailed loads, and the proposed airflow
// follows the cooling the equipment is sized for. Without glass all turns
// are alike, and the first is the worst.
TEST(DesignLoad, TheSystemAirflowFollowsTheRoomsDetailedLoads) {
  const ProjectTables tables = loadTestProject("house/design.prj");
  const HouseDesign design = designHouse(tables);
  const DetailedLoads& seven = design.detailed.zones[6];
  const DetailedLoads& seventeen = design.detailed.zones[16];
  const auto share = [](std::int64_t part, std::int64_t other) {
    return static_cast<Figure>(std::llround(1000.0 * static_cast<double>(part) / static_cast<double>(part + other)));
  };
  EXPECT_EQ((std::array{design.heatingAirflow[6], design.heatingAirflow[16], design.coolingAirflow[6],
                        design.coolingAirflow[16], design.coolingAirflow[0]}),
            (std::array<Figure, 5>{share(seven.heatingTotal(), seventeen.heatingTotal()),
                                   share(seventeen.heatingTotal(), seven.heatingTotal()),
                                   share(seven.coolingSensibleTotal(), seventeen.coolingSensibleTotal()),
                                   share(seventeen.coolingSensibleTotal(), seven.coolingSensibleTotal()), 0}));
  EXPECT_EQ(design.load.heating, design.detailed.house.heatingTotal());
  EXPECT_EQ(design.load.coolingTotal, design.detailed.house.coolingTotal());
  EXPECT_EQ(design.orientations.worst, 0);
  EXPECT_EQ(design.proposedSystemAirflow,
            std::llround(static_cast<double>(design.load.coolingTotal) * kCfmPerTon / kBtuPerTon));
}

TEST(DesignLoad, WhatIsNotEnteredCountsAsNothing) {
  const struct {
    const char* name;
    std::function<void(ProjectTables&)> change;
    std::array<std::int64_t, 3> heatingSensibleLatent;
  } cases[] = {
      {"nothing entered: the rooms alone", [](ProjectTables& t) { t.House = {}; }, {3500, 3000, 0}},
      // Page 1 alone, V = 2400 x 8.5: leakage 1.08 x 119 x 80 x 1.25 = 12852, 1.08 x 68 x 20 x 1.125
      // = 1652.4, 0.68 x 68 x 35 = 1618.4; ventilation 1.08 x 90 x 0.3 x 80 = 2332.8, x 20 = 583.2,
      // 0.68 x 90 x 0.5 x 35 = 1071. Below half a square foot is no floor.
      {"no floor in any zone: page 1 takes the whole house",
       [](ProjectTables& t) { t.zone(1, 7, ZoneQuantity::FloorArea) = t.zone(2, 7, ZoneQuantity::FloorArea) = 0.4f; },
       {3500 + 12852 + 2333, 3000 + 1652 + 583 + 1150 + 1501, 1618 + 1071 + 1000}},
      // Every latent part negative: -2774 - 1850 - 1836 - 1224 + 1000 < 0.
      {"a dry climate leaves no latent load",
       [](ProjectTables& t) { t.House[HouseValue::MoistureDifference] = -100.0; }, {22199, 8637, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables tables = loadTestProject("house/design.prj");
    c.change(tables);
    const DesignLoad load = designLoad(tables);
    EXPECT_EQ((std::array{load.heating, load.coolingSensible, load.coolingLatent}), c.heatingSensibleLatent);
    EXPECT_EQ(load.coolingTotal, load.coolingSensible + load.coolingLatent);
  }
}

}  // namespace
}  // namespace kovrin
