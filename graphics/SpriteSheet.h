#pragma once

#include <array>
#include <string>

// Sprite-sheet maths, free of GL so it can be checked without a window.

// The grid a sheet's file name gives: "Name_RxC.png" (Name of letters and digits only) has R
// rows and C columns. Any other name, a count of 0, or a count above kMaxSheetCells, is a
// single frame; `valid` tells which case applied, and `malformed` marks a name of the sheet
// form whose counts cannot be used (0, or too large).
struct SheetGrid
{
    int rows = 1;
    int columns = 1;
    bool valid = false;
    bool malformed = false;
};

constexpr int kMaxSheetCells = 4096;

SheetGrid ParseSheetName(const std::string& name);

// Frames of a rows x columns sheet, at most INT_MAX (file counts may be that large).
int SheetFrames(int rows, int columns);

// An animation run: the first frame and the steps after it.
struct FrameRun
{
    int start = 0;
    int count = 0;
};

// The run kept inside a sheet of `frames` frames: the start wrapped into 0..frames-1 (the
// cell shown stays the same) and the count cut to 0..frames-1-start, so stepping can never
// run past the sheet or overflow.
FrameRun KeepRunInSheet(FrameRun run, int frames);

// A grid cell; row 0 is the top row of the image.
struct SpriteCell
{
    int row = 0;
    int column = 0;
};

// A count below 1 is taken as 1, so nothing divides by zero.
int SafeCount(int count);
// n mod count, always in 0..count-1.
int WrapIndex(int n, int count);

// Frame n of a grid with `columns` columns: row n / columns, column n mod columns.
SpriteCell CellOfFrame(int frame, int columns);
// The cell one step further: the next column, then the start of the next row, then back to
// the top row.
SpriteCell NextCell(SpriteCell cell, int rows, int columns);

// Texture coordinates of the four quad corners in mesh order: top-right, bottom-right,
// bottom-left, top-left. v = 0 is the top of the image.
struct QuadUV
{
    std::array<float, 4> u{};
    std::array<float, 4> v{};
};

// The rectangle of a cell (row and column taken modulo the grid), mirrored left-right when
// flipX and top-bottom when flipY.
QuadUV CellUV(SpriteCell cell, int rows, int columns, bool flipX, bool flipY);

// The animation clock: timer -= dt; when it reaches 0 or less a step is due and the timer
// starts again at delay (the overshoot is dropped, so at most one step per call).
bool TickAnimationClock(float& timer, float delay, float dt);
