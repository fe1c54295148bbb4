// The sprite tool's drawing core: blending, shapes, the pixel font, sheets and files.

#include <gtest/gtest.h>
#include <lodepng.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <string>
#include <vector>

#include "tools/make_sprites/BitmapFont.h"
#include "tools/make_sprites/Canvas.h"
#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Shapes.h"
#include "tools/make_sprites/SpriteSheet.h"

using namespace sprites;
namespace fs = std::filesystem;

namespace {

float alphaSum(const Canvas& c) {
    float sum = 0.0f;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) sum += c.get(x, y).a;
    return sum;
}

TEST(CanvasTest, BlendsSourceOverWithStraightAlpha) {
    Canvas c(2, 1);
    c.blend(0, 0, Color{1, 0, 0, 1});
    EXPECT_FLOAT_EQ(c.get(0, 0).r, 1.0f);
    EXPECT_FLOAT_EQ(c.get(0, 0).a, 1.0f);

    c.set(1, 0, Color{0, 0, 0, 1});
    c.blend(1, 0, Color{1, 1, 1, 1}, 0.5f);  // half coverage of opaque white over black
    EXPECT_NEAR(c.get(1, 0).r, 0.5f, 1e-6f);
    EXPECT_NEAR(c.get(1, 0).a, 1.0f, 1e-6f);

    // Over a transparent pixel the colour stays the source's; only alpha is partial.
    Canvas t(1, 1);
    t.blend(0, 0, Color{0.2f, 0.4f, 0.6f, 0.5f});
    EXPECT_NEAR(t.get(0, 0).g, 0.4f, 1e-6f);
    EXPECT_NEAR(t.get(0, 0).a, 0.5f, 1e-6f);

    // Outside the picture nothing happens and nothing breaks.
    c.blend(-1, 0, Color{1, 1, 1, 1});
    c.blend(5, 5, Color{1, 1, 1, 1});
    c.set(2, 0, Color{1, 1, 1, 1});
    EXPECT_EQ(c.get(-1, 0).a, 0.0f);
}

TEST(CanvasTest, FilledCircleCoversItsAreaWithSoftEdges) {
    Canvas c(64, 64);
    c.fill(circle(32, 32, 20.3f), Color{1, 1, 1, 1});
    float area = 3.14159265f * 20.3f * 20.3f;
    EXPECT_NEAR(alphaSum(c), area, area * 0.01f);
    EXPECT_FLOAT_EQ(c.get(32, 32).a, 1.0f);
    EXPECT_FLOAT_EQ(c.get(2, 2).a, 0.0f);
    // Some pixels on the rim are only partly covered: the edge is anti-aliased.
    int partial = 0;
    for (int x = 0; x < 64; ++x) {
        float a = c.get(x, 32).a;
        if (a > 0.05f && a < 0.95f) ++partial;
    }
    EXPECT_GE(partial, 1);
}

TEST(CanvasTest, FeatherSpreadsTheEdgeWithoutChangingTheCentre) {
    Canvas sharp(64, 64);
    Canvas soft(64, 64);
    sharp.fill(circle(32, 32, 12), Color{1, 1, 1, 1});
    soft.fill(circle(32, 32, 12), Color{1, 1, 1, 1}, 8.0f);
    EXPECT_FLOAT_EQ(soft.get(32, 32).a, 1.0f);
    EXPECT_GT(soft.get(32 + 14, 32).a, sharp.get(32 + 14, 32).a);
}

TEST(CanvasTest, BytesRoundAndCarryNoColourWhereTransparent) {
    Canvas c(3, 1);
    c.set(0, 0, Color{1.5f, -0.2f, 0.5f, 1.0f});  // out of range values are clamped
    c.set(1, 0, Color{0.9f, 0.9f, 0.9f, 0.001f}); // rounds to alpha 0
    c.set(2, 0, Color{0.25f, 0.75f, 1.0f, 0.5f});
    std::vector<unsigned char> b = c.toBytes();
    ASSERT_EQ(b.size(), 12u);
    EXPECT_EQ(b[0], 255);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 128);
    EXPECT_EQ(b[3], 255);
    EXPECT_EQ(b[4], 0);
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(b[6], 0);
    EXPECT_EQ(b[7], 0);
    EXPECT_EQ(b[8], 64);
    EXPECT_EQ(b[9], 191);
    EXPECT_EQ(b[11], 128);
}

