#include "graphics/GLTexture.h"

#include <GL/glew.h>
#include <lodepng.h>

#include <vector>

#include "engine/LoggingSystem.h"

GLTexture::GLTexture(const std::string& path)
{
    std::vector<unsigned char> pixels;
    unsigned w = 0;
    unsigned h = 0;
    const unsigned result = lodepng::decode(pixels, w, h, path, LCT_RGBA, 8);
    if (result != 0) {
        Framework::ReportError("error " + std::to_string(result) + ": " + lodepng_error_text(result) +
                               " (" + path + ")");
        return;
    }
    width = w;
    height = h;
    if (!GLReady()) {
        Framework::ReportError("Texture \"" + path + "\" cannot be uploaded without an OpenGL context");
        return;
    }

    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(width), static_cast<GLsizei>(height), 0,
                 GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
}

GLTexture::~GLTexture()
{
    ReleaseGL();
}

void GLTexture::ReleaseGL()
{
    if (id != 0 && GLReady())
        glDeleteTextures(1, &id);
    id = 0;
}
