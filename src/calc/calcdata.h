// The page calculation: the heating or cooling loads of the ten zones of a
// page, the page total and each zone's share of the page's airflow.
#pragma once

#include <array>
#include <cstdint>

#include "model/model.h"

namespace kovrin {

class Toolkit;

// The components of a zone load, in the order the steps of the calculation
// add them up.
enum class LoadComponent : int { Doors, Floor, Roof, Walls, Glass };
inline constexpr int kLoadComponents = 5;

struct PageLoads {
  std::array<std::int32_t, kZoneColumns> zoneLoad{};
  std::int32_t total = 0;
  bool hasShares = false;  // false when the total is 0: no division
  std::array<std::int32_t, kZoneColumns> airShare{};  // all 0 without shares
  // The increase of each zone's load at each component; the five parts of a
  // zone add up exactly to its load.
  std::array<std::array<std::int32_t, kLoadComponents>, kZoneColumns> parts{};
};

// The loads of page `page` (1..5) of `tables`; heating when loadChoice is 1,
// cooling otherwise. Depends only on its arguments.
PageLoads calculatePage(const ProjectTables& tables, int page, std::int32_t loadChoice);

// Calculate the current page of the model with its LoadChoice, show the 21
// results with wdialogputinteger (1155..1164, 1165, 1173, 1174, 1176..1183),
// store the shares when the total is not 0, and set ZoneLoad and
// PageLoadTotal of the current page to 0 in the model.
void CalcData(ProjectModel& model, Toolkit& toolkit);

}  // namespace kovrin
