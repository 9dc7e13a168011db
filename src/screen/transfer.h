// Screen transfer: the current zone page between the input screen and the
// model, and the input ranges of the screen's fields.
#pragma once

#include "model/model.h"

namespace kovrin {

class Toolkit;

// Copy the input screen into the model for CurrentPage: LoadChoice, the 17
// selections, PageIntegers rows 1..30, PageReals rows 1..103 but ReservedSlot.
void GetData(ProjectModel& model, Toolkit& toolkit);

// Show the model's CurrentPage on the input screen: the input integers, every
// real with its display format, and the 17 lists with their entries.
void PutData(const ProjectModel& model, Toolkit& toolkit);

// Declare the input ranges of the 108 typed fields, once per run.
void Ranger(Toolkit& toolkit);

}  // namespace kovrin
