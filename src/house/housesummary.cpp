#include "house/housesummary.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "house/housewarnings.h"

namespace kovrin {

namespace {

// The figures are computed in 128-bit integers: floor areas in whole units
// of 2^-24 ft², which holds every stored area of half a square foot or more
// exactly (a float has 24 significant bits), and loads scaled up before they
// are divided, so one rounding at the end is the only one.
__extension__ using Wide = __int128;
constexpr int kAreaFractionBits = 24;
constexpr Wide kAreaUnit = Wide{1} << kAreaFractionBits;  // units in one ft²
// Areas from 2^56 ft² on have no figure: no house comes near, and below it
// fifty of them and every product stay far inside 128 bits.
constexpr float kAreaLimit = 0x1p56f;

// num / den rounded half away from zero; den is not 0.
Wide roundedQuotient(Wide num, Wide den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  Wide quotient = num / den;
  const Wide rest = num % den;
  // 2 x |rest| >= den, written so that it cannot overflow.
  if ((rest < 0 ? -rest : rest) >= den - (rest < 0 ? -rest : rest)) quotient += num < 0 ? -1 : 1;
  return quotient;
}

Figure narrowed(Wide value) {
  if (value < std::numeric_limits<std::int64_t>::min() || value > std::numeric_limits<std::int64_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(value);
}

// The stored area in units of 2^-24 ft²: 0 for an area that shows as 0 ft²
// (it counts as no floor), no value for one that is not finite or too large.
std::optional<Wide> areaUnits(float area) {
  const float magnitude = std::fabs(area);
  if (!(magnitude < kAreaLimit)) return std::nullopt;
  if (magnitude < 0.5f) return Wide{0};
  // At least 0.5, the area has no bit below 2^-24: the scaled value is a
  // whole number that the double holds exactly.
  return static_cast<Wide>(std::ldexp(static_cast<double>(area), kAreaFractionBits));
}

// Tenths of Btu/h per ft²; no value without floor.
Figure perFloorArea(std::int64_t btuPerHour, std::optional<Wide> units) {
  if (!units || roundedQuotient(*units, kAreaUnit) == 0) return std::nullopt;
  return narrowed(roundedQuotient(Wide{btuPerHour} * 10 * kAreaUnit, *units));
}

void addFloorAreaFigures(const ProjectTables& tables, HouseSummary& house) {
  std::optional<Wide> total = Wide{0};
  for (ZoneSummary& zone : house.zones) {
    const std::optional<Wide> units = areaUnits(tables.zone(zone.page, zone.column, ZoneQuantity::FloorArea));
    if (units) zone.floorArea = narrowed(roundedQuotient(*units, kAreaUnit));
    zone.heatingPerFloorArea = perFloorArea(zone.heating, units);
    zone.coolingPerFloorArea = perFloorArea(zone.cooling, units);
    total = total && units ? std::optional<Wide>(*total + *units) : std::nullopt;
  }
  if (!total) return;
  house.floorArea = narrowed(roundedQuotient(*total, kAreaUnit));
  house.heatingPerFloorArea = perFloorArea(house.heating, total);
  house.coolingPerFloorArea = perFloorArea(house.cooling, total);
  if (house.cooling != 0 && house.floorArea && *house.floorArea != 0) {
    house.floorAreaPerTon = narrowed(roundedQuotient(*total * kBtuPerTon, kAreaUnit * house.cooling));
  }
}

constexpr std::array<ZoneQuantity, kZoneQuantities> kQuantities{
    ZoneQuantity::DoorU,  ZoneQuantity::DoorArea, ZoneQuantity::FloorU,   ZoneQuantity::FloorArea,
    ZoneQuantity::RoofU,  ZoneQuantity::RoofArea, ZoneQuantity::WallU,    ZoneQuantity::WallArea,
    ZoneQuantity::GlassU, ZoneQuantity::GlassArea};

bool zoneHasInput(const ProjectTables& tables, int page, int column) {
  for (ZoneQuantity q : kQuantities) {
    if (tables.zone(page, column, q) != 0.0f) return true;
  }
  return false;
}

}  // namespace

HouseSummary summarizeHouse(const ProjectTables& tables) {
  HouseSummary house;
  for (int p = 1; p <= kPages; ++p) {
    const PageLoads heating = calculatePage(tables, p, kHeating);
    const PageLoads cooling = calculatePage(tables, p, kCooling);
    for (int c = 1; c <= kZoneColumns; ++c) {
      const std::size_t i = static_cast<std::size_t>(c - 1);
      ZoneSummary& zone = house.zones[static_cast<std::size_t>(zoneNumber(p, c) - 1)];
      zone.zone = zoneNumber(p, c);
      zone.page = p;
      zone.column = c;
      zone.hasInput = zoneHasInput(tables, p, c);
      zone.name = tables.zoneName(zone.zone);
      house.named = house.named || !zone.name.empty();
      zone.heating = heating.zoneLoad[i];
      zone.cooling = cooling.zoneLoad[i];
      zone.heatingAirShare = heating.airShare[i];
      zone.coolingAirShare = cooling.airShare[i];
      zone.heatingParts = heating.parts[i];
      zone.coolingParts = cooling.parts[i];
    }
    house.pages[static_cast<std::size_t>(p - 1)] = {p, heating.total, cooling.total,
                                                     tables.integer(p, irow::PageAirTotal)};
    house.heating += heating.total;
    house.cooling += cooling.total;
  }
  addFloorAreaFigures(tables, house);
  house.job = tables.Job;
  house.warnings = houseWarnings(tables, house);
  return house;
}

std::string tonsText(std::int64_t btuPerHour) {
  // Hundredths of a ton are Btu/h divided by 120, rounded half away from
  // zero in integers: no binary fraction can round the last digit wrongly.
  constexpr std::int64_t kBtuPerHundredth = kBtuPerTon / 100;
  return figureText(static_cast<std::int64_t>(roundedQuotient(btuPerHour, kBtuPerHundredth)), 2);
}

std::string figureText(std::int64_t scaled, int decimals, Grouping grouping) {
  // The magnitude in unsigned arithmetic: the lowest int64 has no positive.
  const std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
  std::string digits = std::to_string(magnitude);
  const std::size_t fraction = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;
  if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
  const std::size_t whole = digits.size() - fraction;
  std::string out = scaled < 0 ? "-" : "";
  for (std::size_t i = 0; i < whole; ++i) {
    if (grouping == Grouping::Thousands && i != 0 && (whole - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  if (fraction != 0) {
    out += '.';
    out.append(digits, whole, fraction);
  }
  return out;
}

std::string figureText(const Figure& figure, int decimals, std::string_view none, Grouping grouping) {
  return figure ? figureText(*figure, decimals, grouping) : std::string(none);
}

}  // namespace kovrin
