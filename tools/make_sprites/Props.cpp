#include "tools/make_sprites/Props.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/make_sprites/BitmapFont.h"
#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

constexpr float kPi = 3.14159265f;

float W(const Canvas& c) { return static_cast<float>(c.width()); }
float H(const Canvas& c) { return static_cast<float>(c.height()); }

PaintFn metal(float cx, float cy, float r, Color base, unsigned seed = 3) {
    PaintFn lit = mottled(shaded(cx, cy, r, base, 0.35f, 0.4f), 4.0f, 0.12f, seed);
    return [=](float x, float y) {
        Color c = lit(x, y);
        float rust = fractalNoise(x / 7.0f, y / 7.0f, seed + 50, 3);
        return rust > 0.72f ? mix(c, palette::kRust, (rust - 0.72f) * 4.0f) : c;
    };
}

PaintFn wood(float cx, float cy, float r, Color base, unsigned seed = 5) {
    PaintFn lit = shaded(cx, cy, r, base, 0.15f, 0.4f);
    return [=](float x, float y) {
        float g = valueNoise(x / 30.0f, y / 2.2f, seed);
        return scaled(lit(x, y), 0.85f + 0.25f * g);
    };
}

PaintFn fabric(float cx, float cy, float r, Color base, unsigned seed = 7) {
    return mottled(shaded(cx, cy, r, base, 0.2f, 0.35f), 6.0f, 0.18f, seed);
}

void finish(Canvas& c, float alpha = 0.8f) { c.outline(withAlpha(palette::kOutline, alpha), 1); }

void stain(Canvas& c, float x, float y, float r, unsigned seed, float alpha = 0.75f) {
    c.fill(roughen(ellipse(x, y, r, r * 0.7f), r * 0.35f, r * 0.4f, seed), withAlpha(palette::kBloodDry, alpha));
    c.fill(roughen(ellipse(x, y, r * 0.55f, r * 0.4f), r * 0.2f, r * 0.3f, seed + 1), withAlpha(palette::kBlood, alpha));
}

void textLine(Canvas& c, const std::string& text, float cx, float y, float scale, Color color, unsigned seed = 1) {
    TextStyle style;
    style.scale = scale;
    style.color = color;
    style.seed = seed;
    BitmapFont::drawCentered(c, text, cx, y, style);
}

// An icon tile: a dark rounded plate so the item reads on any floor.
void iconPlate(Canvas& c) {
    float w = W(c);
    c.fill(box(w * 0.06f, w * 0.06f, w * 0.94f, w * 0.94f, w * 0.14f), withAlpha(rgb(16, 15, 16), 0.75f));
}

// Door in its frame, seen from the front; open is 0 (shut) .. 1 (wide open).
void doorPicture(Canvas& c, float open, Color paint, const std::string& label, bool chained, unsigned seed) {
    float w = W(c);
    float h = H(c);
    // The frame fills the whole picture: a see-through rim would show the dark beyond the wall as
    // slits beside the door.
    float x0 = 7.0f, x1 = w - 7.0f, y0 = h * 0.06f, y1 = h * 0.98f;
    c.fill(box(-2, -2, w + 2, h + 2), metal(w / 2, h / 2, w * 0.7f, palette::kMetalDark, seed));
    // The dark room behind.
    c.fill(box(x0, y0, x1, y1), vertical(y0, rgb(8, 8, 10), y1, rgb(20, 20, 22)));
    float leaf = (x1 - x0) * (1.0f - open * 0.82f);
    if (leaf > 2.0f) {
        Shape door = box(x0, y0, x0 + leaf, y1);
        c.fill(door, mottled(vertical(y0, scaled(paint, 1.1f), y1, scaled(paint, 0.75f)), 6.0f, 0.2f, seed));
        float inset = leaf * 0.14f;
        if (leaf > 20.0f) {
            c.fill(box(x0 + inset, y0 + h * 0.08f, x0 + leaf - inset, y0 + h * 0.38f, 2), withAlpha(scaled(paint, 0.7f), 0.9f));
            c.fill(box(x0 + inset, y0 + h * 0.46f, x0 + leaf - inset, y1 - h * 0.08f, 2), withAlpha(scaled(paint, 0.7f), 0.9f));
            // A small window in the top panel.
            c.fill(box(x0 + inset + 4, y0 + h * 0.1f + 2, x0 + leaf - inset - 4, y0 + h * 0.3f, 2), rgb(22, 26, 28));
            c.fill(capsule(x0 + inset + 8, y0 + h * 0.14f, x0 + inset + 14, y0 + h * 0.2f, 1.2f), withAlpha(rgb(120, 130, 130), 0.4f));
        }
        float kx = open > 0.0f ? x0 + leaf - 5 : x1 - (x1 - x0) * 0.12f;
        if (open <= 0.0f || leaf > 14.0f) c.fill(circle(kx, h * 0.56f, w * 0.035f), metal(kx, h * 0.56f, 5, rgb(150, 140, 110)));
        if (!label.empty()) {
            c.fill(box(x0 + leaf * 0.12f, y0 + h * 0.12f, x0 + leaf * 0.88f, y0 + h * 0.24f, 1), palette::kPaper);
            textLine(c, label, x0 + leaf * 0.5f, y0 + h * 0.145f, std::max(1.0f, w / 110.0f), palette::kInk, seed);
        }
        // Scuffs and grime at the foot.
        c.fill(box(x0, y1 - h * 0.07f, x0 + leaf, y1), withAlpha(rgb(30, 26, 22), 0.5f));
    }
    if (chained) {
        for (int i = 0; i < 2; ++i) {
            float yy = h * (0.45f + 0.12f * i);
            for (int k = 0; k < 9; ++k) {
                float t = k / 8.0f;
                float x = x0 - 4 + (x1 - x0 + 8) * t;
                float y = yy + std::sin(t * kPi) * 6.0f;
                c.fill(ellipse(x, y, 5.5f, 3.2f, k % 2 ? 0.0f : 0.0f), metal(x, y, 6, rgb(120, 110, 96), seed + k));
                c.fill(ellipse(x, y, 3.0f, 1.2f), rgb(20, 18, 16));
            }
        }
        c.fill(box(w * 0.44f, h * 0.52f, w * 0.56f, h * 0.64f, 2), metal(w / 2, h * 0.58f, 8, rgb(150, 130, 80)));
    }
    finish(c);
}

void bedPicture(Canvas& c, bool bloody) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.1f, h * 0.08f, w * 0.92f, h * 0.98f, 8), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    // Frame and head rail.
    c.fill(box(w * 0.1f, h * 0.04f, w * 0.9f, h * 0.95f, 6), metal(w / 2, h / 2, w, palette::kMetal, 11));
    c.fill(box(w * 0.14f, h * 0.1f, w * 0.86f, h * 0.92f, 6), fabric(w / 2, h / 2, w, rgb(150, 152, 144), 12));
    // Pillow.
    c.fill(box(w * 0.2f, h * 0.12f, w * 0.8f, h * 0.26f, 8), fabric(w / 2, h * 0.18f, w * 0.4f, rgb(186, 186, 176), 13));
    // Folded blanket over the lower half.
    c.fill(box(w * 0.13f, h * 0.5f, w * 0.87f, h * 0.92f, 5), fabric(w / 2, h * 0.7f, w * 0.6f, rgb(92, 110, 108), 14));
    c.fill(box(w * 0.13f, h * 0.5f, w * 0.87f, h * 0.55f, 3), fabric(w / 2, h * 0.52f, w * 0.6f, rgb(168, 170, 160), 15));
    for (int i = 0; i < 3; ++i)
        c.fill(capsule(w * (0.25f + 0.22f * i), h * 0.6f, w * (0.3f + 0.22f * i), h * 0.88f, 1.0f), withAlpha(rgb(60, 72, 70), 0.7f));
    c.fill(box(w * 0.1f, h * 0.02f, w * 0.9f, h * 0.08f, 3), metal(w / 2, h * 0.05f, w, palette::kMetalDark, 16));
    if (bloody) {
        stain(c, w * 0.42f, h * 0.36f, w * 0.16f, 17);
        stain(c, w * 0.6f, h * 0.2f, w * 0.08f, 18);
        stain(c, w * 0.7f, h * 0.66f, w * 0.1f, 19, 0.6f);
        // Torn sheet.
        c.fill(roughen(box(w * 0.28f, h * 0.4f, w * 0.5f, h * 0.47f), 3, 4, 20), rgb(70, 66, 60));
    }
    finish(c);
}

}  // namespace

// ---------------------------------------------------------------- furniture

void drawBed(Canvas& frame, int) { bedPicture(frame, false); }
void drawBedBloody(Canvas& frame, int) { bedPicture(frame, true); }

