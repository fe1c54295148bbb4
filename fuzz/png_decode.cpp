// The quick picture decoder: whatever the bytes, it stays inside them and its pixels; a file it
// takes, lodepng decodes to the same picture; a file it refuses leaves no pixels behind. Whatever
// size a header claims, the decoder takes memory only for data that is there (the run's
// allocation limit stops one that sets aside the claimed size).
#include <cstdint>
#include <string>
#include <vector>

#include <lodepng.h>

#include "FuzzSupport.h"
#include "graphics/PngDecoder.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Each whole chunk's CRC made right, so that changed bytes reach the inflater and the row
    // filters rather than stopping at the first checksum.
    std::vector<unsigned char> file(data, data + size);
    for (size_t at = 8; at + 12 <= file.size();) {
        const size_t length = (size_t(file[at]) << 24) | (size_t(file[at + 1]) << 16) | (size_t(file[at + 2]) << 8) | file[at + 3];
        if (length > file.size() - at - 12)
            break;
        lodepng_chunk_generate_crc(&file[at]);
        at += 12 + length;
    }
    std::vector<unsigned char> pixels;
    unsigned width = 0;
    unsigned height = 0;
    if (!DecodePlainRgbaPng(file, pixels, width, height)) {
        if (!pixels.empty())
            FuzzFailure("a refused file leaves pixels", "none", std::to_string(pixels.size()) + " bytes");
        return 0;
    }
    std::vector<unsigned char> expected;
    unsigned expectedWidth = 0;
    unsigned expectedHeight = 0;
    const unsigned error = lodepng::decode(expected, expectedWidth, expectedHeight, file);
    if (error != 0)
        FuzzFailure("the quick decoder took a file lodepng refuses", "refused", lodepng_error_text(error));
    if (width != expectedWidth || height != expectedHeight || pixels != expected)
        FuzzFailure("the quick decoder's picture", std::to_string(expectedWidth) + " x " + std::to_string(expectedHeight),
                    std::to_string(width) + " x " + std::to_string(height) +
                        (pixels == expected ? "" : ", other pixels"));
    return 0;
}
