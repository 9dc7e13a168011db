// Glass factors: the cooling heat gain of glass by glass type, interior and
// exterior shading and direction, and the per-degree glass coefficient.
#pragma once

#include <cstdint>

namespace kovrin {

// Look up the glass factor and glass coefficient. Returns false, and leaves
// both outputs unchanged, when a selection is outside its list (glass type
// 1..5, interior shading 1..3, direction 1..8); any exterior shading other
// than 1 is the shade-screen block.
bool glasses(std::int32_t glassType, std::int32_t interiorShading, std::int32_t exteriorShading,
             std::int32_t direction, float& glassFactor, float& glassCoefficient);

}  // namespace kovrin
