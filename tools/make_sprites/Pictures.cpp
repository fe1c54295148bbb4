#include "tools/make_sprites/Pictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/make_sprites/BitmapFont.h"
#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/ReportPages.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

constexpr float kPi = 3.14159265f;

float W(const Canvas& c) { return static_cast<float>(c.width()); }
float H(const Canvas& c) { return static_cast<float>(c.height()); }

TextStyle textStyle(float scale, Color color, unsigned seed) {
    TextStyle s;
    s.scale = scale;
    s.color = color;
    s.shadow = withAlpha(rgb(0, 0, 0), 0.85f);
    s.shadowOffset = 0.35f;
    s.seed = seed;
    return s;
}

void caption(Canvas& c, const std::string& text, unsigned seed) {
    if (text.empty()) return;
    float w = W(c);
    float h = H(c);
    float scale = std::max(2.0f, w / 260.0f);
    std::vector<std::string> lines = BitmapFont::wrap(text, w * 0.86f, scale);
    float block = lines.size() * BitmapFont::lineHeight(scale);
    float y = h - block - h * 0.07f;
    c.fill(box(0, y - h * 0.04f, w, h), vertical(y - h * 0.04f, withAlpha(rgb(0, 0, 0), 0.0f), y + block * 0.3f, withAlpha(rgb(0, 0, 0), 0.75f)));
    BitmapFont::drawBlock(c, lines, w / 2, y, textStyle(scale, palette::kText, seed), true);
}

void finishPicture(Canvas& c, unsigned seed, float vignette = 0.75f) {
    c.vignette(vignette, 1.8f);
    c.grain(seed, 0.12f);
}

void night(Canvas& c, Color top, Color bottom, unsigned seed) {
    float h = H(c);
    c.paintAll([=](float x, float y) {
        float n = fractalNoise(x / 90.0f, y / 60.0f, seed, 4);
        return scaled(mix(top, bottom, y / h), 0.85f + 0.3f * n);
    });
}

void rain(Canvas& c, unsigned seed, float amount) {
    Random r(seed);
    int drops = static_cast<int>(W(c) * H(c) / 900.0f * amount);
    for (int i = 0; i < drops; ++i) {
        float x = r.range(0, W(c));
        float y = r.range(0, H(c));
        c.fill(capsule(x, y, x - 3, y + 14, 0.6f), withAlpha(rgb(150, 160, 170), 0.18f));
    }
}

void moon(Canvas& c, float x, float y, float r) {
    c.fill(circle(x, y, r * 3.0f), radial(x, y, r * 3.0f, withAlpha(rgb(180, 190, 200), 0.25f), withAlpha(rgb(180, 190, 200), 0.0f)), 4);
    c.fill(circle(x, y, r), radial(x - r * 0.3f, y - r * 0.3f, r * 1.4f, rgb(220, 222, 210), rgb(150, 154, 150)));
}

// Figures seen straight on, as dark shapes against light.
enum class Who { Man, ManTorch, Girl, Nurse, Surgeon, Bear };

void silhouette(Canvas& c, float x, float baseY, float height, Who who, Color color) {
    float u = height / 100.0f;
    auto X = [&](float v) { return x + v * u; };
    auto Y = [&](float v) { return baseY - v * u; };
    bool small = who == Who::Girl;
    float headR = small ? 10.0f : 8.0f;
    float headY = small ? 80.0f : 90.0f;
    Shape body = box(X(-11), Y(headY - 10), X(11), Y(small ? 28 : 40), 5 * u);
    if (who == Who::Girl || who == Who::Nurse)
        body = unite(body, polygon({{X(-10), Y(headY - 14)}, {X(10), Y(headY - 14)}, {X(17), Y(small ? 22 : 30)}, {X(-17), Y(small ? 22 : 30)}}));
    if (who == Who::Man || who == Who::ManTorch)
        body = unite(body, polygon({{X(-12), Y(78)}, {X(12), Y(78)}, {X(15), Y(30)}, {X(-15), Y(30)}}));
    if (who == Who::Bear) {
        c.fill(unite(unite(circle(X(0), Y(36), 30 * u), circle(X(0), Y(78), 22 * u)), unite(circle(X(-17), Y(96), 8 * u), circle(X(17), Y(96), 8 * u))), color);
        return;
    }
    c.fill(body, color);
    c.fill(circle(X(0), Y(headY), headR * u), color);
    float legTop = small ? 26.0f : 34.0f;
    c.fill(capsule(X(-5), Y(legTop), X(-6), Y(2), 3.8f * u), color);
    c.fill(capsule(X(5), Y(legTop), X(6), Y(2), 3.8f * u), color);
    c.fill(capsule(X(-12), Y(headY - 14), X(-15), Y(small ? 40 : 48), 3.2f * u), color);
    if (who == Who::ManTorch) {
        c.fill(capsule(X(12), Y(headY - 14), X(24), Y(60), 3.2f * u), color);
        c.fill(circle(X(27), Y(60), 2.5f * u), palette::kWarmLight);
    } else {
        c.fill(capsule(X(12), Y(headY - 14), X(15), Y(small ? 40 : 48), 3.2f * u), color);
    }
    if (who == Who::Girl) {
        c.fill(ellipse(X(7), Y(headY + 8), 5 * u, 3 * u, 0.4f), color);
        c.fill(capsule(X(-9), Y(headY), X(-10), Y(headY - 14), 4 * u), color);
        c.fill(capsule(X(9), Y(headY), X(10), Y(headY - 14), 4 * u), color);
    }
    if (who == Who::Nurse) c.fill(box(X(-7), Y(headY + 12), X(7), Y(headY + 5), 2 * u), color);
    if (who == Who::Surgeon) {
        c.fill(turnedBox(X(19), Y(40), 6 * u, 4 * u, 0.3f, 1), color);
        c.fill(ellipse(X(0), Y(headY + 4), 9 * u, 6 * u), color);
    }
}

