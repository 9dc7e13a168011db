// Project files: the whole model (ListSelections, PageIntegers and PageReals
// of all five pages) as a text of 750 lines, one number a line.
//
// Failures come back as values: a file that cannot be read or parsed leaves
// the model exactly as it was, and a file that cannot be written leaves the
// previous file intact. The message names the file, the line and what was
// expected, in words a user can act on.
//
// Reading takes the first number of each line: leading blanks and tabs are
// skipped, the number ends at a blank, a comma or the end of the line, the
// rest of the line is ignored, and lines without a number are skipped. A
// whole number is an optional sign and digits within the 32-bit range; a
// real also takes a point and an exponent with E or D, and is rounded once,
// straight to single precision. A real too large for single precision is an
// error (it could only become infinity); one too small becomes zero. A line
// that starts with a comma or a slash, a repeat count such as 3*0, a quoted
// number, "NaN" or "Infinity" is not a number. Lines after the 750th value
// are ignored. Only plain files are read, never a device or a pipe.
//
// Writing refuses a real that is not finite, since no load would take the
// file back. The saved file keeps the permissions of the file it replaces
// (a new one gets those of any new file), and saving through a symbolic link
// replaces the file the link points to.
#pragma once

#include <string>
#include <string_view>

#include "model/fileresult.h"
#include "model/model.h"

namespace kovrin {

inline constexpr int kProjectFileLines = 750;

// The project file text of these tables, byte for byte as savedata writes it.
std::string projectText(const ProjectTables& tables);

// Parse a project file text into `out`. On failure `out` is unspecified and
// the message names `fileName`, the line and the expectation.
FileResult parseProject(std::string_view text, std::string_view fileName, ProjectTables& out);

// Read the file named by model.ProjectFileName into the model's three tables
// (all five pages); on failure the model is unchanged.
FileResult loaddata(ProjectModel& model);

// Write the model's three tables to the file named by model.ProjectFileName
// through a temporary file in the same folder, synced and renamed over the
// target; on failure the previous file is intact.
FileResult savedata(const ProjectModel& model);

// The same on an explicit path.
FileResult loadProjectFile(const std::string& path, ProjectTables& tables);
FileResult saveProjectFile(const std::string& path, const ProjectTables& tables);

}  // namespace kovrin
