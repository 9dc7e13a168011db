// The load report of one zone page: the 59 lines of "out.dat", the design
// criteria, the inputs of the page's ten zone columns and the loads and
// airflow shares as the model holds them. The report reads the model and
// changes nothing; it runs no calculation.
//
// The text is built in memory first and replaces the report file whole, so a
// report is either written whole or a failure comes back naming the file and
// the reason, the previous report intact; writing never ends the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/fileresult.h"
#include "model/model.h"
#include "model/programnames.h"

namespace kovrin {

// The report text of page `page` (1..5) with load choice `loadChoice`,
// naming `projectFileName` (all 225 characters) in its last line. Lines end
// with CR LF. A page outside 1..5 has no rows to report: the text is empty.
std::string loadReport(const ProjectTables& tables, std::int32_t page, std::int32_t loadChoice,
                       const PaddedPath& projectFileName);

// Write the report of the model's current page to `path` ("out.dat" in the
// working folder). On failure the message names the file and the reason.
FileResult PrintData(const ProjectModel& model, const std::string& path = std::string(kReportFileName));

}  // namespace kovrin
