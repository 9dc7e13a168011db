// The design load of the whole house: what equipment is chosen from. The
// rooms' loads (the house totals of the zones, as the house summary gives
// them) plus the outdoor air that leaks in or is brought in by ventilation,
// the heat of people and appliances, and for cooling the moisture (latent
// heat).
//
// Every page has its own design temperatures, thermostats and duct
// multipliers, so the air is found page by page: page p takes the share
// s = A / Ah of the house, A its zones' floor area and Ah the house's (page 1
// takes the whole house when Ah is 0). With F the conditioned floor area
// (entered, or Ah), V = F x ceiling height x s, the differences
// dTw = WinterThermostat - WinterDesignTemp and dTs = SummerDesignTemp -
// SummerThermostat and the duct multipliers dw and ds of the page:
//
//   leakage       heating  1.08 x (achW x V / 60) x dTw x (1 + dw)
//                 cooling  1.08 x (achS x V / 60) x dTs x (1 + ds)
//                 latent   0.68 x (achS x V / 60) x grains
//   ventilation   heating  1.08 x Q x (1 - sensible/100) x dTw,  Q = CFM x s
//                 cooling  1.08 x Q x (1 - sensible/100) x dTs
//                 latent   0.68 x Q x (1 - latent/100) x grains
//   people        kPersonSensible x occupants, kPersonLatent x occupants
//                 latent (house)
//   appliances    as entered, sensible (house)
//
// That is the estimate on the rooms' page loads. The design load of the
// house view, the house report and kovrin-report is the detailed method's
// (detailed/detailedload.h), with the same members (the last designLoad).
//
// The arithmetic runs in double precision on the stored values; each entry
// for each page is rounded half away from zero to whole Btu/h, and every
// total is the sum of those whole numbers. A value not entered counts as 0.
// A negative latent part (a dry climate) stays as it is; the latent total is
// never below 0. All figures are Btu/h unless said otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "detailed/detailedload.h"
#include "house/floorarea.h"
#include "house/housesummary.h"
#include "house/wholenumbers.h"
#include "model/loadfigures.h"
#include "model/model.h"

namespace kovrin {

// The outdoor air of one page, or of the house, in whole Btu/h.
struct AirParts {
  std::int64_t leakageHeating = 0;
  std::int64_t leakageCooling = 0;  // sensible
  std::int64_t leakageLatent = 0;
  std::int64_t ventilationHeating = 0;
  std::int64_t ventilationCooling = 0;  // sensible
  std::int64_t ventilationLatent = 0;

  friend bool operator==(const AirParts&, const AirParts&) = default;
};

struct PageAir {
  double floorArea = 0;  // A: the page's zones' floor area, ft²
  double share = 0;      // s, 0..1 for any house a user can enter
  AirParts parts;
};

struct DesignLoad {
  // Whether any air and people value is entered; with none the design load
  // is the rooms' load.
  bool airAndPeopleEntered = false;
  // Ah: the zones' floor area, ft², the exact sum of the stored areas that
  // the house summary rounds to whole ft² (a floor below half a square foot
  // counts as none, as there). 0 when that sum has no value.
  double zonesFloorArea = 0;
  // F: the conditioned floor area, ft²: the entered one, or Ah.
  double floorArea = 0;
  std::array<PageAir, kPages> pages{};
  AirParts air;  // the sums over the pages
  std::int64_t peopleSensible = 0;
  std::int64_t peopleLatent = 0;
  std::int64_t appliances = 0;
  // The rooms: the house totals of the zones' heating and cooling loads.
  std::int64_t zonesHeating = 0;
  std::int64_t zonesCooling = 0;
  std::int64_t heating = 0;          // zones + leakage + ventilation
  std::int64_t coolingSensible = 0;  // zones + leakage + ventilation + people + appliances
  std::int64_t coolingLatent = 0;    // leakage + ventilation + people, at least 0
  std::int64_t coolingTotal = 0;     // sensible + latent
  // Tons of the cooling total in hundredths (12000 Btu/h a ton), rounded
  // half away from zero: tonsText(coolingTotal) writes it.
  std::int64_t coolingTons = 0;
  // Sensible / total in hundredths; none when the total is 0.
  Figure sensibleHeatRatio;
  // The design load by component (the detailed method's house), and where
  // its ducts come from; all 0 for the rooms' estimate alone.
  DetailedLoads components;
  DuctSource ducts = DuctSource::PageMultipliers;

  // The house's figures by F, for wherever the house view and report give
  // the house's loads per ft² and ft² per ton: F in whole ft², the design
  // loads (cooling: the total) and the rooms' loads per ft² of F in tenths of
  // Btu/h, and whole ft² of F per ton of the design cooling. Exact and
  // rounded once, as the house summary's figures are; none as there (no
  // floor, no cooling, a floor area without a value). With nothing entered
  // they are the house summary's own.
  Figure floorAreaFigure;
  Figure heatingPerFloorArea;
  Figure coolingPerFloorArea;
  Figure zonesHeatingPerFloorArea;
  Figure zonesCoolingPerFloorArea;
  Figure floorAreaPerTon;

  // The sensible cooling with other loads of the zones (the house turned):
  // the air, people and appliances do not depend on the orientation.
  std::int64_t coolingSensibleWith(std::int64_t zonesCoolingLoad) const {
    return coolingSensible - zonesCooling + zonesCoolingLoad;
  }
};

inline constexpr int kRatioDecimals = 2;
inline constexpr int kTonsDecimals = 2;

// The design load of `tables`, the rooms' part from the page calculation of
// every page (the house summary's totals).
DesignLoad designLoad(const ProjectTables& tables);
// The same with the house totals of the zones already at hand.
DesignLoad designLoad(const ProjectTables& tables, std::int64_t zonesHeating, std::int64_t zonesCooling);

// The design load equipment is bought from: the detailed method's heating,
// cooling, air, people and appliances (`detailed`, the house as drawn), the
// rooms and the floor area as above. It counts as entered as soon as a
// detail is.
DesignLoad designLoad(const ProjectTables& tables, std::int64_t zonesHeating, std::int64_t zonesCooling,
                      const DetailedDesign& detailed);

// The floor area of the zones of page `page` (1..5) in units of 2^-24 ft²,
// each zone's as floorAreaUnits (house/floorarea.h) holds it; none when a
// zone's has none.
std::optional<WideInteger> pageFloorAreaUnits(const ProjectTables& tables, int page);

}  // namespace kovrin
