// The details of the detailed design load: what a zone's five page values
// cannot say (each window's direction, SHGC, shading and overhang; doors of
// their own U; walls to outdoors, to a garage or below grade, with their
// construction group and colour; the ceiling under an attic or a roof; the
// floor over a crawlspace, a basement, a garage or outdoors, or a slab; the
// room's people and appliances) and the house's own (latitude, elevation,
// storeys above grade, shielding, blower-door leakage, blower heat).
//
// Every detail is optional. A zone keeps a category (its windows, its
// walls, ...) "not entered" until the user enters it; the detailed design
// load then builds that category from the zone's page values, so a project
// without details still gets a detailed load (detailed/detailedload.h says
// how). An entered category may be empty: a zone whose windows were entered
// as none has no glass, whatever the page says.
//
// The numbers are doubles, as the user's decimal entry reads, and travel in
// the project file's notes as the shortest text that reads back to them
// (projectfile/detailnotes.h), only when entered. Areas in ft², U-values in
// Btu/(h·ft²·°F), lengths in ft, temperatures in °F.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/valuetables.h"

namespace kovrin {

// Interior shading of a window in summer.
enum class InteriorShade : int {
  None,
  Blinds,     // venetian blinds, medium colour, half open
  Draperies,  // medium-colour draperies, closed
  Shades,     // roller shades, half drawn
};
inline constexpr std::array<std::string_view, 4> kInteriorShadeWords = {"none", "blinds", "draperies", "shades"};

enum class InsectScreen : int { None, Inside, Outside };
inline constexpr std::array<std::string_view, 3> kInsectScreenWords = {"none", "inside", "outside"};

// What the outer side of a wall meets.
enum class WallExposure : int {
  Outdoors,
  Unconditioned,  // a garage or another unconditioned space, at its own temperatures
  BelowGrade,     // earth, down to its depth below grade
};
inline constexpr std::array<std::string_view, 3> kWallExposureWords = {"outdoors", "unconditioned", "below grade"};
// A door meets outdoors or an unconditioned space, never the earth.
inline constexpr std::array<std::string_view, 2> kDoorExposureWords = {"outdoors", "unconditioned"};

// The construction groups of the cooling temperature differences of walls,
// from the lightest (B) to the heaviest (G), with the groups between them.
inline constexpr std::array<std::string_view, 11> kWallGroupWords = {"B",   "B-C", "C", "C-D", "D", "D-E",
                                                                     "E",   "E-F", "F", "F-G", "G"};

enum class SurfaceColour : int { Light, Medium, Dark };
inline constexpr std::array<std::string_view, 3> kSurfaceColourWords = {"light", "medium", "dark"};

// What is above a ceiling.
enum class CeilingKind : int {
  Attic,  // a vented attic under a roof of its own colour
  Roof,   // a cathedral or flat roof: the ceiling is the roof
};
inline constexpr std::array<std::string_view, 2> kCeilingKindWords = {"attic", "roof"};

// What is below a floor.
enum class FloorKind : int {
  Crawlspace,     // a vented crawlspace
  Basement,       // an unconditioned basement or a sealed crawlspace
  Garage,         // a garage or another unconditioned room, at its own temperatures
  Outdoors,       // open air (a floor over a porch or on piers)
  Slab,           // a slab on grade, by its exposed perimeter
  BasementFloor,  // the floor of a conditioned basement, by its depth below grade
};
inline constexpr std::array<std::string_view, 6> kFloorKindWords = {"crawlspace", "basement", "garage",
                                                                    "outdoors",   "slab",     "basement floor"};

struct WindowDetails {
  std::int32_t direction = 1;  // 1 N, 2 NE, ... 8 NW, as the glass directions count
  double area = 0;
  double u = 0;
  double shgc = 0;
  InteriorShade shade = InteriorShade::None;
  double shadeShare = 1;  // the part of the window the shading covers, 0..1
  InsectScreen screen = InsectScreen::None;
  double screenShare = 1;  // the part the screen covers, 0..1
  // An overhang: its depth, the height of its underside above the window's
  // top and the window's height. No overhang when the depth is 0.
  double overhangDepth = 0;
  double overhangAbove = 0;
  double height = 0;

