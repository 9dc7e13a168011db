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

}  // namespace

HouseOrientations turnHouse(const ProjectTables& tables, const DesignLoad& load) {
  // The page calculation reads only the three tables: a copy of them, with
  // no names or notes, is all a turn needs.
  ProjectTables turned;
  turned.ListSelections = tables.ListSelections;
  turned.PageIntegers = tables.PageIntegers;
  turned.PageReals = tables.PageReals;

  HouseOrientations result;
  for (int k = 0; k < kTurns; ++k) {
    for (int c = 1; c <= kZoneColumns; ++c) {
      turned.selection(sel::GlassDirection(c)) = turnedDirection(tables.selection(sel::GlassDirection(c)), k);
    }
    Orientation& turn = result.turns[static_cast<std::size_t>(k)];
    turn.rotation = k;
    turn.degrees = k * kDegreesPerTurn;
    for (int p = 1; p <= kPages; ++p) turn.coolingZones += calculatePage(turned, p, kCooling).total;
    turn.coolingSensible = withinWholeBtuLimit(load.coolingSensibleWith(turn.coolingZones));
    turn.coolingTotal = withinWholeBtuLimit(turn.coolingSensible + load.coolingLatent);
  }

  rank(result);
  return result;
}

HouseOrientations turnHouse(const ProjectTables& tables, const DetailedDesign& asDrawn) {
  HouseOrientations result = turnHouse(tables, DesignLoad{});
  for (Orientation& turn : result.turns) {
    const DetailedDesign turned = turn.rotation == 0 ? asDrawn : detailedDesign(tables, turn.rotation);
    turn.coolingSensible = withinWholeBtuLimit(turned.house.coolingSensibleTotal());
    turn.coolingTotal = withinWholeBtuLimit(turned.house.coolingTotal());
  }
  rank(result);
  return result;
}

}  // namespace kovrin
