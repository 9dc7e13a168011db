#include "writers/equipmentwriters.h"

#include <array>
#include <string_view>

#include "house/housesummary.h"
#include "model/nametext.h"
#include "writers/summarywriters.h"

namespace kovrin {
namespace {

std::string numberOrNull(const Figure& figure, int decimals) { return figureText(figure, decimals, "null"); }
std::string boolOrNull(const std::optional<bool>& value) {
  if (!value) return "null";
  return *value ? "true" : "false";
}

template <class Choice, std::size_t N>
std::string_view wordOrEmpty(const std::array<ChoiceWording<Choice>, N>& table, const std::optional<Choice>& choice) {
  return choice ? wordingOf(table, *choice).word : std::string_view();
}

// The members of the heat pump, in the order the JSON, the CSV and the text
// give them.
struct PumpMember {
  std::string_view jsonKey;
  std::string_view csvColumn;
};
constexpr std::array<PumpMember, 11> kPumpMembers = {{
    {"capacityAt47", "hp_capacity_47"},
    {"capacityAt17", "hp_capacity_17"},
    {"capacityAt5", "hp_capacity_5"},
    {"capacityAtDesign", "hp_capacity_design"},
    {"designTemperature", "hp_design_temperature"},
    {"heatingLoad", "hp_heating_load"},
    {"balancePoint", "hp_balance_point"},
    {"backupAtDesign", "hp_backup"},
    {"backupKw", "hp_backup_kw"},
    {"backupCovered", "hp_backup_covered"},
    {"coldClimate", "hp_cold_climate"},
}};

// The heat pump's values in that order, as JSON values; `none` stands for
// what has no value.
std::array<std::string, kPumpMembers.size()> pumpValues(const HeatPumpFigures& pump) {
  return {numberOrNull(pump.capacityAt47, 0),
          numberOrNull(pump.capacityAt17, 0),
          numberOrNull(pump.capacityAt5, 0),
          numberOrNull(pump.capacityAtDesign, 0),
          std::to_string(pump.designTemperature),
          std::to_string(pump.heatingLoad),
          numberOrNull(pump.balancePointTenths, kTemperatureDecimals),
          numberOrNull(pump.backupAtDesign, 0),
          numberOrNull(pump.backupKwTenths, kKwDecimals),
          boolOrNull(pump.backupCovered),
          boolOrNull(pump.coldClimate)};
}

const EquipmentCheck* findCheck(const EquipmentFigures& figures, std::string_view name) {
  for (const EquipmentCheck& check : figures.checks) {
    if (check.name == name) return &check;
  }
  return nullptr;
}

constexpr std::array<std::string_view, 5> kCheckColumns = {"value", "low", "high", "fits", "text"};

std::string columnName(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == ' ') c = '_';
  }
  return out;
}

std::string degreesText(std::int64_t value, std::string_view space) {
  return std::to_string(value) + std::string(space) + "\u00b0F";
}

}  // namespace

std::string capacityAtDesignText(const HeatPumpFigures& pump, std::string_view space) {
  if (!pump.capacityAtDesign) return "not known without the capacities at 47 and 17" + std::string(space) + "\u00b0F";
  return figureText(*pump.capacityAtDesign, 0, Grouping::Thousands) + std::string(space) + "Btu/h";
}

std::string balancePointText(const HeatPumpFigures& pump, std::string_view space) {
  if (pump.balancePointTenths) {
    return figureText(*pump.balancePointTenths, kTemperatureDecimals) + std::string(space) + "\u00b0F";
  }
  if (!pump.line) return "not known";
  const std::string reach = degreesText(pump.designTemperature - static_cast<std::int64_t>(kBalancePointReach), space);
  if (!pump.aboveLoadThroughout) return "none: the design temperature is not below the thermostat";
  if (*pump.aboveLoadThroughout) return "none: the heat pump covers the whole load down to " + reach;
  return "none: the heat pump falls short of the load from " + degreesText(pump.thermostat, space) + " down to " +
         reach;
}

