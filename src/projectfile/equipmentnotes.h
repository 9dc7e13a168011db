// The equipment in the project notes: one "key = value" line for each item
// entered, after the house's values, and nothing for what is not entered.
//
//    system = heat pump
//    make and model = Acme HP-36 with AH-36
//    compressor = variable-speed
//    heat pump 47 = 36000
//    front door faces = south
//
// A choice is one of its words (model/equipment.h), a number a plain decimal
// within its range (a whole one for airflow and bedrooms), "sized for
// heating" is "yes" when chosen; anything else is refused with what was
// expected, as the house's values are.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/equipment.h"

namespace kovrin {

// The longest make and model the notes take, in characters.
inline constexpr std::size_t kMakeAndModelCharacters = 80;

using NoteWriter = std::function<void(std::string_view key, std::string_view value)>;

void writeEquipmentNotes(const Equipment& equipment, const NoteWriter& item);

// Reads one item into `equipment`. Nothing when the key is not one of the
// equipment's; otherwise what was expected, empty when the value was taken.
// `characters` is the value's length in characters.
std::optional<std::string> readEquipmentNote(std::string_view key, const std::string& value, std::size_t characters,
                                             Equipment& equipment);

// The keys of the equipment's items, so that a mistyped one is known as such.
std::vector<std::string_view> equipmentNoteKeys();

}  // namespace kovrin
