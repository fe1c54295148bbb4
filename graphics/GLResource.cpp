#include "graphics/GLResource.h"

#include <GL/glew.h>
#include <SDL.h>

#include <unordered_set>
#include <vector>

namespace
{
// Never destroyed: resources held by globals unregister during exit, after any
// function-local static made later would already be gone.
std::unordered_set<GLResource*>& Registry()
{
    static auto* registry = new std::unordered_set<GLResource*>();
    return *registry;
}
} // namespace

GLResource::GLResource()
{
    Registry().insert(this);
}

GLResource::~GLResource()
{
    Registry().erase(this);
}

bool GLReady()
{
    return SDL_GL_GetCurrentContext() != nullptr && glGenBuffers != nullptr;
}

void ReleaseAllGLResources()
{
    // Copy first: releasing must not touch the set while it is walked.
    std::vector<GLResource*> live(Registry().begin(), Registry().end());
    for (GLResource* resource : live)
        resource->ReleaseGL();
}

void DeleteVertexObjects(unsigned int& vertexArray, unsigned int& vertexBuffer, unsigned int& indexBuffer)
{
    if (GLReady()) {
        if (vertexArray)
            glDeleteVertexArrays(1, &vertexArray);
        if (vertexBuffer)
            glDeleteBuffers(1, &vertexBuffer);
        if (indexBuffer)
            glDeleteBuffers(1, &indexBuffer);
    }
    vertexArray = 0;
    vertexBuffer = 0;
    indexBuffer = 0;
}
