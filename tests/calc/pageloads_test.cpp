#include "calc/calcdata.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

#include "recordingtoolkit.h"

namespace kovrin {
namespace {

using Q = ZoneQuantity;
using Loads = std::array<std::int32_t, kZoneColumns>;

// Winter 65/28 (heating difference 37), summer 93/78 (cooling difference 15),
// duct multipliers 0, range M, wood frame, dark attic roof, slab floor,
// single pane without shading, all glass facing north, nothing in any column.
ProjectTables design(int page = 1) {
  ProjectTables t;
  t.integer(page, irow::WinterThermostat) = 65;
  t.integer(page, irow::WinterDesignTemp) = 28;
  t.integer(page, irow::SummerDesignTemp) = 93;
  t.integer(page, irow::SummerThermostat) = 78;
  t.ListSelections = {2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  return t;
}

// A component's U-value, and its area in the row after it.
void set(ProjectTables& t, int column, Q u, float uValue, float area, int page = 1) {
  t.zone(page, column, u) = uValue;
  t.zone(page, column, static_cast<Q>(static_cast<int>(u) + 1)) = area;
}

// Heating with H = 1 and a wall of U 1 whose area is the wanted load.
ProjectTables withLoads(const std::vector<float>& loads, std::int32_t air) {
  ProjectTables t = design();
  t.integer(1, irow::WinterThermostat) = 1;
  t.integer(1, irow::WinterDesignTemp) = 0;
  t.integer(1, irow::PageAirTotal) = air;
  for (std::size_t c = 0; c < loads.size(); ++c) set(t, static_cast<int>(c) + 1, Q::WallU, 1, loads[c]);
  return t;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Arrange = void (*)(ProjectTables&);

TEST(CalculatePageTest, WorkedExamples) {
  struct Case {
    const char* name;
    std::int32_t loadChoice;
    int column;  // the only column with a load
    std::int32_t load;
    Arrange setup;
  };
  const Case cases[] = {
      {"heating wall 10 x 37", kHeating, 1, 370, [](ProjectTables& t) { set(t, 1, Q::WallU, 0.1f, 100); }},
      {"heating multiplier not rounded: 1.1 x 3 is above 3.3", kHeating, 1, 33, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 1, 10);
         t.real(1, rrow::WinterDuctMultiplier) = 0.1f;
         t.integer(1, irow::WinterDesignTemp) = 62;
       }},
      {"heating partition wall, difference 0", kHeating, 7, 0,
       [](ProjectTables& t) { set(t, 7, Q::WallU, 0.1f, 100); }},
      {"heating partition door and wall", kHeating, 7, 1370, [](ProjectTables& t) {
         set(t, 7, Q::DoorU, 1, 10);
         set(t, 7, Q::WallU, 0.5f, 100);
         t.integer(1, irow::PartitionDT(7)) = 20;
       }},
      {"cooling partition door and wall", kCooling, 7, 1200, [](ProjectTables& t) {
         set(t, 7, Q::DoorU, 1, 10);
         set(t, 7, Q::WallU, 0.5f, 100);
         t.integer(1, irow::PartitionDT(7)) = 20;
       }},
      {"wood frame range M: 3.6 is just below 3.6", kCooling, 1, 185,
       [](ProjectTables& t) { set(t, 1, Q::WallU, 1, 10); }},
      {"masonry range M", kCooling, 1, 112, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 1, 10);
         t.selection(sel::WallConstruction) = 2;
       }},
      {"wall construction 7 is masonry", kCooling, 1, 112, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 1, 10);
         t.selection(sel::WallConstruction) = 7;
       }},
      {"floor multiplier rounded to single: 1.1 x 14 is below 15.4", kCooling, 2, 1539, [](ProjectTables& t) {
         set(t, 2, Q::FloorU, 1, 100);
         t.real(1, rrow::SummerDuctMultiplier) = 0.1f;
         t.selection(sel::FloorConstruction) = 4;
         t.selection(sel::DailyRange) = 1;
       }},
      {"slab floor adds nothing to cooling", kCooling, 1, 0,
       [](ProjectTables& t) { set(t, 1, Q::FloorU, 1, 100); }},
      {"floor over enclosed crawl space adds nothing", kCooling, 1, 0, [](ProjectTables& t) {
         set(t, 1, Q::FloorU, 1, 100);
         t.selection(sel::FloorConstruction) = 3;
       }},
      {"every floor counts in heating", kHeating, 1, 3700,
       [](ProjectTables& t) { set(t, 1, Q::FloorU, 1, 100); }},
      {"east single pane glass", kCooling, 3, 850, [](ProjectTables& t) {
         set(t, 3, Q::GlassU, 1, 10);
         t.selection(sel::GlassDirection(3)) = 3;
       }},
      {"west glass as east", kCooling, 3, 850, [](ProjectTables& t) {
         set(t, 3, Q::GlassU, 1, 10);
         t.selection(sel::GlassDirection(3)) = 7;
       }},
      {"glass multiplier rounded to single: 81 - 5 x 0.8 is 77", kCooling, 3, 770, [](ProjectTables& t) {
         set(t, 3, Q::GlassU, 1, 10);
         t.selection(sel::GlassDirection(3)) = 3;
         t.integer(1, irow::SummerDesignTemp) = 83;
       }},
      {"exterior shading 5 is the shade screen", kCooling, 3, 420, [](ProjectTables& t) {
         set(t, 3, Q::GlassU, 1, 10);
         t.selection(sel::GlassDirection(3)) = 3;
         t.selection(sel::ExteriorShading) = 5;
       }},
      {"partition difference 0 leaves the roof", kCooling, 8, 390, [](ProjectTables& t) {
         set(t, 8, Q::DoorU, 1, 10);
         set(t, 8, Q::WallU, 1, 10);
         set(t, 8, Q::RoofU, 1, 10);
       }},
      {"a step truncates the sum: 100 - 0.5 is 99", kCooling, 7, 99, [](ProjectTables& t) {
         set(t, 7, Q::DoorU, 1, 5);
         t.integer(1, irow::PartitionDT(7)) = 20;
         set(t, 7, Q::RoofU, 0.5f, 1);  // roof multiplier -12 + 11 = -1
         t.integer(1, irow::SummerDesignTemp) = 66;
         t.selection(sel::RoofConstruction) = 2;
         t.selection(sel::DailyRange) = 3;
       }},
      {"design temperature above the setpoint", kHeating, 1, -50, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 0.1f, 100);
         t.integer(1, irow::WinterDesignTemp) = 70;
       }},
      {"not-a-number gives 0", kHeating, 1, 0, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 0.1f, 100);
         set(t, 1, Q::GlassU, kNaN, 1);
       }},
      {"huge duct multiplier saturates", kHeating, 1, INT_MAX, [](ProjectTables& t) {
         set(t, 1, Q::WallU, 1, 1);
         t.real(1, rrow::WinterDuctMultiplier) = 1e30f;
       }},
      {"huge negative load saturates", kHeating, 1, INT_MIN,
       [](ProjectTables& t) { set(t, 1, Q::WallU, -1, 1e30f); }},
      {"infinite area saturates", kCooling, 1, INT_MAX, [](ProjectTables& t) { set(t, 1, Q::WallU, 1, kInf); }},
      {"floor multiplier beyond single precision", kCooling, 1, INT_MAX, [](ProjectTables& t) {
         set(t, 1, Q::FloorU, 1, 1);
         t.real(1, rrow::SummerDuctMultiplier) = 3e38f;
         t.selection(sel::FloorConstruction) = 5;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables t = design();
    c.setup(t);
    const PageLoads loads = calculatePage(t, 1, c.loadChoice);
    for (int column = 1; column <= kZoneColumns; ++column)
      EXPECT_EQ(loads.zoneLoad[column - 1], column == c.column ? c.load : 0) << "column " << column;
  }
}

