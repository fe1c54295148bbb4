#include "tools/make_sprites/Figure.h"

#include <cmath>

#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

constexpr float kPi = 3.14159265f;

const Color kBlood = rgb(104, 22, 20);
const Color kMetal = rgb(58, 60, 64);
const Color kLens = rgb(255, 236, 178);

Shape inflate(const Shape& s, float r) {
    DistanceFn d = s.distance;
    return Shape{[d, r](float x, float y) { return d(x, y) - r; }, grow(s.box, r)};
}

// Cloth: lit from the upper left, mottled, with blood soaking in where noise is high.
PaintFn cloth(Color base, float cx, float cy, float r, float blood, unsigned seed) {
    PaintFn lit = mottled(shaded(cx, cy, r, base, 0.18f, 0.4f), 5.0f, 0.12f, seed);
    if (blood <= 0.0f) return lit;
    return [=](float x, float y) {
        Color c = lit(x, y);
        float n = fractalNoise(x / 9.0f, y / 9.0f, seed + 77u, 3);
        float t = (n - (1.0f - blood * 0.55f)) * 6.0f;
        return t > 0.0f ? mix(c, scaled(kBlood, 0.8f + 0.4f * n), t) : c;
    };
}

class Painter {
public:
    Painter(Canvas& canvas, float cx, float baseY, const Outfit& outfit, const Pose& pose)
        : c_(canvas), cx_(cx), by_(baseY), o_(outfit), p_(pose), u_(outfit.size) {}

    float X(float x) const { return cx_ + x * u_; }
    float Y(float y) const { return by_ + y * u_; }
    float U(float v) const { return v * u_; }

    void draw() {
        float s = std::sin(2.0f * kPi * p_.walkPhase) * p_.stride;
        float lift = std::cos(2.0f * kPi * p_.walkPhase) * p_.stride;
        bob_ = -std::fabs(s) * 1.3f + p_.breath * 0.8f;
        switch (p_.facing) {
            case Facing::Down:
            case Facing::Up:
                drawFront(s, lift, p_.facing == Facing::Down);
                break;
            case Facing::Left:
            case Facing::Right:
                drawSide(s, lift);
                break;
        }
    }

private:
    Canvas& c_;
    float cx_, by_;
    Outfit o_;
    Pose p_;
    float u_;
    float bob_ = 0.0f;

    float headR() const { return 13.0f * o_.headScale; }
    float shoulderY() const { return -64.0f + bob_; }
    float headY() const { return -66.0f - headR() * 1.05f + bob_; }
    float hemY() const {
        if (o_.skirt) return -30.0f + bob_ * 0.5f;
        return -34.0f - (1.0f - o_.coatLength) * 16.0f + 10.0f * o_.coatLength + bob_ * 0.5f;
    }

    void leg(float hx, float hy, float fx, float fy, bool near, bool side, float dir) {
        Color legs = near ? o_.legs : scaled(o_.legs, 0.75f);
        c_.fill(taper(X(hx), Y(hy), X(fx), Y(fy - 3.0f), U(4.2f), U(3.4f)), cloth(legs, X(hx), Y(hy), U(10), 0.0f, o_.seed + 3));
        Color shoe = near ? o_.shoes : scaled(o_.shoes, 0.7f);
        if (side)
            c_.fill(ellipse(X(fx + dir * 2.5f), Y(fy - 1.5f), U(5.5f), U(2.8f)), shaded(X(fx), Y(fy - 2), U(5), shoe));
        else
            c_.fill(ellipse(X(fx), Y(fy - 1.0f), U(3.6f), U(3.6f)), shaded(X(fx), Y(fy - 2), U(4), shoe));
    }

    void arm(float sx, float sy, float ex, float ey, float hx, float hy, bool near) {
        Color sleeve = near ? o_.coat : scaled(o_.coat, 0.72f);
        float w = 3.6f * o_.thinArms;
        PaintFn paint = cloth(sleeve, X(sx), Y(sy), U(16), o_.blood * 0.6f, o_.seed + 5);
        c_.fill(capsule(X(sx), Y(sy), X(ex), Y(ey), U(w)), paint);
        c_.fill(taper(X(ex), Y(ey), X(hx), Y(hy), U(w), U(w * 0.85f)), paint);
        Color skin = near ? o_.skin : scaled(o_.skin, 0.75f);
        c_.fill(circle(X(hx), Y(hy), U(3.4f * o_.thinArms + 0.6f)), shaded(X(hx), Y(hy), U(4), skin));
    }

