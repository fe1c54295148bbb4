#include "graphics/FontText.h"

#include <GL/glew.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/LoggingSystem.h"
#include "platform/WholeFile.h"

const char* const FontText::kFontPath = "../resources/fonts/roman_antique/RomanAntique.ttf";

namespace {

int NextPowerOfTwo(int value)
{
    int p = 1;
    while (p < value)
        p <<= 1;
    return p;
}

// Compiles an empty list so that the character draws nothing and never advances.
void CompileEmptyList(GLuint list)
{
    glNewList(list, GL_COMPILE);
    glEndList();
}

}  // namespace

bool FontText::Init(const char* unusedFile, unsigned int unusedHeight)
{
    (void)unusedFile;
    (void)unusedHeight;
    Release();
    height = kHeight;
    if (!GLReady()) {
        Framework::ReportError("FontText: no OpenGL context; text is off");
        return false;
    }

    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        Framework::ReportError("FT_Init_FreeType failed; text is off");
        return false;
    }

    FT_Face face = nullptr;
    // FreeType gets the bytes, never the path: it would block on a named pipe in the font's
    // place. They live until the face is done, at the end of this call.
    std::string bytes;
    std::string why;
    if (!Platform::ReadWholeFile(kFontPath, bytes, &why)) {
        Framework::ReportError(std::string("cannot read the font file ") + kFontPath + " (" + why + "); text is off");
        FT_Done_FreeType(library);
        return false;
    }
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(bytes.data()), static_cast<FT_Long>(bytes.size()),
                           0, &face) != 0) {
        Framework::ReportError(std::string("FT_New_Face failed (there is probably a problem with your font file): ") +
                               kFontPath + "; text is off");
        FT_Done_FreeType(library);
        return false;
    }

    FT_Set_Char_Size(face, CharSize(), CharSize(), kDpi, kDpi);

    GLuint base = glGenLists(kGlyphCount);
    if (base == 0) {
        Framework::ReportError("FontText: no display lists available; text is off");
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        return false;
    }
    textures.assign(kGlyphCount, 0);
    glGenTextures(kGlyphCount, textures.data());
    listBase = base;

    // Rows of one- and two-texel glyph textures are not 4-byte aligned.
    GLint oldAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &oldAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    int failed = 0;
    std::string firstError;
    for (int c = 0; c < kGlyphCount; ++c) {
        std::string error;
        if (!BuildGlyphList(face, c, error)) {
            if (failed == 0)
                firstError = error;
            ++failed;
            CompileEmptyList(listBase + static_cast<GLuint>(c));
        }
    }

    glPixelStorei(GL_UNPACK_ALIGNMENT, oldAlignment);
    glBindTexture(GL_TEXTURE_2D, 0);

    if (failed > 0) {
        Framework::ReportError(firstError + " (" + std::to_string(failed) +
                               " characters of the font draw nothing)");
    }

    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return true;
}

bool FontText::BuildGlyphList(void* facePtr, int c, std::string& error)
{
    FT_Face face = static_cast<FT_Face>(facePtr);
    const GLuint list = listBase + static_cast<GLuint>(c);

    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, static_cast<FT_ULong>(c)), FT_LOAD_DEFAULT) != 0) {
        error = "FT_Load_Glyph failed";
        return false;
    }
    FT_Glyph glyph = nullptr;
    if (FT_Get_Glyph(face->glyph, &glyph) != 0) {
        error = "FT_Get_Glyph failed";
        return false;
    }
    if (FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) {
        FT_Done_Glyph(glyph);
        error = "FT_Glyph_To_Bitmap failed";
        return false;
    }
    FT_BitmapGlyph bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(glyph);
    const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    // Rows lie pitch bytes apart, which may be more than the width.
    const int pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;

    const int w = NextPowerOfTwo(width);
    const int h = NextPowerOfTwo(rows);
    std::vector<GLubyte> texels(static_cast<size_t>(2 * w * h), 0);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const size_t at = 2 * static_cast<size_t>(i + j * w);
            texels[at] = 255;
            texels[at + 1] = (i < width && j < rows) ? bitmap.buffer[i + pitch * j] : 0;
        }
    }

    glBindTexture(GL_TEXTURE_2D, textures[static_cast<size_t>(c)]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, texels.data());

    const float left = static_cast<float>(bitmapGlyph->left);
    const float top = static_cast<float>(bitmapGlyph->top);
    const float fw = static_cast<float>(width);
    const float fr = static_cast<float>(rows);
    const float x = fw / static_cast<float>(w);
    const float y = fr / static_cast<float>(h);

    glNewList(list, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures[static_cast<size_t>(c)]);
    glPushMatrix();
    glTranslatef(left, 0.0f, 0.0f);
    glTranslatef(0.0f, top - fr, 0.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, fr);
    glTexCoord2f(0.0f, y);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(x, y);
    glVertex2f(fw, 0.0f);
    glTexCoord2f(x, 0.0f);
    glVertex2f(fw, fr);
    glEnd();
    glPopMatrix();
    glTranslatef(static_cast<float>(face->glyph->advance.x >> 6), 0.0f, 0.0f);
    glEndList();

    FT_Done_Glyph(glyph);
    return true;
}

void FontText::Release()
{
    if (GLReady()) {
        if (listBase != 0)
            glDeleteLists(listBase, kGlyphCount);
        if (!textures.empty())
            glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
    }
    listBase = 0;
    textures.clear();
    textures.shrink_to_fit();
}

void FontText::PushScreenMatrix()
{
    glPushAttrib(GL_TRANSFORM_BIT);
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The 2-D orthographic projection: near -1, far 1.
    glOrtho(viewport[0], viewport[2], viewport[1], viewport[3], -1.0, 1.0);
    glPopAttrib();
}

std::vector<std::string> FontText::SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

void FontText::Print(const FontText& font, float x, float y, const char* format, ...)
{
    if (format == nullptr || !font.IsReady() || !GLReady())
        return;

    // Formatted into a buffer of the needed size: text is never cut.
    std::string text;
    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(&text[0], text.size(), format, args);
        text.resize(static_cast<size_t>(length));
    }
    va_end(args);

    // Text is fixed-function; a program left in use would swallow it.
    GLint oldProgram = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &oldProgram);
    if (oldProgram != 0)
        glUseProgram(0);

    PushScreenMatrix();
    const float lineAdvance = font.height / 0.63f;
    const std::vector<std::string> lines = SplitLines(text);

    glPushAttrib(GL_LIST_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glListBase(font.listBase);

    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);

    std::string glyphs;
    for (size_t i = 0; i < lines.size(); ++i) {
        // Only codes 0..127 have lists; other list names may belong to someone else.
        glyphs.clear();
        for (char ch : lines[i]) {
            if (static_cast<unsigned char>(ch) < kGlyphCount)
                glyphs.push_back(ch);
        }
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(x, y - lineAdvance * static_cast<float>(i), 0.0f);
        glMultMatrixf(modelview);
        if (!glyphs.empty())
            glCallLists(static_cast<GLsizei>(glyphs.size()), GL_UNSIGNED_BYTE, glyphs.data());
        glPopMatrix();
    }

    glPopAttrib();

    glPushAttrib(GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();

    if (oldProgram != 0)
        glUseProgram(static_cast<GLuint>(oldProgram));
}
