// Sprite-sheet names: the grid they give is usable, and a sprite cut by it steps through any
// run of frames without leaving the sheet.
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzSupport.h"
#include "graphics/Sprite.h"
#include "graphics/SpriteSheet.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first eight bytes, when there are that many, choose the frame and the run.
    int start = 0;
    int count = 0;
    if (size >= 8) {
        std::memcpy(&start, data, 4);
        std::memcpy(&count, data + 4, 4);
        data += 8;
        size -= 8;
    }
    const std::string name = AsText(data, size);
    const SheetGrid grid = ParseSheetName(name);
    if (grid.rows < 1 || grid.columns < 1 || grid.rows > kMaxSheetCells || grid.columns > kMaxSheetCells)
        FuzzFailure("unusable grid from \"" + name + "\"", "1.." + std::to_string(kMaxSheetCells),
                    std::to_string(grid.rows) + " x " + std::to_string(grid.columns));

    Sprite sprite(name);
    sprite.SetTexture(name);
    sprite.Init();
    sprite.animateFlag = true;
    sprite.animationCount = count;
    sprite.SetFrame(start);
    const int frames = sprite.numRows * sprite.numColumns;
    if (sprite.startFrame < 0 || sprite.startFrame >= frames || sprite.animationCount < 0 ||
        sprite.startFrame + sprite.animationCount >= frames)
        FuzzFailure("run left the sheet", std::to_string(frames) + " frames",
                    std::to_string(sprite.startFrame) + " + " + std::to_string(sprite.animationCount));
    for (int step = 0; step < 8; ++step)
        sprite.Update(1.0f);
    return 0;
}
