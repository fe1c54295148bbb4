#include "tools/make_sprites/Tiles.h"

#include <algorithm>
#include <cmath>

#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

// Value noise whose lattice repeats every `period` cells. A floor picture spanning exactly
// `period` cells continues across its own edges, so the tiles of a room meet without a seam.
float wrappingNoise(float x, float y, int period, uint32_t seed) {
    float fx = std::floor(x);
    float fy = std::floor(y);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    auto at = [=](int i, int j) { return hashUnit(((i % period) + period) % period, ((j % period) + period) % period, seed); };
    auto smooth = [](float t) { return t * t * (3.0f - 2.0f * t); };
    float tx = smooth(x - fx);
    float ty = smooth(y - fy);
    float top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    float bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

// Octaves of wrapping noise, normalised to [0, 1]; each octave doubles the period with the detail.
float wrappingFractal(float x, float y, int period, uint32_t seed, int octaves) {
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += wrappingNoise(x, y, period, seed + static_cast<uint32_t>(i) * 101u) * amplitude;
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
    }
    return sum / total;
}

// Grime gathers in the grout and near the edges of the picture.
float grime(float x, float y, unsigned seed) { return fractalNoise(x / 48.0f, y / 48.0f, seed, 4); }

void checkerTiles(Canvas& c, int tiles, float dirt, unsigned seed) {
    float size = static_cast<float>(c.width()) / tiles;
    c.paintAll([=](float x, float y) {
        int tx = static_cast<int>(x / size);
        int ty = static_cast<int>(y / size);
        float fx = x - tx * size;
        float fy = y - ty * size;
        bool light = (tx + ty) % 2 == 0;
        Color base = light ? palette::kTileLight : palette::kTileDark;
        // Each tile a touch different, with a speckled linoleum grain.
        float tone = 0.92f + 0.12f * hashUnit(tx, ty, seed);
        float speck = hashUnit(static_cast<int>(x), static_cast<int>(y), seed + 1) > 0.93f ? 0.86f : 1.0f;
        Color c0 = scaled(base, tone * speck * (0.94f + 0.1f * valueNoise(x / 6.0f, y / 6.0f, seed + 2)));
        float edge = std::min(std::min(fx, size - fx), std::min(fy, size - fy));
        if (edge < 1.6f) c0 = mix(palette::kGrout, c0, edge / 1.6f * 0.4f);
        float g = grime(x, y, seed + 3);
        float dirty = std::clamp((g - 0.45f) * 2.2f, 0.0f, 1.0f) * (0.25f + dirt * 0.75f);
        c0 = mix(c0, scaled(rgb(62, 58, 44), 0.9f), dirty * 0.65f);
        return c0;
    });
}

void bloodSmear(Canvas& c, float x, float y, float length, float angle, unsigned seed) {
    Random r(seed);
    float dx = std::cos(angle);
    float dy = std::sin(angle);
    for (int i = 0; i < 14; ++i) {
        float t = i / 13.0f;
        float w = (1.0f - t * 0.7f) * r.range(5.0f, 9.0f);
        c.fill(roughen(ellipse(x + dx * length * t, y + dy * length * t, w * 1.6f, w, angle), 2.0f, 5.0f, seed + i),
               withAlpha(mix(palette::kBlood, palette::kBloodDry, r.unit()), 0.5f + 0.3f * r.unit()));
    }
}

void splatter(Canvas& c, float x, float y, float size, unsigned seed) {
    Random r(seed);
    c.fill(roughen(circle(x, y, size), size * 0.3f, size * 0.5f, seed), withAlpha(palette::kBlood, 0.85f));
    for (int i = 0; i < 12; ++i) {
        float a = r.range(0.0f, 6.2831853f);
        float d = r.range(size * 1.1f, size * 2.6f);
        c.fill(circle(x + std::cos(a) * d, y + std::sin(a) * d, r.range(1.0f, size * 0.22f)), withAlpha(palette::kBlood, 0.8f));
    }
}

void crack(Canvas& c, float x, float y, float length, unsigned seed, int depth = 0) {
    Random r(seed);
    float a = r.range(0.0f, 6.2831853f);
    for (int i = 0; i < 10; ++i) {
        float step = length / 10.0f;
        float nx = x + std::cos(a) * step;
        float ny = y + std::sin(a) * step;
        c.fill(capsule(x, y, nx, ny, 0.8f), withAlpha(rgb(30, 30, 28), 0.85f));
        if (depth < 2 && r.unit() < 0.25f) crack(c, nx, ny, length * 0.35f, seed + 100 + i, depth + 1);
        x = nx;
        y = ny;
        a += r.range(-0.6f, 0.6f);
    }
}

