// From the design load to the equipment chosen: how much of the heating a
// heat pump still covers at the winter design temperature, where its balance
// point lies and how much backup heat is left, and whether the furnace, the
// cooling coil and the airflow fit the house. The writers and windows show
// these figures; nothing else computes them.
//
// The heat pump's capacity at an outdoor temperature T (°F) runs on straight
// lines through the maker's rated points:
//   T >= 17:  C17 + (C47 - C17)(T - 17)/30
//   T <  17:  C5 + (C17 - C5)(T - 5)/12, continued below 5 °F on that line
// and without C5 the 17-47 line is continued below 17 °F. A line that runs
// below 0 is read as 0: a heat pump gives no negative heat.
//
// The house's heating load falls on a straight line from the design heating
// load H at the design temperature Td to nothing at the thermostat Ti:
//   L(T) = H (Ti - T)/(Ti - Td) below Ti, 0 at or above it.
// Internal gains are left out, which errs on the side of more backup heat.
// The balance point is where the lines meet, solved exactly on each straight
// piece; none when they do not meet above Td - 40 °F.
//
// Whole Btu/h are rounded half away from zero, temperatures to 0.1 °F, kW to
// 0.1 kW. Each check is judged on exact values, as the sizes that fit are.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "house/designload.h"
#include "model/equipment.h"
#include "model/model.h"

namespace kovrin {

inline constexpr double kBtuPerKw = 3412.14;
inline constexpr int kTemperatureDecimals = 1;
inline constexpr int kKwDecimals = 1;
// How far below the design temperature a balance point is still sought.
inline constexpr double kBalancePointReach = 40;
// A cold-climate heat pump keeps at least this per cent of its 47 °F
// capacity at 5 °F.
inline constexpr std::int64_t kColdClimatePercent = 70;
// A heat pump sized for heating may cool up to this much over the load.
inline constexpr std::int64_t kHeatingSizedAllowance = 15000;
// The most a two-stage and a variable-speed unit may cool, per cent of the
// design cooling total (a single-stage one: kCoolingBandHigh).
inline constexpr std::int64_t kTwoStageBandHigh = 120;
inline constexpr std::int64_t kVariableSpeedBandHigh = 130;
// The cooling airflow a ton of the rated total takes, CFM.
inline constexpr std::int64_t kLowestCfmPerTon = 300;
inline constexpr std::int64_t kHighestCfmPerTon = 400;

// The capacity line through the rated points.
struct CapacityLine {
  double at47 = 0;
  double at17 = 0;
  std::optional<double> at5;
  double at(double temperature) const;
  // The temperatures from `from` up to `to`, both included, the rated points
  // between them and where the line reaches 0, in order: straight lines
  // through the capacity at each draw the line exactly.
  std::vector<double> corners(double from, double to) const;
};

// The house's heating load line; `valid` is false when the thermostat is
// not above the design temperature (then there is no line).
struct LoadLine {
  double heating = 0;
  double thermostat = 0;
  double design = 0;
  bool valid() const { return thermostat > design; }
  double at(double temperature) const;
};

// The highest temperature below the thermostat and at least Td - 40 °F at
// which the capacity meets the load; none when there is no such point.
std::optional<double> balancePoint(const CapacityLine& capacity, const LoadLine& load);

struct HeatPumpFigures {
  Figure capacityAt47;  // whole Btu/h, as entered
  Figure capacityAt17;
  Figure capacityAt5;
  Figure capacityAtDesign;             // C(Td); none without C47 and C17
  std::int32_t designTemperature = 0;  // Td, °F
  std::int32_t thermostat = 0;         // Ti, °F
  std::int64_t heatingLoad = 0;        // H
  std::optional<double> balancePoint;  // exact, °F
  Figure balancePointTenths;           // tenths of °F
  // Where the lines do not meet: whether the capacity stays above the load
  // from the thermostat down to Td - 40 °F (true), or below it all the way
  // (false); none with a balance point or without both lines.
  std::optional<bool> aboveLoadThroughout;
  Figure backupAtDesign;               // whole Btu/h
  Figure backupKwTenths;               // tenths of kW
  // Whether the backup entered (kW; for dual fuel the furnace's output)
  // covers the backup needed; none when no backup is entered.
  std::optional<bool> backupCovered;
  // Whether that backup is a dual fuel system's furnace, whose output is
  // known: the backup is then given in Btu/h alone, never in kW.
  bool furnaceBackup = false;
  // C5 >= 70 % of C47; none without both.
  std::optional<bool> coldClimate;
  // Whether the compressor is locked out at or above the design
  // temperature, so that the backup carries the whole load.
  bool lockedOutAtDesign = false;
  std::optional<double> lockoutTemperature;  // as entered, °F
  std::optional<CapacityLine> line;
};

// The checks in the order they are made, by the names the outputs give them.
inline constexpr std::array<std::string_view, 7> kCheckNames = {
    "furnace output",  "temperature rise", "cooling capacity", "latent capacity",
    "cooling airflow", "cold climate",     "backup heat",
};
enum class CheckName {
  FurnaceOutput,
  TemperatureRise,
  CoolingCapacity,
  LatentCapacity,
  CoolingAirflow,
  ColdClimate,
  BackupHeat
};
constexpr std::string_view checkName(CheckName name) { return kCheckNames[static_cast<std::size_t>(name)]; }

// One check of the equipment against the house: its value and the band it
// must fall in, in `unit` with `decimals` decimals (none for an open edge).
struct EquipmentCheck {
  std::string_view name;
  std::string_view unit;
  int decimals = 0;
  std::int64_t value = 0;
  Figure low;
  Figure high;
  bool fits = false;
  // "fits", or what is wrong in a contractor's words.
  std::string text;
};

struct EquipmentFigures {
  Equipment equipment;
  std::optional<HeatPumpFigures> heatPump;  // only with a heat pump chosen
  Figure furnaceOutput;                     // input x AFUE, whole Btu/h
  Figure coolingTotal;                      // the equipment's, whole Btu/h
  Figure coolingSensible;                   // entered, or total x SHR
  Figure coolingLatent;                     // total - sensible; none above the total
  std::vector<EquipmentCheck> checks;       // only those whose values are entered
};

inline constexpr std::string_view kFits = "fits";

// The figures of `equipment` for the design load `load`, with page 1's
// winter thermostat and design temperature.
EquipmentFigures equipmentFigures(const Equipment& equipment, const DesignLoad& load, std::int32_t thermostat,
                                  std::int32_t designTemperature);
EquipmentFigures equipmentFigures(const ProjectTables& tables, const DesignLoad& load);

}  // namespace kovrin
