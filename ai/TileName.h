#pragma once

#include <string>

// What a path-finding tile's name says: "<room>g<row>x<column>", e.g. "Wardg3x12". The room is
// the text before the last 'g'; row and column are plain decimal numbers.
struct TileName
{
    std::string room;
    int row = 0;
    int column = 0;

    // False, with the reason in why, for a name that does not follow the pattern.
    static bool Parse(const std::string& name, TileName& out, std::string& why);
};
