#pragma once

#include <array>
#include <cstdint>

#include "graphics/GLResource.h"

// One vertex of a mesh: position x, y, z then texture coordinate u, v (20 bytes).
struct MeshVertex
{
    float x, y, z;
    float u, v;
};
static_assert(sizeof(MeshVertex) == 20, "the vertex layout is 5 packed floats");

using QuadCorners = std::array<MeshVertex, 4>;

// The unit quad, top-right, bottom-right, bottom-left, top-left, showing the whole picture.
inline constexpr QuadCorners kUnitQuad{{
    {0.5f, 0.5f, 0.0f, 1.0f, 1.0f},
    {0.5f, -0.5f, 0.0f, 1.0f, 0.0f},
    {-0.5f, -0.5f, 0.0f, 0.0f, 0.0f},
    {-0.5f, 0.5f, 0.0f, 0.0f, 1.0f},
}};

// The unit quad every sprite and particle is drawn with: a vertex array with a vertex buffer
// and an index buffer. The vertex order is top-right, bottom-right, bottom-left, top-left.
class Mesh : public GLResource
{
public:
    enum Corner { TopRight = 0, BottomRight = 1, BottomLeft = 2, TopLeft = 3 };

    Mesh();  // the quad in memory only; no GL call
    ~Mesh() override;

    // Creates and fills the GL objects; needs a current context (without one it does nothing
    // and the mesh stays in memory only).
    void Upload();
    // Refills the vertex buffer after the texture coordinates changed; nothing before Upload.
    // Sprites do not call it: the quad batch reads `vertices` in memory, not this buffer.
    void SyncVertices();
    bool IsUploaded() const { return vertexArray != 0; }

    void ReleaseGL() override;

    unsigned int vertexArray = 0;
    unsigned int vertexBuffer = 0;
    unsigned int indexBuffer = 0;
    // Held in the mesh itself: the draw reads every sprite's corners each frame, and one more
    // pointer to follow per sprite was one more cache miss.
    QuadCorners vertices = kUnitQuad;
    std::array<uint32_t, 6> indices;
};