    void torch(float hx, float hy, float dx, float dy, bool lensVisible) {
        float len = 12.0f;
        float ex = hx + dx * len;
        float ey = hy + dy * len;
        c_.fill(capsule(X(hx - dx * 2), Y(hy - dy * 2), X(ex), Y(ey), U(2.2f)), shaded(X(hx), Y(hy), U(8), kMetal, 0.5f, 0.3f));
        c_.fill(capsule(X(ex - dx * 2.5f), Y(ey - dy * 2.5f), X(ex), Y(ey), U(3.1f)), shaded(X(ex), Y(ey), U(5), rgb(78, 80, 84)));
        if (lensVisible && p_.itemLit) {
            c_.fill(circle(X(ex + dx * 1.5f), Y(ey + dy * 1.5f), U(9.0f)), radial(X(ex), Y(ey), U(9), withAlpha(kLens, 0.55f), withAlpha(kLens, 0.0f)), U(3));
            c_.fill(circle(X(ex + dx * 0.8f), Y(ey + dy * 0.8f), U(2.4f)), kLens);
        }
        // The hand closes over the grip.
        c_.fill(circle(X(hx), Y(hy), U(3.6f)), shaded(X(hx), Y(hy), U(4), o_.skin));
    }

    void cleaver(float hx, float hy, float dx, float dy) {
        float ex = hx + dx * 5.0f;
        float ey = hy + dy * 5.0f;
        c_.fill(capsule(X(hx - dx * 3), Y(hy - dy * 3), X(ex), Y(ey), U(1.8f)), rgb(70, 48, 36));
        float angle = std::atan2(dy, dx);
        float bx = hx + dx * 11.0f;
        float by = hy + dy * 11.0f;
        // Blade wider than long, edge stained.
        Shape blade = turnedBox(X(bx), Y(by), U(7.5f), U(5.0f), angle, U(1.0f));
        c_.fill(blade, [=](float x, float y) {
            float n = fractalNoise(x / 4.0f, y / 4.0f, 91u, 2);
            Color steel = mix(rgb(150, 152, 156), rgb(96, 98, 104), (y - Y(by - 5)) / U(10));
            return n > 0.62f ? mix(steel, kBlood, 0.8f) : steel;
        });
        c_.fill(circle(X(hx), Y(hy), U(3.6f)), shaded(X(hx), Y(hy), U(4), o_.skin));
    }

    void torso(float shoulderHalf, float hemHalf, float top, float bottom, bool front, bool back, float offsetX) {
        std::vector<Point> pts = {{X(offsetX - shoulderHalf + 3), Y(top)},
                                  {X(offsetX + shoulderHalf - 3), Y(top)},
                                  {X(offsetX + hemHalf - 3), Y(bottom)},
                                  {X(offsetX - hemHalf + 3), Y(bottom)}};
        Shape body = inflate(polygon(pts), U(3.0f));
        float midY = (top + bottom) * 0.5f;
        c_.fill(body, cloth(o_.coat, X(offsetX), Y(midY), U(26), o_.blood, o_.seed + 11));
        Color fold = withAlpha(scaled(o_.coat, 0.55f), 0.8f);
        if (front && !o_.skirt && o_.coatLength > 0.7f) {
            // Lapels and the parting of a long coat.
            c_.fill(polygon({{X(offsetX - 6), Y(top - 1)}, {X(offsetX), Y(top + 14)}, {X(offsetX + 6), Y(top - 1)}}),
                    withAlpha(scaled(o_.coat, 0.5f), 0.9f));
            c_.fill(capsule(X(offsetX), Y(top + 14), X(offsetX + 0.5f), Y(bottom), U(0.7f)), fold);
            for (int i = 0; i < 3; ++i) c_.fill(circle(X(offsetX + 3.2f), Y(top + 18 + i * 7), U(1.1f)), rgb(40, 36, 32));
            c_.fill(box(X(offsetX - shoulderHalf), Y(midY + 6), X(offsetX + shoulderHalf), Y(midY + 9)), withAlpha(scaled(o_.coat, 0.6f), 0.8f));
        }
        if (back) c_.fill(capsule(X(offsetX), Y(top + 6), X(offsetX), Y(bottom), U(0.6f)), fold);
        if (front && o_.skirt) {
            // Apron front of a uniform or a pinafore.
            c_.fill(box(X(offsetX - 7), Y(midY - 6), X(offsetX + 7), Y(bottom - 2), U(2)),
                    cloth(mix(o_.coat, rgb(230, 228, 218), 0.35f), X(offsetX), Y(midY), U(12), o_.blood, o_.seed + 13));
        }
    }

