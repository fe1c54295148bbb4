// Tool keys, Delete, and the move / scale / rotate handles drawn around the selection.
#include <imgui.h>

#include "editor/Editor.h"
#include "editor/GizmoMath.h"
#include "graphics/DebugDraw.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "platform/KeyCodes.h"

using namespace GizmoMath;

namespace {
const Vector3 kGreen(0.0f, 1.0f, 0.0f);
const Vector3 kRed(1.0f, 0.0f, 0.0f);
const Vector3 kCyan(0.0f, 1.0f, 1.0f);
const Vector3 kYellow(1.0f, 1.0f, 0.0f);

Vector3 At(const Vector3& p, float dx, float dy)
{
    return Vector3(p.x + dx, p.y + dy, p.z);
}

void DrawCentre(const Vector3& p, bool hot)
{
    gDebugDraw->DrawBox(At(p, -0.5f, -0.5f), At(p, 0.5f, 0.5f), hot ? kYellow : kCyan);
}

void DrawAxis(const Vector3& p, bool xAxis, bool withEndBox, bool hot)
{
    const Vector3 colour = hot ? kYellow : (xAxis ? kGreen : kRed);
    if (xAxis)
        gDebugDraw->DrawLine(At(p, 0.5f, 0.0f), At(p, 5.0f, 0.0f), colour);
    else
        gDebugDraw->DrawLine(At(p, 0.0f, 0.5f), At(p, 0.0f, 5.0f), colour);
    if (withEndBox) {
        if (xAxis)
            gDebugDraw->DrawBox(At(p, 5.0f, -0.5f), At(p, 6.0f, 0.5f), colour);
        else
            gDebugDraw->DrawBox(At(p, -0.5f, 5.0f), At(p, 0.5f, 6.0f), colour);
    }
}
}  // namespace

void Editor::HandleShortcuts()
{
    if (!ImGui::GetCurrentContext())
        return;
    // The keys as the interface sees them, in order with its text and clicks. Letters typed into
    // a text field are text, not tools; a screen or question takes every key, its field focused
    // or not, so that nothing changes behind it.
    if (ImGui::GetIO().WantTextInput || ScreenOpen())
        return;
    // Letters' virtual codes are their capitals.
    if (ImGui::IsKeyPressed('Q', false))
        gizmoTool = ToolNone;
    if (ImGui::IsKeyPressed('W', false))
        gizmoTool = ToolMove;
    if (ImGui::IsKeyPressed('E', false))
        gizmoTool = ToolScale;
    if (ImGui::IsKeyPressed('R', false))
        gizmoTool = ToolRotate;
    if (ImGui::IsKeyPressed(Platform::VK_DELETE, false))
        DeleteSelected();
}

void Editor::DrawGizmo()
{
    const ImGuiIO& io = ImGui::GetIO();
    StepGizmo(io.MouseDown[0], io.KeysDown[Platform::VK_LSHIFT], ImGui::IsKeyPressed(Platform::VK_LSHIFT, false),
              InterfaceHasMouse() || ScreenOpen());
}

void Editor::StepGizmo(bool leftDown, bool shiftDown, bool shiftPressed, bool interfaceHasMouse)
{
    if (!selectedObject)
        return;
    const std::shared_ptr<Transform> transform = selectedObject->GetComponent<Transform>();
    if (!transform)
        return;
    const Vector3 p = transform->position;
    const Vector3 s = transform->scale;
    const float dx = mouseWorldPos.x - p.x;
    const float dy = mouseWorldPos.y - p.y;

    if (leftDown && gizmoDragMode != DragNone && !interfaceHasMouse) {
        switch (gizmoDragMode) {
        case DragFree:
            transform->SetPosition(Vector2(mouseWorldPos.x - dragOffset.x, mouseWorldPos.y - dragOffset.y));
            break;
        case DragMoveX:
        case DragMoveY: {
            const bool alongX = gizmoDragMode == DragMoveX;
            const float current = alongX ? p.x : p.y;
            const float target = alongX ? mouseWorldPos.x - dragOffset.x : mouseWorldPos.y - dragOffset.y;
            if (!autoSnap && shiftPressed)
                snapAnchor = current;
            float moved = target;
            if ((autoSnap || shiftDown) && !SnapStep(target, snapStep, snapAnchor, moved))
                break;
            transform->SetPosition(alongX ? Vector2(moved, p.y) : Vector2(p.x, moved));
            break;
        }
        case DragScale: {
            const float sx = dx - dragOffset.x + dragStartScale.x;
            transform->SetScale(Vector2(sx, Finite(dragScaleRatio * sx, s.y)));
            break;
        }
        case DragScaleX:
            transform->SetScale(Vector2(dx - dragOffset.x + dragStartScale.x, dragStartScale.y));
            break;
        case DragScaleY:
            transform->SetScale(Vector2(dragStartScale.x, dy - dragOffset.y + dragStartScale.y));
            break;
        case DragRotate: {
            float degrees = 0.0f;
            if (PointerAngle(dx, dy, degrees))
                transform->SetRotation(degrees);
            break;
        }
        default:
            break;
        }
        return;
    }

    gizmoDragMode = DragNone;
    gizmoDragging = false;
    const int hit = interfaceHasMouse ? DragNone : HitHandle(gizmoTool, dx, dy);
    if (gizmoTool == ToolMove || gizmoTool == ToolScale) {
        const bool scale = gizmoTool == ToolScale;
        DrawCentre(p, hit == DragFree || hit == DragScale);
        DrawAxis(p, true, scale, hit == DragMoveX || hit == DragScaleX);
        DrawAxis(p, false, scale, hit == DragMoveY || hit == DragScaleY);
    } else if (gizmoTool == ToolRotate) {
        gDebugDraw->DrawCircle(p, 1.0f, hit == DragRotate ? kYellow : kGreen);
    }
    const bool armed = gizmoArmedOn.lock() == selectedObject;
    gizmoArmedOn.reset();
    if (hit == DragNone)
        return;
    gizmoDragging = true;
    if (!leftDown) {
        gizmoArmedOn = selectedObject;
        return;
    }
    if (!armed)
        return;

    dragStartScale = Vector2(s.x, s.y);
    switch (hit) {
    case DragFree:
    case DragScale:
        dragOffset = Vector2(dx, dy);
        dragScaleRatio = ScaleRatio(s.x, s.y);
        break;
    case DragMoveX:
    case DragScaleX:
        dragOffset = Vector2(dx, 0.0f);
        break;
    case DragMoveY:
    case DragScaleY:
        dragOffset = Vector2(0.0f, dy);
        break;
    case DragRotate:
        dragStartAngle = dx < 0.0f ? 180.0f : 0.0f;
        break;
    default:
        break;
    }
    gizmoDragMode = hit;
}
