#include "writers/summarywriters.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "model/hexescape.h"
#include "model/nametext.h"
#include "model/utf8.h"
#include "writers/designtext.h"
#include "writers/equipmentwriters.h"

namespace kovrin {
namespace {

// Right-aligned in `width`. A text that fills the width or more is kept
// whole after one blank, so that it never runs into the column before it.
void appendRight(std::string& out, std::string_view text, std::size_t width) {
  out.append(text.size() < width ? width - text.size() : 1, ' ');
  out += text;
}

void appendRight(std::string& out, std::int64_t value, std::size_t width) {
  appendRight(out, std::to_string(value), width);
}

constexpr std::size_t kNumberWidth = 11;
constexpr std::size_t kIndexWidth = 5;

std::string jsonParts(const std::array<std::int32_t, kLoadComponents>& parts) {
  std::string out = "{";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i != 0) out += ',';
    out += '"';
    out += kComponentNames[i];
    out += "\":";
    out += std::to_string(parts[i]);
  }
  out += '}';
  return out;
}

// The detailed loads by component: {"heating":{"windows":..},
// "coolingSensible":{..},"coolingLatent":{..}}, whole Btu/h.
std::string jsonComponents(const DetailedLoads& loads) {
  std::string out = "{";
  const std::pair<std::string_view, const ComponentLoads*> seasons[] = {
      {"heating", &loads.heating}, {"coolingSensible", &loads.coolingSensible}, {"coolingLatent", &loads.coolingLatent}};
  for (const auto& [season, parts] : seasons) {
    if (season != seasons[0].first) out += ',';
    out += '"' + std::string(season) + "\":{";
    for (const ComponentWording& wording : kComponentWordings) {
      if (wording.component != Component::Windows) out += ',';
      out += '"' + std::string(wording.jsonKey) + "\":" + std::to_string((*parts)[wording.component]);
    }
    out += '}';
  }
  return out + '}';
}

// The floor area and the two loads per ft², as CSV fields (no value is an
// empty field) or as JSON members (null).
std::string floorAreaFields(const Figure& area, const Figure& heating, const Figure& cooling) {
  return figureText(area, kFloorAreaDecimals, "") + ',' + figureText(heating, kPerFloorAreaDecimals, "") + ',' +
         figureText(cooling, kPerFloorAreaDecimals, "");
}

std::string floorAreaMembers(const Figure& area, const Figure& heating, const Figure& cooling) {
  return ",\"floorArea\":" + figureText(area, kFloorAreaDecimals, "null") +
         ",\"heatingPerFloorArea\":" + figureText(heating, kPerFloorAreaDecimals, "null") +
         ",\"coolingPerFloorArea\":" + figureText(cooling, kPerFloorAreaDecimals, "null");
}

// The text of the design: the design load (or the line that says none of
// it is entered), the house's values, the zones' part of the system
// airflow, the turns and the sizes that fit.
void appendDesignLoadText(std::string& out, const DesignLoad& load) {
  constexpr std::size_t kLabelWidth = 15;
  const auto label = [&](std::string_view text) {
    out += ' ';
    out += text;
    out.append(text.size() < kLabelWidth ? kLabelWidth - text.size() : 1, ' ');
  };
  out += '\n';
  if (!load.airAndPeopleEntered) {
    out += ' ';
    out += kAirAndPeopleNotEntered;
    out += '\n';
    return;
  }
  out += " Design load, detailed (ducts from the " + std::string(ductSourceText(load.ducts)) + ")\n";
  label("");
  for (std::string_view heading : {"Heating", "Sensible", "Latent"}) appendRight(out, heading, kNumberWidth);
  out += '\n';
  for (const DesignRow& row : designRows(load)) {
    label(row.label);
    std::string line;
    for (const Figure* figure : {&row.heating, &row.sensible, &row.latent}) {
      appendRight(line, figureText(*figure, 0, ""), kNumberWidth);
    }
    out += line.substr(0, line.find_last_not_of(' ') + 1);
    out += '\n';
  }
  out += " Cooling total: " + std::to_string(load.coolingTotal) + " Btu/h, " +
         figureText(load.coolingTons, kTonsDecimals) + " tons, sensible heat ratio " +
         figureText(load.sensibleHeatRatio, kRatioDecimals, "-") + '\n';
}

