// The page on screen after the model changed: its calculation, its results
// shown as out of date, the status bar that names it and the house view
// that follows it. Shared by the menu commands and the file commands.
#pragma once

#include <cstdint>

namespace kovrin {

class Gui;
class ProjectDocument;
class Toolkit;

// The screen into the model, the page calculated and its results shown,
// the house view (when open) brought up to date.
void calculate(ProjectDocument& document, Gui& gui);
// The house view, when open, shows the whole project as the model holds it.
void showHouse(const ProjectDocument& document, Gui& gui);
// After a change of a value on the page: in spreadsheet mode the page is
// calculated, otherwise its results are shown as out of date.
void followChange(ProjectDocument& document, Gui& gui);

// The status bar names the page on screen (part 1) and its zones (part 3):
// " Page 2" and " Zones 11 -> 20"; the zones are written without the
// leading blank after New and Open.
enum class ZonesLead { Blank, None };
void showZonesStatus(Toolkit& toolkit, int page, ZonesLead lead);
void showPageStatus(Toolkit& toolkit, int page, ZonesLead lead);

}  // namespace kovrin
