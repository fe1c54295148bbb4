// The quick PNG path against lodepng: the same pixels for every file it takes, and for every file
// it refuses (damaged, cut short, another format) the texture decode still gives lodepng's answer.
#include <gtest/gtest.h>
#include <lodepng.h>

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <unistd.h>

#include "graphics/GLTexture.h"
#include "graphics/PngDecoder.h"

namespace {

namespace fs = std::filesystem;

// Pixels with many ties between the Paeth predictors (few distinct values) and some noise.
std::vector<unsigned char> Picture(unsigned w, unsigned h, unsigned seed)
{
    std::vector<unsigned char> pixels(std::size_t(w) * h * 4);
    unsigned s = seed * 2654435761u + 1u;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        s = s * 214013u + 2531011u;
        const unsigned r = (s >> 16) & 0x7FFF;
        pixels[i] = static_cast<unsigned char>(r % 3 == 0 ? r : (r % 4) * 85);
    }
    return pixels;
}

// An 8-bit RGBA file whose rows use the given filters in turn.
std::vector<unsigned char> Encode(const std::vector<unsigned char>& pixels, unsigned w, unsigned h,
                                  std::vector<unsigned char> filters)
{
    lodepng::State state;
    state.encoder.auto_convert = 0;
    state.info_png.color.colortype = LCT_RGBA;
    state.info_png.color.bitdepth = 8;
    state.encoder.filter_palette_zero = 0;
    state.encoder.filter_strategy = LFS_PREDEFINED;
    std::vector<unsigned char> perRow(h);
    for (unsigned y = 0; y < h; ++y)
        perRow[y] = filters[y % filters.size()];
    state.encoder.predefined_filters = perRow.data();
    std::vector<unsigned char> file;
    EXPECT_EQ(lodepng::encode(file, pixels, w, h, state), 0u);
    return file;
}

// Rewrites each chunk's CRC to match its bytes, so that a fault gets past the CRC to what
// lies behind it (zlib's checks, the data's length, the row filters, the header's fields).
std::vector<unsigned char> WithCrcsFixed(std::vector<unsigned char> file)
{
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::size_t length = (std::size_t(file[at]) << 24) | (std::size_t(file[at + 1]) << 16) |
                                   (std::size_t(file[at + 2]) << 8) | file[at + 3];
        if (length > file.size() - at - 12)
            break;
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), file.data() + at + 4, static_cast<uInt>(length + 4));
        for (int i = 0; i < 4; ++i)
            file[at + 8 + length + static_cast<std::size_t>(i)] = static_cast<unsigned char>(crc >> (24 - 8 * i));
        at += 12 + length;
    }
    return file;
}

// The picture, made grey and opaque so that it fits every colour type, stored as type and depth.
std::vector<unsigned char> EncodeAs(std::vector<unsigned char> pixels, unsigned w, unsigned h, LodePNGColorType type,
                                    unsigned depth)
{
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i + 1] = pixels[i + 2] = pixels[i];
        pixels[i + 3] = 255;
    }
    lodepng::State state;
    state.encoder.auto_convert = 0;
    state.info_png.color.colortype = type;
    state.info_png.color.bitdepth = depth;
    std::vector<unsigned char> file;
    EXPECT_EQ(lodepng::encode(file, pixels, w, h, state), 0u);
    return file;
}

struct Result {
    unsigned error = 0;
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> pixels;
};

Result ByLodepng(const std::vector<unsigned char>& file)
{
    Result result;
    result.error = lodepng::decode(result.pixels, result.width, result.height, file, LCT_RGBA, 8);
    return result;
}

class PngFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = fs::temp_directory_path() /
               ("vesperine-png-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".png");
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove(path, ec);
    }
    // What the texture decode makes of these bytes on disk.
    Result ByTexture(const std::vector<unsigned char>& file)
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                    static_cast<std::streamsize>(file.size()));
        const GLTexture::Decoded decoded = GLTexture::Decode(path.string());
        Result result{decoded.error, decoded.width, decoded.height, decoded.pixels};
        if (result.error != 0)
            result.pixels.clear();  // what lodepng leaves behind on failure carries no meaning
        return result;
    }
    void ExpectAsLodepng(const std::vector<unsigned char>& file, const std::string& what)
    {
        Result expected = ByLodepng(file);
        if (expected.error != 0)
            expected.pixels.clear();
        const Result got = ByTexture(file);
        EXPECT_EQ(got.error, expected.error) << what;
        if (expected.error == 0) {
            EXPECT_EQ(got.width, expected.width) << what;
            EXPECT_EQ(got.height, expected.height) << what;
            EXPECT_TRUE(got.pixels == expected.pixels) << what;
        }
    }
    fs::path path;
};

