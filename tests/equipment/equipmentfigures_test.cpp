// The equipment against the house: the heat pump's balance point and backup
// worked out by hand, the meeting of the lines for any capacities and
// loads, and each check's verdict in the words the contractor reads.
#include "equipment/equipmentfigures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kovrin {
namespace {

DesignLoad designLoadOf(std::int64_t heating, std::int64_t coolingTotal, std::int64_t coolingLatent) {
  DesignLoad load;
  load.heating = heating;
  load.coolingTotal = coolingTotal;
  load.coolingLatent = coolingLatent;
  load.coolingSensible = coolingTotal - coolingLatent;
  return load;
}

// International Falls, MN: winter design -28 °F, thermostat 70 °F, design
// heating load 67,276 Btu/h, about one ton of cooling. No maker's published
// 47/17/5 °F table could be found in the public material at hand, so the
// unit is an EXAMPLE cold-climate heat pump, not a real model: 36,000 Btu/h
// at 47 °F, 33,000 at 17 °F, 28,000 at 5 °F.
//
// By hand:
//   L(T) = 67,276 (70 - T)/98 = 686.49 Btu/h per °F (44,622 at 5 °F).
//   At 17 °F the load 36,384 exceeds the capacity 33,000, at 70 °F the
//   capacity 38,300 exceeds the load 0: the lines meet on the 17-47 line,
//     33,000 + 100 (T - 17) = 67,276 (70 - T)/98
//     9,800 T + 3,067,400 = 4,709,320 - 67,276 T
//     T = 1,641,920 / 77,076 = 21.30 °F                     -> 21.3 °F
//   C(-28) on the 5-17 line continued: 28,000 + 5,000 (-33)/12 = 14,250
//   backup = 67,276 - 14,250 = 53,026 Btu/h = 15.54 kW      -> 15.5 kW
//   cold climate: 28,000 / 36,000 = 78 % >= 70 %.
TEST(EquipmentFigures, InternationalFallsHeatPumpWorkedByHand) {
  Equipment pump;
  pump.System = SystemType::HeatPump;
  pump[EquipmentValue::HeatPumpAt47] = 36000;
  pump[EquipmentValue::HeatPumpAt17] = 33000;
  pump[EquipmentValue::HeatPumpAt5] = 28000;
  pump[EquipmentValue::BackupKw] = 15;
  const EquipmentFigures figures = equipmentFigures(pump, designLoadOf(67276, 12000, 1500), 70, -28);
  ASSERT_TRUE(figures.heatPump);
  const HeatPumpFigures& hp = *figures.heatPump;
  EXPECT_EQ(hp.balancePointTenths, 213);
  EXPECT_EQ(hp.capacityAtDesign, 14250);
  EXPECT_EQ(hp.backupAtDesign, 53026);
  EXPECT_EQ(hp.backupKwTenths, 155);
  EXPECT_EQ(hp.backupCovered, false);
  EXPECT_EQ(hp.coldClimate, true);
  ASSERT_EQ(figures.checks.size(), 2u);
  EXPECT_EQ(figures.checks[1].text, "backup too small: 15.0 kW entered, 15.5 kW needed at design");

  // A compressor locked out at or above the design temperature leaves the
  // whole load to the backup.
  pump[EquipmentValue::LockoutTemperature] = -28;
  EXPECT_EQ(equipmentFigures(pump, designLoadOf(67276, 12000, 1500), 70, -28).heatPump->backupAtDesign, 67276);
}

TEST(EquipmentFigures, BalancePointLiesOnBothLines) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<double> capacity(1000, 200000);
  std::uniform_real_distribution<double> load(1000, 300000);
  std::uniform_int_distribution<int> temperature(-60, 80);
  int met = 0;
  for (int i = 0; i < 20000; ++i) {
    const CapacityLine line{capacity(random), capacity(random),
                            i % 3 == 0 ? std::nullopt : std::optional<double>(capacity(random))};
    const int a = temperature(random);
    const int b = temperature(random);
    const LoadLine house{load(random), static_cast<double>(std::max(a, b)), static_cast<double>(std::min(a, b))};
    const std::optional<double> point = balancePoint(line, house);
    if (!point) continue;
    ++met;
    SCOPED_TRACE(i);
    EXPECT_LT(*point, house.thermostat);
    EXPECT_GE(*point, house.design - kBalancePointReach);
    EXPECT_NEAR(line.at(*point), house.at(*point), 1.0);
  }
  EXPECT_GT(met, 10000);
}