TEST(CanvasTest, MirrorAndTurnMovePixelsWhereExpected) {
    Canvas c(8, 8);
    c.set(1, 2, Color{1, 0, 0, 1});
    Canvas m = c.mirrored();
    EXPECT_EQ(m.get(6, 2).a, 1.0f);
    EXPECT_EQ(m.get(1, 2).a, 0.0f);

    // A half turn about the centre sends (1, 2) to (6, 5).
    Canvas turned(8, 8);
    turned.compositeTransformed(c, 4.0f, 4.0f, 3.14159265f);
    EXPECT_GT(turned.get(6, 5).a, 0.9f);
    EXPECT_LT(turned.get(1, 2).a, 0.1f);

    // No turn, no scale: the copy matches.
    Canvas same(8, 8);
    same.compositeTransformed(c, 4.0f, 4.0f, 0.0f);
    EXPECT_GT(same.get(1, 2).a, 0.9f);
    EXPECT_NEAR(same.get(1, 2).r, 1.0f, 1e-5f);
}

TEST(CanvasTest, OutlineRimsOpaquePartsOnly) {
    Canvas c(9, 9);
    c.set(4, 4, Color{1, 1, 1, 1});
    c.outline(Color{0, 0, 0, 1}, 1);
    EXPECT_EQ(c.get(4, 4).r, 1.0f);  // the picture stays on top
    EXPECT_EQ(c.get(5, 4).a, 1.0f);  // its neighbours get the rim
    EXPECT_EQ(c.get(5, 4).r, 0.0f);
    EXPECT_EQ(c.get(7, 4).a, 0.0f);  // farther away nothing
}

TEST(ShapesTest, DistancesHaveTheRightSignAndSize) {
    Shape b = box(0, 0, 10, 10);
    EXPECT_NEAR(b.distance(5, 5), -5.0f, 1e-5f);
    EXPECT_NEAR(b.distance(13, 5), 3.0f, 1e-5f);
    EXPECT_NEAR(b.distance(13, 14), 5.0f, 1e-5f);

    Shape turned = turnedBox(0, 0, 10, 2, 3.14159265f / 2);  // now tall and thin
    EXPECT_LT(turned.distance(0, 8), 0.0f);
    EXPECT_GT(turned.distance(8, 0), 0.0f);

    Shape cap = capsule(0, 0, 10, 0, 2);
    EXPECT_NEAR(cap.distance(5, 5), 3.0f, 1e-5f);
    EXPECT_NEAR(cap.distance(14, 0), 2.0f, 1e-5f);

    Shape tri = polygon({{0, 0}, {10, 0}, {0, 10}});
    EXPECT_LT(tri.distance(2, 2), 0.0f);
    EXPECT_GT(tri.distance(8, 8), 0.0f);
    EXPECT_NEAR(tri.distance(5, -3), 3.0f, 1e-5f);

    Shape e = ellipse(0, 0, 10, 4);
    EXPECT_LT(e.distance(9, 0), 0.0f);
    EXPECT_GT(e.distance(0, 5), 0.0f);
    EXPECT_NEAR(e.distance(12, 0), 2.0f, 0.3f);
}

