#include "tools/make_sprites/Interface.h"

#include <cmath>
#include <string>
#include <vector>

#include "tools/make_sprites/BitmapFont.h"
#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Palette.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

float W(const Canvas& c) { return static_cast<float>(c.width()); }
float H(const Canvas& c) { return static_cast<float>(c.height()); }

// A dark panel with a rusty double rim and scuffed corners.
void panel(Canvas& c, float x0, float y0, float x1, float y1, float alpha, Color edge, unsigned seed) {
    float r = std::min(x1 - x0, y1 - y0) * 0.08f;
    c.fill(box(x0, y0, x1, y1, r), [=](float x, float y) {
        float n = fractalNoise(x / 30.0f, y / 30.0f, seed, 4);
        return withAlpha(scaled(palette::kPanel, 0.8f + 0.5f * n), alpha);
    });
    c.fill(subtract(box(x0, y0, x1, y1, r), box(x0 + 3, y0 + 3, x1 - 3, y1 - 3, r * 0.8f)),
           mottled(solid(edge), 6, 0.5f, seed + 1));
    c.fill(subtract(box(x0 + 7, y0 + 7, x1 - 7, y1 - 7, r * 0.6f), box(x0 + 8.5f, y0 + 8.5f, x1 - 8.5f, y1 - 8.5f, r * 0.5f)),
           withAlpha(scaled(edge, 0.7f), 0.7f));
}

TextStyle style(float scale, Color color, unsigned seed = 1) {
    TextStyle s;
    s.scale = scale;
    s.color = color;
    s.shadow = withAlpha(palette::kBlack, 0.8f);
    s.shadowOffset = 0.3f;
    s.seed = seed;
    return s;
}

// A menu button: the word on a plate; highlighted it glows red with a marker.
void button(Canvas& c, const std::string& label, bool highlighted, unsigned seed) {
    float w = W(c);
    float h = H(c);
    Color edge = highlighted ? palette::kHighlight : palette::kPanelEdge;
    // Opaque: the pause menu's buttons stand over the level, his thoughts and prompts.
    panel(c, 4, 4, w - 4, h - 4, 1.0f, edge, seed);
    if (highlighted) {
        c.fill(box(10, 10, w - 10, h - 10, 8), radial(w / 2, h / 2, w * 0.5f, withAlpha(palette::kHighlight, 0.35f), withAlpha(palette::kHighlight, 0.0f)));
        // Marker arrows either side of the word.
        float scale = BitmapFont::fitScale(label, w * 0.72f, h / 16.0f);
        float tw = BitmapFont::width(label, scale);
        for (int side = -1; side <= 1; side += 2) {
            float x = w / 2 + side * (tw / 2 + scale * 4);
            c.fill(polygon({{x - side * scale * 1.5f, h / 2 - scale * 2}, {x + side * scale * 1.5f, h / 2}, {x - side * scale * 1.5f, h / 2 + scale * 2}}), palette::kHighlight);
        }
    }
    float scale = BitmapFont::fitScale(label, w * 0.72f, h / 16.0f);
    TextStyle s = style(scale, highlighted ? rgb(240, 226, 210) : palette::kText, seed + 3);
    BitmapFont::drawCentered(c, label, w / 2, h / 2 - scale * 3.5f, s);
}

void portraitBackground(Canvas& c, Color glow) {
    float w = W(c);
    c.paintAll([=](float x, float y) {
        float n = fractalNoise(x / 40.0f, y / 40.0f, 3, 4);
        Color base = scaled(rgb(22, 24, 24), 0.8f + 0.4f * n);
        return mix(base, glow, std::fmax(0.0f, 1.0f - std::hypot(x - w * 0.2f, y - w * 1.0f) / (w * 1.0f)) * 0.35f);
    });
}

