// The project model: every value of one project while Kovrin runs.
//
// Fifty zones are grouped into five pages of ten zone columns. Each page has
// its own 30 integers and 103 single-precision reals; the 17 drop-down
// selections are shared by all pages. All row, item, page and column numbers
// in this header count from 1, as the screen, the project file and the report
// count them; the tables themselves are plain zero-based arrays.
//
// There is exactly one ProjectModel per process. main owns it and hands it by
// reference to every operation; it cannot be copied. What a project file
// holds (ProjectTables: the three tables, the zones' names, the job's
// details and the house's values) can be copied, so that a file is read
// into a scratch copy and committed whole only when it was read without
// error.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ductsystem.h"
#include "model/equipment.h"
#include "model/filestamp.h"
#include "model/housevalues.h"
#include "model/jobdetails.h"
#include "model/zonedetails.h"

namespace kovrin {

inline constexpr int kPages = 5;
inline constexpr int kZoneColumns = 10;
inline constexpr int kPageIntegerRows = 30;
inline constexpr int kPageRealRows = 103;
inline constexpr int kListSelectionItems = 17;
inline constexpr std::size_t kProjectFileNameLength = 225;

using PageIntegerTable = std::array<std::array<std::int32_t, kPageIntegerRows>, kPages>;
using PageRealTable = std::array<std::array<float, kPageRealRows>, kPages>;
using ListSelectionTable = std::array<std::int32_t, kListSelectionItems>;

// The zone columns from this one on (7..10) can have their walls treated as
// partitions with a temperature difference of their own.
inline constexpr int kFirstPartitionColumn = 7;

// Named rows of PageIntegers.
namespace irow {
enum : int {
  SummerThermostat = 1,
  WinterThermostat = 2,
  PageLoadTotal = 17,
  SummerDesignTemp = 18,
  WinterDesignTemp = 19,
  PageAirTotal = 30,
};
// PartitionDT of zone column c = 7..10 (kFirstPartitionColumn on).
constexpr int PartitionDT(int column) { return column - 4; }
// ZoneLoad of zone column c = 1..10 (rows 7..16).
constexpr int ZoneLoad(int column) { return 6 + column; }
// ZoneAirShare of zone column c = 1..10 (rows 20..29).
constexpr int ZoneAirShare(int column) { return 19 + column; }
}  // namespace irow

// Named rows of PageReals.
namespace rrow {
inline constexpr int SummerDuctMultiplier = 1;
inline constexpr int WinterDuctMultiplier = 2;
// Row 11 has no screen field; it only travels with the project file.
inline constexpr int ReservedSlot = 11;
}  // namespace rrow

// The ten quantities of a zone column, in their order within the column.
enum class ZoneQuantity : int {
  DoorU,
  DoorArea,
  FloorU,
  FloorArea,
  RoofU,
  RoofArea,
  WallU,
  WallArea,
  GlassU,
  GlassArea,
};
inline constexpr int kZoneQuantities = 10;

// The quantities in the words of the input screen. A message within a
// sentence writes them with a small first letter ("the door area of zone 3").
inline constexpr std::array<std::string_view, kZoneQuantities> kZoneQuantityNames = {
    "Door U-value",          "Door area",          "Floor U-value", "Floor area", "Ceiling/roof U-value",
    "Ceiling/roof area",     "Wall U-value",       "Wall area",     "Glass U-value", "Glass area",
};
constexpr std::string_view zoneQuantityName(ZoneQuantity quantity) {
  return kZoneQuantityNames[static_cast<std::size_t>(quantity)];
}
// U-values and areas alternate within a zone column, U-value first.
constexpr bool isUValue(ZoneQuantity quantity) { return static_cast<int>(quantity) % 2 == 0; }

// PageReals row of a quantity of zone column c = 1..10. Column 1 has eleven
// rows (3..13) because ReservedSlot sits between its wall area and its glass
// U-value; columns 2..10 start at row 10c - 6.
constexpr int realRow(int column, ZoneQuantity quantity) {
  const int q = static_cast<int>(quantity);
  if (column == 1) return q < 8 ? 3 + q : 4 + q;
  return 10 * column - 6 + q;
}

// The zone column and quantity that PageReals row 1..103 holds; none for the
// duct multipliers and ReservedSlot.
struct ZoneValue {
  int column;
  ZoneQuantity quantity;
};
constexpr std::optional<ZoneValue> zoneValueAt(int row) {
  for (int c = 1; c <= kZoneColumns; ++c) {
    for (int q = 0; q < kZoneQuantities; ++q) {
      if (realRow(c, static_cast<ZoneQuantity>(q)) == row) return ZoneValue{c, static_cast<ZoneQuantity>(q)};
    }
  }
  return std::nullopt;
}

// Named items of ListSelections.
namespace sel {
enum : int {
  DailyRange = 1,
  WallConstruction = 2,
  RoofConstruction = 3,
  FloorConstruction = 4,
  GlassType = 5,
  InteriorShading = 6,
  ExteriorShading = 7,
};
// GlassDirection of zone column c = 1..10 (items 8..17).
constexpr int GlassDirection(int column) { return 7 + column; }
}  // namespace sel

// Whether a selection names an entry of a list of `count` entries (1..count).
// Only a hand-edited project file brings one that does not.
constexpr bool inList(std::int32_t selection, std::size_t count) {
  return selection >= 1 && static_cast<std::size_t>(selection) <= count;
}

// LoadChoice: 1 is Heating, any other value is Cooling.
inline constexpr std::int32_t kHeating = 1;
inline constexpr std::int32_t kCooling = 2;

inline constexpr int kZones = kPages * kZoneColumns;
static_assert(std::tuple_size_v<decltype(DesignDetails::zones)> == kZones);
// A zone's name holds up to 40 characters (Unicode code points, in UTF-8).
inline constexpr std::size_t kZoneNameCharacters = 40;

// An item of a project file's notes that this version does not know; kept as
// read so that the next save writes it back.
struct NoteItem {
  std::string key;
  std::string value;