TEST(PngDecoder, EveryRowFilterGivesThePicturesPixels)
{
    // Widths of one pixel and odd widths reach the row ends; a mixed run of filters makes
    // each kind follow each other kind.
    const std::vector<std::vector<unsigned char>> filterRuns{{0}, {1}, {2}, {3}, {4}, {4, 2, 0, 3, 1, 4, 4, 1}};
    const unsigned sizes[][2] = {{1, 1}, {1, 9}, {7, 1}, {13, 11}, {64, 33}};
    for (const auto& filters : filterRuns) {
        for (const auto& size : sizes) {
            const std::vector<unsigned char> pixels = Picture(size[0], size[1], size[0] * 31 + filters[0]);
            const std::vector<unsigned char> file = Encode(pixels, size[0], size[1], filters);
            std::vector<unsigned char> decoded;
            unsigned w = 0;
            unsigned h = 0;
            ASSERT_TRUE(DecodePlainRgbaPng(file, decoded, w, h))
                << "filter " << int(filters[0]) << " size " << size[0] << "x" << size[1];
            EXPECT_EQ(w, size[0]);
            EXPECT_EQ(h, size[1]);
            EXPECT_TRUE(decoded == pixels) << "filter " << int(filters[0]) << " size " << size[0] << "x" << size[1];
        }
    }
}

// RGB, grey with alpha and 16-bit files, and one with a text chunk: refused by the quick path,
// decoded by lodepng as before.
TEST_F(PngFile, OtherFormatsAndExtraChunksAreLeftToLodepng)
{
    const std::vector<unsigned char> pixels = Picture(6, 5, 8);
    std::vector<std::vector<unsigned char>> files;
    for (const auto& [type, depth] : {std::pair{LCT_RGB, 8u}, std::pair{LCT_GREY_ALPHA, 8u}, std::pair{LCT_RGBA, 16u}})
        files.push_back(EncodeAs(pixels, 6, 5, type, depth));
    lodepng::State state;
    state.encoder.auto_convert = 0;
    ASSERT_EQ(lodepng_add_text(&state.info_png, "Title", "ward"), 0u);
    files.emplace_back();
    ASSERT_EQ(lodepng::encode(files.back(), pixels, 6, 5, state), 0u);
    for (std::size_t k = 0; k < files.size(); ++k) {
        std::vector<unsigned char> out;
        unsigned w = 0;
        EXPECT_FALSE(DecodePlainRgbaPng(files[k], out, w, w)) << k;
        EXPECT_TRUE(out.empty()) << k;
        EXPECT_EQ(w, 0u) << k;
        ExpectAsLodepng(files[k], "file " + std::to_string(k));
    }
}

// Every single-bit fault and every cut of a small file: whatever the quick path makes of it,
// the decode gives lodepng's code (or its pixels, where lodepng takes the file anyway).
TEST_F(PngFile, DamagedFilesGetLodepngsAnswer)
{
    const std::vector<unsigned char> good = Encode(Picture(6, 5, 1), 6, 5, {4, 1, 2, 3, 0});
    ExpectAsLodepng(good, "intact");
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (int bit = 0; bit < 8; bit += 4) {
            std::vector<unsigned char> damaged = good;
            damaged[at] ^= static_cast<unsigned char>(1u << bit);
            ExpectAsLodepng(damaged, "bit " + std::to_string(bit) + " of byte " + std::to_string(at));
            ExpectAsLodepng(WithCrcsFixed(damaged),
                            "bit " + std::to_string(bit) + " of byte " + std::to_string(at) + ", CRCs fixed");
        }
    }
    for (std::size_t size = 0; size < good.size(); ++size)
        ExpectAsLodepng(std::vector<unsigned char>(good.begin(), good.begin() + static_cast<long>(size)),
                        "cut at " + std::to_string(size));
    std::vector<unsigned char> trailing = good;
    trailing.push_back(0);
    ExpectAsLodepng(trailing, "a byte after the end chunk");
}

TEST_F(PngFile, AMissingOrEmptyFileGivesLodepngsCode)
{
    ExpectAsLodepng({}, "empty");
    Result expected;
    expected.error = lodepng::decode(expected.pixels, expected.width, expected.height, "/nonexistent/None.png");
    EXPECT_NE(expected.error, 0u);
    EXPECT_EQ(GLTexture::Decode("/nonexistent/None.png").error, expected.error);
}

}  // namespace
