// The menu commands and the program's start-up and main loop.
#pragma once

#include <cstdint>

#include "model/model.h"

namespace kovrin {

class Toolkit;

// Carry out the command of one menu item (40001..40018); other identifiers do
// nothing. Exit sets quitRequested to 1.
void processmenu(std::int32_t command, std::int32_t& quitRequested, ProjectModel& model, Toolkit& toolkit);

}  // namespace kovrin
