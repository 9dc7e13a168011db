// The house the benchmarks work on, shared by their files.
#pragma once

#include "model/model.h"

namespace kovrin {

// A house on all five pages: every zone column with doors, floor, roof,
// walls and glass, values within the input ranges, with fractions as a user
// types them, so every line of the file carries a nine-digit number.
inline void fillHouse(ProjectTables& model) {
  for (int p = 1; p <= kPages; ++p) {
    model.integer(p, irow::SummerThermostat) = 75;
    model.integer(p, irow::WinterThermostat) = 70;
    model.integer(p, irow::SummerDesignTemp) = 93;
    model.integer(p, irow::WinterDesignTemp) = -12;
    for (int c = 7; c <= kZoneColumns; ++c) model.integer(p, irow::PartitionDT(c)) = 15 + c;
    model.integer(p, irow::PageAirTotal) = 1200 + 100 * p;
    model.real(p, rrow::SummerDuctMultiplier) = 1.15f;
    model.real(p, rrow::WinterDuctMultiplier) = 1.25f;
    for (int c = 1; c <= kZoneColumns; ++c) {
      const float k = static_cast<float>(10 * p + c);
      model.zone(p, c, ZoneQuantity::DoorU) = 0.43f;
      model.zone(p, c, ZoneQuantity::DoorArea) = 20.5f + k / 10;
      model.zone(p, c, ZoneQuantity::FloorU) = 0.07f;
      model.zone(p, c, ZoneQuantity::FloorArea) = 143.3f + k;
      model.zone(p, c, ZoneQuantity::RoofU) = 0.031f;
      model.zone(p, c, ZoneQuantity::RoofArea) = 143.3f + k;
      model.zone(p, c, ZoneQuantity::WallU) = 0.061f;
      model.zone(p, c, ZoneQuantity::WallArea) = 211.7f + 2 * k;
      model.zone(p, c, ZoneQuantity::GlassU) = 0.35f;
      model.zone(p, c, ZoneQuantity::GlassArea) = 31.3f + k / 4;
    }
  }
}

// Every value of the house's air and people and its system airflow entered,
// sized for the worst orientation: the design load in full.
inline void enterHouseValues(ProjectTables& model) {
  const double values[kHouseValues] = {9000, 8.5, 0.35, 0.2, 90, 70, 50, 5, 1500, 35, 6000};
  for (int i = 0; i < kHouseValues; ++i) model.House.Entered[static_cast<std::size_t>(i)] = values[i];
  model.House.SizeFor = SizingOrientation::Worst;
}

// Dual fuel equipment with every value entered: every check is made and
// the balance-point chart drawn.
inline void enterEquipment(ProjectTables& model) {
  Equipment& equipment = model.Equipment;
  equipment.System = SystemType::DualFuel;
  equipment.MakeAndModel = "Example HP-60 with furnace";
  equipment.Compressor = CompressorType::VariableSpeed;
  equipment.FrontDoor = Facing::South;
  const double values[kEquipmentValues] = {
      120000, 96, 35, 65, 60000, 45000, 0.75, 60000, 52000, 44000, -20, 15, 2000, 2000, 4};
  for (int i = 0; i < kEquipmentValues; ++i) equipment.Entered[static_cast<std::size_t>(i)] = values[i];
}

// Every zone's details entered for the detailed design load: four windows
// of their own (each direction twice over a zone's four, two with an
// overhang, all with blinds and screens), two walls, a ceiling, a floor and
// people; the house's latitude and blower-door leakage.
inline void enterZoneDetails(ProjectTables& model) {
  model.Details.house[HouseDetail::Latitude] = 38.5;
  model.Details.house[HouseDetail::Ach50] = 4.5;
  model.Details.house[HouseDetail::StoreysAboveGrade] = 2;
  for (int zone = 1; zone <= kZones; ++zone) {
    ZoneDetails& details = model.Details.zone(zone);
    details.windows.emplace();
    for (int w = 0; w < 4; ++w) {
      WindowDetails window;
      window.direction = (zone + 2 * w) % 8 + 1;
      window.area = 8.5 + w + zone / 10.0;
      window.u = 0.32;
      window.shgc = 0.4;
      window.shade = InteriorShade::Blinds;
      window.screen = InsectScreen::Outside;
      if (w % 2 == 0) {
        window.overhangDepth = 2;
        window.overhangAbove = 1;
        window.height = 5;
      }
      details.windows->push_back(window);
    }
    WallDetails wall;
    wall.area = 120 + zone;
    wall.u = 0.061;
    wall.group = 4;
    details.walls = {{wall, wall}};
    CeilingDetails ceiling;
    ceiling.area = 143.3 + zone;
    ceiling.u = 0.031;
    details.ceilings = {{ceiling}};
    FloorDetails floor;
    floor.kind = FloorKind::Crawlspace;
    floor.area = 143.3 + zone;
    floor.u = 0.05;
    details.floors = {{floor}};
    details.people = zone % 3;
  }
}

}  // namespace kovrin
