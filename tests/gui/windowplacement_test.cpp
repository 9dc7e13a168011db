#include "gui/windowplacement.h"

#include <gtest/gtest.h>

namespace kovrin {
namespace {

// The house view (715 × 1000 wanted, 400 wide at least) beside a main window
// of 931 × 563 on screens of several sizes; x, y, width, height.
TEST(WindowPlacementTest, TheViewOpensOnTheScreenBesideTheMainWindowWhereItFits) {
  struct Row {
    const char* name;
    QRect room;
    QPoint main;
    QMargins decoration;
    QRect view;
    QPoint mainAfter;
  } const rows[] = {
      {"room on the right", {0, 0, 1920, 1080}, {0, 0}, {}, {931, 0, 715, 1000}, {0, 0}},
      {"room on the left only", {0, 0, 1920, 1080}, {989, 40}, {}, {274, 40, 715, 1000}, {989, 40}},
      {"the main window moves left to make room", {0, 0, 1700, 1000}, {400, 0}, {}, {985, 0, 715, 1000}, {54, 0}},
      {"1600 × 1000: narrower, beside it", {0, 0, 1600, 1000}, {0, 0}, {}, {931, 0, 669, 1000}, {0, 0}},
      {"a title bar and borders stay on the screen", {0, 0, 1600, 1000}, {0, 0}, {2, 30, 2, 2},
       {935, 0, 661, 968}, {0, 0}},
      {"a screen below the main window", {0, 24, 1600, 976}, {0, 500}, {}, {931, 24, 669, 976}, {0, 500}},
      {"no room beside it: at the screen's right edge", {0, 0, 800, 600}, {0, 0}, {}, {85, 0, 715, 600}, {0, 0}},
      {"too little room beside it: at the right edge, as narrow as it may be", {0, 0, 1300, 1000}, {0, 0}, {},
       {900, 0, 400, 1000}, {0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QSize mainSize = QSize(931, 563).grownBy(row.decoration);
    const Placement placed = placeBeside(QSize(715, 1000), QSize(400, 300), QRect(row.main, mainSize),
                                         row.decoration, row.room);
    EXPECT_EQ(placed.view, row.view);
    EXPECT_EQ(placed.mainTopLeft, row.mainAfter);
    EXPECT_TRUE(row.room.contains(placed.view.marginsAdded(row.decoration).translated(
        row.decoration.left(), row.decoration.top())));
  }
}

}  // namespace
}  // namespace kovrin