// Where the ducts come from, and the duct system's inputs and figures as
// the design load took them, a line each, a proposal marked.
void appendDuctsText(std::string& out, const HouseDesign& design) {
  constexpr std::size_t kDuctLabelWidth = 43;
  out += ' ';
  out += ductSourceSentence(design.detailed.ducts);
  out += '\n';
  for (const DuctLine& line : ductLines(design, Grouping::None)) {
    out += "  ";
    out += line.label;
    out.append(line.label.size() < kDuctLabelWidth ? kDuctLabelWidth - line.label.size() : 1, ' ');
    out += terminalText(line.value);
    if (line.proposed) out += " (proposed)";
    out += '\n';
  }
}

// The duct system's members in kovrin-report's JSON: the inputs as the
// design load took them (numbers as the lines round them), the keys of
// those proposed, and what the load settled on; null without one.
std::string ductSystemJson(const HouseDesign& design) {
  if (design.detailed.ducts != DuctSource::DuctSystem) return "null";
  const DuctSystem& entered = design.ducts;
  const DuctInputs& in = design.detailed.ductInputs;
  const DuctLoads& figures = design.detailed.ductFigures;
  const auto tenths = [](double value) { return enteredText(std::round(value * 10.0) / 10.0); };
  const auto text = [](std::string_view key, std::string_view value) {
    return '"' + std::string(key) + "\":" + jsonString(value);
  };
  const auto number = [](std::string_view key, const std::string& value) {
    return '"' + std::string(key) + "\":" + value;
  };
  const auto key = [](DuctNumber n) { return ductNumberRange(n).jsonKey; };
  std::string out = "{" + text("supplyLocation", ductLocationWording(in.supplyLocation).word) + ',' +
                    text("returnLocation", ductLocationWording(in.returnLocation).word);
  const std::pair<DuctNumber, double> numbers[] = {
      {DuctNumber::SupplyR, in.supplyR},         {DuctNumber::ReturnR, in.returnR},
      {DuctNumber::SupplyArea, in.supplyArea},   {DuctNumber::ReturnArea, in.returnArea},
      {DuctNumber::Returns, in.returns},         {DuctNumber::SupplyLeakage, in.supplyLeakage},
      {DuctNumber::ReturnLeakage, in.returnLeakage}};
  // An entered value as typed, a proposal to a tenth, as the text has it.
  for (const auto& [n, value] : numbers) out += ',' + number(key(n), entered[n] ? enteredText(value) : tenths(value));
  out += ',' + text("sealing", ductSealingRow(in.sealing).word) + ',' +
         text("heating", ductHeatingRow(in.heating).word) + ",\"proposed\":[";
  std::vector<std::string_view> proposed;
  if (!entered.SupplyLocation) proposed.push_back("supplyLocation");
  if (!entered.ReturnLocation) proposed.push_back("returnLocation");
  for (const auto& [n, value] : numbers) {
    if (!entered[n]) proposed.push_back(key(n));
  }
  if (!entered.Sealing) proposed.push_back("sealing");
  if (!entered.Heating) proposed.push_back("heating");
  for (std::size_t i = 0; i < proposed.size(); ++i) out += (i == 0 ? "\"" : ",\"") + std::string(proposed[i]) + '"';
  const auto hundredths = [](double value) {
    return figureText(static_cast<std::int64_t>(std::llround(std::clamp(value, 0.0, 1.0) * 100.0)), 2);
  };
  const auto whole = [](double value) {
    return std::to_string(static_cast<std::int64_t>(std::isfinite(value) ? std::clamp(std::round(value), 0.0, 9.0e15)
                                                                         : 0.0));
  };
  out += "]," + number("heatingEffectiveness", hundredths(figures.heatingEffectiveness)) + ',' +
         number("coolingEffectiveness", hundredths(figures.coolingEffectiveness)) + ',' +
         number("heatingAirflow", whole(figures.heatingAirflow)) + ',' +
         number("coolingAirflow", whole(figures.coolingAirflow)) + '}';
  return out;
}

// The job's details that are given, a line each (the lines of a detail
// under its first), and the warnings of the house report.
void appendJobAndWarningsText(std::string& out, const HouseSummary& summary) {
  for (const JobDetailField& field : kJobDetailFields) {
    const std::string& value = summary.job.*field.member;
    if (value.empty()) continue;
    const std::string label = plainLabel(field.label) + ": ";
    std::string_view rest = value;
    for (bool first = true; first || !rest.empty(); first = false) {
      const std::string_view line = rest.substr(0, rest.find('\n'));
      rest.remove_prefix(std::min(rest.size(), line.size() + 1));
      out += first ? label : std::string(label.size(), ' ');
      out += terminalText(line);
      out += '\n';
    }
  }
  for (const std::string& warning : summary.warnings) out += "Warning: " + terminalText(warning) + '\n';
}

