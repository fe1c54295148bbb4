#include "support/WindowPicture.h"

#include <lodepng.h>

#include <algorithm>

namespace testsupport {

double WindowPicture::LitShare(int x0, int y0, int x1, int y1, int threshold) const
{
    x0 = std::max(0, x0);
    y0 = std::max(0, y0);
    x1 = std::min(width, x1);
    y1 = std::min(height, y1);
    if (x1 <= x0 || y1 <= y0)
        return 0.0;
    long lit = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3];
            if (std::max({p[0], p[1], p[2]}) > threshold)
                ++lit;
        }
    }
    return static_cast<double>(lit) / static_cast<double>((x1 - x0) * (y1 - y0));
}

double WindowPicture::MeanLevel(int x0, int y0, int x1, int y1, int step) const
{
    step = std::max(1, step);
    double sum = 0.0;
    long count = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); y += step)
        for (int x = std::max(0, x0); x < std::min(width, x1); x += step, ++count) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3];
            sum += std::max({p[0], p[1], p[2]});
        }
    return count > 0 ? sum / static_cast<double>(count) : 0.0;
}

bool WindowPicture::SavePng(const std::string& path) const
{
    if (Empty())
        return false;
    return lodepng::encode(path, rgb, static_cast<unsigned>(width), static_cast<unsigned>(height), LCT_RGB, 8) == 0;
}

}  // namespace testsupport