// A one-point hospital corridor; brightness lifts the far end towards light.
void corridor(Canvas& c, float brightness, unsigned seed) {
    float w = W(c);
    float h = H(c);
    float vx = w * 0.5f;
    float vy = h * 0.46f;
    float fw = w * 0.08f;
    float fh = h * 0.1f;
    c.paintAll([=](float x, float y) {
        float n = fractalNoise(x / 40.0f, y / 40.0f, seed, 4);
        float dx = (x - vx) / (w * 0.5f);
        float dy = (y - vy) / (h * 0.54f);
        float depth = std::max(std::fabs(dx), std::fabs(dy));  // 0 far, 1 near
        Color base;
        if (std::fabs(dy) > std::fabs(dx) * (h / w) * 1.6f && y > vy) {
            // Floor tiles recede.
            float z = 1.0f / std::max(0.02f, dy);
            float lateral = dx * z;
            bool light = (static_cast<int>(std::floor(z * 2.0f)) + static_cast<int>(std::floor(lateral * 2.0f + 100.0f))) % 2 == 0;
            base = light ? rgb(90, 94, 86) : rgb(60, 64, 58);
        } else if (y < vy && std::fabs(dy) > std::fabs(dx) * (h / w) * 1.6f) {
            base = rgb(46, 50, 46);  // ceiling
        } else {
            base = y > vy + (h * 0.54f) * std::fabs(dx) * 0.35f ? palette::kWallGreenDark : palette::kWallGreen;
        }
        float fog = std::clamp(1.0f - depth * 1.6f, 0.0f, 1.0f);
        Color far = brightness > 0.5f ? rgb(240, 236, 220) : rgb(6, 6, 8);
        Color out = mix(scaled(base, (0.35f + 0.65f * depth) * (0.85f + 0.3f * n)), far, fog * (0.6f + 0.4f * brightness));
        return out;
    });
    // Doors along both walls, drawn in perspective, and lamps on the ceiling.
    auto wallX = [=](float t, float side) { return vx + side * (fw + (w * 0.5f - fw) * t); };
    auto floorY = [=](float t) { return vy + fh + (h * 0.54f - fh) * t; };
    auto ceilingY = [=](float t) { return vy - fh - (h * 0.46f - fh) * t; };
    for (int i = 0; i < 4; ++i) {
        float t0 = 0.22f + 0.2f * i;
        float t1 = t0 + 0.07f + 0.03f * i;
        for (int side = -1; side <= 1; side += 2) {
            float top0 = floorY(t0) - (floorY(t0) - ceilingY(t0)) * 0.62f;
            float top1 = floorY(t1) - (floorY(t1) - ceilingY(t1)) * 0.62f;
            std::vector<Point> door = {{wallX(t0, side), floorY(t0)}, {wallX(t0, side), top0}, {wallX(t1, side), top1}, {wallX(t1, side), floorY(t1)}};
            c.fill(polygon(door), withAlpha(rgb(22, 26, 24), 0.85f));
            float wx0 = wallX(t0 + (t1 - t0) * 0.2f, side);
            float wx1 = wallX(t0 + (t1 - t0) * 0.8f, side);
            float wy = [&](float t) { return floorY(t) - (floorY(t) - ceilingY(t)) * 0.52f; }(t0);
            c.fill(box(std::min(wx0, wx1), wy, std::max(wx0, wx1), wy + (floorY(t0) - ceilingY(t0)) * 0.06f), withAlpha(rgb(60, 66, 62), 0.7f));
        }
        float t = 0.25f + 0.18f * i;
        float ly = ceilingY(t);
        c.fill(box(vx - w * 0.04f * t, ly, vx + w * 0.04f * t, ly + 3 * t), i == 1 ? rgb(200, 196, 170) : rgb(70, 70, 64));
    }
    if (brightness > 0.5f)
        c.fill(circle(vx, vy, w * 0.3f), radial(vx, vy, w * 0.3f, withAlpha(rgb(255, 250, 230), 0.9f * brightness), withAlpha(rgb(255, 250, 230), 0.0f)), 6);
}

// A simple room: back wall above, floor below.
void room(Canvas& c, Color wall, Color floor, float wallBottom, unsigned seed) {
    float h = H(c);
    c.paintAll([=](float x, float y) {
        float n = fractalNoise(x / 50.0f, y / 50.0f, seed, 4);
        if (y < h * wallBottom) return scaled(wall, 0.8f + 0.3f * n);
        float t = (y - h * wallBottom) / (h * (1.0f - wallBottom));
        return scaled(floor, (0.6f + 0.5f * t) * (0.85f + 0.25f * n));
    });
}

void window(Canvas& c, float x0, float y0, float x1, float y1, bool moonlit) {
    c.fill(box(x0 - 6, y0 - 6, x1 + 6, y1 + 6, 2), rgb(50, 44, 38));
    c.fill(box(x0, y0, x1, y1), vertical(y0, rgb(24, 30, 44), y1, rgb(40, 46, 56)));
    if (moonlit) moon(c, x0 + (x1 - x0) * 0.7f, y0 + (y1 - y0) * 0.3f, (x1 - x0) * 0.09f);
    c.fill(box((x0 + x1) / 2 - 2, y0, (x0 + x1) / 2 + 2, y1), rgb(50, 44, 38));
    c.fill(box(x0, (y0 + y1) / 2 - 2, x1, (y0 + y1) / 2 + 2), rgb(50, 44, 38));
}