void drawFace(Canvas& c, bool nurse) {
    float w = W(c);
    float cx = w * 0.5f;
    float cy = w * 0.45f;
    Color skin = nurse ? palette::kSkinPale : palette::kSkinFather;
    Color coat = nurse ? rgb(150, 154, 142) : rgb(94, 84, 68);
    Color hair = nurse ? rgb(44, 34, 30) : rgb(62, 54, 48);
    // Shoulders and collar.
    c.fill(ellipse(cx, w * 1.02f, w * 0.46f, w * 0.3f), mottled(shaded(cx, w * 0.9f, w * 0.4f, coat, 0.2f, 0.45f), 8, 0.15f, 5));
    if (nurse) {
        c.fill(polygon({{cx - w * 0.12f, w * 0.74f}, {cx, w * 0.86f}, {cx + w * 0.12f, w * 0.74f}, {cx + w * 0.1f, w * 0.8f}, {cx, w * 0.92f}, {cx - w * 0.1f, w * 0.8f}}), rgb(206, 204, 194));
    } else {
        c.fill(polygon({{cx - w * 0.16f, w * 0.74f}, {cx - w * 0.02f, w * 0.98f}, {cx - w * 0.22f, w * 0.98f}}), scaled(coat, 0.6f));
        c.fill(polygon({{cx + w * 0.16f, w * 0.74f}, {cx + w * 0.02f, w * 0.98f}, {cx + w * 0.22f, w * 0.98f}}), scaled(coat, 0.6f));
        c.fill(polygon({{cx - w * 0.08f, w * 0.74f}, {cx + w * 0.08f, w * 0.74f}, {cx, w * 0.95f}}), rgb(120, 116, 104));
    }
    c.fill(box(cx - w * 0.07f, w * 0.58f, cx + w * 0.07f, w * 0.78f, w * 0.03f), shaded(cx, w * 0.66f, w * 0.1f, scaled(skin, 0.85f)));
    if (nurse) c.fill(circle(cx + w * 0.16f, cy - w * 0.12f, w * 0.11f), mottled(shaded(cx, cy, w * 0.2f, hair), 3, 0.25f, 7));
    // Head, ears.
    PaintFn skinPaint = mottled(shaded(cx, cy, w * 0.2f, skin, 0.25f, 0.45f), 4, 0.06f, 9);
    for (int side = -1; side <= 1; side += 2) c.fill(ellipse(cx + side * w * 0.17f, cy + w * 0.02f, w * 0.035f, w * 0.055f), skinPaint);
    c.fill(ellipse(cx, cy, w * 0.17f, w * 0.21f), skinPaint);
    // Hair.
    Shape top = intersect(ellipse(cx, cy - w * 0.03f, w * 0.185f, w * 0.2f), box(0, 0, w, cy - w * 0.07f));
    c.fill(roughen(top, 2.0f, 4.0f, 11), mottled(shaded(cx, cy - w * 0.1f, w * 0.2f, hair, 0.3f, 0.4f), 2.5f, 0.3f, 12));
    if (!nurse) {
        for (int side = -1; side <= 1; side += 2)
            c.fill(box(cx + side * w * 0.17f - w * 0.02f, cy - w * 0.1f, cx + side * w * 0.17f + w * 0.02f, cy + w * 0.02f, 3), mottled(solid(hair), 2, 0.3f, 13));
        // Stubble over the jaw.
        c.fill(intersect(ellipse(cx, cy, w * 0.17f, w * 0.21f), box(0, cy + w * 0.06f, w, w)), [&](float x, float y) {
            float below = std::fmin(1.0f, std::fmax(0.0f, (y - (cy + w * 0.1f)) / (w * 0.05f)));
            return withAlpha(rgb(60, 50, 44), (0.08f + 0.18f * hashUnit(static_cast<int>(x / 2), static_cast<int>(y / 2), 14)) * (0.4f + 0.6f * below));
        });
    }
    // Eyes: tired for him, too steady for her.
    for (int side = -1; side <= 1; side += 2) {
        float ex = cx + side * w * 0.075f;
        float ey = cy + w * 0.0f;
        c.fill(ellipse(ex, ey + w * 0.012f, w * 0.04f, w * 0.02f), withAlpha(rgb(90, 60, 60), 0.35f));  // shadow under
        c.fill(ellipse(ex, ey, w * 0.034f, w * 0.017f), rgb(214, 208, 196));
        c.fill(circle(ex + (nurse ? 0.0f : side * -w * 0.004f), ey, w * 0.014f), nurse ? rgb(40, 44, 40) : rgb(70, 62, 50));
        c.fill(circle(ex, ey, w * 0.007f), rgb(12, 10, 10));
        c.fill(capsule(ex - w * 0.04f, ey - w * (nurse ? 0.045f : 0.035f) + side * (nurse ? 0.0f : w * 0.006f), ex + w * 0.04f,
                       ey - w * (nurse ? 0.05f : 0.04f) - side * (nurse ? 0.0f : w * 0.006f), w * 0.009f),
               scaled(hair, 0.9f));
    }
    // Nose and mouth.
    c.fill(polygon({{cx, cy + w * 0.01f}, {cx - w * 0.025f, cy + w * 0.085f}, {cx + w * 0.02f, cy + w * 0.09f}}), withAlpha(scaled(skin, 0.7f), 0.6f));
    if (nurse) {
        // A thin smile that does not reach the eyes.
        for (int i = -4; i <= 4; ++i) {
            float t = i / 4.0f;
            c.fill(circle(cx + t * w * 0.06f, cy + w * 0.13f - (1.0f - t * t) * w * 0.012f, w * 0.006f), rgb(130, 60, 60));
        }
    } else {
        c.fill(capsule(cx - w * 0.045f, cy + w * 0.135f, cx + w * 0.045f, cy + w * 0.13f, w * 0.007f), rgb(110, 70, 64));
    }
    if (nurse) {
        float capY = cy - w * 0.2f;
        c.fill(box(cx - w * 0.14f, capY - w * 0.06f, cx + w * 0.14f, capY + w * 0.04f, w * 0.02f), shaded(cx, capY, w * 0.14f, rgb(214, 210, 198)));
        c.fill(box(cx - w * 0.012f, capY - w * 0.045f, cx + w * 0.012f, capY + w * 0.025f), rgb(140, 48, 44));
        c.fill(box(cx - w * 0.035f, capY - w * 0.022f, cx + w * 0.035f, capY + w * 0.002f), rgb(140, 48, 44));
    }
    // Light from the torch below, shadow above.
    c.fill(box(0, 0, w, w), [&](float, float y) { return withAlpha(rgb(0, 0, 0), std::fmax(0.0f, 0.35f - y / w * 0.5f)); });
}

