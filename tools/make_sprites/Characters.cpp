#include "tools/make_sprites/Characters.h"

#include <cmath>

#include "tools/make_sprites/Figure.h"
#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

constexpr float kPi = 3.14159265f;

Outfit fatherOutfit() {
    Outfit o;
    o.skin = palette::kSkinFather;
    o.hair = rgb(62, 54, 48);
    o.coat = rgb(94, 84, 68);
    o.legs = rgb(50, 52, 58);
    o.shoes = rgb(32, 29, 28);
    o.stubble = true;
    o.seed = 11;
    return o;
}

Outfit nurseOutfit() {
    Outfit o;
    o.skin = palette::kSkinPale;
    o.hair = rgb(44, 34, 30);
    o.coat = rgb(150, 154, 142);
    o.legs = rgb(150, 140, 128);
    o.shoes = rgb(120, 116, 108);
    o.hairStyle = HairStyle::Bun;
    o.skirt = true;
    o.nurseCap = true;
    o.accent = rgb(140, 48, 44);
    o.seed = 23;
    return o;
}

Outfit surgeonOutfit() {
    Outfit o;
    o.skin = rgb(176, 160, 150);
    o.hair = rgb(40, 36, 34);
    o.coat = rgb(74, 98, 88);
    o.legs = rgb(66, 88, 80);
    o.shoes = rgb(40, 40, 40);
    o.coatLength = 0.85f;
    o.surgicalCap = true;
    o.mask = true;
    o.blood = 0.55f;
    o.seed = 37;
    return o;
}

Outfit patientOutfit() {
    Outfit o;
    o.skin = palette::kSkinSick;
    o.hair = rgb(60, 60, 56);
    o.coat = rgb(118, 132, 136);
    o.legs = palette::kSkinSick;
    o.shoes = scaled(palette::kSkinSick, 0.8f);
    o.hairStyle = HairStyle::Bald;
    o.skirt = true;
    o.hollowEyes = true;
    o.thinArms = 0.75f;
    o.blood = 0.3f;
    o.seed = 41;
    return o;
}

Outfit girlOutfit() {
    Outfit o;
    o.skin = rgb(222, 202, 188);
    o.hair = rgb(82, 58, 42);
    o.coat = rgb(116, 52, 56);
    o.legs = rgb(206, 202, 194);
    o.shoes = rgb(46, 34, 30);
    o.hairStyle = HairStyle::Long;
    o.skirt = true;
    o.bow = true;
    o.accent = rgb(150, 44, 48);
    o.size = 0.72f;
    o.headScale = 1.3f;
    o.seed = 53;
    return o;
}

void finish(Canvas& frame) { frame.outline(withAlpha(palette::kOutline, 0.85f), 1); }

// Walk and idle frames of a figure on the 6-column character layout.
void figureAt(Canvas& frame, const Outfit& outfit, Facing facing, float phase, float stride, float breath, HeldItem item) {
    Pose pose;
    pose.facing = facing;
    pose.walkPhase = phase;
    pose.stride = stride;
    pose.breath = breath;
    pose.item = item;
    float s = frame.width() / 128.0f;
    Outfit o = outfit;
    o.size *= s;
    drawFigure(frame, frame.width() * 0.5f, frame.height() - 10.0f * s, o, pose);
}

// The creature that clings to the father while latched (its own sprite is hidden then).
void clingingArms(Canvas& c, float cx, float by, float spread) {
    Color arm = palette::kSkinSick;
    for (int side = -1; side <= 1; side += 2) {
        float sx = cx + side * (24.0f + spread);
        float sy = by - 62.0f;
        float ex = cx + side * (6.0f + spread * 1.6f);
        float ey = by - 50.0f + spread * 0.5f;
        c.fill(taper(sx, sy, ex, ey, 3.6f, 2.8f), shaded(cx, sy, 20, arm));
        for (int f = 0; f < 3; ++f) {
            float fx = ex - side * (1.0f + f * 1.6f);
            c.fill(capsule(ex, ey, fx, ey + 4.0f + f, 1.0f), scaled(arm, 0.9f));
        }
    }
}

