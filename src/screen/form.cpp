#include "screen/form.h"

#include <array>
#include <cstdint>
#include <utility>

#include "model/defaults.h"
#include "model/zoneranges.h"
#include "screen/fieldtables.h"
#include "screen/commands.h"

namespace kovrin {

namespace {

// Common sizes in dialog units.
constexpr int kFieldWidth = 30;
constexpr int kFieldHeight = 8;
constexpr int kLabelHeight = 8;
constexpr int kResultWidth = 32;

// The zone grid: field column of zone column c = 1..10, and the rows.
constexpr int columnX(int column) { return 60 + 40 * column; }
// The result rows are two units wider, so their sixth field moves right to
// keep clear of the fifth.
constexpr int resultX(int column) { return column == 6 ? 302 : columnX(column); }

constexpr int kZoneNameY = 64;
constexpr int kDoorUY = 76;
constexpr int kDoorAreaY = 88;
constexpr int kFloorUY = 113;
constexpr int kFloorAreaY = 125;
constexpr int kRoofUY = 150;
constexpr int kRoofAreaY = 162;
constexpr int kWallUY = 185;
constexpr int kWallAreaY = 197;
constexpr int kPartitionY = 209;
constexpr int kGlassTypeY = 232;
constexpr int kGlassUY = 248;
constexpr int kGlassAreaY = 260;
constexpr int kDirectionY = 272;
constexpr int kTotalsY = 293;
constexpr int kAirY = 304;

// Row labels: group captions ("Doors"), row captions ("U-value") and the
// captions of the two result rows.
constexpr int kGroupCaptionX = 12;
constexpr int kGroupCaptionWidth = 22;
constexpr int kRowCaptionX = 47;
constexpr int kResultCaptionX = 6;
// Above the TOTALS caption, clear of the direction lists, which start at
// column 1.
constexpr int kLoadCaptionY = 283;
constexpr int kLoadCaptionWidth = 92;
// The two fields left of column 1 in the result rows.
constexpr int kPageFieldX = 42;
constexpr int kPageFieldWidth = 40;

constexpr ControlDef label(int id, int x, int y, int width, std::string_view text,
                           unsigned flags = 0) {
  return {id, ControlKind::Label, x, y, width, kLabelHeight, text, flags};
}
constexpr ControlDef groupBox(int id, int x, int y, int width, int height,
                              std::string_view caption) {
  return {id, ControlKind::GroupBox, x, y, width, height, caption, 0};
}
constexpr ControlDef integerEdit(int id, int x, int y, std::string_view text, unsigned flags = 0) {
  return {id, ControlKind::IntegerEdit, x, y, kFieldWidth, kFieldHeight, text, flags};
}
constexpr ControlDef realEdit(int id, int x, int y) {
  return {id, ControlKind::RealEdit, x, y, kFieldWidth, kFieldHeight, "0.0", 0};
}
// The height of a list is its dropped-down height.
constexpr ControlDef list(int id, int x, int y, int width, int height, unsigned flags = 0) {
  return {id, ControlKind::DropDownList, x, y, width, height, "", flags};
}
constexpr ControlDef radio(int id, int x, int y, int width, int height, std::string_view text,
                           unsigned flags = 0) {
  return {id, ControlKind::RadioButton, x, y, width, height, text, flags};
}

// The grid's rows: the y of each zone quantity, in the order of
// ZoneQuantity.
constexpr std::array<int, kZoneQuantities> kQuantityY = {kDoorUY,  kDoorAreaY, kFloorUY, kFloorAreaY, kRoofUY,
                                                         kRoofAreaY, kWallUY,  kWallAreaY, kGlassUY, kGlassAreaY};

// Three fields of the grid stand a unit lower than their row, as the screen
// was drawn.
constexpr std::array<int, 3> kLoweredFields = {1051, 1122, 1130};

constexpr int lowered(int id) {
  for (const int field : kLoweredFields) {
    if (field == id) return 1;
  }
  return 0;
}

// Every zone column, column 9 included, holds single-precision values, so
// that all accept and show the same values.
constexpr ControlDef zoneValue(int column, ZoneQuantity quantity) {
  const int id = zoneField(column, quantity);
  return realEdit(id, columnX(column), kQuantityY[static_cast<std::size_t>(quantity)] + lowered(id));
}
// The band between the criteria and the grid holds the zones' names, one
// field over each column, and each zone's number in the gap to the left of
// its name.
constexpr int kZoneNumberWidth = 9;
constexpr ControlDef zoneNumberLabel(int column) {
  return label(kFirstZoneNumberLabel + column - 1, columnX(column) - kZoneNumberWidth - 1, kZoneNameY,
               kZoneNumberWidth, "", kRightText);
}
// In the partition columns a marker stands between the number and the
// name, which is narrower by as much.
constexpr int kPartitionMarkerWidth = 6;
constexpr std::string_view kPartitionMarkerTip =
    "Partition column: the walls of this zone count as partitions, with the temperature difference of the "
    "( Partition ) row instead of the outdoor one; with a difference of 0 they add no load. Columns 1\u20136 "
    "take outside walls.";
constexpr int nameX(int column) { return columnX(column) + (column >= kFirstPartitionColumn ? kPartitionMarkerWidth : 0); }
constexpr ControlDef partitionMarker(int column) {
  return {kFirstPartitionMarker + column - kFirstPartitionColumn,
          ControlKind::Label,
          columnX(column),
          kZoneNameY,
          kPartitionMarkerWidth,
          kLabelHeight,
          "P",
          0,
          kPartitionMarkerTip};
}
constexpr ControlDef zoneNameEdit(int column) {
  return {zoneNameField(column), ControlKind::TextEdit, nameX(column), kZoneNameY,
          kFieldWidth - (nameX(column) - columnX(column)), kFieldHeight, "", 0};
}
constexpr ControlDef partition(int column) {
  return integerEdit(integerRowField(irow::PartitionDT(column)), columnX(column), kPartitionY, "0");
}
constexpr ControlDef direction(int column) {
  return list(kZoneColumnFields[static_cast<std::size_t>(column - 1)].glassDirection, columnX(column), kDirectionY,
              kFieldWidth, 80);
}
// Results of the page calculation: only the program writes them.
constexpr ControlDef result(int id, int column, int y) {
  return {id, ControlKind::IntegerEdit, resultX(column), y, kResultWidth, kFieldHeight, "", kDisabled};
}
// The two fields left of column 1 in the result rows.
constexpr ControlDef pageField(int id, int y, std::string_view text, unsigned flags) {
  return {id, ControlKind::IntegerEdit, kPageFieldX, y, kPageFieldWidth, kFieldHeight, text, flags};
}

// The text of a whole number, made when the program is compiled, so that
// the fields start with the defaults' own values.
template <std::int32_t Value>
struct NumberText {
  static constexpr auto kDigits = [] {
    std::array<char, 12> text{};
    char reversed[12]{};
    std::int64_t rest = Value < 0 ? -std::int64_t{Value} : std::int64_t{Value};
    std::size_t count = 0;
    do {
      reversed[count++] = static_cast<char>('0' + rest % 10);
      rest /= 10;
    } while (rest != 0);
    std::size_t length = 0;
    if (Value < 0) text[length++] = '-';
    while (count > 0) text[length++] = reversed[--count];
    return std::pair{text, length};
  }();
  static constexpr std::string_view kText{kDigits.first.data(), kDigits.second};
};

// The criteria above the grid and the captions; they come first in the tab
// order, before the zone grid.
constexpr auto kCriteriaAndCaptions = std::to_array<ControlDef>({
    // General criteria: the design temperatures and the daily range are
    // listed last (kDesignTemps).
    groupBox(1167, 10, 5, 90, 56, "Design Temps"),
    label(1168, 57, 20, 30, "Summer"),
    label(1169, 57, 32, 30, "Winter"),
    label(1170, 57, 46, 30, "Range"),

    // Construction criteria.
    label(1013, 131, 4, 98, "General Construction Criteria"),
    label(1016, 241, 18, 42, "Walls/Doors"),
    label(1028, 241, 34, 42, "Ceiling/Roof"),
    label(1032, 241, 50, 40, "Floors"),
    list(1033, 128, 16, 105, 40),
    list(1034, 128, 32, 105, 56),
    list(1035, 128, 48, 105, 56),

    // Thermostats, duct multipliers and the Heating/Cooling choice; the
    // group box caption spaces its three column headings over the columns.
    groupBox(1011, 306, 8, 190, 51, "    Thermostat Settings       Duct Multipliers     Loads"),
    label(1030, 313, 27, 30, "Summer"),
    label(1029, 313, 42, 26, "Winter"),
    integerEdit(1036, 359, 27, NumberText<kDefaultSummerThermostat>::kText),
    integerEdit(1038, 359, 42, NumberText<kDefaultWinterThermostat>::kText),
    realEdit(1004, 408, 27),
    realEdit(1037, 409, 41),

    // The caption of the zones' names; the zone numbers above the ten
    // columns follow it, written for the page on screen. The names' fields
    // come last in the tab order.
    label(kZoneNameCaption, kRowCaptionX, kZoneNameY, 40, "Zone, name"),
});

// The design temperatures and the daily range: the last tab stops, after
// the zones' names, so that Shift+Tab from the first field reaches them.
constexpr auto kDesignTemps = std::to_array<ControlDef>({
    integerEdit(1005, 21, 20, NumberText<kDefaultSummerDesignTemp>::kText),
    integerEdit(1026, 21, 32, NumberText<kDefaultWinterDesignTemp>::kText),
    list(1171, 21, 43, 30, 50),
});

// The captions of the grid's groups of two rows: the group's name at its
// left, "U-value" and "Area" beside its rows.
struct GridGroup {
  int nameId;
  int nameY;
  std::string_view name;
  int uValueId;
  int areaId;
  ZoneQuantity uValue;  // the group's first row; its area is the next
};
constexpr std::array<GridGroup, 4> kGridGroups = {{
    {1025, 82, "Doors", 1027, 1136, ZoneQuantity::DoorU},
    {1006, 119, "Floor", 1008, 1007, ZoneQuantity::FloorU},
    {1009, 156, "Roof", 1024, 1010, ZoneQuantity::RoofU},
    {1014, 193, "Walls", 1015, 1017, ZoneQuantity::WallU},
}};

// The partitions' row and the glass group with its four rows.
constexpr auto kPartitionAndGlassCaptions = std::to_array<ControlDef>({
    label(1018, kRowCaptionX, kPartitionY, 42, "( Partition )"),
    label(1001, 246, 210, 84, "Temperature Difference ="),
    label(1019, kGroupCaptionX, 240, kGroupCaptionWidth, "Glass"),
    label(1020, kRowCaptionX, kGlassTypeY, 40, "Type"),
    label(1022, kRowCaptionX, kGlassUY, 40, "U-value"),
    label(1023, kRowCaptionX, kGlassAreaY, 40, "Area"),
    label(1021, kRowCaptionX, 273, 42, "Direction"),
});

// The glass lists shared by all zones, then the Heating/Cooling group: in
// the tab order after zone column 1's wall area. The Cooling button has no
// text: its caption is the label beside it, which chooses it as the Heating
// button's own text chooses Heating.
constexpr auto kGlassAndLoadChoice = std::to_array<ControlDef>({
    list(1043, 100, kGlassTypeY, 82, 64),
    list(1044, 211, kGlassTypeY, 118, 64),
    list(1045, 354, kGlassTypeY, 106, 70),
    radio(kHeatingButton, 450, 42, 40, 8, "Heating", kGroupStart),
    radio(kCoolingButton, 450, 28, 10, 7, ""),
    label(1172, 462, 28, 26, "Cooling", kCaptionOfPrevious),
});

// The controls being listed in tab order.
struct ControlList {
  std::array<ControlDef, kInputScreenControls> controls{};
  std::size_t count = 0;

