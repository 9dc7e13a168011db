// The load of the ducts: what the heat lost from the supply and return
// ducts, and the air they leak, add to the rooms' load at the design
// conditions.
//
// The method is the design delivery effectiveness of ASHRAE Standard 152
// (as the public NREL/OpenStudio-HPXML sizing code applies it): conduction
// through each side's walls to the temperature around it, the supply air
// lost and the air around the return drawn in, less what a partly
// conditioned space gives back (regain). With E the effectiveness, the
// equipment delivers room load / E, so the ducts add room load / E - room
// load. The airflow that carries the load depends on the load, so the two
// are iterated together. The ducts' latent load is the moist outdoor air
// that the return leakage draws in.
//
// Inputs and results are doubles in Btu/h, °F, ft², CFM; the results are
// rounded half away from zero to whole Btu/h. A season whose room load is
// not above 0 has no duct load. Nothing here fails: every input a user can
// enter gives a finite result (the effectiveness is kept within 0.25..1).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/ductsystem.h"

namespace kovrin {

enum class DailyRange { Low, Medium, High };

struct DuctDesignConditions {
  double heatingIndoor = 70;
  double heatingOutdoor = 0;
  double coolingIndoor = 75;
  double coolingOutdoor = 0;
  DailyRange dailyRange = DailyRange::Medium;
  double grains = 0;            // outdoor - indoor humidity ratio at cooling design, grains/lb
  double indoorHumidity = 0.5;  // relative, at cooling design
  double elevation = 0;         // ft above sea level
  // The design temperature of a partly conditioned space around the ducts
  // (garage, crawlspace, basement) where the house's load has found it; a
  // location without one takes the buffer rule of ductload.cpp.
  std::array<std::optional<double>, kDuctLocations> heatingSurroundings{};
  std::array<std::optional<double>, kDuctLocations> coolingSurroundings{};
  // Whether the floor above a crawlspace or basement, and its walls, are
  // insulated (above R-4): it sets how much of the heat lost there returns.
  bool bufferCeilingInsulated = true;
  bool bufferWallsInsulated = false;
};

// The rooms' load that the ducts carry: everything but the ducts and the
// blower's heat.
struct RoomLoads {
  double heating = 0;
  double coolingSensible = 0;
  double coolingLatent = 0;
};

struct DuctLoads {
  std::int64_t heating = 0;
  std::int64_t coolingSensible = 0;
  std::int64_t coolingLatent = 0;
  // What the iteration settled on: the delivery effectiveness (1 without a
  // load) and the system airflow, CFM, of each season.
  double heatingEffectiveness = 1;
  double coolingEffectiveness = 1;
  double heatingAirflow = 0;
  double coolingAirflow = 0;
  // The temperatures around the supply and return ducts, °F: indoors for
  // ducts in the conditioned space.
  double heatingSupplySurroundings = 0;
  double heatingReturnSurroundings = 0;
  double coolingSupplySurroundings = 0;
  double coolingReturnSurroundings = 0;
};

DuctLoads ductLoads(const DuctInputs& ducts, const DuctDesignConditions& conditions, const RoomLoads& rooms);

// The thermal resistance of a duct wall with nominal insulation `r` (0 for
// bare sheet metal), air films included.
double ductWallR(double r, bool supply);

}  // namespace kovrin