void creatureHead(Canvas& c, float x, float y) {
    c.fill(ellipse(x, y, 11, 12), shaded(x, y, 12, palette::kSkinSick));
    c.fill(ellipse(x - 4, y + 1, 2.6f, 3.2f), rgb(10, 8, 8));
    c.fill(ellipse(x + 4, y + 1, 2.6f, 3.2f), rgb(10, 8, 8));
    c.fill(capsule(x - 3, y + 7, x + 3, y + 7, 1.5f), rgb(24, 8, 8));
}

void fatherLatched(Canvas& frame, int index) {
    Outfit o = fatherOutfit();
    Canvas body(frame.width(), frame.height());
    float cx = 64.0f;
    float by = 118.0f;
    bool free = index == 65;
    if (!free && index <= 63) creatureHead(body, cx - 16.0f, by - 88.0f);
    Pose pose;
    pose.item = HeldItem::Torch;
    pose.breath = index == 61 ? 1.0f : (index == 62 ? -1.0f : 0.0f);
    drawFigure(body, cx, by, o, pose);
    if (index <= 62) clingingArms(body, cx, by, 0.0f);
    if (index == 63) clingingArms(body, cx, by, 7.0f);
    if (index == 64) {
        // Thrown off: the arms fall away to the sides.
        for (int side = -1; side <= 1; side += 2)
            body.fill(taper(cx + side * 30, by - 50, cx + side * 40, by - 30, 3.4f, 2.6f), shaded(cx, by - 40, 20, palette::kSkinSick));
    }
    float tilt = index == 61 ? -0.14f : (index == 62 ? 0.14f : (index == 64 ? 0.06f : 0.0f));
    frame.compositeTransformed(body, 64.0f, 64.0f, tilt);
}

void fatherDying(Canvas& frame, int index) {
    Outfit o = fatherOutfit();
    int step = index - 66;
    Canvas body(frame.width(), frame.height());
    Pose pose;
    pose.item = HeldItem::Torch;
    pose.itemLit = step < 4;
    if (step >= 4) {
        // The pool spreads under him.
        float r = step == 4 ? 36.0f : 50.0f;
        frame.fill(roughen(ellipse(70, 92, r, r * 0.5f), 5.0f, 9.0f, 300 + step), withAlpha(palette::kBlood, 0.92f));
    }
    if (step == 0) creatureHead(body, 50.0f, 34.0f);
    drawFigure(body, 64.0f, 118.0f, o, pose);
    if (step == 0) {
        clingingArms(body, 64.0f, 118.0f, 0.0f);
        for (int i = 0; i < 5; ++i) body.fill(circle(54.0f + i * 2.5f, 52.0f + (i % 2) * 3.0f, 1.6f), palette::kBlood);
    }
    const float angles[6] = {0.0f, 0.35f, 0.9f, 1.5f, 1.57f, 1.57f};
    const float drops[6] = {0.0f, 6.0f, 16.0f, 26.0f, 26.0f, 26.0f};
    frame.compositeTransformed(body, 64.0f, 64.0f + drops[step], angles[step], step == 0 ? 1.0f : 0.96f);
}

// Character layout shared by the surgeon and the patient: walking down, up,
// right and left (five frames each), then catch poses.
void chaserFrame(Canvas& frame, int index, const Outfit& outfit, HeldItem item) {
    Facing facings[4] = {Facing::Down, Facing::Up, Facing::Right, Facing::Left};
    if (index < 20) {
        figureAt(frame, outfit, facings[index / 5], (index % 5) / 5.0f, 1.0f, 0.0f, item);
        finish(frame);
        return;
    }
    Pose pose;
    pose.item = HeldItem::None;
    pose.reach = true;
    switch (index) {
        case 20: pose.facing = Facing::Down; break;   // rising up before a vertical catch
        case 21: pose.facing = Facing::Down; pose.breath = -1.0f; break;
        case 22: pose.facing = Facing::Right; break;  // catch while walking right
        case 23: pose.facing = Facing::Right; pose.walkPhase = 0.25f; pose.stride = 1.2f; break;
        case 25: pose.facing = Facing::Left; break;
        case 26: pose.facing = Facing::Left; pose.walkPhase = 0.25f; pose.stride = 1.2f; break;
        default:
            figureAt(frame, outfit, Facing::Down, 0.0f, 0.0f, 0.0f, item);
            finish(frame);
            return;
    }
    drawFigure(frame, 64.0f, 118.0f, outfit, pose);
    finish(frame);
}

