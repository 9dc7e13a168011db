#include "calc/pageloads.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/glasses.h"

namespace kovrin {
namespace {

// Daily temperature range 1..3: L, M, H.
inline constexpr int kDailyRanges = 3;
using RangeValues = std::array<float, kDailyRanges>;  // L, M, H

// Wall correction by wall construction. Every construction other than 1
// counts as masonry.
constexpr std::array<RangeValues, 2> kWallCorrection{{
    {7.6f, 3.6f, -1.4f},   // 1 wood frame + veneer
    {0.3f, -3.7f, -8.7f},  // 2 masonry, block, brick
}};

// Roof correction by roof construction 1..4.
constexpr std::array<RangeValues, 4> kRoofCorrection{{
    {28, 24, 19},  // 1 vented attic, dark roof
    {20, 16, 11},  // 2 vented attic, light roof
    {28, 24, 19},  // 3 built up dark roof, no ceiling
    {20, 16, 11},  // 4 built up light roof, no ceiling
}};

// Floor correction and floor switch by floor construction 1..5. Slab floors
// and floors over a basement or an enclosed crawl space add nothing to a
// cooling load.
struct FloorCorrection {
  RangeValues correction;
  int floorSwitch;
};
constexpr std::array<FloorCorrection, 5> kFloorCorrection{{
    {{0, 0, 0}, 0},     // 1 concrete slab
    {{0, 0, 0}, 0},     // 2 over basement
    {{0, 0, 0}, 0},     // 3 over enclosed crawl space
    {{-1, -5, -10}, 1}, // 4 over unconditioned rooms
    {{-1, -5, -10}, 1}, // 5 over open crawl space
}};

constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate(std::int64_t value) {
  if (value < kInt32Min) return kInt32Min;
  if (value > kInt32Max) return kInt32Max;
  return static_cast<std::int32_t>(value);
}

// Truncation toward zero to a 32-bit load. A real outside the 32-bit range
// (only absurd areas or duct multipliers from a hand-edited file reach it)
// saturates, and not-a-number gives 0, so that the conversion is always
// defined.
std::int32_t trunc32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= -2147483649.0) return kInt32Min;
  if (value >= 2147483648.0) return kInt32Max;
  return static_cast<std::int32_t>(value);
}

// Round to single precision. A value beyond the single-precision range (only
// absurd duct multipliers from a hand-edited file reach it) is held at the
// largest single value rather than becoming infinite: the conversion stays
// defined, and a component of area 0 still adds 0 instead of not-a-number.
float toSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return std::numeric_limits<float>::lowest();
  return static_cast<float>(value);  // also carries not-a-number
}

// The range corrections of a cooling run. A lookup that meets a selection
// outside its list (a daily range other than 1..3, a roof construction other
// than 1..4, a floor construction other than 1..5) yields 0 for all that it
// sets.
struct CoolingCorrections {
  float wall = 0;
  float roof = 0;
  float floor = 0;
  int floorSwitch = 0;
};

CoolingCorrections coolingCorrections(const ProjectTables& tables) {
  CoolingCorrections result;
  const std::int32_t range = tables.selection(sel::DailyRange);
  if (!inList(range, kDailyRanges)) return result;
  const std::size_t r = static_cast<std::size_t>(range - 1);

  const std::int32_t wall = tables.selection(sel::WallConstruction);
  result.wall = kWallCorrection[wall == 1 ? 0 : 1][r];

  const std::int32_t roof = tables.selection(sel::RoofConstruction);
  if (inList(roof, kRoofCorrection.size())) result.roof = kRoofCorrection[roof - 1][r];

  const std::int32_t floor = tables.selection(sel::FloorConstruction);
  if (inList(floor, kFloorCorrection.size())) {
    result.floor = kFloorCorrection[floor - 1].correction[r];
    result.floorSwitch = kFloorCorrection[floor - 1].floorSwitch;
  }
  return result;
}

// Area x U-value of each component of a zone column, exact in double.
struct ZoneProducts {
  double doors, floor, roof, walls, glass;
  double wallU, wallArea;
};

