#include "graphics/Mesh.h"

#include <GL/glew.h>

#include <cstddef>

#include "graphics/ShaderObject.h"

Mesh::Mesh()
    : indices{0, 1, 3, 1, 2, 3}
{
}

Mesh::~Mesh()
{
    ReleaseGL();
}

void Mesh::Upload()
{
    if (IsUploaded() || !GLReady())
        return;
    glGenVertexArrays(1, &vertexArray);
    glGenBuffers(1, &vertexBuffer);
    glGenBuffers(1, &indexBuffer);
    glBindVertexArray(vertexArray);

    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(MeshVertex)),
                 vertices.data(), GL_DYNAMIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint32_t)),
                 indices.data(), GL_STATIC_DRAW);

    glEnableVertexAttribArray(kPositionAttribute);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                          reinterpret_cast<const void*>(offsetof(MeshVertex, x)));
    glEnableVertexAttribArray(kTexCoordAttribute);
    glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, sizeof(MeshVertex),
                          reinterpret_cast<const void*>(offsetof(MeshVertex, u)));

    glBindBuffer(GL_ARRAY_BUFFER, 0);
    // The index buffer stays recorded in the vertex array.
    glBindVertexArray(0);
}

void Mesh::SyncVertices()
{
    if (!IsUploaded() || !GLReady())
        return;
    // Same size as at Upload, so the storage is reused rather than reallocated.
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(vertices.size() * sizeof(MeshVertex)),
                    vertices.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void Mesh::ReleaseGL()
{
    DeleteVertexObjects(vertexArray, vertexBuffer, indexBuffer);
}
