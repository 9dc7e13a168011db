// The bar chart of the house: the heating and the cooling load of every
// zone with input, side by side, on one axis in Btu/h.
//
// The chart is SVG text made here, without Qt, so that one chart serves the
// window (drawn with Qt SVG) and the report (inline in the HTML, or as an
// image rendered from this text). It uses only what SVG Tiny 1.2 renderers
// draw: rectangles, lines and text, with every coordinate written from
// integers, so the same summary always gives the same bytes.
#pragma once

#include <string>

#include "house/housesummary.h"

namespace kovrin {

// The size of the chart in SVG user units (pixels at 100%).
inline constexpr int kChartWidth = 960;
inline constexpr int kChartHeight = 360;

// The axis runs over round values in steps of 1, 2 or 5 times a power of
// ten, from a multiple of the step at or below the smallest load (0 when
// none is negative) to one at or above the largest.
struct ChartAxis {
  std::int64_t minimum = 0;
  std::int64_t maximum = 0;
  std::int64_t step = 1;
};
ChartAxis chartAxis(std::int64_t smallest, std::int64_t largest);

std::string houseChartSvg(const HouseSummary& summary);

}  // namespace kovrin
