// The input screen (dialog 101) with its extra data, and the main menu
// (menu 30001): constant tables from which the toolkit builds the window.
//
// The controls of the form are listed in tab order: the toolkit visits the
// tab stops (fields without kNoTabStop or kDisabled) in array order. The
// extra data gives the lists their initial items and selections and the
// radio buttons their initial states; the program replaces the list items
// and selections with its own the first time it shows a page.
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
// row.
inline constexpr int kInputScreenFields = 184;
inline constexpr int kFirstControlId = 1001;
inline constexpr int kLastControlId = 1184;
inline constexpr int kFirstZoneNumberLabel = 1185;  // zone column c: 1184 + c
inline constexpr int kLoadCaptionLabel = 1195;
// The zones' names: 1196..1205 (screen/fieldtables.h, zoneNameField).
inline constexpr int kZoneNameCaption = 1206;
inline constexpr int kInputScreenControls = kInputScreenFields + 2 * kZoneColumns + 2;

// Initial state of a radio button (0 off, 1 on), as the form's extra data
// gives it. The lists start at the selections of a new project
// (model/defaults.h).
struct InitialButtonState {
  int field;
  int state;
};

inline constexpr std::array<InitialButtonState, 2> kInitialChecks = {{
    {1046, 0},  // Heating
    {1047, 1},  // Cooling
}};

// The form; lives as long as the program.
const DialogResource& inputScreen();
// The menu bar; lives as long as the program.
const MenuResource& mainMenu();

}  // namespace kovrin
