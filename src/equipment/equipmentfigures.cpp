#include "equipment/equipmentfigures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "house/housesummary.h"
#include "house/sizing.h"
#include "house/wholenumbers.h"
#include "model/loadfigures.h"

namespace kovrin {
namespace {

constexpr double kUpperRated = 47;
constexpr double kMiddleRated = 17;
constexpr double kLowerRated = 5;

// The line through the rated points that holds `onLineOf`, read at
// `temperature` and not yet cut at 0: the 17-47 line at and above 17 °F (and
// below it without C5), the 5-17 line below.
double ratedLine(const CapacityLine& line, double temperature, double onLineOf) {
  if (onLineOf >= kMiddleRated || !line.at5) {
    return line.at17 + (line.at47 - line.at17) * (temperature - kMiddleRated) / (kUpperRated - kMiddleRated);
  }
  return *line.at5 + (line.at17 - *line.at5) * (temperature - kLowerRated) / (kMiddleRated - kLowerRated);
}

Figure tenths(std::optional<double> value) {
  if (!value) return std::nullopt;
  return wholeBtu(*value * 10);
}

std::string btuText(std::int64_t value) { return figureText(value, 0, Grouping::Thousands) + " Btu/h"; }

// The band by the compressor: single-stage when none is entered, the
// narrowest, so that no unit passes on a guess.
std::int64_t coolingHighPercent(const std::optional<CompressorType>& compressor) {
  switch (compressor.value_or(CompressorType::SingleStage)) {
    case CompressorType::TwoStage:
      return kTwoStageBandHigh;
    case CompressorType::VariableSpeed:
      return kVariableSpeedBandHigh;
    case CompressorType::SingleStage:
      break;
  }
  return kCoolingBandHigh;
}

// A figure as a check's words give it: `rounded`, with `decimals`
// decimals, of the exact `numerator` / `denominator` in the same units; but
// where it would show the very edge `edge` that it fails, one decimal more,
// cut towards the side the figure lies on ("89.9 %, below 90 %").
std::string edgeWords(WideInteger numerator, WideInteger denominator, std::int64_t rounded, std::int64_t edge,
                      int decimals, bool below) {
  if (rounded != edge) return figureText(rounded, decimals, Grouping::Thousands);
  const WideInteger scaled = numerator * 10;
  const WideInteger finer = below ? scaled / denominator : (scaled + denominator - 1) / denominator;
  return figureText(static_cast<std::int64_t>(finer), decimals + 1, Grouping::Thousands);
}
std::string percentWords(std::int64_t part, std::int64_t whole, std::int64_t rounded, std::int64_t edge, bool below) {
  return edgeWords(WideInteger{part} * kPerCent, whole, rounded, edge, 0, below);
}

EquipmentCheck percentCheck(std::string_view name, std::int64_t capacity, std::int64_t load, std::int64_t low,
                            std::int64_t high, std::string_view loadWords) {
  EquipmentCheck check{
      name, "%",  0,     static_cast<std::int64_t>(roundedQuotient(WideInteger{capacity} * kPerCent, load)),
      low,  high, false, {}};
  const WideInteger scaled = WideInteger{capacity} * kPerCent;
  const std::string of = " % of " + std::string(loadWords);
  if (scaled < WideInteger{load} * low) {
    check.text = "undersized: " + percentWords(capacity, load, check.value, low, true) + of + ", below " +
                 std::to_string(low) + " %";
  } else if (scaled > WideInteger{load} * high) {
    check.text = "oversized: " + percentWords(capacity, load, check.value, high, false) + of + ", above " +
                 std::to_string(high) + " %";
  } else {
    check.fits = true;
    check.text = kFits;
  }
  return check;
}

void addCoolingChecks(const Equipment& equipment, const DesignLoad& load, EquipmentFigures& figures) {
  if (!figures.coolingTotal || load.coolingTotal <= 0) return;
  const std::int64_t total = *figures.coolingTotal;
  std::int64_t high = coolingHighPercent(equipment.Compressor);
  // A heat pump chosen for the heating of a heating-dominated climate cools
  // more than the band allows; up to 15,000 Btu/h over the load is accepted.
  const bool allowance = equipment.SizedForHeating && equipment.hasHeatPump();
  if (allowance) {
    high = std::max(high, static_cast<std::int64_t>(roundedQuotient(
                              WideInteger{load.coolingTotal + kHeatingSizedAllowance} * kPerCent, load.coolingTotal)));
  }
  EquipmentCheck check = percentCheck(checkName(CheckName::CoolingCapacity), total, load.coolingTotal, kCoolingBandLow,
                                      high, "the design cooling load");
  const std::int64_t allowed = load.coolingTotal + kHeatingSizedAllowance;
  if (allowance && high > coolingHighPercent(equipment.Compressor) &&
      WideInteger{total} * kPerCent >= WideInteger{load.coolingTotal} * kCoolingBandLow) {
    // The allowance governs, judged in Btu/h rather than its rounded per cent.
    check.fits = total <= allowed;
    check.text = check.fits ? std::string(kFits)
                            : "oversized: " + btuText(total) + ", above the " + btuText(allowed) +
                                  " a heat pump sized for heating may give";
  }
  figures.checks.push_back(std::move(check));

  if (figures.coolingSensible && !figures.coolingLatent) {
    EquipmentCheck latent{checkName(CheckName::LatentCapacity),
                          "Btu/h",
                          0,
                          total - *figures.coolingSensible,
                          load.coolingLatent,
                          std::nullopt,
                          false,
                          "sensible capacity above the total: " + btuText(*figures.coolingSensible) + " of " +
                              btuText(total) + "; check the maker's figures"};
    figures.checks.push_back(std::move(latent));
  } else if (figures.coolingLatent) {
    const std::int64_t latentLoad = load.coolingLatent;
    EquipmentCheck latent{
        checkName(CheckName::LatentCapacity), "Btu/h", 0, *figures.coolingLatent, latentLoad, std::nullopt, false, {}};
    latent.fits = *figures.coolingLatent >= latentLoad;
    latent.text = latent.fits ? std::string(kFits)
                              : "short on moisture removal: " + btuText(*figures.coolingLatent) + " latent against a " +
                                    btuText(latentLoad) + " latent load";
    figures.checks.push_back(std::move(latent));
  }

  if (const std::optional<double>& cfm = equipment[EquipmentValue::CoolingCfm]) {
    // CFM per ton of the unit's rated capacity: CFM x 12000 / total.
    const auto airflow = static_cast<WideInteger>(*cfm);
    EquipmentCheck perTon{checkName(CheckName::CoolingAirflow),
                          "CFM per ton",
                          0,
                          static_cast<std::int64_t>(roundedQuotient(airflow * kBtuPerTon, total)),
                          kLowestCfmPerTon,
                          kHighestCfmPerTon,
                          false,
                          {}};
    const auto shown = [&](std::int64_t edge, bool below) {
      return edgeWords(airflow * kBtuPerTon, total, perTon.value, edge, 0, below) + " CFM per ton";
    };
    if (airflow * kBtuPerTon < WideInteger{total} * kLowestCfmPerTon) {
      perTon.text = "airflow too low: " + shown(kLowestCfmPerTon, true) + ", below " +
                    std::to_string(kLowestCfmPerTon) + "; the coil may freeze";
    } else if (airflow * kBtuPerTon > WideInteger{total} * kHighestCfmPerTon) {
      perTon.text = "airflow too high: " + shown(kHighestCfmPerTon, false) + ", above " +
                    std::to_string(kHighestCfmPerTon) + "; the coil removes too little moisture";
    } else {
      perTon.fits = true;
      perTon.text = kFits;
    }
    figures.checks.push_back(std::move(perTon));
  }
}

void addFurnaceChecks(const Equipment& equipment, const DesignLoad& load, EquipmentFigures& figures) {
  if (!figures.furnaceOutput) return;
  const std::int64_t output = *figures.furnaceOutput;
  if (load.heating > 0) {
    figures.checks.push_back(percentCheck(checkName(CheckName::FurnaceOutput), output, load.heating, kHeatingBandLow,
                                          kHeatingBandHigh, "the design heating load"));
  }
  const std::optional<double>& cfm = equipment[EquipmentValue::HeatingCfm];
  const std::optional<double>& low = equipment[EquipmentValue::RiseLow];
  const std::optional<double>& high = equipment[EquipmentValue::RiseHigh];
  if (!cfm || !low || !high) return;
  // The rise is judged as shown, to the tenth: what the contractor reads is
  // what passes or fails.
  const std::int64_t rise = wholeBtu(static_cast<double>(output) * 10 / (kStandardAirSensible * *cfm));
  const Figure lowTenths = tenths(*low);
  const Figure highTenths = tenths(*high);
  EquipmentCheck check{
      checkName(CheckName::TemperatureRise), "\u00b0F", kTemperatureDecimals, rise, lowTenths, highTenths, false, {}};
  const std::string range = figureText(*lowTenths, 1) + " to " + figureText(*highTenths, 1) + " \u00b0F";
  const std::string shown = "a rise of " + figureText(rise, 1) + " \u00b0F";
  if (*lowTenths > *highTenths) {
    // No rise passes a range whose ends are swapped: say so, not that the
    // airflow is wrong.
    check.text = "the maker's range is the wrong way round: lowest " + figureText(*lowTenths, 1) +
                 " \u00b0F, highest " + figureText(*highTenths, 1) + " \u00b0F";
  } else if (rise < *lowTenths) {
    check.text = "too much airflow for the furnace: " + shown + ", below the maker's " + range;
  } else if (rise > *highTenths) {
    check.text = "too little airflow for the furnace: " + shown + ", above the maker's " + range;
  } else {
    check.fits = true;
    check.text = kFits;
  }
  figures.checks.push_back(std::move(check));
}

HeatPumpFigures heatPumpFigures(const Equipment& equipment, const DesignLoad& load, std::int32_t thermostat,
                                std::int32_t designTemperature, const Figure& furnaceOutput) {
  HeatPumpFigures pump;
  pump.designTemperature = designTemperature;
  pump.thermostat = thermostat;
  pump.heatingLoad = load.heating;
  const std::optional<double>& at47 = equipment[EquipmentValue::HeatPumpAt47];
  const std::optional<double>& at17 = equipment[EquipmentValue::HeatPumpAt17];
  const std::optional<double>& at5 = equipment[EquipmentValue::HeatPumpAt5];
  if (at47) pump.capacityAt47 = wholeBtu(*at47);
  if (at17) pump.capacityAt17 = wholeBtu(*at17);
  if (at5) pump.capacityAt5 = wholeBtu(*at5);
  if (at47 && at5) pump.coldClimate = *at5 * 100 >= *at47 * static_cast<double>(kColdClimatePercent);
  if (!at47 || !at17) return pump;

  pump.line = CapacityLine{*at47, *at17, at5};
  const LoadLine house{static_cast<double>(load.heating), static_cast<double>(thermostat),
                       static_cast<double>(designTemperature)};
  if (house.valid()) {
    pump.balancePoint = balancePoint(*pump.line, house);
    // Without a meeting point the capacity is on one side of the load all
    // the way down; the design temperature says which.
    if (!pump.balancePoint) pump.aboveLoadThroughout = pump.line->at(house.design) >= house.heating;
  }
  pump.balancePointTenths = tenths(pump.balancePoint);
  const std::int64_t atDesign = wholeBtu(pump.line->at(designTemperature));
  pump.capacityAtDesign = atDesign;
  const std::optional<double>& lockout = equipment[EquipmentValue::LockoutTemperature];
  pump.lockoutTemperature = lockout;
  pump.lockedOutAtDesign = lockout && *lockout >= designTemperature;
  const std::int64_t backup = pump.lockedOutAtDesign ? std::max<std::int64_t>(0, load.heating)
                                                     : std::max<std::int64_t>(0, load.heating - atDesign);
  pump.backupAtDesign = backup;
  // Tenths of kW: backup / 3412.14 x 10 = backup x 1000 / 341214, exact.
  pump.backupKwTenths = static_cast<std::int64_t>(roundedQuotient(WideInteger{backup} * 1000, 341214));
  pump.furnaceBackup = equipment.System == SystemType::DualFuel && furnaceOutput;
  if (pump.furnaceBackup) {
    pump.backupCovered = *furnaceOutput >= backup;
  } else if (const std::optional<double>& kw = equipment[EquipmentValue::BackupKw]) {
    pump.backupCovered = *kw * kBtuPerKw >= static_cast<double>(backup);
  }
  return pump;
}

void addHeatPumpChecks(const Equipment& equipment, EquipmentFigures& figures) {
  const HeatPumpFigures& pump = *figures.heatPump;
  if (pump.coldClimate) {
    const auto percent = static_cast<std::int64_t>(
        roundedQuotient(WideInteger{*pump.capacityAt5} * kPerCent, std::max<std::int64_t>(1, *pump.capacityAt47)));
    EquipmentCheck check{
        checkName(CheckName::ColdClimate), "%", 0, percent, kColdClimatePercent, std::nullopt, *pump.coldClimate, {}};
    check.text = check.fits ? std::string(kFits)
                            : "not a cold-climate unit: it keeps " +
                                  percentWords(*pump.capacityAt5, std::max<std::int64_t>(1, *pump.capacityAt47),
                                               percent, kColdClimatePercent, true) +
                                  " % of its 47 \u00b0F capacity at 5 \u00b0F, below " +
                                  std::to_string(kColdClimatePercent) + " %";
    figures.checks.push_back(std::move(check));
  }
  if (pump.backupCovered && pump.backupAtDesign) {
    const bool furnace = equipment.System == SystemType::DualFuel && figures.furnaceOutput;
    EquipmentCheck check;
    check.name = checkName(CheckName::BackupHeat);
    check.fits = *pump.backupCovered;
    if (furnace) {
      check.unit = "Btu/h";
      check.value = *figures.furnaceOutput;
      check.low = *pump.backupAtDesign;
      check.text = check.fits ? std::string(kFits)
                              : "backup too small: the furnace gives " + btuText(*figures.furnaceOutput) + ", " +
                                    btuText(*pump.backupAtDesign) + " needed at design";
    } else {
      check.unit = "kW";
      check.decimals = kKwDecimals;
      check.value = wholeBtu(*equipment[EquipmentValue::BackupKw] * 10);
      check.low = pump.backupKwTenths;
      // The kW needed, exactly backup x 1000 / 341214 tenths, lies above
      // what is entered.
      check.text = check.fits ? std::string(kFits)
                              : "backup too small: " + figureText(check.value, 1) + " kW entered, " +
                                    edgeWords(WideInteger{*pump.backupAtDesign} * 1000, 341214,
                                              *pump.backupKwTenths, check.value, kKwDecimals, false) +
                                    " kW needed at design";
    }
    figures.checks.push_back(std::move(check));
  }
}

}  // namespace

double CapacityLine::at(double temperature) const { return std::max(0.0, ratedLine(*this, temperature, temperature)); }

std::vector<double> CapacityLine::corners(double from, double to) const {
  std::vector<double> bends{from};
  for (const double rated : {kLowerRated, kMiddleRated, kUpperRated}) {
    if (rated == kLowerRated && !at5) continue;
    if (rated > from && rated < to) bends.push_back(rated);
  }
  bends.push_back(to);
  // Each straight piece may cross 0, where the capacity stops at 0.
  std::vector<double> out{bends.front()};
  for (std::size_t i = 0; i + 1 < bends.size(); ++i) {
    const double low = bends[i];
    const double high = bends[i + 1];
    const double middle = (low + high) / 2;
    const double atLow = ratedLine(*this, low, middle);
    const double atHigh = ratedLine(*this, high, middle);
    if ((atLow < 0 && atHigh > 0) || (atLow > 0 && atHigh < 0)) {
      out.push_back(low + (high - low) * atLow / (atLow - atHigh));
    }
    out.push_back(high);
  }
  return out;
}

double LoadLine::at(double temperature) const {
  if (!valid() || temperature >= thermostat) return 0;
  return heating * (thermostat - temperature) / (thermostat - design);
}

std::optional<double> balancePoint(const CapacityLine& capacity, const LoadLine& load) {
  if (!load.valid()) return std::nullopt;
  // The pieces on which both lines are straight, from the thermostat down:
  // the rated points split the capacity line. Where the capacity line runs
  // below 0 the load is above it anyway (the load is above 0 below the
  // thermostat), so the uncut line finds the same meeting point.
  const double floor = load.design - kBalancePointReach;
  std::array<double, 4> edges{};
  std::size_t count = 0;
  edges[count++] = load.thermostat;
  for (const double rated : {kMiddleRated, kLowerRated}) {
    if (rated == kLowerRated && !capacity.at5) continue;
    if (rated < load.thermostat && rated > floor) edges[count++] = rated;
  }
  edges[count++] = floor;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const double high = edges[i];
    const double low = edges[i + 1];
    // One straight piece: take the capacity line of the piece's middle, so
    // that both ends are read on the same line.
    const double middle = (high + low) / 2;
    const auto piece = [&](double t) {
      return ratedLine(capacity, t, middle) - load.heating * (load.thermostat - t) / (load.thermostat - load.design);
    };
    const double atHigh = piece(high);
    const double atLow = piece(low);
    if (atHigh == 0) return high;
    if ((atHigh > 0) == (atLow > 0) && atLow != 0) continue;
    return high - (high - low) * atHigh / (atHigh - atLow);
  }
  return std::nullopt;
}

