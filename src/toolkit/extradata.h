// The extra data of a dialog: the initial radio button states and the initial
// items and selections of its drop-down lists, written as text in three
// sections, every line ending in a blank and a line feed:
//
//   [Checks]            then "id state" lines (0 off, 1 on)
//   [Menus]             then per list "id count selected", followed by
//                       `count` lines of item text
//   [Ranges]            (empty; the program declares ranges itself)
//
// The text is compiled into the program, but the parser still treats it as
// input: a malformed line is skipped (and counted), a count larger than the
// lines that follow takes what is there, and nothing it reads can make the
// toolkit index outside a list. No Qt here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct InitialCheck {
  int id = 0;
  bool on = false;
};

struct InitialList {
  int id = 0;
  std::int32_t selected = 0;       // 1-based; any value is kept as given
  std::vector<std::string> items;  // trailing blanks dropped, leading kept
};

struct ExtraData {
  std::vector<InitialCheck> checks;
  std::vector<InitialList> lists;
  int malformedLines = 0;  // lines that could not be read and were skipped
};

ExtraData parseExtraData(std::string_view text);

}  // namespace kovrin