TEST(ShapesTest, CombinationsFollowSetRules) {
    Shape a = circle(0, 0, 5);
    Shape b = circle(6, 0, 5);
    EXPECT_LT(unite(a, b).distance(9, 0), 0.0f);
    EXPECT_LT(intersect(a, b).distance(3, 0), 0.0f);
    EXPECT_GT(intersect(a, b).distance(-3, 0), 0.0f);
    EXPECT_LT(subtract(a, b).distance(-3, 0), 0.0f);
    EXPECT_GT(subtract(a, b).distance(3, 0), 0.0f);
    Shape r = ring(0, 0, 10, 2);
    EXPECT_LT(r.distance(10, 0), 0.0f);
    EXPECT_GT(r.distance(0, 0), 0.0f);
}

TEST(NoiseTest, StaysInRangeAndVariesSmoothly) {
    for (int i = 0; i < 200; ++i) {
        float x = i * 0.37f;
        float y = i * 0.11f;
        float n = valueNoise(x, y, 7);
        EXPECT_GE(n, 0.0f);
        EXPECT_LE(n, 1.0f);
        EXPECT_NEAR(valueNoise(x + 0.001f, y, 7), n, 0.01f);
        float f = fractalNoise(x, y, 7, 4);
        EXPECT_GE(f, 0.0f);
        EXPECT_LE(f, 1.0f);
    }
    // On the lattice the noise is the hash itself.
    EXPECT_FLOAT_EQ(valueNoise(3.0f, 4.0f, 9), hashUnit(3, 4, 9));
    EXPECT_NE(hashUnit(3, 4, 9), hashUnit(3, 4, 10));
}

TEST(NoiseTest, RandomStaysInItsBoundsAndRepeatsFromItsSeed) {
    Random a(42), b(42);
    for (int i = 0; i < 1000; ++i) {
        int k = a.below(7);
        EXPECT_GE(k, 0);
        EXPECT_LT(k, 7);
        EXPECT_EQ(k, b.below(7));
        float r = a.range(-2.0f, 3.0f);
        EXPECT_GE(r, -2.0f);
        EXPECT_LT(r, 3.0f);
        b.range(-2.0f, 3.0f);
    }
    EXPECT_EQ(a.below(0), 0);
}

TEST(BitmapFontTest, EveryPrintableCharacterHasAWellFormedGlyph) {
    for (int c = 32; c < 127; ++c) {
        const auto& rows = BitmapFont::glyph(static_cast<char>(c));
        ASSERT_EQ(rows.size(), static_cast<size_t>(BitmapFont::kCellsHigh)) << static_cast<char>(c);
        int lit = 0;
        for (const std::string& row : rows) {
            ASSERT_EQ(row.size(), static_cast<size_t>(BitmapFont::kCellsWide)) << static_cast<char>(c);
            for (char cell : row) {
                ASSERT_TRUE(cell == '#' || cell == '.');
                lit += cell == '#';
            }
        }
        if (c != ' ') {
            EXPECT_GT(lit, 0) << static_cast<char>(c);
        }
    }
    // Letters are told apart; unknown characters show a question mark.
    EXPECT_NE(BitmapFont::glyph('O'), BitmapFont::glyph('0'));
    EXPECT_NE(BitmapFont::glyph('l'), BitmapFont::glyph('1'));
    EXPECT_EQ(BitmapFont::glyph('\t'), BitmapFont::glyph('?'));
}

TEST(BitmapFontTest, DrawsLitCellsExactlyWhereTheGlyphSays) {
    Canvas c(40, 40);
    TextStyle style;
    style.scale = 3.0f;
    BitmapFont::draw(c, "T", 2.0f, 2.0f, style);
    const auto& rows = BitmapFont::glyph('T');
    for (int r = 0; r < BitmapFont::kCellsHigh; ++r) {
        for (int col = 0; col < BitmapFont::kCellsWide; ++col) {
            // Sample the centre of each cell.
            float a = c.get(2 + col * 3 + 1, 2 + r * 3 + 1).a;
            if (rows[r][col] == '#') {
                EXPECT_GT(a, 0.99f) << r << "," << col;
            } else {
                EXPECT_LT(a, 0.01f) << r << "," << col;
            }
        }
    }
}