void appendZonesDesignText(std::string& out, const HouseSummary& summary, const HouseDesign& design) {
  out += "\n Detailed design load by zone (their page calculation is above)\n Zone    Heating   Sensible     Latent\n";
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    const DetailedLoads& loads = design.detailed.zones[static_cast<std::size_t>(zone.zone - 1)];
    appendRight(out, zone.zone, kIndexWidth);
    appendRight(out, loads.heatingTotal(), kNumberWidth);
    appendRight(out, loads.coolingSensibleTotal(), kNumberWidth);
    appendRight(out, loads.coolingLatentTotal(), kNumberWidth);
    out += '\n';
  }
}

void appendHouseValuesText(std::string& out, const HouseDesign& design) {
  out += "\n House values\n";
  for (const HouseValueRange& range : kHouseValueRanges) {
    out += "  " + std::string(range.name) + ": " + houseValueText(design, range.value) + '\n';
  }
  out += "  Size for: " + std::string(sizeForWording(design.house.SizeFor).text) + '\n';
  for (const HouseDetailRange& range : kHouseDetailRanges) {
    out += "  " + std::string(range.name) + ": " + houseDetailText(design.details, range.value) + '\n';
  }
}

void appendAirflowText(std::string& out, const HouseSummary& summary, const HouseDesign& design) {
  const std::optional<double>& system = design.house[HouseValue::SystemAirflow];
  if (!system) return;
  out += "\n System airflow of " + enteredText(*system) + " CFM by the zones' loads\n Zone    Heating    Cooling\n";
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    const auto i = static_cast<std::size_t>(zone.zone - 1);
    appendRight(out, zone.zone, kIndexWidth);
    appendRight(out, figureText(design.heatingAirflow[i], 0, "-"), kNumberWidth);
    appendRight(out, figureText(design.coolingAirflow[i], 0, "-"), kNumberWidth);
    out += '\n';
  }
}

void appendOrientationText(std::string& out, const HouseDesign& design) {
  const HouseOrientations& orientations = design.orientations;
  out += "\n Turn Degrees N faces      Rooms     Design\n";
  for (const Orientation& turn : orientations.turns) {
    appendRight(out, turn.rotation, kIndexWidth);
    appendRight(out, turn.degrees, 8);
    appendRight(out, northSideFaces(turn.rotation), 8);
    appendRight(out, turn.coolingZones, kNumberWidth);
    appendRight(out, turn.coolingTotal, kNumberWidth);
    const std::string marks = turnMarks(design, turn.rotation);
    if (!marks.empty()) out += "  " + marks;
    out += '\n';
  }
  out += " Spread: " + spreadText(orientations, Grouping::None) + '\n';
}

void appendSizesText(std::string& out, const HouseDesign& design) {
  out += "\n Sizes that fit\n";
  for (const SizingLine& line : sizingLines(design, Grouping::None)) {
    out += "  " + line.figure + "\n    " + line.basis + '\n';
  }
}

// The CSV columns of the design: the zones' part of the system airflow on
// zone rows, the design load, the turns and the sizes on the house row.
constexpr std::array<std::string_view, 2> kZoneDesignColumns{"heating_airflow", "cooling_airflow"};
constexpr std::array<std::string_view, 40> kHouseDesignColumns{
    "design_heating",      "design_cooling_sensible", "design_cooling_latent", "design_cooling_total",
    "design_cooling_tons", "sensible_heat_ratio",     "leakage_heating",       "leakage_cooling",
    "leakage_latent",      "ventilation_heating",     "ventilation_cooling",   "ventilation_latent",
    "people_sensible",     "people_latent",           "appliances",            "worst_rotation",
    "cooling_spread",      "size_for",                "turn0_cooling_total",   "turn1_cooling_total",
    "turn2_cooling_total", "turn3_cooling_total",     "turn4_cooling_total",   "turn5_cooling_total",
    "turn6_cooling_total", "turn7_cooling_total",     "sizing_cooling_load",   "cooling_min",
    "cooling_max",         "cooling_min_tons",        "cooling_max_tons",      "nominal_tons",
    "below_tons",          "below_percent",           "above_tons",            "above_percent",
    "heating_min",         "heating_max",             "design_method",         "ducts_from"};

// The detailed loads by component, on zone rows and the house row:
// design_heating_windows ... design_latent_aed_excursion.
constexpr std::array<std::string_view, 3> kSeasonColumns{"design_heating_", "design_sensible_", "design_latent_"};
constexpr std::array<std::string_view, kComponents> kComponentColumns{
    "windows",      "skylights",   "doors",          "walls",       "roofs", "ceilings", "floors",
    "slabs",        "infiltration", "ventilation",   "internal_gains", "blower_heat", "ducts", "aed_excursion"};

