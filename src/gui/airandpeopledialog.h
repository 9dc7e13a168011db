// The House Air and People dialog: the house's values that the design load
// adds to the rooms (conditioned floor area, ceiling height, air changes by
// leakage, ventilation and its heat recovery, occupants, appliances, the
// moisture difference), the system airflow and the orientation the
// equipment is sized for; and the site of the detailed design load
// (latitude, elevation, storeys, shielding, blower-door leakage, blower
// heat), whose empty fields take the greyed proposal.
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

#include "gui/gui.h"
#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Edits the house values and details of `project`, whose zones and
// criteria the design load shown comes from. On OK returns them when any
// changed; Cancel, or OK without a change, returns none.
std::optional<HouseEntries> editAirAndPeople(const ProjectTables& project, QWidget* parent);

}  // namespace kovrin
