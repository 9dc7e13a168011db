// The equipment chosen and its figures as kovrin-report writes them: lines
// of the text summary, columns of the CSV's house row and members of the
// JSON project object. Each writes equipmentFigures
// (equipment/equipmentfigures.h) as they are and computes nothing.
//
// The text has the lines only when something is entered, so a project
// without equipment reads as it always did; the CSV columns and the JSON
// members are there for every project, empty or null where nothing is
// entered.
#pragma once

#include <string>

#include "equipment/equipmentfigures.h"

namespace kovrin {

std::string equipmentText(const EquipmentFigures& figures);
// The columns' names and the house row's cells, each starting with a comma.
std::string equipmentCsvHeader();
std::string equipmentCsvCells(const EquipmentFigures& figures);
// The same number of empty cells, for the zone and page rows.
std::string equipmentCsvEmptyCells();
// ,"equipment":{...},"heatPump":{...} or null,"checks":[...]
std::string equipmentJsonMembers(const EquipmentFigures& figures);

}  // namespace kovrin