// A furnace's backup is heat in Btu/h; only electric backup is bought in kW.
std::string backupAtDesignText(const HeatPumpFigures& pump, std::string_view space) {
  if (!pump.backupAtDesign || !pump.backupKwTenths) return "not known";
  return figureText(*pump.backupAtDesign, 0, Grouping::Thousands) + std::string(space) + "Btu/h" +
         (pump.furnaceBackup ? std::string()
                             : ", " + figureText(*pump.backupKwTenths, kKwDecimals) + std::string(space) + "kW") +
         (pump.lockedOutAtDesign ? ", the whole load: " + lockoutText(pump, space) : std::string());
}

std::string lockoutText(const HeatPumpFigures& pump, std::string_view space) {
  if (!pump.lockedOutAtDesign || !pump.lockoutTemperature) return {};
  return "the compressor locked out from " + enteredText(*pump.lockoutTemperature) + std::string(space) +
         "\u00b0F down";
}

std::string equipmentJsonMembers(const EquipmentFigures& figures) {
  const Equipment& equipment = figures.equipment;
  const auto word = [](std::string_view text) { return text.empty() ? std::string("null") : jsonString(text); };
  std::string out = ",\"equipment\":{\"system\":" + word(wordOrEmpty(kSystemTypeWordings, equipment.System)) +
                    ",\"makeAndModel\":" + word(equipment.MakeAndModel) +
                    ",\"compressor\":" + word(wordOrEmpty(kCompressorWordings, equipment.Compressor)) +
                    ",\"sizedForHeating\":" + (equipment.SizedForHeating ? "true" : "false") +
                    ",\"frontDoorFaces\":" + word(wordOrEmpty(kFacingWordings, equipment.FrontDoor));
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    const std::optional<double>& value = equipment[range.value];
    out += ",\"" + std::string(range.jsonKey) + "\":" + (value ? enteredText(*value) : "null");
  }
  out += "},\"heatPump\":";
  if (figures.heatPump) {
    const auto values = pumpValues(*figures.heatPump);
    out += '{';
    for (std::size_t i = 0; i < kPumpMembers.size(); ++i) {
      out += (i == 0 ? "\"" : ",\"") + std::string(kPumpMembers[i].jsonKey) + "\":" + values[i];
    }
    out += '}';
  } else {
    out += "null";
  }
  out += ",\"checks\":[";
  for (const EquipmentCheck& check : figures.checks) {
    if (&check != &figures.checks.front()) out += ',';
    out += "{\"name\":" + jsonString(check.name) + ",\"value\":" + figureText(check.value, check.decimals) +
           ",\"low\":" + numberOrNull(check.low, check.decimals) +
           ",\"high\":" + numberOrNull(check.high, check.decimals) + ",\"fits\":" + (check.fits ? "true" : "false") +
           ",\"text\":" + jsonString(check.text) + '}';
  }
  out += ']';
  return out;
}

std::string equipmentCsvHeader() {
  std::string out = ",system,make_and_model,compressor,sized_for_heating,front_door_faces";
  for (const EquipmentValueRange& range : kEquipmentValueRanges) out += ',' + columnName(range.noteKey);
  for (const PumpMember& member : kPumpMembers) out += ',' + std::string(member.csvColumn);
  for (std::string_view name : kCheckNames) {
    for (std::string_view column : kCheckColumns) out += ',' + columnName(name) + '_' + std::string(column);
  }
  return out;
}

std::string equipmentCsvEmptyCells() {
  return std::string(5 + kEquipmentValueRanges.size() + kPumpMembers.size() + kCheckNames.size() * kCheckColumns.size(),
                     ',');
}