  constexpr void add(const ControlDef& control) { controls[count++] = control; }
  template <std::size_t N>
  constexpr void add(const std::array<ControlDef, N>& more) {
    for (const ControlDef& control : more) add(control);
  }
  // Zone column c from `first` down to its glass direction; columns 7..10
  // have their partition field after the wall area.
  constexpr void addColumn(int column, ZoneQuantity first) {
    for (int q = static_cast<int>(first); q < kZoneQuantities; ++q) {
      const auto quantity = static_cast<ZoneQuantity>(q);
      add(zoneValue(column, quantity));
      if (quantity == ZoneQuantity::WallArea && column >= kFirstPartitionColumn) add(partition(column));
    }
    add(direction(column));
  }
};

// Every control in tab order. Labels, group boxes and the fields that are
// not tab stops stand where they read best; they do not take part in it.
constexpr std::array<ControlDef, kInputScreenControls> kBareControls = [] {
  ControlList list;
  list.add(kCriteriaAndCaptions);
  for (int c = 1; c <= kZoneColumns; ++c) list.add(zoneNumberLabel(c));
  for (int c = kFirstPartitionColumn; c <= kZoneColumns; ++c) list.add(partitionMarker(c));
  // The caption of the TOTALS row, written with every calculation, then
  // the captions of the grid's rows.
  list.add(label(kLoadCaptionLabel, kResultCaptionX, kLoadCaptionY, kLoadCaptionWidth, ""));
  for (const GridGroup& group : kGridGroups) {
    const auto row = static_cast<std::size_t>(group.uValue);
    list.add(label(group.nameId, kGroupCaptionX, group.nameY, kGroupCaptionWidth, group.name));
    list.add(label(group.uValueId, kRowCaptionX, kQuantityY[row], 40, "U-value"));
    list.add(label(group.areaId, kRowCaptionX, kQuantityY[row + 1], 40, "Area"));
  }
  list.add(kPartitionAndGlassCaptions);
  // Zone column 1 is visited in two parts, around the glass lists.
  for (int q = 0; q <= static_cast<int>(ZoneQuantity::WallArea); ++q) {
    list.add(zoneValue(1, static_cast<ZoneQuantity>(q)));
  }
  list.add(kGlassAndLoadChoice);
  list.addColumn(1, ZoneQuantity::GlassU);
  for (int c = 2; c <= kZoneColumns; ++c) list.addColumn(c, ZoneQuantity::DoorU);

  // TOTALS: the zone loads and their page total, written by the page
  // calculation.
  list.add(label(1166, kResultCaptionX, kTotalsY, 30, "TOTALS"));
  list.add(pageField(integerRowField(irow::PageLoadTotal), kTotalsY, "", kDisabled));
  for (int c = 1; c <= kZoneColumns; ++c) list.add(result(integerRowField(irow::ZoneLoad(c)), c, kTotalsY));
  // "CFM or %": each zone's share of the total airflow typed in 1184, the
  // last tab stop of the form but for the names.
  list.add(label(1175, kResultCaptionX, kAirY, 32, "CFM or %"));
  for (int c = 1; c <= kZoneColumns; ++c) list.add(result(integerRowField(irow::ZoneAirShare(c)), c, kAirY));
  list.add(pageField(integerRowField(irow::PageAirTotal), kAirY, NumberText<kDefaultPageAirTotal>::kText, 0));

  // The zones' names, after the Tab key has been through every value, and
  // last the design temperatures and the range.
  for (int c = 1; c <= kZoneColumns; ++c) list.add(zoneNameEdit(c));
  list.add(kDesignTemps);
  if (list.count != kInputScreenControls) throw "the form lists another number of controls than it has";
  return list.controls;
}();

// Every numeric field carries what it holds and its unit, from the same
// tables that tie the fields to the model.
constexpr std::array<ControlDef, kInputScreenControls> describe(std::array<ControlDef, kInputScreenControls> controls) {
  for (ControlDef& control : controls) {
    const FieldDescription description = fieldDescription(control.id);
    if (description.name.empty()) continue;
    control.name = description.name;
    control.unit = description.unit;
  }
  return controls;
}

constexpr std::array<ControlDef, kInputScreenControls> kControls = describe(kBareControls);

constexpr bool identifiersAreDistinct() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    for (std::size_t j = i + 1; j < kControls.size(); ++j) {
      if (kControls[i].id == kControls[j].id) return false;
    }
  }
  return true;
}
static_assert(identifiersAreDistinct());

