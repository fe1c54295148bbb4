#pragma once
// One output file: its name, its grid of frames and the routine that draws a frame.

#include <functional>
#include <string>
#include <vector>

#include "tools/make_sprites/Canvas.h"

namespace sprites {

// Draws frame number `frame` (row-major) into a canvas of the frame's size.
using FrameFn = std::function<void(Canvas& frame, int index)>;

struct SpriteSheet {
    std::string name;   // file name; "Name_RxC.png" holds R rows and C columns
    int rows = 1;
    int columns = 1;
    int frameWidth = 64;
    int frameHeight = 64;
    FrameFn draw;
};

// Draws every frame into one picture; the top row of the image is row 0.
Canvas renderSheet(const SpriteSheet& sheet);

// Encodes 8-bit RGBA PNG bytes (no automatic colour-type reduction).
bool encodePng(const Canvas& canvas, std::vector<unsigned char>& out, std::string& error);

// Writes bytes to path through a temporary file renamed over it.
bool writeFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error);

}  // namespace sprites