// A sitting toy bear from above; parts switchable for the torn and headless ones.
struct BearLook {
    Color fur = rgb(120, 92, 66);
    float scale = 1.0f;
    bool head = true;
    bool torn = false;
    bool glowing = false;
    float glow = 1.0f;
    float headTilt = 0.0f;
    float mouth = 0.0f;     // 0 closed .. 1 torn wide open
    float armsUp = 0.0f;    // 0 resting .. 1 raised claws
    bool sad = false;
    unsigned seed = 5;
};

void stuffing(Canvas& c, float x, float y, float r, unsigned seed) {
    Random random(seed);
    for (int i = 0; i < 6; ++i) {
        float a = random.range(0.0f, 2.0f * kPi);
        float d = random.range(0.0f, r);
        c.fill(circle(x + std::cos(a) * d, y + std::sin(a) * d, random.range(r * 0.3f, r * 0.55f)),
               shaded(x, y, r, rgb(196, 190, 176)));
    }
}

void drawBear(Canvas& c, float cx, float by, const BearLook& b) {
    float s = b.scale;
    PaintFn fur = [&](Color base, float x, float y, float r) {
        return mottled(shaded(x, y, r, base, 0.2f, 0.45f), 3.0f * s, 0.22f, b.seed);
    }(b.fur, cx, by - 40 * s, 40 * s);
    drawFloorShadow(c, cx, by - 4 * s, 34 * s);
    // Legs stick out forward, pads facing us.
    for (int side = -1; side <= 1; side += 2) {
        c.fill(ellipse(cx + side * 17 * s, by - 14 * s, 10 * s, 11 * s), fur);
        c.fill(ellipse(cx + side * 17 * s, by - 10 * s, 6 * s, 6.5f * s), shaded(cx, by, 8 * s, mix(b.fur, rgb(200, 180, 150), 0.45f)));
    }
    c.fill(ellipse(cx, by - 34 * s, 24 * s, 26 * s), fur);
    c.fill(ellipse(cx, by - 30 * s, 13 * s, 14 * s), shaded(cx, by - 30 * s, 14 * s, mix(b.fur, rgb(196, 176, 146), 0.35f)));
    if (b.torn) {
        c.fill(roughen(ellipse(cx + 6 * s, by - 30 * s, 6 * s, 8 * s), 1.5f * s, 3.0f * s, b.seed + 3), rgb(40, 30, 24));
        stuffing(c, cx + 6 * s, by - 30 * s, 6 * s, b.seed + 9);
    }
    // Arms.
    for (int side = -1; side <= 1; side += 2) {
        float hx = cx + side * (26 - b.armsUp * 4) * s;
        float hy = by - (30 + b.armsUp * 34) * s;
        c.fill(capsule(cx + side * 18 * s, by - 46 * s, hx, hy, 7 * s), fur);
        if (b.armsUp > 0.3f)
            for (int f = -1; f <= 1; ++f)
                c.fill(taper(hx + f * 3 * s, hy - 4 * s, hx + f * 5 * s, hy - 13 * s, 1.6f * s, 0.3f * s), rgb(220, 214, 200));
    }
    if (!b.head) {
        // Neck stump with stuffing spilling out.
        c.fill(roughen(ellipse(cx, by - 58 * s, 12 * s, 7 * s), 1.5f * s, 3 * s, b.seed + 5), rgb(48, 34, 28));
        stuffing(c, cx, by - 60 * s, 8 * s, b.seed + 7);
        return;
    }
    Canvas head(c.width(), c.height());
    float hx = cx;
    float hy = by - 70 * s;
    for (int side = -1; side <= 1; side += 2) {
        head.fill(circle(hx + side * 16 * s, hy - 15 * s, 8 * s), fur);
        head.fill(circle(hx + side * 16 * s, hy - 15 * s, 4.5f * s), shaded(hx, hy, 6 * s, scaled(b.fur, 0.7f)));
    }
    head.fill(circle(hx, hy, 21 * s), fur);
    head.fill(ellipse(hx, hy + 8 * s, 10 * s, 7.5f * s), shaded(hx, hy + 8 * s, 9 * s, mix(b.fur, rgb(205, 186, 156), 0.5f)));
    head.fill(ellipse(hx, hy + 4.5f * s, 3.6f * s, 2.6f * s), rgb(30, 22, 20));
    for (int side = -1; side <= 1; side += 2) {
        float ex = hx + side * 8 * s;
        float ey = hy - 3 * s;
        bool missing = b.torn && side > 0;
        if (missing) {
            head.fill(capsule(ex - 2.5f * s, ey - 2.5f * s, ex + 2.5f * s, ey + 2.5f * s, 0.7f * s), rgb(30, 20, 18));
            head.fill(capsule(ex - 2.5f * s, ey + 2.5f * s, ex + 2.5f * s, ey - 2.5f * s, 0.7f * s), rgb(30, 20, 18));
            continue;
        }
        head.fill(circle(ex, ey, 3.6f * s), rgb(14, 12, 12));
        if (b.glowing) {
            head.fill(circle(ex, ey, 9 * s), radial(ex, ey, 9 * s, withAlpha(palette::kGlowRed, 0.7f * b.glow), withAlpha(palette::kGlowRed, 0.0f)), 2 * s);
            head.fill(circle(ex, ey, 1.8f * s), withAlpha(rgb(255, 120, 90), b.glow));
        } else {
            head.fill(circle(ex - 1.1f * s, ey - 1.1f * s, 1.0f * s), withAlpha(rgb(230, 230, 230), 0.8f));
        }
        if (b.sad) head.fill(capsule(ex - 4 * s, ey - 5 * s - side * 1.5f * s, ex + 4 * s, ey - 5 * s + side * 1.5f * s, 0.9f * s), rgb(40, 28, 24));
    }
    if (b.mouth > 0.0f) {
        Shape m = roughen(ellipse(hx, hy + 12 * s, 9 * s * b.mouth + 3 * s, 6 * s * b.mouth + 1.5f * s), 1.0f * s, 2 * s, b.seed + 11);
        head.fill(m, rgb(36, 8, 8));
        for (int t = -3; t <= 3; ++t) {
            float tx = hx + t * 2.6f * s * b.mouth;
            head.fill(taper(tx, hy + (12 - 5 * b.mouth) * s, tx, hy + (12 - 1 * b.mouth) * s, 1.2f * s, 0.2f * s), rgb(226, 220, 200));
            head.fill(taper(tx, hy + (12 + 5 * b.mouth) * s, tx, hy + (12 + 1 * b.mouth) * s, 1.2f * s, 0.2f * s), rgb(226, 220, 200));
        }
    } else if (b.sad) {
        head.fill(capsule(hx - 4 * s, hy + 13 * s, hx + 4 * s, hy + 12 * s, 0.9f * s), rgb(40, 28, 24));
    }
    // Stitches across the crown.
    for (int i = -2; i <= 2; ++i)
        head.fill(capsule(hx + i * 3.2f * s - 1.2f * s, hy - 16 * s, hx + i * 3.2f * s + 1.2f * s, hy - 12 * s, 0.55f * s),
                  withAlpha(rgb(30, 24, 20), 0.8f));
    c.compositeTransformed(head, hx, hy, b.headTilt, 1.0f);
    (void)hx;
}

