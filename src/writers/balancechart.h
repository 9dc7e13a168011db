// The balance-point chart of a heat pump: outdoor temperature along the
// bottom and Btu/h up the side, the house's heating load line and the heat
// pump's capacity line with its rated points marked, the design temperature,
// the balance point and, shaded, the backup heat needed between the design
// temperature and the balance point. Drawn with the house chart's parts
// (writers/chartparts.h) from the figures of equipment/equipmentfigures.h.
#pragma once

#include <string>

#include "equipment/equipmentfigures.h"

namespace kovrin {

inline constexpr int kBalanceChartWidth = 720;
inline constexpr int kBalanceChartHeight = 360;

// The chart's SVG text; empty when the heat pump has no capacity line (its
// 47 and 17 °F capacities are not both entered).
std::string balanceChartSvg(const HeatPumpFigures& pump);

}  // namespace kovrin
