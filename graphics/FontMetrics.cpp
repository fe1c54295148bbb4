#include "graphics/FontMetrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "graphics/FontText.h"
#include "platform/WholeFile.h"

FontMetrics::FontMetrics(const std::string& path)
{
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0)
        return;
    library = lib;
    FT_Face opened = nullptr;
    // FreeType reads the face from these bytes for as long as it lives.
    if (!Platform::ReadWholeFile(path, bytes) ||
        FT_New_Memory_Face(lib, reinterpret_cast<const FT_Byte*>(bytes.data()), static_cast<FT_Long>(bytes.size()), 0,
                           &opened) != 0)
        return;
    FT_Set_Char_Size(opened, FontText::CharSize(), FontText::CharSize(), FontText::kDpi, FontText::kDpi);
    face = opened;
}

FontMetrics::~FontMetrics()
{
    if (face)
        FT_Done_Face(static_cast<FT_Face>(face));
    if (library)
        FT_Done_FreeType(static_cast<FT_Library>(library));
}

float FontMetrics::Width(const std::string& line) const
{
    if (!face)
        return 0.0f;
    const FT_Face f = static_cast<FT_Face>(face);
    long pen = 0;
    long right = 0;
    for (const char ch : line) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= FontText::kGlyphCount)
            continue;
        if (FT_Load_Glyph(f, FT_Get_Char_Index(f, c), FT_LOAD_DEFAULT) != 0 ||
            FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL) != 0)
            continue;
        // The glyph's picture starts `left` past the pen; the pen then moves by whole pixels.
        if (f->glyph->bitmap.width > 0)
            right = std::max(right, pen + f->glyph->bitmap_left + static_cast<long>(f->glyph->bitmap.width));
        pen += f->glyph->advance.x >> 6;
    }
    return static_cast<float>(right);
}
