// What the quick picture decoder takes from the heap for a file whose header claims more than its
// data holds. This program counts every operator new of its own, so it lives in a folder alone.
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>
#include <zlib.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "graphics/GLTexture.h"
#include "graphics/PngDecoder.h"

namespace {
std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakBytes{0};
}  // namespace

void* operator new(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p)
        throw std::bad_alloc();
    const std::int64_t live = liveBytes += static_cast<std::int64_t>(malloc_usable_size(p));
    std::int64_t peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
    return p;
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    liveBytes -= static_cast<std::int64_t>(malloc_usable_size(p));
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    operator delete(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

constexpr std::int64_t kSmall = 4 << 20;

// The most the heap held above its level at the start, while call ran.
template <class Call>
std::int64_t PeakDuring(Call call)
{
    const std::int64_t before = liveBytes.load();
    peakBytes = before;
    call();
    return peakBytes.load() - before;
}

void Big32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void AddChunk(std::vector<unsigned char>& file, const char* type, const std::vector<unsigned char>& data)
{
    Big32(file, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    Big32(file, static_cast<std::uint32_t>(crc32(0L, file.data() + start, static_cast<uInt>(file.size() - start))));
}

// An 8-bit RGBA file that claims width x height and holds the given zlib stream.
std::vector<unsigned char> Png(std::uint32_t width, std::uint32_t height, const std::vector<unsigned char>& stream)
{
    std::vector<unsigned char> file{137, 80, 78, 71, 13, 10, 26, 10};
    std::vector<unsigned char> header;
    Big32(header, width);
    Big32(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});
    AddChunk(file, "IHDR", header);
    AddChunk(file, "IDAT", stream);
    AddChunk(file, "IEND", {});
    return file;
}

std::vector<unsigned char> Compressed(const std::vector<unsigned char>& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<unsigned char> out(size);
    EXPECT_EQ(compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9), Z_OK);
    out.resize(size);
    return out;
}

// Rows of unfiltered noise: deflate cannot shrink them.
std::vector<unsigned char> NoisyRows(std::size_t bytes)
{
    std::vector<unsigned char> raw(bytes);
    unsigned s = 12345u;
    for (unsigned char& b : raw) {
        s = s * 1103515245u + 12345u;
        b = static_cast<unsigned char>(s >> 16);
    }
    return raw;
}

// A file of 69 bytes that claims 16384 x 16384 pixels (a gigabyte) and one whose data (200 KB that
// deflate cannot shrink, so it might well be a picture's) runs out a few rows into a 64 MB picture:
// refused either way, after taking little more than the data they hold.
TEST(PictureMemory, AClaimedSizeTheDataCannotHoldTakesLittleMemory)
{
    const std::vector<unsigned char> tiny = Png(16384, 16384, Compressed(std::vector<unsigned char>(64, 0)));
    ASSERT_LE(tiny.size(), 70u);
    std::vector<unsigned char> rows = NoisyRows(200 * 1024);
    for (std::size_t at = 0; at < rows.size(); at += 4096 * 4 + 1)
        rows[at] = 0;  // each row's filter byte: none
    const std::vector<unsigned char> shortData = Png(4096, 4096, Compressed(rows));

    for (const auto* file : {&tiny, &shortData}) {
        std::vector<unsigned char> pixels;
        unsigned width = 0;
        unsigned height = 0;
        bool taken = true;
        const std::int64_t peak = PeakDuring([&] { taken = DecodePlainRgbaPng(*file, pixels, width, height); });
        EXPECT_FALSE(taken) << file->size();
        EXPECT_LT(peak, kSmall) << "a " << file->size() << "-byte file";
    }
}

// Storage handed in for a picture that then fails is given back at once, by the quick decoder
// (data cut off after some rows) and by the texture decode (a file neither decoder takes).
TEST(PictureMemory, AFailedPictureKeepsNoStorage)
{
    std::vector<unsigned char> raw = NoisyRows(64 * (64 * 4 + 1));
    for (std::size_t at = 0; at < raw.size(); at += 64 * 4 + 1)
        raw[at] = 0;
    std::vector<unsigned char> cut = Compressed(raw);
    cut.resize(cut.size() / 2);
    std::vector<unsigned char> pixels;
    pixels.reserve(1 << 20);
    unsigned width = 0;
    unsigned height = 0;
    EXPECT_FALSE(DecodePlainRgbaPng(Png(64, 64, cut), pixels, width, height));
    EXPECT_EQ(pixels.capacity(), 0u);

    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("vesperine-picture-memory-" + std::to_string(::getpid()) + ".png");
    const std::vector<unsigned char> broken = Png(64, 64, cut);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(broken.data()), static_cast<std::streamsize>(broken.size()));
    std::vector<unsigned char> storage;
    storage.reserve(1 << 20);
    const GLTexture::Decoded decoded = GLTexture::Decode(path.string(), std::move(storage));
    std::filesystem::remove(path);
    EXPECT_NE(decoded.error, 0u);
    EXPECT_EQ(decoded.pixels.capacity(), 0u);
}

}  // namespace
