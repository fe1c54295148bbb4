#pragma once

// Base of every object that owns OpenGL names (textures, meshes, shader programs). Each one is
// listed while it lives, so that the graphics system can release them all while its context
// still exists: sprites, emitters and caches may hold them past its Shutdown, and their
// destructors must then make no GL call.
class GLResource
{
public:
    GLResource(const GLResource&) = delete;
    GLResource& operator=(const GLResource&) = delete;

    // Deletes the GL names and zeroes them; safe to call twice.
    virtual void ReleaseGL() = 0;

protected:
    GLResource();
    virtual ~GLResource();
};

// True while a context is current and the GL entry points are loaded: GL calls may be made.
bool GLReady();

// Deletes a vertex array with its vertex and index buffers (when a context is current) and zeroes
// the three names either way.
void DeleteVertexObjects(unsigned int& vertexArray, unsigned int& vertexBuffer, unsigned int& indexBuffer);

// Releases every live GL resource. The graphics system calls it before the context goes.
void ReleaseAllGLResources();