    void hairCap(float hx, float hy, float r, bool front) {
        PaintFn hairPaint = mottled(shaded(X(hx), Y(hy), U(r), o_.hair, 0.3f, 0.45f), 2.0f, 0.2f, o_.seed + 17);
        if (o_.hairStyle == HairStyle::Bald) return;
        if (front) {
            Shape head = ellipse(X(hx), Y(hy - 1.5f), U(r + 1.0f), U(r + 0.8f));
            float line = hy - r * 0.25f;
            Shape cap = intersect(head, box(X(hx - r - 2), Y(hy - r - 3), X(hx + r + 2), Y(line)));
            cap = roughen(cap, U(1.0f), U(2.0f), o_.seed + 19);
            c_.fill(cap, hairPaint);
            if (o_.hairStyle == HairStyle::Long) {
                c_.fill(capsule(X(hx - r + 1), Y(hy - 2), X(hx - r + 2), Y(hy + r + 4), U(3.2f)), hairPaint);
                c_.fill(capsule(X(hx + r - 1), Y(hy - 2), X(hx + r - 2), Y(hy + r + 4), U(3.2f)), hairPaint);
            }
            if (o_.hairStyle == HairStyle::Bun) c_.fill(circle(X(hx), Y(hy - r - 1.5f), U(r * 0.45f)), hairPaint);
        } else {
            c_.fill(ellipse(X(hx), Y(hy - 0.5f), U(r + 0.8f), U(r + 0.6f)), hairPaint);
            if (o_.hairStyle == HairStyle::Long)
                c_.fill(box(X(hx - r + 1), Y(hy), X(hx + r - 1), Y(hy + r + 6), U(4)), hairPaint);
            if (o_.hairStyle == HairStyle::Bun) c_.fill(circle(X(hx), Y(hy + r * 0.35f), U(r * 0.5f)), shaded(X(hx), Y(hy + 3), U(6), scaled(o_.hair, 1.1f)));
        }
    }

    void caps(float hx, float hy, float r, bool front, bool side, float dir) {
        if (o_.nurseCap) {
            float cy = hy - r * 0.75f;
            Shape cap = box(X(hx - r * 0.7f), Y(cy - 4.5f), X(hx + r * 0.7f), Y(cy + 3.5f), U(2));
            if (side) cap = box(X(hx - r * 0.1f), Y(cy - 5), X(hx + r * 0.75f), Y(cy + 1), U(2));
            c_.fill(cap, shaded(X(hx), Y(cy), U(8), rgb(214, 210, 198)));
            c_.fill(box(X(hx - 0.9f), Y(cy - 3.2f), X(hx + 0.9f), Y(cy + 2.2f)), o_.accent);
            c_.fill(box(X(hx - 2.7f), Y(cy - 1.4f), X(hx + 2.7f), Y(cy + 0.4f)), o_.accent);
        }
        if (o_.surgicalCap) {
            Shape head = ellipse(X(hx), Y(hy - 1.5f), U(r + 1.2f), U(r + 1.0f));
            Shape cap = front ? intersect(head, box(X(hx - r - 3), Y(hy - r - 4), X(hx + r + 3), Y(hy - r * 0.2f))) : head;
            if (side) cap = intersect(head, box(X(hx - r - 3), Y(hy - r - 4), X(hx + r + 3), Y(hy - r * 0.15f)));
            c_.fill(cap, cloth(scaled(o_.coat, 1.08f), X(hx), Y(hy), U(r), 0.0f, o_.seed + 23));
        }
        if (o_.bow) {
            float bx = hx + (side ? dir * -3.0f : r * 0.55f);
            float by = hy - r * 0.7f;
            c_.fill(ellipse(X(bx - 3), Y(by), U(3.2f), U(2.2f), 0.4f), o_.accent);
            c_.fill(ellipse(X(bx + 3), Y(by), U(3.2f), U(2.2f), -0.4f), o_.accent);
            c_.fill(circle(X(bx), Y(by), U(1.4f)), scaled(o_.accent, 0.7f));
        }
    }