// The lists start with the selections of a new project; the Cooling
// button is checked.
constexpr std::array<InitialList, kListSelectionItems> kInitialLists = [] {
  std::array<InitialList, kListSelectionItems> lists{};
  for (int item = 1; item <= kListSelectionItems; ++item) {
    const SelectionList& field = listField(item);
    lists[static_cast<std::size_t>(item - 1)] = {field.field, field.entries,
                                                  kDefaultSelections[static_cast<std::size_t>(item - 1)]};
  }
  return lists;
}();
constexpr std::array<int, 1> kCheckedButtons = {kCoolingButton};

// The five pages and the keys from page to page, then all fifty zones at
// once in the house view, the one set of design conditions for all and the
// house's air and people, equipment and ducts, and the details of one zone.
constexpr std::array<MenuEntry, kPages + 8> kZonesEntries = {{
    {kPageZoneRanges[0], kCmdPage1},
    {kPageZoneRanges[1], kCmdPage2},
    {kPageZoneRanges[2], kCmdPage3},
    {kPageZoneRanges[3], kCmdPage4},
    {kPageZoneRanges[4], kCmdPage5},
    {"&Next Page", kCmdNextPage, "Ctrl+PgDown"},
    {"&Previous Page", kCmdPreviousPage, "Ctrl+PgUp"},
    {"&House Loads", kCmdHouseView, "Ctrl+H"},
    {"Copy &Criteria to All Pages", kCmdCopyCriteria},
    {"&Zone Details...", kCmdZoneDetails, "Ctrl+D"},
    {"House &Air and People...", kCmdAirAndPeople},
    {"House &Equipment...", kCmdEquipment},
    {"&Ducts...", kCmdDucts},
}};

