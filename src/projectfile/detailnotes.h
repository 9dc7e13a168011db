// The details of the detailed design load in the project notes
// (projectnotes.h), each written only when entered:
//
//    latitude = 41
//    ach50 = 2.8
//    zone 6 window = facing N; area 20; U 0.56; SHGC 0.66; shading blinds; shaded 1; screen none; screened 1; overhang 0; above 0; height 0
//    zone 6 wall = exposure outdoors; area 124; U 0.0971; group C; colour medium
//    zone 6 ceiling = kind attic; area 126; U 0.049; colour dark; barrier no
//    zone 6 people = 2
//
// A zone's windows, skylights, doors, walls, ceilings and floors are one
// line each, in the order entered; "zone 6 window = none" says the zone's
// windows were entered as none. An item is "field value" pairs separated by
// ";", in any order; a field left out keeps its default (zonedetails.h).
// Numbers are plain decimals written as the shortest text that reads back
// to the same double. A broken item, a field this version does not know or
// a value out of its range is refused with what was expected, and so is a
// detail of a zone outside 1 to 50; a key of a zone this version does not
// know ("zone 6 stair") is kept as any unknown key.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/zonedetails.h"

namespace kovrin {

bool hasDetailNotes(const DesignDetails& details);

// The words that end the keys of a zone's details: "window" ... "floor",
// "people", "appliances", "appliances latent".
std::vector<std::string_view> zoneDetailWords();

// Writes the entered details as items, house first, then zone by zone.
void writeDetailNotes(const DesignDetails& details,
                      const std::function<void(std::string_view key, std::string_view value)>& item);

// Reads one item into `details`. Nothing when the key is no detail's;
// otherwise what was expected, empty when the item was taken.
std::optional<std::string> readDetailNote(std::string_view key, std::string_view value, DesignDetails& details);

}  // namespace kovrin