ZoneProducts zoneProducts(const ProjectTables& tables, int page, int column) {
  auto au = [&](ZoneQuantity area, ZoneQuantity u) {
    return static_cast<double>(tables.zone(page, column, area)) *
           static_cast<double>(tables.zone(page, column, u));
  };
  return {au(ZoneQuantity::DoorArea, ZoneQuantity::DoorU),
          au(ZoneQuantity::FloorArea, ZoneQuantity::FloorU),
          au(ZoneQuantity::RoofArea, ZoneQuantity::RoofU),
          au(ZoneQuantity::WallArea, ZoneQuantity::WallU),
          au(ZoneQuantity::GlassArea, ZoneQuantity::GlassU),
          tables.zone(page, column, ZoneQuantity::WallU),
          tables.zone(page, column, ZoneQuantity::WallArea)};
}

// A temperature difference, exact: any two 32-bit temperatures differ by a
// whole number that a double holds exactly.
double difference(const ProjectTables& tables, int page, int fromRow, int toRow) {
  return static_cast<double>(static_cast<std::int64_t>(tables.integer(page, fromRow)) -
                             tables.integer(page, toRow));
}

// The increase from one partial load to the next.
std::int32_t increase(std::int32_t from, std::int32_t to) {
  return saturate(static_cast<std::int64_t>(to) - from);
}

using Parts = std::array<std::int32_t, kLoadComponents>;

Parts& partsOf(PageLoads& loads, int column) { return loads.parts[column - 1]; }
std::int32_t& part(Parts& parts, LoadComponent component) {
  return parts[static_cast<std::size_t>(component)];
}

void heatingRun(const ProjectTables& tables, int page, PageLoads& loads) {
  const double duct = 1.0 + static_cast<double>(tables.real(page, rrow::WinterDuctMultiplier));
  const double h = duct * difference(tables, page, irow::WinterThermostat, irow::WinterDesignTemp);

  for (int c = 1; c <= kZoneColumns; ++c) {
    const ZoneProducts p = zoneProducts(tables, page, c);
    const bool partition = c >= kFirstPartitionColumn;
    Parts& parts = partsOf(loads, c);

    // The products are summed left to right; each partial sum times H,
    // truncated, is the load so far, and each part the step between two.
    double sum = 0;
    std::int32_t soFar = 0;
    auto add = [&](LoadComponent component, double product) {
      sum += product;
      const std::int32_t next = trunc32(sum * h);
      part(parts, component) = increase(soFar, next);
      soFar = next;
    };
    add(LoadComponent::Doors, p.doors);
    add(LoadComponent::Floor, p.floor);
    add(LoadComponent::Roof, p.roof);
    if (!partition) {
      add(LoadComponent::Walls, p.walls);
      add(LoadComponent::Glass, p.glass);
    } else {
      // A partition wall loses heat by its own temperature difference, not by
      // the outdoor one.
      add(LoadComponent::Glass, p.glass);
      const std::int32_t base = soFar;
      const double partitionDT = tables.integer(page, irow::PartitionDT(c));
      soFar = trunc32(p.wallU * partitionDT * p.wallArea * duct + base);
      part(parts, LoadComponent::Walls) = increase(base, soFar);
    }
    loads.zoneLoad[c - 1] = soFar;
  }
}

// Each cooling step after the first adds a real to the whole load so far and
// truncates the sum, not the component alone (a component of -0.5 on a load
// of 100 gives 99).
void addStep(PageLoads& loads, int c, LoadComponent component, double amount) {
  std::int32_t& load = loads.zoneLoad[c - 1];
  const std::int32_t next = trunc32(amount + load);
  part(partsOf(loads, c), component) = increase(load, next);
  load = next;
}