TEST(BitmapFontTest, MeasuresWrapsAndFits) {
    EXPECT_FLOAT_EQ(BitmapFont::width("", 2.0f), 0.0f);
    EXPECT_FLOAT_EQ(BitmapFont::width("ab", 2.0f), 22.0f);  // 2 * 6 - 1 cells

    std::vector<std::string> lines = BitmapFont::wrap("one two three four", BitmapFont::width("one two", 1.0f), 1.0f);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "one two");
    EXPECT_EQ(lines[1], "three");
    EXPECT_EQ(lines[2], "four");
    // A word wider than the limit stands alone instead of being lost.
    lines = BitmapFont::wrap("a unbreakable b", 20.0f, 1.0f);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "unbreakable");
    lines = BitmapFont::wrap("first\nsecond", 1000.0f, 1.0f);
    ASSERT_EQ(lines.size(), 2u);

    float scale = BitmapFont::fitScale("How to Play", 300.0f, 8.0f);
    EXPECT_LE(BitmapFont::width("How to Play", scale), 300.0f);
    EXPECT_GT(BitmapFont::width("How to Play", scale + 0.5f), 300.0f);
    EXPECT_FLOAT_EQ(BitmapFont::fitScale("x", 1000.0f, 8.0f), 8.0f);
    EXPECT_GE(BitmapFont::fitScale("far too long for any space", 1.0f, 8.0f), 1.0f);
}

TEST(SpriteSheetTest, FramesLandRowByRowFromTheTop) {
    SpriteSheet sheet{"Test_2x3.png", 2, 3, 4, 5, [](Canvas& frame, int index) {
                          frame.clear(Color{index / 10.0f, 0, 0, 1});
                      }};
    Canvas out = renderSheet(sheet);
    ASSERT_EQ(out.width(), 12);
    ASSERT_EQ(out.height(), 10);
    for (int n = 0; n < 6; ++n) {
        int x = (n % 3) * 4 + 1;
        int y = (n / 3) * 5 + 2;
        EXPECT_NEAR(out.get(x, y).r, n / 10.0f, 1e-6f) << "frame " << n;
    }
}

TEST(SpriteSheetTest, PngKeepsEightBitRgbaEvenForPlainPictures) {
    Canvas c(5, 3);
    c.clear(Color{0.5f, 0.5f, 0.5f, 1.0f});  // a grey picture an encoder could shrink
    c.set(1, 1, Color{0, 0, 0, 0});
    std::vector<unsigned char> png;
    std::string error;
    ASSERT_TRUE(encodePng(c, png, error)) << error;
    lodepng::State state;
    std::vector<unsigned char> pixels;
    unsigned w = 0, h = 0;
    ASSERT_EQ(lodepng::decode(pixels, w, h, state, png), 0u);
    EXPECT_EQ(state.info_png.color.colortype, LCT_RGBA);
    EXPECT_EQ(state.info_png.color.bitdepth, 8u);
    EXPECT_EQ(w, 5u);
    EXPECT_EQ(h, 3u);
    EXPECT_EQ(pixels, c.toBytes());
}

TEST(SpriteSheetTest, WritesThroughATemporaryFileAndReportsFailure) {
    fs::path folder = fs::temp_directory_path() / ("vesperine-sheet-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::string error;
    std::vector<unsigned char> first = {1, 2, 3};
    std::vector<unsigned char> second = {4, 5};
    ASSERT_TRUE(writeFileAtomically((folder / "a.png").string(), first, error)) << error;
    ASSERT_TRUE(writeFileAtomically((folder / "a.png").string(), second, error)) << error;
    std::ifstream in(folder / "a.png", std::ios::binary);
    std::vector<unsigned char> back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(back, second);
    EXPECT_FALSE(fs::exists(folder / "a.png.tmp"));

    EXPECT_FALSE(writeFileAtomically((folder / "missing" / "b.png").string(), first, error));
    EXPECT_FALSE(error.empty());
    fs::remove_all(folder);
}

}  // namespace
