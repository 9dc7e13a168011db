#include "screen/form.h"

#include <string>

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

// Every zone column, column 9 included, holds single-precision values, so
// that all accept and show the same values.
constexpr ControlDef gridReal(int id, int column, int y) { return realEdit(id, columnX(column), y); }
// The band between the criteria and the grid holds the zones' names, one
// field over each column, and each zone's number in the gap to the left of
// its name.
constexpr int kZoneNumberWidth = 9;
constexpr ControlDef zoneNumberLabel(int column) {
  return label(kFirstZoneNumberLabel + column - 1, columnX(column) - kZoneNumberWidth - 1, kZoneNameY,
               kZoneNumberWidth, "", kRightText);
}
constexpr ControlDef zoneNameEdit(int column) {
  return {zoneNameField(column), ControlKind::TextEdit, columnX(column), kZoneNameY, kFieldWidth,
          kFieldHeight, "", 0};
}
constexpr ControlDef partition(int id, int column) {
  return integerEdit(id, columnX(column), kPartitionY, "0");
}
constexpr ControlDef direction(int id, int column) {
  return list(id, columnX(column), kDirectionY, kFieldWidth, 80);
}
// Results of the page calculation: only the program writes them.
constexpr ControlDef result(int id, int column, int y) {
  return {id, ControlKind::IntegerEdit, resultX(column), y, kResultWidth, kFieldHeight, "", kDisabled};
}

