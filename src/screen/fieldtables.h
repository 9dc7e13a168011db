// Which field of the input screen shows which item of the project model.
//
// The screen addresses its fields only by identifier (1001..1184). These
// tables tie every row of PageIntegers and PageReals and every item of
// ListSelections to its field, give each real row its display format and
// each list its entries (from model/selections.h). The screen transfer
// walks them and the tests check the form against them; the page
// calculation finds its result fields in the integer rows' table, which
// lives in the model (model/integerfields.h) so that the calculation can
// read it without the screen. All row and item numbers count from 1, as in the model.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "model/integerfields.h"
#include "model/model.h"
#include "model/rownames.h"
#include "model/selections.h"

namespace kovrin {

// A model row without a field on the screen (ReservedSlot).
inline constexpr int kNoField = 0;

// The Heating/Cooling radio group: reading it at its first button yields
// 1 for Heating and 2 for Cooling, the values of LoadChoice.
inline constexpr int kHeatingButton = 1046;
inline constexpr int kCoolingButton = 1047;

// PageIntegers rows 1..30: kIntegerRowFields (model/integerfields.h).

// The rows that PutData shows. The others are results of the page
// calculation, or PageAirTotal, whose field keeps what the user typed
// across page changes.
inline constexpr std::array<int, 8> kShownIntegerRows = {1, 2, 3, 4, 5, 6, 18, 19};

// The fields of each zone column, in the order of ZoneQuantity, then the
// column's glass direction list. Column 9's first eight fields skip 1136,
// which is the "Area" label of the Doors row.
struct ZoneColumnFields {
  std::array<int, kZoneQuantities> quantity;
  int glassDirection;
};

inline constexpr std::array<ZoneColumnFields, kZoneColumns> kZoneColumnFields = {{
    //  DoorU  Area  FloorU Area  RoofU  Area  WallU  Area  GlassU Area    Direction
    {{1002, 1003, 1012, 1031, 1039, 1040, 1041, 1042, 1048, 1049}, 1050},  //  1
    {{1051, 1052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060}, 1061},  //  2
    {{1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069, 1070, 1071}, 1072},  //  3
    {{1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081, 1082}, 1083},  //  4
    {{1084, 1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093}, 1094},  //  5
    {{1095, 1096, 1097, 1098, 1099, 1100, 1101, 1102, 1103, 1104}, 1105},  //  6
    {{1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113, 1115, 1116}, 1117},  //  7
    {{1118, 1119, 1120, 1121, 1122, 1123, 1124, 1125, 1127, 1128}, 1129},  //  8
    {{1130, 1131, 1132, 1133, 1134, 1135, 1137, 1138, 1140, 1141}, 1142},  //  9
    {{1143, 1144, 1145, 1146, 1147, 1148, 1149, 1150, 1152, 1153}, 1154},  // 10
}};

// Field of a quantity of zone column c = 1..10.
constexpr int zoneField(int column, ZoneQuantity quantity) {
  return kZoneColumnFields[column - 1].quantity[static_cast<int>(quantity)];
}

namespace detail {
constexpr std::array<int, kPageRealRows> makeRealRowFields() {
  std::array<int, kPageRealRows> fields{};  // kNoField where nothing is set
  fields[rrow::SummerDuctMultiplier - 1] = 1004;
  fields[rrow::WinterDuctMultiplier - 1] = 1037;
  for (int c = 1; c <= kZoneColumns; ++c) {
    for (int q = 0; q < kZoneQuantities; ++q) {
      const auto quantity = static_cast<ZoneQuantity>(q);
      fields[realRow(c, quantity) - 1] = zoneField(c, quantity);
    }
  }
  return fields;
}
}  // namespace detail

// PageReals rows 1..103: the two duct multipliers, then the zone columns;
// kNoField for ReservedSlot.
inline constexpr std::array<int, kPageRealRows> kRealRowFields = detail::makeRealRowFields();

constexpr int realRowField(int row) { return kRealRowFields[row - 1]; }

// Display formats of the real fields: the text a field shows is the
// fixed-decimal edit of this width and number of decimals. The field itself
// keeps the exact value, so a format never changes what is read back.
inline constexpr std::string_view kDuctMultiplierFormat = "(F3.2)";
inline constexpr std::string_view kUValueFormat = "(F5.3)";
inline constexpr std::string_view kAreaFormat = "(F5.0)";

constexpr std::string_view displayFormat(ZoneQuantity quantity) {
  return isUValue(quantity) ? kUValueFormat : kAreaFormat;
}

// Display format of PageReals row 1..103 (ReservedSlot has no field; what
// this returns for it is never used).
constexpr std::string_view realRowFormat(int row) {
  if (const auto value = zoneValueAt(row)) return displayFormat(value->quantity);
  return kDuctMultiplierFormat;
}

struct SelectionList {
  int field;
  std::span<const std::string_view> entries;
};

// ListSelections items 1..17.
inline constexpr std::array<SelectionList, kListSelectionItems> kListFields = {{
    {1171, selectionEntries(1)},   //  1 DailyRange
    {1033, selectionEntries(2)},   //  2 WallConstruction
    {1034, selectionEntries(3)},   //  3 RoofConstruction
    {1035, selectionEntries(4)},   //  4 FloorConstruction
    {1043, selectionEntries(5)},   //  5 GlassType
    {1044, selectionEntries(6)},   //  6 InteriorShading
    {1045, selectionEntries(7)},   //  7 ExteriorShading
    {1050, selectionEntries(8)},   //  8..17 GlassDirection, columns 1..10
    {1061, selectionEntries(9)},
    {1072, selectionEntries(10)},
    {1083, selectionEntries(11)},
    {1094, selectionEntries(12)},
    {1105, selectionEntries(13)},
    {1117, selectionEntries(14)},
    {1129, selectionEntries(15)},
    {1142, selectionEntries(16)},
    {1154, selectionEntries(17)},
}};

constexpr const SelectionList& listField(int item) { return kListFields[item - 1]; }

// The name of the zone in column c = 1..10 of the page on screen.
inline constexpr int kFirstZoneNameField = 1196;
constexpr int zoneNameField(int column) { return kFirstZoneNameField + column - 1; }

// The zone column 1..10 of the page on screen that a field belongs to: one
// of its five pairs of values, its glass direction or its name; none for
// the page's other fields.
constexpr std::optional<int> zoneColumnOfField(int field) {
  for (int c = 1; c <= kZoneColumns; ++c) {
    const ZoneColumnFields& fields = kZoneColumnFields[static_cast<std::size_t>(c - 1)];
    if (field == fields.glassDirection || field == zoneNameField(c)) return c;
    for (const int quantity : fields.quantity) {
      if (field == quantity) return c;
    }
  }
  return std::nullopt;
}

// What a numeric field of the screen holds, in the user's words, and its
// unit (model/rownames.h): for the field's tooltip and for what the user is
// told about a value typed into it.
struct FieldDescription {
  std::string_view name;
  std::string_view unit;
};

constexpr FieldDescription integerRowDescription(int row) {
  const std::optional<RowName> name = integerRowName(row);
  return name ? FieldDescription{name->name, name->unit} : FieldDescription{};
}

constexpr FieldDescription realRowDescription(int row) {
  if (const auto value = zoneValueAt(row)) {
    return {zoneQuantityName(value->quantity), isUValue(value->quantity) ? kUValueUnit : kAreaUnit};
  }
  const std::optional<RowName> name = pageRealRowName(row);
  return name ? FieldDescription{name->name, name->unit} : FieldDescription{};
}

// The description of field `id`; empty for a control that is no numeric or
// text field.
constexpr FieldDescription fieldDescription(int id) {
  if (id >= zoneNameField(1) && id <= zoneNameField(kZoneColumns)) return {"Name of the zone", ""};
  for (int row = 1; row <= kPageIntegerRows; ++row) {
    if (integerRowField(row) == id) return integerRowDescription(row);
  }
  for (int row = 1; row <= kPageRealRows; ++row) {
    if (realRowField(row) == id) return realRowDescription(row);
  }
  return {};
}

}  // namespace kovrin