// Composites a full-frame layer turned around the head so tilts pivot sensibly.
void bearFrame(Canvas& frame, const BearLook& look) {
    float s = frame.width() / 128.0f;
    BearLook b = look;
    b.scale *= s;
    drawBear(frame, frame.width() * 0.5f, frame.height() - 8.0f * s, b);
    frame.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

}  // namespace

void drawFather(Canvas& frame, int index) {
    Outfit o = fatherOutfit();
    int row = index / 6;
    int column = index % 6;
    if (index >= 60 && index <= 65) {
        fatherLatched(frame, index);
        finish(frame);
        return;
    }
    if (index >= 66 && index <= 71) {
        fatherDying(frame, index);
        finish(frame);
        return;
    }
    struct Walk {
        int row;
        Facing facing;
        float stride;
    };
    // Walking rows: the body faces the mouse; sideways steps are shorter.
    const Walk walks[] = {{0, Facing::Down, 1.0f},   {1, Facing::Up, 1.0f},     {2, Facing::Left, 1.0f},
                          {3, Facing::Right, 1.0f},  {13, Facing::Right, 0.7f}, {14, Facing::Left, 0.7f},
                          {15, Facing::Right, 0.7f}, {16, Facing::Left, 0.7f},  {17, Facing::Up, 0.7f},
                          {18, Facing::Down, 0.7f},  {19, Facing::Up, 0.7f},    {20, Facing::Down, 0.7f}};
    for (const Walk& w : walks) {
        if (w.row != row) continue;
        bool standing = column == 5;
        figureAt(frame, o, w.facing, column / 5.0f, standing ? 0.0f : w.stride, 0.0f, HeldItem::Torch);
        finish(frame);
        return;
    }
    // Idle loops: ten frames facing down (24-33) and up (48-57), four facing left (36-39) and right (42-45).
    Facing facing = Facing::Down;
    float breath = 0.0f;
    if (index >= 24 && index <= 35) {
        breath = std::sin(2.0f * kPi * (index - 24) / 10.0f);
    } else if (index >= 36 && index <= 41) {
        facing = Facing::Left;
        breath = std::sin(2.0f * kPi * (index - 36) / 4.0f);
    } else if (index >= 42 && index <= 47) {
        facing = Facing::Right;
        breath = std::sin(2.0f * kPi * (index - 42) / 4.0f);
    } else if (index >= 48 && index <= 59) {
        facing = Facing::Up;
        breath = std::sin(2.0f * kPi * (index - 48) / 10.0f);
    }
    figureAt(frame, o, facing, 0.0f, 0.0f, breath, HeldItem::Torch);
    finish(frame);
}

