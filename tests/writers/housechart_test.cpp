#include "writers/housechart.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kovrin {
namespace {

TEST(HouseChart, AxisRunsOverRoundValues) {
  struct Case {
    std::int64_t smallest, largest;
    ChartAxis axis;
  };
  const Case cases[] = {
      {0, 0, {0, 1000, 200}},         // nothing to show: still an axis of loads
      {0, 6257, {0, 8000, 2000}},     // house.prj
      {0, 1, {0, 1, 1}},
      {0, 100000, {0, 100000, 20000}},
      {-50, 50, {-60, 60, 20}},       // negative loads: the axis crosses zero
      {-3, -1, {-3, 0, 1}},
      {INT32_MIN, INT32_MAX, {-3000000000, 3000000000, 1000000000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.smallest << ".." << c.largest);
    const ChartAxis axis = chartAxis(c.smallest, c.largest);
    EXPECT_EQ(axis.minimum, c.axis.minimum);
    EXPECT_EQ(axis.maximum, c.axis.maximum);
    EXPECT_EQ(axis.step, c.axis.step);
  }
}

}  // namespace
}  // namespace kovrin
