// The user's changes as the steps of a project's history (model/edithistory.h):
// what of the project a change can touch, and which value of the page on
// screen a change touched, named in the screen's words for the Edit menu.
#pragma once

#include <optional>
#include <string>

#include "model/model.h"

namespace kovrin {

// What the project holds, as far as the user's changes go: the tables
// without the loads and airflow shares of the page calculation, which live
// on the screen and which the model does not keep.
ProjectTables changeableContents(const ProjectTables& tables);

// A value of page `page` that differs between two states: the field that
// shows it and its name in the Edit menu, "Floor area of zone 3", "Daily
// range", "Name of zone 12". Nothing when the page's values are the same.
struct ChangedField {
  int field;
  std::string name;
};
std::optional<ChangedField> changedField(const ProjectTables& before, const ProjectTables& after, int page);

}  // namespace kovrin
