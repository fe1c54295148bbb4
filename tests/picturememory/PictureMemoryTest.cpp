// What decoding a picture whose header claims more than its data holds takes from the heap. This
// program counts every malloc of its own (operator new and lodepng come through it too), so it
// lives in a folder alone.
#include <gtest/gtest.h>
#include <lodepng.h>
#include <malloc.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>
#include <unistd.h>

#include "graphics/GLTexture.h"
#include "graphics/PngDecoder.h"
#include "support/FileText.h"

namespace {
std::int64_t liveBytes = 0;
std::int64_t peakBytes = 0;

// A request the heap refuses counts too: asking for the claimed size is the fault, whether or not
// the heap can give it.
void* Counted(void* p, std::size_t asked)
{
    const std::int64_t taken = p ? static_cast<std::int64_t>(malloc_usable_size(p))
                                 : static_cast<std::int64_t>(std::min<std::size_t>(asked, std::size_t(1) << 62));
    peakBytes = std::max(peakBytes, liveBytes + taken);
    liveBytes += p ? taken : 0;
    return p;
}

void Uncount(void* p)
{
    liveBytes -= static_cast<std::int64_t>(malloc_usable_size(p));
}
}  // namespace

// Over glibc's own allocator.
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);
void* malloc(std::size_t size) { return Counted(__libc_malloc(size), size); }
void* calloc(std::size_t count, std::size_t size) { return Counted(__libc_calloc(count, size), count * size); }
void* realloc(void* p, std::size_t size) { Uncount(p); return Counted(__libc_realloc(p, size), size); }
void free(void* p) { Uncount(p); __libc_free(p); }
}

namespace {

// The file with its header claiming width x height, with bits a channel and interlacing as given.
std::vector<unsigned char> Claiming(std::vector<unsigned char> file, unsigned width, unsigned height,
                                    unsigned char depth = 8, unsigned char interlace = 0)
{
    const auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
    };
    put32(16, width);
    put32(20, height);
    file[24] = depth;
    file[28] = interlace;
    put32(29, static_cast<std::uint32_t>(crc32(0L, file.data() + 12, 17)));  // the header's
    return file;
}

// An 8-bit RGBA (or RGB) file that claims width x height and holds only the first rows, of noise
// that deflate hardly shrinks.
std::vector<unsigned char> NoisePng(unsigned width, unsigned height, unsigned rows, LodePNGColorType type = LCT_RGBA)
{
    std::vector<unsigned char> pixels(std::size_t(width) * rows * (type == LCT_RGB ? 3 : 4));
    for (unsigned char& b : pixels)
        b = static_cast<unsigned char>(std::rand() >> 8);
    std::vector<unsigned char> file;
    EXPECT_EQ(lodepng::encode(file, pixels, width, rows, type), 0u);
    return Claiming(file, width, height);
}

// The file with a chunk of a kind no decoder knows, its CRC wrong, after the header.
std::vector<unsigned char> WithBadUnknownChunk(std::vector<unsigned char> file)
{
    const unsigned char chunk[] = {0, 0, 0, 1, 'p', 'r', 'V', 't', 0, 1, 2, 3, 4};
    file.insert(file.begin() + 33, std::begin(chunk), std::end(chunk));
    return file;
}

// A gigabyte claimed on one row, and 64 MB on twelve: refused, after taking little more than the
// data they hold, and keeping none of it.
TEST(PictureMemory, AClaimedSizeTheDataCannotHoldTakesLittleMemory)
{
    for (const std::vector<unsigned char>& file : {NoisePng(16384, 16384, 1), NoisePng(4096, 4096, 12)}) {
        std::vector<unsigned char> pixels;
        unsigned width = 0;
        unsigned height = 0;
        const std::int64_t before = liveBytes;
        peakBytes = before;
        EXPECT_FALSE(DecodePlainRgbaPng(file, pixels, width, height));
        EXPECT_LT(peakBytes - before, 4 << 20) << "a " << file.size() << "-byte file";
        EXPECT_EQ(pixels.capacity(), 0u) << "a " << file.size() << "-byte file";
    }
}

// The texture decode refuses such a picture too, on the quick path's format and on lodepng's
// (RGB), after a chunk lodepng skips whatever its CRC, and when the claimed size would not fit in
// 64 bits, without asking for the claimed size.
TEST(PictureMemory, ATextureClaimingMoreThanItsDataTakesLittleMemory)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("vesperine-claims-a-gigabyte-" + std::to_string(::getpid()) + ".png");
    const std::pair<const char*, std::vector<unsigned char>> files[] = {
        {"RGBA", NoisePng(16384, 16384, 1)},
        {"RGB", NoisePng(16384, 16384, 1, LCT_RGB)},
        {"RGBA after an unknown chunk with a wrong CRC", WithBadUnknownChunk(NoisePng(16384, 16384, 1))},
        {"16-bit RGBA interlaced, 2^29 a side", Claiming(NoisePng(8, 8, 8), 1u << 29, 1u << 29, 16, 1)},
    };
    for (const auto& [name, file] : files) {
        testsupport::WriteFile(path, std::string(file.begin(), file.end()));
        const std::int64_t before = liveBytes;
        peakBytes = before;
        EXPECT_NE(GLTexture::Decode(path.string()).error, 0u) << name;
        EXPECT_LT(peakBytes - before, 4 << 20) << name;
    }
    std::filesystem::remove(path);
}

// An interlaced picture inflates to its seven passes' rows, each with a filter byte and padded to
// whole bytes: a 1-bit grey one, 1 x 825,599,992, with 100,000 bytes of noise for its data, needs
// 1.5 GB and is refused without asking for it. A tall, thin one that is whole still decodes.
TEST(PictureMemory, AnInterlacedPictureIsMeasuredByItsPasses)
{
    // 100,000 grey bytes of noise, the header made 1-bit and interlaced.
    const std::vector<unsigned char> noisy = Claiming(NoisePng(100000, 1, 1, LCT_GREY), 1, 825599992, 1, 1);
    lodepng::State state;
    state.info_raw = state.info_png.color = lodepng_color_mode_make(LCT_GREY, 1);
    state.info_png.interlace_method = 1;
    std::vector<unsigned char> whole;
    ASSERT_EQ(lodepng::encode(whole, std::vector<unsigned char>(100000 / 8), 1, 100000, state), 0u);

    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("vesperine-interlaced-" + std::to_string(::getpid()) + ".png");
    for (const auto& [file, refused] : {std::pair(noisy, true), std::pair(whole, false)}) {
        testsupport::WriteFile(path, std::string(file.begin(), file.end()));
        peakBytes = liveBytes;
        const std::int64_t before = liveBytes;
        EXPECT_EQ(GLTexture::Decode(path.string()).error != 0, refused) << file.size() << " bytes";
        EXPECT_LT(peakBytes - before, 64 << 20) << file.size() << " bytes";
    }
    std::filesystem::remove(path);
}

// The texture decode gives back the storage it was handed for a picture that failed.
TEST(PictureMemory, AFailedTextureKeepsNoStorage)
{
    std::vector<unsigned char> storage;
    storage.reserve(1 << 20);
    EXPECT_EQ(GLTexture::Decode("no-such-picture.png", std::move(storage)).pixels.capacity(), 0u);
}

}  // namespace
