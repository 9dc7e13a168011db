#include "house/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

#include "house/housedesign.h"
#include "model/selections.h"
#include "sampleprojects.h"

namespace kovrin {
namespace {

// The project file with the glass direction lines of every block (items
// 8..17 of its 150 lines) turned by `rotation`, as a user would edit them.
std::string turnedByHand(const std::string& text, int rotation) {
  std::string out;
  for (std::size_t start = 0, line = 0; start < text.size(); ++line) {
    const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
    const std::size_t item = line % 150 + 1;
    const bool direction = line < 750 && item >= 8 && item <= 17;
    out += direction ? " " + std::to_string(turnedDirection(std::stoi(text.substr(start)), rotation)) + "\r\n"
                     : text.substr(start, end - start);
    start = end;
  }
  return out;
}

// west.prj: zones 1 and 2 have 100 and 50 ft² of glass facing W, zone 3
// 20 ft² facing N; single glass, no shading, U 1, a cooling difference of
// 10 °F and no duct gain, so each glass load of the page calculation is its
// area times its factor (E and W 81, NE and NW 56, SE and SW 70, N 23,
// S 40). Turn 4 (180°) faces the west glass east and the north glass
// south: 150 x 81 + 20 x 40 = 12950, the rooms' highest; turn 2 (90°)
// faces the west glass north: 150 x 23 + 20 x 81 = 5070, their lowest.
//
// The design load turns the detailed method's windows with the house: each
// turn is the house whose file has its directions turned by hand, the
// worst is the highest design cooling total (the first of equals), and the
// project sizes for it.
TEST(Orientation, EachTurnIsTheHouseWithItsDirectionsTurnedByHand) {
  const std::string text = testing::readBytes(std::filesystem::path(KOVRIN_TEST_DATA_DIR) / "house/west.prj");
  ProjectTables drawn;
  ASSERT_TRUE(parseProject(text, "west.prj", drawn));
  const HouseDesign design = designHouse(drawn);
  const HouseOrientations& turns = design.orientations;

  const std::int64_t zones[kTurns] = {12610, 9520, 5070, 9800, 12950, 11900, 7620, 11620};
  std::int64_t highest = turns.turns[0].coolingTotal;
  std::int64_t lowest = highest;
  int worst = 0;
  for (int k = 0; k < kTurns; ++k) {
    SCOPED_TRACE(k);
    const Orientation& turn = turns.turns[static_cast<std::size_t>(k)];
    EXPECT_EQ(turn.degrees, 45 * k);
    EXPECT_EQ(turn.coolingZones, zones[k]);
    ProjectTables edited;
    ASSERT_TRUE(parseProject(turnedByHand(text, k), "turned.prj", edited));
    const HouseDesign byHand = designHouse(edited);
    const Orientation& asDrawn = byHand.orientations.turns[0];
    EXPECT_EQ(std::pair(asDrawn.coolingZones, asDrawn.coolingTotal), std::pair(turn.coolingZones, turn.coolingTotal));
    EXPECT_EQ(turn.coolingTotal, byHand.load.coolingTotal);
    if (turn.coolingTotal > highest) worst = k;
    highest = std::max(highest, turn.coolingTotal);
    lowest = std::min(lowest, turn.coolingTotal);
  }
  EXPECT_EQ(turns.worst, worst);
  EXPECT_EQ(turns.spread, highest - lowest);
  EXPECT_EQ(design.sizingRotation, worst);
  EXPECT_EQ(design.sizes.coolingLoad, highest);
  EXPECT_EQ(design.load.coolingTotal, turns.turns[0].coolingTotal) << "the design load is the house as drawn";
  EXPECT_GT(turns.spread, 0);
}

// The sample house with random selections, cooling criteria and glass.
ProjectTables randomProject(std::mt19937& random) {
  const auto whole = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  ProjectTables t = testing::loadSample("house.prj");
  for (int item = 1; item <= kListSelectionItems; ++item) {
    t.selection(item) = whole(1, static_cast<int>(selectionEntries(item).size()));
  }
  for (int p = 1; p <= kPages; ++p) {
    t.integer(p, irow::SummerDesignTemp) = whole(50, 125);
    t.integer(p, irow::SummerThermostat) = whole(60, 100);
    t.real(p, rrow::SummerDuctMultiplier) = static_cast<float>(whole(0, 50)) / 100;
    for (int c = 1; c <= kZoneColumns; ++c) {
      t.zone(p, c, ZoneQuantity::GlassArea) = static_cast<float>(whole(0, 4000)) / 10;
    }
  }
  return t;
}

TEST(Orientation, TurnsOfRandomHousesAreThePageCalculationsOwn) {
  std::mt19937 random(21);
  for (int i = 0; i < 100; ++i) {
    SCOPED_TRACE(i);
    ProjectTables tables = randomProject(random);
    EXPECT_EQ(turnHouse(tables, designLoad(tables)).turns[0].coolingZones, summarizeHouse(tables).cooling);

    // With every glass facing one way, turn k is the house facing the k-th
    // direction after it.
    const int direction = std::uniform_int_distribution<int>(1, 8)(random);
    const auto facing = [&tables](int d) {
      for (int c = 1; c <= kZoneColumns; ++c) tables.selection(sel::GlassDirection(c)) = d;
    };
    facing(direction);
    const HouseOrientations turns = turnHouse(tables, designLoad(tables));
    for (int k = 0; k < kTurns; ++k) {
      facing(turnedDirection(direction, k));
      EXPECT_EQ(turns.turns[static_cast<std::size_t>(k)].coolingZones, summarizeHouse(tables).cooling) << k;
    }
  }
}

}  // namespace
}  // namespace kovrin
