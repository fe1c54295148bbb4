#pragma once

#include <cstdint>
#include <vector>

#include "graphics/GLResource.h"

// One vertex of a mesh: position x, y, z then texture coordinate u, v (20 bytes).
struct MeshVertex
{
    float x, y, z;
    float u, v;
};
static_assert(sizeof(MeshVertex) == 20, "the vertex layout is 5 packed floats");

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
    std::vector<uint32_t> indices;
    std::vector<MeshVertex> vertices;
};
