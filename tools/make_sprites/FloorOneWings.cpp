#include "tools/make_sprites/FloorOneWings.h"

#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

float W(const Canvas& c) { return static_cast<float>(c.width()); }
float H(const Canvas& c) { return static_cast<float>(c.height()); }

PaintFn pipeMetal(float cx, float cy, float r, Color base, unsigned seed) {
    PaintFn lit = mottled(shaded(cx, cy, r, base, 0.35f, 0.4f), 4.0f, 0.12f, seed);
    return [=](float x, float y) {
        Color c = lit(x, y);
        float rust = fractalNoise(x / 7.0f, y / 7.0f, seed + 50, 3);
        return rust > 0.68f ? mix(c, palette::kRust, (rust - 0.68f) * 3.0f) : c;
    };
}

}  // namespace

void drawLoosePipes(Canvas& c, int index) {
    // Three pipes along the wall; in the second frame the middle length has dropped, leaving
    // two torn ends and a dark stain where it hung.
    float w = W(c);
    float h = H(c);
    for (int i = 0; i < 3; ++i) {
        float y = h * (0.25f + 0.25f * i);
        float r = h * (0.09f - 0.015f * i);
        Color base = mix(palette::kMetal, palette::kRust, 0.25f * i);
        if (index == 1 && i == 1) {
            c.fill(capsule(0, y, w * 0.32f, y, r), pipeMetal(w * 0.16f, y, w * 0.3f, base, 601));
            c.fill(capsule(w * 0.68f, y, w, y, r), pipeMetal(w * 0.84f, y, w * 0.3f, base, 602));
            c.fill(ellipse(w * 0.33f, y, r * 0.5f, r * 0.9f), rgb(24, 22, 20));
            c.fill(ellipse(w * 0.67f, y, r * 0.5f, r * 0.9f), rgb(24, 22, 20));
            c.fill(roughen(ellipse(w * 0.5f, y + r * 1.6f, w * 0.12f, r * 0.8f), 2, 4, 603),
                   withAlpha(rgb(40, 46, 40), 0.6f));
        } else {
            c.fill(capsule(0, y, w, y, r), pipeMetal(w / 2, y, w * 0.6f, base, 604 + i));
            c.fill(box(w * 0.3f - 3, y - r - 2, w * 0.3f + 3, y + r + 2, 1), palette::kMetalDark);
            c.fill(box(w * 0.7f - 3, y - r - 2, w * 0.7f + 3, y + r + 2, 1), palette::kMetalDark);
        }
    }
    c.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

void drawScrapeTrail(Canvas& c, int) {
    // Long gouges in the floor where the walls have dragged, with old dark smears between them.
    float w = W(c);
    float h = H(c);
    Random r(611);
    for (int i = 0; i < 7; ++i) {
        float x = w * (0.15f + 0.7f * r.unit());
        float len = h * r.range(0.4f, 0.9f);
        float y0 = r.range(0.0f, h - len);
        c.fill(capsule(x, y0, x + r.range(-3.0f, 3.0f), y0 + len, r.range(1.0f, 2.2f)), withAlpha(rgb(30, 28, 26), 0.7f));
    }
    for (int i = 0; i < 3; ++i) {
        float x = w * r.range(0.3f, 0.7f);
        float y = h * r.range(0.2f, 0.8f);
        c.fill(roughen(ellipse(x, y, w * 0.12f, h * 0.08f), 3, 5, 620 + i), withAlpha(palette::kBloodDry, 0.45f));
    }
}

}  // namespace sprites
