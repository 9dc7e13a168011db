#include "writers/balancechart.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "writers/chartparts.h"
#include "writers/housechart.h"

namespace kovrin {
namespace {

constexpr std::int64_t kLeft = 84 * kTenths;
constexpr std::int64_t kRight = (kBalanceChartWidth - 24) * kTenths;
constexpr std::int64_t kTop = 44 * kTenths;
constexpr std::int64_t kBottom = (kBalanceChartHeight - 44) * kTenths;
constexpr std::int64_t kDegreeStep = 10;
constexpr std::string_view kCapacityColour = "#1f7a4d";
constexpr std::string_view kBackupColour = "#f4c7c3";
constexpr std::string_view kDesignColour = "#555555";
constexpr std::array<double, 3> kRatedTemperatures = {47, 17, 5};

std::int64_t floorTo(std::int64_t value, std::int64_t step) {
  return (value % step < 0 ? value / step - 1 : value / step) * step;
}
std::int64_t ceilTo(std::int64_t value, std::int64_t step) {
  return (value % step > 0 ? value / step + 1 : value / step) * step;
}

// The plot: outdoor temperature along the bottom, Btu/h up the side, both
// to the nearest tenth of a unit.
struct Plot {
  std::int64_t coldest = 0;  // °F at the left edge
  std::int64_t warmest = 0;  // °F at the right edge
  ChartAxis axis;
  std::int64_t x(double temperature) const {
    return kLeft + std::llround((temperature - static_cast<double>(coldest)) * static_cast<double>(kRight - kLeft) /
                                static_cast<double>(warmest - coldest));
  }
  std::int64_t y(double btu) const {
    return kTop + std::llround((static_cast<double>(axis.maximum) - btu) * static_cast<double>(kBottom - kTop) /
                               static_cast<double>(axis.maximum - axis.minimum));
  }
  std::string point(double temperature, double btu) const {
    return svgNumber(x(temperature)) + ' ' + svgNumber(y(btu));
  }
};

std::string temperatureLabel(const Figure& tenths) { return figureText(tenths, 1, "") + " \u00b0F"; }

// The grid and the numbers along both axes.
struct Axes {
  std::string grid;
  std::string tickLabels;
  std::string degreeLabels;
};

Axes axesOf(const Plot& plot) {
  Axes axes;
  for (std::int64_t tick = plot.axis.minimum; tick <= plot.axis.maximum; tick += plot.axis.step) {
    const std::int64_t y = plot.y(static_cast<double>(tick));
    if (tick != 0) axes.grid += "M" + svgNumber(kLeft) + ' ' + svgNumber(y) + "H" + svgNumber(kRight);
    appendSvgText(axes.tickLabels, kLeft - 8 * kTenths, y + 4 * kTenths, figureText(tick, 0, Grouping::Thousands));
  }
  for (std::int64_t t = plot.coldest; t <= plot.warmest; t += kDegreeStep) {
    const std::int64_t x = plot.x(static_cast<double>(t));
    axes.grid += "M" + svgNumber(x) + ' ' + svgNumber(kTop) + "V" + svgNumber(kBottom);
    appendSvgText(axes.degreeLabels, x, kBottom + 16 * kTenths, std::to_string(t));
  }
  return axes;
}

// The backup needed: between the load and the capacity from the design
// temperature up to the balance point (or the lockout temperature).
std::string backupPath(const HeatPumpFigures& pump, const LoadLine& load, const Plot& plot) {
  std::string backup;
  if (pump.backupAtDesign.value_or(0) <= 0) return backup;
  const CapacityLine& line = *pump.line;
  // Where the compressor is locked out the backup carries the whole load;
  // above, what the capacity leaves of it, up to the balance point.
  const double lockout = std::min(pump.lockoutTemperature.value_or(load.design), load.thermostat);
  if (lockout > load.design) {
    backup += "M" + plot.point(load.design, 0) + "L" + plot.point(load.design, load.at(load.design)) + "L" +
              plot.point(lockout, load.at(lockout)) + "L" + plot.point(lockout, 0) + "z";
  }
  const double from = std::max(load.design, lockout);
  // Without a balance point the capacity is above the load all the way, and
  // nothing more is needed, or below it up to the thermostat.
  const double to = pump.balancePoint.value_or(pump.aboveLoadThroughout.value_or(false) ? from : load.thermostat);
  if (to > from) {
    backup += "M" + plot.point(from, load.at(from)) + "L" + plot.point(to, load.at(to));
    const std::vector<double> corners = line.corners(from, to);
    for (auto t = corners.rbegin(); t != corners.rend(); ++t) backup += "L" + plot.point(*t, line.at(*t));
    backup += "z";
  }
  return backup;
}

// The capacity line across the plot and a square at each rated point.
void appendCapacity(std::string& out, const CapacityLine& line, const Plot& plot) {
  std::string capacityPath;
  for (double t : line.corners(static_cast<double>(plot.coldest), static_cast<double>(plot.warmest))) {
    capacityPath += (capacityPath.empty() ? "M" : "L") + plot.point(t, line.at(t));
  }
  std::string marks;
  for (double t : kRatedTemperatures) {
    if (t == 5 && !line.at5) continue;
    const double rated = t == 47 ? line.at47 : t == 17 ? line.at17 : *line.at5;
    marks += "M" + svgNumber(plot.x(t) - 4 * kTenths) + ' ' + svgNumber(plot.y(rated) - 4 * kTenths) + "h" +
             svgNumber(8 * kTenths) + "v" + svgNumber(8 * kTenths) + "h-" + svgNumber(8 * kTenths) + "z";
  }
  appendSvgPath(out, capacityPath,
                "fill=\"none\" stroke=\"" + std::string(kCapacityColour) + "\" stroke-width=\"2.5\"");
  appendSvgPath(out, marks, "fill=\"" + std::string(kCapacityColour) + "\"");
}

// The balance point's mark and its label, with the labels of the design
// temperature and the backup.
std::string notesOf(std::string& out, const HeatPumpFigures& pump, const Plot& plot, bool backup) {
  const std::int64_t designX = plot.x(static_cast<double>(pump.designTemperature));
  std::string notes;
  appendSvgText(notes, designX + 4 * kTenths, kTop + 12 * kTenths,
                "Design " + std::to_string(pump.designTemperature) + " \u00b0F");
  if (pump.balancePoint) {
    const std::int64_t x = plot.x(*pump.balancePoint);
    const std::int64_t y = plot.y(pump.line->at(*pump.balancePoint));
    appendSvgPath(out, "M" + svgNumber(x) + ' ' + svgNumber(y) + "V" + svgNumber(kBottom),
                  "fill=\"none\" stroke=\"#222222\" stroke-width=\"1\" stroke-dasharray=\"2 3\"");
    appendSvgRect(out, x - 5 * kTenths, y - 5 * kTenths, 10 * kTenths, 10 * kTenths, "#222222");
    appendSvgText(notes, x + 12 * kTenths, y + 4 * kTenths,
                  "Balance point " + temperatureLabel(pump.balancePointTenths));
  }
  if (backup) {
    appendSvgText(notes, designX + 4 * kTenths, kTop + 28 * kTenths,
                  "Backup " + figureText(pump.backupAtDesign, 0, "", Grouping::Thousands) + " Btu/h");
  }
  return notes;
}

// Legend, top right.
void appendLegend(std::string& out) {
  const std::int64_t legendY = 12 * kTenths;
  appendSvgRect(out, kRight - 440 * kTenths, legendY + 5 * kTenths, 18 * kTenths, 4 * kTenths, kHeatingColour);
  appendSvgRect(out, kRight - 290 * kTenths, legendY + 5 * kTenths, 18 * kTenths, 4 * kTenths, kCapacityColour);
  appendSvgRect(out, kRight - 124 * kTenths, legendY, 14 * kTenths, 14 * kTenths, kBackupColour);
  std::string legend;
  appendSvgText(legend, kRight - 416 * kTenths, legendY + 12 * kTenths, "House heating load");
  appendSvgText(legend, kRight - 266 * kTenths, legendY + 12 * kTenths, "Heat pump capacity");
  appendSvgText(legend, kRight - 104 * kTenths, legendY + 12 * kTenths, "Backup needed");
  appendSvgGroup(out, "font-size=\"12\" text-anchor=\"start\"", legend);
}

}  // namespace

std::string balanceChartSvg(const HeatPumpFigures& pump) {
  if (!pump.line) return {};
  const CapacityLine& line = *pump.line;
  const LoadLine load{static_cast<double>(pump.heatingLoad), static_cast<double>(pump.thermostat),
                      static_cast<double>(pump.designTemperature)};
  Plot plot;
  // From below the design temperature, the 5 °F point and a balance point
  // that lies below them.
  std::int64_t coldest = std::min<std::int64_t>(pump.designTemperature, 5);
  if (pump.balancePoint) coldest = std::min(coldest, static_cast<std::int64_t>(std::floor(*pump.balancePoint)));
  plot.coldest = floorTo(coldest - 5, kDegreeStep);
  plot.warmest = ceilTo(std::max<std::int64_t>(pump.thermostat, 47) + 3, kDegreeStep);
  const double cold = static_cast<double>(plot.coldest);
  const double warm = static_cast<double>(plot.warmest);
  // The highest point of either line: the load's at the left edge, the
  // capacity's at one of its corners.
  double highest = load.at(cold);
  for (double t : line.corners(cold, warm)) highest = std::max(highest, line.at(t));
  plot.axis = chartAxis(0, std::llround(highest));
  const Axes axes = axesOf(plot);
  const std::string backup = backupPath(pump, load, plot);

  std::string out = svgOpen(kBalanceChartWidth, kBalanceChartHeight,
                            "Heat pump capacity and house heating load by outdoor temperature, Btu/h");
  appendSvgPath(out, axes.grid, "fill=\"none\" stroke=\"#dddddd\" stroke-width=\"1\"");
  appendSvgPath(out, backup, "fill=\"" + std::string(kBackupColour) + "\" stroke=\"none\"");
  appendSvgPath(out, "M" + svgNumber(kLeft) + ' ' + svgNumber(kBottom) + "H" + svgNumber(kRight),
                "fill=\"none\" stroke=\"#555555\" stroke-width=\"1\"");
  const std::int64_t designX = plot.x(load.design);
  appendSvgPath(
      out, "M" + svgNumber(designX) + ' ' + svgNumber(kTop) + "V" + svgNumber(kBottom),
      "fill=\"none\" stroke=\"" + std::string(kDesignColour) + "\" stroke-width=\"1.5\" stroke-dasharray=\"6 4\"");
  const std::string loadPath =
      "M" + plot.point(cold, load.at(cold)) + "L" + plot.point(load.thermostat, 0) + "H" + svgNumber(plot.x(warm));
  appendSvgPath(out, loadPath, "fill=\"none\" stroke=\"" + std::string(kHeatingColour) + "\" stroke-width=\"2.5\"");
  appendCapacity(out, line, plot);

  const std::string notes = notesOf(out, pump, plot, pump.backupAtDesign.value_or(0) > 0);
  appendSvgGroup(out, "font-size=\"11\" text-anchor=\"end\"", axes.tickLabels);
  appendSvgGroup(out, "font-size=\"11\" text-anchor=\"middle\"", axes.degreeLabels);
  appendSvgGroup(out, "font-size=\"12\" text-anchor=\"start\"", notes);
  std::string titles;
  appendSvgText(titles, kLeft - 8 * kTenths, kTop - 16 * kTenths, "Btu/h");
  appendSvgText(titles, kRight, kBottom + 34 * kTenths, "Outdoor temperature, \u00b0F");
  appendSvgGroup(out, "font-size=\"11\" font-weight=\"bold\" text-anchor=\"end\"", titles);
  appendLegend(out);
  out += "</svg>\n";
  return out;
}

}  // namespace kovrin