void glow(Canvas& c, float x, float y, float r, Color color, float strength) {
    c.fill(circle(x, y, r), radial(x, y, r, withAlpha(color, strength), withAlpha(color, 0.0f)), 4);
}

void childBed(Canvas& c, float x, float y, float s, bool girlInIt) {
    c.fill(box(x - 90 * s, y - 50 * s, x + 90 * s, y + 20 * s, 6 * s), rgb(70, 50, 40));
    c.fill(box(x - 84 * s, y - 40 * s, x + 84 * s, y + 6 * s, 8 * s), rgb(150, 120, 120));
    c.fill(box(x - 80 * s, y - 46 * s, x - 40 * s, y - 24 * s, 8 * s), rgb(196, 190, 180));
    if (girlInIt) {
        c.fill(circle(x - 60 * s, y - 36 * s, 12 * s), rgb(200, 180, 166));
        c.fill(intersect(circle(x - 60 * s, y - 38 * s, 13 * s), box(0, 0, W(c), y - 38 * s)), rgb(82, 58, 42));
    }
    c.fill(box(x - 90 * s, y - 90 * s, x - 80 * s, y + 20 * s, 2), rgb(60, 42, 32));
}

void hospitalExterior(Canvas& c, bool dark, unsigned seed) {
    float w = W(c);
    float h = H(c);
    night(c, rgb(10, 12, 20), rgb(34, 38, 48), seed);
    moon(c, w * 0.82f, h * 0.16f, w * 0.03f);
    c.fill(box(w * 0.12f, h * 0.28f, w * 0.88f, h * 0.86f), mottled(solid(rgb(44, 46, 50)), 10, 0.3f, seed + 1));
    c.fill(box(w * 0.4f, h * 0.16f, w * 0.6f, h * 0.3f), rgb(40, 42, 46));
    Random r(seed + 2);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 10; ++col) {
            float x = w * (0.16f + 0.07f * col);
            float y = h * (0.34f + 0.11f * row);
            bool lit = !dark && r.unit() < 0.22f;
            c.fill(box(x, y, x + w * 0.035f, y + h * 0.06f), lit ? rgb(200, 170, 110) : rgb(16, 18, 22));
            if (dark && r.unit() < 0.4f) c.fill(capsule(x, y, x + w * 0.035f, y + h * 0.06f, 1.2f), rgb(70, 54, 40));
        }
    }
    c.fill(box(w * 0.44f, h * 0.7f, w * 0.56f, h * 0.86f), dark ? rgb(14, 14, 16) : rgb(150, 130, 90));
    c.fill(box(w * 0.3f, h * 0.2f, w * 0.7f, h * 0.27f, 2), rgb(26, 26, 28));
    TextStyle sign = textStyle(std::max(2.0f, w / 300.0f), dark ? rgb(70, 60, 50) : rgb(180, 160, 120), seed + 3);
    sign.shadow = Color{};
    BitmapFont::drawCentered(c, "VESPERINE HOSPITAL", w * 0.5f, h * 0.215f, sign);
    c.fill(box(0, h * 0.86f, w, h), rgb(18, 20, 20));
    if (dark) {
        // Railings and a chained gate.
        for (float x = 0; x < w; x += w * 0.02f) c.fill(box(x, h * 0.72f, x + 2, h * 0.92f), rgb(20, 20, 22));
        c.fill(box(0, h * 0.74f, w, h * 0.75f), rgb(20, 20, 22));
        c.fill(capsule(w * 0.44f, h * 0.8f, w * 0.56f, h * 0.84f, 2), rgb(90, 80, 60));
    }
}

void flames(Canvas& c, float baseY, float height, unsigned seed) {
    float w = W(c);
    Random r(seed);
    for (int layer = 0; layer < 3; ++layer) {
        Color col = layer == 0 ? rgb(150, 30, 14) : (layer == 1 ? rgb(230, 110, 30) : rgb(255, 210, 120));
        for (int i = 0; i < 40; ++i) {
            float x = r.range(-20, w + 20);
            float top = baseY - height * r.range(0.4f, 1.0f) * (1.0f - 0.25f * layer);
            c.fill(taper(x, baseY, x + r.range(-20, 20), top, r.range(10, 26) * (1.0f - 0.25f * layer), 1.0f), withAlpha(col, 0.8f));
        }
    }
}

void letters(Canvas& c, unsigned seed) {
    float w = W(c);
    float h = H(c);
    room(c, rgb(40, 34, 30), rgb(70, 52, 40), 0.3f, seed);
    Random r(seed + 1);
    for (int i = 0; i < 5; ++i) {
        float x = w * (0.25f + 0.12f * i) + r.range(-20, 20);
        float y = h * 0.55f + r.range(-30, 30);
        float a = r.range(-0.4f, 0.4f);
        c.fill(turnedBox(x, y, w * 0.09f, h * 0.08f, a, 2), mottled(solid(rgb(196, 186, 160)), 5, 0.2f, seed + i));
        c.fill(turnedBox(x + w * 0.05f, y - h * 0.03f, w * 0.015f, h * 0.02f, a), rgb(140, 60, 50));
    }
    TextStyle stamp = textStyle(std::max(2.0f, w / 220.0f), withAlpha(rgb(150, 30, 26), 0.85f), seed + 9);
    stamp.shadow = Color{};
    stamp.jitter = 0.1f;
    BitmapFont::drawCentered(c, "RETURN TO SENDER", w * 0.5f, h * 0.42f, stamp);
    glow(c, w * 0.2f, h * 0.2f, w * 0.5f, palette::kWarmLight, 0.25f);
}

