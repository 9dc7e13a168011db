// How the program names the zones of a page: "11 -> 20" in the Zones menu,
// " Zones 11 -> 20" in the status bar, "Zones 11 -> 20" in the report. One
// table, so that the three never disagree.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/model.h"

namespace kovrin {

// The zones of page 1..5 as the Zones menu lists them. The first begins with
// two blanks so that its digits stand under those of the others.
inline constexpr std::array<std::string_view, kPages> kPageZoneRanges = {"  1 -> 10", "11 -> 20", "21 -> 30",
                                                                         "31 -> 40", "41 -> 50"};

// "Zones 11 -> 20": the zones of page 1..5 named in a text, without the
// menu's blanks; empty for a page that does not exist.
inline std::string zonesText(int page) {
  if (page < 1 || page > kPages) return {};
  std::string_view range = kPageZoneRanges[static_cast<std::size_t>(page - 1)];
  range.remove_prefix(range.find_first_not_of(' '));
  return "Zones " + std::string(range);
}

}  // namespace kovrin
