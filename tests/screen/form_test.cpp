// The form, menu, field and range tables checked against each other and
// against the layout as written down for the screen, without any widgets.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "screen/fieldtables.h"
#include "screen/form.h"
#include "screen/ranges.h"
#include "screen/commands.h"

namespace kovrin {
namespace {

const ControlDef* findControl(int id) {
  for (const ControlDef& c : inputScreen().controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

bool isField(ControlKind kind) {
  return kind != ControlKind::Label && kind != ControlKind::GroupBox;
}

// Grid layout as drawn: field column x of zone columns 1..10 and row y of
// each zone quantity.
constexpr std::array<int, 10> kColumnX = {100, 140, 180, 220, 260, 300, 340, 380, 420, 460};
constexpr std::array<int, 10> kQuantityY = {76, 88, 113, 125, 150, 162, 185, 197, 248, 260};

TEST(FormTest, DialogHasEveryIdentifierExactlyOnce) {
  const DialogResource& dialog = inputScreen();
  EXPECT_EQ(dialog.id, 101);
  EXPECT_EQ(dialog.width, 532);
  EXPECT_EQ(dialog.height, 323);
  // The 184 controls, then ten zone number labels, the TOTALS caption, ten
  // zone names and their caption.
  ASSERT_EQ(dialog.controls.size(), 206u);
  std::map<int, int> seen;
  for (const ControlDef& c : dialog.controls) ++seen[c.id];
  for (int id = 1001; id <= 1206; ++id) {
    EXPECT_EQ(seen[id], 1) << "identifier " << id;
  }
  EXPECT_EQ(seen.size(), 206u);
}

TEST(FormTest, TabOrderFollowsTheControlsArray) {
  // clang-format off
  const std::vector<int> expected = {
      1033, 1034, 1035, 1036, 1038, 1004, 1037,
      1002, 1003, 1012, 1031, 1039, 1040, 1041, 1042,
      1043, 1044, 1045,
      1046, 1047,
      1048, 1049, 1050,
      1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060, 1061,
      1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069, 1070, 1071, 1072,
      1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081, 1082, 1083,
      1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093, 1094,
      1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104, 1105,
      1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117,
      1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129,
      1130, 1131, 1132, 1133, 1134, 1135, 1137, 1138, 1139, 1140, 1141, 1142,
      1143, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1151, 1152, 1153, 1154,
      1184,
      1196, 1197, 1198, 1199, 1200, 1201, 1202, 1203, 1204, 1205,  // the zones' names
  };
  // clang-format on
  std::vector<int> tabStops;
  for (const ControlDef& c : inputScreen().controls) {
    if (isField(c.kind) && (c.flags & (kNoTabStop | kDisabled)) == 0) tabStops.push_back(c.id);
  }
  EXPECT_EQ(tabStops, expected);
}

TEST(FormTest, OnlyTheStatedControlsCarryFlags) {
  std::set<int> noTabStop, disabledFields, greyLabels, groupStarts;
  for (const ControlDef& c : inputScreen().controls) {
    if (c.flags & kNoTabStop) noTabStop.insert(c.id);
    if ((c.flags & kDisabled) && isField(c.kind)) disabledFields.insert(c.id);
    if ((c.flags & kDisabled) && c.kind == ControlKind::Label) greyLabels.insert(c.id);
    if (c.flags & kGroupStart) groupStarts.insert(c.id);
  }
  EXPECT_EQ(noTabStop, (std::set<int>{1005, 1026, 1171}));
  std::set<int> results = {1165, 1173, 1174};
  for (int id = 1155; id <= 1164; ++id) results.insert(id);
  for (int id = 1176; id <= 1183; ++id) results.insert(id);
  EXPECT_EQ(disabledFields, results);
  EXPECT_EQ(greyLabels, std::set<int>{}) << "every label is drawn as ordinary text";
  EXPECT_EQ(groupStarts, std::set<int>{1046});
}

// The radio group must be contiguous, or the toolkit would split it.
TEST(FormTest, RadioButtonsAreAdjacentHeatingFirst) {
  const auto controls = inputScreen().controls;
  const auto heating = std::find_if(controls.begin(), controls.end(),
                                    [](const ControlDef& c) { return c.id == kHeatingButton; });
  ASSERT_NE(heating, controls.end());
  ASSERT_NE(heating + 1, controls.end());
  EXPECT_EQ((heating + 1)->id, kCoolingButton);
  EXPECT_EQ(std::count_if(controls.begin(), controls.end(),
                          [](const ControlDef& c) { return c.kind == ControlKind::RadioButton; }),
            2);
}

// Controls whose place the layout states outright; the fields of the model
// rows are checked with the grid below.
TEST(FormTest, StatedControlsHaveTheirKindPositionTextAndFlags) {
  struct Row {
    int id;
    ControlKind kind;
    int x, y, width, height;
    std::string_view text;
    unsigned flags;
  };
  using K = ControlKind;
  const Row rows[] = {
      {1167, K::GroupBox, 10, 5, 90, 56, "Design Temps", 0},
      {1168, K::Label, 57, 20, 30, 8, "Summer", 0},
      {1169, K::Label, 57, 32, 30, 8, "Winter", 0},
      {1171, K::DropDownList, 21, 43, 30, 50, "", kNoTabStop},
      {1170, K::Label, 57, 46, 30, 8, "Range", 0},
      {1013, K::Label, 131, 4, 98, 8, "General Construction Criteria", 0},
      {1033, K::DropDownList, 128, 16, 105, 40, "", 0},
      {1016, K::Label, 241, 18, 42, 8, "Walls/Doors", 0},
      {1028, K::Label, 241, 34, 42, 8, "Ceiling/Roof", 0},
      {1035, K::DropDownList, 128, 48, 105, 56, "", 0},
      {1032, K::Label, 241, 50, 40, 8, "Floors", 0},
      {1011, K::GroupBox, 306, 8, 190, 51,
       "    Thermostat Settings       Duct Multipliers     Loads", 0},
      {1030, K::Label, 313, 27, 30, 8, "Summer", 0},
      {1029, K::Label, 313, 42, 26, 8, "Winter", 0},
      {1004, K::RealEdit, 408, 27, 30, 8, "0.0", 0},
      {1037, K::RealEdit, 409, 41, 30, 8, "0.0", 0},
      {1047, K::RadioButton, 450, 28, 10, 7, "", 0},
      {1172, K::Label, 462, 28, 26, 8, "Cooling", 0},
      {1046, K::RadioButton, 450, 42, 40, 8, "Heating", kGroupStart},
      {1043, K::DropDownList, 100, 232, 82, 64, "", 0},
      {1044, K::DropDownList, 211, 232, 118, 64, "", 0},
      {1045, K::DropDownList, 354, 232, 106, 70, "", 0},
      {1025, K::Label, 12, 82, 22, 8, "Doors", 0},
      {1019, K::Label, 12, 240, 22, 8, "Glass", 0},
      {1027, K::Label, 47, 76, 40, 8, "U-value", 0},
      {1136, K::Label, 47, 88, 40, 8, "Area", 0},
      {1018, K::Label, 47, 209, 42, 8, "( Partition )", 0},
      {1001, K::Label, 246, 210, 84, 8, "Temperature Difference =", 0},
      {1020, K::Label, 47, 232, 40, 8, "Type", 0},
      {1021, K::Label, 47, 273, 42, 8, "Direction", 0},
      {1166, K::Label, 6, 293, 30, 8, "TOTALS", 0},
      {1175, K::Label, 6, 304, 32, 8, "CFM or %", 0},
      {1160, K::IntegerEdit, 302, 293, 32, 8, "", kDisabled},
      {1179, K::IntegerEdit, 302, 304, 32, 8, "", kDisabled},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    const ControlDef* c = findControl(row.id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, row.kind);
    EXPECT_EQ((std::array{c->x, c->y, c->width, c->height}),
              (std::array{row.x, row.y, row.width, row.height}));
    EXPECT_EQ(c->text, row.text);
    EXPECT_EQ(c->flags, row.flags);
  }
}

// The field tables of the model rows against the grid drawing: a field
// that shows the wrong row would sit in the wrong place.
TEST(FormTest, ZoneQuantityFieldsSitInTheirGridCell) {
  for (int column = 1; column <= 10; ++column) {
    for (int q = 0; q < kZoneQuantities; ++q) {
      const auto quantity = static_cast<ZoneQuantity>(q);
      const int id = realRowField(realRow(column, quantity));
      SCOPED_TRACE(testing::Message() << "column " << column << " quantity " << q << " id " << id);
      ASSERT_EQ(id, zoneField(column, quantity));
      const ControlDef* c = findControl(id);
      ASSERT_NE(c, nullptr);
      // Three fields sit one unit below their row.
      const int shift = (id == 1051 || id == 1130 || id == 1122) ? 1 : 0;
      EXPECT_EQ(c->x, kColumnX[column - 1]);
      EXPECT_EQ(c->y, kQuantityY[q] + shift);
      EXPECT_EQ(c->width, 30);
      EXPECT_EQ(c->height, 8);
      EXPECT_EQ(c->text, "0.0");
      EXPECT_EQ(c->kind, ControlKind::RealEdit);
    }
    const ControlDef* list = findControl(listField(sel::GlassDirection(column)).field);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->id, kZoneColumnFields[column - 1].glassDirection);
    EXPECT_EQ(list->kind, ControlKind::DropDownList);
    EXPECT_EQ((std::array{list->x, list->y, list->width, list->height}),
              (std::array{kColumnX[column - 1], 272, 30, 80}));
  }
}

TEST(FormTest, IntegerRowFieldsSitInTheirGridCell) {
  struct Cell {
    int row;
    int x, y, width;
    std::string_view text;
  };
  std::vector<Cell> cells = {
      {irow::SummerThermostat, 359, 27, 30, "78"},  {irow::WinterThermostat, 359, 42, 30, "65"},
      {irow::SummerDesignTemp, 21, 20, 30, "93"},   {irow::WinterDesignTemp, 21, 32, 30, "28"},
      {irow::PageLoadTotal, 42, 293, 40, ""},        {irow::PageAirTotal, 42, 304, 40, "100"},
  };
  for (int column = 1; column <= 10; ++column) {
    const int resultX = column == 6 ? 302 : kColumnX[column - 1];
    cells.push_back({irow::ZoneLoad(column), resultX, 293, 32, ""});
    cells.push_back({irow::ZoneAirShare(column), resultX, 304, 32, ""});
    if (column >= 7) cells.push_back({irow::PartitionDT(column), kColumnX[column - 1], 209, 30, "0"});
  }
  ASSERT_EQ(cells.size(), 30u);
  for (const Cell& cell : cells) {
    const int id = integerRowField(cell.row);
    SCOPED_TRACE(testing::Message() << "row " << cell.row << " id " << id);
    const ControlDef* c = findControl(id);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, ControlKind::IntegerEdit);
    EXPECT_EQ((std::array{c->x, c->y, c->width, c->height}),
              (std::array{cell.x, cell.y, cell.width, 8}));
    EXPECT_EQ(c->text, cell.text);
  }
}

// Every field of the form is reached by the transfer, and by one model
// item only; ReservedSlot has no field.
TEST(FormTest, EveryFieldBelongsToExactlyOneModelItem) {
  std::map<int, int> uses;
  for (int row = 1; row <= kPageIntegerRows; ++row) ++uses[integerRowField(row)];
  for (int row = 1; row <= kPageRealRows; ++row) {
    if (row == rrow::ReservedSlot) {
      EXPECT_EQ(realRowField(row), kNoField);
    } else {
      ++uses[realRowField(row)];
    }
  }
  for (int item = 1; item <= kListSelectionItems; ++item) ++uses[listField(item).field];
  for (int c = 1; c <= kZoneColumns; ++c) ++uses[zoneNameField(c)];
  ++uses[kHeatingButton];
  ++uses[kCoolingButton];
  for (const ControlDef& c : inputScreen().controls) {
    if (!isField(c.kind)) continue;
    EXPECT_EQ(uses[c.id], 1) << "field " << c.id;
  }
  EXPECT_EQ(uses.size(), 30u + 102u + 17u + 2u + 10u);
  EXPECT_EQ(findControl(realRowField(rrow::SummerDuctMultiplier))->id, 1004);
  EXPECT_EQ(findControl(realRowField(rrow::WinterDuctMultiplier))->id, 1037);
}

TEST(FormTest, RealRowsHaveTheirDisplayFormat) {
  const struct {
    int row;
    std::string_view format;
  } rows[] = {
      {1, "(F3.2)"},  {2, "(F3.2)"},  {3, "(F5.3)"},   {4, "(F5.0)"},   {9, "(F5.3)"},
      {10, "(F5.0)"}, {12, "(F5.3)"}, {13, "(F5.0)"},  {14, "(F5.3)"},  {15, "(F5.0)"},
      {22, "(F5.3)"}, {23, "(F5.0)"}, {84, "(F5.3)"},  {91, "(F5.0)"},  {102, "(F5.3)"},
      {103, "(F5.0)"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(realRowFormat(r.row), r.format);
  }
}

// The extra data, parsed as the toolkit reads it.
struct ParsedExtraData {
  std::map<int, int> checks;
  struct Menu {
    int count = 0;
    int selected = 0;
    std::vector<std::string> items;
  };
  std::map<int, Menu> menus;
  std::vector<std::string> sections;
  bool linesEndInBlank = true;
};

ParsedExtraData parseExtraData(std::string_view text) {
  ParsedExtraData parsed;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      parsed.linesEndInBlank = false;  // last line without a line feed
      break;
    }
    std::string line(text.substr(start, end - start));
    if (line.empty() || line.back() != ' ') parsed.linesEndInBlank = false;
    if (!line.empty()) line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  std::string section;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty() && lines[i].front() == '[') {
      section = lines[i];
      parsed.sections.push_back(section);
      continue;
    }
    std::istringstream in(lines[i]);
    if (section == "[Checks]") {
      int id = 0, state = 0;
      in >> id >> state;
      parsed.checks[id] = state;
    } else if (section == "[Menus]") {
      int id = 0;
      ParsedExtraData::Menu menu;
      in >> id >> menu.count >> menu.selected;
      for (int k = 0; k < menu.count && i + 1 < lines.size(); ++k) menu.items.push_back(lines[++i]);
      parsed.menus[id] = menu;
    }
  }
  return parsed;
}