// A hospital wall face: dark wainscot below a rail, pale green above.
void wallFace(Canvas& c, float decay, unsigned seed) {
    float h = static_cast<float>(c.height());
    float rail = h * 0.55f;
    c.paintAll([=](float x, float y) {
        Color upper = mix(palette::kWallGreen, rgb(118, 128, 112), 0.35f);
        Color lower = palette::kWallGreenDark;
        Color base = y < rail ? upper : lower;
        float n = fractalNoise(x / 20.0f, y / 20.0f, seed, 4);
        base = scaled(base, 0.9f + 0.2f * n);
        // Tall panels in the lower part.
        float panel = std::fmod(x, c.width() / 4.0f);
        if (y > rail && (panel < 2.0f)) base = scaled(base, 0.7f);
        if (std::fabs(y - rail) < 4.0f) base = mix(palette::kMetalDark, palette::kMetal, 0.5f - (y - rail) / 8.0f);
        if (y > h - 10.0f) base = scaled(rgb(40, 42, 40), 0.9f + 0.1f * n);  // skirting
        // Water stains run down from the top.
        float streak = valueNoise(x / 7.0f, 0.5f, seed + 3);
        float run = std::clamp((streak - 0.6f) * 3.0f, 0.0f, 1.0f) * std::clamp(1.0f - y / (h * (0.4f + streak)), 0.0f, 1.0f);
        base = mix(base, rgb(70, 60, 40), run * (0.3f + decay * 0.5f));
        if (decay > 0.0f) {
            float mold = fractalNoise(x / 30.0f, y / 30.0f, seed + 9, 4);
            float m = std::clamp((mold - 0.55f) * 4.0f, 0.0f, 1.0f) * decay;
            base = mix(base, rgb(34, 40, 26), m * 0.8f);
            float peel = fractalNoise(x / 14.0f, y / 14.0f, seed + 11, 3);
            if (y < rail && peel > 0.68f) base = mix(rgb(120, 112, 96), rgb(84, 78, 66), (peel - 0.68f) * 8.0f);
        }
        return base;
    });
}

void handprint(Canvas& c, float x, float y, float s, float angle, unsigned seed) {
    Color blood = withAlpha(palette::kBlood, 0.85f);
    float ca = std::cos(angle);
    float sa = std::sin(angle);
    auto at = [&](float u, float v) { return Point{x + (u * ca - v * sa) * s, y + (u * sa + v * ca) * s}; };
    Point p = at(0, 0);
    c.fill(roughen(ellipse(p.x, p.y, 7 * s, 8 * s, angle), 1.2f * s, 2 * s, seed), blood);
    const float fingers[5][2] = {{-7, -3}, {-4, -11}, {0, -13}, {4, -11}, {7, -6}};
    for (int i = 0; i < 5; ++i) {
        Point a = at(fingers[i][0] * 0.6f, -5);
        Point b = at(fingers[i][0], fingers[i][1] - (i == 0 ? -2.0f : 4.0f));
        c.fill(capsule(a.x, a.y, b.x, b.y, 1.9f * s), blood);
    }
    // Drips below the palm.
    Random r(seed);
    for (int i = 0; i < 3; ++i) {
        Point a = at(r.range(-5, 5), 6);
        c.fill(taper(a.x, a.y, a.x, a.y + r.range(8, 22) * s, 1.4f * s, 0.8f * s), blood);
    }
}

}  // namespace

void drawTiles(Canvas& frame, int) { checkerTiles(frame, 8, 0.1f, 101); }

void drawTilesDirty(Canvas& frame, int) {
    checkerTiles(frame, 8, 1.0f, 101);
    Random r(202);
    for (int i = 0; i < 7; ++i) crack(frame, r.range(0, 512), r.range(0, 512), r.range(40, 90), 300 + i);
    bloodSmear(frame, 90, 330, 170, -0.35f, 401);
    splatter(frame, 380, 140, 14, 402);
    splatter(frame, 300, 420, 8, 403);
    for (int i = 0; i < 30; ++i)
        frame.fill(circle(r.range(0, 512), r.range(0, 512), r.range(1.0f, 3.0f)), withAlpha(rgb(40, 34, 26), 0.6f));
}