void drawNurse(Canvas& frame, int index) {
    // 0 standing, 1-4 walking down, 5-9 walking right.
    Outfit o = nurseOutfit();
    if (index == 0)
        figureAt(frame, o, Facing::Down, 0.0f, 0.0f, 0.0f, HeldItem::None);
    else if (index < 5)
        figureAt(frame, o, Facing::Down, (index - 1) / 4.0f, 0.9f, 0.0f, HeldItem::None);
    else
        figureAt(frame, o, Facing::Right, (index - 5) / 5.0f, 0.9f, 0.0f, HeldItem::None);
    finish(frame);
}

void drawNurseEvil(Canvas& frame, int) {
    Outfit o = nurseOutfit();
    o.skin = rgb(150, 158, 140);
    o.coat = rgb(150, 140, 126);
    o.hollowEyes = true;
    o.blood = 0.85f;
    o.hairStyle = HairStyle::Long;
    o.accent = rgb(90, 20, 18);
    Canvas body(frame.width(), frame.height());
    Pose pose;
    pose.reach = true;
    float s = frame.width() / 128.0f;
    o.size *= s;
    drawFigure(body, frame.width() * 0.5f, frame.height() - 10.0f * s, o, pose);
    frame.compositeTransformed(body, frame.width() * 0.5f, frame.height() * 0.5f, 0.08f);
    finish(frame);
}

void drawSurgeon(Canvas& frame, int index) { chaserFrame(frame, index, surgeonOutfit(), HeldItem::Cleaver); }

void drawPatient(Canvas& frame, int index) { chaserFrame(frame, index, patientOutfit(), HeldItem::None); }

void drawGirlWalk(Canvas& frame, int index) {
    figureAt(frame, girlOutfit(), Facing::Down, index / 6.0f, 0.9f, 0.0f, HeldItem::None);
    finish(frame);
}

void drawLittleGirl(Canvas& frame, int index) {
    // 0-4 standing still (breathing), 5-9 running to the right.
    if (index < 5)
        figureAt(frame, girlOutfit(), Facing::Down, 0.0f, 0.0f, std::sin(2.0f * kPi * index / 5.0f), HeldItem::None);
    else
        figureAt(frame, girlOutfit(), Facing::Right, (index - 5) / 5.0f, 1.5f, 0.0f, HeldItem::None);
    finish(frame);
}

void drawTeddy(Canvas& frame, int index) {
    // 0 calm, 1 watching, 2 eyes alight, 3-8 the attack.
    BearLook b;
    b.fur = rgb(112, 86, 62);
    b.scale = 0.9f;
    if (index >= 1) b.headTilt = 0.22f;
    if (index >= 2) b.glowing = true;
    if (index >= 3) {
        float t = (index - 3) / 5.0f;
        b.mouth = 0.5f + t * 0.6f;
        b.armsUp = 0.4f + t * 0.6f;
        b.scale = 0.8f + 0.03f * (index - 3);
        b.headTilt = 0.22f - 0.1f * (index - 3);
    }
    bearFrame(frame, b);
}