    void face(float hx, float hy, float r) {
        Color dark = rgb(26, 20, 20);
        if (o_.hollowEyes) {
            for (int side = -1; side <= 1; side += 2) {
                c_.fill(ellipse(X(hx + side * r * 0.36f), Y(hy + 1), U(2.8f), U(3.4f)), rgb(12, 8, 8));
                c_.fill(circle(X(hx + side * r * 0.36f), Y(hy + 1.5f), U(0.9f)), rgb(200, 40, 30));
            }
        } else {
            for (int side = -1; side <= 1; side += 2) {
                c_.fill(ellipse(X(hx + side * r * 0.36f), Y(hy + 1), U(1.5f), U(1.8f)), dark);
                c_.fill(capsule(X(hx + side * r * 0.22f), Y(hy - 2.6f), X(hx + side * r * 0.52f), Y(hy - 2.2f), U(0.6f)),
                        withAlpha(scaled(o_.hair, 0.8f), 0.9f));
            }
        }
        if (o_.stubble)
            c_.fill(intersect(ellipse(X(hx), Y(hy + 1), U(r * 0.95f), U(r)), box(X(hx - r), Y(hy + r * 0.35f), X(hx + r), Y(hy + r + 1))),
                    withAlpha(rgb(60, 50, 45), 0.35f));
        if (o_.mask) {
            Shape m = intersect(ellipse(X(hx), Y(hy + 1.5f), U(r * 0.98f), U(r)), box(X(hx - r), Y(hy + 3), X(hx + r), Y(hy + r + 2)));
            c_.fill(m, shaded(X(hx), Y(hy + 6), U(r), rgb(148, 170, 160), 0.2f, 0.3f));
            c_.fill(capsule(X(hx - r * 0.9f), Y(hy + 4), X(hx + r * 0.9f), Y(hy + 4), U(0.5f)), rgb(110, 128, 120));
        } else {
            Color mouth = o_.hollowEyes ? rgb(20, 6, 6) : rgb(110, 70, 66);
            float w = o_.hollowEyes ? 3.0f : 2.4f;
            c_.fill(capsule(X(hx - w), Y(hy + r * 0.55f), X(hx + w), Y(hy + r * 0.55f), U(o_.hollowEyes ? 1.6f : 0.7f)), mouth);
        }
    }

