// The Zone Details dialog: what one zone's five page values cannot say, for
// the detailed design load (model/zonedetails.h). Its windows, skylights,
// doors, walls, ceilings and floors are tables a row an item, each on a page
// of its own, with its people and appliances on the last.
//
// A list not entered is built from the page by the detailed load: the
// dialog says so in a greyed line that tells what the page gives, and the
// list's table stays empty until the user adds a row ("Add" starts from the
// page's figures where the page has them). "Use the Page's" takes a list
// back to not entered; "Remove" of the last row leaves the list entered as
// none. An empty cell of a figure that has no default, text that is no
// number or a number outside its range is marked and named, and OK does not
// take it. Below the pages the zone's detailed loads are shown as they
// would become, from detailed/detailedload.h, on every change.
#pragma once

#include <optional>

#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Edits the details of zone 1..50 of `project`; on OK returns them
// when any changed. Cancel, or OK without a change, returns none.
std::optional<ZoneDetails> editZoneDetails(const ProjectTables& project, int zone, QWidget* parent);

}  // namespace kovrin
