#include "toolkit/extradata.h"

#include <gtest/gtest.h>

namespace kovrin {
namespace {

struct ListExpectation {
  int id;
  std::int32_t selected;
  std::vector<std::string> items;
};

struct ExtraDataCase {
  const char* name;
  const char* text;
  std::vector<std::pair<int, bool>> checks;
  std::vector<ListExpectation> lists;
  int malformed;
};

TEST(ExtraData, SectionsAndDamagedText) {
  const ExtraDataCase cases[] = {
      {"the screen's format",
       "[Checks] \n1046 0 \n1047 1 \n[Menus] \n1171 3 2 \nL \nM \nH \n1033 2 1 \nWood frame + veneer \n"
       "Masonry, block, brick \n[Ranges] \n",
       {{1046, false}, {1047, true}},
       {{1171, 2, {"L", "M", "H"}}, {1033, 1, {"Wood frame + veneer", "Masonry, block, brick"}}},
       0},
      {"leading blanks of an item are kept, trailing dropped",
       "[Menus] \n7 1 1 \n  1 -> 10   \n", {}, {{7, 1, {"  1 -> 10"}}}, 0},
      {"an item that looks like a header line of numbers stays an item",
       "[Menus] \n7 2 1 \n8 1 1 \nx \n", {}, {{7, 1, {"8 1 1", "x"}}}, 0},
      {"a selection that is no item is kept as given",
       "[Menus] \n7 2 9 \na \nb \n", {}, {{7, 9, {"a", "b"}}}, 0},
      {"a count beyond the lines stops at the next section",
       "[Menus] \n7 5 1 \na \n[Checks] \n3 1 \n", {{3, true}}, {{7, 1, {"a"}}}, 0},
      {"a count beyond the end of the text takes what is there",
       "[Menus] \n7 1000000 1 \na \n", {}, {{7, 1, {"a"}}}, 0},
      {"line feeds alone and carriage returns both end lines",
       "[Checks]\r\n1 1\r\n[Menus]\n2 1 1\nz\n", {{1, true}}, {{2, 1, {"z"}}}, 0},
      {"malformed lines are skipped and counted",
       "stray \n[Checks] \n1 \n1 x \n2 1 \n[Menus] \n5 -1 1 \n6 1 \n[Ranges] \n9 9 \n", {{2, true}}, {}, 6},
      {"a number beyond 32 bits is malformed",
       "[Checks] \n99999999999 1 \n", {}, {}, 1},
      {"empty text", "", {}, {}, 0},
  };
  for (const ExtraDataCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ExtraData data = parseExtraData(c.text);
    ASSERT_EQ(data.checks.size(), c.checks.size());
    for (std::size_t i = 0; i < c.checks.size(); ++i) {
      EXPECT_EQ(data.checks[i].id, c.checks[i].first);
      EXPECT_EQ(data.checks[i].on, c.checks[i].second);
    }
    ASSERT_EQ(data.lists.size(), c.lists.size());
    for (std::size_t i = 0; i < c.lists.size(); ++i) {
      EXPECT_EQ(data.lists[i].id, c.lists[i].id);
      EXPECT_EQ(data.lists[i].selected, c.lists[i].selected);
      EXPECT_EQ(data.lists[i].items, c.lists[i].items);
    }
    EXPECT_EQ(data.malformedLines, c.malformed);
  }
}

}  // namespace
}  // namespace kovrin
