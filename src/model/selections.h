// The entries of the drop-down lists: the texts that the input screen's
// lists show and that the reports print for a ListSelections item. One
// table per list, item 1 first.
#pragma once

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

// The entries of ListSelections item 1..17; none for another item.
constexpr std::span<const std::string_view> selectionEntries(int item) {
  switch (item) {
    case sel::DailyRange: return kDailyRangeEntries;
    case sel::WallConstruction: return kWallConstructionEntries;
    case sel::RoofConstruction: return kRoofConstructionEntries;
    case sel::FloorConstruction: return kFloorConstructionEntries;
    case sel::GlassType: return kGlassTypeEntries;
    case sel::InteriorShading: return kInteriorShadingEntries;
    case sel::ExteriorShading: return kExteriorShadingEntries;
    default: break;
  }
  if (item >= sel::GlassDirection(1) && item <= sel::GlassDirection(kZoneColumns)) return kGlassDirectionEntries;
  return {};
}

// The text of selection `value` (1-based) of item `item`; empty when the
// value is no entry of the list, which only a hand-edited file can hold.
constexpr std::string_view selectionText(int item, std::int32_t value) {
  const auto entries = selectionEntries(item);
  if (!inList(value, entries.size())) return {};
  return entries[static_cast<std::size_t>(value - 1)];
}

}  // namespace kovrin