void drawWheelchair(Canvas& c, int) {
    float w = W(c);
    c.fill(ellipse(w * 0.5f, w * 0.86f, w * 0.4f, w * 0.1f), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    // Big wheels either side, seen nearly edge-on.
    for (int side = -1; side <= 1; side += 2) {
        float x = w * 0.5f + side * w * 0.32f;
        c.fill(ellipse(x, w * 0.6f, w * 0.07f, w * 0.28f), rgb(26, 26, 28));
        c.fill(ellipse(x, w * 0.6f, w * 0.04f, w * 0.24f), metal(x, w * 0.6f, w * 0.2f, palette::kMetal, 21));
        c.fill(capsule(x, w * 0.36f, x, w * 0.84f, 1.2f), rgb(40, 40, 44));
    }
    c.fill(box(w * 0.22f, w * 0.22f, w * 0.78f, w * 0.36f, 6), fabric(w / 2, w * 0.3f, w * 0.4f, rgb(60, 64, 70), 22));   // back
    c.fill(box(w * 0.24f, w * 0.38f, w * 0.76f, w * 0.72f, 6), fabric(w / 2, w * 0.55f, w * 0.4f, rgb(76, 80, 86), 23));  // seat
    for (int side = -1; side <= 1; side += 2) {
        float x = w * 0.5f + side * w * 0.22f;
        c.fill(capsule(x, w * 0.3f, x, w * 0.62f, 3), metal(x, w * 0.45f, w * 0.2f, palette::kMetalDark, 24));
        c.fill(circle(w * 0.5f + side * w * 0.14f, w * 0.86f, w * 0.04f), rgb(30, 30, 32));  // castors
    }
    stain(c, w * 0.56f, w * 0.52f, w * 0.07f, 25, 0.6f);
    finish(c);
}

void drawIVStand(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(ellipse(w * 0.5f, h * 0.94f, w * 0.36f, h * 0.04f), withAlpha(rgb(0, 0, 0), 0.35f), 4);
    for (int i = 0; i < 5; ++i) {
        float a = i * 2 * kPi / 5 + 0.3f;
        c.fill(capsule(w * 0.5f, h * 0.92f, w * 0.5f + std::cos(a) * w * 0.3f, h * 0.92f + std::sin(a) * h * 0.04f, 1.5f), palette::kMetalDark);
    }
    c.fill(capsule(w * 0.5f, h * 0.12f, w * 0.5f, h * 0.92f, 1.8f), metal(w * 0.5f, h * 0.5f, h * 0.5f, palette::kMetal, 31));
    c.fill(capsule(w * 0.3f, h * 0.12f, w * 0.7f, h * 0.12f, 1.6f), palette::kMetal);
    // The bag, nearly empty, the line hanging loose.
    c.fill(box(w * 0.26f, h * 0.14f, w * 0.48f, h * 0.34f, 5), withAlpha(rgb(190, 200, 196), 0.65f));
    c.fill(box(w * 0.28f, h * 0.27f, w * 0.46f, h * 0.33f, 4), withAlpha(rgb(150, 60, 50), 0.6f));
    c.fill(capsule(w * 0.37f, h * 0.34f, w * 0.3f, h * 0.7f, 0.8f), withAlpha(rgb(200, 210, 206), 0.7f));
    finish(c);
}

void drawCabinet(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.08f, h * 0.04f, w * 0.92f, h * 0.96f, 3), metal(w / 2, h / 2, w, rgb(138, 144, 138), 41));
    for (int door = 0; door < 2; ++door) {
        float x0 = w * (0.12f + 0.4f * door);
        float x1 = x0 + w * 0.36f;
        c.fill(box(x0, h * 0.08f, x1, h * 0.6f, 2), rgb(24, 30, 30));
        for (int shelf = 0; shelf < 3; ++shelf) {
            float sy = h * (0.22f + 0.14f * shelf);
            c.fill(box(x0, sy, x1, sy + 2), rgb(90, 96, 92));
            Random r(42 + door * 10 + shelf);
            for (float bx = x0 + 4; bx < x1 - 6; bx += r.range(6, 10)) {
                float bh = r.range(8, 13);
                Color glass = mix(rgb(110, 70, 40), rgb(70, 100, 80), r.unit());
                c.fill(box(bx, sy - bh, bx + 5, sy, 1.5f), withAlpha(glass, 0.9f));
                c.fill(box(bx + 1, sy - bh * 0.6f, bx + 4, sy - bh * 0.3f), withAlpha(palette::kPaper, 0.8f));
            }
        }
        c.fill(box(x0, h * 0.08f, x1, h * 0.6f, 2), withAlpha(rgb(160, 190, 190), 0.1f));
        c.fill(capsule(x0 + 4, h * 0.12f, x0 + 12, h * 0.3f, 1.0f), withAlpha(rgb(220, 230, 230), 0.25f));
        c.fill(box(x0, h * 0.64f, x1, h * 0.92f, 2), metal(x0 + 10, h * 0.7f, w * 0.4f, rgb(120, 126, 120), 43 + door));
        c.fill(box(x0 + w * 0.14f, h * 0.7f, x0 + w * 0.22f, h * 0.72f, 1), palette::kMetalDark);
    }
    finish(c);
}

void drawCupboard(Canvas& c, int index) {
    // An open cupboard; the medicine jar stands on the left (0) or the right (1).
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.06f, h * 0.06f, w * 0.94f, h * 0.94f, 3), wood(w / 2, h / 2, w, rgb(86, 64, 46), 51));
    c.fill(box(w * 0.12f, h * 0.12f, w * 0.88f, h * 0.88f, 2), rgb(30, 24, 20));
    for (int shelf = 0; shelf < 2; ++shelf) c.fill(box(w * 0.12f, h * (0.46f + 0.4f * shelf), w * 0.88f, h * (0.5f + 0.4f * shelf)), wood(w / 2, h / 2, w, rgb(100, 76, 54), 52));
    float jx = index == 0 ? w * 0.3f : w * 0.7f;
    c.fill(box(jx - 9, h * 0.26f, jx + 9, h * 0.46f, 3), withAlpha(rgb(150, 170, 150), 0.85f));
    c.fill(box(jx - 10, h * 0.23f, jx + 10, h * 0.27f, 1), rgb(120, 40, 36));
    c.fill(box(jx - 7, h * 0.32f, jx + 7, h * 0.4f), palette::kPaper);
    c.fill(box(jx - 3, h * 0.34f, jx + 3, h * 0.35f), palette::kHighlight);
    c.fill(box(jx - 1, h * 0.32f, jx + 1, h * 0.37f), palette::kHighlight);
    // A few boxes below.
    c.fill(box(w * 0.2f, h * 0.66f, w * 0.46f, h * 0.86f, 1), rgb(120, 110, 86));
    c.fill(box(w * 0.52f, h * 0.72f, w * 0.78f, h * 0.86f, 1), rgb(96, 90, 76));
    finish(c);
}

void drawCurtain(Canvas& c, int index) {
    // A hospital curtain on its rail: drawn shut (0) or pushed to one side (1).
    float w = W(c);
    float h = H(c);
    c.fill(capsule(w * 0.04f, h * 0.08f, w * 0.96f, h * 0.08f, 2), palette::kMetal);
    float right = index == 0 ? w * 0.96f : w * 0.3f;
    int folds = index == 0 ? 9 : 5;
    float foldW = (right - w * 0.04f) / folds;
    for (int i = 0; i < folds; ++i) {
        float x0 = w * 0.04f + i * foldW;
        c.fill(box(x0, h * 0.1f, x0 + foldW + 0.5f, h * 0.94f), horizontal(x0, rgb(96, 116, 112), x0 + foldW, rgb(66, 84, 80)));
    }
    c.fill(box(w * 0.04f, h * 0.1f, right, h * 0.94f), mottled(solid(withAlpha(rgb(60, 60, 50), 0.2f)), 8, 1.0f, 61));
    stain(c, w * 0.04f + (right - w * 0.04f) * 0.6f, h * 0.7f, w * 0.06f, 62, 0.5f);
    finish(c);
}

void drawDesk(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.05f, h * 0.12f, w * 0.95f, h * 0.96f, 4), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.05f, h * 0.08f, w * 0.95f, h * 0.7f, 3), wood(w / 2, h * 0.3f, w, palette::kWood, 71));
    c.fill(box(w * 0.05f, h * 0.7f, w * 0.95f, h * 0.9f, 2), wood(w / 2, h * 0.8f, w, scaled(palette::kWood, 0.7f), 72));
    for (int i = 0; i < 3; ++i) c.fill(box(w * (0.1f + 0.3f * i), h * 0.74f, w * (0.34f + 0.3f * i), h * 0.86f, 1), wood(w / 2, h * 0.8f, w, scaled(palette::kWood, 0.55f), 73 + i));
    // Papers, a lamp and a mug.
    c.fill(turnedBox(w * 0.3f, h * 0.36f, w * 0.1f, h * 0.14f, 0.2f), palette::kPaper);
    c.fill(turnedBox(w * 0.36f, h * 0.4f, w * 0.1f, h * 0.14f, -0.15f), scaled(palette::kPaper, 0.9f));
    for (int i = 0; i < 4; ++i) c.fill(box(w * 0.3f, h * (0.32f + 0.05f * i), w * 0.42f, h * (0.32f + 0.05f * i) + 1), withAlpha(palette::kInk, 0.5f));
    c.fill(circle(w * 0.78f, h * 0.3f, w * 0.06f), metal(w * 0.78f, h * 0.3f, w * 0.06f, rgb(90, 110, 90), 77));
    c.fill(circle(w * 0.62f, h * 0.48f, w * 0.035f), rgb(170, 166, 156));
    c.fill(circle(w * 0.62f, h * 0.48f, w * 0.022f), rgb(60, 40, 30));
    finish(c);
}

void drawChair(Canvas& c, int) {
    float w = W(c);
    c.fill(ellipse(w * 0.5f, w * 0.85f, w * 0.36f, w * 0.1f), withAlpha(rgb(0, 0, 0), 0.35f), 4);
    for (int side = -1; side <= 1; side += 2) c.fill(capsule(w * 0.5f + side * w * 0.28f, w * 0.5f, w * 0.5f + side * w * 0.28f, w * 0.86f, 1.5f), palette::kMetalDark);
    c.fill(box(w * 0.18f, w * 0.08f, w * 0.82f, w * 0.34f, 4), wood(w / 2, w * 0.2f, w * 0.5f, palette::kWood, 81));
    c.fill(box(w * 0.2f, w * 0.38f, w * 0.8f, w * 0.74f, 4), wood(w / 2, w * 0.5f, w * 0.5f, scaled(palette::kWood, 1.1f), 82));
    finish(c);
}

void drawShelf(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.06f, h * 0.04f, w * 0.94f, h * 0.96f, 2), metal(w / 2, h / 2, w, palette::kMetalDark, 91));
    Random r(92);
    for (int shelf = 0; shelf < 4; ++shelf) {
        float y = h * (0.26f + 0.22f * shelf);
        c.fill(box(w * 0.08f, y, w * 0.92f, y + 3), palette::kMetal);
        for (float x = w * 0.1f; x < w * 0.88f;) {
            float bw = r.range(6, 12);
            float bh = r.range(h * 0.12f, h * 0.19f);
            if (r.unit() < 0.15f) {
                x += bw;
                continue;
            }
            Color file = mix(rgb(120, 100, 70), rgb(80, 90, 100), r.unit());
            c.fill(box(x, y - bh, x + bw, y, 1), mottled(solid(file), 4, 0.3f, 93 + shelf));
            c.fill(box(x + 1, y - bh * 0.7f, x + bw - 1, y - bh * 0.55f), withAlpha(palette::kPaper, 0.7f));
            x += bw + 1;
        }
    }
    finish(c);
}