  friend bool operator==(const NoteItem&, const NoteItem&) = default;
};

// What a project file holds: the three tables and the notes after them.
struct ProjectTables {
  ListSelectionTable ListSelections{};
  PageIntegerTable PageIntegers{};
  PageRealTable PageReals{};
  // After the three tables, the project file's notes: the zones' names
  // (zone 1..50, empty for none), the job and what a later version added.
  std::array<std::string, kZones> ZoneNames{};
  JobDetails Job;
  // The house's air and people, its system airflow and sizing choice.
  HouseValues House;
  // The equipment chosen for the house.
  kovrin::Equipment Equipment;
  // The house's duct system; nothing entered for a house without one.
  DuctSystem Ducts;
  // What the detailed design load takes beyond the page values.
  DesignDetails Details;
  std::vector<NoteItem> OtherNotes;

  std::int32_t& integer(int page, int row) { return PageIntegers.at(page - 1).at(row - 1); }
  std::int32_t integer(int page, int row) const { return PageIntegers.at(page - 1).at(row - 1); }
  float& real(int page, int row) { return PageReals.at(page - 1).at(row - 1); }
  float real(int page, int row) const { return PageReals.at(page - 1).at(row - 1); }
  float& zone(int page, int column, ZoneQuantity q) { return real(page, realRow(column, q)); }
  float zone(int page, int column, ZoneQuantity q) const { return real(page, realRow(column, q)); }
  std::int32_t& selection(int item) { return ListSelections.at(item - 1); }
  std::int32_t selection(int item) const { return ListSelections.at(item - 1); }
  std::string& zoneName(int zone) { return ZoneNames.at(zone - 1); }
  const std::string& zoneName(int zone) const { return ZoneNames.at(zone - 1); }

  friend bool operator==(const ProjectTables&, const ProjectTables&) = default;
};

// The project file name: a 225-character text, blank-padded. The report writes all
// 225 characters; the file operations use the path without trailing blanks.
class PaddedPath {
 public:
  PaddedPath() { m_text.fill(' '); }
  // Whether the 225 padded characters hold `path` exactly: it must fit, and
  // must not end in a blank, which the padding would swallow. Either way a
  // shortened path would name another file.
  static bool holds(std::string_view path) {
    return path.size() <= kProjectFileNameLength && !path.ends_with(' ');
  }
  // Returns false, and changes nothing, when the path cannot be held exactly.
  bool set(std::string_view path) {
    if (!holds(path)) return false;
    m_text.fill(' ');
    path.copy(m_text.data(), path.size());
    return true;
  }
  // The path without its trailing blanks.
  std::string path() const {
    std::string_view v(m_text.data(), m_text.size());
    const auto end = v.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(v.substr(0, end + 1));
  }
  // All 225 characters, trailing blanks included.
  std::string_view padded() const { return {m_text.data(), m_text.size()}; }

 private:
  std::array<char, kProjectFileNameLength> m_text{};
};

// The one project model of the process.
class ProjectModel : public ProjectTables {
 public:
  ProjectModel() = default;
  ProjectModel(const ProjectModel&) = delete;
  ProjectModel& operator=(const ProjectModel&) = delete;

  // Replace all that a project file holds at once (a file that was read
  // without error).
  void setTables(const ProjectTables& tables) { static_cast<ProjectTables&>(*this) = tables; }
  const ProjectTables& tables() const { return *this; }

  PaddedPath ProjectFileName;
  // The project file as Kovrin last read or wrote it, and the name it had
  // then. A save first checks that the name still leads to that very file,
  // so that another program's save is not overwritten unawares. Neither is
  // written to the project file.
  PaddedPath StampedFileName;
  std::optional<FileStamp> ProjectFileStamp;
  std::int32_t CurrentPage = 0;      // 1..5 once started
  std::int32_t SpreadsheetMode = 0;  // 1 On, 0 Off
  std::int32_t LoadChoice = 0;       // 1 Heating, other Cooling
  // The user was told that a page's design conditions are its own; told
  // once a run.
  bool PageCriteriaNoted = false;
  // The zone column (1..10) of the page on screen whose field last had the
  // focus: the zone Zone Details opens.
  std::int32_t FocusColumn = 1;
};

// Zone number of zone column c on page p.
constexpr int zoneNumber(int page, int column) { return 10 * (page - 1) + column; }

}  // namespace kovrin