std::string equipmentCsvCells(const EquipmentFigures& figures) {
  const Equipment& equipment = figures.equipment;
  std::string out;
  const auto cell = [&out](std::string_view text) {
    out += ',';
    out += text;
  };
  cell(wordOrEmpty(kSystemTypeWordings, equipment.System));
  cell(csvField(equipment.MakeAndModel));
  cell(wordOrEmpty(kCompressorWordings, equipment.Compressor));
  cell(equipment.SizedForHeating ? "yes" : "");
  cell(wordOrEmpty(kFacingWordings, equipment.FrontDoor));
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    const std::optional<double>& value = equipment[range.value];
    cell(value ? enteredText(*value) : "");
  }
  if (figures.heatPump) {
    for (const std::string& value : pumpValues(*figures.heatPump)) cell(value == "null" ? "" : value);
  } else {
    out += std::string(kPumpMembers.size(), ',');
  }
  for (std::string_view name : kCheckNames) {
    const EquipmentCheck* check = findCheck(figures, name);
    if (!check) {
      out += std::string(kCheckColumns.size(), ',');
      continue;
    }
    cell(figureText(check->value, check->decimals));
    cell(figureText(check->low, check->decimals, ""));
    cell(figureText(check->high, check->decimals, ""));
    cell(check->fits ? "true" : "false");
    cell(csvField(check->text));
  }
  return out;
}

std::string equipmentText(const EquipmentFigures& figures) {
  const Equipment& equipment = figures.equipment;
  if (!equipment.anyEntered()) return {};
  std::string out = "\nEquipment: ";
  out += equipment.System ? std::string(wordingOf(kSystemTypeWordings, *equipment.System).text) : "system not entered";
  if (!equipment.MakeAndModel.empty()) out += ", " + terminalText(equipment.MakeAndModel);
  if (equipment.Compressor) out += ", " + std::string(wordingOf(kCompressorWordings, *equipment.Compressor).word);
  out += '\n';
  for (const EquipmentValueRange& range : kEquipmentValueRanges) {
    const std::optional<double>& value = equipment[range.value];
    if (!value) continue;
    out += "  " + std::string(range.name) + ": " + enteredText(*value) +
           (range.unit.empty() ? "" : " " + std::string(range.unit)) + '\n';
  }
  if (equipment.FrontDoor)
    out += "  Front door faces: " + std::string(wordingOf(kFacingWordings, *equipment.FrontDoor).text) + '\n';
  if (equipment.SizedForHeating) out += "  Heat pump sized for heating\n";
  if (const std::optional<HeatPumpFigures>& pump = figures.heatPump) {
    out += "Heat pump at the design temperature " + std::to_string(pump->designTemperature) +
           " \u00b0F: " + capacityAtDesignText(*pump, " ") +
           (pump->capacityAtDesign ? " of " : "; heating load ") +
           figureText(pump->heatingLoad, 0, Grouping::Thousands) + " Btu/h\n";
    out += "  Balance point: " + balancePointText(*pump, " ") + '\n';
    out += "  Backup at design: " + backupAtDesignText(*pump, " ") +
           (pump->backupCovered
                ? (*pump->backupCovered ? (pump->furnaceBackup ? ", covered by the furnace"
                                                                : ", covered by the backup entered")
                                        : (pump->furnaceBackup ? ", more than the furnace gives"
                                                                : ", more than the backup entered"))
                : "") +
           '\n';
  }
  for (const EquipmentCheck& check : figures.checks) {
    const auto edge = [&](const Figure& value) { return figureText(value, check.decimals, "", Grouping::Thousands); };
    const std::string band = !check.high  ? "at least " + edge(check.low)
                             : !check.low ? "at most " + edge(check.high)
                                          : edge(check.low) + " to " + edge(check.high);
    out += "Check " + std::string(check.name) + ": " + figureText(check.value, check.decimals, Grouping::Thousands) +
           (check.unit.empty() ? "" : " " + std::string(check.unit)) + " (" + band + "): " + check.text + '\n';
  }
  return out;
}

}  // namespace kovrin
