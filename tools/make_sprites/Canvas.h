#pragma once
// An RGBA picture in floats (straight alpha) with anti-aliased drawing.
// Shapes are signed distance functions (negative inside, in pixels), so one
// fill routine covers circles, capsules, polygons and their combinations.

#include <functional>
#include <string>
#include <vector>

namespace sprites {

struct Color {
    float r = 0, g = 0, b = 0, a = 0;
};

Color rgb(int r, int g, int b, float a = 1.0f);
Color withAlpha(Color c, float a);
Color mix(Color a, Color b, float t);
Color scaled(Color c, float k);   // rgb times k, alpha kept

struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
Rect unite(const Rect& a, const Rect& b);
Rect grow(const Rect& r, float by);

using DistanceFn = std::function<float(float x, float y)>;
using PaintFn = std::function<Color(float x, float y)>;

// A filled region: its distance function and a box that holds it.
struct Shape {
    DistanceFn distance;
    Rect box;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    Color get(int x, int y) const;
    void set(int x, int y, Color c);
    // Source-over blend of c, its alpha scaled by coverage.
    void blend(int x, int y, Color c, float coverage = 1.0f);
    void clear(Color c);

    // Fills a shape; feather widens the anti-aliased edge (soft glows).
    void fill(const Shape& shape, const PaintFn& paint, float feather = 1.0f);
    void fill(const Shape& shape, Color c, float feather = 1.0f);

    // Every pixel of the canvas through a paint function (backgrounds).
    void paintAll(const PaintFn& paint);

    // Copies another canvas in (replacing pixels) or blends it over.
    void blit(const Canvas& src, int dx, int dy);
    void composite(const Canvas& src, int dx, int dy, float opacity = 1.0f);
    // Blends src over this canvas turned by angle (radians) and scaled about
    // src's centre, which lands on (cx, cy). Bilinear sampling.
    void compositeTransformed(const Canvas& src, float cx, float cy, float angle, float scale = 1.0f,
                              float opacity = 1.0f);
    // A left-right mirrored copy.
    Canvas mirrored() const;
    // Bilinear sample with straight alpha handled through premultiplying.
    Color sample(float x, float y) const;

    // Draws a dark rim around opaque parts so silhouettes read on dark floors.
    void outline(Color c, int radius);
    // Multiplies colour by (1 + amount * (n - 0.5)) with n a seeded noise, where opaque.
    void grain(unsigned seed, float amount, float cellSize = 1.0f);
    // Darkens towards the corners.
    void vignette(float strength, float power = 2.0f);
    // Scales alpha everywhere.
    void fade(float opacity);

    // 8-bit RGBA, top row first.
    std::vector<unsigned char> toBytes() const;

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

}  // namespace sprites
