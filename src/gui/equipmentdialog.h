// The House Equipment dialog: the system the contractor chooses (furnace with
// air conditioner, heat pump, or dual fuel), its make and model, the
// furnace, the cooling coil, the heat pump's rated capacities, lockout and
// backup, the airflow, and which way the front door faces and the bedrooms.
//
// An empty field or "not entered" choice is not entered. Text that is no
// number, or a number outside the value's range, is marked and named, and OK
// does not take it. Below the values the heat pump's balance point and
// backup and each check of the equipment against the design load are shown
// as they would become, on every keystroke.
#pragma once

#include <optional>

#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Edits the equipment of `project`, whose design load the checks are
// made against. On OK returns the equipment when anything changed; Cancel,
// or OK without a change, returns none.
std::optional<Equipment> editEquipment(const ProjectTables& project, QWidget* parent);

}  // namespace kovrin