void thoughtBubble(Canvas& c, const std::string& text, unsigned seed) {
    float w = W(c);
    float h = H(c);
    c.fill(box(4, 4, w - 4, h - 20, 14), withAlpha(rgb(10, 10, 12), 0.78f));
    c.fill(circle(w * 0.2f, h - 14, 6), withAlpha(rgb(10, 10, 12), 0.78f));
    c.fill(circle(w * 0.16f, h - 5, 3.5f), withAlpha(rgb(10, 10, 12), 0.78f));
    float scale = 3.0f;
    while (scale > 1.0f && BitmapFont::width(text, scale) > w - 24) scale -= 0.5f;
    TextStyle s = style(scale, palette::kText, seed);
    s.shadowOffset = 0.0f;
    s.shadow = Color{};
    BitmapFont::drawCentered(c, text, w / 2, (h - 20) / 2 - scale * 3.5f, s);
}

}  // namespace

void drawPortraits(Canvas& c, int index) {
    bool nurse = index == 1;
    portraitBackground(c, nurse ? rgb(120, 140, 130) : palette::kWarmLight);
    // Drawn a little small, then enlarged so the face fills the frame.
    Canvas bust(c.width(), c.height());
    drawFace(bust, nurse);
    c.compositeTransformed(bust, W(c) * 0.5f, H(c) * 0.56f, 0.0f, 1.25f);
    c.vignette(0.6f, 1.6f);
    c.fill(subtract(box(0, 0, W(c), H(c)), box(5, 5, W(c) - 5, H(c) - 5)), mottled(solid(palette::kPanelEdge), 6, 0.5f, 21));
    c.grain(22 + index, 0.08f);
}

void drawDialogueBox(Canvas& c, int) {
    panel(c, 2, 2, W(c) - 2, H(c) - 2, 0.88f, palette::kPanelEdge, 31);
    c.grain(32, 0.1f);
}

void drawTextBox(Canvas& c, int index) {
    static const char* const kMessages[12] = {
        "Use W A S D to walk.",
        "Move the mouse to point the torch.",
        "Press E to look at things and talk.",
        "Hold Shift to run.",
        "Press Esc to pause.",
        "Lamps like this one keep your progress. Press E beside one.",
        "When something grabs you, press W A S D over and over to break free.",
        "Something moved in the dark...",
        "It's locked.",
        "It's too dark to go on without a light.",
        "I should not leave yet. The nurse wanted to show me something.",
        "To be continued...",
    };
    float w = W(c);
    float h = H(c);
    std::string text = kMessages[index % 12];
    float scale = 4.0f;
    std::vector<std::string> lines = BitmapFont::wrap(text, w * 0.84f, scale);
    float total = lines.size() * BitmapFont::lineHeight(scale);
    BitmapFont::drawBlock(c, lines, w / 2, h / 2 - total / 2, style(scale, palette::kText, 41 + index), true);
}

void drawYesSelect(Canvas& c, int index) { button(c, "Yes", index == 1, 51); }
void drawNoSelect(Canvas& c, int index) { button(c, "No", index == 1, 52); }