void drawTrolley(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.06f, h * 0.12f, w * 0.94f, h * 0.92f, 4), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.06f, h * 0.08f, w * 0.94f, h * 0.82f, 4), metal(w / 2, h / 2, w, rgb(150, 154, 156), 101));
    c.fill(box(w * 0.12f, h * 0.16f, w * 0.88f, h * 0.74f, 3), rgb(70, 90, 84));  // cloth
    // Instruments on the cloth.
    c.fill(capsule(w * 0.2f, h * 0.3f, w * 0.5f, h * 0.28f, 1.5f), rgb(190, 192, 196));
    c.fill(turnedBox(w * 0.55f, h * 0.29f, w * 0.06f, h * 0.05f, -0.05f, 1), rgb(190, 192, 196));
    c.fill(capsule(w * 0.25f, h * 0.5f, w * 0.55f, h * 0.56f, 1.2f), rgb(180, 182, 186));
    c.fill(ring(w * 0.22f, h * 0.5f, 3.5f, 1.2f), rgb(180, 182, 186));
    c.fill(ring(w * 0.25f, h * 0.58f, 3.5f, 1.2f), rgb(180, 182, 186));
    c.fill(ellipse(w * 0.72f, h * 0.5f, w * 0.1f, h * 0.12f), metal(w * 0.72f, h * 0.5f, w * 0.1f, rgb(170, 172, 176), 102));
    stain(c, w * 0.7f, h * 0.5f, w * 0.05f, 103);
    stain(c, w * 0.4f, h * 0.64f, w * 0.06f, 104, 0.6f);
    for (int side = -1; side <= 1; side += 2) c.fill(circle(w * 0.5f + side * w * 0.4f, h * 0.88f, 4), rgb(24, 24, 26));
    finish(c);
}

void drawSink(Canvas& c, int) {
    float w = W(c);
    c.fill(box(w * 0.1f, w * 0.1f, w * 0.9f, w * 0.8f, 8), shaded(w / 2, w / 2, w, rgb(176, 178, 170), 0.2f, 0.3f));
    c.fill(ellipse(w * 0.5f, w * 0.5f, w * 0.3f, w * 0.2f), radial(w * 0.5f, w * 0.45f, w * 0.3f, rgb(90, 94, 90), rgb(140, 142, 136)));
    c.fill(circle(w * 0.5f, w * 0.52f, w * 0.04f), rgb(30, 30, 30));
    c.fill(capsule(w * 0.5f, w * 0.14f, w * 0.5f, w * 0.3f, 3), metal(w / 2, w * 0.2f, 10, rgb(160, 160, 150), 111));
    c.fill(ellipse(w * 0.5f, w * 0.58f, w * 0.12f, w * 0.06f), withAlpha(palette::kRust, 0.6f));
    finish(c);
}

void drawPlant(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(ellipse(w * 0.5f, h * 0.94f, w * 0.3f, h * 0.04f), withAlpha(rgb(0, 0, 0), 0.35f), 4);
    c.fill(polygon({{w * 0.28f, h * 0.66f}, {w * 0.72f, h * 0.66f}, {w * 0.64f, h * 0.94f}, {w * 0.36f, h * 0.94f}}),
           shaded(w / 2, h * 0.75f, w * 0.4f, rgb(110, 70, 50)));
    Random r(121);
    for (int i = 0; i < 9; ++i) {
        float a = -kPi / 2 + r.range(-1.0f, 1.0f);
        float len = r.range(h * 0.25f, h * 0.5f);
        float ex = w * 0.5f + std::cos(a) * len * 0.6f;
        float ey = h * 0.66f + std::sin(a) * len;
        c.fill(capsule(w * 0.5f, h * 0.66f, ex, ey, 1.0f), rgb(74, 66, 44));
        c.fill(ellipse(ex, ey, 4, 2, a), mix(rgb(96, 90, 50), rgb(70, 52, 34), r.unit()));
    }
    finish(c);
}

void drawReceptionTable(Canvas& c, int index) {
    // 0 as found, 1 with the note lying on it, 2 wrecked by the fallen ceiling.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.03f, h * 0.2f, w * 0.97f, h * 0.98f, 6), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.03f, h * 0.1f, w * 0.97f, h * 0.62f, 4), wood(w / 2, h * 0.3f, w, rgb(104, 80, 58), 131));
    c.fill(box(w * 0.03f, h * 0.62f, w * 0.97f, h * 0.92f, 3), wood(w / 2, h * 0.8f, w, rgb(70, 54, 40), 132));
    for (int i = 1; i < 6; ++i) c.fill(box(w * i / 6.0f - 1, h * 0.64f, w * i / 6.0f + 1, h * 0.9f), rgb(50, 38, 28));
    // Bell, ledger and a telephone.
    c.fill(circle(w * 0.2f, h * 0.34f, h * 0.08f), metal(w * 0.2f, h * 0.34f, h * 0.08f, rgb(170, 150, 100), 133));
    c.fill(box(w * 0.36f, h * 0.18f, w * 0.58f, h * 0.5f, 2), rgb(90, 40, 36));
    c.fill(box(w * 0.37f, h * 0.2f, w * 0.57f, h * 0.48f, 1), palette::kPaper);
    for (int i = 0; i < 6; ++i) c.fill(box(w * 0.39f, h * (0.24f + 0.04f * i), w * 0.55f, h * (0.24f + 0.04f * i) + 1), withAlpha(palette::kInk, 0.45f));
    c.fill(box(w * 0.72f, h * 0.22f, w * 0.86f, h * 0.46f, 4), rgb(30, 30, 30));
    c.fill(capsule(w * 0.72f, h * 0.26f, w * 0.86f, h * 0.26f, 3), rgb(44, 44, 44));
    if (index == 1) {
        c.fill(turnedBox(w * 0.64f, h * 0.36f, w * 0.05f, h * 0.12f, 0.35f, 1), rgb(222, 214, 190));
        for (int i = 0; i < 3; ++i) c.fill(turnedBox(w * 0.64f, h * (0.31f + 0.05f * i), w * 0.035f, 0.8f, 0.35f), palette::kBlood);
    }
    if (index == 2) {
        Random r(134);
        for (int i = 0; i < 12; ++i) {
            float x = r.range(w * 0.08f, w * 0.92f);
            float y = r.range(h * 0.12f, h * 0.6f);
            float s = r.range(5, 14);
            c.fill(roughen(turnedBox(x, y, s, s * 0.7f, r.range(0, 3)), 2, 3, 135 + i), mottled(solid(rgb(120, 118, 110)), 3, 0.4f, 140 + i));
        }
        c.fill(capsule(w * 0.1f, h * 0.2f, w * 0.6f, h * 0.55f, 3), rgb(60, 58, 54));
        c.fill(capsule(w * 0.4f, h * 0.1f, w * 0.9f, h * 0.4f, 2.5f), rgb(72, 70, 64));
    }
    finish(c);
}

void drawRubble(Canvas& c, int) {
    float w = W(c);
    Random r(151);
    c.fill(roughen(ellipse(w * 0.5f, w * 0.62f, w * 0.45f, w * 0.3f), 6, 8, 152), withAlpha(rgb(20, 20, 20), 0.4f), 5);
    for (int i = 0; i < 22; ++i) {
        float x = w * 0.5f + r.range(-w * 0.38f, w * 0.38f);
        float y = w * 0.6f + r.range(-w * 0.22f, w * 0.22f);
        float s = r.range(w * 0.04f, w * 0.12f);
        Color stone = mix(rgb(130, 128, 120), rgb(86, 84, 80), r.unit());
        c.fill(roughen(turnedBox(x, y, s, s * r.range(0.5f, 0.9f), r.range(0, 3), 1), s * 0.2f, s * 0.4f, 160 + i), shaded(x, y, s, stone));
    }
    // Bent conduit and a broken ceiling tile.
    c.fill(capsule(w * 0.12f, w * 0.4f, w * 0.6f, w * 0.55f, 2.5f), metal(w / 2, w / 2, w, palette::kMetal, 153));
    c.fill(turnedBox(w * 0.66f, w * 0.48f, w * 0.18f, w * 0.12f, 0.4f, 1), mottled(solid(rgb(170, 166, 150)), 3, 0.3f, 154));
    finish(c);
}

void drawDaughterTable(Canvas& c, int index) {
    // A child's table with crayons; once touched (1) her drawing lies turned face up.
    float w = W(c);
    c.fill(box(w * 0.08f, w * 0.2f, w * 0.92f, w * 0.92f, 6), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.08f, w * 0.12f, w * 0.92f, w * 0.76f, 5), wood(w / 2, w * 0.4f, w, rgb(150, 120, 90), 171));
    for (int side = -1; side <= 1; side += 2) c.fill(box(w * 0.5f + side * w * 0.36f - 4, w * 0.76f, w * 0.5f + side * w * 0.36f + 4, w * 0.9f), rgb(110, 86, 62));
    Color crayons[4] = {rgb(160, 50, 50), rgb(60, 80, 150), rgb(200, 170, 60), rgb(60, 120, 70)};
    for (int i = 0; i < 4; ++i) c.fill(capsule(w * (0.66f + 0.05f * i), w * 0.56f, w * (0.7f + 0.05f * i), w * 0.68f, 2), crayons[i]);
    if (index == 0) {
        c.fill(turnedBox(w * 0.38f, w * 0.42f, w * 0.18f, w * 0.13f, 0.1f, 1), rgb(200, 196, 184));  // paper, back up
    } else {
        c.fill(turnedBox(w * 0.38f, w * 0.42f, w * 0.18f, w * 0.13f, 0.1f, 1), rgb(226, 222, 208));
        // Stick family: a tall man, a woman, a small girl, holding hands.
        float base = w * 0.5f;
        float xs[3] = {w * 0.28f, w * 0.38f, w * 0.47f};
        float hs[3] = {w * 0.16f, w * 0.14f, w * 0.09f};
        Color cs[3] = {rgb(60, 60, 140), rgb(150, 50, 60), rgb(150, 50, 60)};
        for (int i = 0; i < 3; ++i) {
            c.fill(circle(xs[i], base - hs[i], 3), cs[i]);
            c.fill(capsule(xs[i], base - hs[i] + 3, xs[i], base - 4, 0.9f), cs[i]);
            c.fill(capsule(xs[i] - 3, base - hs[i] * 0.55f, xs[i] + 3, base - hs[i] * 0.55f, 0.8f), cs[i]);
        }
        c.fill(circle(w * 0.52f, w * 0.31f, 4), rgb(210, 170, 60));  // the sun
    }
    finish(c);
}