TEST(FormTest, ExtraDataGivesTheInitialListsAndButtons) {
  const ParsedExtraData parsed = parseExtraData(inputScreen().extraData);
  EXPECT_TRUE(parsed.linesEndInBlank);
  EXPECT_EQ(parsed.sections, (std::vector<std::string>{"[Checks]", "[Menus]", "[Ranges]"}));
  EXPECT_TRUE(inputScreen().extraData.ends_with("[Ranges] \n"));
  EXPECT_EQ(parsed.checks, (std::map<int, int>{{1046, 0}, {1047, 1}}));

  const std::vector<std::string> directions = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
  const struct {
    int id;
    int selected;
    std::vector<std::string> items;
  } lists[] = {
      {1171, 2, {"L", "M", "H"}},
      {1033, 1, {"Wood frame + veneer", "Masonry, block, brick"}},
      {1034, 1, {"Vented attic, dark roof", "Vented attic, light roof",
                 "Built up dark roof, no ceiling", "Built up light roof, no ceiling"}},
      {1035, 1, {"Concrete slab", "Over basement", "Over enclosed crawl space",
                 "Over unconditioned rooms", "Over open crawl space"}},
      {1043, 1, {"Single pane", "Single + low e", "Double pane", "Double + low e", "Triple pane"}},
      {1044, 2, {"No internal shading", "Draperies, venetian blinds", "Roller blades 1/2 drawn"}},
      {1045, 1, {"No external shade screen", "Shade coefficient = 0.25"}},
      {1050, 1, directions}, {1061, 2, directions}, {1072, 3, directions},
      {1083, 4, directions}, {1094, 5, directions}, {1105, 6, directions},
      {1117, 7, directions}, {1129, 8, directions}, {1142, 1, directions},
      {1154, 2, directions},
  };
  EXPECT_EQ(parsed.menus.size(), std::size(lists));
  for (const auto& list : lists) {
    SCOPED_TRACE(list.id);
    const auto it = parsed.menus.find(list.id);
    ASSERT_NE(it, parsed.menus.end());
    EXPECT_EQ(it->second.count, static_cast<int>(list.items.size()));
    EXPECT_EQ(it->second.selected, list.selected);
    EXPECT_EQ(it->second.items, list.items);
  }
  // The entries the transfer writes are the same texts.
  for (int item = 1; item <= kListSelectionItems; ++item) {
    const SelectionList& field = listField(item);
    SCOPED_TRACE(field.field);
    const auto& menu = parsed.menus.at(field.field);
    EXPECT_EQ(std::vector<std::string>(field.entries.begin(), field.entries.end()), menu.items);
  }
}