TEST(EquipmentFigures, ChecksSayWhatIsWrong) {
  struct Row {
    const char* name;
    Equipment equipment;
    DesignLoad load;
    std::vector<std::string> texts;
  };
  const auto with = [](std::optional<SystemType> system,
                       std::initializer_list<std::pair<EquipmentValue, double>> values,
                       std::optional<CompressorType> compressor = std::nullopt, bool sizedForHeating = false) {
    Equipment equipment;
    equipment.System = system;
    equipment.Compressor = compressor;
    equipment.SizedForHeating = sizedForHeating;
    for (const auto& [value, number] : values) equipment[value] = number;
    return equipment;
  };
  using V = EquipmentValue;
  const Row rows[] = {
      {"furnace and its rise fit",
       with(SystemType::FurnaceAndAirConditioner,
            {{V::FurnaceInput, 80000}, {V::Afue, 95}, {V::HeatingCfm, 1200}, {V::RiseLow, 35}, {V::RiseHigh, 65}}),
       designLoadOf(60000, 0, 0),
       {"fits", "fits"}},
      {"furnace too big, airflow too low",
       with(SystemType::FurnaceAndAirConditioner,
            {{V::FurnaceInput, 120000}, {V::Afue, 80}, {V::HeatingCfm, 1000}, {V::RiseLow, 40}, {V::RiseHigh, 70}}),
       designLoadOf(60000, 0, 0),
       {"oversized: 160 % of the design heating load, above 140 %",
        "too little airflow for the furnace: a rise of 88.9 \u00b0F, above the maker's 40.0 to 70.0 \u00b0F"}},
      {"the maker's rise range entered the wrong way round",
       with(SystemType::FurnaceAndAirConditioner,
            {{V::FurnaceInput, 80000}, {V::Afue, 95}, {V::HeatingCfm, 1200}, {V::RiseLow, 65}, {V::RiseHigh, 35}}),
       designLoadOf(60000, 0, 0),
       {"fits", "the maker's range is the wrong way round: lowest 65.0 \u00b0F, highest 35.0 \u00b0F"}},
      {"single-stage coil too small, dry, airflow low",
       with(SystemType::FurnaceAndAirConditioner,
            {{V::CoolingTotal, 24000}, {V::SensibleHeatRatio, 0.8}, {V::CoolingCfm, 550}}),
       designLoadOf(0, 30000, 6000),
       {"undersized: 80 % of the design cooling load, below 90 %",
        "short on moisture removal: 4,800 Btu/h latent against a 6,000 Btu/h latent load",
        "airflow too low: 275 CFM per ton, below 300; the coil may freeze"}},
      {"a sensible capacity above the total gives no latent",
       with(SystemType::FurnaceAndAirConditioner, {{V::CoolingTotal, 30000}, {V::CoolingSensible, 36000}}),
       designLoadOf(0, 30000, 6000),
       {"fits", "sensible capacity above the total: 36,000 Btu/h of 30,000 Btu/h; check the maker's figures"}},
      {"just outside a band: the per cent shown to the tenth, never the edge itself",
       with(SystemType::HeatPump, {{V::CoolingTotal, 26990}, {V::HeatPumpAt47, 24000}, {V::HeatPumpAt5, 16790}}),
       designLoadOf(0, 30000, 0),
       {"undersized: 89.9 % of the design cooling load, below 90 %",
        "not a cold-climate unit: it keeps 69.9 % of its 47 \u00b0F capacity at 5 \u00b0F, below 70 %"}},
      {"just short of 300 CFM a ton", with(SystemType::FurnaceAndAirConditioner, {{V::CoolingTotal, 30000}, {V::CoolingCfm, 749}}),
       designLoadOf(0, 30000, 0),
       {"fits", "airflow too low: 299.6 CFM per ton, below 300; the coil may freeze"}},
      {"backup just short of the kW needed",
       with(SystemType::HeatPump, {{V::HeatPumpAt47, 42920}, {V::HeatPumpAt17, 42920}, {V::BackupKw, 5}}),
       designLoadOf(60000, 0, 0),
       {"backup too small: 5.0 kW entered, 5.01 kW needed at design"}},
      {"variable-speed reaches 130 %",
       with(SystemType::HeatPump, {{V::CoolingTotal, 39000}, {V::CoolingSensible, 30000}, {V::CoolingCfm, 1200}},
            CompressorType::VariableSpeed),
       designLoadOf(0, 30000, 6000),
       {"fits", "fits", "fits"}},
      {"two-stage stops at 120 %",
       with(SystemType::FurnaceAndAirConditioner, {{V::CoolingTotal, 37000}}, CompressorType::TwoStage),
       designLoadOf(0, 30000, 6000),
       {"oversized: 123 % of the design cooling load, above 120 %"}},
      {"heat pump sized for heating cools one ton with 27,000",
       with(SystemType::HeatPump, {{V::CoolingTotal, 27000}}, CompressorType::VariableSpeed, true),
       designLoadOf(0, 12000, 1000),
       {"fits"}},
      {"heat pump sized for heating, past the allowance",
       with(SystemType::HeatPump, {{V::CoolingTotal, 27001}}, CompressorType::VariableSpeed, true),
       designLoadOf(0, 12000, 1000),
       {"oversized: 27,001 Btu/h, above the 27,000 Btu/h a heat pump sized for heating may give"}},
      {"not a cold-climate unit; dual fuel backup by the furnace",
       with(SystemType::DualFuel, {{V::HeatPumpAt47, 36000},
                                   {V::HeatPumpAt17, 24000},
                                   {V::HeatPumpAt5, 19700},
                                   {V::FurnaceInput, 40000},
                                   {V::Afue, 96}}),
       designLoadOf(60000, 0, 0),
       {"undersized: 64 % of the design heating load, below 100 %",
        "not a cold-climate unit: it keeps 55 % of its 47 \u00b0F capacity at 5 \u00b0F, below 70 %",
        "backup too small: the furnace gives 38,400 Btu/h, 42,092 Btu/h needed at design"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const EquipmentFigures figures = equipmentFigures(row.equipment, row.load, 70, 0);
    std::vector<std::string> texts;
    for (const EquipmentCheck& check : figures.checks) {
      texts.push_back(check.text);
      EXPECT_EQ(check.fits, check.text == kFits) << check.name;
    }
    EXPECT_EQ(texts, row.texts);
  }
}

}  // namespace
}  // namespace kovrin