void drawOperatingTable(Canvas& c, int index) {
    // Frames by what lies on the two spots (left 1, right 2): 0 none, 1 -/scissors,
    // 2 hacksaw/scissors, 3 -/hacksaw, 4 scissors/-, 5 scissors/hacksaw, 6 hacksaw/-.
    const int spot1[7] = {0, 0, 1, 0, 2, 2, 1};  // 1 hacksaw, 2 scissors
    const int spot2[7] = {0, 2, 2, 1, 0, 1, 0};
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.16f, w * 0.96f, h * 0.96f, 8), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.04f, h * 0.1f, w * 0.96f, h * 0.84f, 8), metal(w / 2, h / 2, w, rgb(150, 156, 158), 181));
    c.fill(box(w * 0.08f, h * 0.16f, w * 0.92f, h * 0.78f, 6), shaded(w / 2, h / 2, w, rgb(70, 96, 92), 0.15f, 0.35f));
    stain(c, w * 0.5f, h * 0.48f, w * 0.12f, 182, 0.8f);
    stain(c, w * 0.34f, h * 0.62f, w * 0.05f, 183, 0.6f);
    // Two outlined spots with straps.
    float spots[2] = {w * 0.27f, w * 0.73f};
    for (int i = 0; i < 2; ++i) {
        c.fill(box(spots[i] - w * 0.15f, h * 0.26f, spots[i] + w * 0.15f, h * 0.68f, 4), withAlpha(rgb(20, 30, 30), 0.35f));
        c.fill(subtract(box(spots[i] - w * 0.15f, h * 0.26f, spots[i] + w * 0.15f, h * 0.68f, 4),
                        box(spots[i] - w * 0.15f + 2, h * 0.26f + 2, spots[i] + w * 0.15f - 2, h * 0.68f - 2, 3)),
               withAlpha(rgb(200, 200, 190), 0.5f));
        int what = i == 0 ? spot1[index] : spot2[index];
        float cx = spots[i];
        float cy = h * 0.47f;
        if (what == 1) {
            c.fill(turnedBox(cx + 2, cy, w * 0.11f, h * 0.05f, -0.5f, 1), metal(cx, cy, 12, rgb(150, 146, 136), 184));
            for (int t = 0; t < 9; ++t) {
                float tx = cx - w * 0.08f + t * w * 0.02f;
                c.fill(circle(tx + 2, cy + (tx - cx) * 0.55f + h * 0.04f, 1.0f), rgb(90, 80, 70));
            }
            c.fill(capsule(cx - w * 0.1f, cy + h * 0.12f, cx - w * 0.12f, cy - h * 0.06f, 2.5f), rgb(90, 40, 30));
        } else if (what == 2) {
            c.fill(capsule(cx - 10, cy - 12, cx + 8, cy + 10, 1.6f), rgb(180, 184, 188));
            c.fill(capsule(cx + 10, cy - 12, cx - 8, cy + 10, 1.6f), rgb(160, 164, 168));
            c.fill(ring(cx - 10, cy + 14, 4.5f, 2), rgb(60, 60, 66));
            c.fill(ring(cx + 10, cy + 14, 4.5f, 2), rgb(60, 60, 66));
        }
    }
    finish(c);
}

void drawWallPipes(Canvas& c, int) {
    float w = W(c);
    for (int i = 0; i < 3; ++i) {
        float y = w * (0.3f + 0.2f * i);
        float r = w * (0.06f - 0.01f * i);
        c.fill(capsule(0, y, w, y, r), metal(w / 2, y, w * 0.6f, mix(palette::kMetal, palette::kRust, 0.3f * i), 191 + i));
        for (int k = 0; k < 3; ++k) c.fill(box(w * (0.2f + 0.3f * k) - 3, y - r - 2, w * (0.2f + 0.3f * k) + 3, y + r + 2, 1), palette::kMetalDark);
    }
    c.fill(circle(w * 0.7f, w * 0.5f, w * 0.09f), metal(w * 0.7f, w * 0.5f, w * 0.1f, rgb(140, 40, 36), 195));
    c.fill(taper(w * 0.52f, w * 0.62f, w * 0.55f, w * 0.95f, 2, 1), withAlpha(rgb(60, 70, 60), 0.6f));
    finish(c);
}

// ---------------------------------------------------------------- doors

void drawDoorClosed(Canvas& c, int) { doorPicture(c, 0.0f, rgb(92, 104, 98), "", false, 201); }
void drawDoorAjar(Canvas& c, int) { doorPicture(c, 0.45f, rgb(92, 104, 98), "", false, 201); }
void drawDoorOpenFully(Canvas& c, int) { doorPicture(c, 1.0f, rgb(92, 104, 98), "", false, 201); }
void drawDoor(Canvas& c, int index) { doorPicture(c, index == 0 ? 0.0f : 1.0f, rgb(106, 92, 78), "", false, 202); }
void drawDoorNursery(Canvas& c, int) { doorPicture(c, 0.0f, rgb(120, 96, 104), "NURSERY", false, 203); }
void drawDoorChained(Canvas& c, int) { doorPicture(c, 0.0f, rgb(92, 104, 98), "", true, 204); }

void drawDoorDouble(Canvas& c, int index) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.04f, w * 0.96f, h), metal(w / 2, h / 2, w, palette::kMetalDark, 211));
    c.fill(box(w * 0.08f, h * 0.08f, w * 0.92f, h), rgb(10, 10, 12));
    float open = index == 0 ? 0.0f : 0.8f;
    float half = (w * 0.84f) * 0.5f * (1.0f - open);
    for (int side = 0; side < 2; ++side) {
        float x0 = side == 0 ? w * 0.08f : w * 0.92f - half;
        c.fill(box(x0, h * 0.08f, x0 + half, h), mottled(vertical(h * 0.1f, rgb(120, 126, 120), h, rgb(80, 84, 80)), 6, 0.2f, 212 + side));
        if (half > 16) {
            c.fill(box(x0 + half * 0.25f, h * 0.2f, x0 + half * 0.75f, h * 0.4f, 2), rgb(26, 30, 32));
            c.fill(box(x0 + 3, h * 0.56f, x0 + half - 3, h * 0.6f), palette::kMetal);
        }
    }
    finish(c);
}

void drawPortal(Canvas& c, int index) {
    // An archway: open (0) shows only darkness, closed (1) is boarded over.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.06f, h * 0.04f, w * 0.94f, h, 4), mottled(solid(rgb(70, 76, 72)), 6, 0.3f, 221));
    c.fill(unite(box(w * 0.18f, h * 0.3f, w * 0.82f, h), circle(w * 0.5f, h * 0.3f, w * 0.32f)), vertical(0, rgb(4, 4, 6), h, rgb(16, 16, 18)));
    if (index == 1) {
        Random r(222);
        for (int i = 0; i < 5; ++i) {
            float y = h * (0.22f + 0.16f * i);
            float a = r.range(-0.2f, 0.2f);
            c.fill(turnedBox(w * 0.5f, y, w * 0.42f, h * 0.055f, a, 1), wood(w / 2, y, w, rgb(100, 78, 54), 223 + i));
            c.fill(circle(w * 0.14f, y + std::sin(a) * -w * 0.36f, 1.6f), palette::kMetal);
            c.fill(circle(w * 0.86f, y + std::sin(a) * w * 0.36f, 1.6f), palette::kMetal);
        }
    }
    finish(c);
}

void drawTrapDoor(Canvas& c, int index) {
    // Opens over frames 0 to 3; 4 stays open.
    float w = W(c);
    float open = std::min(index, 3) / 3.0f;
    c.fill(box(w * 0.1f, w * 0.1f, w * 0.9f, w * 0.9f, 2), metal(w / 2, w / 2, w, palette::kMetalDark, 231));
    c.fill(box(w * 0.14f, w * 0.14f, w * 0.86f, w * 0.86f), radial(w / 2, w / 2, w * 0.5f, rgb(0, 0, 0), rgb(14, 12, 12)));
    if (open > 0.0f) {
        for (int i = 0; i < 4; ++i) c.fill(box(w * 0.4f, w * (0.2f + 0.14f * i), w * 0.6f, w * (0.2f + 0.14f * i) + 3), withAlpha(palette::kMetal, 0.5f * open));
    }
    // The lid swings up towards the top edge: it gets shorter as it opens.
    float lidBottom = w * 0.86f - (w * 0.72f) * open * 0.92f;
    if (lidBottom > w * 0.15f) {
        c.fill(box(w * 0.14f, w * 0.14f, w * 0.86f, lidBottom), metal(w / 2, w / 3, w, mix(palette::kMetal, palette::kRust, 0.3f + 0.2f * open), 232));
        for (float x = w * 0.2f; x < w * 0.85f; x += w * 0.1f) c.fill(box(x, w * 0.14f, x + 2, lidBottom), withAlpha(palette::kMetalDark, 0.7f));
        if (open < 0.5f) c.fill(ring(w / 2, (w * 0.14f + lidBottom) / 2, w * 0.06f, 3), palette::kMetal);
    }
    if (open > 0.0f) c.fill(box(w * 0.12f, w * 0.06f, w * 0.88f, w * 0.14f, 2), metal(w / 2, w * 0.1f, w, palette::kMetal, 233));
    finish(c);
}

void drawHoleInWall(Canvas& c, int) {
    float w = W(c);
    Shape hole = roughen(ellipse(w * 0.5f, w * 0.62f, w * 0.3f, w * 0.34f), w * 0.05f, w * 0.06f, 241);
    c.fill(roughen(ellipse(w * 0.5f, w * 0.62f, w * 0.4f, w * 0.42f), w * 0.06f, w * 0.07f, 242), mottled(solid(rgb(120, 118, 104)), 3, 0.4f, 243));
    c.fill(hole, radial(w * 0.5f, w * 0.62f, w * 0.34f, rgb(0, 0, 0), rgb(26, 22, 20)));
    Random r(244);
    for (int i = 0; i < 6; ++i) c.fill(box(w * 0.5f + r.range(-20, 20), w * 0.95f - r.range(0, 8), w * 0.5f + r.range(-20, 20) + r.range(3, 7), w * 0.98f, 1), rgb(130, 126, 110));
    finish(c);
}

