#pragma once

#include <cstdint>

#include "graphics/GLResource.h"

class QuadBatch;

// The GL side of QuadBatch: one vertex buffer refilled each frame and one index buffer of
// the fixed two-triangle pattern per quad, with the vertex array that reads them.
class QuadStream : public GLResource
{
public:
    QuadStream() = default;
    ~QuadStream() override;

    // Sends the batch's vertices (making the GL objects on first use, growing the index
    // pattern when needed) and leaves the stream's vertex array bound. False without a
    // context.
    bool Upload(const QuadBatch& batch);
    // Draws quads [firstQuad, firstQuad + quadCount) of the last upload with whatever
    // program and texture are in use.
    void DrawQuads(uint32_t firstQuad, uint32_t quadCount) const;

    void ReleaseGL() override;

    unsigned int vertexArray = 0;
    unsigned int vertexBuffer = 0;
    unsigned int indexBuffer = 0;
    uint32_t indexedQuads = 0;  // quads the index pattern covers
};