// On and Off are the two choices of one mode: the one in force carries the
// mark.
constexpr std::array<MenuEntry, 2> kSpreadsheetEntries = {{
    {"&On", kCmdSpreadsheetOn, {}, true},
    {"O&ff", kCmdSpreadsheetOff, {}, true},
}};

// The projects last opened or saved, newest first. The program writes the
// entries' texts and hides those it has no project for.
constexpr std::array<MenuEntry, kRecentProjectEntries + 2> kRecentEntries = [] {
  constexpr std::array<std::string_view, kRecentProjectEntries> kNumbers = {"&1", "&2", "&3", "&4",
                                                                            "&5", "&6", "&7", "&8"};
  std::array<MenuEntry, kRecentProjectEntries + 2> entries{};
  for (int n = 0; n < kRecentProjectEntries; ++n) entries[n] = {kNumbers[n], kCmdRecentProject1 + n};
  entries[kRecentProjectEntries] = {{}, kMenuSeparator};
  entries[kRecentProjectEntries + 1] = {"&Clear List", kCmdClearRecent};
  return entries;
}();

// The file commands carry the keys that desktop programs give them.
constexpr std::array<MenuEntry, 7> kFileEntries = {{
    {"&New", kCmdNew, "Ctrl+N"},
    {"&Open", kCmdOpen, "Ctrl+O"},
    {"Open &Recent", kCmdRecentMenu, {}, false, kRecentEntries},
    {"&Save", kCmdSave, "Ctrl+S"},
    {"Save &As", kCmdSaveAs, "Ctrl+Shift+S"},
    {"Project &Details...", kCmdProjectDetails},
    {"&Export Report...", kCmdExportReport, "Ctrl+E"},
}};

