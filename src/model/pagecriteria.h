// The design conditions that each page keeps of its own: the outdoor design
// temperatures, the thermostat setpoints and the duct multipliers. The daily
// range, the constructions, the glass and its shading are selections that
// all pages share.
//
// A house on several pages is calculated page by page, each with its own
// conditions; the program copies them to every page on request and warns
// where a page differs from page 1 (house/housewarnings.h).
#pragma once

#include <array>

#include "model/model.h"

namespace kovrin {

// A summer and a winter value of a page: two rows of PageIntegers, or of
// PageReals.
struct PageCriteriaPair {
  bool real;
  int summerRow;
  int winterRow;
};
inline constexpr std::array<PageCriteriaPair, 3> kPageCriteria = {{
    {false, irow::SummerDesignTemp, irow::WinterDesignTemp},
    {false, irow::SummerThermostat, irow::WinterThermostat},
    {true, rrow::SummerDuctMultiplier, rrow::WinterDuctMultiplier},
}};

// Whether page `page` holds the same values of `pair` as page `other`.
inline bool sameCriteria(const ProjectTables& tables, const PageCriteriaPair& pair, int page, int other) {
  for (const int row : {pair.summerRow, pair.winterRow}) {
    const bool same = pair.real ? tables.real(page, row) == tables.real(other, row)
                                : tables.integer(page, row) == tables.integer(other, row);
    if (!same) return false;
  }
  return true;
}

// Gives every other page the conditions of page `from`.
inline void copyPageCriteria(ProjectTables& tables, int from) {
  for (int page = 1; page <= kPages; ++page) {
    for (const PageCriteriaPair& pair : kPageCriteria) {
      for (const int row : {pair.summerRow, pair.winterRow}) {
        if (pair.real) {
          tables.real(page, row) = tables.real(from, row);
        } else {
          tables.integer(page, row) = tables.integer(from, row);
        }
      }
    }
  }
}

}  // namespace kovrin
