// The equipment the contractor chooses for the house: the kind of system,
// its make and model, the furnace, the cooling coil, the heat pump's rated
// heating capacities, the airflow, and two facts of the house a building
// department asks for beside them (which way the front door faces and the
// bedrooms).
//
// Like the house's values, every item is "not entered" until the user sets
// it; the project notes write only what is entered, so a project without
// equipment is the file it always was. Numbers are kept in double precision
// as typed (see model/housevalues.h for why that reads back bit for bit).
// Capacities are Btu/h, airflow CFM, temperatures °F, backup heat kW.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/valuetables.h"

namespace kovrin {

enum class SystemType { FurnaceAndAirConditioner, HeatPump, DualFuel };
enum class CompressorType { SingleStage, TwoStage, VariableSpeed };
enum class Facing { North, NorthEast, East, SouthEast, South, SouthWest, West, NorthWest };

inline constexpr std::array<ChoiceWording<SystemType>, 3> kSystemTypeWordings = {{
    {SystemType::FurnaceAndAirConditioner, "furnace and air conditioner", "Furnace with air conditioner"},
    {SystemType::HeatPump, "heat pump", "Heat pump"},
    {SystemType::DualFuel, "dual fuel", "Heat pump with furnace backup (dual fuel)"},
}};
inline constexpr std::array<ChoiceWording<CompressorType>, 3> kCompressorWordings = {{
    {CompressorType::SingleStage, "single-stage", "Single-stage"},
    {CompressorType::TwoStage, "two-stage", "Two-stage"},
    {CompressorType::VariableSpeed, "variable-speed", "Variable-speed"},
}};
inline constexpr std::array<ChoiceWording<Facing>, 8> kFacingWordings = {{
    {Facing::North, "north", "North"},
    {Facing::NorthEast, "northeast", "Northeast"},
    {Facing::East, "east", "East"},
    {Facing::SouthEast, "southeast", "Southeast"},
    {Facing::South, "south", "South"},
    {Facing::SouthWest, "southwest", "Southwest"},
    {Facing::West, "west", "West"},
    {Facing::NorthWest, "northwest", "Northwest"},
}};


enum class EquipmentValue : int {
  FurnaceInput,         // Btu/h of fuel burnt
  Afue,                 // per cent
  RiseLow,              // the maker's temperature-rise range, °F
  RiseHigh,
  CoolingTotal,         // rated total capacity at design, Btu/h
  CoolingSensible,      // sensible capacity at design, Btu/h
  SensibleHeatRatio,    // sensible / total, when the sensible is not entered
  HeatPumpAt47,         // heating capacity at 47 °F outdoors, Btu/h
  HeatPumpAt17,
  HeatPumpAt5,
  LockoutTemperature,   // below it the compressor does not run, °F
  BackupKw,             // electric backup heat, kW
  HeatingCfm,
  CoolingCfm,
  Bedrooms,
};
inline constexpr int kEquipmentValues = 15;

// One value: its key in the project notes and in kovrin-report's JSON, what
// the dialog and the reports call it, its unit and the range a user may
// enter.
using EquipmentValueRange = NumberRow<EquipmentValue>;

inline constexpr std::array<EquipmentValueRange, kEquipmentValues> kEquipmentValueRanges = {{
    {EquipmentValue::FurnaceInput, "furnace input", "furnaceInput", "Furnace input", "Btu/h", 1000, 1000000, false},
    {EquipmentValue::Afue, "furnace afue", "afue", "Furnace AFUE", "%", 50, 100, false},
    {EquipmentValue::RiseLow, "furnace rise low", "temperatureRiseLow", "Temperature rise, lowest", "\u00b0F", 0, 150,
     false},
    {EquipmentValue::RiseHigh, "furnace rise high", "temperatureRiseHigh", "Temperature rise, highest", "\u00b0F", 0,
     150, false},
    {EquipmentValue::CoolingTotal, "cooling total", "coolingTotal", "Cooling total capacity", "Btu/h", 1000, 1000000,
     false},
    {EquipmentValue::CoolingSensible, "cooling sensible", "coolingSensible", "Cooling sensible capacity", "Btu/h", 0,
     1000000, false},
    {EquipmentValue::SensibleHeatRatio, "cooling shr", "sensibleHeatRatio", "Sensible heat ratio", "", 0.3, 1, false},
    {EquipmentValue::HeatPumpAt47, "heat pump 47", "capacityAt47", "Heat pump capacity at 47 \u00b0F", "Btu/h", 1000,
     1000000, false},
    {EquipmentValue::HeatPumpAt17, "heat pump 17", "capacityAt17", "Heat pump capacity at 17 \u00b0F", "Btu/h", 0,
     1000000, false},
    {EquipmentValue::HeatPumpAt5, "heat pump 5", "capacityAt5", "Heat pump capacity at 5 \u00b0F", "Btu/h", 0, 1000000,
     false},
    {EquipmentValue::LockoutTemperature, "heat pump lockout", "lockoutTemperature", "Compressor lockout temperature",
     "\u00b0F", -60, 60, false},
    {EquipmentValue::BackupKw, "backup kw", "backupKw", "Backup heat", "kW", 0, 100, false},
    {EquipmentValue::HeatingCfm, "heating cfm", "heatingCfm", "Heating airflow", "CFM", 1, 20000, true},
    {EquipmentValue::CoolingCfm, "cooling cfm", "coolingCfm", "Cooling airflow", "CFM", 1, 20000, true},
    {EquipmentValue::Bedrooms, "bedrooms", "bedrooms", "Bedrooms", "", 0, 50, true},
}};

constexpr const EquipmentValueRange& equipmentValueRange(EquipmentValue v) { return rowOf(kEquipmentValueRanges, v); }
static_assert(listedInOrder(kEquipmentValueRanges, &EquipmentValueRange::value),
              "kEquipmentValueRanges lists the values in the order of EquipmentValue");

// Whether `number` may be entered for `value`: within its range, and whole
// where it must be. Not-a-number is never in range.
constexpr bool inEquipmentRange(EquipmentValue v, double number) { return withinRange(equipmentValueRange(v), number); }

struct Equipment {
  std::optional<SystemType> System;
  std::string MakeAndModel;  // empty: not entered
  std::optional<CompressorType> Compressor;
  std::optional<Facing> FrontDoor;
  // A heat pump chosen for the heating of a heating-dominated climate: its
  // cooling may exceed the cooling band up to 15,000 Btu/h over the load.
  bool SizedForHeating = false;
  std::array<std::optional<double>, kEquipmentValues> Entered{};

  std::optional<double>& operator[](EquipmentValue value) { return Entered[static_cast<std::size_t>(value)]; }
  const std::optional<double>& operator[](EquipmentValue value) const {
    return Entered[static_cast<std::size_t>(value)];
  }
  bool anyEntered() const { return *this != Equipment{}; }
  bool hasHeatPump() const { return System == SystemType::HeatPump || System == SystemType::DualFuel; }
  bool hasFurnace() const { return System == SystemType::FurnaceAndAirConditioner || System == SystemType::DualFuel; }

  friend bool operator==(const Equipment&, const Equipment&) = default;
};

}  // namespace kovrin
