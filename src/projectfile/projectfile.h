// Project files: the whole model (ListSelections, PageIntegers and PageReals
// of all five pages) as a text of 750 lines, one number a line.
//
// Failures come back as values: a file that cannot be read or parsed leaves
// the model exactly as it was, and a file that cannot be written leaves the
// previous file intact. The message names the file, the line and what was
// expected, in words a user can act on.
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
