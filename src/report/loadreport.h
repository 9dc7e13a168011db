// The load report of one zone page: 59 lines of text ("out.dat").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/fileresult.h"
#include "model/model.h"

namespace kovrin {

inline constexpr std::string_view kReportFileName = "out.dat";

// The report text of page `page` with load choice `loadChoice`, naming
// `projectFileName` (all 225 characters) in its last line.
std::string loadReport(const ProjectTables& tables, std::int32_t page, std::int32_t loadChoice,
                       const PaddedPath& projectFileName);

// Write the report of the model's current page to `path` ("out.dat" in the
// working folder). On failure the message names the file and the reason.
FileResult PrintData(const ProjectModel& model, const std::string& path = std::string(kReportFileName));

}  // namespace kovrin