void drawLift(Canvas& c, int index) {
    // 0-3 unpowered and shut; 4 open; 5-8 closing; 9-11 shut with the lamp lit.
    float w = W(c);
    float open = 0.0f;
    if (index == 4) open = 1.0f;
    if (index >= 5 && index <= 8) open = 1.0f - (index - 4) / 4.0f;
    bool powered = index >= 4;
    c.fill(box(w * 0.06f, w * 0.04f, w * 0.94f, w, 3), metal(w / 2, w / 2, w, rgb(96, 100, 98), 251));
    c.fill(box(w * 0.14f, w * 0.18f, w * 0.86f, w), vertical(w * 0.2f, rgb(40, 36, 30), w, rgb(20, 18, 16)));
    if (open > 0.0f) c.fill(box(w * 0.2f, w * 0.22f, w * 0.8f, w), vertical(w * 0.2f, rgb(120, 100, 70), w, rgb(50, 40, 30)));
    float half = w * 0.36f * (1.0f - open);
    for (int side = 0; side < 2; ++side) {
        float x0 = side == 0 ? w * 0.14f : w * 0.86f - half;
        if (half < 1.0f) continue;
        c.fill(box(x0, w * 0.18f, x0 + half, w), metal(x0 + half / 2, w * 0.5f, w * 0.5f, rgb(130, 134, 132), 252 + side));
        for (float y = w * 0.26f; y < w * 0.96f; y += w * 0.1f) c.fill(box(x0 + 2, y, x0 + half - 2, y + 1), withAlpha(palette::kMetalDark, 0.6f));
    }
    c.fill(box(w * 0.4f, w * 0.07f, w * 0.6f, w * 0.14f, 2), rgb(20, 20, 20));
    Color lamp = powered ? rgb(255, 190, 90) : rgb(60, 50, 40);
    c.fill(circle(w * 0.5f, w * 0.105f, w * 0.025f), lamp);
    if (powered) c.fill(circle(w * 0.5f, w * 0.105f, w * 0.08f), radial(w * 0.5f, w * 0.105f, w * 0.08f, withAlpha(lamp, 0.5f), withAlpha(lamp, 0.0f)), 3);
    finish(c);
}

void drawGlass(Canvas& c, int index) {
    // A viewing window; in frame 1 a masked figure stands behind it.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.04f, w * 0.96f, h * 0.96f, 3), metal(w / 2, h / 2, w, palette::kMetalDark, 261));
    c.fill(box(w * 0.1f, h * 0.1f, w * 0.9f, h * 0.9f), vertical(h * 0.1f, rgb(24, 34, 36), h * 0.9f, rgb(10, 14, 16)));
    if (index == 1) {
        float cx = w * 0.56f;
        c.fill(ellipse(cx, h * 0.42f, w * 0.1f, h * 0.12f), rgb(60, 74, 70));
        c.fill(box(cx - w * 0.2f, h * 0.56f, cx + w * 0.2f, h * 0.9f, 10), rgb(46, 62, 56));
        c.fill(ellipse(cx, h * 0.46f, w * 0.08f, h * 0.05f), rgb(110, 126, 120));
        c.fill(circle(cx - w * 0.035f, h * 0.39f, 1.6f), rgb(200, 60, 40));
        c.fill(circle(cx + w * 0.035f, h * 0.39f, 1.6f), rgb(200, 60, 40));
    }
    c.fill(capsule(w * 0.16f, h * 0.3f, w * 0.36f, h * 0.14f, 2), withAlpha(rgb(200, 220, 220), 0.15f));
    c.fill(capsule(w * 0.2f, h * 0.4f, w * 0.46f, h * 0.18f, 1), withAlpha(rgb(200, 220, 220), 0.12f));
    finish(c);
}

// ---------------------------------------------------------------- puzzle pieces

void drawLever(Canvas& c, int index) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.2f, h * 0.3f, w * 0.8f, h * 0.8f, 4), metal(w / 2, h / 2, w, palette::kMetalDark, 271));
    c.fill(box(w * 0.44f, h * 0.36f, w * 0.56f, h * 0.74f, 2), rgb(14, 14, 14));
    float ty = index == 0 ? h * 0.1f : h * 0.96f;
    float py = index == 0 ? h * 0.4f : h * 0.7f;
    c.fill(capsule(w * 0.5f, py, w * 0.5f, ty, w * 0.06f), metal(w / 2, ty, h * 0.4f, palette::kMetal, 272));
    c.fill(circle(w * 0.5f, ty, w * 0.14f), shaded(w / 2, ty, w * 0.14f, rgb(150, 40, 34)));
    for (int i = 0; i < 4; ++i) c.fill(circle(w * (0.27f + (i % 2) * 0.46f), h * (0.34f + (i / 2) * 0.42f), 2), palette::kMetal);
    finish(c);
}

void drawSwitch(Canvas& c, int index) {
    float w = W(c);
    c.fill(box(w * 0.22f, w * 0.12f, w * 0.78f, w * 0.88f, 4), shaded(w / 2, w / 2, w, rgb(150, 146, 132), 0.2f, 0.3f));
    c.fill(box(w * 0.38f, w * 0.3f, w * 0.62f, w * 0.7f, 3), rgb(40, 38, 34));
    float y0 = index == 0 ? w * 0.5f : w * 0.34f;
    c.fill(box(w * 0.41f, y0, w * 0.59f, y0 + w * 0.16f, 2), shaded(w / 2, y0, w * 0.2f, rgb(200, 196, 180)));
    c.fill(circle(w * 0.5f, w * 0.2f, 2), index == 1 ? rgb(230, 180, 80) : rgb(60, 50, 40));
    finish(c);
}

void drawTrafficLight(Canvas& c, int index) {
    // 0 dark, 1 red, 2 yellow, 3 green, 4 blue.
    float w = W(c);
    float h = H(c);
    Color lamps[4] = {rgb(220, 50, 40), rgb(230, 190, 60), rgb(70, 200, 90), rgb(70, 120, 230)};
    c.fill(box(w * 0.2f, h * 0.04f, w * 0.8f, h * 0.96f, 8), metal(w / 2, h / 2, w, rgb(46, 48, 46), 281));
    for (int i = 0; i < 4; ++i) {
        float y = h * (0.14f + 0.24f * i);
        bool on = index == i + 1;
        c.fill(circle(w * 0.5f, y, w * 0.2f), on ? lamps[i] : scaled(lamps[i], 0.22f));
        if (on) c.fill(circle(w * 0.5f, y, w * 0.42f), radial(w * 0.5f, y, w * 0.42f, withAlpha(lamps[i], 0.6f), withAlpha(lamps[i], 0.0f)), 3);
        c.fill(circle(w * 0.45f, y - w * 0.06f, w * 0.05f), withAlpha(rgb(255, 255, 255), on ? 0.5f : 0.12f));
    }
    finish(c);
}

void drawClueBoard(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.06f, w * 0.96f, h * 0.94f, 3), wood(w / 2, h / 2, w, rgb(90, 64, 44), 291));
    c.fill(box(w * 0.1f, h * 0.12f, w * 0.9f, h * 0.88f, 2), mottled(solid(rgb(48, 60, 50)), 5, 0.25f, 292));
    // Chalk: a traffic light with question marks.
    Color chalk = withAlpha(rgb(210, 210, 200), 0.8f);
    c.fill(subtract(box(w * 0.22f, h * 0.2f, w * 0.42f, h * 0.8f, 6), box(w * 0.24f, h * 0.22f, w * 0.4f, h * 0.78f, 5)), chalk);
    for (int i = 0; i < 3; ++i) c.fill(ring(w * 0.32f, h * (0.32f + 0.18f * i), w * 0.06f, 1.5f), chalk);
    for (int i = 0; i < 3; ++i) textLine(c, "?", w * 0.62f, h * (0.26f + 0.18f * i), std::max(1.0f, w / 64.0f), chalk, 293 + i);
    finish(c);
}

void drawClueBoard2(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.06f, w * 0.96f, h * 0.94f, 3), wood(w / 2, h / 2, w, rgb(90, 64, 44), 301));
    c.fill(box(w * 0.1f, h * 0.12f, w * 0.9f, h * 0.88f, 2), mottled(solid(rgb(48, 60, 50)), 5, 0.25f, 302));
    Color chalk = withAlpha(rgb(210, 210, 200), 0.85f);
    textLine(c, "R B Y G", w * 0.5f, h * 0.3f, std::max(1.0f, w / 50.0f), chalk, 303);
    textLine(c, "in order", w * 0.5f, h * 0.58f, std::max(1.0f, w / 90.0f), withAlpha(chalk, 0.6f), 304);
    // Scratches through the writing.
    c.fill(capsule(w * 0.16f, h * 0.5f, w * 0.8f, h * 0.4f, 1), withAlpha(rgb(30, 36, 30), 0.8f));
    finish(c);
}

void drawGenerator(Canvas& c, int index) {
    // 0 chained shut, 1 chain cut, 2 running.
    float w = W(c);
    c.fill(box(w * 0.04f, w * 0.14f, w * 0.96f, w * 0.96f, 6), withAlpha(rgb(0, 0, 0), 0.35f), 6);
    c.fill(box(w * 0.06f, w * 0.1f, w * 0.94f, w * 0.86f, 6), metal(w / 2, w / 2, w, rgb(90, 100, 70), 311));
    for (int i = 0; i < 6; ++i) c.fill(box(w * 0.14f, w * (0.2f + 0.06f * i), w * 0.5f, w * (0.2f + 0.06f * i) + 2), rgb(40, 44, 32));
    c.fill(circle(w * 0.72f, w * 0.36f, w * 0.12f), rgb(30, 30, 28));
    c.fill(circle(w * 0.72f, w * 0.36f, w * 0.1f), index == 2 ? rgb(220, 190, 120) : rgb(200, 196, 180));
    float needle = index == 2 ? 0.6f : -2.2f;
    c.fill(capsule(w * 0.72f, w * 0.36f, w * 0.72f + std::cos(needle) * w * 0.08f, w * 0.36f + std::sin(needle) * w * 0.08f, 1.2f), rgb(160, 30, 20));
    c.fill(circle(w * 0.62f, w * 0.62f, w * 0.04f), index == 2 ? rgb(120, 230, 100) : rgb(40, 60, 40));
    c.fill(circle(w * 0.78f, w * 0.62f, w * 0.04f), index == 2 ? rgb(40, 40, 30) : rgb(150, 40, 30));
    c.fill(box(w * 0.14f, w * 0.62f, w * 0.5f, w * 0.8f, 3), rgb(60, 64, 50));  // crank socket panel
    c.fill(circle(w * 0.32f, w * 0.71f, w * 0.05f), rgb(20, 20, 20));
    if (index == 0 || index == 1) {
        for (int k = 0; k < 10; ++k) {
            float t = k / 9.0f;
            if (index == 1 && k >= 4 && k <= 5) continue;  // the cut links
            float x = w * 0.08f + w * 0.84f * t;
            float y = w * 0.52f + std::sin(t * kPi) * w * 0.06f;
            c.fill(ellipse(x, y, 6, 3.5f), metal(x, y, 6, rgb(130, 120, 100), 312 + k));
            c.fill(ellipse(x, y, 3, 1.2f), rgb(20, 18, 16));
        }
        if (index == 0) c.fill(box(w * 0.45f, w * 0.52f, w * 0.57f, w * 0.66f, 2), metal(w / 2, w * 0.6f, 8, rgb(150, 130, 80), 313));
    }
    if (index == 2) c.fill(circle(w * 0.72f, w * 0.36f, w * 0.3f), radial(w * 0.72f, w * 0.36f, w * 0.3f, withAlpha(rgb(255, 220, 140), 0.25f), withAlpha(rgb(255, 220, 140), 0.0f)), 3);
    finish(c);
}

