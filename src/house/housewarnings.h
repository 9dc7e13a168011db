// What a contractor must not miss before trusting the house's totals, in
// the words that the house view and the house report both show:
//  - a page with input whose design conditions (model/pagecriteria.h)
//    differ from page 1's, so that the house is not calculated with two
//    climates unawares;
//  - a zone of the partition columns (7..10) with wall area and a partition
//    temperature difference of 0, whose walls therefore add no load;
//  - a design figure held at 2^53 Btu/h, the largest whole number every
//    output (JSON readers included) states exactly: only absurd values,
//    such as hand-edited duct multipliers of 1e30, reach it.
#pragma once

#include <string>
#include <vector>

#include "house/housedesign.h"
#include "house/housesummary.h"
#include "model/model.h"

namespace kovrin {

// One line each, pages and zones in order; none when there is nothing to say.
std::vector<std::string> houseWarnings(const ProjectTables& tables, const HouseSummary& summary);

// The line for a design with a figure held at the limit; empty for none.
std::string designWarning(const HouseDesign& design);

}  // namespace kovrin
