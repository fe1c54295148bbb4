#pragma once

#include <cstddef>
#include <vector>

#include "graphics/QuadBatch.h"

// Takes out of a frame's quads what opaque quads drawn later hide: a quad wholly under one is
// dropped, and an upright quad with a band of it under one is cut back to the part that shows
// (its texture coordinates and depth follow the cut). Every pixel ends as it would have, but is
// shaded once where floor lay under wall. Only upright opaque quads hide others. GL-free.
class QuadCover
{
public:
    // Quads times hiding quads above which the pass is skipped (a crowd of small sprites
    // rarely hides anything, and the test would cost more than it saves).
    static constexpr std::size_t kMostPairs = 250000;

    // Returns how many quads were dropped.
    std::size_t Apply(QuadBatch& batch);

private:
    using Box = ViewBox;
    // Upright: its corners take two x and two y values, and its texture coordinates and depth
    // are affine over it, so a cut keeps them exact.
    static bool IsUpright(const QuadVertex* corners);
    // Cuts the upright quad back to the box (inside its own), corners and what they carry.
    static void CutTo(QuadVertex* corners, const Box& from, const Box& to);

    std::vector<Box> covers;
    std::vector<bool> keep;
};
