// Screen transfer: the zone page on screen between the input screen and the
// model, and the input ranges of the screen's fields.
//
// The user edits the screen, not the model. GetData copies the screen into
// the model's CurrentPage; PutData shows the model's CurrentPage on the
// screen. Neither checks a value: the fields carry their own input ranges
// (Ranger), and whatever a field reads back is stored. A numeric field keeps
// the exact value last written to it, so a value that goes through PutData
// and GetData unedited comes back unchanged, whatever its display format
// shows. The field tables are in screen/fieldtables.h.
#pragma once

#include "model/model.h"

namespace kovrin {

class Toolkit;

// Copy the input screen into the model for CurrentPage, in this order:
// LoadChoice from the Heating/Cooling group, the 17 ListSelections,
// PageIntegers rows 1..30 (the result rows too, whatever they show; an empty
// field reads -999), PageReals rows 1..103 but ReservedSlot, which keeps its
// value; then the names of the page's ten zones. Does nothing while
// CurrentPage is not a page (1..5).
void GetData(ProjectModel& model, Toolkit& toolkit);

// Show the model's CurrentPage on the input screen: the input integers
// (PageIntegers rows 1..6, 18, 19), every real field with its display
// format, the 17 lists with their entries and selections, and the names of
// the page's ten zones. Leaves the
// TOTALS and "CFM or %" rows (PageAirTotal too) and the Heating/Cooling group
// as they are. Does nothing while CurrentPage is not a page (1..5).
void PutData(const ProjectModel& model, Toolkit& toolkit);

// The labels beside the transfer: the zone numbers above the ten columns,
// for CurrentPage, and the caption of the TOTALS row, which names the load
// that the last calculation put there (loadChoice 1 Heating, other Cooling).
void ShowZoneNumbers(const ProjectModel& model, Toolkit& toolkit);
void ShowLoadCaption(std::int32_t loadChoice, Toolkit& toolkit);

// Declare the input ranges of the 108 typed fields (screen/ranges.h); once
// per run, with the input screen as the toolkit's current dialog.
void Ranger(Toolkit& toolkit);

}  // namespace kovrin
