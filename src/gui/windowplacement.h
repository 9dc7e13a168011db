// Where a window of Kovrin's own (the house view) opens beside the main
// window: worked out from rectangles alone, so that it holds on any screen.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace kovrin {

struct Placement {
  QRect view;          // the window's frame's top left and its inner size
  QPoint mainTopLeft;  // where the main window's frame goes (moved or not)
};

// The window, `wanted` at best and `minimum` at least, beside the main
// window's frame `main` within `room`, the screen's free part. `decoration`
// is the frame the window manager puts around a window (the main window's).
//  - To the main window's right where it fits, else to its left.
//  - Where neither side has room but the screen holds both, the main window
//    moves left to make room on its right.
//  - Else narrower, on the side with the more room, as long as that leaves
//    it its minimum width.
//  - Else at the screen's right edge, over the main window, as narrow as
//    its minimum allows where the main window leaves some room on its right.
// The window is always wholly on the screen, its title bar included.
Placement placeBeside(QSize wanted, QSize minimum, QRect main, QMargins decoration, QRect room);

}  // namespace kovrin