// The 184 controls in tab order. Labels, group boxes and the fields that are
// not tab stops stand where they read best; they do not take part in it.
constexpr std::array<ControlDef, kInputScreenControls> kBareControls = {{
    // General criteria: design temperatures and daily range, reached with
    // the mouse only.
    groupBox(1167, 10, 5, 90, 56, "Design Temps"),
    integerEdit(1005, 21, 20, "93", kNoTabStop),
    label(1168, 57, 20, 30, "Summer"),
    integerEdit(1026, 21, 32, "28", kNoTabStop),
    label(1169, 57, 32, 30, "Winter"),
    list(1171, 21, 43, 30, 50, kNoTabStop),
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
    integerEdit(1036, 359, 27, "78"),
    integerEdit(1038, 359, 42, "65"),
    realEdit(1004, 408, 27),
    realEdit(1037, 409, 41),

    // The zone numbers above the ten columns, written for the page on
    // screen, and the caption of the TOTALS row, written with every
    // calculation. The names' fields come last in the tab order.
    label(kZoneNameCaption, kRowCaptionX, kZoneNameY, 40, "Zone, name"),
    zoneNumberLabel(1),
    zoneNumberLabel(2),
    zoneNumberLabel(3),
    zoneNumberLabel(4),
    zoneNumberLabel(5),
    zoneNumberLabel(6),
    zoneNumberLabel(7),
    zoneNumberLabel(8),
    zoneNumberLabel(9),
    zoneNumberLabel(10),
    label(kLoadCaptionLabel, kResultCaptionX, kLoadCaptionY, kLoadCaptionWidth, ""),

    // Row captions of the zone grid.
    label(1025, kGroupCaptionX, 82, kGroupCaptionWidth, "Doors"),
    label(1027, kRowCaptionX, kDoorUY, 40, "U-value"),
    label(1136, kRowCaptionX, kDoorAreaY, 40, "Area"),
    label(1006, kGroupCaptionX, 119, kGroupCaptionWidth, "Floor"),
    label(1008, kRowCaptionX, kFloorUY, 40, "U-value"),
    label(1007, kRowCaptionX, kFloorAreaY, 40, "Area"),
    label(1009, kGroupCaptionX, 156, kGroupCaptionWidth, "Roof"),
    label(1024, kRowCaptionX, kRoofUY, 40, "U-value"),
    label(1010, kRowCaptionX, kRoofAreaY, 40, "Area"),
    label(1014, kGroupCaptionX, 193, kGroupCaptionWidth, "Walls"),
    label(1015, kRowCaptionX, kWallUY, 40, "U-value"),
    label(1017, kRowCaptionX, kWallAreaY, 40, "Area"),
    label(1018, kRowCaptionX, kPartitionY, 42, "( Partition )"),
    label(1001, 246, 210, 84, "Temperature Difference ="),
    label(1019, kGroupCaptionX, 240, kGroupCaptionWidth, "Glass"),
    label(1020, kRowCaptionX, kGlassTypeY, 40, "Type"),
    label(1022, kRowCaptionX, kGlassUY, 40, "U-value"),
    label(1023, kRowCaptionX, kGlassAreaY, 40, "Area"),
    label(1021, kRowCaptionX, 273, 42, "Direction"),

    // Zone column 1 down to the wall area.
    gridReal(1002, 1, kDoorUY),
    gridReal(1003, 1, kDoorAreaY),
    gridReal(1012, 1, kFloorUY),
    gridReal(1031, 1, kFloorAreaY),
    gridReal(1039, 1, kRoofUY),
    gridReal(1040, 1, kRoofAreaY),
    gridReal(1041, 1, kWallUY),
    gridReal(1042, 1, kWallAreaY),

    // The glass lists shared by all zones, then the Heating/Cooling group.
    // The Cooling button has no text: its caption is the label beside it,
    // so that only the small button reacts to a click.
    list(1043, 100, kGlassTypeY, 82, 64),
    list(1044, 211, kGlassTypeY, 118, 64),
    list(1045, 354, kGlassTypeY, 106, 70),
    radio(1046, 450, 42, 40, 8, "Heating", kGroupStart),
    radio(1047, 450, 28, 10, 7, ""),
    label(1172, 462, 28, 26, "Cooling"),

    // The rest of zone column 1.
    gridReal(1048, 1, kGlassUY),
    gridReal(1049, 1, kGlassAreaY),
    direction(1050, 1),

    // Zone columns 2..10, each from top to bottom.
    gridReal(1051, 2, kDoorUY + 1),
    gridReal(1052, 2, kDoorAreaY),
    gridReal(1053, 2, kFloorUY),
    gridReal(1054, 2, kFloorAreaY),
    gridReal(1055, 2, kRoofUY),
    gridReal(1056, 2, kRoofAreaY),
    gridReal(1057, 2, kWallUY),
    gridReal(1058, 2, kWallAreaY),
    gridReal(1059, 2, kGlassUY),
    gridReal(1060, 2, kGlassAreaY),
    direction(1061, 2),

    gridReal(1062, 3, kDoorUY),
    gridReal(1063, 3, kDoorAreaY),
    gridReal(1064, 3, kFloorUY),
    gridReal(1065, 3, kFloorAreaY),
    gridReal(1066, 3, kRoofUY),
    gridReal(1067, 3, kRoofAreaY),
    gridReal(1068, 3, kWallUY),
    gridReal(1069, 3, kWallAreaY),
    gridReal(1070, 3, kGlassUY),
    gridReal(1071, 3, kGlassAreaY),
    direction(1072, 3),

    gridReal(1073, 4, kDoorUY),
    gridReal(1074, 4, kDoorAreaY),
    gridReal(1075, 4, kFloorUY),
    gridReal(1076, 4, kFloorAreaY),
    gridReal(1077, 4, kRoofUY),
    gridReal(1078, 4, kRoofAreaY),
    gridReal(1079, 4, kWallUY),
    gridReal(1080, 4, kWallAreaY),
    gridReal(1081, 4, kGlassUY),
    gridReal(1082, 4, kGlassAreaY),
    direction(1083, 4),

    gridReal(1084, 5, kDoorUY),
    gridReal(1085, 5, kDoorAreaY),
    gridReal(1086, 5, kFloorUY),
    gridReal(1087, 5, kFloorAreaY),
    gridReal(1088, 5, kRoofUY),
    gridReal(1089, 5, kRoofAreaY),
    gridReal(1090, 5, kWallUY),
    gridReal(1091, 5, kWallAreaY),
    gridReal(1092, 5, kGlassUY),
    gridReal(1093, 5, kGlassAreaY),
    direction(1094, 5),

    gridReal(1095, 6, kDoorUY),
    gridReal(1096, 6, kDoorAreaY),
    gridReal(1097, 6, kFloorUY),
    gridReal(1098, 6, kFloorAreaY),
    gridReal(1099, 6, kRoofUY),
    gridReal(1100, 6, kRoofAreaY),
    gridReal(1101, 6, kWallUY),
    gridReal(1102, 6, kWallAreaY),
    gridReal(1103, 6, kGlassUY),
    gridReal(1104, 6, kGlassAreaY),
    direction(1105, 6),

    gridReal(1106, 7, kDoorUY),
    gridReal(1107, 7, kDoorAreaY),
    gridReal(1108, 7, kFloorUY),
    gridReal(1109, 7, kFloorAreaY),
    gridReal(1110, 7, kRoofUY),
    gridReal(1111, 7, kRoofAreaY),
    gridReal(1112, 7, kWallUY),
    gridReal(1113, 7, kWallAreaY),
    partition(1114, 7),
    gridReal(1115, 7, kGlassUY),
    gridReal(1116, 7, kGlassAreaY),
    direction(1117, 7),

    gridReal(1118, 8, kDoorUY),
    gridReal(1119, 8, kDoorAreaY),
    gridReal(1120, 8, kFloorUY),
    gridReal(1121, 8, kFloorAreaY),
    gridReal(1122, 8, kRoofUY + 1),
    gridReal(1123, 8, kRoofAreaY),
    gridReal(1124, 8, kWallUY),
    gridReal(1125, 8, kWallAreaY),
    partition(1126, 8),
    gridReal(1127, 8, kGlassUY),
    gridReal(1128, 8, kGlassAreaY),
    direction(1129, 8),

    gridReal(1130, 9, kDoorUY + 1),
    gridReal(1131, 9, kDoorAreaY),
    gridReal(1132, 9, kFloorUY),
    gridReal(1133, 9, kFloorAreaY),
    gridReal(1134, 9, kRoofUY),
    gridReal(1135, 9, kRoofAreaY),
    gridReal(1137, 9, kWallUY),
    gridReal(1138, 9, kWallAreaY),
    partition(1139, 9),
    gridReal(1140, 9, kGlassUY),
    gridReal(1141, 9, kGlassAreaY),
    direction(1142, 9),

    gridReal(1143, 10, kDoorUY),
    gridReal(1144, 10, kDoorAreaY),
    gridReal(1145, 10, kFloorUY),
    gridReal(1146, 10, kFloorAreaY),
    gridReal(1147, 10, kRoofUY),
    gridReal(1148, 10, kRoofAreaY),
    gridReal(1149, 10, kWallUY),
    gridReal(1150, 10, kWallAreaY),
    partition(1151, 10),
    gridReal(1152, 10, kGlassUY),
    gridReal(1153, 10, kGlassAreaY),
    direction(1154, 10),

    // TOTALS: the zone loads and their page total, written by the page
    // calculation.
    label(1166, kResultCaptionX, kTotalsY, 30, "TOTALS"),
    {1165, ControlKind::IntegerEdit, kPageFieldX, kTotalsY, kPageFieldWidth, kFieldHeight, "",
     kDisabled},
    result(1155, 1, kTotalsY),
    result(1156, 2, kTotalsY),
    result(1157, 3, kTotalsY),
    result(1158, 4, kTotalsY),
    result(1159, 5, kTotalsY),
    result(1160, 6, kTotalsY),
    result(1161, 7, kTotalsY),
    result(1162, 8, kTotalsY),
    result(1163, 9, kTotalsY),
    result(1164, 10, kTotalsY),

    // "CFM or %": each zone's share of the total airflow typed in 1184, the
    // last tab stop of the form.
    label(1175, kResultCaptionX, kAirY, 32, "CFM or %"),
    result(1173, 1, kAirY),
    result(1174, 2, kAirY),
    result(1176, 3, kAirY),
    result(1177, 4, kAirY),
    result(1178, 5, kAirY),
    result(1179, 6, kAirY),
    result(1180, 7, kAirY),
    result(1181, 8, kAirY),
    result(1182, 9, kAirY),
    result(1183, 10, kAirY),
    {1184, ControlKind::IntegerEdit, kPageFieldX, kAirY, kPageFieldWidth, kFieldHeight, "100", 0},

    // The zones' names, after the Tab key has been through every value.
    zoneNameEdit(1),
    zoneNameEdit(2),
    zoneNameEdit(3),
    zoneNameEdit(4),
    zoneNameEdit(5),
    zoneNameEdit(6),
    zoneNameEdit(7),
    zoneNameEdit(8),
    zoneNameEdit(9),
    zoneNameEdit(10),
}};

