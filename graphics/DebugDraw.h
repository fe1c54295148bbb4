#pragma once
#include <memory>
#include <vector>

#include "engine/Vector3.h"
#include "graphics/GLResource.h"

namespace Framework {

// Coloured outlines in world coordinates (collider boxes, editor gizmos). Not a system: it has
// no Init, Update or Shutdown. Every draw call flushes at once with the graphics system's plain
// program and the current camera, so its lists are empty again after each call. The GL names
// are made at the first flush (the global exists before any context) and released through
// ReleaseGL while the context still exists.
class DebugDraw : public GLResource {
public:
    DebugDraw() = default;
    ~DebugDraw() override = default;  // no GL call: the context is gone by then

    // The four sides of the rectangle with corners a and b; colour r, g, b in 0..1.
    void DrawBox(const Vector3& a, const Vector3& b, const Vector3& colour);
    void DrawLine(const Vector3& a, const Vector3& b, const Vector3& colour);
    // 360 points around the centre (its z is not used).
    void DrawCircle(const Vector3& centre, float radius, const Vector3& colour);

    void RenderBoxes(const Vector3& colour);
    void RenderLines(const Vector3& colour);
    void RenderCircle(const Vector3& colour);

    void Clear();  // empties the three point lists

    void ReleaseGL() override;

    unsigned int vertexBuffer = 0;
    unsigned int vertexArray = 0;
    std::vector<Vector3> lineVertices;
    std::vector<Vector3> boxVertices;
    std::vector<Vector3> circleVertices;

private:
    // Draws the list with the primitive (GL_LINES or GL_LINE_LOOP) and empties it. Without a
    // context or a linked plain program the points are only dropped.
    void Flush(std::vector<Vector3>& points, unsigned int primitive, const Vector3& colour);
};

}  // namespace Framework

extern std::shared_ptr<Framework::DebugDraw> gDebugDraw;