EquipmentFigures equipmentFigures(const Equipment& equipment, const DesignLoad& load, std::int32_t thermostat,
                                  std::int32_t designTemperature) {
  EquipmentFigures figures;
  figures.equipment = equipment;
  const std::optional<double>& input = equipment[EquipmentValue::FurnaceInput];
  const std::optional<double>& afue = equipment[EquipmentValue::Afue];
  if (equipment.hasFurnace() && input && afue) figures.furnaceOutput = wholeBtu(*input * *afue / 100);
  const std::optional<double>& total = equipment[EquipmentValue::CoolingTotal];
  const std::optional<double>& sensible = equipment[EquipmentValue::CoolingSensible];
  const std::optional<double>& ratio = equipment[EquipmentValue::SensibleHeatRatio];
  if (sensible) {
    figures.coolingSensible = wholeBtu(*sensible);
  } else if (total && ratio) {
    figures.coolingSensible = wholeBtu(*total * *ratio);
  }
  if (total) {
    figures.coolingTotal = wholeBtu(*total);
    // A sensible capacity above the total is a slip in the maker's figures,
    // not a latent capacity below 0: the latent is then not known.
    if (figures.coolingSensible && *figures.coolingSensible <= *figures.coolingTotal) {
      figures.coolingLatent = *figures.coolingTotal - *figures.coolingSensible;
    }
  }
  if (equipment.hasHeatPump()) {
    figures.heatPump = heatPumpFigures(equipment, load, thermostat, designTemperature, figures.furnaceOutput);
  }
  addFurnaceChecks(equipment, load, figures);
  addCoolingChecks(equipment, load, figures);
  if (figures.heatPump) addHeatPumpChecks(equipment, figures);
  return figures;
}

EquipmentFigures equipmentFigures(const ProjectTables& tables, const DesignLoad& load) {
  return equipmentFigures(tables.Equipment, load, tables.integer(1, irow::WinterThermostat),
                          tables.integer(1, irow::WinterDesignTemp));
}

}  // namespace kovrin