namespace {

void treeStage(Canvas& c, int stage, bool glowing) {
    float w = W(c);
    // A cupboard at the bottom; the tree grows out of its open top.
    c.fill(box(w * 0.22f, w * 0.66f, w * 0.78f, w * 0.98f, 3), wood(w / 2, w * 0.8f, w, rgb(80, 60, 44), 321));
    c.fill(box(w * 0.26f, w * 0.7f, w * 0.49f, w * 0.95f, 2), wood(w / 2, w * 0.8f, w, rgb(66, 50, 36), 322));
    c.fill(box(w * 0.51f, w * 0.7f, w * 0.74f, w * 0.95f, 2), wood(w / 2, w * 0.8f, w, rgb(66, 50, 36), 323));
    float grow = stage / 4.0f;
    Color bark = rgb(70, 56, 44);
    if (stage == 0) {
        c.fill(capsule(w * 0.5f, w * 0.66f, w * 0.52f, w * 0.58f, 2), rgb(80, 90, 50));
        c.fill(ellipse(w * 0.54f, w * 0.57f, 4, 2, -0.5f), rgb(90, 110, 60));
    } else {
        float top = w * (0.62f - 0.44f * grow);
        c.fill(taper(w * 0.5f, w * 0.68f, w * 0.5f, top, w * (0.02f + 0.04f * grow), w * 0.012f), mottled(solid(bark), 3, 0.3f, 324));
        Random r(325);
        int branches = 2 + stage * 2;
        for (int i = 0; i < branches; ++i) {
            float t = 0.3f + 0.6f * i / branches;
            float by = w * 0.68f + (top - w * 0.68f) * t;
            float side = i % 2 == 0 ? -1.0f : 1.0f;
            float len = w * (0.08f + 0.16f * grow) * (1.1f - t * 0.5f);
            float ex = w * 0.5f + side * len;
            float ey = by - len * 0.6f;
            c.fill(taper(w * 0.5f, by, ex, ey, w * 0.012f * (1 + grow), 1.0f), bark);
            // Leaves grey and sparse, with small pale fruit-like buds.
            for (int k = 0; k < 3 + stage; ++k)
                c.fill(ellipse(ex + r.range(-9, 9), ey + r.range(-7, 5), r.range(3, 6), r.range(2, 4), r.range(0, 3)),
                       mix(rgb(70, 84, 60), rgb(110, 110, 80), r.unit()));
        }
        if (stage >= 2) c.fill(circle(w * 0.5f, top - 3, w * 0.02f + stage), mix(rgb(170, 150, 110), rgb(200, 60, 50), stage == 4 ? 0.7f : 0.0f));
    }
    if (glowing) c.fill(circle(w * 0.5f, w * 0.5f, w * 0.46f), radial(w * 0.5f, w * 0.5f, w * 0.46f, withAlpha(rgb(190, 220, 170), 0.35f), withAlpha(rgb(190, 220, 170), 0.0f)), 4);
    finish(c);
}

}  // namespace

void drawFamilyTree(Canvas& c, int index) { treeStage(c, index, false); }
void drawTreeGrowth(Canvas& c, int index) { treeStage(c, index, true); }

namespace {

void letterBlock(Canvas& c, float cx, float cy, float s, char letter, Color face, unsigned seed) {
    c.fill(box(cx - s, cy - s, cx + s, cy + s, s * 0.18f), shaded(cx, cy, s * 1.4f, face, 0.25f, 0.35f));
    c.fill(box(cx - s * 0.78f, cy - s * 0.78f, cx + s * 0.78f, cy + s * 0.78f, s * 0.12f), withAlpha(scaled(face, 1.15f), 0.6f));
    TextStyle style;
    style.scale = std::max(1.0f, s * 0.22f);
    style.color = rgb(40, 30, 28);
    style.seed = seed;
    BitmapFont::drawCentered(c, std::string(1, letter), cx, cy - 3.5f * style.scale, style);
}

}  // namespace

void drawBlockBear(Canvas& c, int index) {
    // A bear's seat with blocks: 0 empty, 1 block A, 2 block B, 3 both.
    float w = W(c);
    c.fill(ellipse(w * 0.5f, w * 0.7f, w * 0.42f, w * 0.22f), fabric(w / 2, w * 0.7f, w * 0.4f, rgb(90, 70, 80), 331));
    c.fill(ring(w * 0.5f, w * 0.7f, w * 0.3f, 2), withAlpha(rgb(150, 120, 130), 0.4f));
    if (index == 1 || index == 3) letterBlock(c, w * 0.34f, w * 0.66f, w * 0.12f, 'A', rgb(170, 70, 60), 332);
    if (index == 2 || index == 3) letterBlock(c, w * 0.66f, w * 0.66f, w * 0.12f, 'B', rgb(70, 100, 150), 333);
    finish(c);
}

void drawPainting(Canvas& c, int index) {
    // A woman's portrait: 0 calm, 1 her eyes turned to the viewer's right, 2 defaced.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.04f, h * 0.04f, w * 0.96f, h * 0.96f, 2), wood(w / 2, h / 2, w, rgb(120, 90, 40), 341));
    c.fill(box(w * 0.12f, h * 0.12f, w * 0.88f, h * 0.88f), radial(w / 2, h * 0.4f, w * 0.6f, rgb(70, 60, 48), rgb(30, 26, 22)));
    float cx = w * 0.5f;
    float cy = h * 0.42f;
    c.fill(ellipse(cx, h * 0.86f, w * 0.3f, h * 0.22f), fabric(cx, h * 0.8f, w * 0.3f, rgb(60, 40, 50), 342));
    c.fill(ellipse(cx, cy - h * 0.02f, w * 0.2f, h * 0.24f), fabric(cx, cy, w * 0.2f, rgb(50, 34, 26), 343));
    c.fill(ellipse(cx, cy + h * 0.03f, w * 0.13f, h * 0.17f), shaded(cx, cy, w * 0.15f, rgb(200, 176, 150)));
    float look = index == 1 ? w * 0.025f : 0.0f;
    for (int side = -1; side <= 1; side += 2) {
        float ex = cx + side * w * 0.05f;
        float ey = cy + h * 0.01f;
        c.fill(ellipse(ex, ey, w * 0.028f, h * 0.014f), rgb(220, 214, 200));
        c.fill(circle(ex + look, ey, w * 0.012f), index == 1 ? rgb(120, 20, 20) : rgb(40, 30, 26));
    }
    c.fill(capsule(cx - w * 0.03f, cy + h * 0.11f, cx + w * 0.03f, cy + h * 0.11f, 1.0f), rgb(130, 70, 66));
    if (index == 2) {
        Random r(344);
        for (int i = 0; i < 9; ++i) {
            float a = r.range(-0.6f, 0.6f);
            float x = cx + r.range(-w * 0.14f, w * 0.14f);
            c.fill(capsule(x - std::cos(a) * w * 0.12f, cy - std::sin(a) * w * 0.12f, x + std::cos(a) * w * 0.12f, cy + std::sin(a) * w * 0.12f, 2.0f),
                   withAlpha(palette::kBlood, 0.85f));
        }
        for (int i = 0; i < 4; ++i) {
            float x = cx + r.range(-w * 0.12f, w * 0.12f);
            c.fill(taper(x, cy + h * 0.1f, x, cy + h * r.range(0.25f, 0.4f), 1.6f, 0.8f), withAlpha(palette::kBlood, 0.8f));
        }
    }
    c.vignette(0.3f);
    finish(c);
}

void drawWallPortrait(Canvas& c, int index) {
    // Four framed portraits: a man, a woman, a girl, and the three of them.
    float w = W(c);
    float h = H(c);
    c.fill(box(w * 0.06f, h * 0.04f, w * 0.94f, h * 0.96f, 2), wood(w / 2, h / 2, w, rgb(70, 52, 36), 351 + index));
    c.fill(box(w * 0.14f, h * 0.12f, w * 0.86f, h * 0.88f), radial(w / 2, h * 0.4f, w * 0.6f, rgb(80, 76, 64), rgb(36, 34, 30)));
    auto bust = [&](float x, float s, Color hair, Color cloth) {
        c.fill(ellipse(x, h * 0.86f, w * 0.22f * s, h * 0.2f * s), cloth);
        c.fill(ellipse(x, h * (0.88f - 0.42f * s), w * 0.12f * s, h * 0.15f * s), shaded(x, h * 0.45f, w * 0.1f, rgb(196, 172, 150)));
        c.fill(intersect(ellipse(x, h * (0.86f - 0.44f * s), w * 0.13f * s, h * 0.15f * s), box(0, 0, w, h * (0.86f - 0.46f * s))), hair);
    };
    if (index == 0) bust(w * 0.5f, 1.0f, rgb(62, 54, 48), rgb(80, 72, 60));
    if (index == 1) bust(w * 0.5f, 1.0f, rgb(50, 34, 26), rgb(60, 40, 50));
    if (index == 2) bust(w * 0.5f, 0.85f, rgb(82, 58, 42), rgb(116, 52, 56));
    if (index == 3) {
        bust(w * 0.32f, 0.8f, rgb(62, 54, 48), rgb(80, 72, 60));
        bust(w * 0.68f, 0.78f, rgb(50, 34, 26), rgb(60, 40, 50));
        bust(w * 0.5f, 0.55f, rgb(82, 58, 42), rgb(116, 52, 56));
    }
    c.vignette(0.35f);
    finish(c);
}