std::string csvComponents(const DetailedLoads& loads) {
  std::string out;
  for (const ComponentLoads* parts : {&loads.heating, &loads.coolingSensible, &loads.coolingLatent}) {
    for (const std::int64_t part : parts->parts) out += ',' + std::to_string(part);
  }
  return out;
}

// The house row's own figures of the rooms (the zones' totals, beside the
// design load in the columns that every row has), then the job and the
// warnings.
constexpr std::array<std::string_view, 7> kHouseRoomsColumns{
    "rooms_heating",         "rooms_cooling",         "rooms_cooling_tons", "rooms_floor_area",
    "rooms_heating_per_ft2", "rooms_cooling_per_ft2", "rooms_ft2_per_ton"};
constexpr std::string_view kWarningsColumn = "warnings";

std::size_t houseOnlyColumns() { return kHouseRoomsColumns.size() + kJobDetailFields.size() + 1; }

// The job's detail columns are named after their keys in the project notes.
std::string csvColumnName(std::string_view key) {
  std::string name(key);
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

std::string houseOnlyFields(const HouseSummary& summary) {
  std::string out = ',' + std::to_string(summary.heating) + ',' + std::to_string(summary.cooling) + ',' +
                    tonsText(summary.cooling) + ',' +
                    floorAreaFields(summary.floorArea, summary.heatingPerFloorArea, summary.coolingPerFloorArea) +
                    ',' + figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, "");
  for (const JobDetailField& field : kJobDetailFields) out += ',' + csvField(summary.job.*field.member);
  std::string warnings;
  for (const std::string& warning : summary.warnings) warnings += (warnings.empty() ? "" : " ") + warning;
  return out + ',' + csvField(warnings);
}

// The fitting nominal sizes in tons, apart by `separator`.
std::string nominalTons(const EquipmentSizes& sizes, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < kNominalSizes.size(); ++i) {
    if (!sizes.fits[i]) continue;
    if (!out.empty()) out += separator;
    out += enteredText(kNominalSizes[i].tons);
  }
  return out;
}

// The house row's figures of the design, each a CSV field after a comma,
// empty for a figure that has no value.
std::string houseDesignFields(const HouseDesign& design) {
  const DesignLoad& load = design.load;
  const AirParts& air = load.air;
  const EquipmentSizes& sizes = design.sizes;
  std::string out;
  const auto field = [&out](const std::string& text) { out += ',' + text; };
  for (std::int64_t value : {load.heating, load.coolingSensible, load.coolingLatent, load.coolingTotal}) {
    field(std::to_string(value));
  }
  field(figureText(load.coolingTons, kTonsDecimals));
  field(figureText(load.sensibleHeatRatio, kRatioDecimals, ""));
  for (std::int64_t value : {air.leakageHeating, air.leakageCooling, air.leakageLatent, air.ventilationHeating,
                             air.ventilationCooling, air.ventilationLatent, load.peopleSensible, load.peopleLatent,
                             load.appliances, std::int64_t{design.orientations.worst}, design.orientations.spread}) {
    field(std::to_string(value));
  }
  field(std::string(sizeForWording(design.house.SizeFor).word));
  for (const Orientation& turn : design.orientations.turns) field(std::to_string(turn.coolingTotal));
  field(std::to_string(sizes.coolingLoad));
  field(sizes.coolingBand ? std::to_string(sizes.coolingBand->minimum) : "");
  field(sizes.coolingBand ? std::to_string(sizes.coolingBand->maximum) : "");
  field(figureText(sizes.coolingMinTons, kTonsDecimals, ""));
  field(figureText(sizes.coolingMaxTons, kTonsDecimals, ""));
  field(nominalTons(sizes, " "));
  for (const std::optional<SizeProposal>* proposal : {&sizes.below, &sizes.above}) {
    field(*proposal ? enteredText((*proposal)->size.tons) : "");
    field(*proposal ? std::to_string((*proposal)->percent) : "");
  }
  field(sizes.heatingBand ? std::to_string(sizes.heatingBand->minimum) : "");
  field(sizes.heatingBand ? std::to_string(sizes.heatingBand->maximum) : "");
  field("detailed");
  field(std::string(ductSourceText(load.ducts)));
  return out;
}

// A JSON member: its name and its value as JSON text, or a whole number.
std::string jsonMember(std::string_view name, const std::string& value) { return '"' + std::string(name) + "\":" + value; }
std::string jsonWhole(std::string_view name, std::int64_t value) { return jsonMember(name, std::to_string(value)); }

