#include "tools/make_sprites/SpriteSheet.h"

#include <lodepng.h>

#include <cstdio>
#include <fstream>

namespace sprites {

Canvas renderSheet(const SpriteSheet& sheet) {
    Canvas out(sheet.columns * sheet.frameWidth, sheet.rows * sheet.frameHeight);
    for (int row = 0; row < sheet.rows; ++row) {
        for (int column = 0; column < sheet.columns; ++column) {
            Canvas frame(sheet.frameWidth, sheet.frameHeight);
            if (sheet.draw) sheet.draw(frame, row * sheet.columns + column);
            out.blit(frame, column * sheet.frameWidth, row * sheet.frameHeight);
        }
    }
    return out;
}

bool encodePng(const Canvas& canvas, std::vector<unsigned char>& out, std::string& error) {
    lodepng::State state;
    state.info_raw.colortype = LCT_RGBA;
    state.info_raw.bitdepth = 8;
    state.info_png.color.colortype = LCT_RGBA;
    state.info_png.color.bitdepth = 8;
    state.encoder.auto_convert = 0;
    // Paeth on every row compresses these pictures nearly as well as the
    // per-row search and is much quicker.
    state.encoder.filter_strategy = LFS_FOUR;
    state.encoder.zlibsettings.windowsize = 512;
    state.encoder.zlibsettings.lazymatching = 0;
    std::vector<unsigned char> pixels = canvas.toBytes();
    out.clear();
    unsigned code = lodepng::encode(out, pixels, static_cast<unsigned>(canvas.width()),
                                    static_cast<unsigned>(canvas.height()), state);
    if (code != 0) {
        error = std::string("PNG encoding failed: ") + lodepng_error_text(code);
        return false;
    }
    return true;
}

bool writeFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) {
    std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) {
            error = "cannot open " + temporary + " for writing";
            return false;
        }
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.flush();
        if (!file) {
            error = "cannot write " + temporary;
            file.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + temporary + " to " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace sprites
