// The input screen and the menu as the toolkit receives them, written out
// control by control and compared with a golden file: every identifier,
// kind, place, text, flag, unit, initial list, field of a model row,
// display format, range and menu entry. A change to the screen shows up as
// a difference in that file, to be read and accepted on purpose.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "golden.h"
#include "screen/fieldtables.h"
#include "screen/form.h"
#include "screen/ranges.h"

namespace kovrin {
namespace {

std::string kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::IntegerEdit: return "integer";
    case ControlKind::RealEdit: return "real";
    case ControlKind::TextEdit: return "text";
    case ControlKind::DropDownList: return "list";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::GroupBox: return "group";
    case ControlKind::Label: return "label";
  }
  return "?";
}

std::string flagNames(unsigned flags) {
  std::string out;
  if ((flags & kNoTabStop) != 0) out += " notab";
  if ((flags & kDisabled) != 0) out += " disabled";
  if ((flags & kGroupStart) != 0) out += " groupstart";
  if ((flags & kRightText) != 0) out += " right";
  if ((flags & kCaptionOfPrevious) != 0) out += " caption";
  return out;
}

std::string screenDump() {
  std::ostringstream out;
  const DialogResource& dialog = inputScreen();
  out << "dialog " << dialog.id << ' ' << dialog.width << 'x' << dialog.height << '\n';
  for (const ControlDef& c : dialog.controls) {
    out << c.id << ' ' << kindName(c.kind) << ' ' << c.x << ',' << c.y << ' ' << c.width << 'x' << c.height << " \""
        << c.text << '"' << flagNames(c.flags);
    if (!c.name.empty()) out << " [" << c.name << (c.unit.empty() ? "" : ", ") << c.unit << ']';
    out << '\n';
  }
  for (const int id : dialog.checkedButtons) out << "checked " << id << '\n';
  for (const InitialList& list : dialog.lists) {
    out << "list " << list.id << " selects " << list.selected << ':';
    for (std::size_t i = 0; i < list.entries.size(); ++i) out << (i == 0 ? " " : " | ") << list.entries[i];
    out << '\n';
  }
  for (int row = 1; row <= kPageIntegerRows; ++row) out << "PageIntegers " << row << ": " << integerRowField(row) << '\n';
  for (int row = 1; row <= kPageRealRows; ++row) {
    out << "PageReals " << row << ": " << realRowField(row) << ' '
        << (realRowField(row) == kNoField ? "" : realRowFormat(row)) << '\n';
  }
  for (const IntegerRange& r : kIntegerRanges) out << "range " << r.field << ": " << r.minimum << " to " << r.maximum << '\n';
  for (const RealRange& r : kRealRanges) out << "range " << r.field << ": " << r.minimum << " to " << r.maximum << '\n';
  const MenuResource& menu = mainMenu();
  out << "menu " << menu.id << '\n';
  for (const MenuTopItem& top : menu.items) {
    out << top.id << ' ' << top.text << (top.shortcut.empty() ? "" : "\t") << top.shortcut << '\n';
    for (const MenuEntry& e : top.entries) {
      out << "  " << e.id << ' ' << e.text << (e.shortcut.empty() ? "" : "\t") << e.shortcut
          << (e.choice ? " (choice)" : "") << '\n';
    }
  }
  return out.str();
}

TEST(FormTest, TheScreenAndTheMenuAsTheToolkitReceivesThem) {
  testing::expectGolden(screenDump(), KOVRIN_TEST_DATA_DIR "/screen/inputscreen.expected");
}

// Every field of the form is reached by the transfer, and by one model
// item only; ReservedSlot has no field.
TEST(FormTest, EveryFieldBelongsToExactlyOneModelItem) {
  std::map<int, int> uses;
  for (int row = 1; row <= kPageIntegerRows; ++row) ++uses[integerRowField(row)];
  for (int row = 1; row <= kPageRealRows; ++row) {
    if (row != rrow::ReservedSlot) ++uses[realRowField(row)];
  }
  for (int item = 1; item <= kListSelectionItems; ++item) ++uses[listField(item).field];
  for (int c = 1; c <= kZoneColumns; ++c) ++uses[zoneNameField(c)];
  ++uses[kHeatingButton];
  ++uses[kCoolingButton];
  for (const ControlDef& c : inputScreen().controls) {
    if (c.kind == ControlKind::Label || c.kind == ControlKind::GroupBox) continue;
    EXPECT_EQ(uses[c.id], 1) << "field " << c.id;
  }
  EXPECT_EQ(uses.size(), 30u + 102u + 17u + 2u + 10u);
}

}  // namespace
}  // namespace kovrin
