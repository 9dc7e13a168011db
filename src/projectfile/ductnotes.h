// The duct system in the project notes: one "key = value" line for each
// input entered, none for the others, so that a project without ducts
// writes what it always wrote.
//
//    duct supply location = vented attic
//    duct supply r = 4
//    duct sealing = average
//
// A location, sealing or heating is one of its words; a number is plain
// decimal text within its range, written as the shortest text that reads
// back to the same double. Anything else is refused with what was expected.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ductsystem.h"

namespace kovrin {

using NoteWriter = std::function<void(std::string_view key, std::string_view value)>;

// Writes the entered inputs of `ducts`, in a fixed order.
void writeDuctNotes(const DuctSystem& ducts, const NoteWriter& item);

// Reads one item into `ducts`. Nothing when `key` is not one of the duct
// system's; otherwise what was expected, empty when the value was taken.
std::optional<std::string> readDuctNote(std::string_view key, std::string_view value, DuctSystem& ducts);

// Every key of the duct system, for the reader to know a mistyped one.
std::vector<std::string_view> ductNoteKeys();

}  // namespace kovrin
