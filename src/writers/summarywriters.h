// The house summary as kovrin-report writes it: a text for people, CSV
// rows for a spreadsheet and one line of JSON per project. Each writes the
// figures of summarizeHouse (house/housesummary.h) and of designHouse
// (house/housedesign.h) as they are; none computes any.
//
// The equipment (writers/equipmentwriters.h) follows the same rule.
//
// The design load, the turns and the sizes: the text gives them only for a
// project with house values entered (any of them, or sizing for the worst
// orientation), so a project of the rooms alone reads as it always did; the
// CSV columns and JSON members are there for every project, since a column
// cannot be missing from some rows.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "equipment/equipmentfigures.h"
#include "house/housedesign.h"
#include "house/housesummary.h"

namespace kovrin {

// The names of the load components as the outputs spell them.
inline constexpr std::array<std::string_view, kLoadComponents> kComponentNames{"doors", "floor", "roof",
                                                                               "walls", "glass"};

// A text cell of a CSV row, quoted where it must be and never taken for a
// formula by a spreadsheet; a JSON string, UTF-8 whatever the bytes.
std::string csvField(std::string_view text);
std::string jsonString(std::string_view text);

// The summary of one project as text, as CSV rows (the header comes from
// summaryCsvHeader, once for all projects) and as one line of JSON. The
// breakdown adds the parts of each zone's loads. `project` is the file's
// name as given.
std::string summaryText(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                        std::string_view project, bool breakdown);
std::string summaryCsvHeader(bool breakdown);
std::string summaryCsv(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                       std::string_view project, bool breakdown);
std::string summaryJson(const HouseSummary& summary, const HouseDesign& design, const EquipmentFigures& equipment,
                        std::string_view project, bool breakdown);

}  // namespace kovrin
