#pragma once

#include <vector>

#include "platform/menus.h"

namespace pixlore {

// The menu bar of the main window and the two popup menus, in the order the user sees them.
std::vector<MenuEntry> MainMenuLayout();
std::vector<MenuEntry> CharsetPopupLayout();
std::vector<MenuEntry> MapPopupLayout();

}  // namespace pixlore
