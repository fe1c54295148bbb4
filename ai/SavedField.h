#pragma once

#include <istream>
#include <string>

#include "engine/Vector2.h"

// Reads one saved "key, value" pair of an enemy block. The key is skipped unread; the value
// is only taken when the whole pair was read, so a cut-short block keeps the defaults and
// leaves the stream failed for the level reader to report.
template <class T>
bool ReadSavedField(std::istream& stream, T& value)
{
    std::string key;
    T read{};
    if (!(stream >> key >> read))
        return false;
    value = read;
    return true;
}

inline bool ReadSavedField(std::istream& stream, bool& value)
{
    int flag = 0;
    if (!ReadSavedField(stream, flag))
        return false;
    value = flag != 0;
    return true;
}

inline bool ReadSavedField(std::istream& stream, Vector2& value)
{
    std::string key;
    Vector2 read;
    if (!(stream >> key >> read.x >> read.y))
        return false;
    value = read;
    return true;
}