void ringOnFloor(Canvas& c, float x, float y, float r, float shine) {
    c.fill(ellipse(x + r * 0.2f, y + r * 0.5f, r * 1.3f, r * 0.5f), withAlpha(rgb(0, 0, 0), 0.5f), 4);
    c.fill(subtract(ellipse(x, y, r, r * 0.7f), ellipse(x, y, r * 0.72f, r * 0.46f)), shaded(x, y, r, rgb(196, 166, 80), 0.5f, 0.5f));
    if (shine > 0.0f) glow(c, x - r * 0.5f, y - r * 0.3f, r * 1.5f, rgb(255, 240, 200), shine);
}

}  // namespace

void drawSchoolLogo(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.clear(rgb(6, 6, 7));
    float cx = w / 2;
    float cy = h * 0.4f;
    float s = h / 540.0f;
    // A shield with an open book and a lamp.
    Shape shield = unite(box(cx - 110 * s, cy - 120 * s, cx + 110 * s, cy + 20 * s, 10 * s),
                         polygon({{cx - 110 * s, cy + 10 * s}, {cx + 110 * s, cy + 10 * s}, {cx, cy + 140 * s}}));
    c.fill(shield, vertical(cy - 120 * s, rgb(70, 80, 96), cy + 140 * s, rgb(30, 36, 46)));
    DistanceFn outer = shield.distance;
    float rim = 8 * s;
    Shape inner{[outer, rim](float x, float y) { return outer(x, y) + rim; }, shield.box};
    c.fill(subtract(shield, inner), rgb(170, 150, 100));
    c.fill(polygon({{cx - 70 * s, cy + 20 * s}, {cx, cy + 36 * s}, {cx, cy - 24 * s}, {cx - 70 * s, cy - 40 * s}}), rgb(210, 204, 186));
    c.fill(polygon({{cx + 70 * s, cy + 20 * s}, {cx, cy + 36 * s}, {cx, cy - 24 * s}, {cx + 70 * s, cy - 40 * s}}), rgb(190, 184, 166));
    c.fill(ellipse(cx, cy - 74 * s, 10 * s, 18 * s), rgb(255, 210, 120));
    glow(c, cx, cy - 74 * s, 60 * s, rgb(255, 210, 120), 0.4f);
    TextStyle t = textStyle(6 * s, rgb(200, 196, 184), 141);
    BitmapFont::drawCentered(c, "A STUDENT GAME PROJECT", cx, h * 0.78f, t);
    TextStyle small = textStyle(3 * s, rgb(120, 118, 112), 142);
    BitmapFont::drawCentered(c, "made with our own engine", cx, h * 0.87f, small);
}

void drawTeamLogo(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.clear(rgb(6, 6, 7));
    float cx = w / 2;
    float s = h / 540.0f;
    // A tallow candle: the team's mark.
    glow(c, cx, h * 0.3f, 220 * s, rgb(255, 200, 110), 0.35f);
    c.fill(box(cx - 26 * s, h * 0.34f, cx + 26 * s, h * 0.6f, 6 * s), vertical(h * 0.34f, rgb(226, 214, 180), h * 0.6f, rgb(150, 136, 104)));
    for (int i = 0; i < 3; ++i) {
        float x = cx - 18 * s + i * 16 * s;
        c.fill(taper(x, h * 0.34f, x + 2 * s, h * 0.34f + (24 + 14 * i) * s, 4 * s, 3 * s), rgb(226, 214, 180));
    }
    c.fill(capsule(cx, h * 0.33f, cx, h * 0.3f, 1.6f * s), rgb(30, 26, 22));
    c.fill(ellipse(cx, h * 0.26f, 9 * s, 20 * s), rgb(255, 190, 90));
    c.fill(ellipse(cx, h * 0.275f, 5 * s, 10 * s), rgb(255, 250, 220));
    c.fill(ellipse(cx, h * 0.62f, 60 * s, 10 * s), rgb(60, 56, 50));
    TextStyle t = textStyle(10 * s, rgb(214, 200, 170), 151);
    BitmapFont::drawCentered(c, "TALLOWIN", cx, h * 0.72f, t);
    TextStyle small = textStyle(3.5f * s, rgb(120, 112, 100), 152);
    BitmapFont::drawCentered(c, "presents", cx, h * 0.86f, small);
}

void drawMenuBackground(Canvas& c, int) {
    corridor(c, 0.0f, 161);
    float w = W(c);
    float h = H(c);
    silhouette(c, w * 0.5f, h * 0.56f, h * 0.14f, Who::Girl, rgb(8, 8, 10));
    // The torch beam from below falls on the floor in front of us.
    c.fill(polygon({{w * 0.46f, h}, {w * 0.54f, h}, {w * 0.62f, h * 0.62f}, {w * 0.4f, h * 0.62f}}), withAlpha(palette::kWarmLight, 0.12f), 30);
    finishPicture(c, 162, 0.85f);
}

