#include "tools/make_sprites/Canvas.h"

#include <algorithm>
#include <cmath>

#include "tools/make_sprites/Noise.h"

namespace sprites {

static float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

Color rgb(int r, int g, int b, float a) {
    return Color{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Color withAlpha(Color c, float a) {
    c.a = a;
    return c;
}

Color mix(Color a, Color b, float t) {
    t = clamp01(t);
    return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color scaled(Color c, float k) {
    return Color{c.r * k, c.g * k, c.b * k, c.a};
}

Rect unite(const Rect& a, const Rect& b) {
    return Rect{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Rect grow(const Rect& r, float by) { return Rect{r.x0 - by, r.y0 - by, r.x1 + by, r.y1 + by}; }

Canvas::Canvas(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_)) {}

Color Canvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Color{};
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::blend(int x, int y, Color c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    float sa = clamp01(c.a * coverage);
    if (sa <= 0.0f) return;
    Color& d = pixels_[static_cast<size_t>(y) * width_ + x];
    float da = d.a * (1.0f - sa);
    float oa = sa + da;
    d.r = (clamp01(c.r) * sa + d.r * da) / oa;
    d.g = (clamp01(c.g) * sa + d.g * da) / oa;
    d.b = (clamp01(c.b) * sa + d.b * da) / oa;
    d.a = oa;
}

void Canvas::clear(Color c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::fill(const Shape& shape, const PaintFn& paint, float feather) {
    if (feather < 1.0f) feather = 1.0f;
    Rect box = grow(shape.box, feather + 1.0f);
    int x0 = std::max(0, static_cast<int>(std::floor(box.x0)));
    int y0 = std::max(0, static_cast<int>(std::floor(box.y0)));
    int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(box.x1)));
    int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(box.y1)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float px = x + 0.5f;
            float py = y + 0.5f;
            float d = shape.distance(px, py);
            float coverage = clamp01(0.5f - d / feather);
            if (coverage <= 0.0f) continue;
            blend(x, y, paint(px, py), coverage);
        }
    }
}

void Canvas::fill(const Shape& shape, Color c, float feather) {
    fill(shape, [c](float, float) { return c; }, feather);
}

void Canvas::paintAll(const PaintFn& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) blend(x, y, paint(x + 0.5f, y + 0.5f));
}

void Canvas::blit(const Canvas& src, int dx, int dy) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x) set(dx + x, dy + y, src.get(x, y));
}

void Canvas::composite(const Canvas& src, int dx, int dy, float opacity) {
    for (int y = 0; y < src.height_; ++y)
        for (int x = 0; x < src.width_; ++x) blend(dx + x, dy + y, src.get(x, y), opacity);
}

void Canvas::compositeTransformed(const Canvas& src, float cx, float cy, float angle, float scale, float opacity) {
    float c = std::cos(angle);
    float s = std::sin(angle);
    float hw = src.width_ * 0.5f;
    float hh = src.height_ * 0.5f;
    float reach = std::sqrt(hw * hw + hh * hh) * scale + 2.0f;
    int x0 = std::max(0, static_cast<int>(std::floor(cx - reach)));
    int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(cx + reach)));
    int y0 = std::max(0, static_cast<int>(std::floor(cy - reach)));
    int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(cy + reach)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / scale;
            float dy = (y + 0.5f - cy) / scale;
            // Inverse rotation back into the source.
            float u = dx * c + dy * s + hw;
            float v = -dx * s + dy * c + hh;
            if (u < -1.0f || v < -1.0f || u > src.width_ + 1.0f || v > src.height_ + 1.0f) continue;
            Color p = src.sample(u, v);
            if (p.a > 0.0f) blend(x, y, p, opacity);
        }
    }
}

Canvas Canvas::mirrored() const {
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.set(width_ - 1 - x, y, get(x, y));
    return out;
}

