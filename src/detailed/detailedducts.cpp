#include "detailed/detailedducts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/housevalues.h"

namespace kovrin {
namespace {

// Indoor humidity at cooling design: ACCA Manual J 8th ed. takes 50 % (the
// "manualj_humidity_setpoint" default of NREL/OpenStudio-HPXML's
// defaults.rb); Kovrin asks for the grains difference alone.
constexpr double kIndoorHumidity = 0.5;

// A floor over a crawlspace or basement counts as insulated above R-4
// (hvac_sizing.rb, get_duct_regain_factor): U below 1/4.
constexpr double kInsulatedFloorU = 1.0 / 4.0;

// The page floor constructions over a crawlspace or an unconditioned
// basement (kFloorConstructionEntries 2, 3 and 5).
constexpr bool overBuffer(std::int32_t construction) {
  return construction == 2 || construction == 3 || construction == 5;
}

// Whether the floors over a crawlspace or basement, entered or from the
// page, are insulated as the regain of ducts there takes it: by their
// area-weighted U. A house without such floors counts as insulated, which
// no duct location but those two reads.
bool bufferFloorsInsulated(const ProjectTables& tables, const DetailedDesign& design) {
  double area = 0;
  double ua = 0;
  const bool pageBuffer = overBuffer(tables.selection(sel::FloorConstruction));
  for (int p = 1; p <= kPages; ++p) {
    for (int c = 1; c <= kZoneColumns; ++c) {
      const int zone = zoneNumber(p, c);
      if (!design.zoneUsed[static_cast<std::size_t>(zone - 1)]) continue;
      const ZoneDetails& details = tables.Details.zone(zone);
      if (details.floors) {
        for (const FloorDetails& f : *details.floors) {
          if (f.kind != FloorKind::Crawlspace && f.kind != FloorKind::Basement) continue;
          area += f.area;
          ua += f.u * f.area;
        }
      } else if (pageBuffer) {
        const double a = tables.zone(p, c, ZoneQuantity::FloorArea);
        area += a;
        ua += a * static_cast<double>(tables.zone(p, c, ZoneQuantity::FloorU));
      }
    }
  }
  if (!(area > 0) || !std::isfinite(ua)) return true;
  return ua / area < kInsulatedFloorU;
}

// The conditions around the ducts: page 1's design temperatures and
// thermostats (the house has one duct system, and page 1 holds its design
// criteria), the daily range, the house's grains difference and elevation.
DuctDesignConditions ductConditionsOf(const ProjectTables& tables, const DetailedDesign& design) {
  DuctDesignConditions c;
  c.heatingIndoor = tables.integer(1, irow::WinterThermostat);
  c.heatingOutdoor = tables.integer(1, irow::WinterDesignTemp);
  c.coolingIndoor = tables.integer(1, irow::SummerThermostat);
  c.coolingOutdoor = tables.integer(1, irow::SummerDesignTemp);
  const std::int32_t range = tables.selection(sel::DailyRange);
  c.dailyRange = range == 1 ? DailyRange::Low : range == 3 ? DailyRange::High : DailyRange::Medium;
  c.grains = tables.House.orZero(HouseValue::MoistureDifference);
  c.indoorHumidity = kIndoorHumidity;
  c.elevation = tables.Details.house.orDefault(HouseDetail::Elevation);
  c.bufferCeilingInsulated = bufferFloorsInsulated(tables, design);
  c.bufferWallsInsulated = false;  // a crawlspace's or basement's walls as the detailed load takes them
  return c;
}

// Whole `total` shared in proportion to `weights` (a weight below 0 counts
// as 0): each share rounded down, and what is left one each to the largest
// remainders, the lower zone first on a tie, so that the shares add up to
// `total` exactly. All 0 when no weight is above 0.
std::array<std::int64_t, kZones> wholeShares(std::int64_t total, const std::array<double, kZones>& weights) {
  std::array<std::int64_t, kZones> shares{};
  double sum = 0;
  for (const double w : weights) sum += std::max(0.0, w);
  if (!(sum > 0) || !std::isfinite(sum) || total == 0) return shares;
  // The magnitude is shared and the sign put back, so that a negative
  // total (a cooling duct load that regain turns below 0) shares alike.
  const std::int64_t magnitude = total < 0 ? -total : total;
  std::array<double, kZones> remainders{};
  std::int64_t given = 0;
  for (std::size_t i = 0; i < kZones; ++i) {
    const double exact = static_cast<double>(magnitude) * (std::max(0.0, weights[i]) / sum);
    const double down = std::floor(exact);
    shares[i] = static_cast<std::int64_t>(down);
    remainders[i] = exact - down;
    given += shares[i];
  }
  std::array<std::size_t, kZones> order{};
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
  // Rounding can leave the shares a unit off either way; it is put right
  // on the zones by their remainders (a weight above 0 first).
  for (std::size_t k = 0; given < magnitude; k = (k + 1) % kZones) {
    if (weights[order[k]] > 0) {
      ++shares[order[k]];
      ++given;
    }
  }
  for (auto it = order.rbegin(); given > magnitude;) {
    if (shares[*it] > 0) {
      --shares[*it];
      --given;
    }
    if (++it == order.rend()) it = order.rbegin();
  }
  if (total < 0) {
    for (std::int64_t& share : shares) share = -share;
  }
  return shares;
}

}  // namespace

void takeDuctSystem(const ProjectTables& tables, DetailedDesign& design) {
  DetailedLoads& house = design.house;
  // The rooms' load the ducts carry: everything but the ducts and the
  // blower's heat, which the procedure adds after them (hvac_sizing.rb).
  RoomLoads rooms;
  rooms.heating = static_cast<double>(house.heatingTotal());
  rooms.coolingSensible =
      static_cast<double>(house.coolingSensibleTotal() - house.coolingSensible[Component::BlowerHeat]);
  rooms.coolingLatent = static_cast<double>(house.coolingLatent.total());

  design.ductConditions = ductConditionsOf(tables, design);
  design.ductFigures = ductLoads(design.ductInputs, design.ductConditions, rooms);

  std::array<double, kZones> heating{};
  std::array<double, kZones> sensible{};
  for (std::size_t i = 0; i < kZones; ++i) {
    if (!design.zoneUsed[i]) continue;
    heating[i] = static_cast<double>(design.zones[i].heatingTotal());
    sensible[i] = static_cast<double>(design.zones[i].coolingSensibleTotal());
  }
  const auto heatingShares = wholeShares(design.ductFigures.heating, heating);
  const auto sensibleShares = wholeShares(design.ductFigures.coolingSensible, sensible);
  house.heating[Component::Ducts] = 0;
  house.coolingSensible[Component::Ducts] = 0;
  for (std::size_t i = 0; i < kZones; ++i) {
    design.zones[i].heating[Component::Ducts] = heatingShares[i];
    design.zones[i].coolingSensible[Component::Ducts] = sensibleShares[i];
    house.heating[Component::Ducts] += heatingShares[i];
    house.coolingSensible[Component::Ducts] += sensibleShares[i];
  }
  // Without a zone to carry it (every zone's load 0 or below), the house
  // keeps its figure alone.
  if (house.heating[Component::Ducts] == 0) house.heating[Component::Ducts] = design.ductFigures.heating;
  if (house.coolingSensible[Component::Ducts] == 0) {
    house.coolingSensible[Component::Ducts] = design.ductFigures.coolingSensible;
  }
  house.coolingLatent[Component::Ducts] = design.ductFigures.coolingLatent;
}

}  // namespace kovrin
