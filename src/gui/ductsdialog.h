// The Ducts dialog: the house's duct system (where the supply and return
// ducts run, their insulation and surface, the number of returns, their
// leakage to outside by sealing or as measured, and what heats the air).
//
// A field left empty, or a choice left at "Not entered", is not entered and
// takes its proposal, shown greyed (the areas from the conditioned floor
// area, the leakage from the sealing); refused text is marked and named in a
// word, and OK does not take it. Below the inputs the duct system is shown
// as the design load takes it, on every keystroke.
#pragma once

#include <optional>

#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Edits the duct system of `project`. On OK returns it when anything
// changed; Cancel, or OK without a change, returns none.
std::optional<DuctSystem> editDucts(const ProjectTables& project, QWidget* parent);

}  // namespace kovrin