    void head(float hx, float hy, Facing facing) {
        float r = headR();
        bool front = facing == Facing::Down;
        bool side = facing == Facing::Left;
        // Neck.
        c_.fill(capsule(X(hx), Y(hy + r * 0.6f), X(hx), Y(hy + r + 3), U(4.2f)), shaded(X(hx), Y(hy + r), U(5), scaled(o_.skin, 0.85f)));
        PaintFn skin = shaded(X(hx), Y(hy), U(r), o_.skin, 0.22f, 0.38f);
        if (side) {
            float fx = hx - 1.0f;
            c_.fill(ellipse(X(fx), Y(hy), U(r * 0.95f), U(r)), skin);
            c_.fill(circle(X(fx - r * 0.92f), Y(hy + 1.5f), U(2.0f)), skin);  // nose
            if (o_.hairStyle != HairStyle::Bald) {
                PaintFn hairPaint = mottled(shaded(X(fx), Y(hy), U(r), o_.hair, 0.3f, 0.45f), 2.0f, 0.2f, o_.seed + 17);
                Shape h = ellipse(X(fx + 1.0f), Y(hy - 1.5f), U(r + 0.8f), U(r + 0.8f));
                Shape back = unite(box(X(fx - r * 0.25f), Y(hy - r - 3), X(fx + r + 3), Y(hy + r * 0.5f)),
                                   box(X(fx - r - 3), Y(hy - r - 3), X(fx + r + 3), Y(hy - r * 0.3f)));
                c_.fill(roughen(intersect(h, back), U(0.8f), U(2.0f), o_.seed + 19), hairPaint);
                if (o_.hairStyle == HairStyle::Long)
                    c_.fill(capsule(X(fx + r * 0.5f), Y(hy), X(fx + r * 0.6f), Y(hy + r + 5), U(3.5f)), hairPaint);
                if (o_.hairStyle == HairStyle::Bun) c_.fill(circle(X(fx + r * 0.95f), Y(hy - 2), U(r * 0.42f)), hairPaint);
            }
            if (o_.hollowEyes) {
                c_.fill(ellipse(X(fx - r * 0.5f), Y(hy + 0.5f), U(2.4f), U(3.0f)), rgb(12, 8, 8));
                c_.fill(circle(X(fx - r * 0.5f), Y(hy + 1.0f), U(0.8f)), rgb(200, 40, 30));
            } else {
                c_.fill(ellipse(X(fx - r * 0.5f), Y(hy + 0.5f), U(1.2f), U(1.7f)), rgb(26, 20, 20));
            }
            if (o_.mask)
                c_.fill(intersect(ellipse(X(fx), Y(hy + 1.5f), U(r), U(r)), box(X(fx - r - 3), Y(hy + 3), X(fx + r * 0.2f), Y(hy + r + 2))),
                        shaded(X(fx), Y(hy + 6), U(r), rgb(148, 170, 160), 0.2f, 0.3f));
            else
                c_.fill(capsule(X(fx - r * 0.75f), Y(hy + r * 0.55f), X(fx - r * 0.45f), Y(hy + r * 0.55f), U(0.7f)), rgb(110, 70, 66));
            if (!o_.surgicalCap && !o_.nurseCap)
                c_.fill(ellipse(X(fx + r * 0.12f), Y(hy + 1), U(1.7f), U(2.4f)), shaded(X(fx), Y(hy), U(4), scaled(o_.skin, 0.95f)));  // ear
            caps(fx, hy, r, false, true, -1.0f);
            return;
        }
        c_.fill(ellipse(X(hx), Y(hy), U(r * 0.95f), U(r)), skin);
        if (front) {
            face(hx, hy, r);
            hairCap(hx, hy, r, true);
        } else {
            hairCap(hx, hy, r, false);
        }
        caps(hx, hy, r, front, false, 0.0f);
    }

    void drawFront(float s, float lift, bool down) {
        float fwd = down ? 1.0f : -1.0f;
        drawFloorShadow(c_, cx_, by_ - U(2), U(26));
        // Legs: image-left leg steps forward while s > 0.
        float hip = -34.0f + bob_ * 0.3f;
        for (int i = 0; i < 2; ++i) {
            float sign = i == 0 ? 1.0f : -1.0f;
            float x = i == 0 ? -7.0f : 7.0f;
            float footY = -2.0f + fwd * s * sign * 3.0f - std::fmax(0.0f, lift * sign) * 2.0f;
            leg(x, hip, x * 1.05f, footY, true, false, 0.0f);
        }
        float sy = shoulderY();
        float top = sy - 3.0f;
        bool skirt = o_.skirt;
        torso(17.0f, skirt ? 19.0f : 16.0f, top, hemY(), down, !down, 0.0f);
        // Arms swing against the legs.
        for (int i = 0; i < 2; ++i) {
            float sign = i == 0 ? -1.0f : 1.0f;  // -1 image left
            float swing = -fwd * s * (sign < 0 ? 1.0f : -1.0f) * 4.0f;
            bool torchHand = p_.item != HeldItem::None && ((down && sign < 0) || (!down && sign > 0));
            float shx = sign * 17.5f;
            if (p_.reach) {
                arm(shx, sy + 1, sign * 19.0f, sy + 12, sign * 9.0f, sy + 26 * fwd + (down ? 0 : 18), true);
                continue;
            }
            if (torchHand) {
                if (down) {
                    arm(shx, sy + 1, sign * 21.0f, sy + 14, sign * 15.0f, sy + 22, true);
                    if (p_.item == HeldItem::Torch) torch(sign * 15.0f, sy + 22, 0.0f, 1.0f, true);
                    if (p_.item == HeldItem::Cleaver) cleaver(sign * 15.0f, sy + 22, 0.25f, 1.0f);
                } else {
                    arm(shx, sy + 1, sign * 20.0f, sy - 4, sign * 15.0f, sy - 12, true);
                    if (p_.item == HeldItem::Torch) torch(sign * 15.0f, sy - 12, 0.0f, -1.0f, false);
                    if (p_.item == HeldItem::Cleaver) cleaver(sign * 15.0f, sy - 12, 0.2f, -1.0f);
                }
                continue;
            }
            arm(shx, sy + 1, sign * 20.0f, sy + 15 + swing * 0.4f, sign * 20.0f, sy + 29 + swing, true);
        }
        // The head sits over the shoulders; seen from behind it hides the collar.
        head(0.0f, headY(), down ? Facing::Down : Facing::Up);
    }

