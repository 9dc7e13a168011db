// The input screen (dialog 101), its extra data, and the main menu (30001):
// constant tables from which the toolkit builds the window.
#pragma once

#include "toolkit/resources.h"

namespace kovrin {

inline constexpr int kInputScreenId = 101;
inline constexpr int kMainMenuId = 30001;

const DialogResource& inputScreen();
const MenuResource& mainMenu();

}  // namespace kovrin
