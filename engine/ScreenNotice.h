#pragma once
#include <string>

// Prints a scene's notice to the player over whatever the scene drew: white lines from a third
// of the way down the screen. Nothing without a context or a font.
void DrawScreenNotice(const std::string& text);
