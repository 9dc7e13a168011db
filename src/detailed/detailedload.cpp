#include "detailed/detailedload.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "detailed/detailedducts.h"
#include "model/housevalues.h"
#include "model/loadfigures.h"

// The figures below are those of ACCA Manual J, 8th edition, as NREL's
// OpenStudio-HPXML states them in HPXMLtoOpenStudio/resources/hvac_sizing.rb
// (its sizing code, "hvac_sizing.rb" below) and its defaults in
// HPXMLtoOpenStudio/resources/defaults.rb ("defaults.rb"); each is named at
// its table.

namespace kovrin {
namespace {

constexpr int kHours = 12;  // 8 a.m. to 7 p.m., the hours of the glass load curve
using Hourly = std::array<double, kHours>;

// Directions in the order of the solar tables: S, SW, W, NW, N, NE, E, SE.
// A glass direction d (1 N .. 8 NW) is row (d + 3) mod 8.
constexpr int kNorthRow = 4;
constexpr int solarRow(std::int32_t direction) { return (direction + 3) % 8; }

// hvac_sizing.rb, MJ8 Table 3D-3: average cooling load factors of glass
// without and with interior shading, by direction row.
constexpr std::array<double, 8> kClfPlain = {0.24, 0.35, 0.38, 0.4, 0.48, 0.4, 0.38, 0.35};
constexpr std::array<double, 8> kClfShaded = {0.18, 0.29, 0.32, 0.32, 0.29, 0.32, 0.32, 0.29};
constexpr double kClfPlainHorizontal = 0.68;

// hvac_sizing.rb, MJ8 Tables A11-5 and A11-6: hourly cooling load factors,
// 8 a.m. to 7 p.m., without and with interior shading.
constexpr std::array<Hourly, 8> kClfHourlyPlain = {{
    {0.14, 0.22, 0.34, 0.48, 0.59, 0.65, 0.65, 0.59, 0.50, 0.43, 0.36, 0.28},  // S
    {0.10, 0.12, 0.14, 0.16, 0.24, 0.36, 0.49, 0.60, 0.66, 0.66, 0.58, 0.43},  // SW
    {0.08, 0.10, 0.11, 0.12, 0.14, 0.20, 0.32, 0.45, 0.57, 0.64, 0.61, 0.44},  // W
    {0.10, 0.12, 0.14, 0.16, 0.17, 0.19, 0.23, 0.33, 0.47, 0.59, 0.60, 0.43},  // NW
    {0.48, 0.56, 0.63, 0.71, 0.76, 0.80, 0.82, 0.82, 0.79, 0.75, 0.69, 0.61},  // N
    {0.51, 0.51, 0.45, 0.39, 0.36, 0.33, 0.31, 0.28, 0.26, 0.23, 0.19, 0.15},  // NE
    {0.51, 0.57, 0.57, 0.50, 0.42, 0.37, 0.32, 0.29, 0.25, 0.22, 0.19, 0.15},  // E
    {0.43, 0.55, 0.62, 0.63, 0.57, 0.48, 0.42, 0.37, 0.33, 0.28, 0.24, 0.19},  // SE
}};
constexpr std::array<Hourly, 8> kClfHourlyShaded = {{
    {0.23, 0.38, 0.58, 0.75, 0.83, 0.80, 0.68, 0.50, 0.35, 0.27, 0.19, 0.11},  // S
    {0.14, 0.16, 0.19, 0.22, 0.38, 0.59, 0.75, 0.83, 0.81, 0.69, 0.45, 0.16},  // SW
    {0.11, 0.13, 0.15, 0.16, 0.17, 0.31, 0.53, 0.72, 0.82, 0.81, 0.61, 0.16},  // W
    {0.14, 0.17, 0.19, 0.20, 0.21, 0.22, 0.30, 0.52, 0.73, 0.82, 0.69, 0.16},  // NW
    {0.65, 0.73, 0.80, 0.86, 0.89, 0.89, 0.86, 0.82, 0.75, 0.78, 0.91, 0.24},  // N
    {0.74, 0.58, 0.37, 0.29, 0.27, 0.26, 0.24, 0.22, 0.20, 0.16, 0.12, 0.06},  // NE
    {0.80, 0.76, 0.62, 0.41, 0.27, 0.24, 0.22, 0.20, 0.17, 0.14, 0.11, 0.06},  // E
    {0.74, 0.81, 0.79, 0.68, 0.49, 0.33, 0.28, 0.25, 0.22, 0.18, 0.13, 0.08},  // SE
}};
constexpr Hourly kClfHourlyHorizontal = {0.24, 0.36, 0.48, 0.58, 0.66, 0.72, 0.74, 0.73, 0.67, 0.59, 0.47, 0.37};

// hvac_sizing.rb, MJ8 Table A11-3: the hourly adjustment of the temperature
// difference, 8 a.m. to 7 p.m., by daily range L, M, H.
constexpr std::array<Hourly, 3> kHourlyTemperature = {{
    {-6.3, -5.0, -3.7, -2.5, -1.5, -0.7, -0.2, 0.0, -0.2, -0.7, -1.5, -2.5},
    {-12.6, -10.0, -7.4, -5.0, -2.9, -1.3, -0.3, 0.0, -0.3, -1.3, -2.9, -5.0},
    {-18.9, -15.0, -11.1, -7.5, -4.4, -2.0, -0.5, 0.0, -0.5, -2.0, -4.4, -7.5},
}};

// hvac_sizing.rb, MJ8 Table 3D-2: peak solar factors by latitude.
constexpr std::array<double, 6> kSolarLatitudes = {28, 34, 40, 46, 52, 60};
constexpr std::array<std::array<double, 6>, 8> kPeakSolar = {{
    {91, 121, 149, 173, 193, 211},    // S
    {172, 185, 196, 205, 212, 217},   // SW
    {220, 219, 216, 213, 208, 199},   // W
    {149, 140, 135, 130, 124, 114},   // NW
    {38, 37, 35, 34, 32, 28},         // N
    {149, 140, 135, 130, 124, 114},   // NE
    {220, 219, 216, 213, 208, 199},   // E
    {172, 185, 196, 205, 212, 217},   // SE
}};
constexpr std::array<double, 6> kPeakSolarHorizontal = {272, 261, 247, 230, 208, 176};

// hvac_sizing.rb, MJ8 Table 3E-1: average shade line multipliers by latitude.
constexpr std::array<double, 6> kShadeLineLatitudes = {25, 30, 35, 40, 45, 50};
constexpr std::array<std::array<double, 6>, 8> kShadeLine = {{
    {10.1, 5.40, 3.53, 2.60, 2.05, 1.70},  // S
    {1.89, 1.63, 1.41, 1.25, 1.13, 1.01},  // SW
    {0.83, 0.83, 0.82, 0.81, 0.80, 0.79},  // W
    {0, 0, 0, 0, 0, 0},                    // NW
    {0, 0, 0, 0, 0, 0},                    // N
    {0, 0, 0, 0, 0, 0},                    // NE
    {0.83, 0.83, 0.82, 0.81, 0.80, 0.79},  // E
    {1.89, 1.63, 1.41, 1.25, 1.13, 1.01},  // SE
}};

// hvac_sizing.rb, MJ8 Table A11-7: hourly shade line multipliers at 9 a.m.,
// noon, 3 p.m. and 6 p.m., by the latitudes of the peak solar factors.
using ShadeLineHours = std::array<double, 4>;
constexpr std::array<std::array<ShadeLineHours, 6>, 8> kShadeLineHourly = {{
    {{{5.3, 3.7, 5.3, 0.0}, {3.2, 2.5, 3.2, 0.0}, {2.2, 1.9, 2.2, 0.2}, {1.8, 1.5, 1.8, 0.0}, {1.4, 1.2, 1.4, 0.0},
      {1.1, 0.9, 1.1, 0.0}}},  // S
    {{{0.0, 5.0, 1.2, 0.2}, {0.0, 3.4, 1.1, 0.2}, {0.0, 2.6, 0.9, 0.1}, {0.0, 2.1, 0.8, 0.2}, {0.0, 1.7, 0.8, 0.3},
      {0.0, 1.3, 0.7, 0.3}}},  // SW
    {{{0.0, 0.0, 1.0, 0.1}, {0.0, 0.0, 1.0, 0.1}, {0.0, 0.0, 1.0, 0.1}, {0.0, 0.0, 0.9, 0.2}, {0.0, 0.0, 0.9, 0.2},
      {0.0, 0.0, 0.8, 0.2}}},  // W
    {{{0.0, 0.0, 1.9, 0.1}, {0.0, 0.0, 2.1, 0.1}, {0.0, 0.0, 2.4, 0.0}, {0.0, 0.0, 2.6, 0.2}, {0.0, 0.0, 3.1, 0.2},
      {0.0, 0.0, 3.9, 0.2}}},  // NW
    {{{0.0, 0.0, 0.0, 0.5}, {0.0, 0.0, 0.0, 0.7}, {0.0, 0.0, 0.0, 0.8}, {0.0, 0.0, 0.0, 1.0}, {0.0, 0.0, 0.0, 1.3},
      {0.0, 0.0, 0.0, 1.8}}},  // N
    {{{1.9, 0.0, 0.0, 0.0}, {2.1, 0.0, 0.0, 0.0}, {2.4, 0.0, 0.0, 0.0}, {2.6, 0.0, 0.0, 0.0}, {3.1, 0.0, 0.0, 0.0},
      {3.9, 0.0, 0.0, 0.0}}},  // NE
    {{{1.0, 0.0, 0.0, 0.0}, {1.0, 0.0, 0.0, 0.0}, {1.0, 0.0, 0.0, 0.0}, {0.9, 0.0, 0.0, 0.0}, {0.9, 0.0, 0.0, 0.0},
      {0.8, 0.0, 0.0, 0.0}}},  // E
    {{{1.2, 5.0, 0.0, 0.0}, {1.1, 3.4, 0.0, 0.0}, {0.9, 2.6, 0.0, 0.0}, {0.8, 2.1, 0.0, 0.0}, {0.8, 1.7, 0.0, 0.0},
      {0.7, 1.3, 0.0, 0.0}}},  // SE
}};

// The solar heat gain coefficient the cooling load factors are made for
// (hvac_sizing.rb: the glass's SHGC is divided by it).
constexpr double kReferenceShgc = 0.87;

// A shade's summer factor is c1 - c2 x SHGC on the part it covers.
//
// Blinds take the procedure's own interior attenuation coefficient, 0.60
// whatever the glass: MJ8's worked examples give venetian blinds that figure
// on single and double clear glass alike (Figures 7-4 and 9-3, as
// OpenStudio-HPXML's ACCA_Examples first transcribed them: Vatilo_Residence.xml
// @ 10c28303 and Long_Residence.xml @ 19715ece, InteriorShading
// SummerShadingCoefficient 0.6). ASHRAE 2021's medium blinds half open
// (0.95 - 0.26 x SHGC, about 0.78 on clear double glass) describe an energy
// model's everyday blind and let nearly a third more sun in than the
// procedure.
// Curtains and shades: defaults.rb, from the ASHRAE Handbook of
// Fundamentals 2021, ch. 15, table 14.
struct ShadeCoefficients {
  double c1;
  double c2;
};
constexpr std::array<ShadeCoefficients, 4> kInteriorShades = {{
    {1.0, 0.0},    // none
    {0.60, 0.0},   // venetian blinds
    {0.94, 0.37},  // medium curtains
    {0.90, 0.38},  // medium shades
}};
constexpr std::array<ShadeCoefficients, 3> kInsectScreens = {{
    {1.0, 0.0},   // none
    {0.99, 0.1},  // inside
    {0.64, 0.0},  // outside
}};

// The page's "Shade coefficient = 0.25" exterior shading.
constexpr double kPageShadeScreen = 0.25;

// defaults.rb: SHGC of clear glass in a wood or vinyl frame by the page's
// glass type: single 0.64, double 0.56, insulating low-E double 0.52,
// triple low-E 0.31; single with low-E takes the nearest entry, 0.52.
constexpr std::array<double, 5> kPageGlassShgc = {0.64, 0.52, 0.56, 0.52, 0.31};

// hvac_sizing.rb: the doors' cooling differences above the design one by
// daily range L, M, H.
constexpr std::array<double, 3> kDoorDifferenceAbove = {15, 11, 6};

// hvac_sizing.rb, MJ8 Figure A12-8: cooling temperature differences of dark
// sunlit walls at 95 °F by construction group B .. G, and the multipliers of
// lighter colours (MJ8 Table 4B notes, Appendix 12).
constexpr std::array<double, 11> kWallDifference = {18.8, 19.65, 20.5, 21.25, 22.0, 24.5,
                                                    27.0, 29.45, 31.9, 34.95, 38.0};
constexpr std::array<double, 3> kColourMultiplier = {0.65, 0.83, 1.0};

// hvac_sizing.rb, MJ8 Figure A12-16: cooling temperature differences of a
// roof-joist-ceiling by its R-value (up to R-6, 13, 15, 21, 30, above), and
// 0.83 for a light or medium asphalt roof.
constexpr std::array<double, 5> kRoofRLimits = {6, 13, 15, 21, 30};
constexpr std::array<double, 6> kRoofDifference = {50, 45, 38, 31, 30, 27};
constexpr double kLightRoofMultiplier = 0.83;

// hvac_sizing.rb: floors over open air take the design difference less 5.
constexpr double kOpenFloorBelow = 5;

// Below grade, hvac_sizing.rb after MJ8 A12-4 and A12-7: the earth's
// resistance, 15 % off for its storage, and MJ8's default heavy moist soil
// (R-1.25 per ft: conductivity 0.8 Btu/h·ft·°F). Films of a wall
// (defaults from materials.rb): inside 0.68, outside 0.197.
constexpr double kSoilConductivity = 1.0 / 1.25;
constexpr double kSoilStorage = 0.85;
constexpr double kInsideFilm = 0.68;
constexpr double kOutsideFilm = 0.197;
constexpr double kBasementOtherR = 1.47;  // ASHRAE HoF 2013, p. 18.31, as hvac_sizing.rb takes it

// hvac_sizing.rb, MJ8 Table 4A slab F-values after Appendix 12: a 4 in slab
// (concrete 12.5 Btu·in/h·ft²·°F, materials.rb) on gravel of an inch
// up to 12 in, its films 0.05 + 0.92 + 0.17, over earth paths of radius
// 8 to 13 ft, averaged. Edge insulation covers the edge and 2 ft in.
constexpr double kSlabConcreteR = 4.0 / 12.5;
constexpr double kSlabGravelR = 0.65 * (12.0 - 4.0);
constexpr double kSlabFilmsR = 0.05 + 0.92 + 0.17;
constexpr int kSlabEdgeDepth = 2;

// A crawlspace's or unconditioned basement's walls when the floor is given
// alone: uninsulated masonry with its films.
constexpr double kCrawlspaceWallU = 0.36;

// hvac_sizing.rb, MJ8 Tables 5D/5E: stack and wind coefficients, and the
// wind at cooling and heating design (mph). The air's heat is Manual J's
// (model/loadfigures.h).
constexpr double kStackPerStorey = 0.015;
constexpr double kWindBase = 0.0065;
constexpr double kWindPerClass = 0.00266;
constexpr double kCoolingWind = 7.5;
constexpr double kHeatingWind = 15.0;

// Airflow.get_infiltration_SLA_from_ACH50 (airflow.rb): leakage area in in²
// from ACH50, flow exponent 0.65.
constexpr double kLeakageFlowExponent = 0.65;
constexpr double kLeakageAreaFactor = 0.283316478;

// The excursion limit: 1.3 x the daily average of the glass load
// (hvac_sizing.rb).
constexpr double kExcursionLimit = 1.3;

double interpolate(double x, const std::array<double, 6>& xs, const std::array<double, 6>& ys) {
  if (x <= xs.front()) return ys.front();
  if (x >= xs.back()) return ys.back();
  std::size_t i = 0;
  while (x >= xs[i + 1]) ++i;
  return ys[i] + (ys[i + 1] - ys[i]) * (x - xs[i]) / (xs[i + 1] - xs[i]);
}

std::int64_t whole(double value) {
  if (!std::isfinite(value)) return 0;
  constexpr auto kLimit = static_cast<double>(kWholeLoadLimit);
  return static_cast<std::int64_t>(std::round(std::clamp(value, -kLimit, kLimit)));
}

std::int32_t turned(std::int32_t direction, int rotation) {
  if (direction < 1 || direction > 8) return direction;
  return (direction - 1 + ((rotation % 8) + 8) % 8) % 8 + 1;
}

// What a page's design conditions give a zone.
struct Climate {
  double htd = 0;  // indoor - outdoor at winter design, at least 0
  double ctd = 0;  // outdoor - indoor at summer design, at least 0
  double outdoorSummer = 0;
  double outdoorWinter = 0;
  double indoorSummer = 0;
  double indoorWinter = 0;
  int range = 1;  // daily range L 0, M 1, H 2
  double rangeAdjustment = 0;
  double winterDuct = 0;
  double summerDuct = 0;
};

Climate climateOf(const ProjectTables& tables, int page) {
  Climate c;
  c.indoorSummer = tables.integer(page, irow::SummerThermostat);
  c.indoorWinter = tables.integer(page, irow::WinterThermostat);
  c.outdoorSummer = tables.integer(page, irow::SummerDesignTemp);
  c.outdoorWinter = tables.integer(page, irow::WinterDesignTemp);
  c.htd = std::max(0.0, c.indoorWinter - c.outdoorWinter);
  c.ctd = std::max(0.0, c.outdoorSummer - c.indoorSummer);
  const std::int32_t range = tables.selection(sel::DailyRange);
  c.range = range >= 1 && range <= 3 ? range - 1 : 1;
  c.rangeAdjustment = kDailyRangeAdjustment[static_cast<std::size_t>(c.range)];
  c.winterDuct = tables.real(page, rrow::WinterDuctMultiplier);
  c.summerDuct = tables.real(page, rrow::SummerDuctMultiplier);
  if (!std::isfinite(c.winterDuct)) c.winterDuct = 0;
  if (!std::isfinite(c.summerDuct)) c.summerDuct = 0;
  return c;
}

// The latitude-dependent solar figures of the house.
struct Sun {
  std::array<double, 8> peak{};
  double peakHorizontal = 0;
  std::array<double, 8> shadeLine{};
  std::array<ShadeLineHours, 8> shadeLineHourly{};
};

Sun sunAt(double latitude) {
  Sun sun;
  for (std::size_t row = 0; row < 8; ++row) {
    sun.peak[row] = interpolate(latitude, kSolarLatitudes, kPeakSolar[row]);
    sun.shadeLine[row] = interpolate(latitude, kShadeLineLatitudes, kShadeLine[row]);
    for (std::size_t h = 0; h < 4; ++h) {
      std::array<double, 6> column{};
      for (std::size_t l = 0; l < 6; ++l) column[l] = kShadeLineHourly[row][l][h];
      sun.shadeLineHourly[row][h] = interpolate(latitude, kSolarLatitudes, column);
    }
  }
  sun.peakHorizontal = interpolate(latitude, kSolarLatitudes, kPeakSolarHorizontal);
  return sun;
}

// A window with its shading resolved to factors.
struct Glass {
  std::int32_t direction = 1;
  double area = 0;
  double u = 0;
  double shgc = 0;
  double interior = 1;   // interior shading factor
  double exterior = 1;   // screens and shade screens, on the sun alone
  bool shaded = false;   // an interior shade: the shaded load factors apply
  double overhangDepth = 0;
  double overhangAbove = 0;
  double height = 0;
};

double coverage(const ShadeCoefficients& c, double shgc, double share) {
  const double factor = c.c1 - c.c2 * shgc;
  return share * factor + (1 - share);
}

Glass glassOf(const WindowDetails& w, int rotation) {
  Glass g;
  g.direction = turned(w.direction, rotation);
  g.area = w.area;
  g.u = w.u;
  g.shgc = w.shgc;
  const auto shade = static_cast<std::size_t>(w.shade);
  const auto screen = static_cast<std::size_t>(w.screen);
  if (shade < kInteriorShades.size() && w.shade != InteriorShade::None) {
    g.interior = coverage(kInteriorShades[shade], w.shgc, w.shadeShare);
    g.shaded = true;
  }
  if (screen < kInsectScreens.size()) g.exterior = coverage(kInsectScreens[screen], w.shgc, w.screenShare);
  g.overhangDepth = w.overhangDepth;
  g.overhangAbove = w.overhangAbove;
  g.height = w.height;
  return g;
}

// The page's glass of a zone column as one window.
Glass pageGlass(const ProjectTables& tables, int page, int column, int rotation) {
  Glass g;
  g.direction = turned(tables.selection(sel::GlassDirection(column)), rotation);
  g.area = tables.zone(page, column, ZoneQuantity::GlassArea);
  g.u = tables.zone(page, column, ZoneQuantity::GlassU);
  const std::int32_t type = tables.selection(sel::GlassType);
  g.shgc = inList(type, kPageGlassShgc.size()) ? kPageGlassShgc[static_cast<std::size_t>(type - 1)] : 0.0;
  switch (tables.selection(sel::InteriorShading)) {
    case 2:
      g.interior = coverage(kInteriorShades[static_cast<std::size_t>(InteriorShade::Blinds)], g.shgc, 1);
      g.shaded = true;
      break;
    case 3:
      g.interior = coverage(kInteriorShades[static_cast<std::size_t>(InteriorShade::Shades)], g.shgc, 0.5);
      g.shaded = true;
      break;
    default: break;
  }
  if (tables.selection(sel::ExteriorShading) != 1) g.exterior = kPageShadeScreen;
  return g;
}

// The cooling heat transfer multiplier of glass facing solar row `row`:
// hour h (0..11) of the curve, or the average (h < 0).
double glassMultiplier(const Glass& g, const Sun& sun, const Climate& climate, std::size_t row, int h) {
  double clf = 0;
  double difference = climate.ctd;
  if (h < 0) {
    clf = g.shaded ? kClfShaded[row] : kClfPlain[row];
  } else {
    const auto hour = static_cast<std::size_t>(h);
    clf = g.shaded ? kClfHourlyShaded[row][hour] : kClfHourlyPlain[row][hour];
    difference += kHourlyTemperature[static_cast<std::size_t>(climate.range)][hour];
  }
  return sun.peak[row] * clf * g.shgc * g.interior * g.exterior / kReferenceShgc + g.u * difference;
}

// The sensible cooling of a window, Btu/h: hour h, or the average (h < 0).
// An overhang shades the part of the window above its shade line, which
// then gains as a north window does.
double glassCooling(const Glass& g, const Sun& sun, const Climate& climate, int h) {
  if (g.direction < 1 || g.direction > 8 || !(g.area > 0)) return 0;
  const auto row = static_cast<std::size_t>(solarRow(g.direction));
  const double sunlit = glassMultiplier(g, sun, climate, row, h);
  double multiplier = sunlit;
  if (g.overhangDepth > 0) {
    const double shaded = glassMultiplier(g, sun, climate, kNorthRow, h);
    double line = sun.shadeLine[row];
    if (h >= 0) line = sun.shadeLineHourly[row][static_cast<std::size_t>(h / 3)];
    const double shadow = line * g.overhangDepth;  // ft below the overhang
    const double bottom = g.overhangAbove + g.height;
    if (shadow >= bottom) {
      multiplier = shaded;
    } else if (shadow > g.overhangAbove && g.height > 0) {
      const double part = (shadow - g.overhangAbove) / g.height;
      multiplier = part * shaded + (1 - part) * sunlit;
    }
  }
  return multiplier * g.area;
}

// A skylight, taken as level glass.
double skylightCooling(const SkylightDetails& s, const Sun& sun, const Climate& climate, int h) {
  double clf = kClfPlainHorizontal;
  double difference = climate.ctd;
  if (h >= 0) {
    clf = kClfHourlyHorizontal[static_cast<std::size_t>(h)];
    difference += kHourlyTemperature[static_cast<std::size_t>(climate.range)][static_cast<std::size_t>(h)];
  }
  // hvac_sizing.rb: a skylight's conduction takes 15 °F above the difference.
  return (sun.peakHorizontal * clf * s.shgc / kReferenceShgc + s.u * (difference + 15.0)) * s.area;
}

// The construction group of the page's wall construction and U, by the
// correlations of hvac_sizing.rb (get_ashrae_wall_group) for wood studs with
// brick veneer and for concrete block, mapped by MJ8 Figure A12-12.
std::int32_t pageWallGroup(const ProjectTables& tables, double u) {
  // Index into kWallGroupWords: B 0, B-C 1, C 2, C-D 3, D 4, D-E 5, E 6.
  if (tables.selection(sel::WallConstruction) == 1) {
    constexpr std::array<double, 6> kLimits = {0.070, 0.083, 0.095, 0.100, 0.130, 0.175};
    constexpr std::array<std::int32_t, 7> kGroups = {0, 1, 2, 3, 4, 5, 6};
    for (std::size_t i = 0; i < kLimits.size(); ++i) {
      if (u <= kLimits[i]) return kGroups[i];
    }
    return kGroups.back();
  }
  constexpr std::array<double, 5> kLimits = {0.0575, 0.067, 0.080, 0.108, 0.148};
  constexpr std::array<std::int32_t, 6> kGroups = {1, 2, 3, 4, 5, 6};
  for (std::size_t i = 0; i < kLimits.size(); ++i) {
    if (u <= kLimits[i]) return kGroups[i];
  }
  return kGroups.back();
}

// The U-value of a below-grade wall with the earth, hvac_sizing.rb after
// MJ8 A12-4: foot by foot down the wall.
double belowGradeWallU(const WallDetails& w) {
  if (!(w.u > 0) || !(w.height > 0)) return 0;
  const double construction = 1.0 / w.u - kInsideFilm - kOutsideFilm;
  const double aboveGrade = w.height - std::min(w.depth, w.height);
  const int feet = static_cast<int>(std::ceil(std::min(w.height, 100.0)));
  double sum = 0;
  for (int foot = 1; foot <= feet; ++foot) {
    double r = std::max(construction, 0.0) + kInsideFilm;
    double soil = 0;
    if (foot <= aboveGrade) {
      r += kOutsideFilm;
    } else {
      soil = (std::numbers::pi * (foot - aboveGrade) / 2.0) / kSoilConductivity;
    }
    sum += 1.0 / (r + soil);
  }
  return sum / feet * kSoilStorage;
}

// A slab's F-value, Btu/h·ft·°F of exposed perimeter.
double slabFValue(double edgeR) {
  double sum = 0;
  constexpr int kFirstRadius = 8;
  constexpr int kLastRadius = 13;
  for (int pathRadius = kFirstRadius; pathRadius <= kLastRadius; ++pathRadius) {
    double f = 0;
    for (int radius = 0; radius <= pathRadius; ++radius) {
      const double soilPath = std::max(std::numbers::pi * radius - 1.0, 0.0);
      double r = kSlabFilmsR + soilPath / kSoilConductivity;
      if (radius > 0) r += kSlabConcreteR + kSlabGravelR;
      if (radius <= kSlabEdgeDepth) r += edgeR;
      f += 1.0 / r;
    }
    sum += f;
  }
  return sum / (kLastRadius - kFirstRadius + 1);
}

// A basement floor's U-value (hvac_sizing.rb, MJ8 A12-7, ASHRAE HoF 2013
// p. 18.31 eq. 40) at `depth` below grade, the basement `width` wide.
double basementFloorU(double depth, double width, bool insulated) {
  if (!(width > 0)) return 0;
  const double k = kSoilConductivity;
  const double other = k * kBasementOtherR / std::numbers::pi;
  const double u = (2.0 * k / (std::numbers::pi * width)) *
                   (std::log(width / 2.0 + depth / 2.0 + other) - std::log(depth / 2.0 + other));
  return u * kSoilStorage * (insulated ? 0.7 : 1.0);
}

// The double-precision loads of one zone before rounding.
struct ZoneSums {
  std::array<double, kComponents> heating{};
  std::array<double, kComponents> sensible{};
  std::array<double, kComponents> latent{};
  Hourly glass{};        // the glass load curve
  double exposed = 0;    // wall area exposed to outdoor air, for the leakage
  double floorArea = 0;  // for the ventilation and the house's gains
};

void add(std::array<double, kComponents>& sums, Component c, double value) {
  sums[static_cast<std::size_t>(c)] += value;
}

// One zone column, as the envelope reads it.
struct ZoneColumn {
  const ProjectTables& tables;
  const ZoneDetails& details;
  int page;
  int column;
  bool partition;
  double partitionDifference;

