#include "graphics/GLTexture.h"

#include <GL/glew.h>
#include <lodepng.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/LoggingSystem.h"
#include "graphics/PngDecoder.h"
#include "platform/WholeFile.h"

namespace {

// lodepng's code for image data that inflates to less than the header's size.
constexpr unsigned kDataShorterThanPicture = 91;

// a * b, or the largest value when the product would not fit: a claimed size never wraps to a
// small one.
std::uint64_t Times(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? UINT64_MAX : product;
}

std::uint64_t Plus(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? UINT64_MAX : sum;
}

// What lodepng inflates an interlaced picture to: the seven passes' rows, each with its filter
// byte, a pass without columns or rows holding nothing. The filter bytes and the padding of
// short rows make it many times the picture's own bits when the passes are narrow.
std::uint64_t InterlacedBytes(std::uint64_t width, std::uint64_t height, std::uint64_t bits)
{
    // Each pass's first column and row, and its steps across and down.
    static constexpr unsigned kPasses[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                               {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    std::uint64_t total = 0;
    for (const auto& [x, y, across, down] : kPasses) {
        const std::uint64_t columns = (width + across - 1 - x) / across;
        const std::uint64_t rows = (height + down - 1 - y) / down;
        if (columns != 0)
            total = Plus(total, Times(rows, 1 + (columns * bits + 7) / 8));
    }
    return total;
}

// Whether the file's image data, however well it inflated, could not fill the rows its header
// claims. lodepng sets the whole claimed size aside before it finds that out, so such a file is
// refused here, whichever decoder its format would go to. The chunks are followed as lodepng
// follows them: a chunk it does not know is skipped whatever its CRC, and one it reads goes
// through its own chunk reader. A file lodepng stops at before it inflates (a header or chunk it
// cannot read, a CRC it checks) is left to it, to be reported with its own code.
bool ClaimsMoreThanItsDataHolds(const std::vector<unsigned char>& file)
{
    unsigned width = 0;
    unsigned height = 0;
    lodepng::State state;
    if (lodepng_inspect(&width, &height, &state, file.data(), file.size()) != 0)
        return false;
    std::uint64_t compressed = 0;
    const unsigned char* end = file.data() + file.size();
    for (const unsigned char* chunk = file.data() + 33;; chunk = lodepng_chunk_next_const(chunk, end)) {
        if (end - chunk < 12 || lodepng_chunk_length(chunk) > std::uint64_t(end - chunk) - 12)
            return false;
        const bool data = lodepng_chunk_type_equals(chunk, "IDAT");
        const bool last = lodepng_chunk_type_equals(chunk, "IEND");
        if ((data || last) && lodepng_chunk_check_crc(chunk) != 0)
            return false;
        // A critical chunk lodepng does not know stops it; its reader checks the CRC of the
        // other chunks it knows and passes over the rest unread.
        if (!data && !last &&
            ((!lodepng_chunk_ancillary(chunk) && !lodepng_chunk_type_equals(chunk, "PLTE")) ||
             lodepng_inspect_chunk(&state, std::size_t(chunk - file.data()), file.data(), file.size()) != 0))
            return false;
        if (last)
            break;
        if (data)
            compressed += lodepng_chunk_length(chunk);
    }
    const std::uint64_t bits = lodepng_get_bpp(&state.info_png.color);
    // Each row and its filter byte.
    const std::uint64_t least = state.info_png.interlace_method == 0
                                    ? Times(height, 1 + (std::uint64_t(width) * bits + 7) / 8)
                                    : InterlacedBytes(width, height, bits);
    return compressed * kMostInflatedPerByte < least;
}

// Whether the header claims a side over largestSide (0: no limit). A header lodepng cannot read
// is left to it. The claimed size stays in width and height for the report.
bool WiderThanTextures(const std::vector<unsigned char>& file, unsigned largestSide, unsigned& width,
                       unsigned& height)
{
    lodepng::State state;
    return largestSide != 0 && lodepng_inspect(&width, &height, &state, file.data(), file.size()) == 0 &&
           (width > largestSide || height > largestSide);
}

void Report(unsigned error, unsigned width, unsigned height, const std::string& path)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    std::string why = lodepng_error_text(error);
    if (error == GLTexture::kLargerThanTextures) {
        const unsigned largest = GLTexture::LargestSide();
        why = size + " pixels, more than the graphics card's largest texture" +
              (largest != 0 ? " (" + std::to_string(largest) + " a side)" : std::string());
    } else if (error == GLTexture::kUploadRefused) {
        why = "the graphics library refused the " + size + " texture";
    }
    Framework::ReportError("error " + std::to_string(error) + ": " + why + " (" + path + ")");
}

}  // namespace

void GLTexture::ReportUnread(const std::string& path, const std::string& why)
{
    Framework::ReportError("Picture \"" + path + "\" cannot be read (" + why + ")");
}

GLTexture::Decoded GLTexture::Decode(const std::string& path)
{
    return Decode(path, std::vector<unsigned char>());
}

GLTexture::Decoded GLTexture::Decode(const std::string& path, std::vector<unsigned char> storage,
                                     unsigned largestSide)
{
    Decoded decoded;
    decoded.pixels = std::move(storage);
    decoded.pixels.clear();
    // Read through platform/, so that a named pipe or a device in a picture's place never
    // blocks the load; a file that will not read keeps lodepng's code for it, and why. What the
    // quick path does not take, lodepng decodes or reports.
    std::vector<unsigned char> file;
    std::string bytes;
    if (Platform::ReadWholeFile(path, bytes, &decoded.unread))
        file.assign(bytes.begin(), bytes.end());
    else
        decoded.error = kCannotOpen;
    // The card could not take it: not worth the memory of decoding it.
    if (decoded.error == 0 && WiderThanTextures(file, largestSide, decoded.width, decoded.height))
        decoded.error = kLargerThanTextures;
    if (decoded.error == 0 && ClaimsMoreThanItsDataHolds(file))
        decoded.error = kDataShorterThanPicture;
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

GLTexture::GLTexture(const std::string& path) : GLTexture(Decode(path, {}, LargestSide()), path) {}

GLTexture::GLTexture(const Decoded& decoded, const std::string& path)
{
    Fill(decoded, path);
}

GLTexture::GLTexture() = default;

void GLTexture::Fill(const Decoded& decoded, const std::string& path)
{
    if (decoded.error == kCannotOpen) {
        ReportUnread(path, decoded.unread);
        return;
    }
    if (decoded.error != 0) {
        Report(decoded.error, decoded.width, decoded.height, path);
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
    if (id == 0)
        Report(kUploadRefused, width, height, path);
}

unsigned GLTexture::LargestSide()
{
    if (!GLReady())
        return 0;
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    return side > 0 ? static_cast<unsigned>(side) : 0;
}

unsigned int GLTexture::Upload(const Decoded& decoded)
{
    // An error left by an earlier call is not this upload's (a lost context may repeat one).
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(decoded.width), static_cast<GLsizei>(decoded.height),
                 0, GL_RGBA, GL_UNSIGNED_BYTE, decoded.pixels.data());
    if (glGetError() != GL_NO_ERROR) {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDeleteTextures(1, &name);
        return 0;
    }
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
