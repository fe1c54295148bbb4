#include "tools/make_sprites/Shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/make_sprites/Noise.h"

namespace sprites {

static float length(float x, float y) { return std::sqrt(x * x + y * y); }

Shape circle(float cx, float cy, float r) {
    return Shape{[=](float x, float y) { return length(x - cx, y - cy) - r; }, Rect{cx - r, cy - r, cx + r, cy + r}};
}

Shape ellipse(float cx, float cy, float rx, float ry, float angle) {
    float c = std::cos(angle);
    float s = std::sin(angle);
    float m = std::max(rx, ry);
    return Shape{[=](float x, float y) {
                     float dx = x - cx;
                     float dy = y - cy;
                     float u = dx * c + dy * s;
                     float v = -dx * s + dy * c;
                     float k = length(u / rx, v / ry);
                     if (k < 1e-6f) return -std::min(rx, ry);
                     // First-order distance: the implicit value over its gradient.
                     float g = length(u / (rx * rx), v / (ry * ry)) / k;
                     return (k - 1.0f) / g;
                 },
                 Rect{cx - m, cy - m, cx + m, cy + m}};
}

Shape box(float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) * 0.5f;
    float cy = (y0 + y1) * 0.5f;
    float hw = std::fabs(x1 - x0) * 0.5f;
    float hh = std::fabs(y1 - y0) * 0.5f;
    return turnedBox(cx, cy, hw, hh, 0.0f, radius);
}

Shape turnedBox(float cx, float cy, float halfW, float halfH, float angle, float radius) {
    float c = std::cos(angle);
    float s = std::sin(angle);
    radius = std::min(radius, std::min(halfW, halfH));
    float reach = length(halfW, halfH);
    return Shape{[=](float x, float y) {
                     float dx = x - cx;
                     float dy = y - cy;
                     float u = std::fabs(dx * c + dy * s) - (halfW - radius);
                     float v = std::fabs(-dx * s + dy * c) - (halfH - radius);
                     float outside = length(std::max(u, 0.0f), std::max(v, 0.0f));
                     float inside = std::min(std::max(u, v), 0.0f);
                     return outside + inside - radius;
                 },
                 Rect{cx - reach, cy - reach, cx + reach, cy + reach}};
}

Shape capsule(float ax, float ay, float bx, float by, float r) { return taper(ax, ay, bx, by, r, r); }

Shape taper(float ax, float ay, float bx, float by, float ra, float rb) {
    float m = std::max(ra, rb);
    return Shape{[=](float x, float y) {
                     float px = x - ax;
                     float py = y - ay;
                     float vx = bx - ax;
                     float vy = by - ay;
                     float len2 = vx * vx + vy * vy;
                     float t = len2 > 0.0f ? std::clamp((px * vx + py * vy) / len2, 0.0f, 1.0f) : 0.0f;
                     return length(px - vx * t, py - vy * t) - (ra + (rb - ra) * t);
                 },
                 Rect{std::min(ax, bx) - m, std::min(ay, by) - m, std::max(ax, bx) + m, std::max(ay, by) + m}};
}

Shape polygon(const std::vector<Point>& points) {
    Rect r{1e9f, 1e9f, -1e9f, -1e9f};
    for (const Point& p : points) {
        r.x0 = std::min(r.x0, p.x);
        r.y0 = std::min(r.y0, p.y);
        r.x1 = std::max(r.x1, p.x);
        r.y1 = std::max(r.y1, p.y);
    }
    std::vector<Point> pts = points;
    return Shape{[pts](float x, float y) {
                     size_t n = pts.size();
                     if (n < 3) return 1e9f;
                     float d = 1e30f;
                     bool inside = false;
                     for (size_t i = 0, j = n - 1; i < n; j = i++) {
                         const Point& a = pts[i];
                         const Point& b = pts[j];
                         float ex = b.x - a.x;
                         float ey = b.y - a.y;
                         float wx = x - a.x;
                         float wy = y - a.y;
                         float len2 = ex * ex + ey * ey;
                         float t = len2 > 0.0f ? std::clamp((wx * ex + wy * ey) / len2, 0.0f, 1.0f) : 0.0f;
                         float qx = wx - ex * t;
                         float qy = wy - ey * t;
                         d = std::min(d, qx * qx + qy * qy);
                         if (((a.y > y) != (b.y > y)) && (x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)) inside = !inside;
                     }
                     float dist = std::sqrt(d);
                     return inside ? -dist : dist;
                 },
                 r};
}

Shape ring(float cx, float cy, float r, float thickness) {
    float outer = r + thickness * 0.5f;
    return Shape{[=](float x, float y) { return std::fabs(length(x - cx, y - cy) - r) - thickness * 0.5f; },
                 Rect{cx - outer, cy - outer, cx + outer, cy + outer}};
}

Shape unite(const Shape& a, const Shape& b) {
    DistanceFn da = a.distance;
    DistanceFn db = b.distance;
    return Shape{[da, db](float x, float y) { return std::min(da(x, y), db(x, y)); }, unite(a.box, b.box)};
}

Shape intersect(const Shape& a, const Shape& b) {
    DistanceFn da = a.distance;
    DistanceFn db = b.distance;
    Rect r{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
           std::min(a.box.y1, b.box.y1)};
    return Shape{[da, db](float x, float y) { return std::max(da(x, y), db(x, y)); }, r};
}

Shape subtract(const Shape& a, const Shape& b) {
    DistanceFn da = a.distance;
    DistanceFn db = b.distance;
    return Shape{[da, db](float x, float y) { return std::max(da(x, y), -db(x, y)); }, a.box};
}

Shape roughen(const Shape& a, float amount, float scale, unsigned seed) {
    DistanceFn da = a.distance;
    return Shape{[=](float x, float y) { return da(x, y) + (fractalNoise(x / scale, y / scale, seed, 3) - 0.5f) * 2.0f * amount; },
                 grow(a.box, amount)};
}

PaintFn solid(Color c) {
    return [c](float, float) { return c; };
}

PaintFn vertical(float y0, Color top, float y1, Color bottom) {
    return [=](float, float y) { return mix(top, bottom, (y - y0) / (y1 - y0)); };
}

PaintFn horizontal(float x0, Color left, float x1, Color right) {
    return [=](float x, float) { return mix(left, right, (x - x0) / (x1 - x0)); };
}

PaintFn radial(float cx, float cy, float r, Color inner, Color outer) {
    return [=](float x, float y) { return mix(inner, outer, length(x - cx, y - cy) / r); };
}

PaintFn shaded(float cx, float cy, float r, Color base, float light, float shade) {
    return [=](float x, float y) {
        // Distance from a highlight point up and to the left of the centre.
        float t = length(x - (cx - r * 0.35f), y - (cy - r * 0.4f)) / (r * 1.6f);
        t = std::clamp(t, 0.0f, 1.0f);
        float k = (1.0f + light) * (1.0f - t) + (1.0f - shade) * t;
        return scaled(base, k);
    };
}

PaintFn mottled(const PaintFn& paint, float scale, float amount, unsigned seed) {
    return [=](float x, float y) {
        float n = fractalNoise(x / scale, y / scale, seed, 3);
        return scaled(paint(x, y), 1.0f + amount * (n - 0.5f) * 2.0f);
    };
}

}  // namespace sprites