// "designLoad": the design load, its air and people, and its components.
std::string designLoadJson(const DesignLoad& load) {
  const AirParts& air = load.air;
  return ",\"designLoad\":{" + jsonWhole("heating", load.heating) + ',' +
         jsonWhole("coolingSensible", load.coolingSensible) + ',' + jsonWhole("coolingLatent", load.coolingLatent) +
         ',' + jsonWhole("coolingTotal", load.coolingTotal) + ',' +
         jsonMember("coolingTons", figureText(load.coolingTons, kTonsDecimals)) + ',' +
         jsonMember("sensibleHeatRatio", figureText(load.sensibleHeatRatio, kRatioDecimals, "null")) +
         ",\"parts\":{" + jsonWhole("leakageHeating", air.leakageHeating) + ',' +
         jsonWhole("leakageCooling", air.leakageCooling) + ',' + jsonWhole("leakageLatent", air.leakageLatent) + ',' +
         jsonWhole("ventilationHeating", air.ventilationHeating) + ',' +
         jsonWhole("ventilationCooling", air.ventilationCooling) + ',' +
         jsonWhole("ventilationLatent", air.ventilationLatent) + ',' + jsonWhole("peopleSensible", load.peopleSensible) +
         ',' + jsonWhole("peopleLatent", load.peopleLatent) + ',' + jsonWhole("appliances", load.appliances) +
         "},\"method\":\"detailed\",\"ducts\":\"" + std::string(ductSourceText(load.ducts)) +
         "\",\"components\":" + jsonComponents(load.components) + '}';
}

// "airAndPeople": the values and the house's details as entered, null where not.
std::string airAndPeopleJson(const HouseValues& house, const HouseDetails& details) {
  std::string out = ",\"airAndPeople\":{";
  for (int i = 0; i < kAirAndPeopleValues; ++i) {
    const std::optional<double>& value = house.Entered[static_cast<std::size_t>(i)];
    if (i != 0) out += ',';
    out += jsonMember(kHouseValueRanges[static_cast<std::size_t>(i)].jsonKey, value ? enteredText(*value) : "null");
  }
  for (const HouseDetailRange& range : kHouseDetailRanges) {
    const std::optional<double>& value = details[range.value];
    out += ',' + jsonMember(range.jsonKey, value ? enteredText(*value) : "null");
  }
  return out + '}';
}

// "orientations" and what follows from them: the worst, the spread, what
// is sized for, and the system airflow as entered.
std::string orientationsJson(const HouseDesign& design) {
  std::string out = ",\"orientations\":[";
  for (const Orientation& turn : design.orientations.turns) {
    if (turn.rotation != 0) out += ',';
    out += '{' + jsonWhole("rotation", turn.rotation) + ',' + jsonWhole("degrees", turn.degrees) + ',' +
           jsonWhole("coolingZones", turn.coolingZones) + ',' + jsonWhole("coolingSensible", turn.coolingSensible) +
           ',' + jsonWhole("coolingTotal", turn.coolingTotal) + '}';
  }
  const std::optional<double>& system = design.house[HouseValue::SystemAirflow];
  return out + "]," + jsonWhole("worstRotation", design.orientations.worst) + ',' +
         jsonWhole("coolingSpread", design.orientations.spread) + ",\"sizeFor\":\"" +
         std::string(sizeForWording(design.house.SizeFor).word) + "\"," +
         jsonMember(houseValueRange(HouseValue::SystemAirflow).jsonKey, system ? enteredText(*system) : "null");
}

// "sizing": the bands, the sizes that fit and the nearest.
std::string sizingJson(const EquipmentSizes& sizes) {
  const auto band = [](std::string_view low, std::string_view high, const std::optional<SizeBand>& edges) {
    return jsonMember(low, edges ? std::to_string(edges->minimum) : "null") + ',' +
           jsonMember(high, edges ? std::to_string(edges->maximum) : "null");
  };
  const auto proposal = [](std::string_view name, const std::optional<SizeProposal>& size) {
    return jsonMember(name, size ? '{' + jsonMember("tons", enteredText(size->size.tons)) + ',' +
                                       jsonWhole("percent", size->percent) + '}'
                                 : "null");
  };
  return ",\"sizing\":{" + jsonWhole("coolingLoad", sizes.coolingLoad) + ',' +
         band("coolingMin", "coolingMax", sizes.coolingBand) + ',' +
         jsonMember("coolingMinTons", figureText(sizes.coolingMinTons, kTonsDecimals, "null")) + ',' +
         jsonMember("coolingMaxTons", figureText(sizes.coolingMaxTons, kTonsDecimals, "null")) + ',' +
         jsonMember("nominalTons", '[' + nominalTons(sizes, ",") + ']') + ',' + proposal("below", sizes.below) + ',' +
         proposal("above", sizes.above) + ',' + jsonWhole("heatingLoad", sizes.heatingLoad) + ',' +
         band("heatingMin", "heatingMax", sizes.heatingBand) + '}';
}

