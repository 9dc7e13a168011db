// The heat pump as the outputs show it where a contractor meets the edges:
// capacities that never meet the load or meet it nowhere, capacities not
// all entered, a line that reaches 0, a peak at 17 °F. The words say what
// is known and which way the lines pass; the chart draws the capacity the
// figures use and shades only what the backup must give.
#include "writers/equipmentwriters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <utility>
#include <vector>

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

// The points of the chart's path drawn with `style`, in pixels.
std::vector<std::pair<double, double>> pathPoints(const std::string& svg, const std::string& style) {
  std::vector<std::pair<double, double>> points;
  const std::size_t end = svg.find("\" " + style);
  if (end == std::string::npos) return points;
  const std::size_t start = svg.rfind("d=\"", end) + 3;
  const std::string d = svg.substr(start, end - start);
  static const std::regex point("[ML](-?[0-9.]+) (-?[0-9.]+)");
  for (auto it = std::sregex_iterator(d.begin(), d.end(), point); it != std::sregex_iterator(); ++it) {
    points.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
  }
  return points;
}

// The chart's scale, from its axis labels: pixels to °F and to Btu/h.
struct Scale {
  double x0 = 0, degreesPerPixel = 0, y0 = 0, btuPerPixel = 0;
  double degrees(double x) const { return (x - x0) * degreesPerPixel; }
  double btu(double y) const { return (y0 - y) * btuPerPixel; }
};
Scale scaleOf(const std::string& svg) {
  std::vector<std::pair<double, double>> ticks;  // Btu/h at a label's y
  std::vector<std::pair<double, double>> degrees;
  static const std::regex label("<text x=\"([0-9.]+)\" y=\"([0-9.]+)\">(-?[0-9,]+)</text>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), label); it != std::sregex_iterator(); ++it) {
    std::string value = (*it)[3];
    value.erase(std::remove(value.begin(), value.end(), ','), value.end());
    if (std::stod((*it)[1]) < 80) {
      ticks.emplace_back(std::stod((*it)[2]) - 4, std::stod(value));
    } else {
      degrees.emplace_back(std::stod((*it)[1]), std::stod(value));
    }
  }
  Scale s;
  s.y0 = ticks.front().first;
  s.btuPerPixel = ticks.back().second / (s.y0 - ticks.back().first);
  s.degreesPerPixel = (degrees.back().second - degrees.front().second) / (degrees.back().first - degrees.front().first);
  s.x0 = degrees.front().first - degrees.front().second / s.degreesPerPixel;
  return s;
}

TEST(EquipmentWriters, TheBalanceChartDrawsTheCapacityAndShadesOnlyTheBackupNeeded) {
  for (const Pump& pump : kPumps) {
    SCOPED_TRACE(pump.name);
    const EquipmentFigures figures = figuresOf(pump);
    const std::string svg = balanceChartSvg(*figures.heatPump);
    if (!figures.heatPump->line) {
      EXPECT_EQ(svg, "");
      continue;
    }
    const Scale scale = scaleOf(svg);
    const CapacityLine& line = *figures.heatPump->line;
    const LoadLine load{23543, 70, static_cast<double>(pump.design)};
    const double pixel = scale.btuPerPixel;  // a drawing rounded to 0.1 px is within one
    // Each piece of the capacity line, its middle too, lies on the capacity
    // and within the plot.
    const auto capacity = pathPoints(svg, "fill=\"none\" stroke=\"#1f7a4d\"");
    ASSERT_GE(capacity.size(), 2u);
    for (std::size_t i = 0; i + 1 < capacity.size(); ++i) {
      const double x = (capacity[i].first + capacity[i + 1].first) / 2;
      const double y = (capacity[i].second + capacity[i + 1].second) / 2;
      for (const auto& [px, py] : {capacity[i], std::pair{x, y}}) {
        EXPECT_NEAR(scale.btu(py), line.at(scale.degrees(px)), pixel) << "at " << scale.degrees(px) << " \u00b0F";
        EXPECT_GE(py, 44.0);
      }
    }
    // The balance point's mark stands in the plot.
    static const std::regex mark("<rect x=\"(-?[0-9.]+)\" y=\"[0-9.]+\" width=\"10\"");
    std::smatch found;
    if (std::regex_search(svg, found, mark)) {
      EXPECT_GE(std::stod(found[1]) + 5, 84.0);
    }
    // The backup shaded lies under the load.
    for (const auto& [px, py] : pathPoints(svg, "fill=\"#f4c7c3\" stroke=\"none\"")) {
      EXPECT_LE(scale.btu(py), load.at(scale.degrees(px)) + pixel) << "at " << scale.degrees(px) << " \u00b0F";
    }
  }
}

}  // namespace
}  // namespace kovrin
