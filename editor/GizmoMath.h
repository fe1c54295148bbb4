#pragma once

// The handle geometry and drag arithmetic of the editor's move, scale and rotate gizmo, in
// world units relative to the selected object's centre.
namespace GizmoMath {

enum Tool { ToolMove = 0, ToolScale = 1, ToolRotate = 2, ToolNone = 99 };
enum Drag {
    DragFree = 0,
    DragMoveX = 1,
    DragMoveY = 2,
    DragScale = 3,
    DragScaleX = 4,
    DragScaleY = 5,
    DragRotate = 6,
    DragNone = 99,
};

// The drag a press at offset (dx, dy) from the centre would start with the tool, or DragNone.
// Handles are tested centre first, then x, then y; bounds are inclusive.
int HitHandle(int tool, float dx, float dy);

// scale y / scale x at the grab of the uniform handle; 1 when x is 0 or either is not finite,
// so that a flat object keeps a finite size.
float ScaleRatio(float scaleX, float scaleY);

// Direction of the pointer seen from the centre, in degrees counter-clockwise from +x
// (-180..180). False, leaving degrees alone, when the pointer is on the centre.
bool PointerAngle(float dx, float dy, float& degrees);

// One snapped step towards target from anchor: true with the new position when the target is
// a whole step away (anchor moves with it), false when the object stays. A step that is not
// positive never snaps.
bool SnapStep(float target, float step, float& anchor, float& position);

// value when finite, else fallback.
float Finite(float value, float fallback);

}  // namespace GizmoMath
