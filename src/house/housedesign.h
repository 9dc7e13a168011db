// The house from its load to its unit, in one call for the house view, the
// house report and kovrin-report: the design load as drawn, the eight turns
// of the house, the equipment sizes that fit the orientation chosen for
// sizing, and the system airflow divided over the zones.
//
// The rooms' loads as drawn come from the house summary; the seven other
// turns take 35 page calculations and eight detailed design loads on the
// stack; nothing is allocated beyond what the details hold.
#pragma once

#include <array>
#include <vector>

#include "detailed/detailedload.h"
#include "house/designload.h"
#include "house/housesummary.h"
#include "house/orientation.h"
#include "house/sizing.h"
#include "model/model.h"

namespace kovrin {

struct HouseDesign {
  // The house's values it was made from, and its duct system as entered
  // (the design load's inputs, entered or proposed, are in `detailed`).
  HouseValues house;
  DuctSystem ducts;
  // The system chosen in House Equipment, if any: a heat pump alone has no
  // furnace whose output the sizes could give.
  std::optional<SystemType> system;
  // The house's own details as entered (its site, blower-door test and
  // blower); the detailed load takes the proposals of those not entered.
  HouseDetails details;
  // The zones that count their own people and appliances, for which the
  // house's occupants and appliances count for none (DesignDetails).
  std::vector<int> zonesWithOwnGains;
  DesignLoad load;  // the house as drawn, by the detailed method
  // Each zone's and the house's detailed design load, the house as drawn.
  DetailedDesign detailed;
  HouseOrientations orientations;
  // The rotation sized for: 0 (as drawn), or the worst when the project's
  // SizeFor says so.
  int sizingRotation = 0;
  // The sizes for the design cooling total of that rotation and the design
  // heating.
  EquipmentSizes sizes;
  // 400 CFM a ton of that cooling total, for a dialog to propose.
  Figure proposedSystemAirflow;
  // Each zone's airflow of the entered system airflow, by the zones'
  // detailed heating and sensible cooling as drawn, whole CFM; [zone - 1],
  // none as zoneAirflow says.
  std::array<Figure, kZones> heatingAirflow{};
  std::array<Figure, kZones> coolingAirflow{};
};

// The design load the equipment is sized for, and checked against: the
// house as drawn, with the design cooling of the rotation sized for.
DesignLoad sizedLoad(const HouseDesign& design);

// The design of `tables`, whose summary is `summary` (summarizeHouse).
HouseDesign designHouse(const ProjectTables& tables, const HouseSummary& summary);
// The same with the summary made here, for a caller that needs the design
// alone.
HouseDesign designHouse(const ProjectTables& tables);

}  // namespace kovrin