void drawGameOver(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    night(c, rgb(20, 4, 4), rgb(4, 2, 2), 171);
    Random r(172);
    for (int i = 0; i < 40; ++i) {
        float x = r.range(0, w);
        float len = r.range(h * 0.05f, h * 0.5f);
        float wd = r.range(1.5f, 6.0f);
        c.fill(taper(x, -4, x, len, wd, wd * 0.6f), rgb(70, 6, 6));
        c.fill(circle(x, len, wd * 1.15f), rgb(70, 6, 6));
    }
    TextStyle s = textStyle(w / 90.0f, rgb(170, 20, 16), 173);
    s.jitter = 0.06f;
    s.drips = 0.35f;
    BitmapFont::drawCentered(c, "YOU DIED", w / 2, h * 0.2f, s);
    TextStyle t = textStyle(w / 320.0f, palette::kTextDim, 174);
    BitmapFont::drawCentered(c, "She is still waiting.", w / 2, h * 0.42f, t);
    finishPicture(c, 175, 0.8f);
}

void drawIntro(Canvas& c, int picture) {
    float w = W(c);
    float h = H(c);
    unsigned seed = 200 + picture * 10;
    switch (picture) {
        case 0:
            room(c, rgb(60, 52, 64), rgb(70, 54, 42), 0.62f, seed);
            window(c, w * 0.62f, h * 0.14f, w * 0.82f, h * 0.44f, true);
            childBed(c, w * 0.36f, h * 0.64f, w / 520.0f, false);
            silhouette(c, w * 0.56f, h * 0.6f, h * 0.12f, Who::Bear, rgb(100, 76, 56));
            glow(c, w * 0.14f, h * 0.5f, w * 0.2f, palette::kWarmLight, 0.45f);
            caption(c, "Every night she asked me to leave the light on.", seed);
            break;
        case 1:
            room(c, rgb(50, 44, 52), rgb(60, 46, 36), 0.62f, seed);
            childBed(c, w * 0.4f, h * 0.64f, w / 520.0f, true);
            silhouette(c, w * 0.72f, h * 0.74f, h * 0.5f, Who::Man, rgb(12, 10, 10));
            glow(c, w * 0.2f, h * 0.45f, w * 0.22f, palette::kWarmLight, 0.4f);
            caption(c, "Then the coughing started, and it did not stop.", seed);
            break;
        case 2:
            hospitalExterior(c, false, seed);
            rain(c, seed + 5, 1.0f);
            caption(c, "Vesperine Hospital. They said they could help her.", seed);
            break;
        case 3:
            corridor(c, 0.0f, seed);
            silhouette(c, w * 0.5f, h * 0.58f, h * 0.2f, Who::Nurse, rgb(150, 150, 140));
            caption(c, "No visitors. Not even her father.", seed);
            break;
        case 4:
            letters(c, seed);
            caption(c, "Her letters stopped. Mine came back.", seed);
            break;
        case 5:
            hospitalExterior(c, true, seed);
            rain(c, seed + 5, 1.4f);
            caption(c, "Then the hospital closed. Nobody would say where she went.", seed);
            break;
        case 6:
            night(c, rgb(8, 10, 16), rgb(20, 22, 26), seed);
            for (float x = 0; x < w; x += w * 0.02f) c.fill(box(x, h * 0.3f, x + 3, h * 0.9f), rgb(14, 14, 16));
            c.fill(box(0, h * 0.34f, w, h * 0.36f), rgb(14, 14, 16));
            c.fill(polygon({{w * 0.58f, h * 0.6f}, {w * 0.98f, h * 0.42f}, {w * 0.98f, h * 0.82f}}), withAlpha(palette::kWarmLight, 0.25f), 12);
            silhouette(c, w * 0.48f, h * 0.94f, h * 0.62f, Who::ManTorch, rgb(6, 6, 8));
            c.fill(box(0, h * 0.9f, w, h), rgb(10, 10, 12));
            caption(c, "So I went to find her myself.", seed);
            break;
        default:
            c.clear(rgb(4, 4, 5));
            glow(c, w * 0.5f, h * 0.5f, w * 0.35f, rgb(120, 20, 16), 0.25f);
            for (int i = 0; i < 3; ++i) c.fill(capsule(w * (0.3f + 0.2f * i), h * 0.3f, w * (0.34f + 0.2f * i), h * 0.6f, 2), withAlpha(rgb(60, 10, 8), 0.6f));
            caption(c, "Something hit me from behind. Then nothing.", seed);
            break;
    }
    finishPicture(c, seed + 7);
}

