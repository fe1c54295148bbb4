#pragma once
#include <string>

// How wide the game's font draws a line, with no GL context: the same font file, size and
// glyph metrics that FontText builds its glyphs from, so a line can be held against the space
// it is shown in.
class FontMetrics {
public:
    // Opens the font file; IsReady tells whether it could.
    explicit FontMetrics(const std::string& path);
    ~FontMetrics();
    FontMetrics(const FontMetrics&) = delete;
    FontMetrics& operator=(const FontMetrics&) = delete;

    bool IsReady() const { return face != nullptr; }

    // Pixels at scale 1 from where a line of text (no '\n') starts to the right edge of its
    // last ink, as FontText::Print places the glyphs; characters it does not draw add nothing.
    float Width(const std::string& line) const;

private:
    void* library = nullptr;
    void* face = nullptr;
    std::string bytes;  // the font file, read through platform/: the face reads from it
};
