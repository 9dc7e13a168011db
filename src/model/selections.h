// The drop-down lists: their entries, the texts that the input screen's
// lists show and that the reports print for a ListSelections item, and the
// name a message gives each list. One table per list, item 1 first.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/model.h"

namespace kovrin {

inline constexpr std::array<std::string_view, 3> kDailyRangeEntries = {"L", "M", "H"};
inline constexpr std::array<std::string_view, 2> kWallConstructionEntries = {
    "Wood frame + veneer", "Masonry, block, brick"};
inline constexpr std::array<std::string_view, 4> kRoofConstructionEntries = {
    "Vented attic, dark roof", "Vented attic, light roof", "Built up dark roof, no ceiling",
    "Built up light roof, no ceiling"};
inline constexpr std::array<std::string_view, 5> kFloorConstructionEntries = {
    "Concrete slab", "Over basement", "Over enclosed crawl space", "Over unconditioned rooms",
    "Over open crawl space"};
inline constexpr std::array<std::string_view, 5> kGlassTypeEntries = {
    "Single pane", "Single + low e", "Double pane", "Double + low e", "Triple pane"};
inline constexpr std::array<std::string_view, 3> kInteriorShadingEntries = {
    "No internal shading", "Draperies, venetian blinds", "Roller blades 1/2 drawn"};
inline constexpr std::array<std::string_view, 2> kExteriorShadingEntries = {
    "No external shade screen", "Shade coefficient = 0.25"};
inline constexpr std::array<std::string_view, 8> kGlassDirectionEntries = {
    "N", "NE", "E", "SE", "S", "SW", "W", "NW"};

// A list as a message names it within a sentence, and its entries.
struct ListWording {
  std::string_view name;
  std::span<const std::string_view> entries;
};

// ListSelections items 1..7, then the one list that items 8..17 share, the
// glass direction of zone columns 1..10.
inline constexpr std::array<ListWording, 8> kListWordings = {{
    {"the daily range", kDailyRangeEntries},
    {"the wall construction", kWallConstructionEntries},
    {"the ceiling/roof construction", kRoofConstructionEntries},
    {"the floor construction", kFloorConstructionEntries},
    {"the glass type", kGlassTypeEntries},
    {"the interior shading", kInteriorShadingEntries},
    {"the exterior shading", kExteriorShadingEntries},
    {"the glass direction", kGlassDirectionEntries},
}};
static_assert(kListWordings.size() == sel::GlassDirection(1));

// The list of ListSelections item 1..17; an empty one for another item.
constexpr ListWording listWording(int item) {
  if (item < 1 || item > kListSelectionItems) return {};
  return kListWordings[static_cast<std::size_t>(std::min(item, sel::GlassDirection(1)) - 1)];
}

// The entries of ListSelections item 1..17; none for another item.
constexpr std::span<const std::string_view> selectionEntries(int item) { return listWording(item).entries; }

// The text of selection `value` (1-based) of item `item`; empty when the
// value is no entry of the list, which only a hand-edited file can hold.
constexpr std::string_view selectionText(int item, std::int32_t value) {
  const auto entries = selectionEntries(item);
  if (!inList(value, entries.size())) return {};
  return entries[static_cast<std::size_t>(value - 1)];
}

}  // namespace kovrin
