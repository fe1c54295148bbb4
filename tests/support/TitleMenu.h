#pragma once
#include "support/WindowPicture.h"

namespace testsupport {

// The title menu: its red title over the lit picture (the splash's logos have no red).
bool ShowsTitleMenu(const WindowPicture& picture);

}  // namespace testsupport
