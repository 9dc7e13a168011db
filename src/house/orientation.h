// The house turned: its cooling load with the whole house rotated clockwise
// by 45 degree steps, for a plan that may be built facing any way.
//
// Turn k (0..7) moves every zone column's glass direction d (1 N, 2 NE, ...
// 8 NW) to ((d - 1 + k) mod 8) + 1; k = 0 is the house as drawn. The cooling
// loads of every page come from the page calculation itself, run on the
// turned directions, so a turn is exactly the house whose project holds
// those directions. The air, people and appliances and the heating do not
// depend on the orientation. A direction outside 1..8 (only a hand-edited
// file holds one) adds no glass load in any turn and stays as it is.
#pragma once

#include <array>
#include <cstdint>

#include "detailed/detailedload.h"
#include "house/designload.h"
#include "model/model.h"

namespace kovrin {

inline constexpr int kTurns = 8;
inline constexpr int kDegreesPerTurn = 45;

// Glass direction `direction` turned by `rotation` steps.
constexpr std::int32_t turnedDirection(std::int32_t direction, int rotation) {
  if (direction < 1 || direction > kTurns) return direction;
  return (direction - 1 + rotation % kTurns) % kTurns + 1;
}

// The cooling of the house turned by one rotation, in Btu/h.
struct Orientation {
  int rotation = 0;                  // k, 0..7
  int degrees = 0;                   // 45 x k, clockwise
  std::int64_t coolingZones = 0;     // the house cooling total of the zones
  std::int64_t coolingSensible = 0;  // the design cooling, sensible
  std::int64_t coolingTotal = 0;     // the design cooling total
};

struct HouseOrientations {
  std::array<Orientation, kTurns> turns{};
  int worst = 0;            // the rotation with the highest total; the smallest on a tie
  std::int64_t spread = 0;  // the highest total minus the lowest, Btu/h
};

// The eight turns of `tables`, with the orientation-free parts of `load`
// (its design load as drawn, whose rooms' cooling is turn 0's). 35 page
// calculations on one copy of the tables' numbers; nothing else is
// allocated.
HouseOrientations turnHouse(const ProjectTables& tables, const DesignLoad& load);

// The eight turns by the detailed design load: each turn's design cooling
// is the detailed method's with every window turned (`asDrawn` is turn 0);
// the rooms' figure stays the page calculation's, turn 0's that of `load`.
HouseOrientations turnHouse(const ProjectTables& tables, const DesignLoad& load, const DetailedDesign& asDrawn);

}  // namespace kovrin