Color Canvas::sample(float x, float y) const {
    float fx = x - 0.5f;
    float fy = y - 0.5f;
    int ix = static_cast<int>(std::floor(fx));
    int iy = static_cast<int>(std::floor(fy));
    float tx = fx - ix;
    float ty = fy - iy;
    Color acc;
    float weights[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
    Color taps[4] = {get(ix, iy), get(ix + 1, iy), get(ix, iy + 1), get(ix + 1, iy + 1)};
    for (int i = 0; i < 4; ++i) {
        float w = weights[i] * taps[i].a;
        acc.r += taps[i].r * w;
        acc.g += taps[i].g * w;
        acc.b += taps[i].b * w;
        acc.a += w;
    }
    if (acc.a <= 0.0f) return Color{};
    return Color{acc.r / acc.a, acc.g / acc.a, acc.b / acc.a, acc.a};
}

void Canvas::outline(Color c, int radius) {
    std::vector<float> rim(pixels_.size(), 0.0f);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float best = 0.0f;
            for (int oy = -radius; oy <= radius; ++oy) {
                for (int ox = -radius; ox <= radius; ++ox) {
                    if (ox * ox + oy * oy > radius * radius + radius) continue;
                    best = std::max(best, get(x + ox, y + oy).a);
                }
            }
            rim[static_cast<size_t>(y) * width_ + x] = best;
        }
    }
    // The rim goes under the picture: blend the picture over the rim colour.
    for (size_t i = 0; i < pixels_.size(); ++i) {
        float ra = clamp01(rim[i] * c.a);
        if (ra <= 0.0f) continue;
        Color top = pixels_[i];
        Color under = withAlpha(c, ra);
        float oa = top.a + under.a * (1.0f - top.a);
        if (oa <= 0.0f) continue;
        Color out;
        out.r = (top.r * top.a + under.r * under.a * (1.0f - top.a)) / oa;
        out.g = (top.g * top.a + under.g * under.a * (1.0f - top.a)) / oa;
        out.b = (top.b * top.a + under.b * under.a * (1.0f - top.a)) / oa;
        out.a = oa;
        pixels_[i] = out;
    }
}

void Canvas::grain(unsigned seed, float amount, float cellSize) {
    if (cellSize < 1.0f) cellSize = 1.0f;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Color& p = pixels_[static_cast<size_t>(y) * width_ + x];
            if (p.a <= 0.0f) continue;
            float n = hashUnit(static_cast<int>(x / cellSize), static_cast<int>(y / cellSize), seed);
            float k = 1.0f + amount * (n - 0.5f);
            p.r = clamp01(p.r * k);
            p.g = clamp01(p.g * k);
            p.b = clamp01(p.b * k);
        }
    }
}

void Canvas::vignette(float strength, float power) {
    float cx = width_ * 0.5f;
    float cy = height_ * 0.5f;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float dx = (x + 0.5f - cx) / cx;
            float dy = (y + 0.5f - cy) / cy;
            float d = std::sqrt(dx * dx + dy * dy) / 1.41421356f;
            float k = 1.0f - strength * std::pow(clamp01(d), power);
            Color& p = pixels_[static_cast<size_t>(y) * width_ + x];
            p.r *= k;
            p.g *= k;
            p.b *= k;
        }
    }
}

void Canvas::fade(float opacity) {
    for (Color& p : pixels_) p.a = clamp01(p.a * opacity);
}

std::vector<unsigned char> Canvas::toBytes() const {
    std::vector<unsigned char> out(pixels_.size() * 4);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        const Color& p = pixels_[i];
        float a = clamp01(p.a);
        out[i * 4 + 0] = static_cast<unsigned char>(std::lround(clamp01(p.r) * 255.0f));
        out[i * 4 + 1] = static_cast<unsigned char>(std::lround(clamp01(p.g) * 255.0f));
        out[i * 4 + 2] = static_cast<unsigned char>(std::lround(clamp01(p.b) * 255.0f));
        out[i * 4 + 3] = static_cast<unsigned char>(std::lround(a * 255.0f));
        // Fully transparent pixels carry no colour; keeps files small and stable.
        if (out[i * 4 + 3] == 0) out[i * 4 + 0] = out[i * 4 + 1] = out[i * 4 + 2] = 0;
    }
    return out;
}

}  // namespace sprites
