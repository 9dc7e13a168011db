#include "ducts/ductload.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/loadfigures.h"

namespace kovrin {
namespace {

// Figures from NREL/OpenStudio-HPXML, HPXMLtoOpenStudio/resources/hvac_sizing.rb
// (BSD-3), unless a line names another source.

// Cooling air leaving the coil, °F, by the rooms' sensible heat ratio
// (Manual S Table 1-4): 54 below 0.80, 58 from 0.85, in a straight line
// between.
double leavingAir(double ratio) {
  constexpr double kLeavingAirLow = 54;
  constexpr double kLeavingAirHigh = 58;
  constexpr double kRatioLow = 0.80;
  constexpr double kRatioHigh = 0.85;
  if (ratio < kRatioLow) return kLeavingAirLow;
  if (ratio >= kRatioHigh) return kLeavingAirHigh;
  return kLeavingAirLow + (kLeavingAirHigh - kLeavingAirLow) * (ratio - kRatioLow) / (kRatioHigh - kRatioLow);
}

// The delivery effectiveness is kept within these, so that a pathological
// input (leakage above the airflow) cannot size huge or negative equipment.
constexpr double kLeastEffectiveness = 0.25;
constexpr double kTolerance = 0.001;  // relative change that ends the iteration
constexpr int kHeatingIterations = 20;
constexpr int kCoolingIterations = 50;

// Standard atmospheric pressure at `elevation` ft, psi (ASHRAE Handbook of
// Fundamentals, chapter 1, equation 3).
double pressurePsi(double elevation) {
  return 14.696 * std::pow(1.0 - 6.8754e-6 * std::clamp(elevation, 0.0, 20000.0), 5.2559);
}

// Moist air enthalpy, Btu/lb of dry air (ASHRAE Handbook of Fundamentals,
// chapter 1, the IP form of equation 32).
double enthalpy(double temperature, double humidityRatio) {
  return 0.240 * temperature + humidityRatio * (1061.0 + 0.444 * temperature);
}

// The humidity ratio of indoor air at `temperature` °F and relative humidity
// `humidity`: the saturation pressure from the Magnus form that the public
// sizing code takes from the National Weather Service (hPa, converted).
double indoorHumidityRatio(double temperature, double humidity, double pressureKpa) {
  const double celsius = (temperature - 32.0) / 1.8;
  const double saturation = 6.11 * std::pow(10.0, 7.5 * celsius / (237.3 + celsius)) / 10.0;  // kPa
  return 0.62198 * humidity * saturation / (pressureKpa - humidity * saturation);
}

// Share of the heat a duct loses that reaches the rooms anyway (MJ8 p. 204
// and Walker 1998, "Technical background for default values used for
// forced air systems in proposed ASHRAE Std. 152").
double regain(DuctLocation location, const DuctDesignConditions& c) {
  const bool ceiling = c.bufferCeilingInsulated;
  const bool walls = c.bufferWallsInsulated;
  switch (location) {
    case DuctLocation::Conditioned: return 1.0;
    case DuctLocation::VentedAttic:
    case DuctLocation::UnventedAttic: return 0.10;
    case DuctLocation::Garage: return 0.05;
    case DuctLocation::Outdoors: return 0.0;
    case DuctLocation::UnconditionedBasement: return ceiling ? 0.30 : (walls ? 0.75 : 0.50);
    case DuctLocation::VentedCrawlspace: return ceiling ? (walls ? 0.17 : 0.12) : (walls ? 0.66 : 0.50);
    case DuctLocation::UnventedCrawlspace: return ceiling ? (walls ? 0.30 : 0.16) : (walls ? 0.76 : 0.60);
  }
  return 0.0;
}

// The temperature around ducts at `location`. An attic in winter is taken
// at the outdoor temperature, in summer at its Manual J temperature moved
// with the outdoor design temperature and the daily range. A partly
// conditioned space the house's load has no temperature for lies between
// indoors and outdoors by its regain: the share of a duct's heat that
// reaches the rooms is the share by which the space follows them.
double surroundings(DuctLocation location, bool heating, const DuctDesignConditions& c) {
  const double indoor = heating ? c.heatingIndoor : c.coolingIndoor;
  const double outdoor = heating ? c.heatingOutdoor : c.coolingOutdoor;
  const auto index = static_cast<std::size_t>(location);
  switch (location) {
    case DuctLocation::Conditioned: return indoor;
    case DuctLocation::Outdoors: return outdoor;
    case DuctLocation::VentedAttic:
    case DuctLocation::UnventedAttic: {
      if (heating) return outdoor;
      const double at95 = location == DuctLocation::VentedAttic ? kAtticDark : kUnventedAtticDark;
      return at95 + (outdoor - kReferenceOutdoorSummer) +
             kDailyRangeAdjustment[static_cast<std::size_t>(c.dailyRange)];
    }
    default: break;
  }
  const std::optional<double>& known = heating ? c.heatingSurroundings[index] : c.coolingSurroundings[index];
  if (known) return *known;
  return outdoor + regain(location, c) * (indoor - outdoor);
}

// One side of the ducts as the effectiveness takes it: the area outside the
// conditioned space, its wall's R, the temperature and regain around it.
struct Side {
  double area = 0;
  double r = 1;
  double temperature = 0;
  double regain = 0;
  double leakage = 0;
};

Side side(DuctLocation location, double area, double r, double leakage, bool supply, bool heating,
          const DuctDesignConditions& c) {
  Side s;
  s.leakage = leakage;
  s.r = ductWallR(r, supply);
  if (location == DuctLocation::Conditioned) {
    // No wall outside; what leaks to outside still leaks outdoors, though
    // the house's air is around the ducts.
    s.temperature = heating ? c.heatingOutdoor : c.coolingOutdoor;
    return s;
  }
  s.area = area;
  s.temperature = surroundings(location, heating, c);
  s.regain = regain(location, c);
  return s;
}

struct Air {
  double density = 0;   // lb/ft³ indoors
  double altitude = 1;  // the altitude factor
};

// The terms that both seasons share (ASHRAE 152): the conduction functions
// B = exp(-A / (60 Q ρ cp R)), the shares of the airflow that are not lost
// a = (Q - Qleak) / Q, and the temperature rise (or drop) of the airflow
// dTe = load / (60 Q ρ cp).
struct Terms {
  double bs = 1;
  double br = 1;
  double as = 1;
  double ar = 1;
  double dTe = 0;
};

Terms terms(const Side& supply, const Side& ret, double airflow, double sensible, const Air& air) {
  const double capacity = kMinutesPerHour * airflow * air.density * kAirSpecificHeat;  // Btu/h per °F
  Terms t;
  t.bs = std::exp(-supply.area / (capacity * supply.r));
  t.br = std::exp(-ret.area / (capacity * ret.r));
  t.as = (airflow - supply.leakage) / airflow;
  t.ar = (airflow - ret.leakage) / airflow;
  t.dTe = sensible / capacity;
  return t;
}

// The effectiveness corrected for regain (ASHRAE 152 equation 6-40), kept
// within 0.25..1.
double corrected(double effectiveness, const Terms& t, const Side& supply, const Side& ret, double dTr) {
  const double fs = supply.regain;
  const double fr = ret.regain;
  const double value =
      effectiveness + fs * (1.0 - effectiveness) - (fs - fr - t.br * (t.ar * fs - fr)) * dTr / t.dTe;
  if (std::isnan(value)) return kLeastEffectiveness;
  return std::clamp(value, kLeastEffectiveness, 1.0);
}

std::int64_t whole(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<std::int64_t>(std::round(std::clamp(value, -9.0e15, 9.0e15)));
}

bool converged(double next, double previous) { return std::fabs((next - previous) / previous) <= kTolerance; }

void heatingLoads(const DuctInputs& d, const DuctDesignConditions& c, const RoomLoads& rooms, const Air& air,
                  DuctLoads& out) {
  const Side supply = side(d.supplyLocation, d.supplyArea, d.supplyR, d.supplyLeakage, true, true, c);
  const Side ret = side(d.returnLocation, d.returnArea, d.returnR, d.returnLeakage, false, true, c);
  out.heatingSupplySurroundings = surroundings(d.supplyLocation, true, c);
  out.heatingReturnSurroundings = surroundings(d.returnLocation, true, c);
  if (!(rooms.heating > 0)) return;
  const double rise = ductHeatingRow(d.heating).supplyAirTemperature - c.heatingIndoor;
  if (!(rise > 0)) return;
  const double dTs = c.heatingIndoor - supply.temperature;
  const double dTr = c.heatingIndoor - ret.temperature;

  double load = rooms.heating;
  for (int i = 0; i < kHeatingIterations; ++i) {
    out.heatingAirflow = load / (kDesignAirSensible * air.altitude * rise);
    const Terms t = terms(supply, ret, out.heatingAirflow, load, air);
    // ASHRAE 152 equation 6-23.
    const double effectiveness =
        t.as * t.bs - t.as * t.bs * (1.0 - t.ar * t.br) * (dTr / t.dTe) - t.as * (1.0 - t.bs) * (dTs / t.dTe);
    out.heatingEffectiveness = corrected(effectiveness, t, supply, ret, dTr);
    const double next = rooms.heating / out.heatingEffectiveness;
    const bool done = converged(next, load);
    load = next;
    if (done) break;
  }
  out.heating = whole(load - rooms.heating);
}

void coolingLoads(const DuctInputs& d, const DuctDesignConditions& c, const RoomLoads& rooms, const Air& air,
                  double pressureKpa, DuctLoads& out) {
  const Side supply = side(d.supplyLocation, d.supplyArea, d.supplyR, d.supplyLeakage, true, false, c);
  const Side ret = side(d.returnLocation, d.returnArea, d.returnR, d.returnLeakage, false, false, c);
  out.coolingSupplySurroundings = surroundings(d.supplyLocation, false, c);
  out.coolingReturnSurroundings = surroundings(d.returnLocation, false, c);
  if (!(rooms.coolingSensible > 0)) return;
  const double roomsTotal = rooms.coolingSensible + rooms.coolingLatent;
  const double ratio = std::min(1.0, rooms.coolingSensible / roomsTotal);
  const double leaving = leavingAir(ratio);
  const double drop = c.coolingIndoor - leaving;
  if (!(drop > 0)) return;
  const double dTr = c.coolingIndoor - ret.temperature;

  // The air the return draws in carries the outdoor moisture (the indoor
  // humidity ratio plus the grains difference) at the return's temperature.
  const double indoorRatio = indoorHumidityRatio(c.coolingIndoor, c.indoorHumidity, pressureKpa);
  const double indoorEnthalpy = enthalpy(c.coolingIndoor, indoorRatio);
  const double returnEnthalpy = enthalpy(ret.temperature, indoorRatio + c.grains / kGrainsPerPound);
  // Only the return leakage brings moisture in (Manual J).
  const double ductsLatent = std::max(0.0, kAirLatent * air.altitude * ret.leakage * c.grains);

  double total = roomsTotal;
  double sensible = rooms.coolingSensible;
  double latent = rooms.coolingLatent;
  for (int i = 0; i < kCoolingIterations; ++i) {
    latent = rooms.coolingLatent + ductsLatent;
    sensible = total - latent;
    out.coolingAirflow = sensible / (kDesignAirSensible * air.altitude * drop);
    if (!(out.coolingAirflow > 0)) break;
    Terms t = terms(supply, ret, out.coolingAirflow, sensible, air);
    t.dTe = -t.dTe;
    // ASHRAE 152 equation 6-25, on the total load.
    const double massFlow = kMinutesPerHour * out.coolingAirflow * air.density;  // lb/h
    const double effectiveness = (t.as * massFlow / -total) *
                                 (-total / massFlow + (1.0 - t.ar) * (returnEnthalpy - indoorEnthalpy) +
                                  t.ar * kAirSpecificHeat * (t.br - 1.0) * dTr +
                                  kAirSpecificHeat * (t.bs - 1.0) * (leaving - supply.temperature));
    out.coolingEffectiveness = corrected(effectiveness, t, supply, ret, dTr);
    const double next = roomsTotal / out.coolingEffectiveness;
    const bool done = converged(next, total);
    total = next;
    if (done) break;
  }
  out.coolingSensible = whole(sensible - rooms.coolingSensible);
  out.coolingLatent = whole(latent - rooms.coolingLatent);
}

}  // namespace

double ductWallR(double r, bool supply) {
  // Palmiter & Kruse 2006, "True R-Values of Round Residential Ductwork",
  // as straight lines through its table (nominal gives 4.5 supply and
  // 4.9 return, R-8 gives 6.8 and 7.8); bare metal R-1.7 (ASHRAE Handbook
  // of Fundamentals), all as in the public code's airflow.rb.
  if (!(r > 0)) return 1.7;
  return supply ? 2.2438 + 0.5619 * r : 2.0388 + 0.7053 * r;
}

DuctLoads ductLoads(const DuctInputs& ducts, const DuctDesignConditions& conditions, const RoomLoads& rooms) {
  const double psi = pressurePsi(conditions.elevation);
  Air air;
  air.altitude = altitudeFactor(conditions.elevation);
  // Indoor air at the mean of the two thermostats.
  const double mean = (conditions.heatingIndoor + conditions.coolingIndoor) / 2.0;
  air.density = psi * 144.0 / (kAirGasConstant * (mean + kRankine));
  DuctLoads out;
  heatingLoads(ducts, conditions, rooms, air, out);
  coolingLoads(ducts, conditions, rooms, air, psi * 6.894757, out);
  return out;
}

}  // namespace kovrin
