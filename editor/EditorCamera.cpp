// The editor camera's pan and zoom, and picking objects with the mouse.
#include <imgui.h>

#include <algorithm>
#include <iostream>

#include "editor/Editor.h"
#include "editor/PickMath.h"
#include "engine/Camera.h"
#include "engine/WindowSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace {
float WindowWidth()
{
    return gWindowSystem ? static_cast<float>(gWindowSystem->width) : 1920.0f;
}
float WindowHeight()
{
    return gWindowSystem ? static_cast<float>(gWindowSystem->height) : 1080.0f;
}
}  // namespace

bool Editor::InterfaceHasMouse()
{
    // Not "a window is hovered": that is denied while a widget is being dragged.
    return ImGui::GetCurrentContext() && ImGui::GetIO().WantCaptureMouse;
}

bool Editor::CompareDepth(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b)
{
    const auto ta = a ? a->GetComponent<Transform>() : nullptr;
    const auto tb = b ? b->GetComponent<Transform>() : nullptr;
    return (ta ? ta->position.z : 0.0f) > (tb ? tb->position.z : 0.0f);
}

void Editor::FocusCameraOn(const GameObject& object)
{
    const auto transform = object.GetComponent<Transform>();
    if (!gCamera || !transform)
        return;
    gCamera->position.x = -(gCamera->size.x * transform->position.x);
    gCamera->position.y = -(gCamera->size.y * transform->position.y);
}

void Editor::UpdateCameraPanZoom()
{
    if (!gCamera || !ImGui::GetCurrentContext())
        return;
    const ImGuiIO& io = ImGui::GetIO();
    Framework::Camera& camera = *gCamera;
    const Vector2 offset(camera.position.x - mouseScreenPos.x, camera.position.y - mouseScreenPos.y);
    mouseScreenPos = Vector2(io.MousePos.x, WindowHeight() - io.MousePos.y);
    // A screen takes the mouse from the frame it is asked for, before the library sees it drawn.
    if (InterfaceHasMouse() || ScreenOpen())
        return;

    if (io.MouseDown[2]) {
        camera.position.x = mouseScreenPos.x + offset.x;
        camera.position.y = mouseScreenPos.y + offset.y;
    }

    if (wheel != 0.0f) {
        const float w = camera.size.x;
        const float h = camera.size.y;
        std::cout << w << " " << h << "\n";
        camera.size.x = std::max(0.1f, w + wheel);
        camera.size.y = std::max(0.1f, h + wheel);
        // A zero size (a broken camera record) would divide by zero: the position stays.
        if (w != 0.0f)
            camera.position.x += camera.position.x * wheel / w;
        if (h != 0.0f)
            camera.position.y += camera.position.y * wheel / h;
    }
}

void Editor::PickObject()
{
    if (!gCamera)
        return;
    mouseWorldPos = PickMath::ScreenToWorld(mouseScreenPos, WindowWidth(), WindowHeight(), gCamera->position,
                                            gCamera->size);
    if (InterfaceHasMouse() || ScreenOpen() || !ImGui::GetCurrentContext() || !ImGui::GetIO().MouseDown[0])
        return;
    const std::shared_ptr<GameObject> hit = PickMath::Topmost(gGameObjects, mouseWorldPos);
    if (!hit || gizmoDragging)
        return;
    selectedObject = hit;
    if (cameraFocusSelected)
        FocusCameraOn(*hit);
}
