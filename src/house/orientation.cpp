#include "house/orientation.h"

#include <algorithm>

#include "calc/pageloads.h"

namespace kovrin {

namespace {

// The worst turn (the smallest rotation on a tie) and the spread.
void rank(HouseOrientations& result) {
  const auto byTotal = [](const Orientation& a, const Orientation& b) { return a.coolingTotal < b.coolingTotal; };
  // max_element gives the first of equal largest, the smallest rotation
  // (minmax_element would give the last).
  const auto highest = std::max_element(result.turns.begin(), result.turns.end(), byTotal);
  const auto lowest = std::min_element(result.turns.begin(), result.turns.end(), byTotal);
  result.worst = highest->rotation;
  result.spread = withinWholeBtuLimit(highest->coolingTotal - lowest->coolingTotal);
}

// The rooms' cooling of every turn: turn 0's is `asDrawn`, the house total
// of the zones as drawn, already at hand.
HouseOrientations turnRooms(const ProjectTables& tables, std::int64_t asDrawn) {
  // The page calculation reads only the three tables: a copy of them, with
  // no names or notes, is all a turn needs.
  ProjectTables turned;
  turned.ListSelections = tables.ListSelections;
  turned.PageIntegers = tables.PageIntegers;
  turned.PageReals = tables.PageReals;

  HouseOrientations result;
  for (int k = 0; k < kTurns; ++k) {
    Orientation& turn = result.turns[static_cast<std::size_t>(k)];
    turn.rotation = k;
    turn.degrees = k * kDegreesPerTurn;
    if (k == 0) {
      turn.coolingZones = asDrawn;
      continue;
    }
    for (int c = 1; c <= kZoneColumns; ++c) {
      turned.selection(sel::GlassDirection(c)) = turnedDirection(tables.selection(sel::GlassDirection(c)), k);
    }
    for (int p = 1; p <= kPages; ++p) turn.coolingZones += calculatePage(turned, p, kCooling).total;
  }
  return result;
}

}  // namespace

HouseOrientations turnHouse(const ProjectTables& tables, const DesignLoad& load) {
  HouseOrientations result = turnRooms(tables, load.zonesCooling);
  for (Orientation& turn : result.turns) {
    turn.coolingSensible = withinWholeBtuLimit(load.coolingSensibleWith(turn.coolingZones));
    turn.coolingTotal = withinWholeBtuLimit(turn.coolingSensible + load.coolingLatent);
  }
  rank(result);
  return result;
}

HouseOrientations turnHouse(const ProjectTables& tables, const DesignLoad& load, const DetailedDesign& asDrawn) {
  HouseOrientations result = turnRooms(tables, load.zonesCooling);
  for (Orientation& turn : result.turns) {
    const DetailedDesign turned = turn.rotation == 0 ? asDrawn : detailedDesign(tables, turn.rotation);
    turn.coolingSensible = withinWholeBtuLimit(turned.house.coolingSensibleTotal());
    turn.coolingTotal = withinWholeBtuLimit(turned.house.coolingTotal());
  }
  rank(result);
  return result;
}

}  // namespace kovrin
