#include "gui/windowplacement.h"

#include <algorithm>

namespace kovrin {

Placement placeBeside(QSize wanted, QSize minimum, QRect main, QMargins decoration, QRect room) {
  QSize size = wanted.boundedTo(room.size().shrunkBy(decoration));
  const int extra = decoration.left() + decoration.right();
  const int roomRight = room.right() - main.right();  // right of the main window's frame
  const int roomLeft = main.left() - room.left();
  Placement placed{{}, main.topLeft()};
  int x = 0;
  if (size.width() + extra <= roomRight) {
    x = main.right() + 1;
  } else if (size.width() + extra <= roomLeft) {
    x = main.left() - size.width() - extra;
  } else if (main.width() + size.width() + extra <= room.width()) {
    main.moveLeft(room.right() + 1 - size.width() - extra - main.width());
    placed.mainTopLeft = main.topLeft();
    x = main.right() + 1;
  } else if (std::max(roomRight, roomLeft) - extra >= minimum.width()) {
    size.setWidth(std::max(roomRight, roomLeft) - extra);
    x = roomRight >= roomLeft ? main.right() + 1 : room.left();
  } else {
    // Over the main window: where it leaves some room on its right, the
    // view covers as little of it as its minimum allows.
    if (roomRight > extra) size.setWidth(std::min(size.width(), std::max(minimum.width(), roomRight - extra)));
    x = std::max(room.left(), room.right() + 1 - size.width() - extra);
  }
  const int outerHeight = size.height() + decoration.top() + decoration.bottom();
  const int y = std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outerHeight));
  placed.view = QRect(QPoint(x, y), size);
  return placed;
}

}  // namespace kovrin
