#include "report/lines.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace kovrin {
namespace {

using Item = std::variant<std::string_view, std::int32_t, float>;

std::string freeForm(const std::vector<Item>& items) {
  FreeFormLine line;
  for (const Item& item : items) {
    if (const auto* t = std::get_if<std::string_view>(&item)) line.text(*t);
    if (const auto* i = std::get_if<std::int32_t>(&item)) line.integer(*i);
    if (const auto* r = std::get_if<float>(&item)) line.real(*r);
  }
  return line.str();
}

TEST(Lines, FreeFormLineOwesOneBlankBetweenTextAndNumber) {
  using namespace std::string_view_literals;
  const struct {
    const char* name;
    std::vector<Item> items;
    const char* line;
  } cases[] = {
      {"texts and numbers", {"Summer/Winter"sv, 93, "/"sv, 28}, " Summer/Winter 93 / 28\r\n"},
      {"text only keeps its trailing blanks", {"Zone   "sv}, " Zone   \r\n"},
      {"two texts are joined", {"ab"sv, "cd"sv}, " abcd\r\n"},
      {"two numbers", {1, 2}, " 1 2\r\n"},
      {"number then text", {5, "x"sv}, " 5 x\r\n"},
      {"text ending in a blank still owes one", {"A "sv, 5}, " A  5\r\n"},
      {"integer then real", {1, 0.5f}, " 1 0.500000000\r\n"},
      {"real as stored", {0.35f}, " 0.349999994\r\n"},
      {"no items", {}, " \r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(freeForm(c.items), c.line);
  }
  EXPECT_EQ(emptyLine(), " \r\n");
}

TEST(Lines, ColumnLineEndsAtTheLastPositionWritten) {
  const struct {
    const char* name;
    std::string_view label;
    std::vector<ColumnField> fields;
    const char* line;
  } cases[] = {
      {"field after label", "TOTALS", {{10, "  13."}}, "TOTALS     13.\r\n"},
      {"blanks a field writes at the end belong to the line", "", {{3, "x  "}}, "  x  \r\n"},
      {"label reaches past the fields", "ABCDEFGH", {{2, "zz"}}, "AzzDEFGH\r\n"},
      {"later field overwrites", "", {{1, "aaaa"}, {3, "bb"}}, "aabb\r\n"},
      {"nothing before column 1", "", {{0, "xy"}}, "y\r\n"},
      {"nothing written", "", {}, "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(columnLine(c.label, c.fields), c.line);
  }
}

}  // namespace
}  // namespace kovrin
