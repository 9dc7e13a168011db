// The program's defaults: the values of every new project.
//
// They are the values of the new-project template that start-up and New
// load, and the input screen starts with them: design temperatures 93/28,
// thermostats 78/65, daily range M, the first construction types, draperies
// as interior shading, glass directions N, NE, E, SE, S, SW, W, NW, N, NE
// over the ten zone columns, and a total airflow of 100 so that the airflow
// shares come out as percentages.
#pragma once

#include <array>

#include "model/model.h"

namespace kovrin {

inline constexpr std::int32_t kDefaultSummerDesignTemp = 93;
inline constexpr std::int32_t kDefaultWinterDesignTemp = 28;
inline constexpr std::int32_t kDefaultSummerThermostat = 78;
inline constexpr std::int32_t kDefaultWinterThermostat = 65;
inline constexpr std::int32_t kDefaultPageAirTotal = 100;

inline constexpr std::array<std::int32_t, kZoneColumns> kDefaultGlassDirections = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2};

// ListSelections items 1..17 of a new project.
inline constexpr ListSelectionTable kDefaultSelections = [] {
  ListSelectionTable s{};
  s[sel::DailyRange - 1] = 2;
  s[sel::WallConstruction - 1] = 1;
  s[sel::RoofConstruction - 1] = 1;
  s[sel::FloorConstruction - 1] = 1;
  s[sel::GlassType - 1] = 1;
  s[sel::InteriorShading - 1] = 2;
  s[sel::ExteriorShading - 1] = 1;
  for (int c = 1; c <= kZoneColumns; ++c) s[sel::GlassDirection(c) - 1] = kDefaultGlassDirections[c - 1];
  return s;
}();

inline ProjectTables defaultProject() {
  ProjectTables t;  // every integer and real starts at 0, ReservedSlot included
  t.ListSelections = kDefaultSelections;
  for (int p = 1; p <= kPages; ++p) {
    t.integer(p, irow::SummerDesignTemp) = kDefaultSummerDesignTemp;
    t.integer(p, irow::WinterDesignTemp) = kDefaultWinterDesignTemp;
    t.integer(p, irow::SummerThermostat) = kDefaultSummerThermostat;
    t.integer(p, irow::WinterThermostat) = kDefaultWinterThermostat;
    t.integer(p, irow::PageAirTotal) = kDefaultPageAirTotal;
  }
  return t;
}

}  // namespace kovrin