void drawCrawler(Canvas& frame, int) {
    // The thing that clings, seen from above as it drags itself over the tiles on long arms:
    // the sick skin it shows when it holds the father, gone grey in the dark.
    float s = frame.width() / 128.0f;
    float cx = 64.0f * s;
    frame.fill(ellipse(cx, 80.0f * s, 44.0f * s, 30.0f * s), withAlpha(rgb(0, 0, 0), 0.5f), 10);
    Color skin = scaled(palette::kSkinSick, 0.62f);
    Color dark = scaled(palette::kSkinSick, 0.32f);
    // A thin bent back with the spine showing, the rest of it trailing off behind.
    frame.fill(taper(cx, 54.0f * s, cx + 5.0f * s, 112.0f * s, 11.0f * s, 3.0f * s), shaded(cx, 64.0f * s, 26.0f * s, skin));
    for (int bone = 0; bone < 8; ++bone) {
        float y = (60.0f + bone * 6.0f) * s;
        frame.fill(circle(cx + bone * 0.5f * s, y, (2.0f - bone * 0.15f) * s), dark);
        if (bone < 5)
            frame.fill(capsule(cx - (9.0f - bone) * s, y + 2.0f * s, cx + (9.0f - bone) * s, y + 1.0f * s, 0.7f * s),
                       withAlpha(dark, 0.7f));
    }
    // Arms thrown far forward, elbows cocked high, long fingers spread on the floor.
    for (int side = -1; side <= 1; side += 2) {
        float shoulderX = cx + side * 9.0f * s;
        float elbowX = cx + side * 44.0f * s;
        float handX = cx + side * 26.0f * s;
        frame.fill(taper(shoulderX, 52.0f * s, elbowX, 38.0f * s, 4.0f * s, 2.6f * s), shaded(cx, 44.0f * s, 34.0f * s, skin));
        frame.fill(taper(elbowX, 38.0f * s, handX, 12.0f * s, 2.6f * s, 1.8f * s), shaded(cx, 24.0f * s, 34.0f * s, skin));
        for (int f = -2; f <= 2; ++f)
            frame.fill(taper(handX, 12.0f * s, handX + (side * 1.0f + f * 2.6f) * s, 3.0f * s, 1.1f * s, 0.4f * s), dark);
    }
    // A long skull hung low between the shoulders: hollow eyes, a slit of a mouth.
    frame.fill(ellipse(cx, 44.0f * s, 8.5f * s, 11.0f * s), shaded(cx, 40.0f * s, 10.0f * s, skin));
    frame.fill(ellipse(cx - 3.4f * s, 42.0f * s, 2.6f * s, 3.6f * s), rgb(6, 4, 4));
    frame.fill(ellipse(cx + 3.4f * s, 42.0f * s, 2.6f * s, 3.6f * s), rgb(6, 4, 4));
    frame.fill(circle(cx - 3.0f * s, 41.0f * s, 0.7f * s), withAlpha(rgb(200, 190, 160), 0.8f));
    frame.fill(capsule(cx - 3.0f * s, 50.0f * s, cx + 3.0f * s, 50.5f * s, 0.8f * s), rgb(20, 6, 6));
    finish(frame);
}

void drawBigBear(Canvas& frame, int index) {
    // Grows more awake with each step of the search; frame 3 is when it stands.
    BearLook b;
    b.fur = rgb(96, 70, 54);
    b.torn = true;
    b.seed = 17;
    b.scale = 0.78f + 0.04f * index;
    b.headTilt = index == 0 ? 0.5f : 0.5f - index * 0.1f;
    b.glowing = index >= 2;
    b.glow = index >= 2 ? 0.4f + 0.15f * index : 0.0f;
    b.mouth = index >= 4 ? 0.6f + 0.3f * (index - 4) : 0.0f;
    b.armsUp = index >= 3 ? 0.3f + 0.35f * (index - 3) : 0.0f;
    bearFrame(frame, b);
}

void drawTornBear(Canvas& frame, int) {
    BearLook b;
    b.fur = rgb(134, 110, 84);
    b.torn = true;
    b.seed = 29;
    b.scale = 0.85f;
    b.headTilt = -0.35f;
    bearFrame(frame, b);
}

