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

}  // namespace kovrin