TEST(CalculatePageTest, Shares) {
  struct Case {
    const char* name;
    std::vector<float> loads;
    std::int32_t air;
    std::int32_t total;
    bool hasShares;
    Loads shares;
  };
  const Case cases[] = {
      {"all zero", {}, 100, 0, false, {}},
      {"thirds truncate", {1, 1, 1}, 100, 3, true, {33, 33, 33}},
      {"loads that cancel", {50, -50}, 100, 0, false, {}},
      {"negative load", {30, -10}, 100, 20, true, {150, -50}},
      {"negative total", {-30, 10}, 100, -20, true, {150, -50}},
      {"product beyond 32 bits", {1000000, 500000}, 3000, 1500000, true, {2000, 1000}},
      {"quotient saturates", {1e9f, -1e9f, 1}, 100, 1, true, {INT_MAX, INT_MIN, 100}},
      {"total saturates", {2e9f, 2e9f}, 100, INT_MAX, true, {93, 93}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PageLoads loads = calculatePage(withLoads(c.loads, c.air), 1, kHeating);
    EXPECT_EQ(loads.total, c.total);
    EXPECT_EQ(loads.total != 0, c.hasShares);
    EXPECT_EQ(loads.airShare, c.shares);
  }
}

// A selection outside its list contributes a correction, floor switch, glass
// factor and glass coefficient of 0, whatever ran before. Cooling at 15 with
// a wall, roof, floor (over open crawl space) and east glass of 10 each:
// 185 + 390 + 100 + 850 when all is valid.
TEST(CalculatePageTest, SelectionsOutsideTheirLists) {
  struct Case {
    const char* name;
    int item;
    std::int32_t value;
    std::int32_t load;
  };
  const Case cases[] = {
      {"all valid", sel::DailyRange, 2, 1525},          {"daily range 0", sel::DailyRange, 0, 1150},
      {"daily range 4", sel::DailyRange, 4, 1150},      {"roof construction 5", sel::RoofConstruction, 5, 1285},
      {"floor construction 0", sel::FloorConstruction, 0, 1425}, {"glass type 6", sel::GlassType, 6, 675},
      {"interior shading 4", sel::InteriorShading, 4, 675}, {"direction 9", sel::GlassDirection(1), 9, 675},
      {"glass type INT_MIN", sel::GlassType, INT_MIN, 675},
  };
  ProjectTables other = design();
  other.ListSelections = {3, 2, 2, 5, 5, 3, 2, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
  for (int c = 1; c <= kZoneColumns; ++c) set(other, c, Q::GlassU, 1, 10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectTables t = design();
    for (Q u : {Q::WallU, Q::RoofU, Q::FloorU, Q::GlassU}) set(t, 1, u, 1, 10);
    t.selection(sel::FloorConstruction) = 5;
    t.selection(sel::GlassDirection(1)) = 3;
    t.selection(c.item) = c.value;
    const PageLoads first = calculatePage(t, 1, kCooling);
    EXPECT_EQ(first.zoneLoad[0], c.load);
    calculatePage(other, 1, kCooling);
    EXPECT_EQ(calculatePage(t, 1, kCooling).zoneLoad, first.zoneLoad);
  }
}

// A page with every component in every column and partition differences of
// both signs, in both loads.
TEST(CalculatePageTest, FullPageAndItsParts) {
  const int page = 2;
  ProjectTables a = design(page);
  for (int c = 1; c <= kZoneColumns; ++c) {
    const auto n = static_cast<float>(c);
    set(a, c, Q::DoorU, 0.45f, 17 + n, page);
    set(a, c, Q::FloorU, 0.07f, 100 + 10 * n, page);
    set(a, c, Q::RoofU, 0.031f, 95 + 10 * n, page);
    set(a, c, Q::WallU, 0.083f, 200 + 15 * n, page);
    set(a, c, Q::GlassU, 0.55f, 10 + 2 * n, page);
  }
  const std::pair<int, int> partitions[] = {{7, 15}, {8, -5}, {9, 0}, {10, 30}};
  for (auto [c, dt] : partitions) a.integer(page, irow::PartitionDT(c)) = dt;
  a.integer(page, irow::WinterThermostat) = 70; a.integer(page, irow::WinterDesignTemp) = 10;
  a.integer(page, irow::SummerThermostat) = 75; a.integer(page, irow::SummerDesignTemp) = 95;
  a.real(page, rrow::WinterDuctMultiplier) = 0.25f; a.real(page, rrow::SummerDuctMultiplier) = 0.15f;
  a.integer(page, irow::PageAirTotal) = 1200;
  a.ListSelections = {3, 2, 4, 5, 3, 2, 2, 1, 2, 3, 4, 5, 6, 7, 8, 1, 3};

  using Parts = std::array<std::int32_t, kLoadComponents>;  // doors, floor, roof, walls, glass
  struct Case {
    const char* name;
    std::int32_t loadChoice;
    Loads loads;
    std::int32_t total;
    Loads shares;
    Parts column1, column8;
  };
  const Case cases[] = {
      {"heating", kHeating, {3262, 3547, 3833, 4118, 4403, 4689, 3550, 3102, 3460, 4741}, 38705,
       {101, 109, 118, 127, 136, 145, 110, 96, 107, 146}, {607, 577, 245, 1338, 495}, {843, 945, 407, -166, 1073}},
      {"cooling", kCooling, {662, 759, 865, 914, 932, 1052, 1304, 449, 639, 2252}, 9828,
       {80, 92, 105, 111, 113, 128, 159, 54, 78, 274}, {105, 88, 116, 232, 121}, {-64, 144, 194, -153, 328}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PageLoads loads = calculatePage(a, page, c.loadChoice);
    EXPECT_EQ(loads.zoneLoad, c.loads);
    EXPECT_EQ(loads.total, c.total);
    EXPECT_EQ(loads.airShare, c.shares);
    EXPECT_EQ(loads.parts[0], c.column1);
    EXPECT_EQ(loads.parts[7], c.column8);
    for (int col = 0; col < kZoneColumns; ++col)
      EXPECT_EQ(std::accumulate(loads.parts[col].begin(), loads.parts[col].end(), 0), loads.zoneLoad[col]) << col + 1;
    EXPECT_EQ(calculatePage(a, 1, c.loadChoice).total, 0) << "another page";
  }
}

using test::RecordingToolkit;

std::vector<std::pair<int, std::int32_t>> expectedCalls(const Loads& loads, std::int32_t total, const Loads& shares) {
  const int shareFields[] = {1173, 1174, 1176, 1177, 1178, 1179, 1180, 1181, 1182, 1183};
  std::vector<std::pair<int, std::int32_t>> calls;
  for (int c = 0; c < kZoneColumns; ++c) calls.emplace_back(1155 + c, loads[c]);
  calls.emplace_back(1165, total);
  for (int c = 0; c < kZoneColumns; ++c) calls.emplace_back(shareFields[c], shares[c]);
  return calls;
}

TEST(CalcDataTest, ShowsResultsStoresSharesAndClearsLoads) {
  struct Case {
    const char* name;
    std::vector<float> loads;
    std::int32_t loadChoice;
    Loads shown, shares;
    std::int32_t total;
    Loads stored;  // ZoneAirShare afterwards; it held 1..10 before
  };
  const Case cases[] = {
      {"shares stored", {1, 1, 2}, kHeating, {1, 1, 2}, {25, 25, 50}, 4, {25, 25, 50}},
      {"total 0 keeps the shares", {50, -50}, kHeating, {50, -50}, {}, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"load choice 7 is cooling", {1, 1, 2}, 7, {18, 18, 37}, {24, 24, 50}, 73, {24, 24, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProjectModel model;
    const ProjectTables page1 = withLoads({5}, 100);
    model.setTables(page1);
    model.PageIntegers[2] = withLoads(c.loads, 100).PageIntegers[0];
    model.PageReals[2] = withLoads(c.loads, 100).PageReals[0];
    for (int col = 1; col <= kZoneColumns; ++col) {
      model.integer(3, irow::ZoneAirShare(col)) = col;
      model.integer(3, irow::ZoneLoad(col)) = 77;
    }
    model.integer(3, irow::PageLoadTotal) = 770;
    model.CurrentPage = 3;
    model.LoadChoice = c.loadChoice;
    RecordingToolkit toolkit;
    CalcData(model, toolkit);

    EXPECT_EQ(toolkit.shown, expectedCalls(c.shown, c.total, c.shares));
    for (int col = 1; col <= kZoneColumns; ++col) {
      EXPECT_EQ(model.integer(3, irow::ZoneAirShare(col)), c.stored[col - 1]);
      EXPECT_EQ(model.integer(3, irow::ZoneLoad(col)), 0);
    }
    EXPECT_EQ(model.integer(3, irow::PageLoadTotal), 0);
    EXPECT_EQ(model.PageIntegers[0], page1.PageIntegers[0]) << "other pages untouched";
  }
}

TEST(CalcDataTest, PageOutsideTheModelShowsZerosAndWritesNothing) {
  for (int page : {0, 6}) {
    ProjectModel model;
    model.setTables(withLoads({5}, 100));
    model.CurrentPage = page;
    model.LoadChoice = kHeating;
    RecordingToolkit toolkit;
    CalcData(model, toolkit);
    EXPECT_EQ(toolkit.shown, expectedCalls({}, 0, {}));
    EXPECT_EQ(model.tables(), withLoads({5}, 100));
  }
}

}  // namespace
}  // namespace kovrin