// The JSON members of the design on the project object.
std::string designJsonMembers(const HouseDesign& design) {
  return designLoadJson(design.load) + ",\"ductSystem\":" + ductSystemJson(design) +
         airAndPeopleJson(design.house, design.details) + orientationsJson(design) + sizingJson(design.sizes);
}

}  // namespace

// A text cell of a CSV row: quoted when it holds a comma, a quote or a line
// end. A spreadsheet takes a cell that begins with one of "=+-@", a tab or a
// carriage return as a formula (=HYPERLINK(...) runs when clicked), so such
// a cell is quoted with an apostrophe before it, which makes it text.
std::string csvField(std::string_view text) {
  const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
  if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = formula ? "\"'" : "\"";
  for (char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
  return out;
}

// A JSON string, which is UTF-8: a byte of a file name that starts no UTF-8
// character is written as U+FFFD, the replacement character.
std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const char ch = text[i];
    const auto byte = static_cast<unsigned char>(ch);
    const std::size_t length = utf8Length(text.substr(i));
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      appendHexEscape(out, byte, "\\u00", HexDigits::Lower);
    } else if (length == 0) {
      out += "\\ufffd";
    } else {
      out += text.substr(i, length);
    }
    i += std::max<std::size_t>(length, 1);
  }
  out += '"';
  return out;
}

namespace {

// The zones' page figures, and their parts when asked for.
void appendZonesText(std::string& out, const HouseSummary& summary, bool breakdown) {
  // The air columns are each zone's share of its page's airflow, in the
  // unit of the page's "CFM or %", as Calculate shows it.
  out += "\n Zone Page    Heating    Cooling Heat share Cool share";
  out += summary.named ? "  Name\n" : "\n";
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    appendRight(out, zone.zone, kIndexWidth);
    appendRight(out, zone.page, kIndexWidth);
    appendRight(out, zone.heating, kNumberWidth);
    appendRight(out, zone.cooling, kNumberWidth);
    appendRight(out, zone.heatingAirShare, kNumberWidth);
    appendRight(out, zone.coolingAirShare, kNumberWidth);
    if (!zone.name.empty()) out += "  " + terminalText(zone.name);
    out += '\n';
  }
  if (!breakdown) return;
  out += "\n Zone Load         Doors      Floor       Roof      Walls      Glass\n";
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    for (bool heating : {true, false}) {
      appendRight(out, zone.zone, kIndexWidth);
      out += heating ? " heating" : " cooling";
      for (std::int32_t part : heating ? zone.heatingParts : zone.coolingParts) {
        appendRight(out, part, kNumberWidth);
      }
      out += '\n';
    }
  }
}

// The pages' totals, then the house's design load.
void appendPagesAndHouseText(std::string& out, const HouseSummary& summary, const HouseDesign& design) {
  out += "\n Page         Heating    Cooling   CFM or %\n";
  for (const PageSummary& page : summary.pages) {
    appendRight(out, page.page, kIndexWidth);
    appendRight(out, page.heating, kNumberWidth + kIndexWidth);
    appendRight(out, page.cooling, kNumberWidth);
    appendRight(out, page.airTotal, kNumberWidth);
    out += '\n';
  }
  // The house's figures are its design load, and the line says so; the
  // rooms' own stand in the design load's parts. Sized for a turn of the
  // house, the figures as drawn say so, and the turn's follow.
  out += "\n House        Heating    Cooling       Tons\n";
  const bool turned = design.sizingRotation != 0;
  const auto row = [&out](std::string_view label, const DesignLoad& load, std::string_view what) {
    out += label;
    appendRight(out, load.heating, kIndexWidth + kIndexWidth + kNumberWidth - label.size());
    appendRight(out, load.coolingTotal, kNumberWidth);
    appendRight(out, figureText(load.coolingTons, kTonsDecimals), kNumberWidth);
    if (!what.empty()) out += "  " + std::string(what);
    out += '\n';
  };
  row(" design load", design.load, turned ? "the house as drawn" : "");
  if (turned) row(" sized for", sizedLoad(design), sizedForText(design));
}

}  // namespace

