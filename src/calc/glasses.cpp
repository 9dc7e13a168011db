#include "calc/glasses.h"

#include <array>

#include "model/model.h"

namespace kovrin {
namespace {

// The value columns of a row of the glass factor table.
enum GlassColumn : int { kSingle, kDouble, kTriple };
using GlassRow = std::array<float, 3>;  // single, double, triple

// Orientations mirrored about the north-south axis share one row.
enum DirectionGroup : int { kN, kNE_NW, kE_W, kSE_SW, kS };
using DirectionRows = std::array<GlassRow, 5>;           // N, NE/NW, E/W, SE/SW, S
using ShadingBlock = std::array<DirectionRows, 3>;       // interior shading 1, 2, 3

// Glass factors by exterior shading block, interior shading and direction
// group. Single, double and triple column of each row.
constexpr std::array<ShadingBlock, 2> kGlassFactors{{
    // Exterior shading 1: no external shade screen.
    {{
        // Interior shading 1: no internal shading.
        {{{23, 19, 17},    // N
          {56, 47, 43},    // NE, NW
          {81, 68, 62},    // E, W
          {70, 59, 53},    // SE, SW
          {40, 34, 30}}},  // S
        // Interior shading 2: draperies, venetian blinds.
        {{{14, 12, 10},
          {33, 29, 25},
          {48, 42, 37},
          {41, 37, 32},
          {24, 21, 18}}},
        // Interior shading 3: roller blades 1/2 drawn.
        {{{17, 16, 14},
          {41, 38, 34},
          {60, 55, 49},
          {52, 47, 42},
          {30, 27, 24}}},
    }},
    // Any other exterior shading: shade coefficient 0.25.
    {{
        // Interior shading 1.
        {{{23, 18, 17},    // N: the double column differs from the block above
          {31, 26, 24},    // NE, NW
          {38, 31, 28},    // E, W
          {35, 29, 26},    // SE, SW
          {27, 23, 20}}},  // S
        // Interior shading 2.
        {{{14, 12, 10},
          {19, 16, 14},
          {23, 20, 17},
          {21, 18, 16},
          {17, 14, 12}}},
        // Interior shading 3.
        {{{17, 16, 14},
          {23, 22, 19},
          {28, 26, 23},
          {26, 24, 21},
          {20, 19, 17}}},
    }},
}};

// Direction 1..8 (N, NE, E, SE, S, SW, W, NW) to its row.
constexpr std::array<DirectionGroup, 8> kDirectionGroups{kN,    kNE_NW, kE_W, kSE_SW,
                                                         kS,    kSE_SW, kE_W, kNE_NW};

// A low-e glass takes the values of the next heavier glazing.
struct GlassTypeUse {
  GlassColumn column;
  float coefficient;
};
constexpr std::array<GlassTypeUse, 5> kGlassTypes{{
    {kSingle, 0.8f},  // 1 single pane
    {kDouble, 0.4f},  // 2 single + low e
    {kDouble, 0.4f},  // 3 double pane
    {kTriple, 0.2f},  // 4 double + low e
    {kTriple, 0.2f},  // 5 triple pane
}};

}  // namespace

bool glasses(std::int32_t glassType, std::int32_t interiorShading, std::int32_t exteriorShading,
             std::int32_t direction, float& glassFactor, float& glassCoefficient) {
  if (!inList(glassType, kGlassTypes.size()) || !inList(interiorShading, 3) ||
      !inList(direction, kDirectionGroups.size()))
    return false;
  const ShadingBlock& block = kGlassFactors[exteriorShading == 1 ? 0 : 1];
  const GlassRow& row = block[interiorShading - 1][kDirectionGroups[direction - 1]];
  const GlassTypeUse& use = kGlassTypes[glassType - 1];
  glassFactor = row[use.column];
  glassCoefficient = use.coefficient;
  return true;
}

}  // namespace kovrin
