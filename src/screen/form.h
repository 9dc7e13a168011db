// The input screen (dialog 101) and the main menu (menu 30001): constant
// tables from which the toolkit builds the window.
//
// The controls of the form are listed in tab order: the toolkit visits the
// tab stops (fields without kNoTabStop or kDisabled) in array order. The
// zone grid is made from the field tables (screen/fieldtables.h), and the
// fields start with the defaults of a new project (model/defaults.h): the
// lists with their entries and the selections of a new project, Cooling
// checked. The program shows its own values the first time it shows a page.
#pragma once

#include <array>

#include "model/model.h"
#include "toolkit/resources.h"

namespace kovrin {

inline constexpr int kInputScreenId = 101;
inline constexpr int kMainMenuId = 30001;
inline constexpr int kInputScreenWidth = 532;   // dialog units
inline constexpr int kInputScreenHeight = 323;
// The 184 controls of the original screen (1001..1184), and what was added
// beside them: the zone numbers above the ten columns, the caption that says
// which load the TOTALS row holds, the zones' names and the caption of their
// row, and the markers of the partition columns.
inline constexpr int kInputScreenFields = 184;
inline constexpr int kFirstZoneNumberLabel = 1185;  // zone column c: 1184 + c
inline constexpr int kLoadCaptionLabel = 1195;
// The zones' names: 1196..1205 (screen/fieldtables.h, zoneNameField).
inline constexpr int kZoneNameCaption = 1206;
// The marker of the partition columns 7..10 beside their names: 1207..1210.
inline constexpr int kFirstPartitionMarker = 1207;
inline constexpr int kInputScreenControls =
    kInputScreenFields + 2 * kZoneColumns + 2 + (kZoneColumns - kFirstPartitionColumn + 1);

// The form; lives as long as the program.
const DialogResource& inputScreen();
// The menu bar; lives as long as the program.
const MenuResource& mainMenu();

}  // namespace kovrin
