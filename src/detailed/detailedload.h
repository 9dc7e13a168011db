// The detailed design load: each zone's and the whole house's heating,
// sensible cooling and latent cooling, component by component, by the
// procedures of ACCA Manual J, 8th edition. It is the figure equipment is
// bought from; the page calculation stays the quick estimate while typing.
//
// A zone's inputs are its page values and its details (model/zonedetails.h):
// a category not entered is built from the page, so any project gets a
// detailed load:
//  - windows: one window of the zone's glass area and U, facing its column's
//    glass direction, with the SHGC of the page's glass type and the page's
//    interior and exterior shading;
//  - doors: one door of the zone's door area and U;
//  - walls: outdoor walls of the zone's wall area and U, of the construction
//    group of the page's wall construction, medium colour (columns 7..10
//    with a partition difference: walls to an unconditioned space at that
//    difference);
//  - ceilings: the zone's roof area and U, under a vented attic or as a roof
//    as the page's roof construction says, of its colour;
//  - floors: the zone's floor area and U, over what the page's floor
//    construction says (a concrete slab: by a perimeter of 4 x the square
//    root of its area);
//  - people and appliances: the house's occupants and appliances, given to
//    the zones by floor area, when no zone has its own.
//
// Each zone's components are computed in double precision and rounded once
// to whole Btu/h, half away from zero. The house's components are the sums
// of the zones', except those of the house alone: blower heat, and the
// excursion of the glass load concentrated in one direction, found on the
// whole house's hourly glass load. A zone's AED excursion is its own, for
// its airflow; it does not add up to the house's.
//
// Ducts: until a duct system is entered, the page's duct multipliers raise
// each zone's heating and sensible cooling, as the page calculation does;
// that raise is the `ducts` component. With a duct system entered, the
// pages' multipliers count no more here (they stay for the page
// calculation): the ducts' heating, sensible and latent load is the duct
// system's (ducts/ductload.h), found on the whole house's loads at page 1's
// design conditions, and so once for each turn of the house. The procedure
// puts it on the house's total; so that each room's airflow carries the
// ducts too, its heating and sensible parts are shared among the zones in
// proportion to their own heating and sensible cooling, in whole Btu/h that
// add up to the house's figure. The duct latent load is the house's alone,
// as the blower's heat is.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ducts/ductload.h"
#include "model/model.h"

namespace kovrin {

enum class Component : int {
  Windows,
  Skylights,
  Doors,
  Walls,
  Roofs,
  Ceilings,
  Floors,
  Slabs,
  Infiltration,
  Ventilation,
  InternalGains,
  BlowerHeat,
  Ducts,
  AedExcursion,
};
inline constexpr int kComponents = 14;

// Each component's member in kovrin-report's JSON and its name in a table.
struct ComponentWording {
  Component component;
  std::string_view jsonKey;
  std::string_view name;
};
inline constexpr std::array<ComponentWording, kComponents> kComponentWordings = {{
    {Component::Windows, "windows", "Windows"},
    {Component::Skylights, "skylights", "Skylights"},
    {Component::Doors, "doors", "Doors"},
    {Component::Walls, "walls", "Walls"},
    {Component::Roofs, "roofs", "Roofs"},
    {Component::Ceilings, "ceilings", "Ceilings"},
    {Component::Floors, "floors", "Floors"},
    {Component::Slabs, "slabs", "Slabs"},
    {Component::Infiltration, "infiltration", "Infiltration"},
    {Component::Ventilation, "ventilation", "Ventilation"},
    {Component::InternalGains, "internalGains", "Internal gains"},
    {Component::BlowerHeat, "blowerHeat", "Blower heat"},
    {Component::Ducts, "ducts", "Ducts"},
    {Component::AedExcursion, "aedExcursion", "AED excursion"},
}};

// Every figure is held within 2^53 Btu/h, the whole numbers a double (and
// so any JSON reader) holds exactly; a sum of a few dozen such figures
// cannot overflow before it is held there.
inline constexpr std::int64_t kWholeLoadLimit = std::int64_t{1} << 53;
inline std::int64_t heldWithinLimit(std::int64_t sum) {
  return sum > kWholeLoadLimit ? kWholeLoadLimit : sum < -kWholeLoadLimit ? -kWholeLoadLimit : sum;
}

// Whole Btu/h by component.
struct ComponentLoads {
  std::array<std::int64_t, kComponents> parts{};

  std::int64_t& operator[](Component c) { return parts[static_cast<std::size_t>(c)]; }
  std::int64_t operator[](Component c) const { return parts[static_cast<std::size_t>(c)]; }
  std::int64_t total() const {
    std::int64_t sum = 0;
    for (const std::int64_t part : parts) sum += part;
    return heldWithinLimit(sum);
  }
  friend bool operator==(const ComponentLoads&, const ComponentLoads&) = default;
};

// One zone's or the house's loads, whole Btu/h.
struct DetailedLoads {
  ComponentLoads heating;
  ComponentLoads coolingSensible;
  ComponentLoads coolingLatent;

  std::int64_t heatingTotal() const { return heating.total(); }
  std::int64_t coolingSensibleTotal() const { return coolingSensible.total(); }
  // Never below 0: a dry climate's negative latent part takes nothing away.
  std::int64_t coolingLatentTotal() const { return coolingLatent.total() < 0 ? 0 : coolingLatent.total(); }
  std::int64_t coolingTotal() const { return heldWithinLimit(coolingSensibleTotal() + coolingLatentTotal()); }
  friend bool operator==(const DetailedLoads&, const DetailedLoads&) = default;
};

// Where the `ducts` component comes from.
enum class DuctSource {
  PageMultipliers,  // the pages' duct multipliers, as the page calculation takes them
  DuctSystem,       // an entered duct system, by its delivery effectiveness
};

struct DetailedDesign {
  std::array<DetailedLoads, kZones> zones{};  // [zone - 1]
  DetailedLoads house;
  DuctSource ducts = DuctSource::PageMultipliers;
  // The house's design infiltration, CFM, heating and cooling.
  double infiltrationHeatingCfm = 0;
  double infiltrationCoolingCfm = 0;
  // The house's people and appliances within its internal gains, whole
  // Btu/h (230 and 200 a person).
  std::int64_t peopleSensible = 0;
  std::int64_t peopleLatent = 0;
  std::int64_t appliancesSensible = 0;
  std::int64_t appliancesLatent = 0;
  // Whether a zone has anything to compute (page values or details).
  std::array<bool, kZones> zoneUsed{};
  // The duct system's inputs, entered or proposed (the proposals by the
  // conditioned floor area, even while none is entered); with a duct
  // system, the design conditions around the ducts and what the iteration
  // settled on (the house's duct loads, effectiveness, airflow).
  DuctInputs ductInputs;
  DuctDesignConditions ductConditions;
  DuctLoads ductFigures;
};

// The wall, ceiling and floor the detailed load builds from the page's
// values for zone 1..50 while its lists are not entered, each a list of one:
// the row a dialog starts such a list from, so that the loads stay as they
// were until a figure is changed.
ZoneDetails proposedZoneDetails(const ProjectTables& tables, int zone);

// The detailed design load of `tables` with the house turned clockwise by
// `rotation` steps of 45 degrees (0: as drawn; see house/orientation.h).
DetailedDesign detailedDesign(const ProjectTables& tables, int rotation = 0);

}  // namespace kovrin