  ZoneColumn(const ProjectTables& t, const ZoneDetails& d, int p, int c)
      : tables(t),
        details(d),
        page(p),
        column(c),
        partition(c >= kFirstPartitionColumn),
        partitionDifference(partition ? t.integer(p, irow::PartitionDT(c)) : 0.0) {}

  double value(ZoneQuantity q) const {
    const double v = tables.zone(page, column, q);
    return std::isfinite(v) ? v : 0.0;
  }
};

void addGlass(const Glass& g, const Sun& sun, const Climate& climate, ZoneSums& z) {
  if (!(g.area > 0)) return;
  add(z.heating, Component::Windows, g.u * g.area * climate.htd);
  add(z.sensible, Component::Windows, glassCooling(g, sun, climate, -1));
  for (int h = 0; h < kHours; ++h) z.glass[static_cast<std::size_t>(h)] += glassCooling(g, sun, climate, h);
  z.exposed += g.area;
}

void windowsAndSkylights(const ZoneColumn& zc, int rotation, const Sun& sun, const Climate& climate, ZoneSums& z) {
  if (zc.details.windows) {
    for (const WindowDetails& w : *zc.details.windows) addGlass(glassOf(w, rotation), sun, climate, z);
  } else {
    addGlass(pageGlass(zc.tables, zc.page, zc.column, rotation), sun, climate, z);
  }
  // Skylights: only as entered.
  if (!zc.details.skylights) return;
  for (const SkylightDetails& s : *zc.details.skylights) {
    add(z.heating, Component::Skylights, s.u * s.area * climate.htd);
    add(z.sensible, Component::Skylights, skylightCooling(s, sun, climate, -1));
    for (int h = 0; h < kHours; ++h) z.glass[static_cast<std::size_t>(h)] += skylightCooling(s, sun, climate, h);
  }
}

double wallCooling(const WallDetails& w, const Climate& climate) {
  const auto group = static_cast<std::size_t>(std::clamp<std::int32_t>(w.group, 0, 10));
  double cltd = kWallDifference[group] * kColourMultiplier[static_cast<std::size_t>(w.colour)];
  if (climate.ctd >= 10) {
    cltd += (climate.outdoorSummer - kReferenceOutdoorSummer) + climate.rangeAdjustment;
  } else {
    // hvac_sizing.rb after MJ8 A12-18: small design differences.
    cltd = std::max(cltd + climate.ctd - 20.0 - climate.rangeAdjustment, 0.0);
  }
  return cltd;
}

// A wall or floor beside an unconditioned space (a garage, say): the
// differences to the space's temperatures where entered, to outdoors' where
// not.
template <class Surface>
void addBesideSpace(const Surface& s, Component component, const Climate& climate, ZoneSums& z) {
  const double winter = s.winterTemperature.value_or(climate.outdoorWinter);
  const double summer = s.summerTemperature.value_or(climate.outdoorSummer);
  add(z.heating, component, s.u * s.area * (climate.indoorWinter - winter));
  add(z.sensible, component, s.u * s.area * (summer - climate.indoorSummer));
}

void addDoor(const DoorDetails& d, const Climate& climate, ZoneSums& z) {
  if (d.exposure == WallExposure::Unconditioned) {
    addBesideSpace(d, Component::Doors, climate, z);
    return;
  }
  add(z.heating, Component::Doors, d.u * d.area * climate.htd);
  add(z.sensible, Component::Doors,
      d.u * d.area * (climate.ctd + kDoorDifferenceAbove[static_cast<std::size_t>(climate.range)]));
  z.exposed += d.area;
}

// The door or wall the page describes by its area and U: in a partition
// column (7 to 10), to a space as far from indoors as the partition
// difference in both seasons; else to outdoors.
template <class Surface>
Surface pageSurface(const ZoneColumn& zc, const Climate& climate, ZoneQuantity area, ZoneQuantity u) {
  Surface s;
  s.area = zc.value(area);
  s.u = zc.value(u);
  if (zc.partition) {
    s.exposure = WallExposure::Unconditioned;
    s.winterTemperature = climate.indoorWinter - zc.partitionDifference;
    s.summerTemperature = climate.indoorSummer + zc.partitionDifference;
  }
  return s;
}

DoorDetails pageDoor(const ZoneColumn& zc, const Climate& climate) {
  return pageSurface<DoorDetails>(zc, climate, ZoneQuantity::DoorArea, ZoneQuantity::DoorU);
}

void doors(const ZoneColumn& zc, const Climate& climate, ZoneSums& z) {
  if (zc.details.doors) {
    for (const DoorDetails& d : *zc.details.doors) addDoor(d, climate, z);
  } else {
    addDoor(pageDoor(zc, climate), climate, z);
  }
}

void addWall(const WallDetails& w, const Climate& climate, ZoneSums& z) {
  switch (w.exposure) {
    case WallExposure::Outdoors:
      add(z.heating, Component::Walls, w.u * w.area * climate.htd);
      add(z.sensible, Component::Walls, w.u * w.area * wallCooling(w, climate));
      z.exposed += w.area;
      break;
    case WallExposure::Unconditioned: addBesideSpace(w, Component::Walls, climate, z); break;
    case WallExposure::BelowGrade:
      add(z.heating, Component::Walls, belowGradeWallU(w) * w.area * climate.htd);
      if (w.height > 0) z.exposed += w.area * (w.height - std::min(w.depth, w.height)) / w.height;
      break;
  }
}

// The wall the page describes; to outdoors, of the group of the page's wall
// construction, dark.
WallDetails pageWall(const ZoneColumn& zc, const Climate& climate) {
  WallDetails w = pageSurface<WallDetails>(zc, climate, ZoneQuantity::WallArea, ZoneQuantity::WallU);
  if (!zc.partition) {
    w.group = pageWallGroup(zc.tables, w.u);
    w.colour = SurfaceColour::Dark;
  }
  return w;
}

void walls(const ZoneColumn& zc, const Climate& climate, ZoneSums& z) {
  if (zc.details.walls) {
    for (const WallDetails& w : *zc.details.walls) addWall(w, climate, z);
  } else {
    addWall(pageWall(zc, climate), climate, z);
  }
}

void addCeiling(const CeilingDetails& c, const Climate& climate, ZoneSums& z) {
  add(z.heating, c.kind == CeilingKind::Attic ? Component::Ceilings : Component::Roofs, c.u * c.area * climate.htd);
  const bool dark = c.colour == SurfaceColour::Dark;
  const double adjust = (climate.outdoorSummer - kReferenceOutdoorSummer) + climate.rangeAdjustment;
  if (c.kind == CeilingKind::Attic) {
    const double attic =
        (c.radiantBarrier ? (dark ? kAtticDarkBarrier : kAtticLightBarrier) : (dark ? kAtticDark : kAtticLight)) +
        adjust;
    add(z.sensible, Component::Ceilings, c.u * c.area * (attic - climate.indoorSummer));
  } else {
    const double r = c.u > 0 ? 1.0 / c.u : 0.0;
    std::size_t i = 0;
    while (i < kRoofRLimits.size() && r > kRoofRLimits[i]) ++i;
    const double cltd = kRoofDifference[i] * (dark ? 1.0 : kLightRoofMultiplier) + adjust;
    add(z.sensible, Component::Roofs, c.u * c.area * cltd);
  }
}

// The ceiling the page's roof selection describes.
CeilingDetails pageCeiling(const ZoneColumn& zc) {
  CeilingDetails c;
  c.area = zc.value(ZoneQuantity::RoofArea);
  c.u = zc.value(ZoneQuantity::RoofU);
  const std::int32_t roof = zc.tables.selection(sel::RoofConstruction);
  c.kind = roof >= 3 ? CeilingKind::Roof : CeilingKind::Attic;
  c.colour = roof == 2 || roof == 4 ? SurfaceColour::Light : SurfaceColour::Dark;
  return c;
}

void ceilings(const ZoneColumn& zc, const Climate& climate, ZoneSums& z) {
  if (zc.details.ceilings) {
    for (const CeilingDetails& c : *zc.details.ceilings) addCeiling(c, climate, z);
    return;
  }
  addCeiling(pageCeiling(zc), climate, z);
}

void addFloor(const FloorDetails& f, const Climate& climate, ZoneSums& z) {
  z.floorArea += f.area;
  switch (f.kind) {
    case FloorKind::Slab:
      add(z.heating, Component::Slabs, slabFValue(f.edgeR) * f.perimeter * climate.htd);
      break;
    case FloorKind::BasementFloor:
      add(z.heating, Component::Slabs, basementFloorU(f.depth, f.width, f.edgeR > 0) * f.area * climate.htd);
      break;
    case FloorKind::Outdoors:
      add(z.heating, Component::Floors, f.u * f.area * climate.htd);
      add(z.sensible, Component::Floors,
          f.u * f.area * std::max(climate.ctd - kOpenFloorBelow + climate.rangeAdjustment, 0.0));
      break;
    case FloorKind::Garage: addBesideSpace(f, Component::Floors, climate, z); break;
    case FloorKind::Crawlspace:
    case FloorKind::Basement: {
      // hvac_sizing.rb after MJ8 Figures A12-6 and A12-17: the space
      // settles between indoors and out by the floor's and walls' U.
      const double uw = kCrawlspaceWallU;
      const double share =
          f.kind == FloorKind::Crawlspace ? 1.0 / (1.0 + 4.0 * f.u / (uw + 0.11)) : uw / (4.0 * f.u + uw);
      add(z.heating, Component::Floors, f.u * f.area * climate.htd * share);
      add(z.sensible, Component::Floors, f.u * f.area * climate.ctd * share);
      break;
    }
  }
}

// The floor the page's floors selection describes.
FloorDetails pageFloor(const ZoneColumn& zc) {
  FloorDetails f;
  f.area = zc.value(ZoneQuantity::FloorArea);
  f.u = zc.value(ZoneQuantity::FloorU);
  switch (zc.tables.selection(sel::FloorConstruction)) {
    case 1:
      f.kind = FloorKind::Slab;
      f.perimeter = f.area > 0 ? 4.0 * std::sqrt(f.area) : 0.0;
      break;
    case 2:
    case 3: f.kind = FloorKind::Basement; break;
    case 4: f.kind = FloorKind::Garage; break;
    default: f.kind = FloorKind::Crawlspace; break;
  }
  return f;
}

void floors(const ZoneColumn& zc, const Climate& climate, ZoneSums& z) {
  if (zc.details.floors) {
    for (const FloorDetails& f : *zc.details.floors) addFloor(f, climate, z);
  } else {
    // A floor whose page U is 0 loses nothing there (over a heated room,
    // say): the default takes its area alone, as the page does.
    const FloorDetails f = pageFloor(zc);
    if (f.u > 0) {
      addFloor(f, climate, z);
    } else {
      z.floorArea += f.area;
    }
  }
  const double area = zc.value(ZoneQuantity::FloorArea);
  if (area > 0) z.floorArea = area;
}

// The envelope of one zone column.
void envelope(const ZoneColumn& zc, int rotation, const Climate& climate, const Sun& sun, ZoneSums& z) {
  windowsAndSkylights(zc, rotation, sun, climate, z);
  doors(zc, climate, z);
  walls(zc, climate, z);
  ceilings(zc, climate, z);
  floors(zc, climate, z);
}

bool zoneUsed(const ProjectTables& tables, const ZoneDetails& details, int page, int column) {
  if (details.anyEntered()) return true;
  for (int q = 0; q < kZoneQuantities; ++q) {
    if (tables.zone(page, column, static_cast<ZoneQuantity>(q)) != 0) return true;
  }
  return false;
}

// The excursion of a glass load curve above 1.3 x its daily average.
double excursion(const Hourly& curve) {
  double sum = 0;
  double peak = 0;
  for (const double load : curve) {
    sum += load;
    peak = std::max(peak, load);
  }
  return std::max(0.0, peak - kExcursionLimit * sum / kHours);
}

// What the first pass over the zones gathers: each zone's envelope and the
// house's glass curve, exposed area and floor area.
struct HouseSums {
  std::array<ZoneSums, kZones> zones{};
  std::array<Climate, kPages> climates{};
  Hourly glass{};
  double exposed = 0;
  double floorArea = 0;
  bool anyGains = false;  // people or appliances entered for some zone
};

void envelopes(const ProjectTables& tables, int rotation, DetailedDesign& design, HouseSums& sums) {
  const Sun sun = sunAt(tables.Details.house.orDefault(HouseDetail::Latitude));
  for (int p = 1; p <= kPages; ++p) {
    sums.climates[static_cast<std::size_t>(p - 1)] = climateOf(tables, p);
    for (int c = 1; c <= kZoneColumns; ++c) {
      const int zone = zoneNumber(p, c);
      const ZoneDetails& details = tables.Details.zone(zone);
      const auto i = static_cast<std::size_t>(zone - 1);
      if (!zoneUsed(tables, details, p, c)) continue;
      design.zoneUsed[i] = true;
      ZoneSums& z = sums.zones[i];
      envelope(ZoneColumn(tables, details, p, c), rotation, sums.climates[static_cast<std::size_t>(p - 1)], sun, z);
      for (std::size_t h = 0; h < kHours; ++h) sums.glass[h] += z.glass[h];
      sums.exposed += z.exposed;
      sums.floorArea += z.floorArea;
      sums.anyGains = sums.anyGains || details.people || details.appliances || details.appliancesLatent;
    }
  }
}

// The air the house takes in, leaking and ventilated, before it is given
// to the zones.
struct HouseAir {
  double altitude = 1;
  std::optional<double> ach50;
  double leakageArea = 0;  // in²
  double volume = 0;
  double stack = 0;
  double wind = 0;
  double grains = 0;
  double ventilation = 0;
  double sensibleLeft = 1;
  double latentLeft = 1;
};

HouseAir houseAir(const ProjectTables& tables, double conditionedArea) {
  const HouseDetails& house = tables.Details.house;
  const HouseValues& values = tables.House;
  HouseAir air;
  // Elevations within 0 to 11,999 ft: this load stops short of the last
  // step of the table.
  air.altitude = altitudeFactor(std::clamp(house.orDefault(HouseDetail::Elevation), 0.0, 11999.0));
  air.volume = conditionedArea * values[HouseValue::CeilingHeight].value_or(8.0);
  air.ach50 = house[HouseDetail::Ach50];
  if (air.ach50) {
    air.leakageArea = *air.ach50 * kLeakageAreaFactor * std::pow(4.0, kLeakageFlowExponent) * air.volume /
                      (std::pow(50.0, kLeakageFlowExponent) * kMinutesPerHour);
  }
  const double storeys = house.orDefault(HouseDetail::StoreysAboveGrade);
  const double shielding = house.orDefault(HouseDetail::ShieldingClass);
  air.stack = kStackPerStorey * storeys;
  air.wind = (kWindBase - kWindPerClass * (shielding - 3)) * std::pow(storeys, 0.4);
  air.grains = values.orZero(HouseValue::MoistureDifference);
  air.ventilation = values.orZero(HouseValue::VentilationCfm);
  air.sensibleLeft = 1.0 - values.orZero(HouseValue::VentilationSensibleRecovery) / kPerCent;
  air.latentLeft = 1.0 - values.orZero(HouseValue::VentilationLatentRecovery) / kPerCent;
  return air;
}

// The people and appliances the zones were given, for the house's lines.
struct Gains {
  double people = 0;
  double appliances = 0;
  double appliancesLatent = 0;
};

// A zone's leakage, ventilation and internal gains.
void airAndGains(const ProjectTables& tables, const HouseAir& air, const HouseSums& sums, const Climate& climate,
                 std::size_t i, DetailedDesign& design, Gains& gains, ZoneSums& z) {
  const HouseValues& values = tables.House;
  const ZoneDetails& details = tables.Details.zone(static_cast<int>(i) + 1);

  // Leakage. A house whose rooms have no exposed wall (partitions
  // alone) still leaks: its air goes by floor area, or evenly.
  const double share =
      sums.exposed > 0     ? z.exposed / sums.exposed
      : sums.floorArea > 0 ? z.floorArea / sums.floorArea
                           : 1.0 / static_cast<double>(std::count(design.zoneUsed.begin(), design.zoneUsed.end(), true));
  double heatingCfm = 0;
  double coolingCfm = 0;
  if (air.ach50) {
    heatingCfm =
        air.leakageArea * share * std::sqrt(air.stack * climate.htd + air.wind * kHeatingWind * kHeatingWind);
    coolingCfm =
        air.leakageArea * share * std::sqrt(air.stack * climate.ctd + air.wind * kCoolingWind * kCoolingWind);
  } else {
    heatingCfm = values.orZero(HouseValue::LeakageAchWinter) * air.volume / kMinutesPerHour * share;
    coolingCfm = values.orZero(HouseValue::LeakageAchSummer) * air.volume / kMinutesPerHour * share;
  }
  design.infiltrationHeatingCfm += heatingCfm;
  design.infiltrationCoolingCfm += coolingCfm;
  add(z.heating, Component::Infiltration, kDesignAirSensible * air.altitude * heatingCfm * climate.htd);
  add(z.sensible, Component::Infiltration, kDesignAirSensible * air.altitude * coolingCfm * climate.ctd);
  add(z.latent, Component::Infiltration, kAirLatent * air.altitude * coolingCfm * air.grains);

  // Ventilation and the house's gains, by floor area.
  const double floorShare = sums.floorArea > 0 ? z.floorArea / sums.floorArea : 0.0;
  const double q = air.ventilation * floorShare;
  add(z.heating, Component::Ventilation, kDesignAirSensible * air.altitude * q * air.sensibleLeft * climate.htd);
  add(z.sensible, Component::Ventilation, kDesignAirSensible * air.altitude * q * air.sensibleLeft * climate.ctd);
  add(z.latent, Component::Ventilation, kAirLatent * air.altitude * q * air.latentLeft * air.grains);
  if (sums.anyGains) {
    const double zonePeople = details.people.value_or(0);
    gains.people += zonePeople;
    gains.appliances += details.appliances.value_or(0);
    gains.appliancesLatent += details.appliancesLatent.value_or(0);
    add(z.sensible, Component::InternalGains, kPersonSensible * zonePeople + details.appliances.value_or(0));
    add(z.latent, Component::InternalGains, kPersonLatent * zonePeople + details.appliancesLatent.value_or(0));
  } else {
    const double occupants = values.orZero(HouseValue::Occupants);
    add(z.sensible, Component::InternalGains,
        (kPersonSensible * occupants + values.orZero(HouseValue::Appliances)) * floorShare);
    add(z.latent, Component::InternalGains, kPersonLatent * occupants * floorShare);
  }
}

// The page's duct multipliers on all the rest of a zone's load.
void pageDucts(const Climate& climate, ZoneSums& z) {
  double heating = 0;
  double sensible = 0;
  for (std::size_t k = 0; k < kComponents; ++k) {
    heating += z.heating[k];
    sensible += z.sensible[k];
  }
  add(z.heating, Component::Ducts, climate.winterDuct * heating);
  add(z.sensible, Component::Ducts, climate.summerDuct * sensible);
}

// The house: the zones' sums, its own glass excursion and the blower.
void houseTotals(const ProjectTables& tables, const HouseSums& sums, Gains gains, DetailedDesign& design) {
  bool anyZone = false;
  for (std::size_t i = 0; i < kZones; ++i) {
    if (!design.zoneUsed[i]) continue;
    anyZone = true;
    for (std::size_t k = 0; k < kComponents; ++k) {
      if (k == static_cast<std::size_t>(Component::AedExcursion)) continue;
      for (auto part : {&DetailedLoads::heating, &DetailedLoads::coolingSensible, &DetailedLoads::coolingLatent}) {
        std::int64_t& sum = (design.house.*part).parts[k];
        sum = heldWithinLimit(sum + (design.zones[i].*part).parts[k]);
      }
    }
  }
  if (!sums.anyGains && anyZone) {
    gains.people = tables.House.orZero(HouseValue::Occupants);
    gains.appliances = tables.House.orZero(HouseValue::Appliances);
  }
  design.peopleSensible = whole(kPersonSensible * gains.people);
  design.peopleLatent = whole(kPersonLatent * gains.people);
  design.appliancesSensible = whole(gains.appliances);
  design.appliancesLatent = whole(gains.appliancesLatent);
  if (anyZone) {
    design.house.coolingSensible[Component::AedExcursion] = whole(excursion(sums.glass));
    design.house.coolingSensible[Component::BlowerHeat] =
        whole(tables.Details.house.orDefault(HouseDetail::BlowerHeat));
  }
}

}  // namespace

ZoneDetails proposedZoneDetails(const ProjectTables& tables, int zone) {
  const int page = (zone - 1) / kZoneColumns + 1;
  const int column = (zone - 1) % kZoneColumns + 1;
  const ZoneDetails none;
  const ZoneColumn zc(tables, none, page, column);
  ZoneDetails proposed;
  const Climate climate = climateOf(tables, page);
  proposed.doors = {{pageDoor(zc, climate)}};
  proposed.walls = {{pageWall(zc, climate)}};
  proposed.ceilings = {{pageCeiling(zc)}};
  // A floor of U 0 loses nothing, as floors() takes it: not even a slab's edge.
  FloorDetails floor = pageFloor(zc);
  if (!(floor.u > 0)) floor.perimeter = 0;
  proposed.floors = {{floor}};
  return proposed;
}

DetailedDesign detailedDesign(const ProjectTables& tables, int rotation) {
  DetailedDesign design;
  HouseSums sums;
  envelopes(tables, rotation, design, sums);

  // The design infiltration of the whole house, given to the zones by their
  // exposed wall area (by floor area when no wall is exposed); its CFM
  // depends on each page's differences.
  const double conditionedArea = tables.House[HouseValue::FloorArea].value_or(sums.floorArea);
  const HouseAir air = houseAir(tables, conditionedArea);
  const bool ductSystem = tables.Ducts.entered();
  design.ducts = ductSystem ? DuctSource::DuctSystem : DuctSource::PageMultipliers;
  Gains gains;
  for (std::size_t i = 0; i < kZones; ++i) {
    if (!design.zoneUsed[i]) continue;
    const Climate& climate = sums.climates[i / kZoneColumns];
    ZoneSums& z = sums.zones[i];
    airAndGains(tables, air, sums, climate, i, design, gains, z);
    // A duct system's load is its own; without one the page's multipliers.
    if (!ductSystem) pageDucts(climate, z);
    add(z.sensible, Component::AedExcursion, excursion(z.glass));

    DetailedLoads& loads = design.zones[i];
    for (std::size_t k = 0; k < kComponents; ++k) {
      loads.heating.parts[k] = whole(z.heating[k]);
      loads.coolingSensible.parts[k] = whole(z.sensible[k]);
      loads.coolingLatent.parts[k] = whole(z.latent[k]);
    }
  }
  houseTotals(tables, sums, gains, design);

  // The duct system's inputs, entered or proposed, stand even without one
  // (for the Ducts dialog's proposals) and without a zone (for the outputs
  // to list); only an entered system carries a load.
  design.ductInputs = ductInputs(tables.Ducts, std::isfinite(conditionedArea) ? conditionedArea : 0.0,
                                proposedDuctHeating(tables.Equipment));
  if (ductSystem) takeDuctSystem(tables, design);
  return design;
}

}  // namespace kovrin
