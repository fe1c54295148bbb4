#pragma once
#include <string>

// White tells; red warns that something is not as it should be (a file not written).
enum class NoticeColour { White, Red };

// Prints a scene's notice to the player over whatever the scene drew: lines from a third of the
// way down the screen. Nothing without a context or a font.
void DrawScreenNotice(const std::string& text, NoticeColour colour = NoticeColour::White);
