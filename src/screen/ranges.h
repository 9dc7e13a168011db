// The input ranges of the screen's typed fields: the only limits on what a
// user can enter. The toolkit checks typed values against them; the model,
// the calculation, the project file and the report never do. The duct
// multipliers, the result rows, PageAirTotal and the lists have none.
#pragma once

#include <array>
#include <cstdint>

#include "model/model.h"
#include "screen/fieldtables.h"

namespace kovrin {

struct IntegerRange {
  int field;
  std::int32_t minimum;
  std::int32_t maximum;
};

struct RealRange {
  int field;
  float minimum;
  float maximum;
};

// In the order Ranger declares them.
inline constexpr std::array<IntegerRange, 8> kIntegerRanges = {{
    {1036, 60, 100},  // SummerThermostat
    {1038, 50, 80},   // WinterThermostat
    {1114, 0, 60},    // PartitionDT, columns 7..10
    {1126, 0, 60},
    {1139, 0, 60},
    {1151, 0, 60},
    // The design temperatures reach real climates: 125 covers the hottest
    // desert sites (Yuma, Palm Springs), -60 the coldest interior ones.
    {1005, 50, 125},  // SummerDesignTemp
    {1026, -60, 80},  // WinterDesignTemp
}};

// One range per row of the zone grid, the same for all ten columns.
// The typed fields without a range, the duct multipliers and the total
// airflow, take any number; but an emptied one would hand the calculation
// -999, a duct loss of -99,900 % or a negative airflow: they keep their value.
inline constexpr std::array<int, 3> kRequiredFields = {
    realRowField(rrow::SummerDuctMultiplier), realRowField(rrow::WinterDuctMultiplier),
    integerRowField(irow::PageAirTotal)};

struct GridRowRange {
  ZoneQuantity quantity;
  float minimum;
  float maximum;
};

inline constexpr std::array<GridRowRange, kZoneQuantities> kGridRowRanges = {{
    {ZoneQuantity::DoorU, 0.0f, 2.0f},
    {ZoneQuantity::DoorArea, 0.0f, 200.0f},
    {ZoneQuantity::FloorU, 0.0f, 2.0f},
    {ZoneQuantity::FloorArea, 0.0f, 10000.0f},
    {ZoneQuantity::RoofU, 0.0f, 2.0f},
    {ZoneQuantity::RoofArea, 0.0f, 10000.0f},
    {ZoneQuantity::WallU, 0.0f, 2.0f},
    {ZoneQuantity::WallArea, 0.0f, 2000.0f},
    {ZoneQuantity::GlassU, 0.0f, 2.0f},
    {ZoneQuantity::GlassArea, 0.0f, 400.0f},
}};

namespace detail {
constexpr std::array<RealRange, kZoneQuantities * kZoneColumns> makeRealRanges() {
  std::array<RealRange, kZoneQuantities * kZoneColumns> ranges{};
  std::size_t i = 0;
  for (const GridRowRange& row : kGridRowRanges) {
    for (int c = 1; c <= kZoneColumns; ++c) {
      ranges[i++] = {zoneField(c, row.quantity), row.minimum, row.maximum};
    }
  }
  return ranges;
}
}  // namespace detail

// The 100 real fields of the grid, row by row, columns 1..10 within a row.
inline constexpr std::array<RealRange, kZoneQuantities * kZoneColumns> kRealRanges =
    detail::makeRealRanges();

}  // namespace kovrin
