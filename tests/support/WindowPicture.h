#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// A window's picture: rows top first, 8-bit RGB.
struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool Empty() const { return width == 0 || height == 0; }
    // Share of pixels in the rectangle whose brightest channel is above the threshold.
    double LitShare(int x0, int y0, int x1, int y1, int threshold = 40) const;
    // Mean of the brightest channel over the rectangle, every step-th pixel each way.
    double MeanLevel(int x0, int y0, int x1, int y1, int step = 1) const;
    // Writes the picture as a PNG (a test artefact); false on failure.
    bool SavePng(const std::string& path) const;
};

}  // namespace testsupport
