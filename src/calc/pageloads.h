// The page calculation: the heating or cooling loads of the ten zones of a
// page, the page total and each zone's share of the page's airflow, from the
// project's values alone. It knows no screen: CalcData (calc/calcdata.h)
// shows its results, and the whole-house figures and kovrin-report run it
// without a window.
//
// Loads are whole numbers. The model's reals and the table constants are
// single precision; the arithmetic runs in double on their exact values, and
// the floor and glass cooling multipliers alone are rounded to single
// precision once computed. The last digit of a load depends on these rules
// (a wood-frame wall of area x U = 10 at a cooling difference of 15, range M,
// gives 185, not 186), so they are part of the result.
//
// Every real becomes a whole number by truncation toward zero. Values that a
// hand-edited project file can bring are handled without undefined
// behaviour:
//  - a real outside the 32-bit range saturates to -2147483648 or 2147483647,
//    and not-a-number gives 0;
//  - the page total is summed in 64 bits and saturates the same way;
//  - a share is formed as load x airflow in 64 bits, divided by the total
//    with truncation toward zero, and saturates;
//  - a selection outside its list contributes a correction, a floor switch,
//    a glass factor and a glass coefficient of 0, so a run depends only on
//    the model's current contents. A wall construction other than 1 counts
//    as masonry and an exterior shading other than 1 as the shade screen:
//    these have no "outside".
#pragma once

#include <array>
#include <cstdint>

#include "model/model.h"

namespace kovrin {

// The components of a zone load, in the order the heating sum adds them up.
enum class LoadComponent : int { Doors, Floor, Roof, Walls, Glass };
inline constexpr int kLoadComponents = 5;

struct PageLoads {
  std::array<std::int32_t, kZoneColumns> zoneLoad{};
  std::int32_t total = 0;
  // All 0 when the total is 0: there is nothing to divide by.
  std::array<std::int32_t, kZoneColumns> airShare{};

  // parts[c - 1][component]: how much each component raised (or lowered) the
  // load of zone column c. The load is built in truncated steps, so a part is
  // the difference of two successive truncated partial loads along the order
  // of the calculation, and the five parts add up exactly to the load:
  //  - heating, columns 1..6: the partial loads are trunc(S x H) of the
  //    partial sums S = doors, doors + floor, ... + roof, ... + walls,
  //    ... + glass (H the heating multiplier); the last one is the load;
  //  - heating, columns 7..10: doors, floor, roof and glass the same way
  //    along the base sum (the last partial load is the base), walls the
  //    increase of the partition wall step;
  //  - cooling: doors = trunc(door A x U x multiplier of the first step),
  //    walls = the load after the first step minus that; roof, floor and
  //    glass the increase of their own steps.
  // A part leaves the 32-bit range only when successive partial loads sit at
  // the opposite saturation limits; it then saturates and the sum is off.
  std::array<std::array<std::int32_t, kLoadComponents>, kZoneColumns> parts{};
};

// The loads of page `page` (1..5) of `tables`; heating when loadChoice is 1,
// cooling otherwise. Depends only on its arguments; a page outside 1..5 gives
// all zeros.
PageLoads calculatePage(const ProjectTables& tables, int page, std::int32_t loadChoice);

}  // namespace kovrin
