#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/GLResource.h"

// One PNG image in a GL texture, its top row at v = 0, sampled nearest-neighbour and clamped
// at the edges so sheet frames neither blur nor bleed. A file that does not decode is reported
// and leaves id 0 (binding it binds no texture).
class GLTexture : public GLResource
{
public:
    // A PNG decoded to RGBA, not yet a texture (decoding needs no context, so it may run on
    // any thread); error is lodepng's code, 0 when it decoded.
    struct Decoded
    {
        std::vector<unsigned char> pixels;
        unsigned width = 0;
        unsigned height = 0;
        unsigned error = 0;
        bool opaque = false;  // every pixel's alpha is full
        // With kCannotOpen: what stands at the path, in platform/'s words ("No such file or
        // directory", "it is a named pipe, not a file"...).
        std::string unread;
    };
    // Errors of our own, beside lodepng's (which stay below 100).
    // lodepng's own code for a file it cannot open; the report says why instead of the code.
    static constexpr unsigned kCannotOpen = 78;
    static constexpr unsigned kLargerThanTextures = 1001;  // a side over the largest texture
    static constexpr unsigned kUploadRefused = 1002;       // the graphics library refused it

    static Decoded Decode(const std::string& path);
    // The same into storage's memory where it is large enough (its contents do not matter). A
    // picture with a side over largestSide (0: any) is refused from its header, undecoded.
    static Decoded Decode(const std::string& path, std::vector<unsigned char> storage, unsigned largestSide = 0);
    // Says on the console and in the log that the picture at path cannot be read, and why.
    static void ReportUnread(const std::string& path, const std::string& why);
    // The largest texture side the context current on the calling thread takes; 0 without one.
    static unsigned LargestSide();

    explicit GLTexture(const std::string& path);
    // The texture of an already decoded file (path names it in reports).
    GLTexture(const Decoded& decoded, const std::string& path);
    // A texture whose picture comes later through Fill: holders may take it before it is decoded.
    GLTexture();
    // Uploads the decoded picture, or reports why it cannot, as the constructor above does.
    // Once per texture.
    void Fill(const Decoded& decoded, const std::string& path);
    // Makes the GL texture of a picture that decoded, in the context current on the calling
    // thread (any context sharing with the window's), and returns its name; 0 when the graphics
    // library refuses it.
    static unsigned int Upload(const Decoded& decoded);
    // Fill for a picture another thread uploaded already as name.
    void Adopt(const Decoded& decoded, unsigned int name);
    ~GLTexture() override;

    bool IsValid() const { return id != 0; }
    void ReleaseGL() override;

    uint32_t width = 0;
    uint32_t height = 0;
    unsigned int id = 0;
    // Every pixel fully opaque: a quad of it at full alpha hides whatever lies under it.
    bool opaque = false;
};
