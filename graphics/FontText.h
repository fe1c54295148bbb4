#pragma once
#include <string>
#include <vector>

#include "graphics/GLResource.h"

// The bitmap font all on-screen text prints through: one texture and one fixed-function
// display list per character code 0..127, made once from the TrueType file with FreeType.
// Needs a current GL context offering the fixed-function pipeline for Init, Print and Release.
class FontText : public GLResource {
public:
    static constexpr int kGlyphCount = 128;
    static const char* const kFontPath;  // "../resources/fonts/roman_antique/RomanAntique.ttf"
    // The glyphs are made at kHeight points and kDpi dots an inch (FontMetrics measures the same).
    static constexpr float kHeight = 30.0f;
    static constexpr unsigned kDpi = 96;
    // kHeight in FreeType's 26.6 fixed point.
    static constexpr long CharSize() { return static_cast<long>(kHeight) << 6; }

    FontText() = default;
    // No GL call here: the context may already be gone. The owner calls Release (or
    // ReleaseAllGLResources) before that.
    ~FontText() override = default;

    // Builds the glyphs from kFontPath at height 30; both arguments are ignored. A font that
    // cannot be loaded is reported on the console and leaves the font not ready: the game runs
    // on and prints nothing. Returns whether the font is ready.
    bool Init(const char* unusedFile = nullptr, unsigned int unusedHeight = 30);

    // Deletes the display lists and textures. Safe to call more than once or before Init;
    // without a current context the names are only forgotten.
    void Release();
    void ReleaseGL() override { Release(); }

    bool IsReady() const { return listBase != 0; }

    // Pushes a projection that maps the viewport to pixel coordinates.
    static void PushScreenMatrix();

    // Formats printf style (no length limit) and draws the text in the current GL colour at
    // (x, y) under the current model-view matrix; lines split at '\n' go down by
    // height / 0.63. A null format or a font that is not ready prints nothing. Pass text as
    // data: Print(font, 0, 0, "%s", text.c_str()).
    static void Print(const FontText& font, float x, float y, const char* format, ...)
        __attribute__((format(printf, 4, 5)));

    // The lines Print draws for a text (split at every '\n'; the last may be empty).
    static std::vector<std::string> SplitLines(const std::string& text);

    float height = kHeight;
    std::vector<unsigned int> textures;  // texture name per character code, empty until Init
    unsigned int listBase = 0;           // first of the 128 lists; 0 while not built

private:
    // Makes texture c and list listBase + c for one character; false when FreeType fails.
    bool BuildGlyphList(void* face, int c, std::string& error);
};