void drawHeadlessBear(Canvas& frame, int) {
    BearLook b;
    b.fur = rgb(134, 110, 84);
    b.torn = true;
    b.head = false;
    b.seed = 29;
    b.scale = 0.85f;
    bearFrame(frame, b);
    float s = frame.width() / 128.0f;
    // The head lies beside the body.
    frame.fill(circle(frame.width() * 0.8f, frame.height() - 22 * s, 12 * s), shaded(frame.width() * 0.8f, frame.height() - 22 * s, 12 * s, rgb(134, 110, 84)));
    frame.fill(circle(frame.width() * 0.8f - 4 * s, frame.height() - 24 * s, 2.4f * s), rgb(14, 12, 12));
    frame.fill(roughen(ellipse(frame.width() * 0.5f, frame.height() - 14 * s, 20 * s, 5 * s), 2 * s, 4 * s, 3), withAlpha(palette::kBlood, 0.5f));
    frame.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

void drawHuggleBear(Canvas& frame, int) {
    BearLook b;
    b.fur = rgb(150, 118, 92);
    b.seed = 31;
    b.scale = 0.85f;
    bearFrame(frame, b);
    float s = frame.width() / 128.0f;
    // A faded heart on its tummy.
    float cx = frame.width() * 0.5f;
    float cy = frame.height() - 8 * s - 31 * s;
    frame.fill(unite(circle(cx - 3 * s, cy - 2 * s, 3.4f * s), circle(cx + 3 * s, cy - 2 * s, 3.4f * s)), rgb(150, 70, 70));
    frame.fill(polygon({{cx - 6.2f * s, cy - 1 * s}, {cx + 6.2f * s, cy - 1 * s}, {cx, cy + 7 * s}}), rgb(150, 70, 70));
}

void drawEmoBear(Canvas& frame, int) {
    BearLook b;
    b.fur = rgb(84, 84, 92);
    b.sad = true;
    b.seed = 43;
    b.scale = 0.85f;
    b.headTilt = 0.3f;
    bearFrame(frame, b);
}

void drawTeddyHead(Canvas& frame, int) {
    float s = frame.width() / 64.0f;
    float cx = frame.width() * 0.5f;
    float cy = frame.height() * 0.55f;
    Color fur = rgb(112, 86, 62);
    PaintFn p = mottled(shaded(cx, cy, 20 * s, fur), 3 * s, 0.2f, 5);
    for (int side = -1; side <= 1; side += 2) frame.fill(circle(cx + side * 14 * s, cy - 13 * s, 7 * s), p);
    frame.fill(circle(cx, cy, 18 * s), p);
    frame.fill(ellipse(cx, cy + 7 * s, 8 * s, 6 * s), shaded(cx, cy + 7 * s, 8 * s, rgb(180, 160, 130)));
    frame.fill(circle(cx - 7 * s, cy - 3 * s, 3 * s), rgb(14, 12, 12));
    frame.fill(circle(cx + 7 * s, cy - 3 * s, 3 * s), rgb(14, 12, 12));
    stuffing(frame, cx, cy + 17 * s, 6 * s, 8);
    frame.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

void drawTeddyBody(Canvas& frame, int) {
    BearLook b;
    b.fur = rgb(112, 86, 62);
    b.head = false;
    b.scale = 0.85f;
    bearFrame(frame, b);
}

void drawDoll(Canvas& frame, int) {
    float s = frame.width() / 64.0f;
    float cx = frame.width() * 0.5f;
    float by = frame.height() - 4 * s;
    drawFloorShadow(frame, cx, by - 2 * s, 18 * s);
    Color dress = rgb(120, 96, 112);
    frame.fill(polygon({{cx - 7 * s, by - 34 * s}, {cx + 7 * s, by - 34 * s}, {cx + 15 * s, by - 8 * s}, {cx - 15 * s, by - 8 * s}}),
               mottled(shaded(cx, by - 22 * s, 18 * s, dress), 3 * s, 0.2f, 3));
    frame.fill(box(cx - 15 * s, by - 10 * s, cx + 15 * s, by - 7 * s, 1.5f * s), rgb(214, 206, 196));
    for (int side = -1; side <= 1; side += 2) {
        frame.fill(capsule(cx + side * 5 * s, by - 8 * s, cx + side * 6 * s, by - 2 * s, 2.2f * s), rgb(226, 216, 206));
        frame.fill(capsule(cx + side * 8 * s, by - 31 * s, cx + side * 12 * s, by - 20 * s, 2 * s), rgb(226, 216, 206));
    }
    float hy = by - 42 * s;
    frame.fill(circle(cx, hy, 11 * s), mottled(shaded(cx, hy, 11 * s, rgb(58, 40, 30)), 1.5f * s, 0.3f, 4));
    frame.fill(ellipse(cx, hy + 2 * s, 8 * s, 8.5f * s), shaded(cx, hy, 9 * s, rgb(232, 222, 212)));
    frame.fill(circle(cx - 3.2f * s, hy + 1.5f * s, 1.9f * s), rgb(30, 40, 58));
    frame.fill(circle(cx + 3.2f * s, hy + 1.5f * s, 1.9f * s), rgb(30, 40, 58));
    frame.fill(circle(cx, hy + 6 * s, 1.1f * s), rgb(150, 60, 64));
    // A hairline crack across the porcelain.
    frame.fill(capsule(cx + 2 * s, hy - 6 * s, cx + 4 * s, hy + 0 * s, 0.35f * s), rgb(60, 50, 46));
    frame.fill(capsule(cx + 4 * s, hy + 0 * s, cx + 2.5f * s, hy + 4 * s, 0.35f * s), rgb(60, 50, 46));
    frame.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

void drawSoftToy(Canvas& frame, int) {
    // A plush rabbit with one button eye.
    float s = frame.width() / 64.0f;
    float cx = frame.width() * 0.5f;
    float by = frame.height() - 4 * s;
    Color fur = rgb(170, 158, 150);
    PaintFn p = mottled(shaded(cx, by - 24 * s, 20 * s, fur), 2 * s, 0.2f, 12);
    drawFloorShadow(frame, cx, by - 2 * s, 16 * s);
    frame.fill(ellipse(cx, by - 16 * s, 13 * s, 13 * s), p);
    frame.fill(capsule(cx - 6 * s, by - 40 * s, cx - 9 * s, by - 58 * s, 4 * s), p);
    frame.fill(capsule(cx + 6 * s, by - 40 * s, cx + 11 * s, by - 55 * s, 4 * s), p);
    frame.fill(circle(cx, by - 36 * s, 11 * s), p);
    frame.fill(circle(cx - 4 * s, by - 37 * s, 1.8f * s), rgb(20, 18, 18));
    frame.fill(capsule(cx + 2.5f * s, by - 39 * s, cx + 5.5f * s, by - 35 * s, 0.6f * s), rgb(60, 30, 30));
    frame.fill(capsule(cx + 2.5f * s, by - 35 * s, cx + 5.5f * s, by - 39 * s, 0.6f * s), rgb(60, 30, 30));
    frame.fill(ellipse(cx, by - 32 * s, 2 * s, 1.4f * s), rgb(150, 100, 100));
    frame.outline(withAlpha(palette::kOutline, 0.8f), 1);
}

void drawDollEye(Canvas& frame, int) {
    float c = frame.width() * 0.5f;
    float r = frame.width() * 0.42f;
    frame.fill(circle(c, c, r), radial(c, c, r, rgb(20, 10, 10), rgb(60, 14, 12)));
    frame.fill(ring(c, c, r * 0.85f, r * 0.12f), withAlpha(palette::kGlowRed, 0.6f));
    frame.fill(circle(c - r * 0.3f, c - r * 0.3f, r * 0.16f), withAlpha(rgb(255, 230, 220), 0.8f));
}

void drawExclamation(Canvas& frame, int) {
    float s = frame.width() / 64.0f;
    float cx = frame.width() * 0.5f;
    // A jagged burst behind the mark.
    std::vector<Point> burst;
    for (int i = 0; i < 20; ++i) {
        float a = i * kPi / 10.0f;
        float r = (i % 2 == 0 ? 29.0f : 20.0f) * s;
        burst.push_back({cx + std::cos(a) * r, 32 * s + std::sin(a) * r});
    }
    frame.fill(polygon(burst), withAlpha(rgb(40, 10, 10), 0.85f));
    frame.fill(taper(cx, 10 * s, cx, 38 * s, 6 * s, 3.5f * s), vertical(10 * s, rgb(230, 60, 46), 40 * s, rgb(150, 20, 18)));
    frame.fill(circle(cx, 48 * s, 5 * s), rgb(200, 36, 30));
    frame.outline(withAlpha(palette::kOutline, 0.9f), 2);
}

}  // namespace sprites
