// The user's changes as the steps of a project's history (model/edithistory.h):
// what of the project a change can touch, and which value of the page on
// screen a change touched, named in the screen's words for the Edit menu.
#pragma once

#include <optional>
#include <string>

#include "model/model.h"

namespace kovrin {

// A value of page `page` that differs between two states: the field that
// shows it and its name in the Edit menu, "Floor area of zone 3", "Daily
// range", "Name of zone 12". Nothing when the page's values are the same.
struct ChangedField {
  int field;
  std::string name;
};
std::optional<ChangedField> changedField(const ProjectTables& before, const ProjectTables& after, int page);

}  // namespace kovrin
