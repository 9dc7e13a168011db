#include "house/housesummary.h"

#include "house/floorarea.h"
#include "house/housewarnings.h"
#include "house/wholenumbers.h"

namespace kovrin {

namespace {

// The figures are computed in 128-bit integers on the exact stored floor
// areas (house/floorarea.h), and loads scaled up before they are divided, so
// one rounding at the end is the only one.
void addFloorAreaFigures(const ProjectTables& tables, HouseSummary& house) {
  std::optional<WideInteger> total = WideInteger{0};
  for (ZoneSummary& zone : house.zones) {
    const std::optional<WideInteger> units = floorAreaUnits(tables.zone(zone.page, zone.column, ZoneQuantity::FloorArea));
    total = total && units ? std::optional<WideInteger>(*total + *units) : std::nullopt;
    if (!units) continue;
    const ExactArea area{*units};
    zone.floorArea = area.squareFeet();
    zone.heatingPerFloorArea = area.perSquareFoot(zone.heating);
    zone.coolingPerFloorArea = area.perSquareFoot(zone.cooling);
  }
  if (!total) return;
  const ExactArea area{*total};
  house.floorArea = area.squareFeet();
  house.heatingPerFloorArea = area.perSquareFoot(house.heating);
  house.coolingPerFloorArea = area.perSquareFoot(house.cooling);
  house.floorAreaPerTon = area.perTon(house.cooling);
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
