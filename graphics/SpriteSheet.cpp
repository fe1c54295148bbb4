#include "graphics/SpriteSheet.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <utility>

namespace
{
bool IsAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Reads a run of digits at pos into value; false when there is none. A value past
// kMaxSheetCells reads as kMaxSheetCells + 1 (digit by digit, so no length can overflow).
bool ReadCount(const std::string& text, std::size_t& pos, int& value)
{
    const std::size_t start = pos;
    long long number = 0;
    bool tooLarge = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (!tooLarge) {
            number = number * 10 + (text[pos] - '0');
            if (number > kMaxSheetCells)
                tooLarge = true;
        }
        ++pos;
    }
    if (pos == start)
        return false;
    value = tooLarge ? kMaxSheetCells + 1 : static_cast<int>(number);
    return true;
}
} // namespace

SheetGrid ParseSheetName(const std::string& name)
{
    SheetGrid single;
    std::size_t pos = 0;
    while (pos < name.size() && IsAlnum(name[pos]))
        ++pos;
    if (pos == 0 || pos >= name.size() || name[pos] != '_')
        return single;
    ++pos;
    int rows = 0;
    int columns = 0;
    if (!ReadCount(name, pos, rows))
        return single;
    if (pos >= name.size() || name[pos] != 'x')
        return single;
    ++pos;
    if (!ReadCount(name, pos, columns))
        return single;
    if (name.compare(pos, std::string::npos, ".png") != 0)
        return single;
    if (rows < 1 || columns < 1 || rows > kMaxSheetCells || columns > kMaxSheetCells) {
        single.malformed = true;
        return single;
    }
    SheetGrid grid;
    grid.rows = rows;
    grid.columns = columns;
    grid.valid = true;
    return grid;
}

int SafeCount(int count)
{
    return count < 1 ? 1 : count;
}

int WrapIndex(int n, int count)
{
    count = SafeCount(count);
    const int r = n % count;
    return r < 0 ? r + count : r;
}

int SheetFrames(int rows, int columns)
{
    const long long frames = static_cast<long long>(SafeCount(rows)) * SafeCount(columns);
    return static_cast<int>(std::min<long long>(frames, INT_MAX));
}

FrameRun KeepRunInSheet(FrameRun run, int frames)
{
    frames = SafeCount(frames);
    FrameRun kept;
    kept.start = WrapIndex(run.start, frames);
    kept.count = std::clamp(run.count, 0, frames - 1 - kept.start);
    return kept;
}

SpriteCell CellOfFrame(int frame, int columns)
{
    columns = SafeCount(columns);
    SpriteCell cell;
    cell.row = frame / columns;
    cell.column = frame % columns;
    if (cell.column < 0) {
        cell.column += columns;
        cell.row -= 1;
    }
    return cell;
}

SpriteCell NextCell(SpriteCell cell, int rows, int columns)
{
    rows = SafeCount(rows);
    columns = SafeCount(columns);
    SpriteCell next;
    next.row = WrapIndex(cell.row, rows);
    next.column = WrapIndex(cell.column, columns) + 1;
    if (next.column >= columns) {
        next.column = 0;
        next.row += 1;
        if (next.row >= rows)
            next.row = 0;
    }
    return next;
}

QuadUV CellUV(SpriteCell cell, int rows, int columns, bool flipX, bool flipY)
{
    rows = SafeCount(rows);
    columns = SafeCount(columns);
    const float du = 1.0f / static_cast<float>(columns);
    const float dv = 1.0f / static_cast<float>(rows);
    float left = static_cast<float>(WrapIndex(cell.column, columns)) * du;
    float right = left + du;
    float top = static_cast<float>(WrapIndex(cell.row, rows)) * dv;
    float bottom = top + dv;
    if (flipX)
        std::swap(left, right);
    if (flipY)
        std::swap(top, bottom);
    QuadUV uv;
    uv.u = {right, right, left, left};
    uv.v = {top, bottom, bottom, top};
    return uv;
}

bool TickAnimationClock(float& timer, float delay, float dt)
{
    timer -= dt;
    if (timer <= 0.0f) {
        timer = delay;
        return true;
    }
    return false;
}
