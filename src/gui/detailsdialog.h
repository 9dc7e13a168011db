// The Project Details dialog: the client, the site address, the designer,
// the date of the design and a free note, which head the house report.
#pragma once

#include "model/model.h"

class QWidget;

namespace kovrin {

// Modal. Shows `details` for editing; on OK writes what the user left there
// into `details` and returns whether anything changed; Cancel changes
// nothing and returns false.
bool editJobDetails(JobDetails& details, QWidget* parent);

}  // namespace kovrin
