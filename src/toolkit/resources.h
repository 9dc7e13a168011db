// Resource definitions: the input screen (dialog 101) and the main menu
// (menu 30001) described as plain constant data. The screen layer defines the
// tables (screen/form.h); the toolkit builds its widgets from them. No Qt here.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kovrin {

enum class ControlKind {
  IntegerEdit,   // whole numbers
  RealEdit,      // single-precision reals
  TextEdit,      // a line of text, up to kTextEditCharacters characters
  DropDownList,  // a drop-down list of fixed entries: nothing can be typed into it
  RadioButton,   // automatic radio button
  GroupBox,      // framed caption
  Label,         // static text
};

// Control flags.
inline constexpr unsigned kNoTabStop = 1u << 0;   // not visited by the Tab key
inline constexpr unsigned kDisabled = 1u << 1;    // greyed; a disabled field cannot take the focus
inline constexpr unsigned kGroupStart = 1u << 2;  // first radio button of its group
inline constexpr unsigned kRightText = 1u << 3;  // a label's text set against the right of its box
// A label that is the caption of the button listed just before it: a click on
// it chooses that button, as a click on a button's own text does.
inline constexpr unsigned kCaptionOfPrevious = 1u << 4;

// What a text edit holds at most: characters (Unicode code points), UTF-8.
inline constexpr int kTextEditCharacters = 40;

// One control of a dialog, position and size in dialog units. A dialog unit
// is a quarter of the font's average character width horizontally and an
// eighth of its character height vertically.
struct ControlDef {
  int id;
  ControlKind kind;
  int x, y, width, height;
  std::string_view text;  // label or caption text, or the initial text of an edit
  unsigned flags;
  // What a numeric field holds and its unit ("Wall area", "ft²"), for its
  // tooltip and for what the user is told about it; a label's tooltip;
  // empty for other controls.
  std::string_view name{};
  std::string_view unit{};
};

// A drop-down list's entries and the one it starts with (1-based).
struct InitialList {
  int id;
  std::span<const std::string_view> entries;
  std::int32_t selected;
};

struct DialogResource {
  int id;
  int width, height;  // dialog units
  // The controls in tab order: the Tab key visits the tab-stop controls
  // (those without kNoTabStop or kDisabled, and not labels or group boxes) in
  // this order.
  std::span<const ControlDef> controls;
  // What the lists hold and the radio buttons that are checked when the
  // dialog opens; the other buttons start unchecked.
  std::span<const InitialList> lists;
  std::span<const int> checkedButtons;
};

// A command entry of a sub-menu, a sub-menu of its own (entries), or a line
// between entries (id kMenuSeparator).
struct MenuEntry {
  std::string_view text;  // "&" marks the access letter
  int id;                 // command identifier
  // The key that chooses the command from anywhere in the window, beside its
  // access letter: "Ctrl+S", "Ctrl+Shift+S", "F1"; several keys are
  // separated by "; " ("Ctrl+Shift+Z; Ctrl+Y"); empty for none.
  std::string_view shortcut{};
  // One of a set of choices, such as the modes On and Off: the entry can
  // carry a mark, which only the program sets (windowmenucheck). The choices
  // of one sub-menu exclude each other.
  bool choice = false;
  // A sub-menu's entries; id is then the sub-menu's own identifier, which
  // the toolkit delivers when the sub-menu opens.
  std::span<const MenuEntry> entries{};
};
inline constexpr int kMenuSeparator = 0;

// A top-level item of the menu bar: a command of its own (no entries) or a
// sub-menu (entries; id is then the sub-menu's own identifier, which the
// toolkit may deliver when the sub-menu title is chosen).
struct MenuTopItem {
  std::string_view text;
  int id;
  std::span<const MenuEntry> entries;
  std::string_view shortcut{};  // of a command of its own, as for MenuEntry
};

struct MenuResource {
  int id;
  std::span<const MenuTopItem> items;
};

}  // namespace kovrin
