// Everything the house view, the house report and kovrin-report show of a
// house, made in one call: the summary of the zones, the design from load to
// unit and the equipment against that design. The page calculation runs once
// for each page and load (the summary's); the design load and the turn as
// drawn take its totals from the summary. The writers and windows are given
// these figures and compute none of their own.
#pragma once

#include "equipment/equipmentfigures.h"
#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/model.h"

namespace kovrin {

struct HouseFigures {
  HouseSummary summary;
  HouseDesign design;
  // The design load the equipment is sized for and judged against
  // (sizedLoad): the house as drawn, or its cooling turned to the worst.
  DesignLoad sized;
  EquipmentFigures equipment;  // against `sized`
};

HouseFigures houseFigures(const ProjectTables& tables);

}  // namespace kovrin
