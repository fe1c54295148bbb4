#pragma once
// Shape builders (signed distance in pixels) and paints for Canvas::fill.

#include <vector>

#include "tools/make_sprites/Canvas.h"

namespace sprites {

struct Point {
    float x = 0, y = 0;
};

Shape circle(float cx, float cy, float r);
Shape ellipse(float cx, float cy, float rx, float ry, float angle = 0.0f);
Shape box(float x0, float y0, float x1, float y1, float radius = 0.0f);
// A box turned by angle (radians) around its centre.
Shape turnedBox(float cx, float cy, float halfW, float halfH, float angle, float radius = 0.0f);
// A thick segment with round ends.
Shape capsule(float ax, float ay, float bx, float by, float r);
// A segment whose thickness goes from ra at a to rb at b.
Shape taper(float ax, float ay, float bx, float by, float ra, float rb);
Shape polygon(const std::vector<Point>& points);
Shape ring(float cx, float cy, float r, float thickness);

Shape unite(const Shape& a, const Shape& b);
Shape intersect(const Shape& a, const Shape& b);
Shape subtract(const Shape& a, const Shape& b);
// Roughens an edge with noise (torn paper, rubble, blood).
Shape roughen(const Shape& a, float amount, float scale, unsigned seed);

PaintFn solid(Color c);
PaintFn vertical(float y0, Color top, float y1, Color bottom);
PaintFn horizontal(float x0, Color left, float x1, Color right);
PaintFn radial(float cx, float cy, float r, Color inner, Color outer);
// Light from the upper left over a round form: highlight, base, shade.
PaintFn shaded(float cx, float cy, float r, Color base, float light = 0.25f, float shade = 0.45f);
// Multiplies a paint by value noise for cloth, rust and dirt.
PaintFn mottled(const PaintFn& paint, float scale, float amount, unsigned seed);

}  // namespace sprites