void drawPromptE(Canvas& c, int) {
    float w = W(c);
    c.fill(box(w * 0.12f, w * 0.16f, w * 0.88f, w * 0.92f, w * 0.14f), withAlpha(rgb(0, 0, 0), 0.6f), 3);
    c.fill(box(w * 0.12f, w * 0.08f, w * 0.88f, w * 0.84f, w * 0.14f), shaded(w / 2, w * 0.4f, w * 0.5f, rgb(196, 190, 176), 0.15f, 0.35f));
    c.fill(box(w * 0.2f, w * 0.14f, w * 0.8f, w * 0.7f, w * 0.1f), shaded(w / 2, w * 0.4f, w * 0.4f, rgb(220, 214, 200), 0.1f, 0.2f));
    TextStyle s;
    s.scale = w / 16.0f;
    s.color = rgb(30, 26, 24);
    BitmapFont::drawCentered(c, "E", w / 2, w * 0.42f - s.scale * 3.5f, s);
}

void drawPlayerText(Canvas& c, int index) {
    static const char* const kThoughts[8] = {
        "What was that?", "I have to find her.", "It won't open.", "Too dark...",
        "I'm not alone here.", "That doll... I know that doll.", "Run!", "...",
    };
    thoughtBubble(c, kThoughts[index % 8], 61 + index);
}

void drawRedScreen(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    c.paintAll([=](float x, float y) {
        float n = fractalNoise(x / 60.0f, y / 60.0f, 71, 4);
        float dx = (x - w / 2) / (w / 2);
        float dy = (y - h / 2) / (h / 2);
        float edge = std::fmin(1.0f, std::sqrt(dx * dx + dy * dy) / 1.3f);
        return mix(scaled(rgb(150, 12, 10), 0.8f + 0.3f * n), rgb(40, 0, 0), edge);
    });
    Random r(72);
    for (int i = 0; i < 30; ++i) {
        float x = r.range(0, w);
        float len = r.range(h * 0.05f, h * 0.4f);
        float wd = r.range(1.5f, 5.0f);
        c.fill(taper(x, -2, x, len, wd, wd * 0.6f), rgb(60, 0, 0));
        c.fill(circle(x, len, wd * 1.2f), rgb(60, 0, 0));
    }
}

void drawButtonStart(Canvas& c, int index) { button(c, "Start", index == 1, 81); }
void drawButtonCredits(Canvas& c, int index) { button(c, "Credits", index == 1, 82); }
void drawButtonHowToPlay(Canvas& c, int index) { button(c, "How to Play", index == 1, 83); }
void drawButtonQuit(Canvas& c, int index) { button(c, "Quit", index == 1, 84); }
void drawButtonResume(Canvas& c, int index) { button(c, "Resume", index == 1, 85); }
void drawButtonContinue(Canvas& c, int index) { button(c, "Continue", index == 1, 86); }
void drawButtonRestart(Canvas& c, int index) { button(c, "Restart", index == 1, 87); }
void drawButtonMainMenu(Canvas& c, int index) { button(c, "Main Menu", index == 1, 88); }
void drawButtonYes(Canvas& c, int index) { button(c, "Yes", index == 1, 89); }
void drawButtonNo(Canvas& c, int index) { button(c, "No", index == 1, 90); }

void drawTitle(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    TextStyle s;
    s.scale = w / 64.0f;
    s.color = rgb(150, 20, 18);
    s.shadow = withAlpha(rgb(0, 0, 0), 0.9f);
    s.shadowOffset = 0.35f;
    s.drips = 0.4f;
    s.dripLength = 3.5f;
    s.seed = 91;
    BitmapFont::drawCentered(c, "VESPERINE", w / 2, h * 0.16f, s);
    // Worn spots in the paint.
    Random worn(94);
    for (int i = 0; i < 60; ++i) {
        float x = worn.range(w * 0.08f, w * 0.92f);
        float y = worn.range(h * 0.16f, h * 0.16f + s.scale * 7);
        Color under = c.get(static_cast<int>(x), static_cast<int>(y));
        if (under.a > 0.5f) c.fill(circle(x, y, worn.range(1.0f, 3.0f)), withAlpha(rgb(70, 8, 8), 0.9f));
    }
    TextStyle sub = style(w / 220.0f, palette::kTextDim, 93);
    BitmapFont::drawCentered(c, "find her before the lights go out", w / 2, h * 0.8f, sub);
}

