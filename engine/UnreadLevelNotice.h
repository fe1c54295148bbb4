#pragma once
#include <string>

// Says on screen that the scene's level file could not be read and how to leave, over whatever
// the scene drew. Nothing without a context or a font.
void DrawUnreadLevelNotice(const std::string& path);