void drawWall(Canvas& frame, int) { wallFace(frame, 0.0f, 501); }

void drawWallDirty(Canvas& frame, int) {
    wallFace(frame, 1.0f, 501);
    handprint(frame, 80, 70, 1.1f, -0.2f, 601);
    handprint(frame, 110, 96, 1.0f, 0.15f, 602);
    splatter(frame, 190, 150, 9, 603);
    Random r(604);
    for (int i = 0; i < 4; ++i) crack(frame, r.range(0, 256), r.range(0, 120), r.range(30, 60), 610 + i);
}

void drawWallTop(Canvas& frame, int) {
    frame.paintAll([](float x, float y) {
        float n = fractalNoise(x / 10.0f, y / 10.0f, 701, 4);
        return scaled(rgb(40, 42, 42), 0.8f + 0.35f * n);
    });
    frame.fill(box(0, 0, static_cast<float>(frame.width()), 5), rgb(64, 66, 64));
    frame.grain(702, 0.15f);
}

void drawFloorWood(Canvas& frame, int) {
    float plank = frame.width() / 8.0f;
    frame.paintAll([=](float x, float y) {
        int column = static_cast<int>(x / plank);
        float offset = hashUnit(column, 0, 801) * 300.0f;
        int piece = static_cast<int>((y + offset) / 170.0f);
        float tone = 0.8f + 0.3f * hashUnit(column, piece, 802);
        float grainLine = valueNoise(x / 2.5f, (y + offset) / 40.0f, 803 + column);
        Color c = scaled(palette::kWood, tone * (0.85f + 0.25f * grainLine));
        float fx = x - column * plank;
        if (fx < 1.5f || std::fmod(y + offset, 170.0f) < 1.5f) c = scaled(c, 0.4f);
        float g = fractalNoise(x / 60.0f, y / 60.0f, 804, 3);
        return mix(c, rgb(30, 24, 20), std::clamp((g - 0.5f) * 1.5f, 0.0f, 0.6f));
    });
}

void drawFloorCarpet(Canvas& frame, int) {
    float size = static_cast<float>(frame.width());
    frame.paintAll([=](float x, float y) {
        // Faded nursery carpet: diamonds in dusty rose and grey-blue, 64 pixels apart so that
        // the picture holds a whole number of them.
        float u = std::fmod(x + y, 64.0f) - 32.0f;
        float v = std::fmod(x - y + size, 64.0f) - 32.0f;
        bool diamond = std::fabs(u) + std::fabs(v) < 26.0f;
        Color base = diamond ? rgb(112, 84, 88) : rgb(78, 84, 96);
        float fibre = hashUnit(static_cast<int>(x), static_cast<int>(y), 901);
        float wear = wrappingFractal(x / size * 7.0f, y / size * 7.0f, 7, 902, 4);
        return mix(scaled(base, 0.85f + 0.25f * fibre), rgb(70, 66, 60), std::clamp((wear - 0.45f) * 1.6f, 0.0f, 0.8f));
    });
}

void drawFloorConcrete(Canvas& frame, int) {
    float size = static_cast<float>(frame.width());
    frame.paintAll([=](float x, float y) {
        float n = wrappingFractal(x / size * 13.0f, y / size * 13.0f, 13, 1001, 5);
        float fine = hashUnit(static_cast<int>(x), static_cast<int>(y), 1002);
        return scaled(rgb(92, 92, 88), 0.7f + 0.4f * n + 0.08f * fine);
    });
    // A crack running off one edge comes back in at the opposite one.
    Random r(1003);
    for (int i = 0; i < 6; ++i) {
        float x = r.range(0, size);
        float y = r.range(0, size);
        float length = r.range(50, 110);
        for (float dx : {-size, 0.0f, size})
            for (float dy : {-size, 0.0f, size}) crack(frame, x + dx, y + dy, length, 1010 + i);
    }
    // A drain in the middle.
    frame.fill(circle(256, 256, 26), rgb(36, 36, 36));
    for (int i = -3; i <= 3; ++i) frame.fill(box(232, 256 + i * 6 - 1.5f, 280, 256 + i * 6 + 1.5f), rgb(20, 20, 20));
    frame.fill(ring(256, 256, 26, 4), palette::kRust);
}

void drawBlack(Canvas& frame, int) { frame.clear(palette::kBlack); }

void drawEmpty(Canvas& frame, int) { frame.clear(Color{0, 0, 0, 0}); }

}  // namespace sprites
