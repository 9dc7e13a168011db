// The heat pump as the outputs show it where a contractor meets the edges:
// capacities that never meet the load or meet it nowhere, capacities not
// all entered, a line that reaches 0, a peak at 17 °F. The words say what
// is known and which way the lines pass; the chart draws the capacity the
// figures use and shades only what the backup must give.
#include "writers/equipmentwriters.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "golden.h"
#include "writers/balancechart.h"

namespace kovrin {
namespace {

struct Pump {
  const char* name;
  std::optional<double> at47, at17, at5, lockout;
  std::int32_t design;
  const char* words;  // the text's lines of the heat pump at design
};

// A house of 23,543 Btu/h at the design temperature, 70 °F indoors.
EquipmentFigures figuresOf(const Pump& pump) {
  Equipment equipment;
  equipment.System = SystemType::HeatPump;
  equipment[EquipmentValue::HeatPumpAt47] = pump.at47;
  equipment[EquipmentValue::HeatPumpAt17] = pump.at17;
  equipment[EquipmentValue::HeatPumpAt5] = pump.at5;
  equipment[EquipmentValue::LockoutTemperature] = pump.lockout;
  DesignLoad load;
  load.heating = 23543;
  return equipmentFigures(equipment, load, 70, pump.design);
}

const Pump kPumps[] = {
    {"only the 47 °F capacity", 24000, std::nullopt, std::nullopt, std::nullopt, -10,
     "Heat pump at the design temperature -10 \u00b0F: not known without the capacities at 47 and 17 \u00b0F; "
     "heating load 23,543 Btu/h\n  Balance point: not known\n  Backup at design: not known\n"},
    {"covers the load at every temperature", 200000, 190000, 180000, std::nullopt, -10,
     "Heat pump at the design temperature -10 \u00b0F: 167,500 Btu/h of 23,543 Btu/h\n"
     "  Balance point: none: the heat pump covers the whole load down to -50 \u00b0F\n"
     "  Backup at design: 0 Btu/h, 0.0 kW\n"},
    {"never meets the load", 1000, 5000, 5000, std::nullopt, -10,
     "Heat pump at the design temperature -10 \u00b0F: 5,000 Btu/h of 23,543 Btu/h\n"
     "  Balance point: none: the heat pump falls short of the load from 70 \u00b0F down to -50 \u00b0F\n"
     "  Backup at design: 18,543 Btu/h, 5.4 kW\n"},
    {"covers it all but locked out below 0 \u00b0F", 200000, 190000, 180000, 0.0, -10,
     "Heat pump at the design temperature -10 \u00b0F: 167,500 Btu/h of 23,543 Btu/h\n"
     "  Balance point: none: the heat pump covers the whole load down to -50 \u00b0F\n"
     "  Backup at design: 23,543 Btu/h, 6.9 kW, the whole load: the compressor locked out from 0 \u00b0F down\n"},
    {"locked out at the design temperature", 24000, 19000, 15500, -10.0, -10,
     "Heat pump at the design temperature -10 \u00b0F: 11,125 Btu/h of 23,543 Btu/h\n"
     "  Balance point: 11.2 \u00b0F\n"
     "  Backup at design: 23,543 Btu/h, 6.9 kW, the whole load: the compressor locked out from -10 \u00b0F down\n"},
    {"reaches 0 at -9.4 \u00b0F, design -28 \u00b0F", 36000, 22000, 12000, std::nullopt, -28,
     "Heat pump at the design temperature -28 \u00b0F: 0 Btu/h of 23,543 Btu/h\n"
     "  Balance point: 8.4 \u00b0F\n  Backup at design: 23,543 Btu/h, 6.9 kW\n"},
    {"flat, meets the load far below the design temperature", 30000, 30000, 30000, std::nullopt, -30,
     "Heat pump at the design temperature -30 \u00b0F: 30,000 Btu/h of 23,543 Btu/h\n"
     "  Balance point: -57.4 \u00b0F\n  Backup at design: 0 Btu/h, 0.0 kW\n"},
    {"rises to a peak at 17 \u00b0F", 20000, 35000, 20000, std::nullopt, -10,
     "Heat pump at the design temperature -10 \u00b0F: 1,250 Btu/h of 23,543 Btu/h\n"
     "  Balance point: 4.4 \u00b0F\n  Backup at design: 22,293 Btu/h, 6.5 kW\n"},
};

TEST(EquipmentWriters, TheHeatPumpAtDesignSaysWhatIsKnownAndWhichWayTheLinesPass) {
  for (const Pump& pump : kPumps) {
    SCOPED_TRACE(pump.name);
    const std::string text = equipmentText(figuresOf(pump));
    const std::size_t from = text.find("Heat pump at");
    ASSERT_NE(from, std::string::npos) << text;
    EXPECT_EQ(text.substr(from, text.find("Check", from) - from), pump.words);
  }
}

// Each edge's chart, looked at: the capacity bends where it reaches 0 and
// stays within the plot, a balance point below the design temperature is
// in it, and only what the backup must give is shaded.
TEST(EquipmentWriters, TheBalanceChartsOfTheEdgesAsLookedAt) {
  std::string charts;
  for (const Pump& pump : kPumps) charts += "== " + std::string(pump.name) + '\n' + balanceChartSvg(*figuresOf(pump).heatPump);
  testing::expectGolden(charts, std::filesystem::path(KOVRIN_TEST_DATA_DIR) / "writers" / "balancecharts.expected");
}

}  // namespace
}  // namespace kovrin
