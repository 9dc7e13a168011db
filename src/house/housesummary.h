// The whole house at once: the heating and the cooling load of all 50 zones,
// the totals of each page and of the house (written out as text, CSV and
// JSON by writers/summarywriters.h).
//
// Each page is calculated twice, with Heating and with Cooling chosen, by
// the same page calculation that the window's Calculate runs, so every load
// and airflow share here is the figure the screen would show for that page.
// The house totals are summed in 64 bits: five page totals can pass the
// 32-bit range even when no page does.
//
// Beside the loads stand the figures contractors check at a glance: each
// zone's floor area and its Btu/h per ft², the house floor area, its Btu/h
// per ft² and its ft² per ton of cooling. They are exact: computed in
// integers from the loads and the exact stored floor areas, and rounded
// once, half away from zero, like every number text of the program. A
// figure has no value where it would divide by nothing: a floor area that
// shows as 0 ft² (below half a square foot, which counts as no floor) or a
// cooling total of 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/pageloads.h"
#include "house/floorarea.h"
#include "model/model.h"

namespace kovrin {

// A Figure (house/floorarea.h) of the summary: whole ft², tenths of Btu/h
// per ft², or no value.

// One zone with both of its loads.
struct ZoneSummary {
  int zone = 0;     // 1..50
  int page = 0;     // 1..5
  int column = 0;   // 1..10
  bool hasInput = false;  // any U-value or area of the zone is not 0
  std::string name;       // as the user named the zone; empty for none
  std::int32_t heating = 0;
  std::int32_t cooling = 0;
  // The zone's share of its page's airflow as Calculate shows it: 0 when the
  // page total of that load is 0.
  std::int32_t heatingAirShare = 0;
  std::int32_t coolingAirShare = 0;
  // The increase of the load at each component (doors, floor, roof, walls,
  // glass); the five add up to the load.
  std::array<std::int32_t, kLoadComponents> heatingParts{};
  std::array<std::int32_t, kLoadComponents> coolingParts{};
  // The floor area in whole ft², rounded from the stored value; no value
  // for one beyond 2^56 ft², which only a hand-edited file can hold.
  Figure floorArea;
  // Each load per ft² of floor, in tenths of Btu/h per ft².
  Figure heatingPerFloorArea;
  Figure coolingPerFloorArea;

  // Whether the summaries list the zone: it has input, or the user named it.
  bool listed() const { return hasInput || !name.empty(); }
};

struct PageSummary {
  int page = 0;
  std::int32_t heating = 0;  // the page totals Calculate shows
  std::int32_t cooling = 0;
  std::int32_t airTotal = 0;  // PageAirTotal, the airflow the shares divide
};

struct HouseSummary {
  std::array<ZoneSummary, kPages * kZoneColumns> zones{};
  std::array<PageSummary, kPages> pages{};
  std::int64_t heating = 0;
  std::int64_t cooling = 0;
  // The exact sum of the zones' floor areas, in whole ft²; no value when a
  // zone's floor area has none.
  Figure floorArea;
  Figure heatingPerFloorArea;  // tenths of Btu/h per ft², as for a zone
  Figure coolingPerFloorArea;
  // Whole ft² of floor per ton of cooling.
  Figure floorAreaPerTon;
  // The job the project is for, and whether any zone has a name.
  JobDetails job;
  bool named = false;
  // What the house view and the report warn of above the totals
  // (house/housewarnings.h).
  std::vector<std::string> warnings;
};

// Btu/h in a ton of cooling.
inline constexpr std::int64_t kBtuPerTon = 12000;

HouseSummary summarizeHouse(const ProjectTables& tables);

// Tons with two decimals, the hundredth rounded half away from zero
// ("8.23", "-0.50", "0.00").
std::string tonsText(std::int64_t btuPerHour);

// The decimals of each kind of figure.
inline constexpr int kFloorAreaDecimals = 0;
inline constexpr int kPerFloorAreaDecimals = 1;
inline constexpr int kFloorAreaPerTonDecimals = 0;

// How the house view and the report show a figure that has no value.
inline constexpr std::string_view kNoValueText = "\u2014";  // an em dash

// A figure as text with `decimals` decimals ("24.6", "-0.5", "1200"); with
// Grouping::Thousands its thousands are set apart by commas, for people to
// read ("189,284", "1,234.5"). No value gives `none`.
enum class Grouping { None, Thousands };
std::string figureText(std::int64_t scaled, int decimals, Grouping grouping = Grouping::None);
std::string figureText(const Figure& figure, int decimals, std::string_view none,
                       Grouping grouping = Grouping::None);

}  // namespace kovrin
