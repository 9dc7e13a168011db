// The house's duct system: where its supply and return ducts run, how well
// they are insulated and sealed, and what heats the air in them. The design
// load takes the ducts' losses and gains from it.
//
// Every input is "not entered" until the user sets it; the project file
// keeps only what was entered, in its notes, so a project without ducts is
// the file it always was. Once anything is entered the house has a duct
// system, and an input not entered takes its proposal: the procedure's
// default (a vented attic, R-4, supply 27 % and each return 5 % of the
// conditioned floor area, one return, average sealing, a furnace).
//
// Leakage to outside is given either as measured CFM25 for a side, or as
// one of the sealing descriptions, whose published CFM25 per ft² of duct
// surface then gives it; a measured side takes precedence over the
// description. Units: ft², h·ft²·°F/Btu, CFM at 25 Pa.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/equipment.h"

#include "model/valuetables.h"

namespace kovrin {

enum class DuctLocation : int {
  Conditioned,
  VentedAttic,
  UnventedAttic,
  VentedCrawlspace,
  UnventedCrawlspace,
  UnconditionedBasement,
  Garage,
  Outdoors,
};
inline constexpr int kDuctLocations = 8;

// How a location is written in the notes and kovrin-report's JSON (`word`)
// and said in the dialog and the reports (`text`).
inline constexpr std::array<ChoiceWording<DuctLocation>, kDuctLocations> kDuctLocationWordings = {{
    {DuctLocation::Conditioned, "conditioned", "conditioned space"},
    {DuctLocation::VentedAttic, "vented attic", "vented attic"},
    {DuctLocation::UnventedAttic, "unvented attic", "unvented attic"},
    {DuctLocation::VentedCrawlspace, "vented crawlspace", "vented crawlspace"},
    {DuctLocation::UnventedCrawlspace, "unvented crawlspace", "unvented crawlspace"},
    {DuctLocation::UnconditionedBasement, "unconditioned basement", "unconditioned basement"},
    {DuctLocation::Garage, "garage", "garage"},
    {DuctLocation::Outdoors, "outdoors", "outdoors"},
}};
constexpr const ChoiceWording<DuctLocation>& ductLocationWording(DuctLocation location) {
  return wordingOf(kDuctLocationWordings, location);
}
static_assert(listedInOrder(kDuctLocationWordings, &ChoiceWording<DuctLocation>::choice),
              "kDuctLocationWordings lists the locations in the order of DuctLocation");

// Leakage to outside by description, in CFM25 per ft² of the side's duct
// surface. Sealed (0.12 / 0.24) and average, "not sealed" (0.35 / 0.70) are
// the figures of the Vatilo example (ACCA Manual J 8th ed., Table 7A, as
// NREL/OpenStudio-HPXML's test_hvac_sizing.rb scales them: 128.1 CFM25 of
// 366 ft² supply, 49.0 of 70 ft² return, and the factors 0.12/0.35 and
// 0.24/0.70 for its sealed variant). Notably sealed and leaky lie one step
// either side of average on the same table; a return leaks twice what a
// supply does per ft², as in every row.
enum class DuctSealing : int { Sealed, NotablySealed, Average, Leaky };
inline constexpr int kDuctSealings = 4;

struct DuctSealingRow {
  DuctSealing sealing;
  std::string_view word;
  std::string_view text;
  double supplyPerArea;
  double returnPerArea;
};
inline constexpr std::array<DuctSealingRow, kDuctSealings> kDuctSealingRows = {{
    {DuctSealing::Sealed, "sealed", "sealed", 0.12, 0.24},
    {DuctSealing::NotablySealed, "notably sealed", "notably sealed", 0.24, 0.47},
    {DuctSealing::Average, "average", "average (not sealed)", 0.35, 0.70},
    {DuctSealing::Leaky, "leaky", "leaky", 0.47, 0.94},
}};
constexpr const DuctSealingRow& ductSealingRow(DuctSealing sealing) { return rowOf(kDuctSealingRows, sealing); }
static_assert(listedInOrder(kDuctSealingRows, &DuctSealingRow::sealing),
              "kDuctSealingRows lists the sealings in the order of DuctSealing");

// What heats the air: it sets the supply air temperature of the heating
// airflow (120 °F from a furnace, 105 °F from a heat pump).
enum class DuctHeating : int { Furnace, HeatPump };
struct DuctHeatingRow {
  DuctHeating heating;
  std::string_view word;
  std::string_view text;
  double supplyAirTemperature;  // °F
};
inline constexpr std::array<DuctHeatingRow, 2> kDuctHeatingRows = {{
    {DuctHeating::Furnace, "furnace", "a furnace (120 \u00b0F supply air)", 120.0},
    {DuctHeating::HeatPump, "heat pump", "a heat pump (105 \u00b0F supply air)", 105.0},
}};
constexpr const DuctHeatingRow& ductHeatingRow(DuctHeating heating) {
  return kDuctHeatingRows[heating == DuctHeating::HeatPump ? 1 : 0];
}

// The numbers of the duct system, with their ranges.
enum class DuctNumber : int { SupplyR, ReturnR, SupplyArea, ReturnArea, Returns, SupplyLeakage, ReturnLeakage };
inline constexpr int kDuctNumbers = 7;

// Each number's key in the project notes and its member in kovrin-report's
// JSON, its name, unit and range.
using DuctNumberRange = NumberRow<DuctNumber>;
inline constexpr std::array<DuctNumberRange, kDuctNumbers> kDuctNumberRanges = {{
    {DuctNumber::SupplyR, "duct supply r", "supplyR", "Supply duct insulation", "R", 0, 30, false},
    {DuctNumber::ReturnR, "duct return r", "returnR", "Return duct insulation", "R", 0, 30, false},
    {DuctNumber::SupplyArea, "duct supply area", "supplyArea", "Supply duct surface", "ft\u00b2", 0, 50000, false},
    {DuctNumber::ReturnArea, "duct return area", "returnArea", "Return duct surface", "ft\u00b2", 0, 50000, false},
    {DuctNumber::Returns, "duct returns", "returns", "Number of returns", "", 1, 20, true},
    {DuctNumber::SupplyLeakage, "duct supply leakage cfm25", "supplyLeakageCfm25", "Supply leakage to outside",
     "CFM25", 0, 5000, false},
    {DuctNumber::ReturnLeakage, "duct return leakage cfm25", "returnLeakageCfm25", "Return leakage to outside",
     "CFM25", 0, 5000, false},
}};
constexpr const DuctNumberRange& ductNumberRange(DuctNumber number) { return rowOf(kDuctNumberRanges, number); }
static_assert(listedInOrder(kDuctNumberRanges, &DuctNumberRange::value),
              "kDuctNumberRanges lists the numbers in the order of DuctNumber");
constexpr bool inDuctRange(DuctNumber number, double value) { return withinRange(ductNumberRange(number), value); }

// The proposals: what an input not entered counts as.
inline constexpr DuctLocation kProposedDuctLocation = DuctLocation::VentedAttic;
inline constexpr double kProposedDuctR = 4.0;
inline constexpr double kProposedSupplyAreaShare = 0.27;  // of the conditioned floor area
inline constexpr double kProposedReturnAreaShare = 0.05;  // of it, per return
inline constexpr double kProposedReturns = 1.0;
inline constexpr DuctSealing kProposedSealing = DuctSealing::Average;
inline constexpr DuctHeating kProposedHeating = DuctHeating::Furnace;

struct DuctSystem {
  std::optional<DuctLocation> SupplyLocation;
  std::optional<DuctLocation> ReturnLocation;
  std::array<std::optional<double>, kDuctNumbers> Numbers{};
  std::optional<DuctSealing> Sealing;
  std::optional<DuctHeating> Heating;

