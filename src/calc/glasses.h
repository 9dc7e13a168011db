// Glass factors: the cooling heat gain of glass by glass type, interior and
// exterior shading and direction, and the per-degree glass coefficient.
//
// The factors hold for a cooling temperature difference of 10 degrees; the
// page calculation adds the coefficient once for every degree above 10 (and
// takes it off for every degree below). Pure table lookup: no model, no
// screen, no state kept between calls.
#pragma once

#include <cstdint>

namespace kovrin {

// Look up the glass factor and glass coefficient for the selection numbers
// (counted from 1, as the drop-down lists count them). Any exterior shading
// other than 1 is the shade-screen block.
//
// Returns false, and leaves both outputs unchanged, when a selection is
// outside its list (glass type 1..5, interior shading 1..3, direction 1..8);
// only a hand-edited project file brings such a value. The page calculation
// then counts the glass with a factor and a coefficient of 0.
bool glasses(std::int32_t glassType, std::int32_t interiorShading, std::int32_t exteriorShading,
             std::int32_t direction, float& glassFactor, float& glassCoefficient);

}  // namespace kovrin