void drawEnding(Canvas& c, int picture) {
    float w = W(c);
    float h = H(c);
    unsigned seed = 400 + picture * 10;
    switch (picture) {
        case 0:
            room(c, rgb(40, 30, 26), rgb(30, 22, 18), 0.6f, seed);
            flames(c, h, h * 0.7f, seed);
            silhouette(c, w * 0.5f, h * 0.95f, h * 0.55f, Who::Man, rgb(8, 6, 6));
            caption(c, "The whole floor was burning.", seed);
            break;
        case 1:
            room(c, rgb(50, 36, 30), rgb(34, 24, 20), 0.64f, seed);
            for (int i = 0; i < 4; ++i) {
                float x = w * (0.2f + 0.2f * i);
                c.fill(box(x - w * 0.06f, h * 0.18f, x + w * 0.06f, h * 0.44f, 2), rgb(80, 60, 36));
                c.fill(box(x - w * 0.05f, h * 0.2f, x + w * 0.05f, h * 0.42f), i == 2 ? rgb(200, 190, 160) : rgb(40, 34, 30));
            }
            glow(c, w * 0.6f, h * 0.31f, w * 0.14f, rgb(255, 240, 200), 0.6f);
            flames(c, h, h * 0.3f, seed);
            caption(c, "Four faces on the wall. Only one of them was looking at me.", seed);
            break;
        case 2:
            c.clear(rgb(2, 2, 2));
            caption(c, "Wait...", seed);
            break;
        case 3:
            corridor(c, 0.7f, seed);
            caption(c, "I think I see a light...", seed);
            break;
        case 4:
            corridor(c, 1.0f, seed);
            silhouette(c, w * 0.5f, h * 0.9f, h * 0.5f, Who::Man, rgb(20, 18, 16));
            caption(c, "I walked towards it and did not look back.", seed);
            break;
        case 5:
            c.paintAll([=](float, float y) { return mix(rgb(250, 246, 236), rgb(200, 196, 186), y / h); });
            silhouette(c, w * 0.5f, h * 0.7f, h * 0.2f, Who::Man, withAlpha(rgb(60, 56, 50), 0.6f));
            caption(c, "", seed);
            break;
        case 6:
            night(c, rgb(120, 110, 120), rgb(210, 150, 110), seed);
            caption(c, "Morning.", seed);
            break;
        case 7:
            hospitalExterior(c, true, seed);
            c.paintAll([=](float, float y) { return withAlpha(rgb(230, 140, 80), 0.3f * (1.0f - y / h)); });
            flames(c, h * 0.4f, h * 0.16f, seed);
            caption(c, "Behind me, Vesperine burned until noon.", seed);
            break;
        case 8:
            night(c, rgb(150, 130, 120), rgb(70, 64, 60), seed);
            c.fill(box(0, h * 0.7f, w, h), rgb(50, 48, 40));
            silhouette(c, w * 0.42f, h * 0.86f, h * 0.32f, Who::Man, rgb(24, 20, 18));
            silhouette(c, w * 0.52f, h * 0.82f, h * 0.06f, Who::Girl, rgb(60, 40, 50));
            caption(c, "All I had left of her was the doll.", seed);
            break;
        case 9:
            letters(c, seed);
            caption(c, "They never found her name in any register.", seed);
            break;
        case 10:
            c.clear(rgb(226, 222, 208));
            for (int i = 0; i < 3; ++i) {
                float x = w * (0.36f + 0.12f * i);
                float s = i == 2 ? 0.6f : 1.0f;
                Color col = i == 0 ? rgb(60, 60, 140) : rgb(150, 50, 60);
                c.fill(circle(x, h * (0.72f - 0.36f * s), 14 * s * w / 800), col);
                c.fill(capsule(x, h * (0.72f - 0.3f * s), x, h * 0.72f, 3), col);
                c.fill(capsule(x - 20 * s, h * (0.72f - 0.2f * s), x + 20 * s, h * (0.72f - 0.2f * s), 2.5f), col);
            }
            c.fill(circle(w * 0.78f, h * 0.2f, w * 0.05f), rgb(220, 180, 60));
            caption(c, "But she had drawn us, all three of us, holding hands.", seed);
            break;
        case 11:
            room(c, rgb(60, 50, 44), rgb(70, 56, 44), 0.5f, seed);
            ringOnFloor(c, w * 0.5f, h * 0.58f, w * 0.08f, 0.6f);
            caption(c, "I wear the ring again.", seed);
            break;
        case 12:
            room(c, rgb(150, 146, 130), rgb(120, 110, 96), 0.6f, seed);
            window(c, w * 0.6f, h * 0.1f, w * 0.84f, h * 0.44f, false);
            c.fill(polygon({{w * 0.6f, h * 0.44f}, {w * 0.84f, h * 0.44f}, {w * 0.6f, h * 0.95f}, {w * 0.2f, h * 0.95f}}), withAlpha(rgb(255, 240, 200), 0.3f), 8);
            childBed(c, w * 0.34f, h * 0.66f, w / 600.0f, false);
            caption(c, "I still leave the light on.", seed);
            break;
        default: {
            c.clear(rgb(4, 4, 5));
            TextStyle title = textStyle(w / 80.0f, rgb(150, 20, 18), seed);
            title.drips = 0.3f;
            BitmapFont::drawCentered(c, "VESPERINE", w / 2, h * 0.16f, title);
            TextStyle line = textStyle(std::max(2.0f, w / 260.0f), palette::kText, seed + 1);
            BitmapFont::drawCentered(c, "THE END", w / 2, h * 0.46f, line);
            TextStyle dim = textStyle(std::max(2.0f, w / 320.0f), palette::kTextDim, seed + 2);
            BitmapFont::drawCentered(c, "Thank you for playing.", w / 2, h * 0.62f, dim);
            break;
        }
    }
    finishPicture(c, seed + 7);
}