  std::optional<double>& operator[](DuctNumber number) { return Numbers[static_cast<std::size_t>(number)]; }
  const std::optional<double>& operator[](DuctNumber number) const {
    return Numbers[static_cast<std::size_t>(number)];
  }
  // Whether the house has a duct system: anything entered.
  bool entered() const { return *this != DuctSystem{}; }

  friend bool operator==(const DuctSystem&, const DuctSystem&) = default;
};

// The duct system as the design load takes it: every input entered or
// proposed, the areas by the conditioned floor area `floorArea` (ft²), the
// leakage from the sealing where no CFM25 is entered.
struct DuctInputs {
  DuctLocation supplyLocation = kProposedDuctLocation;
  DuctLocation returnLocation = kProposedDuctLocation;
  double supplyR = kProposedDuctR;
  double returnR = kProposedDuctR;
  double supplyArea = 0;
  double returnArea = 0;
  double returns = kProposedReturns;
  DuctSealing sealing = kProposedSealing;
  double supplyLeakage = 0;  // CFM25 to outside
  double returnLeakage = 0;
  DuctHeating heating = kProposedHeating;
};

// What heats the air in the ducts when the user has not said: the heat pump
// of a house whose equipment is a heat pump alone; a furnace otherwise, also
// for dual fuel, whose furnace carries the load at the design temperature.
inline DuctHeating proposedDuctHeating(const Equipment& equipment) {
  return equipment.System == SystemType::HeatPump ? DuctHeating::HeatPump : kProposedHeating;
}

inline DuctInputs ductInputs(const DuctSystem& ducts, double floorArea, DuctHeating proposedHeating = kProposedHeating) {
  DuctInputs in;
  in.supplyLocation = ducts.SupplyLocation.value_or(kProposedDuctLocation);
  in.returnLocation = ducts.ReturnLocation.value_or(kProposedDuctLocation);
  in.supplyR = ducts[DuctNumber::SupplyR].value_or(kProposedDuctR);
  in.returnR = ducts[DuctNumber::ReturnR].value_or(kProposedDuctR);
  in.returns = ducts[DuctNumber::Returns].value_or(kProposedReturns);
  in.supplyArea = ducts[DuctNumber::SupplyArea].value_or(kProposedSupplyAreaShare * floorArea);
  in.returnArea = ducts[DuctNumber::ReturnArea].value_or(kProposedReturnAreaShare * in.returns * floorArea);
  in.sealing = ducts.Sealing.value_or(kProposedSealing);
  // Ducts inside the conditioned space leak into it, not outside: the
  // description gives them no leakage to outside; a measured CFM25 stands.
  const DuctSealingRow& row = ductSealingRow(in.sealing);
  const auto outside = [](DuctLocation location) { return location != DuctLocation::Conditioned; };
  in.supplyLeakage = ducts[DuctNumber::SupplyLeakage].value_or(
      outside(in.supplyLocation) ? row.supplyPerArea * in.supplyArea : 0.0);
  in.returnLeakage = ducts[DuctNumber::ReturnLeakage].value_or(
      outside(in.returnLocation) ? row.returnPerArea * in.returnArea : 0.0);
  in.heating = ducts.Heating.value_or(proposedHeating);
  return in;
}

}  // namespace kovrin
