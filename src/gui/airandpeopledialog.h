// The House Air and People dialog: the house's values that the design load
// adds to the rooms (conditioned floor area, ceiling height, air changes by
// leakage, ventilation and its heat recovery, occupants, appliances, the
// moisture difference), the system airflow and the orientation the
// equipment is sized for.
//
// Each value says in one line how a user gets it; an empty field is "not
// entered" and counts as 0, and shows greyed what is proposed (the zones'
// floor areas added up, 8 ft, 0.5 and 0.25 air changes, 4 occupants,
// 1200 Btu/h, 400 CFM a ton) without entering it. Text that is no number, or
// a number outside the value's range, is marked and named in a word, as the
// input screen does, and OK does not take it. Below the values the design
// load, the worst orientation and the sizes are shown as they would become,
// from designHouse (house/housedesign.h) on every keystroke.
#pragma once

#include <optional>

#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Edits the house values of `project`, whose zones and criteria the
// design load shown comes from. On OK returns the values when any changed;
// Cancel, or OK without a change, returns none.
std::optional<HouseValues> editAirAndPeople(const ProjectTables& project, QWidget* parent);

}  // namespace kovrin