void drawCheckpoint(Canvas& c, int index) {
    // An oil lamp on a hook: unlit (0), lit once the game is saved (1). The level draws it
    // unaffected by light, so even unlit its pilot flame glows faintly in the dark.
    float w = W(c);
    bool lit = index == 1;
    if (lit) c.fill(circle(w * 0.5f, w * 0.55f, w * 0.48f), radial(w * 0.5f, w * 0.55f, w * 0.48f, withAlpha(palette::kWarmLight, 0.45f), withAlpha(palette::kWarmLight, 0.0f)), 3);
    else c.fill(circle(w * 0.5f, w * 0.58f, w * 0.4f), radial(w * 0.5f, w * 0.58f, w * 0.4f, withAlpha(rgb(255, 170, 80), 0.22f), withAlpha(rgb(255, 170, 80), 0.0f)), 3);
    c.fill(capsule(w * 0.5f, w * 0.06f, w * 0.5f, w * 0.2f, 1.2f), palette::kMetalDark);
    c.fill(ring(w * 0.5f, w * 0.22f, w * 0.06f, 2), palette::kMetalDark);
    c.fill(box(w * 0.36f, w * 0.26f, w * 0.64f, w * 0.32f, 2), metal(w / 2, w * 0.3f, w * 0.2f, palette::kMetal, 361));
    c.fill(box(w * 0.34f, w * 0.32f, w * 0.66f, w * 0.74f, 6), lit ? withAlpha(rgb(255, 214, 140), 0.85f) : withAlpha(rgb(60, 66, 64), 0.85f));
    if (lit) {
        c.fill(ellipse(w * 0.5f, w * 0.55f, w * 0.05f, w * 0.1f), rgb(255, 250, 220));
        c.fill(ellipse(w * 0.5f, w * 0.58f, w * 0.08f, w * 0.14f), withAlpha(rgb(255, 170, 60), 0.7f));
    } else {
        c.fill(capsule(w * 0.5f, w * 0.56f, w * 0.5f, w * 0.64f, 1.2f), rgb(30, 26, 24));
        // The pilot: a bead of flame on the wick, just enough to find the lamp by.
        c.fill(ellipse(w * 0.5f, w * 0.6f, w * 0.07f, w * 0.1f), withAlpha(rgb(255, 150, 60), 0.45f), 3);
        c.fill(ellipse(w * 0.5f, w * 0.61f, w * 0.025f, w * 0.04f), rgb(255, 210, 140));
    }
    for (int side = -1; side <= 1; side += 2) c.fill(capsule(w * 0.5f + side * w * 0.16f, w * 0.32f, w * 0.5f + side * w * 0.16f, w * 0.74f, 1.6f), palette::kMetalDark);
    c.fill(box(w * 0.32f, w * 0.74f, w * 0.68f, w * 0.82f, 2), metal(w / 2, w * 0.78f, w * 0.2f, palette::kMetal, 362));
    finish(c);
}

void drawFire(Canvas& c, int index) {
    float w = W(c);
    float h = H(c);
    c.fill(ellipse(w * 0.5f, h * 0.86f, w * 0.45f, h * 0.12f), radial(w * 0.5f, h * 0.86f, w * 0.45f, withAlpha(rgb(255, 150, 60), 0.5f), withAlpha(rgb(255, 120, 40), 0.0f)), 4);
    Random r(371 + index * 13);
    for (int layer = 0; layer < 3; ++layer) {
        Color col = layer == 0 ? rgb(170, 40, 20) : (layer == 1 ? rgb(240, 120, 30) : rgb(255, 220, 130));
        float spread = 0.38f - 0.1f * layer;
        for (int i = 0; i < 6; ++i) {
            float x = w * 0.5f + r.range(-w * spread, w * spread);
            float top = h * (0.12f + 0.2f * layer) + r.range(0, h * 0.2f);
            float sway = std::sin(index * 1.7f + i) * w * 0.05f;
            c.fill(taper(x, h * 0.86f, x + sway, top, w * (0.1f - 0.02f * layer), 1.0f), withAlpha(col, 0.85f));
        }
    }
    for (int i = 0; i < 5; ++i) c.fill(circle(w * 0.5f + r.range(-w * 0.3f, w * 0.3f), r.range(h * 0.05f, h * 0.4f), r.range(1, 2.5f)), rgb(255, 200, 120));
}

void drawLeak(Canvas& c, int) {
    // A spreading puddle of fuel under a dripping pipe end.
    float w = W(c);
    float h = H(c);
    Shape puddle = roughen(ellipse(w * 0.5f, h * 0.58f, w * 0.42f, h * 0.32f), 2.5f, 18, 381);
    c.fill(puddle, radial(w * 0.45f, h * 0.5f, w * 0.45f, withAlpha(rgb(40, 36, 26), 0.95f), withAlpha(rgb(22, 20, 16), 0.9f)));
    c.fill(ellipse(w * 0.38f, h * 0.48f, w * 0.14f, h * 0.06f, -0.1f), withAlpha(rgb(120, 96, 140), 0.18f), 4);
    c.fill(ellipse(w * 0.6f, h * 0.66f, w * 0.1f, h * 0.05f, 0.2f), withAlpha(rgb(90, 140, 120), 0.15f), 4);
    c.fill(ellipse(w * 0.34f, h * 0.46f, w * 0.05f, h * 0.025f), withAlpha(rgb(230, 230, 220), 0.35f), 2);
    c.fill(taper(w * 0.86f, 0, w * 0.8f, h * 0.42f, 3, 5), withAlpha(rgb(30, 28, 22), 0.9f));
}

void drawTextOnWall(Canvas& c, int) {
    float w = W(c);
    TextStyle style;
    style.scale = w / 70.0f;
    style.color = withAlpha(palette::kBlood, 0.92f);
    style.jitter = 0.12f;
    style.drips = 0.35f;
    style.dripLength = 4.0f;
    style.seed = 391;
    BitmapFont::drawCentered(c, "COUNT US", w * 0.5f, H(c) * 0.1f, style);
    style.seed = 392;
    style.scale = w / 110.0f;
    BitmapFont::drawCentered(c, "all four", w * 0.5f, H(c) * 0.6f, style);
}

void drawBlood(Canvas& c, int index) {
    // 0 splatter, 1 pool, 2 smeared trail, 3 drops.
    float w = W(c);
    Random r(401 + index);
    if (index == 0) {
        c.fill(roughen(circle(w / 2, w / 2, w * 0.16f), w * 0.05f, w * 0.06f, 402), withAlpha(palette::kBlood, 0.9f));
        for (int i = 0; i < 18; ++i) {
            float a = r.range(0, 2 * kPi);
            float d = r.range(w * 0.18f, w * 0.44f);
            c.fill(circle(w / 2 + std::cos(a) * d, w / 2 + std::sin(a) * d, r.range(1, w * 0.03f)), withAlpha(palette::kBlood, 0.85f));
        }
    } else if (index == 1) {
        c.fill(roughen(ellipse(w / 2, w / 2, w * 0.42f, w * 0.3f), w * 0.05f, w * 0.1f, 403), radial(w / 2, w / 2, w * 0.4f, withAlpha(rgb(70, 10, 10), 0.95f), withAlpha(palette::kBlood, 0.9f)));
        c.fill(ellipse(w * 0.4f, w * 0.42f, w * 0.08f, w * 0.03f, -0.3f), withAlpha(rgb(200, 120, 110), 0.25f));
    } else if (index == 2) {
        for (int i = 0; i < 12; ++i) {
            float t = i / 11.0f;
            c.fill(roughen(ellipse(w * (0.12f + 0.76f * t), w * (0.7f - 0.4f * t), w * (0.12f - 0.06f * t), w * 0.06f, -0.5f), 2, 4, 404 + i),
                   withAlpha(mix(palette::kBlood, palette::kBloodDry, r.unit()), 0.7f));
        }
    } else {
        for (int i = 0; i < 9; ++i) c.fill(roughen(circle(w * (0.2f + 0.07f * i), w * (0.3f + 0.05f * i) + r.range(-6, 6), r.range(2, 4.5f)), 0.8f, 2, 410 + i), withAlpha(palette::kBlood, 0.9f));
    }
}

void drawNote(Canvas& c, int) {
    float w = W(c);
    c.fill(turnedBox(w * 0.5f + 2, w * 0.5f + 3, w * 0.3f, w * 0.38f, 0.2f, 1), withAlpha(rgb(0, 0, 0), 0.4f), 3);
    c.fill(turnedBox(w * 0.5f, w * 0.5f, w * 0.3f, w * 0.38f, 0.2f, 1), mottled(solid(palette::kPaper), 4, 0.15f, 421));
    for (int i = 0; i < 6; ++i) {
        float t = -0.25f + i * 0.1f;
        float y = w * 0.5f + t * w;
        float x0 = w * 0.5f - w * 0.2f + std::sin(0.2f) * t * w * -1.0f;
        c.fill(turnedBox(x0 + w * 0.2f - (i == 5 ? w * 0.08f : 0), y, w * (i == 5 ? 0.12f : 0.2f), 0.7f, 0.2f), withAlpha(palette::kInk, 0.65f));
    }
    c.fill(ellipse(w * 0.64f, w * 0.7f, w * 0.08f, w * 0.05f), withAlpha(palette::kBloodDry, 0.6f));
    finish(c, 0.6f);
}

void drawShadow(Canvas& c, int) {
    c.fill(ellipse(W(c) / 2, H(c) / 2, W(c) * 0.42f, H(c) * 0.36f), withAlpha(rgb(0, 0, 0), 0.5f), W(c) * 0.15f);
}

// ---------------------------------------------------------------- items and icons