  friend bool operator==(const WindowDetails&, const WindowDetails&) = default;
};

struct SkylightDetails {
  double area = 0;
  double u = 0;
  double shgc = 0;

  friend bool operator==(const SkylightDetails&, const SkylightDetails&) = default;
};

struct DoorDetails {
  double area = 0;
  double u = 0;
  WallExposure exposure = WallExposure::Outdoors;  // outdoors or unconditioned
  // Unconditioned: the space's temperatures at winter and summer design,
  // as a wall's.
  std::optional<double> winterTemperature;
  std::optional<double> summerTemperature;

  friend bool operator==(const DoorDetails&, const DoorDetails&) = default;
};

struct WallDetails {
  WallExposure exposure = WallExposure::Outdoors;
  double area = 0;  // net: its windows and doors not counted
  double u = 0;     // below grade: the wall's own U, without the earth
  std::int32_t group = 2;  // index into kWallGroupWords
  // Dark unless entered: the procedure's tables are made for dark walls.
  SurfaceColour colour = SurfaceColour::Dark;
  // Unconditioned: the space's temperatures at winter and summer design.
  // None: the outdoor design temperatures, as the load takes them.
  std::optional<double> winterTemperature;
  std::optional<double> summerTemperature;
  // Below grade: the wall's height and how much of it is below grade.
  double height = 0;
  double depth = 0;

  friend bool operator==(const WallDetails&, const WallDetails&) = default;
};

struct CeilingDetails {
  CeilingKind kind = CeilingKind::Attic;
  double area = 0;
  double u = 0;
  SurfaceColour colour = SurfaceColour::Dark;  // the roof's
  bool radiantBarrier = false;                 // under the attic's roof

  friend bool operator==(const CeilingDetails&, const CeilingDetails&) = default;
};

struct FloorDetails {
  FloorKind kind = FloorKind::Crawlspace;
  double area = 0;
  double u = 0;  // over a space; a slab's or basement floor's U comes from the earth
  // Slab: its exposed perimeter and the R-value of its edge insulation.
  double perimeter = 0;
  double edgeR = 0;
  // Basement floor: its depth below grade and the basement's shortest width.
  double depth = 0;
  double width = 0;
  // Garage: the space's temperatures, as for a wall.
  std::optional<double> winterTemperature;
  std::optional<double> summerTemperature;

  friend bool operator==(const FloorDetails&, const FloorDetails&) = default;
};

// A category of a zone: not entered (built from the page values), or the
// list entered, which may be empty.
template <class Item>
using DetailList = std::optional<std::vector<Item>>;

struct ZoneDetails {
  DetailList<WindowDetails> windows;
  DetailList<SkylightDetails> skylights;
  DetailList<DoorDetails> doors;
  DetailList<WallDetails> walls;
  DetailList<CeilingDetails> ceilings;
  DetailList<FloorDetails> floors;
  std::optional<double> people;  // a whole number
  std::optional<double> appliances;  // sensible, Btu/h
  std::optional<double> appliancesLatent;  // Btu/h

