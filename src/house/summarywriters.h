// The house summary as kovrin-report writes it: a text for people, CSV
// rows for a spreadsheet and one line of JSON per project. Each writes the
// figures of summarizeHouse (house/housesummary.h) as they are; none
// computes any.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "house/housesummary.h"

namespace kovrin {

// The names of the load components as the outputs spell them.
inline constexpr std::array<std::string_view, kLoadComponents> kComponentNames{"doors", "floor", "roof",
                                                                               "walls", "glass"};

// The summary of one project as text, as CSV rows (the header comes from
// summaryCsvHeader, once for all projects) and as one line of JSON. The
// breakdown adds the parts of each zone's loads. `project` is the file's
// name as given.
std::string summaryText(const HouseSummary& summary, std::string_view project, bool breakdown);
std::string summaryCsvHeader(bool breakdown);
std::string summaryCsv(const HouseSummary& summary, std::string_view project, bool breakdown);
std::string summaryJson(const HouseSummary& summary, std::string_view project, bool breakdown);

}  // namespace kovrin