void drawRing(Canvas& c, int picture) {
    // The wedding ring falls from the grown tree: six pictures of one moment.
    float w = W(c);
    float h = H(c);
    unsigned seed = 600 + picture;
    room(c, rgb(40, 36, 32), rgb(56, 46, 38), 0.7f, 601);
    Color bark = rgb(60, 48, 38);
    if (picture <= 2) {
        c.fill(taper(w * 0.5f, 0, w * 0.46f, h * 0.3f, w * 0.05f, w * 0.02f), bark);
        c.fill(taper(w * 0.48f, h * 0.2f, w * 0.72f, h * 0.26f, w * 0.02f, 2), bark);
        for (int i = 0; i < 6; ++i) c.fill(ellipse(w * (0.55f + 0.03f * i), h * (0.22f + 0.02f * (i % 2)), 10, 5, 0.4f), rgb(70, 84, 60));
    }
    switch (picture) {
        case 0:
            ringOnFloor(c, w * 0.64f, h * 0.28f, w * 0.025f, 0.5f);
            break;
        case 1:
            ringOnFloor(c, w * 0.64f, h * 0.36f, w * 0.03f, 0.4f);
            break;
        case 2:
            for (int i = 0; i < 4; ++i) c.fill(capsule(w * 0.64f, h * (0.42f + 0.04f * i), w * 0.64f, h * (0.44f + 0.04f * i), 1), withAlpha(rgb(200, 180, 120), 0.2f));
            ringOnFloor(c, w * 0.64f, h * 0.62f, w * 0.035f, 0.3f);
            break;
        case 3:
            ringOnFloor(c, w * 0.6f, h * 0.8f, w * 0.05f, 0.5f);
            for (int i = 0; i < 8; ++i) {
                float a = i * kPi / 4;
                c.fill(capsule(w * 0.6f + std::cos(a) * w * 0.07f, h * 0.8f + std::sin(a) * w * 0.04f, w * 0.6f + std::cos(a) * w * 0.09f,
                               h * 0.8f + std::sin(a) * w * 0.05f, 1.2f),
                       withAlpha(rgb(220, 210, 180), 0.5f));
            }
            break;
        case 4:
            ringOnFloor(c, w * 0.46f, h * 0.78f, w * 0.06f, 0.4f);
            silhouette(c, w * 0.75f, h * 1.2f, h * 0.9f, Who::Man, rgb(12, 10, 10));
            break;
        default:
            c.clear(rgb(14, 12, 10));
            ringOnFloor(c, w * 0.5f, h * 0.5f, w * 0.2f, 0.7f);
            {
                TextStyle engraving = textStyle(std::max(2.0f, w / 300.0f), rgb(120, 96, 50), seed);
                engraving.shadow = Color{};
                BitmapFont::drawCentered(c, "forever", w * 0.5f, h * 0.5f - 10, engraving);
            }
            break;
    }
    finishPicture(c, seed + 7);
}

void drawBearScare(Canvas& c, int index) {
    float w = W(c);
    float h = H(c);
    c.clear(rgb(6, 2, 2));
    float s = 1.0f + 0.18f * index;
    float cx = w / 2 + (index % 2 ? 8.0f : -8.0f);
    float cy = h * 0.55f;
    float r = h * 0.42f * s;
    Color fur = rgb(96, 70, 54);
    PaintFn furPaint = mottled(shaded(cx, cy, r, fur, 0.1f, 0.5f), 10, 0.3f, 701);
    c.fill(circle(cx - r * 0.8f, cy - r * 0.75f, r * 0.35f), furPaint);
    c.fill(circle(cx + r * 0.8f, cy - r * 0.75f, r * 0.35f), furPaint);
    c.fill(circle(cx, cy, r), furPaint);
    for (int side = -1; side <= 1; side += 2) {
        float ex = cx + side * r * 0.38f;
        float ey = cy - r * 0.22f;
        glow(c, ex, ey, r * 0.35f, palette::kGlowRed, 0.8f);
        c.fill(circle(ex, ey, r * 0.09f), rgb(255, 120, 90));
    }
    Shape mouth = roughen(ellipse(cx, cy + r * 0.38f, r * 0.55f, r * (0.2f + 0.06f * index)), r * 0.04f, r * 0.08f, 702);
    c.fill(mouth, rgb(30, 4, 4));
    for (int t = -5; t <= 5; ++t) {
        float tx = cx + t * r * 0.095f;
        float top = cy + r * 0.38f - r * (0.2f + 0.06f * index);
        float bottom = cy + r * 0.38f + r * (0.2f + 0.06f * index);
        c.fill(taper(tx, top, tx, top + r * 0.16f, r * 0.035f, 1), rgb(230, 222, 200));
        c.fill(taper(tx, bottom, tx, bottom - r * 0.14f, r * 0.035f, 1), rgb(230, 222, 200));
    }
    for (int i = -3; i <= 3; ++i)
        c.fill(capsule(cx + i * r * 0.1f - r * 0.03f, cy - r * 0.7f, cx + i * r * 0.1f + r * 0.03f, cy - r * 0.6f, r * 0.015f), rgb(30, 20, 16));
    finishPicture(c, 703 + index, 0.6f);
}

