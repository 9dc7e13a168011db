// The one-page summary of the design that a building department asks for
// (the plans examiner's HVAC review form), at the front of the house
// report, in the form's order: the design conditions, the loads, the house,
// the windows, the equipment and the job. A field that is not entered says
// "not entered", never a blank or a 0.
#pragma once

#include <string>

#include "equipment/equipmentfigures.h"
#include "house/designload.h"
#include "house/housedesign.h"
#include "model/model.h"

namespace kovrin {

// The page as HTML, one <div class="page">: a table of labels and values.
// Its loads are `sized`, those the equipment is sized for and judged
// against; the house sized for its worst orientation says which turn.
std::string permitSummaryHtml(const ProjectTables& tables, const DesignLoad& sized, const HouseDesign& design,
                              const EquipmentFigures& figures);

}  // namespace kovrin
