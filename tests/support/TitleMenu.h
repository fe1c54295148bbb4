#pragma once
#include "support/WindowPicture.h"

namespace testsupport {

class GameProcess;

// The title menu: its red title over the lit picture (the splash's logos have no red).
bool ShowsTitleMenu(const WindowPicture& picture);

// The pause menu in a 1920 x 1080 window: the light letters of "Resume" on its dark plate.
bool ShowsPauseMenu(const WindowPicture& picture);

// From the splash through the title menu's Start into the level, the intro skipped with Escape
// and the pointer left at the window's left edge; false when the menu or the intro never show.
bool PlayFromTheTitleMenu(GameProcess& game);

}  // namespace testsupport