// Undo and Redo name the change they take back; the program writes their
// texts and greys them when there is none.
constexpr std::array<MenuEntry, 2> kEditEntries = {{
    {"&Undo", kCmdUndo, "Ctrl+Z"},
    {"&Redo", kCmdRedo, "Ctrl+Shift+Z; Ctrl+Y"},
}};

// The menu bar in display order. Calculate, Help, Print and Exit are
// commands of the bar itself; their keys work from anywhere in the window.
// Edit takes D for its letter: Alt+E is Exit.
constexpr std::array<MenuTopItem, 8> kMenuBar = {{
    {"&Zones", kCmdZonesMenu, kZonesEntries},
    {"&Spreadsheet", kCmdSpreadsheetMenu, kSpreadsheetEntries},
    {"&Calculate", kCmdCalculate, {}, "F9"},
    {"&File", kCmdFileMenu, kFileEntries},
    {"E&dit", kCmdEditMenu, kEditEntries},
    {"&Help", kCmdHelp, {}, "F1"},
    {"&Print", kCmdPrint, {}, "Ctrl+P"},
    {"&Exit", kCmdExit, {}, "Ctrl+Q"},
}};

}  // namespace

const DialogResource& inputScreen() {
  static constexpr DialogResource dialog{kInputScreenId, kInputScreenWidth, kInputScreenHeight, kControls,
                                         kInitialLists, kCheckedButtons};
  return dialog;
}

const MenuResource& mainMenu() {
  static constexpr MenuResource menu{kMainMenuId, kMenuBar};
  return menu;
}

}  // namespace kovrin