    void drawSide(float s, float lift) {
        // Drawn facing left; a right-facing figure is this one mirrored.
        Canvas layer(c_.width(), c_.height());
        bool right = p_.facing == Facing::Right;
        float cx = right ? c_.width() - cx_ : cx_;
        Painter side(layer, cx, by_, o_, p_);
        side.bob_ = bob_;
        side.sideBody(s, lift);
        c_.composite(right ? layer.mirrored() : layer, 0, 0);
    }

    void sideBody(float s, float lift) {
        drawFloorShadow(c_, cx_, by_ - U(2), U(20));
        float hip = -34.0f + bob_ * 0.3f;
        float sy = shoulderY();
        // Far limbs first, darker.
        leg(1.5f, hip, 1.5f + s * 9.0f, -2.0f - std::fmax(0.0f, -lift) * 2.5f, false, true, -1.0f);
        if (!p_.reach && p_.item == HeldItem::None) arm(0.5f, sy + 1, 0.5f - s * 4.0f, sy + 15, 0.5f - s * 8.0f, sy + 28, false);
        leg(-1.5f, hip, -1.5f - s * 9.0f, -2.0f - std::fmax(0.0f, lift) * 2.5f, true, true, -1.0f);
        torso(11.0f, o_.skirt ? 14.0f : 12.0f, sy - 3.0f, hemY(), false, false, 0.0f);
        head(-2.0f, headY(), Facing::Left);
        if (p_.reach) {
            arm(-1.0f, sy + 1, -12.0f, sy + 6, -25.0f, sy + 10, false);
            arm(1.0f, sy + 2, -10.0f, sy + 9, -24.0f, sy + 14, true);
            return;
        }
        if (p_.item == HeldItem::Torch) {
            arm(0.5f, sy + 1, -8.0f, sy + 12, -17.0f, sy + 13, true);
            torch(-17.0f, sy + 13, -1.0f, 0.12f, true);
        } else if (p_.item == HeldItem::Cleaver) {
            arm(0.5f, sy + 1, -6.0f, sy + 13, -12.0f, sy + 20, true);
            cleaver(-12.0f, sy + 20, -0.6f, 0.8f);
        } else {
            arm(0.5f, sy + 1, 0.5f + s * 4.0f, sy + 15, 0.5f + s * 8.0f, sy + 28, true);
        }
    }
};

}  // namespace

void drawFloorShadow(Canvas& canvas, float cx, float baseY, float width) {
    canvas.fill(ellipse(cx, baseY, width, width * 0.3f), withAlpha(rgb(0, 0, 0), 0.35f), width * 0.25f);
}

void drawFigure(Canvas& canvas, float cx, float baseY, const Outfit& outfit, const Pose& pose) {
    Painter painter(canvas, cx, baseY, outfit, pose);
    painter.draw();
}

}  // namespace sprites
