#include "calc/glasses.h"

#include <gtest/gtest.h>

#include <climits>

namespace kovrin {
namespace {

struct Lookup {
  float factor = -1;
  float coefficient = -1;
  bool found = false;
};

Lookup look(int type, int interior, int exterior, int direction) {
  Lookup l;
  l.found = glasses(type, interior, exterior, direction, l.factor, l.coefficient);
  return l;
}

TEST(GlassesTest, NamedValues) {
  struct Case {
    const char* name;
    int type, interior, exterior, direction;
    float factor, coefficient;
  };
  const Case cases[] = {
      {"single, no shading, east", 1, 1, 1, 3, 81, 0.8f},
      {"triple, draperies, shade screen, south", 5, 2, 2, 5, 12, 0.2f},
      {"double, no shading, north", 3, 1, 1, 1, 19, 0.4f},
      {"double, no shading, shade screen, north", 3, 1, 2, 1, 18, 0.4f},
      {"single, roller blades, northwest", 1, 3, 1, 8, 41, 0.8f},
      {"triple, roller blades, shade screen, southwest", 5, 3, 2, 6, 21, 0.2f},
      {"double, draperies, southeast", 3, 2, 1, 4, 37, 0.4f},
      {"single, shade screen, west", 1, 1, 2, 7, 38, 0.8f},
      {"exterior shading 0 is the shade screen", 1, 1, 0, 3, 38, 0.8f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lookup l = look(c.type, c.interior, c.exterior, c.direction);
    EXPECT_TRUE(l.found);
    EXPECT_EQ(l.factor, c.factor);
    EXPECT_EQ(l.coefficient, c.coefficient);
  }
}

// Rules that hold across the whole table.
TEST(GlassesTest, SharedColumnsMirroredRowsAndShadeScreenBlock) {
  auto same = [](const Lookup& a, const Lookup& b) {
    return a.found && b.found && a.factor == b.factor && a.coefficient == b.coefficient;
  };
  for (int exterior : {1, 2, 3, -1})
    for (int interior = 1; interior <= 3; ++interior)
      for (int direction = 1; direction <= 8; ++direction) {
        SCOPED_TRACE(testing::Message() << "ext " << exterior << " int " << interior << " dir " << direction);
        EXPECT_TRUE(same(look(2, interior, exterior, direction), look(3, interior, exterior, direction)));
        EXPECT_TRUE(same(look(4, interior, exterior, direction), look(5, interior, exterior, direction)));
        const int mirrored = direction == 1 || direction == 5 ? direction : 10 - direction;
        for (int type = 1; type <= 5; ++type) {
          EXPECT_TRUE(same(look(type, interior, exterior, direction), look(type, interior, exterior, mirrored)));
          if (exterior != 1) {
            EXPECT_TRUE(same(look(type, interior, exterior, direction), look(type, interior, 2, direction)));
          }
          // North glass: only interior shading 1 in the double column feels the screen.
          if (direction == 1 && !(interior == 1 && (type == 2 || type == 3))) {
            EXPECT_TRUE(same(look(type, interior, 1, 1), look(type, interior, 2, 1)));
          }
        }
      }
}

TEST(GlassesTest, SelectionOutsideItsListLeavesOutputsUnchanged) {
  struct Case {
    const char* name;
    int type, interior, direction;
  };
  const Case cases[] = {
      {"glass type 0", 0, 1, 1},         {"glass type 6", 6, 1, 1},
      {"interior shading 0", 1, 0, 1},   {"interior shading 4", 1, 4, 1},
      {"direction 0", 1, 1, 0},          {"direction 9", 1, 1, 9},
      {"direction INT_MIN", 1, 1, INT_MIN}, {"glass type INT_MAX", INT_MAX, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Lookup l = look(c.type, c.interior, 1, c.direction);
    EXPECT_FALSE(l.found);
    EXPECT_EQ(l.factor, -1);
    EXPECT_EQ(l.coefficient, -1);
  }
}

}  // namespace
}  // namespace kovrin
