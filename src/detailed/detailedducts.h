// The duct system's part of the detailed design load (see detailedload.h):
// what detailedDesign adds once the zones and the house are summed.
#pragma once

#include "detailed/detailedload.h"

namespace kovrin {

// Takes the load of the entered duct system into `design`, whose zones and
// house hold every other component (the house's ducts 0) and whose
// `ductInputs` hold its inputs: the house's ducts by ductLoads on the
// house's loads, the zones' heating and sensible shares of it, and the
// conditions and figures it rests on.
void takeDuctSystem(const ProjectTables& tables, DetailedDesign& design);

}  // namespace kovrin
