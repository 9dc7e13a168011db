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
#include <string_view>

#include "equipment/equipmentfigures.h"

namespace kovrin {

// The heat pump at the design temperature as every output says it, with
// `space` between a number and its unit (a plain or a non-breaking one):
// the capacity ("11,125 Btu/h"), the balance point ("29.4 °F") and the
// backup needed ("41,493 Btu/h, 12.2 kW", and why it is the whole load when
// the compressor is locked out). Without the capacities at 47 and 17 °F
// there is no capacity line and each is not known; where the lines do not
// meet, the balance point says which way they pass.
std::string capacityAtDesignText(const HeatPumpFigures& pump, std::string_view space);
std::string balancePointText(const HeatPumpFigures& pump, std::string_view space);
std::string backupAtDesignText(const HeatPumpFigures& pump, std::string_view space);
// "the compressor locked out from -10 °F down" where the lockout temperature
// entered is at or above the design temperature; empty otherwise.
std::string lockoutText(const HeatPumpFigures& pump, std::string_view space);

// What the report and the dialog say of equipment with no heat pump and
// nothing yet to check.
inline constexpr std::string_view kNothingToCheck = "Nothing to check yet.";

std::string equipmentText(const EquipmentFigures& figures);
// The columns' names and the house row's cells, each starting with a comma.
std::string equipmentCsvHeader();
std::string equipmentCsvCells(const EquipmentFigures& figures);
// The same number of empty cells, for the zone and page rows.
std::string equipmentCsvEmptyCells();
// ,"equipment":{...},"heatPump":{...} or null,"checks":[...]
std::string equipmentJsonMembers(const EquipmentFigures& figures);

}  // namespace kovrin
