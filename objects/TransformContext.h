#pragma once

#include <functional>

#include "engine/Matrix4.h"
#include "engine/Vector3.h"

// What a mouse-tracking Transform reads from the window, input, graphics and scene
// systems. The engine fills the members once its systems exist; until then (and in tests
// and headless builds) the defaults below are used. A member left empty also falls back
// to its default.
struct TransformViewport
{
    int x = 0;
    int y = 0;
    int width = 1920;
    int height = 1080;
};

struct TransformMousePoint
{
    int x = 0;
    int y = 0;
};

struct TransformContext
{
    // The current OpenGL viewport (GL_VIEWPORT).
    std::function<TransformViewport()> viewport;
    // The input system's mouse position in window client pixels.
    std::function<TransformMousePoint()> mousePosition;
    // The graphics system's view and projection (GetView / GetProjection).
    std::function<Matrix4()> view;
    std::function<Matrix4()> projection;
    // The window system's client width and height.
    std::function<int()> windowWidth;
    std::function<int()> windowHeight;
    // True while the editor is the current scene.
    std::function<bool()> isEditorScene;
    // The editor camera's position (Camera::GetPosition).
    std::function<Vector3()> cameraPosition;
};

// The one context, built on first use with every member set to its default.
TransformContext& GetTransformContext();
// Puts every member back to its default.
void ResetTransformContext();