// Every numeric field carries what it holds and its unit, from the same
// tables that tie the fields to the model.
constexpr std::array<ControlDef, kInputScreenControls> describe(std::array<ControlDef, kInputScreenControls> controls) {
  for (ControlDef& control : controls) {
    const FieldDescription description = fieldDescription(control.id);
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

// The extra data of the form, in its text format: three sections, every line
// ending in a blank and a line feed.
std::string makeExtraData() {
  std::string text = "[Checks] \n";
  for (const InitialButtonState& check : kInitialChecks) {
    text += std::to_string(check.field) + ' ' + std::to_string(check.state) + " \n";
  }
  text += "[Menus] \n";
  const ProjectTables defaults = defaultProject();
  for (int item = 1; item <= kListSelectionItems; ++item) {
    const auto& [field, entries] = listField(item);
    text += std::to_string(field) + ' ' + std::to_string(entries.size()) + ' ' +
            std::to_string(defaults.selection(item)) + " \n";
    for (const std::string_view entry : entries) {
      text += entry;
      text += " \n";
    }
  }
  text += "[Ranges] \n";
  return text;
}

// The five pages, then all fifty zones at once in the house view.
constexpr std::array<MenuEntry, kPages + 1> kZonesEntries = {{
    {kPageZoneRanges[0], kCmdPage1},
    {kPageZoneRanges[1], kCmdPage2},
    {kPageZoneRanges[2], kCmdPage3},
    {kPageZoneRanges[3], kCmdPage4},
    {kPageZoneRanges[4], kCmdPage5},
    {"&House Loads", kCmdHouseView, "Ctrl+H"},
}};

// On and Off are the two choices of one mode: the one in force carries the
// mark.
constexpr std::array<MenuEntry, 2> kSpreadsheetEntries = {{
    {"&On", kCmdSpreadsheetOn, {}, true},
    {"O&ff", kCmdSpreadsheetOff, {}, true},
}};

// The file commands carry the keys that desktop programs give them.
constexpr std::array<MenuEntry, 6> kFileEntries = {{
    {"&New", kCmdNew, "Ctrl+N"},
    {"&Open", kCmdOpen, "Ctrl+O"},
    {"&Save", kCmdSave, "Ctrl+S"},
    {"Save &As", kCmdSaveAs, "Ctrl+Shift+S"},
    {"Project &Details...", kCmdProjectDetails},
    {"&Export Report...", kCmdExportReport, "Ctrl+E"},
}};

// The menu bar in display order. Calculate, Help, Print and Exit are
// commands of the bar itself; their keys work from anywhere in the window.
constexpr std::array<MenuTopItem, 7> kMenuBar = {{
    {"&Zones", kCmdZonesMenu, kZonesEntries},
    {"&Spreadsheet", kCmdSpreadsheetMenu, kSpreadsheetEntries},
    {"&Calculate", kCmdCalculate, {}, "F9"},
    {"&File", kCmdFileMenu, kFileEntries},
    {"&Help", kCmdHelp, {}, "F1"},
    {"&Print", kCmdPrint, {}, "Ctrl+P"},
    {"&Exit", kCmdExit, {}, "Ctrl+Q"},
}};

}  // namespace

const DialogResource& inputScreen() {
  static const std::string extraData = makeExtraData();
  static const DialogResource dialog{kInputScreenId, kInputScreenWidth, kInputScreenHeight,
                                     kControls, extraData};
  return dialog;
}

const MenuResource& mainMenu() {
  static constexpr MenuResource menu{kMainMenuId, kMenuBar};
  return menu;
}

}  // namespace kovrin