std::string summaryText(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                        std::string_view project, bool breakdown) {
  std::string out;
  out.reserve(8192);
  out += "Project: ";
  out += terminalText(project);
  out += '\n';
  appendJobAndWarningsText(out, summary);
  appendZonesText(out, summary, breakdown);
  appendPagesAndHouseText(out, summary, design);
  if (designLoadListed(design)) {
    appendDesignLoadText(out, design.load);
    appendDuctsText(out, design);
    appendZonesDesignText(out, summary, design);
    appendHouseValuesText(out, design);
    appendAirflowText(out, summary, design);
    appendOrientationText(out, design);
    appendSizesText(out, design);
  }
  out += equipmentText(equipment);
  return out;
}

std::string summaryCsvHeader(bool breakdown) {
  std::string out = "project,kind,zone,page,heating,cooling,heating_air,cooling_air,cooling_tons";
  if (breakdown) {
    for (std::string_view load : {"heating", "cooling"}) {
      for (std::string_view name : kComponentNames) {
        out += ',';
        out += load;
        out += '_';
        out += name;
      }
    }
  }
  out += ",floor_area,heating_per_ft2,cooling_per_ft2,ft2_per_ton,name";
  for (const std::span<const std::string_view> columns :
       {std::span<const std::string_view>(kZoneDesignColumns), std::span<const std::string_view>(kHouseDesignColumns)}) {
    for (std::string_view column : columns) {
      out += ',';
      out += column;
    }
  }
  out += equipmentCsvHeader();
  for (std::string_view season : kSeasonColumns) {
    for (std::string_view component : kComponentColumns) out += ',' + std::string(season) + std::string(component);
  }
  for (std::string_view column : kHouseRoomsColumns) out += ',' + std::string(column);
  for (const JobDetailField& field : kJobDetailFields) out += ',' + csvColumnName(field.fileKey);
  out += ',' + std::string(kWarningsColumn) + '\n';
  return out;
}

std::string summaryCsv(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                       std::string_view project, bool breakdown) {
  const std::string name = csvField(project);
  const std::string noParts = breakdown ? std::string(2 * kLoadComponents, ',') : std::string();
  const std::string noZoneDesign(kZoneDesignColumns.size(), ',');
  const std::string noHouseDesign = std::string(kHouseDesignColumns.size(), ',') + equipmentCsvEmptyCells();
  const std::string noComponents(3 * kComponents, ',');
  // A zone row's detailed totals stand in the house's first design columns.
  const std::string restOfHouseDesign(kHouseDesignColumns.size() - 3, ',');
  const std::string noHouseOnly(houseOnlyColumns(), ',');
  std::string out;
  out.reserve(8192);
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    out += name + ",zone," + std::to_string(zone.zone) + ',' + std::to_string(zone.page) + ',' +
           std::to_string(zone.heating) + ',' + std::to_string(zone.cooling) + ',' +
           std::to_string(zone.heatingAirShare) + ',' + std::to_string(zone.coolingAirShare) + ',';
    if (breakdown) {
      for (const auto* parts : {&zone.heatingParts, &zone.coolingParts}) {
        for (std::int32_t part : *parts) out += ',' + std::to_string(part);
      }
    }
    const auto i = static_cast<std::size_t>(zone.zone - 1);
    out += ',' + floorAreaFields(zone.floorArea, zone.heatingPerFloorArea, zone.coolingPerFloorArea) + ",," +
           csvField(zone.name) + ',' + figureText(design.heatingAirflow[i], 0, "") + ',' +
           figureText(design.coolingAirflow[i], 0, "");
    const DetailedLoads& detailed = design.detailed.zones[i];
    out += ',' + std::to_string(detailed.heatingTotal()) + ',' + std::to_string(detailed.coolingSensibleTotal()) + ',' +
           std::to_string(detailed.coolingLatentTotal()) + restOfHouseDesign + equipmentCsvEmptyCells() +
           csvComponents(detailed) + noHouseOnly + '\n';
  }
  for (const PageSummary& page : summary.pages) {
    const std::string air = std::to_string(page.airTotal);
    out += name + ",page,," + std::to_string(page.page) + ',' + std::to_string(page.heating) + ',' +
           std::to_string(page.cooling) + ',' + air + ',' + air + ',' + noParts + ",,,,," + noZoneDesign + noHouseDesign +
           noComponents + noHouseOnly + '\n';
  }
  // The house's figures are its design load, as the house view gives them.
  const DesignLoad& load = design.load;
  out += name + ",house,,," + std::to_string(load.heating) + ',' + std::to_string(load.coolingTotal) + ",,," +
         figureText(load.coolingTons, kTonsDecimals) + noParts + ',' +
         floorAreaFields(load.floorAreaFigure, load.heatingPerFloorArea, load.coolingPerFloorArea) + ',' +
         figureText(load.floorAreaPerTon, kFloorAreaPerTonDecimals, "") + ',' + noZoneDesign +
         houseDesignFields(design) + equipmentCsvCells(equipment) + csvComponents(load.components) +
         houseOnlyFields(summary) + '\n';
  return out;
}