// The first cooling step, walls and doors. Partition walls and their doors
// use the column's own temperature difference, with no range correction.
void coolingWallsAndDoors(const ProjectTables& tables, int page, const std::array<ZoneProducts, kZoneColumns>& products,
                          double wallMultiplier, double duct, PageLoads& loads) {
  for (int c = 1; c <= kZoneColumns; ++c) {
    const ZoneProducts& p = products[c - 1];
    std::int32_t doors = 0;
    std::int32_t load = 0;
    if (c < kFirstPartitionColumn) {
      doors = trunc32(p.doors * wallMultiplier);
      load = trunc32((p.doors + p.walls) * wallMultiplier);
    } else {
      const double partitionDT = tables.integer(page, irow::PartitionDT(c));
      doors = trunc32(p.doors * partitionDT * duct);
      load = trunc32((p.doors + p.walls) * partitionDT * duct);
    }
    Parts& parts = partsOf(loads, c);
    part(parts, LoadComponent::Doors) = doors;
    part(parts, LoadComponent::Walls) = increase(doors, load);
    loads.zoneLoad[c - 1] = load;
  }
}

void coolingRun(const ProjectTables& tables, int page, PageLoads& loads) {
  const double duct = 1.0 + static_cast<double>(tables.real(page, rrow::SummerDuctMultiplier));
  const double d = difference(tables, page, irow::SummerDesignTemp, irow::SummerThermostat);
  const CoolingCorrections corrections = coolingCorrections(tables);

  std::array<ZoneProducts, kZoneColumns> products{};
  for (int c = 1; c <= kZoneColumns; ++c) products[c - 1] = zoneProducts(tables, page, c);

  // 1. Walls and doors.
  coolingWallsAndDoors(tables, page, products, (d + corrections.wall) * duct, duct, loads);

  // 2. Ceiling/roof.
  const double roofMultiplier = (d + corrections.roof) * duct;
  for (int c = 1; c <= kZoneColumns; ++c)
    addStep(loads, c, LoadComponent::Roof, products[c - 1].roof * roofMultiplier);

  // 3. Floor. The multiplier is rounded to single precision once computed:
  // with a duct multiplier of 0.1 it is just below 15.4 for 1.1 x 14, and a
  // floor of 100 gives 1539, not 1540.
  const float floorMultiplier = toSingle(duct * (d + corrections.floor) * corrections.floorSwitch);
  for (int c = 1; c <= kZoneColumns; ++c)
    addStep(loads, c, LoadComponent::Floor, products[c - 1].floor * floorMultiplier);

  // 4. Glass, by the direction of each column. The glass U-value takes part
  // as a factor, and the multiplier is rounded to single precision like the
  // floor's. A glass whose selections are outside their lists adds nothing:
  // glasses then leaves the factor and the coefficient at 0.
  for (int c = 1; c <= kZoneColumns; ++c) {
    float factor = 0;
    float coefficient = 0;
    glasses(tables.selection(sel::GlassType), tables.selection(sel::InteriorShading),
            tables.selection(sel::ExteriorShading), tables.selection(sel::GlassDirection(c)), factor,
            coefficient);
    const float glassMultiplier = toSingle(((d - 10) * coefficient + factor) * duct);
    addStep(loads, c, LoadComponent::Glass, products[c - 1].glass * glassMultiplier);
  }
}

}  // namespace

PageLoads calculatePage(const ProjectTables& tables, int page, std::int32_t loadChoice) {
  PageLoads loads;
  if (page < 1 || page > kPages) return loads;

  if (loadChoice == kHeating)
    heatingRun(tables, page, loads);
  else
    coolingRun(tables, page, loads);

  std::int64_t total = 0;
  for (std::int32_t load : loads.zoneLoad) total += load;
  loads.total = saturate(total);

  // Shares in proportion to the loads. The product is formed in 64 bits: a
  // load of 1000000 with an airflow of 3000 is far beyond 32 bits. The
  // quotient truncates toward zero, so the shares need not add up to the
  // airflow.
  if (loads.total != 0) {
    const std::int64_t air = tables.integer(page, irow::PageAirTotal);
    for (int c = 0; c < kZoneColumns; ++c)
      loads.airShare[c] = saturate(static_cast<std::int64_t>(loads.zoneLoad[c]) * air / loads.total);
  }
  return loads;
}

}  // namespace kovrin