TEST(FormTest, MenuBarInDisplayOrder) {
  const MenuResource& menu = mainMenu();
  EXPECT_EQ(menu.id, 30001);
  std::vector<std::pair<std::string, int>> flat;
  for (const MenuTopItem& top : menu.items) {
    flat.emplace_back(std::string(top.text), top.id);
    for (const MenuEntry& entry : top.entries) flat.emplace_back("  > " + std::string(entry.text), entry.id);
  }
  const std::vector<std::pair<std::string, int>> expected = {
      {"&Zones", 40009},       {"  >   1 -> 10", 40010}, {"  > 11 -> 20", 40011},
      {"  > 21 -> 30", 40012}, {"  > 31 -> 40", 40013},  {"  > 41 -> 50", 40014},
      {"  > &House Loads", 40019},
      {"&Spreadsheet", 40015}, {"  > &On", 40018},       {"  > O&ff", 40017},
      {"&Calculate", 40016},   {"&File", 40003},         {"  > &New", 40008},
      {"  > &Open", 40007},    {"  > &Save", 40006},     {"  > Save &As", 40005},
      {"  > Project &Details...", 40021}, {"  > &Export Report...", 40020},
      {"&Help", 40004},        {"&Print", 40002},        {"&Exit", 40001},
  };
  EXPECT_EQ(flat, expected);
  EXPECT_EQ(kCmdPage1 + 4, kCmdPage5);
}

