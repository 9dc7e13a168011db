// The words of the design load, the house turned and the sizes that fit,
// one table of each for the house view, the house report and kovrin-report's
// text alike: the rows of the design load, the house's values as entered
// with their units, the turns, and the sentences that size the equipment,
// each with the one line it rests on. The figures are those of designHouse
// (house/housedesign.h); nothing here computes a load.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "house/housedesign.h"

namespace kovrin {

// What the view and the report say while none of the air and people is
// entered.
inline constexpr std::string_view kAirAndPeopleNotEntered =
    "Air and people not entered: the design load counts no outdoor air, people or appliances";

// The sentences that quote the constants they rest on, built from them:
// "12,000 Btu/h a ton", "90 % to 115 %".
std::string btuPerTonText();
std::string percentBandText(std::int64_t low, std::int64_t high);

// One row of the design load: its heating and its sensible and latent
// cooling in Btu/h, none where the component has no such load.
struct DesignRow {
  std::string_view label;
  std::string_view tip;  // what the row holds, in one line
  Figure heating;
  Figure sensible;
  Figure latent;
};
inline constexpr std::size_t kDesignRows = kComponents + 1;
// The detailed method's components (windows ... AED excursion) and, last,
// the design load itself.
std::array<DesignRow, kDesignRows> designRows(const DesignLoad& load);

// Where the design load's ducts come from as kovrin-report's CSV and JSON
// give it: "duct system" or "page duct multipliers".
std::string_view ductSourceText(DuctSource source);
// The same as a sentence under the design load in the view, the report and
// kovrin-report's text: the page duct multipliers used while no duct system
// is entered, else the duct system's load.
std::string_view ductSourceSentence(DuctSource source);

// One input or figure of the duct system as the design load took it: its
// name, its value with its unit, and whether the value is a proposal (not
// entered) rather than the user's.
struct DuctLine {
  std::string_view label;
  std::string value;
  bool proposed = false;
};
// The duct system's inputs (locations, insulation, surfaces, returns,
// sealing, leakage, what heats the air), then the temperatures around the
// ducts, the delivery effectiveness and the airflow the load settled on.
// None without a duct system.
std::vector<DuctLine> ductLines(const HouseDesign& design, Grouping grouping);

// The system airflow in whole CFM, as its range holds it; none when it is
// not entered.
Figure systemAirflowFigure(const HouseValues& house);

// A value as entered with its unit ("8.5 ft", "70 %"), or "not entered".
std::string enteredValueText(const HouseValues& house, HouseValue value);

// A house value as the outputs list it: as entered with its unit, or "not
// entered"; the occupants and appliances where zones count their own are
// marked "(not counted: zone 2 has its own)", or when not entered "(zone 2
// has its own)", and the air changes by leakage alike beside an ACH50.
std::string houseValueText(const HouseDesign& design, HouseValue value);

// A house detail as the detailed load takes it: as entered ("41 \u00B0N",
// "2.8 1/h"), its proposal marked "(proposed)", or, for the blower-door
// leakage, that the air changes by leakage are taken instead.
std::string houseDetailText(const HouseDetails& details, HouseDetail detail);

// Whether the outputs list the design load, the house's values and details,
// the turns and the sizes: once a house value, a detail or a duct system is
// entered.
bool designLoadListed(const HouseDesign& design);

// The zones that count their own people and appliances, as a sentence's
// subject: "zone 2 has its own", "zones 1, 2 and 7 have their own"; empty
// for none.
std::string ownGainsText(const std::vector<int>& zones);

// A turn as the tables head it: "as drawn", "45°", ... "315°".
std::string turnText(int rotation);
// Where the side of the house drawn facing north faces after the turn.
std::string_view northSideFaces(int rotation);
// The turn the sizes are for: "the house as drawn", "the house turned 180°,
// its worst orientation".
std::string sizedForText(const HouseDesign& design);
// How the tables of the turns mark one: "worst", "sized for", "worst, sized
// for" or "".
std::string turnMarks(const HouseDesign& design, int rotation);

// One figure of the sizes that fit and the one line it rests on.
struct SizingLine {
  std::string figure;
  std::string basis;
};
// The cooling band, the nominal sizes that fit (or the nearest below and
// above, or the advice of more than one unit) and the furnace's band.
std::vector<SizingLine> sizingLines(const HouseDesign& design, Grouping grouping);

// The spread of the turns in one line: "7,880 Btu/h between the lowest and
// the highest design cooling total".
std::string spreadText(const HouseOrientations& orientations, Grouping grouping);

}  // namespace kovrin