std::string summaryJson(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                        std::string_view project, bool breakdown) {
  std::string out;
  out.reserve(8192);
  out += "{\"project\":" + jsonString(project) + ",\"details\":{";
  for (const JobDetailField& field : kJobDetailFields) {
    if (field.member != kJobDetailFields.front().member) out += ',';
    out += '"' + std::string(field.jsonKey) + "\":" + jsonString(summary.job.*field.member);
  }
  out += "},\"warnings\":[";
  for (const std::string& warning : summary.warnings) {
    if (&warning != &summary.warnings.front()) out += ',';
    out += jsonString(warning);
  }
  out += "],\"zones\":[";
  bool first = true;
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.listed()) continue;
    if (!first) out += ',';
    first = false;
    out += "{\"zone\":" + std::to_string(zone.zone) + ",\"page\":" + std::to_string(zone.page) +
           ",\"column\":" + std::to_string(zone.column) + ",\"heating\":" + std::to_string(zone.heating) +
           ",\"cooling\":" + std::to_string(zone.cooling) +
           ",\"heatingAirShare\":" + std::to_string(zone.heatingAirShare) +
           ",\"coolingAirShare\":" + std::to_string(zone.coolingAirShare) +
           floorAreaMembers(zone.floorArea, zone.heatingPerFloorArea, zone.coolingPerFloorArea) +
           ",\"name\":" + jsonString(zone.name);
    if (breakdown) {
      out += ",\"heatingParts\":" + jsonParts(zone.heatingParts) +
             ",\"coolingParts\":" + jsonParts(zone.coolingParts);
    }
    const auto i = static_cast<std::size_t>(zone.zone - 1);
    const DetailedLoads& detailed = design.detailed.zones[i];
    out += ",\"heatingAirflow\":" + figureText(design.heatingAirflow[i], 0, "null") +
           ",\"coolingAirflow\":" + figureText(design.coolingAirflow[i], 0, "null") +
           ",\"design\":{\"heating\":" + std::to_string(detailed.heatingTotal()) +
           ",\"coolingSensible\":" + std::to_string(detailed.coolingSensibleTotal()) +
           ",\"coolingLatent\":" + std::to_string(detailed.coolingLatentTotal()) +
           ",\"components\":" + jsonComponents(detailed) + "}}";
  }
  out += "],\"pages\":[";
  for (const PageSummary& page : summary.pages) {
    if (page.page != 1) out += ',';
    out += "{\"page\":" + std::to_string(page.page) + ",\"heating\":" + std::to_string(page.heating) +
           ",\"cooling\":" + std::to_string(page.cooling) + ",\"airTotal\":" + std::to_string(page.airTotal) +
           '}';
  }
  // The house's figures are its design load, as the house view gives them;
  // "rooms" holds the zones' own.
  const DesignLoad& load = design.load;
  out += "],\"house\":{\"heating\":" + std::to_string(load.heating) +
         ",\"cooling\":" + std::to_string(load.coolingTotal) +
         ",\"coolingTons\":" + figureText(load.coolingTons, kTonsDecimals) +
         floorAreaMembers(load.floorAreaFigure, load.heatingPerFloorArea, load.coolingPerFloorArea) +
         ",\"floorAreaPerTon\":" + figureText(load.floorAreaPerTon, kFloorAreaPerTonDecimals, "null") +
         ",\"rooms\":{\"heating\":" + std::to_string(summary.heating) +
         ",\"cooling\":" + std::to_string(summary.cooling) + ",\"coolingTons\":" + tonsText(summary.cooling) +
         floorAreaMembers(summary.floorArea, summary.heatingPerFloorArea, summary.coolingPerFloorArea) +
         ",\"floorAreaPerTon\":" + figureText(summary.floorAreaPerTon, kFloorAreaPerTonDecimals, "null") + "}}" +
         designJsonMembers(design) + equipmentJsonMembers(equipment) + "}\n";
  return out;
}

}  // namespace kovrin
