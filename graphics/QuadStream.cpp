#include "graphics/QuadStream.h"

#include <GL/glew.h>

#include <cstddef>
#include <vector>

#include "graphics/QuadBatch.h"
#include "graphics/ShaderObject.h"

QuadStream::~QuadStream()
{
    ReleaseGL();
}

bool QuadStream::Upload(const QuadBatch& batch)
{
    if (!GLReady())
        return false;
    if (vertexArray == 0) {
        glGenVertexArrays(1, &vertexArray);
        glGenBuffers(1, &vertexBuffer);
        glGenBuffers(1, &indexBuffer);
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glEnableVertexAttribArray(kPositionAttribute);
        glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                              reinterpret_cast<const void*>(offsetof(QuadVertex, x)));
        glEnableVertexAttribArray(kTexCoordAttribute);
        glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                              reinterpret_cast<const void*>(offsetof(QuadVertex, u)));
        glEnableVertexAttribArray(kTintAttribute);
        glVertexAttribPointer(kTintAttribute, 4, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                              reinterpret_cast<const void*>(offsetof(QuadVertex, r)));
        glEnableVertexAttribArray(kLightsLowAttribute);
        glVertexAttribIPointer(kLightsLowAttribute, 4, GL_UNSIGNED_BYTE, sizeof(QuadVertex),
                               reinterpret_cast<const void*>(offsetof(QuadVertex, lights)));
        glEnableVertexAttribArray(kLightsHighAttribute);
        glVertexAttribIPointer(kLightsHighAttribute, 4, GL_UNSIGNED_BYTE, sizeof(QuadVertex),
                               reinterpret_cast<const void*>(offsetof(QuadVertex, lights) + 4));
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    } else {
        glBindVertexArray(vertexArray);
    }

    const std::size_t quads = batch.QuadCount();
    if (quads > indexedQuads) {
        // Grown by doubling, so a crowd that builds up re-sends the pattern only a few times.
        uint32_t wanted = indexedQuads ? indexedQuads : 256;
        while (wanted < quads)
            wanted *= 2;
        std::vector<uint32_t> indices;
        indices.reserve(static_cast<std::size_t>(wanted) * 6);
        for (uint32_t q = 0; q < wanted; ++q)
            for (uint32_t corner : {0u, 1u, 3u, 1u, 2u, 3u})
                indices.push_back(q * 4 + corner);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint32_t)),
                     indices.data(), GL_STATIC_DRAW);
        indexedQuads = wanted;
    }

    // A fresh store each frame: the driver never waits for last frame's draws to finish.
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch.Vertices().size() * sizeof(QuadVertex)),
                 batch.Vertices().data(), GL_STREAM_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return true;
}

void QuadStream::DrawQuads(uint32_t firstQuad, uint32_t quadCount) const
{
    const std::size_t firstIndex = static_cast<std::size_t>(firstQuad) * 6;
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(quadCount * 6), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(firstIndex * sizeof(uint32_t)));
}

void QuadStream::ReleaseGL()
{
    DeleteVertexObjects(vertexArray, vertexBuffer, indexBuffer);
    indexedQuads = 0;
}
