// What each row of PageIntegers and PageReals holds, in the user's words:
// the name and unit the input screen gives its field (its tooltip, what a
// message about a typed value says), and the name a message about the
// project file gives the value within a sentence ("the load of zone 13").
// One table, so that the screen and the file's messages name a value alike.
#pragma once

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "model/model.h"

namespace kovrin {

inline constexpr std::string_view kUValueUnit = "Btu/h\u00b7ft\u00b2\u00b7\u00b0F";
inline constexpr std::string_view kAreaUnit = "ft\u00b2";
inline constexpr std::string_view kTemperatureUnit = "\u00b0F";
inline constexpr std::string_view kLoadUnit = "Btu/h";

// A value of a page, or of one of the page's zones.
enum class RowOwner { Page, Zone };

struct RowName {
  int firstRow;
  int lastRow;
  RowOwner owner;
  int firstColumn;  // a zone's value: the zone column of firstRow
  std::string_view name;
  std::string_view unit;
  // Within a sentence; empty where it is the name with a small first letter
  // after "the".
  std::string_view inSentence{};
};

inline constexpr std::array<RowName, 9> kIntegerRowNames = {{
    {irow::SummerThermostat, irow::SummerThermostat, RowOwner::Page, 0, "Summer thermostat", kTemperatureUnit},
    {irow::WinterThermostat, irow::WinterThermostat, RowOwner::Page, 0, "Winter thermostat", kTemperatureUnit},
    {irow::PartitionDT(kFirstPartitionColumn), irow::PartitionDT(kZoneColumns), RowOwner::Zone,
     kFirstPartitionColumn, "Partition temperature difference", kTemperatureUnit},
    {irow::ZoneLoad(1), irow::ZoneLoad(kZoneColumns), RowOwner::Zone, 1, "Zone load", kLoadUnit, "the load"},
    {irow::PageLoadTotal, irow::PageLoadTotal, RowOwner::Page, 0, "Load of the ten zones", kLoadUnit,
     "the load total"},
    {irow::SummerDesignTemp, irow::SummerDesignTemp, RowOwner::Page, 0, "Summer design temperature",
     kTemperatureUnit},
    {irow::WinterDesignTemp, irow::WinterDesignTemp, RowOwner::Page, 0, "Winter design temperature",
     kTemperatureUnit},
    {irow::ZoneAirShare(1), irow::ZoneAirShare(kZoneColumns), RowOwner::Zone, 1, "Airflow share of the zone",
     "CFM or %", "the airflow share"},
    {irow::PageAirTotal, irow::PageAirTotal, RowOwner::Page, 0, "Total airflow", "CFM, or 100 for percent"},
}};

// The reals that belong to the page; the zones' values are named by their
// quantity (kZoneQuantityNames).
inline constexpr std::array<RowName, 3> kPageRealRowNames = {{
    {rrow::SummerDuctMultiplier, rrow::SummerDuctMultiplier, RowOwner::Page, 0, "Summer duct multiplier",
     "fraction added to cooling loads"},
    {rrow::WinterDuctMultiplier, rrow::WinterDuctMultiplier, RowOwner::Page, 0, "Winter duct multiplier",
     "fraction added to heating loads"},
    // No field shows it; it only travels with the project file.
    {rrow::ReservedSlot, rrow::ReservedSlot, RowOwner::Page, 0, "", "", "the reserved value (row 11)"},
}};

namespace detail {
// By value, not by pointer: the screen's tables are made from this at
// compile time, where a pointer into the table cannot always be compared.
template <std::size_t N>
constexpr std::optional<RowName> findRow(const std::array<RowName, N>& names, int row) {
  for (const RowName& name : names) {
    if (row >= name.firstRow && row <= name.lastRow) return name;
  }
  return std::nullopt;
}

inline std::string inSentence(const RowName& name, int row, int page) {
  std::string text;
  if (!name.inSentence.empty()) {
    text = name.inSentence;
  } else {
    text = "the " + std::string(name.name);
    text[4] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[4])));
  }
  if (name.owner == RowOwner::Zone) {
    return text + " of zone " + std::to_string(zoneNumber(page, name.firstColumn + row - name.firstRow));
  }
  return text + " of page " + std::to_string(page);
}
}  // namespace detail

// The name and unit of PageIntegers row 1..30; nothing for another row.
constexpr std::optional<RowName> integerRowName(int row) { return detail::findRow(kIntegerRowNames, row); }

// The name and unit of a PageReals row 1..103 that is no zone's value.
constexpr std::optional<RowName> pageRealRowName(int row) { return detail::findRow(kPageRealRowNames, row); }

// "the winter thermostat of page 2", "the load of zone 13".
inline std::string integerRowInSentence(int row, int page) {
  const std::optional<RowName> name = integerRowName(row);
  return name ? detail::inSentence(*name, row, page)
                         : "integer row " + std::to_string(row) + " of page " + std::to_string(page);
}

// "the summer duct multiplier of page 1", "the door area of zone 3".
inline std::string realRowInSentence(int row, int page) {
  if (const auto value = zoneValueAt(row)) {
    const RowName name{row, row, RowOwner::Zone, value->column, zoneQuantityName(value->quantity), {}};
    return detail::inSentence(name, row, page);
  }
  if (const std::optional<RowName> name = pageRealRowName(row)) return detail::inSentence(*name, row, page);
  return "real row " + std::to_string(row) + " of page " + std::to_string(page);
}

}  // namespace kovrin