TEST(FormTest, RangesInDeclarationOrder) {
  const std::vector<std::array<int, 3>> integers = {
      {1036, 60, 100}, {1038, 50, 80}, {1114, 0, 60}, {1126, 0, 60},
      {1139, 0, 60},   {1151, 0, 60},  {1005, 50, 100}, {1026, -20, 80},
  };
  ASSERT_EQ(kIntegerRanges.size(), integers.size());
  for (std::size_t i = 0; i < integers.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ((std::array{kIntegerRanges[i].field, kIntegerRanges[i].minimum,
                          kIntegerRanges[i].maximum}),
              integers[i]);
  }

  // The grid rows as the range table lists them: identifiers of columns
  // 1..10, then the maximum (every minimum is 0).
  const struct {
    std::array<int, 10> ids;
    float maximum;
  } rows[] = {
      {{1002, 1051, 1062, 1073, 1084, 1095, 1106, 1118, 1130, 1143}, 2.0f},
      {{1003, 1052, 1063, 1074, 1085, 1096, 1107, 1119, 1131, 1144}, 200.0f},
      {{1012, 1053, 1064, 1075, 1086, 1097, 1108, 1120, 1132, 1145}, 2.0f},
      {{1031, 1054, 1065, 1076, 1087, 1098, 1109, 1121, 1133, 1146}, 10000.0f},
      {{1039, 1055, 1066, 1077, 1088, 1099, 1110, 1122, 1134, 1147}, 2.0f},
      {{1040, 1056, 1067, 1078, 1089, 1100, 1111, 1123, 1135, 1148}, 10000.0f},
      {{1041, 1057, 1068, 1079, 1090, 1101, 1112, 1124, 1137, 1149}, 2.0f},
      {{1042, 1058, 1069, 1080, 1091, 1102, 1113, 1125, 1138, 1150}, 2000.0f},
      {{1048, 1059, 1070, 1081, 1092, 1103, 1115, 1127, 1140, 1152}, 2.0f},
      {{1049, 1060, 1071, 1082, 1093, 1104, 1116, 1128, 1141, 1153}, 400.0f},
  };
  ASSERT_EQ(kRealRanges.size(), 100u);
  std::size_t i = 0;
  for (const auto& row : rows) {
    for (const int id : row.ids) {
      SCOPED_TRACE(id);
      EXPECT_EQ(kRealRanges[i].field, id);
      EXPECT_EQ(kRealRanges[i].minimum, 0.0f);
      EXPECT_EQ(kRealRanges[i].maximum, row.maximum);
      ++i;
    }
  }
}

}  // namespace
}  // namespace kovrin