  bool anyEntered() const { return *this != ZoneDetails{}; }
  friend bool operator==(const ZoneDetails&, const ZoneDetails&) = default;
};

// The house's own details, each "not entered" until the user sets it.
enum class HouseDetail : int {
  Latitude,           // degrees north, for the sun
  Elevation,          // ft above sea level, for the density of air
  StoreysAboveGrade,  // whole storeys, for the stack effect of leakage
  ShieldingClass,     // 1 (open site) to 5 (heavily shielded)
  Ach50,              // blower-door air changes per hour at 50 Pa
  BlowerHeat,         // the air handler's fan heat, Btu/h, cooling
};
inline constexpr int kHouseDetails = 6;

// A house detail in the program's words and the range a user may enter; its
// key in the project notes and kovrin-report's JSON member. The proposal is
// what the detailed load takes while it is not entered (none: see
// detailed/detailedload.h).
using HouseDetailRange = NumberRow<HouseDetail>;

// Default latitude 40°N, sea level, one storey, a suburban site with normal
// shielding (class 4), blower heat 1,707 Btu/h (a 500 W fan, the default of
// ACCA Manual J 8th ed. for an air handler, as NREL/OpenStudio-HPXML
// workflow/tests/ACCA_Examples take it).
inline constexpr std::array<HouseDetailRange, kHouseDetails> kHouseDetailRanges = {{
    {HouseDetail::Latitude, "latitude", "latitude", "Latitude", "\u00b0N", 0, 70, false, 40.0},
    {HouseDetail::Elevation, "elevation", "elevation", "Elevation", "ft", -1000, 12000, false, 0.0},
    {HouseDetail::StoreysAboveGrade, "storeys above grade", "storeysAboveGrade", "Storeys above grade", "storeys", 1,
     4, true, 1.0},
    {HouseDetail::ShieldingClass, "shielding class", "shieldingClass", "Shielding class (1 open \u2013 5 sheltered)",
     "", 1, 5, true, 4.0},
    {HouseDetail::Ach50, "ach50", "ach50", "Air leakage at 50 Pa", "1/h", 0, 50, false, std::nullopt},
    {HouseDetail::BlowerHeat, "blower heat", "blowerHeat", "Blower heat", "Btu/h", 0, 20000, false, 1707.0},
}};

constexpr const HouseDetailRange& houseDetailRange(HouseDetail d) { return rowOf(kHouseDetailRanges, d); }
static_assert(listedInOrder(kHouseDetailRanges, &HouseDetailRange::value),
              "kHouseDetailRanges lists the details in the order of HouseDetail");

constexpr bool inDetailRange(HouseDetail detail, double number) { return withinRange(houseDetailRange(detail), number); }

struct HouseDetails {
  std::array<std::optional<double>, kHouseDetails> Entered{};

  std::optional<double>& operator[](HouseDetail detail) { return Entered[static_cast<std::size_t>(detail)]; }
  const std::optional<double>& operator[](HouseDetail detail) const {
    return Entered[static_cast<std::size_t>(detail)];
  }
  // The value as the detailed load takes it: the entered one, else the
  // proposal (0 for none).
  double orDefault(HouseDetail detail) const {
    return (*this)[detail].value_or(houseDetailRange(detail).proposal.value_or(0.0));
  }
  friend bool operator==(const HouseDetails&, const HouseDetails&) = default;
};

// All details of a project: the house's and each zone's, [zone - 1].
struct DesignDetails {
  HouseDetails house;
  std::array<ZoneDetails, 50> zones{};

  ZoneDetails& zone(int zone) { return zones.at(static_cast<std::size_t>(zone - 1)); }
  const ZoneDetails& zone(int zone) const { return zones.at(static_cast<std::size_t>(zone - 1)); }
  bool anyEntered() const { return *this != DesignDetails{}; }
  // The zones whose people or appliances are entered, in order. While there
  // is one, each zone counts its own and the house's occupants and
  // appliances count for none.
  std::vector<int> zonesWithOwnGains() const {
    std::vector<int> numbers;
    for (int zone = 1; zone <= static_cast<int>(zones.size()); ++zone) {
      const ZoneDetails& details = this->zone(zone);
      if (details.people || details.appliances || details.appliancesLatent) numbers.push_back(zone);
    }
    return numbers;
  }
  friend bool operator==(const DesignDetails&, const DesignDetails&) = default;
};

// The largest figures a project file takes for a zone's detail, which the
// Zone Details dialog takes too.
namespace detaillimits {
inline constexpr double kMaxArea = 100000;
inline constexpr double kMaxU = 10;
inline constexpr double kMaxLength = 1000;
inline constexpr double kMaxDepth = 50;
inline constexpr double kMinTemperature = -100;
inline constexpr double kMaxTemperature = 200;
inline constexpr double kMaxEdgeR = 100;
inline constexpr double kMaxPeople = 50;
inline constexpr double kMaxGain = 100000;
}  // namespace detaillimits

}  // namespace kovrin
