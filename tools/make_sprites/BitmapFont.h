#pragma once
// Our own 5x7 pixel font (with two rows below the baseline for descenders),
// drawn cell by cell as small boxes. Every word inside a picture goes through it.

#include <string>
#include <vector>

#include "tools/make_sprites/Canvas.h"

namespace sprites {

struct TextStyle {
    float scale = 4.0f;           // size of one font cell in pixels
    Color color = Color{1, 1, 1, 1};
    Color shadow = Color{0, 0, 0, 0};  // drawn first when its alpha is above 0
    float shadowOffset = 0.0f;    // in cells
    float jitter = 0.0f;          // random offset of each cell, in cells (scratchy look)
    float drips = 0.0f;           // chance that a bottom cell drips (bloody titles)
    float dripLength = 3.0f;      // longest drip, in cells
    unsigned seed = 1;
};

class BitmapFont {
public:
    static constexpr int kCellsWide = 5;
    static constexpr int kCellsHigh = 9;    // 7 above the baseline, 2 below
    static constexpr int kAdvance = 6;      // cells per character
    static constexpr int kLineHeight = 11;  // cells per line

    // Width and height in pixels of one line of text.
    static float width(const std::string& text, float scale);
    static float lineHeight(float scale) { return kLineHeight * scale; }
    // The preferred scale, reduced (to whole half pixels) until the text fits maxWidth.
    static float fitScale(const std::string& text, float maxWidth, float preferred);

    // Draws one line with its top-left corner at (x, y).
    static void draw(Canvas& canvas, const std::string& text, float x, float y, const TextStyle& style);
    // Draws one line centred on cx.
    static void drawCentered(Canvas& canvas, const std::string& text, float cx, float y, const TextStyle& style);
    // Splits text into lines no wider than maxWidth pixels (words kept whole; '\n' breaks).
    static std::vector<std::string> wrap(const std::string& text, float maxWidth, float scale);
    // Draws wrapped lines, each centred on cx when centred is set; returns the y below the last line.
    static float drawBlock(Canvas& canvas, const std::vector<std::string>& lines, float x, float y, const TextStyle& style,
                           bool centred);

    // The rows of one glyph ('#' lit), kCellsHigh strings of kCellsWide; '?' for unknown characters.
    static const std::vector<std::string>& glyph(char c);
};

}  // namespace sprites
