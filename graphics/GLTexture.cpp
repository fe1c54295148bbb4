#include "graphics/GLTexture.h"

#include <GL/glew.h>
#include <lodepng.h>

#include <vector>

#include "engine/LoggingSystem.h"
#include "graphics/PngDecoder.h"

GLTexture::Decoded GLTexture::Decode(const std::string& path)
{
    return Decode(path, {});
}

GLTexture::Decoded GLTexture::Decode(const std::string& path, std::vector<unsigned char> storage)
{
    Decoded decoded;
    decoded.pixels = std::move(storage);
    decoded.pixels.clear();
    // Read as lodepng would read it (same code for a file that will not open); what the quick
    // path does not take, lodepng decodes or reports.
    std::vector<unsigned char> file;
    decoded.error = lodepng::load_file(file, path);
    if (decoded.error == 0 && !DecodePlainRgbaPng(file, decoded.pixels, decoded.width, decoded.height))
        decoded.error = lodepng::decode(decoded.pixels, decoded.width, decoded.height, file, LCT_RGBA, 8);
    // A picture that failed keeps no memory while the rest of the load goes on.
    if (decoded.error != 0)
        std::vector<unsigned char>().swap(decoded.pixels);
    decoded.opaque = decoded.error == 0 && !decoded.pixels.empty();
    for (std::size_t alpha = 3; decoded.opaque && alpha < decoded.pixels.size(); alpha += 4)
        decoded.opaque = decoded.pixels[alpha] == 255;
    return decoded;
}

GLTexture::GLTexture(const std::string& path) : GLTexture(Decode(path), path) {}

GLTexture::GLTexture(const Decoded& decoded, const std::string& path)
{
    Fill(decoded, path);
}

GLTexture::GLTexture() = default;

void GLTexture::Fill(const Decoded& decoded, const std::string& path)
{
    if (decoded.error != 0) {
        Framework::ReportError("error " + std::to_string(decoded.error) + ": " + lodepng_error_text(decoded.error) +
                               " (" + path + ")");
        return;
    }
    width = decoded.width;
    height = decoded.height;
    opaque = decoded.opaque;
    if (!GLReady()) {
        Framework::ReportError("Texture \"" + path + "\" cannot be uploaded without an OpenGL context");
        return;
    }

    id = Upload(decoded);
}

unsigned int GLTexture::Upload(const Decoded& decoded)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(decoded.width), static_cast<GLsizei>(decoded.height),
                 0, GL_RGBA, GL_UNSIGNED_BYTE, decoded.pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

void GLTexture::Adopt(const Decoded& decoded, unsigned int name)
{
    width = decoded.width;
    height = decoded.height;
    opaque = decoded.opaque;
    id = name;
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
