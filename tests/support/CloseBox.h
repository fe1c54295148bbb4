#pragma once

namespace testsupport {

// The window manager's close box: a WM_DELETE_WINDOW message to the window, sent through the
// X library the game itself loads; false when that cannot be reached.
bool SendDeleteWindow(unsigned long window);

}  // namespace testsupport