void drawAreYouSure(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    // Opaque: it stands over the level, his thoughts and prompts.
    panel(c, 2, 2, w - 2, h - 2, 1.0f, palette::kPanelEdge, 101);
    const std::string question = "Are you sure you want to quit?";
    TextStyle s = style(BitmapFont::fitScale(question, w * 0.88f, w / 150.0f), palette::kText, 102);
    BitmapFont::drawCentered(c, question, w / 2, h * 0.22f, s);
    TextStyle d = style(BitmapFont::fitScale("Anything since the last lamp will be lost.", w * 0.88f, w / 260.0f), palette::kTextDim, 103);
    BitmapFont::drawCentered(c, "Anything since the last lamp will be lost.", w / 2, h * 0.5f, d);
}

void drawCredits(Canvas& c, int) {
    float w = W(c);
    float h = H(c);
    // Opaque: the title and the buttons lie under it.
    panel(c, 2, 2, w - 2, h - 2, 1.0f, palette::kPanelEdge, 111);
    TextStyle title = style(w / 160.0f, rgb(170, 40, 34), 112);
    BitmapFont::drawCentered(c, "CREDITS", w / 2, h * 0.08f, title);
    std::vector<std::string> lines = {
        "VESPERINE",
        "",
        "Story, design and code",
        "the Vesperine team",
        "",
        "Every picture drawn by our own code",
        "Every sound synthesised by our own code",
        "Dialogue font: DejaVu Serif",
        "",
        "Thank you for playing.",
    };
    float y = h * 0.24f;
    for (const std::string& line : lines) {
        TextStyle s = style(w / 384.0f, line == "VESPERINE" ? palette::kText : palette::kTextDim, 113);
        BitmapFont::drawCentered(c, line, w / 2, y, s);
        y += BitmapFont::lineHeight(s.scale) * 1.2f;
    }
    TextStyle hint = style(w / 400.0f, palette::kTextDim, 114);
    BitmapFont::drawCentered(c, "Esc to go back", w / 2, h * 0.9f, hint);
}

namespace {
// The one panel, with the line that says what Escape does where it is shown.
void howToPlayPanel(Canvas& c, const char* escapeLine) {
    float w = W(c);
    float h = H(c);
    // Opaque: on the title menu the title and the buttons lie under it.
    panel(c, 2, 2, w - 2, h - 2, 1.0f, palette::kPanelEdge, 121);
    TextStyle title = style(w / 160.0f, rgb(170, 40, 34), 122);
    BitmapFont::drawCentered(c, "HOW TO PLAY", w / 2, h * 0.08f, title);
    struct Row {
        const char* keys;
        const char* what;
    };
    const Row rows[] = {
        {"W A S D", "walk"},
        {"Shift", "run, once you can"},
        {"Mouse", "point the torch"},
        {"E", "look, talk, pick up, answer"},
        {"A / D", "choose yes or no"},
        {"W A S D fast", "break free when grabbed"},
        {"Esc", "pause"},
    };
    float y = h * 0.27f;
    float scale = w / 384.0f;
    for (const Row& row : rows) {
        TextStyle k = style(scale, palette::kText, 123);
        TextStyle d = style(scale, palette::kTextDim, 124);
        BitmapFont::draw(c, row.keys, w * 0.42f - BitmapFont::width(row.keys, scale), y, k);
        BitmapFont::draw(c, row.what, w * 0.47f, y, d);
        y += BitmapFont::lineHeight(scale) * 1.4f;
    }
    TextStyle hint = style(w / 400.0f, palette::kTextDim, 125);
    BitmapFont::drawCentered(c, "Stay out of their sight. Light slows them down.", w / 2, h * 0.84f, hint);
    BitmapFont::drawCentered(c, escapeLine, w / 2, h * 0.91f, hint);
}
}  // namespace

void drawHowToPlay(Canvas& c, int) { howToPlayPanel(c, "Esc to go back"); }
// In the pause menu Escape leaves the panel and the menu together.
void drawPauseHowToPlay(Canvas& c, int) { howToPlayPanel(c, "Esc to resume the game"); }

void drawNumbers(Canvas& c, int index) {
    float w = W(c);
    c.fill(box(3, 3, w - 3, w - 3, 6), withAlpha(rgb(20, 22, 24), 0.85f));
    c.fill(subtract(box(3, 3, w - 3, w - 3, 6), box(5, 5, w - 5, w - 5, 5)), palette::kPanelEdge);
    std::string text = std::to_string(index);
    float scale = w / (text.size() > 1 ? 16.0f : 11.0f);
    TextStyle s = style(scale, palette::kText, 131 + index);
    BitmapFont::drawCentered(c, text, w / 2, w / 2 - scale * 3.5f, s);
}

}  // namespace sprites
