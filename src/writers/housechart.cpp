#include "writers/housechart.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

#include "writers/chartparts.h"

namespace kovrin {
namespace {

constexpr std::int64_t kLeft = 84 * kTenths;   // room for the tick labels
constexpr std::int64_t kRight = (kChartWidth - 16) * kTenths;
constexpr std::int64_t kTop = 44 * kTenths;    // room for the unit and the legend
constexpr std::int64_t kBottom = (kChartHeight - 52) * kTenths;  // room for zones and pages
constexpr std::int64_t kWidestBar = 28 * kTenths;
constexpr int kTicksWanted = 5;

struct Plot {
  ChartAxis axis;
  // Vertical position of a load on the axis, in tenths, to the nearest
  // tenth. The span is never 0, and with 32-bit loads the products stay far
  // inside 64 bits.
  std::int64_t y(std::int64_t load) const {
    const std::int64_t span = axis.maximum - axis.minimum;
    const std::int64_t offset = (axis.maximum - load) * (kBottom - kTop);
    return kTop + (2 * offset + span) / (2 * span);
  }
};

}  // namespace

ChartAxis chartAxis(std::int64_t smallest, std::int64_t largest) {
  smallest = std::min<std::int64_t>(smallest, 0);
  largest = std::max<std::int64_t>(largest, 0);
  // With nothing to show, the axis still reads as an axis of loads.
  if (smallest == largest) largest = 1000;
  // Loads are 32-bit, so the span stays far from the 64-bit limits.
  const std::int64_t wanted = (largest - smallest + kTicksWanted - 1) / kTicksWanted;
  std::int64_t power = 1;
  while (power * 10 <= wanted) power *= 10;
  std::int64_t step = power;
  for (const std::int64_t factor : {1, 2, 5, 10}) {
    step = factor * power;
    if (step >= wanted) break;
  }
  return {floorToStep(smallest, step), ceilToStep(largest, step), step};
}

namespace {

// The chart laid out: each kind of thing as one piece of path data or one
// run of text elements, in tenths of a unit.
struct ChartPieces {
  std::string grid;
  std::string tickLabels;
  std::array<std::string, 2> bars;  // heating, cooling
  std::string zoneLabels;
  std::string pageLabels;
  std::string pageRules;
  std::int64_t zero = 0;  // where the zero line stands
  bool empty = true;      // no zone has input
};

void layOutAxis(const Plot& plot, ChartPieces& pieces) {
  for (std::int64_t tick = plot.axis.minimum; tick <= plot.axis.maximum; tick += plot.axis.step) {
    const std::int64_t y = plot.y(tick);
    if (tick != 0) pieces.grid += "M" + svgNumber(kLeft) + ' ' + svgNumber(y) + "H" + svgNumber(kRight);
    appendSvgText(pieces.tickLabels, kLeft - 8 * kTenths, y + 4 * kTenths, figureText(tick, 0, Grouping::Thousands));
  }
}

// The zones side by side, each with its two bars and its number, the pages
// under them with a rule between two pages.
void layOutZones(const std::vector<const ZoneSummary*>& zones, const Plot& plot, ChartPieces& pieces) {
  const std::int64_t count = static_cast<std::int64_t>(zones.size());
  const std::int64_t slot = count == 0 ? 0 : (kRight - kLeft) / count;
  const std::int64_t bar = std::min(kWidestBar, slot * 2 / 5);
  int pageStart = 0;  // index of the first zone of the page being drawn
  for (std::int64_t i = 0; i < count; ++i) {
    const ZoneSummary& zone = *zones[static_cast<std::size_t>(i)];
    const std::int64_t middle = kLeft + i * slot + slot / 2;
    for (const std::size_t kind : {0u, 1u}) {
      const std::int64_t y = plot.y(kind == 0 ? zone.heating : zone.cooling);
      if (y == pieces.zero) continue;
      // A bar from the zero line up (or down, for a negative load).
      pieces.bars[kind] += "M" + svgNumber(kind == 0 ? middle - bar : middle) + ' ' + svgNumber(pieces.zero) + "h" + svgNumber(bar) +
                           "V" + svgNumber(y) + "h-" + svgNumber(bar) + "z";
    }
    appendSvgText(pieces.zoneLabels, middle, kBottom + 16 * kTenths, std::to_string(zone.zone));
    const bool lastOfPage = i + 1 == count || zones[static_cast<std::size_t>(i + 1)]->page != zone.page;
    if (!lastOfPage) continue;
    const std::int64_t from = kLeft + pageStart * slot;
    const std::int64_t to = kLeft + (i + 1) * slot;
    // A page of few zones among many has no room for its label.
    if (to - from >= 48 * kTenths) {
      appendSvgText(pieces.pageLabels, (from + to) / 2, kBottom + 34 * kTenths, "Page " + std::to_string(zone.page));
    }
    if (i + 1 != count) pieces.pageRules += "M" + svgNumber(to) + ' ' + svgNumber(kTop) + "V" + svgNumber(kBottom + 40 * kTenths);
    pageStart = static_cast<int>(i + 1);
  }
}

// The SVG document of the pieces, with the titles and the legend.
std::string chartDocument(const ChartPieces& pieces) {
  std::string out;
  out.reserve(2048 + pieces.bars[0].size() + pieces.bars[1].size() + pieces.zoneLabels.size());
  out += svgOpen(kChartWidth, kChartHeight, "Heating and cooling load of each zone, Btu/h");
  appendSvgPath(out, pieces.grid, "fill=\"none\" stroke=\"#dddddd\" stroke-width=\"1\"");
  appendSvgPath(out, pieces.pageRules, "fill=\"none\" stroke=\"#bbbbbb\" stroke-width=\"1\"");
  appendSvgPath(out, pieces.bars[0], "fill=\"" + std::string(kHeatingColour) + '"');
  appendSvgPath(out, pieces.bars[1], "fill=\"" + std::string(kCoolingColour) + '"');
  // The zero line over the bars' feet, darker: the bars stand on it.
  appendSvgPath(out, "M" + svgNumber(kLeft) + ' ' + svgNumber(pieces.zero) + "H" + svgNumber(kRight),
             "fill=\"none\" stroke=\"#555555\" stroke-width=\"1\"");

  appendSvgGroup(out, "font-size=\"11\" text-anchor=\"end\"", pieces.tickLabels);
  appendSvgGroup(out, "font-size=\"10\" text-anchor=\"middle\"", pieces.zoneLabels);
  appendSvgGroup(out, "font-size=\"11\" text-anchor=\"middle\"", pieces.pageLabels);
  std::string titles;
  appendSvgText(titles, kLeft - 8 * kTenths, kTop - 16 * kTenths, "Btu/h");
  if (!pieces.empty) appendSvgText(titles, kLeft - 8 * kTenths, kBottom + 16 * kTenths, "Zone");
  appendSvgGroup(out, "font-size=\"11\" font-weight=\"bold\" text-anchor=\"end\"", titles);
  if (pieces.empty) {
    std::string none;
    appendSvgText(none, (kLeft + kRight) / 2, (kTop + kBottom) / 2, "No zone has any input.");
    appendSvgGroup(out, "font-size=\"14\" text-anchor=\"middle\"", none);
  }

  // Legend, top right.
  const std::int64_t legendY = 12 * kTenths;
  appendSvgRect(out, kRight - 196 * kTenths, legendY, 14 * kTenths, 14 * kTenths, kHeatingColour);
  appendSvgRect(out, kRight - 96 * kTenths, legendY, 14 * kTenths, 14 * kTenths, kCoolingColour);
  std::string legend;
  appendSvgText(legend, kRight - 176 * kTenths, legendY + 12 * kTenths, "Heating");
  appendSvgText(legend, kRight - 76 * kTenths, legendY + 12 * kTenths, "Cooling");
  appendSvgGroup(out, "font-size=\"12\" text-anchor=\"start\"", legend);
  out += "</svg>\n";
  return out;
}

}  // namespace

// The chart draws each kind of thing as one element (one path for all
// heating bars, one group for the zone numbers), so that a renderer reads
// few elements: Qt SVG parses the chart again after every keystroke.
std::string houseChartSvg(const HouseSummary& summary) {
  std::vector<const ZoneSummary*> zones;
  std::int64_t smallest = 0;
  std::int64_t largest = 0;
  for (const ZoneSummary& zone : summary.zones) {
    if (!zone.hasInput) continue;
    zones.push_back(&zone);
    smallest = std::min<std::int64_t>({smallest, zone.heating, zone.cooling});
    largest = std::max<std::int64_t>({largest, zone.heating, zone.cooling});
  }
  const Plot plot{chartAxis(smallest, largest)};
  ChartPieces pieces;
  pieces.zero = plot.y(0);
  pieces.empty = zones.empty();
  layOutAxis(plot, pieces);
  layOutZones(zones, plot, pieces);
  return chartDocument(pieces);
}

}  // namespace kovrin
