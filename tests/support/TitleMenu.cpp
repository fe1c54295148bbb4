#include "support/TitleMenu.h"

namespace testsupport {

bool ShowsTitleMenu(const WindowPicture& picture)
{
    int red = 0;
    for (int y = 80; y < 260 && y < picture.height; ++y)
        for (int x = 480; x < 1440 && x < picture.width; ++x) {
            const std::uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * picture.width + x) * 3];
            red += p[0] > 110 && p[0] > 3 * p[1] && p[0] > 3 * p[2];
        }
    return picture.LitShare(0, 0, picture.width, picture.height) > 0.2 && red > 5000;
}

}  // namespace testsupport
