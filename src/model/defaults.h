// The program's defaults: the values of every new project.
//
// They are the values of the new-project template that start-up and New
// load, and one consistent set with the input screen's initial contents:
// design temperatures 93/28, thermostats 78/65, daily range M, the first
// construction types, draperies as interior shading, glass directions N, NE,
// E, SE, S, SW, W, NW, N, NE over the ten zone columns, and a total airflow
// of 100 so that the airflow shares come out as percentages.
#pragma once

#include <array>

#include "model/model.h"

namespace kovrin {

inline constexpr std::array<std::int32_t, kZoneColumns> kDefaultGlassDirections = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2};

inline ProjectTables defaultProject() {
  ProjectTables t;  // every integer and real starts at 0, ReservedSlot included
  t.selection(sel::DailyRange) = 2;
  t.selection(sel::WallConstruction) = 1;
  t.selection(sel::RoofConstruction) = 1;
  t.selection(sel::FloorConstruction) = 1;
  t.selection(sel::GlassType) = 1;
  t.selection(sel::InteriorShading) = 2;
  t.selection(sel::ExteriorShading) = 1;
  for (int c = 1; c <= kZoneColumns; ++c) {
    t.selection(sel::GlassDirection(c)) = kDefaultGlassDirections[static_cast<std::size_t>(c - 1)];
  }
  for (int p = 1; p <= kPages; ++p) {
    t.integer(p, irow::SummerDesignTemp) = 93;
    t.integer(p, irow::WinterDesignTemp) = 28;
    t.integer(p, irow::SummerThermostat) = 78;
    t.integer(p, irow::WinterThermostat) = 65;
    t.integer(p, irow::PageAirTotal) = 100;
  }
  return t;
}

}  // namespace kovrin