void drawReports(Canvas& c, int index) {
    // Pages of the experiment reports: 0 the surgeon's notes, 1 and 2 the
    // daughter's file, 3 a last page.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.03f, w * 0.96f, h * 0.97f, 3), [&](float x, float y) {
        float n = fractalNoise(x / 40.0f, y / 40.0f, 801 + index, 4);
        float edge = std::min(std::min(x, w - x), std::min(y, h - y)) / (w * 0.1f);
        float fibre = hashUnit(static_cast<int>(x), static_cast<int>(y), 803);
        return scaled(palette::kPaper, (0.9f + 0.12f * n + 0.04f * fibre) * (0.8f + 0.2f * std::min(1.0f, edge)));
    });
    const ReportPage& page = reportPage(index);
    float scale = w / 190.0f;
    for (const std::string& line : page.lines) scale = std::min(scale, BitmapFont::fitScale(line, w * 0.8f, scale));
    TextStyle title = textStyle(BitmapFont::fitScale(page.title, w * 0.84f, scale * 1.2f), palette::kInk, 810 + index);
    title.shadow = Color{};
    BitmapFont::drawCentered(c, page.title, w / 2, h * 0.07f, title);
    c.fill(box(w * 0.1f, h * 0.15f, w * 0.9f, h * 0.155f), palette::kInk);
    TextStyle body = title;
    body.scale = scale;
    float y = h * 0.2f;
    Random r(820 + index);
    for (const std::string& line : page.lines) {
        BitmapFont::draw(c, line, w * 0.1f, y, body);
        // Some words are blacked out.
        if (!line.empty() && r.unit() < 0.2f) {
            float x0 = w * 0.1f + r.range(0, w * 0.3f);
            c.fill(box(x0, y - 1, x0 + r.range(w * 0.1f, w * 0.25f), y + scale * 7 + 1), rgb(20, 18, 16));
        }
        y += BitmapFont::lineHeight(scale) * 1.1f;
    }
    c.fill(roughen(ellipse(w * 0.78f, h * 0.86f, w * 0.1f, w * 0.06f), 3, 6, 830 + index), withAlpha(palette::kBloodDry, 0.45f));
    c.fill(ring(w * 0.78f, h * 0.86f, w * 0.07f, 2), withAlpha(palette::kBloodDry, 0.35f));
    TextStyle stamp = title;
    stamp.scale = scale * 1.1f;
    stamp.color = withAlpha(rgb(150, 30, 26), 0.8f);
    stamp.jitter = 0.1f;
    BitmapFont::drawCentered(c, "CONFIDENTIAL", w * 0.36f, h * 0.88f, stamp);
}

void drawChildDrawings(Canvas& c, int index) {
    // Crayon drawings: 0 the family beside a wheelchair, 1 the girl running
    // through a hole in a wall.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.03f, h * 0.05f, w * 0.97f, h * 0.95f, 2), mottled(solid(rgb(226, 220, 204)), 20, 0.1f, 901 + index));
    auto crayon = [&](float x0, float y0, float x1, float y1, Color col, float width) {
        c.fill(roughen(capsule(x0, y0, x1, y1, width), width * 0.3f, 2.0f, static_cast<unsigned>(x0 + y0)), withAlpha(col, 0.85f));
    };
    auto person = [&](float x, float base, float size, Color col, bool dress) {
        c.fill(ring(x, base - size * 0.9f, size * 0.12f, 3), withAlpha(col, 0.85f));
        crayon(x, base - size * 0.78f, x, base - size * 0.3f, col, 2.5f);
        if (dress) c.fill(polygon({{x, base - size * 0.7f}, {x - size * 0.2f, base - size * 0.3f}, {x + size * 0.2f, base - size * 0.3f}}), withAlpha(col, 0.7f));
        crayon(x, base - size * 0.3f, x - size * 0.14f, base, col, 2.5f);
        crayon(x, base - size * 0.3f, x + size * 0.14f, base, col, 2.5f);
        crayon(x - size * 0.25f, base - size * 0.62f, x + size * 0.25f, base - size * 0.62f, col, 2.2f);
    };
    crayon(w * 0.06f, h * 0.82f, w * 0.94f, h * 0.82f, rgb(60, 120, 60), 4);
    if (index == 0) {
        person(w * 0.28f, h * 0.8f, h * 0.42f, rgb(50, 60, 140), false);
        person(w * 0.46f, h * 0.8f, h * 0.38f, rgb(150, 40, 60), true);
        person(w * 0.6f, h * 0.8f, h * 0.24f, rgb(150, 40, 60), true);
        // A wheelchair with a big wheel.
        c.fill(ring(w * 0.8f, h * 0.7f, h * 0.1f, 3), withAlpha(rgb(60, 60, 60), 0.85f));
        crayon(w * 0.74f, h * 0.5f, w * 0.74f, h * 0.7f, rgb(60, 60, 60), 2.5f);
        crayon(w * 0.74f, h * 0.62f, w * 0.88f, h * 0.62f, rgb(60, 60, 60), 2.5f);
        c.fill(circle(w * 0.84f, h * 0.18f, h * 0.07f), withAlpha(rgb(230, 180, 40), 0.9f));
        TextStyle s = textStyle(w / 140.0f, withAlpha(rgb(150, 40, 60), 0.9f), 905);
        s.shadow = Color{};
        s.jitter = 0.15f;
        BitmapFont::draw(c, "me mum dad", w * 0.1f, h * 0.1f, s);
    } else {
        c.fill(box(w * 0.5f, h * 0.2f, w * 0.94f, h * 0.82f), withAlpha(rgb(150, 140, 120), 0.6f));
        for (float y = h * 0.26f; y < h * 0.8f; y += h * 0.08f) crayon(w * 0.5f, y, w * 0.94f, y, rgb(120, 100, 90), 1.5f);
        c.fill(roughen(ellipse(w * 0.62f, h * 0.68f, w * 0.07f, h * 0.12f), 3, 5, 906), withAlpha(rgb(20, 20, 20), 0.9f));
        person(w * 0.36f, h * 0.8f, h * 0.26f, rgb(150, 40, 60), true);
        for (int i = 0; i < 3; ++i) crayon(w * (0.18f - 0.04f * i), h * (0.6f + 0.05f * i), w * (0.26f - 0.04f * i), h * (0.6f + 0.05f * i), rgb(80, 80, 80), 1.5f);
        TextStyle s = textStyle(w / 140.0f, withAlpha(rgb(50, 60, 140), 0.9f), 907);
        s.shadow = Color{};
        s.jitter = 0.15f;
        BitmapFont::draw(c, "follow me daddy", w * 0.1f, h * 0.1f, s);
    }
}

}  // namespace sprites