void drawIVBag(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    c.fill(box(w * 0.3f, w * 0.16f, w * 0.7f, w * 0.72f, w * 0.1f), withAlpha(rgb(196, 210, 210), 0.8f));
    c.fill(box(w * 0.32f, w * 0.34f, w * 0.68f, w * 0.7f, w * 0.08f), withAlpha(rgb(110, 150, 170), 0.8f));
    c.fill(box(w * 0.38f, w * 0.22f, w * 0.62f, w * 0.32f), palette::kPaper);
    c.fill(capsule(w * 0.5f, w * 0.72f, w * 0.5f, w * 0.86f, 1.6f), withAlpha(rgb(200, 210, 210), 0.9f));
    c.fill(ring(w * 0.5f, w * 0.12f, w * 0.05f, 2), palette::kMetal);
    finish(c);
}

void drawBlockA(Canvas& c, int) {
    iconPlate(c);
    letterBlock(c, W(c) * 0.5f, W(c) * 0.5f, W(c) * 0.3f, 'A', rgb(170, 70, 60), 431);
    finish(c);
}

void drawBlockB(Canvas& c, int) {
    iconPlate(c);
    letterBlock(c, W(c) * 0.5f, W(c) * 0.5f, W(c) * 0.3f, 'B', rgb(70, 100, 150), 432);
    finish(c);
}

void drawChainCutter(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    for (int side = -1; side <= 1; side += 2) {
        c.fill(capsule(w * 0.5f, w * 0.4f, w * 0.5f + side * w * 0.2f, w * 0.86f, w * 0.045f), shaded(w / 2, w * 0.6f, w * 0.3f, rgb(150, 40, 36)));
        c.fill(taper(w * 0.5f, w * 0.42f, w * 0.5f - side * w * 0.06f, w * 0.14f, w * 0.05f, w * 0.02f), metal(w / 2, w * 0.3f, w * 0.2f, rgb(150, 152, 156), 441));
    }
    c.fill(circle(w * 0.5f, w * 0.42f, w * 0.04f), palette::kMetalDark);
    finish(c);
}

void drawCrank(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    c.fill(capsule(w * 0.26f, w * 0.7f, w * 0.7f, w * 0.3f, w * 0.05f), metal(w / 2, w / 2, w * 0.4f, palette::kMetal, 451));
    c.fill(capsule(w * 0.7f, w * 0.3f, w * 0.7f, w * 0.14f, w * 0.045f), metal(w * 0.7f, w * 0.2f, w * 0.2f, palette::kMetal, 452));
    c.fill(capsule(w * 0.26f, w * 0.7f, w * 0.26f, w * 0.86f, w * 0.06f), shaded(w * 0.26f, w * 0.8f, w * 0.1f, rgb(90, 60, 40)));
    c.fill(circle(w * 0.7f, w * 0.3f, w * 0.07f), palette::kMetalDark);
    finish(c);
}

void drawPipe(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    c.fill(capsule(w * 0.2f, w * 0.78f, w * 0.8f, w * 0.22f, w * 0.08f), metal(w / 2, w / 2, w * 0.5f, mix(palette::kMetal, palette::kRust, 0.4f), 461));
    c.fill(ellipse(w * 0.8f, w * 0.22f, w * 0.09f, w * 0.09f), rgb(30, 28, 26));
    c.fill(box(w * 0.44f, w * 0.44f, w * 0.56f, w * 0.56f, 1), palette::kMetalDark);
    finish(c);
}

void drawNurseClothes(Canvas& c, int) {
    // A folded uniform lying at a slant, its red cross showing.
    iconPlate(c);
    float w = W(c);
    c.fill(turnedBox(w * 0.5f, w * 0.52f, w * 0.28f, w * 0.22f, -0.35f, w * 0.05f), fabric(w / 2, w / 2, w * 0.4f, rgb(176, 176, 164), 471));
    c.fill(turnedBox(w * 0.46f, w * 0.44f, w * 0.22f, w * 0.06f, -0.35f, 2), withAlpha(rgb(140, 140, 130), 0.8f));
    c.fill(turnedBox(w * 0.58f, w * 0.58f, w * 0.025f, w * 0.08f, -0.35f), rgb(150, 44, 40));
    c.fill(turnedBox(w * 0.58f, w * 0.58f, w * 0.08f, w * 0.025f, -0.35f), rgb(150, 44, 40));
    stain(c, w * 0.36f, w * 0.64f, w * 0.07f, 472, 0.7f);
    finish(c);
}

void drawWeddingRing(Canvas& c, int index) {
    // 0 rusty and dull, 1 rubbed clean, 2 shining.
    iconPlate(c);
    float w = W(c);
    Color gold = index == 0 ? mix(rgb(170, 140, 70), palette::kRust, 0.55f) : rgb(200, 170, 80);
    c.fill(ring(w * 0.5f, w * 0.52f, w * 0.22f, w * 0.09f), [&](float x, float y) {
        float n = fractalNoise(x / 3.0f, y / 3.0f, 481, 2);
        Color base = shaded(w * 0.5f, w * 0.52f, w * 0.3f, gold, 0.5f, 0.5f)(x, y);
        return index == 0 && n > 0.55f ? mix(base, palette::kRust, 0.7f) : base;
    });
    c.fill(turnedBox(w * 0.5f, w * 0.3f, w * 0.07f, w * 0.05f, 0.785f, 1), index == 0 ? rgb(120, 110, 100) : rgb(220, 230, 240));
    if (index == 2) {
        for (int i = 0; i < 4; ++i) {
            float a = i * kPi / 2 + 0.4f;
            c.fill(taper(w * 0.3f, w * 0.3f, w * 0.3f + std::cos(a) * w * 0.14f, w * 0.3f + std::sin(a) * w * 0.14f, 1.6f, 0.2f), rgb(255, 250, 220));
        }
    }
    finish(c);
}

void drawKey(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    c.fill(ring(w * 0.32f, w * 0.5f, w * 0.12f, w * 0.06f), metal(w * 0.3f, w / 2, w * 0.2f, rgb(150, 130, 80), 491));
    c.fill(capsule(w * 0.44f, w * 0.5f, w * 0.8f, w * 0.5f, w * 0.035f), metal(w * 0.6f, w / 2, w * 0.3f, rgb(150, 130, 80), 492));
    c.fill(box(w * 0.68f, w * 0.5f, w * 0.72f, w * 0.62f), rgb(150, 130, 80));
    c.fill(box(w * 0.76f, w * 0.5f, w * 0.8f, w * 0.6f), rgb(150, 130, 80));
    finish(c);
}

void drawLighter(Canvas& c, int) {
    iconPlate(c);
    float w = W(c);
    c.fill(box(w * 0.34f, w * 0.36f, w * 0.66f, w * 0.84f, 3), metal(w / 2, w * 0.5f, w * 0.4f, rgb(160, 162, 166), 501));
    c.fill(box(w * 0.34f, w * 0.28f, w * 0.6f, w * 0.38f, 2), metal(w / 2, w * 0.3f, w * 0.2f, rgb(130, 132, 136), 502));
    c.fill(circle(w * 0.62f, w * 0.3f, w * 0.05f), palette::kMetalDark);
    c.fill(ellipse(w * 0.47f, w * 0.2f, w * 0.05f, w * 0.09f), withAlpha(rgb(255, 190, 80), 0.9f));
    c.fill(ellipse(w * 0.47f, w * 0.22f, w * 0.025f, w * 0.05f), rgb(255, 250, 220));
    finish(c);
}

void drawHacksaw(Canvas& c, int) {
    float w = W(c);
    c.fill(subtract(box(w * 0.2f, w * 0.3f, w * 0.84f, w * 0.58f, 3), box(w * 0.24f, w * 0.34f, w * 0.8f, w * 0.54f, 2)), metal(w / 2, w * 0.4f, w * 0.4f, mix(palette::kMetal, palette::kRust, 0.5f), 511));
    c.fill(box(w * 0.2f, w * 0.54f, w * 0.84f, w * 0.6f), metal(w / 2, w * 0.57f, w * 0.4f, rgb(150, 146, 136), 512));
    for (float x = w * 0.22f; x < w * 0.84f; x += 3) c.fill(polygon({{x, w * 0.6f}, {x + 3, w * 0.6f}, {x + 1.5f, w * 0.64f}}), rgb(110, 106, 100));
    c.fill(box(w * 0.08f, w * 0.4f, w * 0.24f, w * 0.64f, 4), shaded(w * 0.16f, w * 0.5f, w * 0.15f, rgb(90, 40, 30)));
    finish(c);
}

void drawScissors(Canvas& c, int) {
    float w = W(c);
    float px = w * 0.5f;
    float py = w * 0.46f;
    // Two blades crossing at the pivot, finger rings below.
    c.fill(taper(px, py, w * 0.78f, w * 0.1f, w * 0.05f, w * 0.008f), metal(w / 2, w / 3, w * 0.4f, rgb(184, 188, 192), 521));
    c.fill(taper(px, py, w * 0.22f, w * 0.1f, w * 0.05f, w * 0.008f), metal(w / 2, w / 3, w * 0.4f, rgb(164, 168, 172), 522));
    c.fill(capsule(px, py, w * 0.34f, w * 0.7f, w * 0.03f), rgb(70, 70, 76));
    c.fill(capsule(px, py, w * 0.66f, w * 0.7f, w * 0.03f), rgb(70, 70, 76));
    c.fill(ring(w * 0.3f, w * 0.78f, w * 0.1f, w * 0.05f), rgb(60, 60, 66));
    c.fill(ring(w * 0.7f, w * 0.78f, w * 0.1f, w * 0.05f), rgb(60, 60, 66));
    c.fill(circle(px, py, w * 0.035f), palette::kMetalDark);
    finish(c);
}

void drawTorchItem(Canvas& c, int) {
    // The hand torch, pointing down (the way the light points at rotation 0).
    float w = W(c);
    c.fill(capsule(w * 0.5f, w * 0.14f, w * 0.5f, w * 0.62f, w * 0.08f), metal(w / 2, w * 0.4f, w * 0.3f, rgb(60, 62, 66), 531));
    c.fill(capsule(w * 0.5f, w * 0.62f, w * 0.5f, w * 0.78f, w * 0.13f), metal(w / 2, w * 0.7f, w * 0.3f, rgb(80, 82, 86), 532));
    c.fill(ellipse(w * 0.5f, w * 0.86f, w * 0.11f, w * 0.05f), palette::kWarmLight);
    c.fill(box(w * 0.46f, w * 0.3f, w * 0.54f, w * 0.38f, 1), rgb(150, 40, 30));
    finish(c);
}

}  // namespace sprites
