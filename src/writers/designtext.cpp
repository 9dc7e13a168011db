#include "writers/designtext.h"

#include <algorithm>
#include <cmath>

#include "model/constanttext.h"
#include "model/selections.h"

namespace kovrin {
namespace {

std::string btu(std::int64_t value, Grouping grouping) { return figureText(value, 0, grouping) + " Btu/h"; }
std::string tons(const Figure& hundredths) { return figureText(hundredths, kTonsDecimals, "") + " tons"; }
std::string nominal(const NominalSize& size) { return enteredText(size.tons) + " tons"; }
std::string proposal(const SizeProposal& size) {
  return nominal(size.size) + " is " + (size.underOnePercent ? "under 1" : std::to_string(size.percent)) + " %";
}

}  // namespace

std::string btuPerTonText() { return figureText(kBtuPerTon, 0, Grouping::Thousands) + " Btu/h a ton"; }

std::string percentBandText(std::int64_t low, std::int64_t high) {
  return std::to_string(low) + " % to " + std::to_string(high) + " %";
}

namespace {

namespace peopleparts {
constexpr std::string_view kBefore = "People (";
constexpr std::string_view kSensible = DecimalText<kPersonSensible>::value;
constexpr std::string_view kBetween = " Btu/h sensible, ";
constexpr std::string_view kLatent = DecimalText<kPersonLatent>::value;
constexpr std::string_view kAfter = " latent each) and appliances";
}  // namespace peopleparts
constexpr std::string_view kPeopleTip = JoinedText<peopleparts::kBefore, peopleparts::kSensible, peopleparts::kBetween,
                                                   peopleparts::kLatent, peopleparts::kAfter>::value;

// What each component holds, and in which of heating, sensible and latent
// cooling it has a load.
struct ComponentRow {
  std::string_view tip;
  bool heating;
  bool sensible;
  bool latent;
};
constexpr std::array<ComponentRow, kComponents> kComponentRows = {{
    {"Windows: conduction, and the sun by SHGC, direction, shading and overhang", true, true, false},
    {"Skylights: conduction and the sun on level glass", true, true, false},
    {"Doors: conduction", true, true, false},
    {"Walls above and below grade, and to unconditioned spaces", true, true, false},
    {"Cathedral and flat roofs", true, true, false},
    {"Ceilings under attics", true, true, false},
    {"Floors over crawlspaces, basements, garages and open air", true, true, false},
    {"Slabs by their exposed perimeter, basement floors by their depth", true, false, false},
    {"Outdoor air that leaks in, from the blower-door ACH50 or the air changes entered", true, true, true},
    {"Outdoor air the ventilation brings in, less what its heat recovery keeps", true, true, true},
    {kPeopleTip, false, true, true},
    {"The air handler's fan", false, true, false},
    {"Duct losses and gains: the duct system's, or the pages' duct multipliers while none is entered", true, true,
     true},
    {"Glass load concentrated in one direction: its peak above 1.3 x its daily average", false, true, false},
}};

}  // namespace

std::array<DesignRow, kDesignRows> designRows(const DesignLoad& load) {
  std::array<DesignRow, kDesignRows> rows{};
  const DetailedLoads& parts = load.components;
  for (std::size_t i = 0; i < kComponents; ++i) {
    const ComponentWording& wording = kComponentWordings[i];
    const ComponentRow& row = kComponentRows[i];
    const auto figure = [](bool has, std::int64_t value) { return has ? Figure(value) : std::nullopt; };
    rows[i] = {wording.name, row.tip, figure(row.heating, parts.heating[wording.component]),
               figure(row.sensible, parts.coolingSensible[wording.component]),
               figure(row.latent, parts.coolingLatent[wording.component])};
  }
  rows.back() = {"Design load", "The sums, by the detailed method; the latent load is never below 0", load.heating,
                 load.coolingSensible, load.coolingLatent};
  return rows;
}

std::string_view ductSourceText(DuctSource source) {
  return source == DuctSource::DuctSystem ? "duct system" : "page duct multipliers";
}

std::string_view ductSourceSentence(DuctSource source) {
  return source == DuctSource::DuctSystem
             ? "Ducts: the duct system's losses and gains (Zones > Ducts...); the pages' duct multipliers are not used"
             : "Ducts: the pages' duct multipliers used, as no duct system is entered (Zones > Ducts...)";
}

std::vector<DuctLine> ductLines(const HouseDesign& design, Grouping grouping) {
  std::vector<DuctLine> lines;
  if (design.detailed.ducts != DuctSource::DuctSystem) return lines;
  const DuctSystem& entered = design.ducts;
  const DuctInputs& in = design.detailed.ductInputs;
  const DuctLoads& figures = design.detailed.ductFigures;
  // Proposed surfaces and leakage are shares of the floor area: a tenth
  // is as close as anyone measures them.
  const auto tenths = [](double value) { return enteredText(std::round(value * 10.0) / 10.0); };
  // An entered number as typed, a proposal to a tenth.
  const auto input = [&](DuctNumber n, double value, std::string_view unit) {
    const bool proposed = !entered[n];
    return DuctLine{ductNumberRange(n).name, (proposed ? tenths(value) : enteredText(value)) + std::string(unit),
                    proposed};
  };
  const auto insulation = [&](DuctNumber n, double r, bool supply) {
    DuctLine line = input(n, r, "");
    line.value = "R-" + enteredText(r) + " (R-" + tenths(ductWallR(r, supply)) + " with the air films)";
    return line;
  };
  lines.push_back({"Supply duct location", std::string(ductLocationWording(in.supplyLocation).text),
                   !entered.SupplyLocation});
  lines.push_back({"Return duct location", std::string(ductLocationWording(in.returnLocation).text),
                   !entered.ReturnLocation});
  lines.push_back(insulation(DuctNumber::SupplyR, in.supplyR, true));
  lines.push_back(insulation(DuctNumber::ReturnR, in.returnR, false));
  lines.push_back(input(DuctNumber::SupplyArea, in.supplyArea, " ft\u00b2"));
  lines.push_back(input(DuctNumber::ReturnArea, in.returnArea, " ft\u00b2"));
  lines.push_back(input(DuctNumber::Returns, in.returns, ""));
  lines.push_back({"Sealing", std::string(ductSealingRow(in.sealing).text), !entered.Sealing});
  lines.push_back(input(DuctNumber::SupplyLeakage, in.supplyLeakage, " CFM25"));
  lines.push_back(input(DuctNumber::ReturnLeakage, in.returnLeakage, " CFM25"));
  lines.push_back({"Air heated by", std::string(ductHeatingRow(in.heating).text), !entered.Heating});
  const auto degrees = [](double value) { return enteredText(std::round(value * 10.0) / 10.0) + " \u00b0F"; };
  lines.push_back({"Around the supply, winter / summer",
                   degrees(figures.heatingSupplySurroundings) + " / " + degrees(figures.coolingSupplySurroundings)});
  lines.push_back({"Around the return, winter / summer",
                   degrees(figures.heatingReturnSurroundings) + " / " + degrees(figures.coolingReturnSurroundings)});
  const auto hundredths = [](double value) {
    return figureText(static_cast<std::int64_t>(std::llround(std::clamp(value, 0.0, 1.0) * 100.0)), 2);
  };
  lines.push_back({"Delivery effectiveness, heating / cooling",
                   hundredths(figures.heatingEffectiveness) + " / " + hundredths(figures.coolingEffectiveness)});
  const auto cfm = [&](double value) {
    const double whole = std::isfinite(value) ? std::clamp(std::round(value), 0.0, 9.0e15) : 0.0;
    return figureText(static_cast<std::int64_t>(whole), 0, grouping);
  };
  // The airflow that carries the design load, not the system airflow
  // entered in House Air and People: the ducts carry what the load needs.
  lines.push_back({"Design airflow, heating / cooling",
                   cfm(figures.heatingAirflow) + " / " + cfm(figures.coolingAirflow) + " CFM"});
  return lines;
}

Figure systemAirflowFigure(const HouseValues& house) {
  const std::optional<double>& system = house[HouseValue::SystemAirflow];
  // Every reader and the dialog take only whole CFM of the range.
  if (!system || !inHouseRange(HouseValue::SystemAirflow, *system)) return std::nullopt;
  return static_cast<std::int64_t>(*system);
}

std::string enteredValueText(const HouseValues& house, HouseValue value) {
  const std::optional<double>& entered = house[value];
  if (!entered) return "not entered";
  return enteredText(*entered) + ' ' + std::string(houseValueRange(value).unit);
}

// A value the load takes from elsewhere says so, entered or not: the
// house's people and appliances once zones have their own, the air changes
// by leakage once a blower-door ACH50 is entered.
std::string houseValueText(const HouseDesign& design, HouseValue value) {
  const std::string text = enteredValueText(design.house, value);
  const bool gain = value == HouseValue::Occupants || value == HouseValue::Appliances;
  const bool leakage = value == HouseValue::LeakageAchWinter || value == HouseValue::LeakageAchSummer;
  if (gain && !design.zonesWithOwnGains.empty()) {
    return text + (design.house[value] ? " (not counted: " : " (") + ownGainsText(design.zonesWithOwnGains) + ")";
  }
  if (leakage && design.details[HouseDetail::Ach50]) {
    return text + (design.house[value] ? " (not counted: " : " (") + "the air leakage at 50 Pa is taken)";
  }
  return text;
}

std::string houseDetailText(const HouseDetails& details, HouseDetail detail) {
  const HouseDetailRange& range = houseDetailRange(detail);
  // A count (storeys, a class) stands without a unit: its name says what it counts.
  const auto withUnit = [&range](double value) {
    return range.whole || range.unit.empty() ? enteredText(value) : enteredText(value) + ' ' + std::string(range.unit);
  };
  if (const std::optional<double>& entered = details[detail]) return withUnit(*entered);
  if (range.proposal) return withUnit(*range.proposal) + " (proposed)";
  return "not entered (the air changes by leakage are taken)";
}

bool designLoadListed(const HouseDesign& design) {
  return design.house.anyEntered() || design.load.airAndPeopleEntered || design.ducts.entered();
}

std::string ownGainsText(const std::vector<int>& zones) {
  if (zones.empty()) return {};
  std::string text = zones.size() == 1 ? "zone " : "zones ";
  for (std::size_t i = 0; i < zones.size(); ++i) {
    if (i > 0) text += i + 1 == zones.size() ? " and " : ", ";
    text += std::to_string(zones[i]);
  }
  return text + (zones.size() == 1 ? " has its own" : " have their own");
}

std::string turnText(int rotation) {
  return rotation == 0 ? "as drawn" : std::to_string(rotation * kDegreesPerTurn) + "\u00B0";
}

std::string_view northSideFaces(int rotation) {
  return kGlassDirectionEntries[static_cast<std::size_t>(turnedDirection(1, rotation) - 1)];
}

std::string sizedForText(const HouseDesign& design) {
  const int rotation = design.sizingRotation;
  std::string text = rotation == 0 ? "the house as drawn" : "the house turned " + turnText(rotation);
  if (design.house.SizeFor == SizingOrientation::Worst) text += ", its worst orientation";
  return text;
}

std::string turnMarks(const HouseDesign& design, int rotation) {
  const bool worst = rotation == design.orientations.worst;
  const bool sized = rotation == design.sizingRotation;
  return std::string(worst ? "worst" : "") + (worst && sized ? ", " : "") + (sized ? "sized for" : "");
}

std::vector<SizingLine> sizingLines(const HouseDesign& design, Grouping grouping) {
  const EquipmentSizes& sizes = design.sizes;
  std::vector<SizingLine> lines;
  if (sizes.coolingBand) {
    lines.push_back({"Cooling: " + figureText(sizes.coolingBand->minimum, 0, grouping) + " to " +
                         btu(sizes.coolingBand->maximum, grouping) + " (" +
                         figureText(sizes.coolingMinTons, kTonsDecimals, "") + " to " + tons(sizes.coolingMaxTons) + ")",
                     "For single-speed equipment: " + percentBandText(kCoolingBandLow, kCoolingBandHigh) +
                         " of Kovrin's design cooling total, " +
                         btu(sizes.coolingLoad, grouping) + " for " + sizedForText(design) + "."});
    const std::string capacities =
        "Nominal capacities at " + btuPerTonText() +
        ": read a unit's capacity at the design conditions from the maker's tables.";
    std::string fits;
    for (std::size_t i = 0; i < kNominalSizes.size(); ++i) {
      if (!sizes.fits[i]) continue;
      fits += (fits.empty() ? "" : ", ") + enteredText(kNominalSizes[i].tons);
    }
    if (!fits.empty()) {
      lines.push_back({"Sizes that fit: " + fits + " tons", capacities});
    } else {
      std::string nearest = "No nominal size fits";
      if (sizes.below) nearest += ": " + proposal(*sizes.below);
      if (sizes.above) nearest += (sizes.below ? ", " : ": ") + proposal(*sizes.above);
      if (sizes.below || sizes.above) nearest += " of the load";
      lines.push_back({nearest, capacities});
      if (sizes.moreThanOneUnit) {
        lines.push_back({"The house needs more than one unit, or a larger, commercial one",
                         "Even the largest nominal size, " + nominal(kNominalSizes.back()) +
                             ", falls below the band."});
      }
    }
  } else {
    lines.push_back({"Cooling: no load to size for", "Kovrin's design cooling total for " + sizedForText(design) +
                                                          " is " + btu(sizes.coolingLoad, grouping) + "."});
  }
  if (sizes.heatingBand && design.system == SystemType::HeatPump) {
    lines.push_back({"Heating (heat pump and backup): " + btu(sizes.heatingLoad, grouping) + " at the design temperature",
                     "A heat pump alone has no furnace output to size: its capacity at the design temperature and "
                     "its backup heat carry Kovrin's design heating load (the equipment's checks)."});
  } else if (sizes.heatingBand) {
    lines.push_back({"Heating (furnace output): " + figureText(sizes.heatingBand->minimum, 0, grouping) + " to " +
                         btu(sizes.heatingBand->maximum, grouping),
                     percentBandText(kHeatingBandLow, kHeatingBandHigh) + " of Kovrin's design heating load, " +
                         btu(sizes.heatingLoad, grouping) + "."});
  } else {
    lines.push_back({"Heating: no load to size for",
                     "Kovrin's design heating load is " + btu(sizes.heatingLoad, grouping) + "."});
  }
  return lines;
}

std::string spreadText(const HouseOrientations& orientations, Grouping grouping) {
  return btu(orientations.spread, grouping) + " between the lowest and the highest design cooling total";
}

}  // namespace kovrin
