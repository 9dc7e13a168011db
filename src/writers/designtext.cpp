#include "writers/designtext.h"

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

std::array<DesignRow, kDesignRows> designRows(const DesignLoad& load) {
  const AirParts& air = load.air;
  return {{
      {"Rooms", "The house totals of the zones' loads", load.zonesHeating, load.zonesCooling, std::nullopt},
      {"Leakage", "Outdoor air that leaks in: the air changes per hour of each page's part of the house",
       air.leakageHeating, air.leakageCooling, air.leakageLatent},
      {"Ventilation", "Outdoor air the ventilation brings in, less what its heat recovery keeps",
       air.ventilationHeating, air.ventilationCooling, air.ventilationLatent},
      {"People", "230 Btu/h sensible and 200 latent an occupant", std::nullopt, load.peopleSensible,
       load.peopleLatent},
      {"Appliances", "Appliances and lights, sensible, as entered", std::nullopt, load.appliances, std::nullopt},
      {"Design load", "The sums; the latent load is never below 0", load.heating, load.coolingSensible,
       load.coolingLatent},
  }};
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
                     "For single-speed equipment: 90 % to 115 % of Kovrin's design cooling total, " +
                         btu(sizes.coolingLoad, grouping) + " for " + sizedForText(design) + "."});
    const std::string capacities =
        "Nominal capacities at 12,000 Btu/h a ton: read a unit's capacity at the design conditions from the "
        "maker's tables.";
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
                         "Even the largest nominal size, 5 tons, falls below the band."});
      }
    }
  } else {
    lines.push_back({"Cooling: no load to size for", "Kovrin's design cooling total for " + sizedForText(design) +
                                                          " is " + btu(sizes.coolingLoad, grouping) + "."});
  }
  if (sizes.heatingBand) {
    lines.push_back({"Heating (furnace output): " + figureText(sizes.heatingBand->minimum, 0, grouping) + " to " +
                         btu(sizes.heatingBand->maximum, grouping),
                     "100 % to 140 % of Kovrin's design heating load, " + btu(sizes.heatingLoad, grouping) + "."});
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
