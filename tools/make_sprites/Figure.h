#pragma once
// A person seen from above at a steep three-quarter angle: the one drawing
// routine behind the father, the nurse, the surgeon, the patient and the girl.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

enum class Facing { Down, Up, Left, Right };

enum class HairStyle { Short, Bun, Bald, Long };

enum class HeldItem { None, Torch, Cleaver };

struct Outfit {
    Color skin;
    Color hair;
    Color coat;       // upper garment (coat, dress, scrubs, gown)
    Color legs;       // trousers or stockings
    Color shoes;
    HairStyle hairStyle = HairStyle::Short;
    bool skirt = false;        // a dress instead of a long coat over trousers
    float coatLength = 1.0f;   // 1 reaches the knees, less ends higher
    bool nurseCap = false;
    bool surgicalCap = false;
    bool mask = false;
    bool bow = false;
    bool stubble = false;
    Color accent;              // cap cross, bow, apron
    float blood = 0.0f;        // 0 clean .. 1 soaked
    bool hollowEyes = false;   // dark sockets instead of eyes
    float size = 1.0f;         // 1 is a grown man in a 128 pixel frame
    float headScale = 1.0f;
    float thinArms = 1.0f;     // arm thickness factor
    unsigned seed = 1;
};

struct Pose {
    Facing facing = Facing::Down;
    float walkPhase = 0.0f;   // 0..1 through one full stride cycle
    float stride = 0.0f;      // 0 standing, 1 full walk, about 1.6 running
    float breath = 0.0f;      // -1..1 idle breathing
    HeldItem item = HeldItem::None;
    bool itemLit = true;      // torch lens glowing
    bool reach = false;       // both arms thrown forward (grabbing)
    float lean = 0.0f;        // body tilt in radians (side views)
    float headTilt = 0.0f;    // radians
};

// Draws the figure with its feet on (cx, baseY) in a canvas whose frame is
// 128 * outfit.size pixels tall; adds a soft floor shadow.
void drawFigure(Canvas& canvas, float cx, float baseY, const Outfit& outfit, const Pose& pose);

// The floor shadow alone (drawn by drawFigure too).
void drawFloorShadow(Canvas& canvas, float cx, float baseY, float width);

}  // namespace sprites
