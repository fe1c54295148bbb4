#include "platform/GLContext.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/DisplayConnection.h"

namespace Platform {

namespace {

bool VersionAtLeast(const char* version, int wantMajor, int wantMinor)
{
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) {
        return false;
    }
    return major > wantMajor || (major == wantMajor && minor >= wantMinor);
}

// The software rasteriser allocates its bins and vertex stores afresh every frame, megabytes of
// them. By default glibc returns that memory to the kernel each frame and the next frame faults
// it back in page by page, on the thread that draws. Freed memory is kept for reuse instead.
void KeepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
#endif
}

}  // namespace

bool CreateGLContext(PlatformWindow& window, std::string& error)
{
    if (!window.IsOpen()) {
        error = "no window to make an OpenGL context on";
        return false;
    }
    if (window.GLContextHandle()) {
        return true;
    }
    KeepFreedMemoryForReuse();
    SDL_GLContext context = SDL_GL_CreateContext(window.Native());
    if (!context) {
        error = std::string("could not make an OpenGL 3.1 context: ") + SDL_GetError();
        return false;
    }
    if (SDL_GL_MakeCurrent(window.Native(), context) != 0) {
        error = std::string("could not make the OpenGL context current: ") + SDL_GetError();
        SDL_GL_DeleteContext(context);
        return false;
    }

    glewExperimental = GL_TRUE;
    const GLenum glewResult = glewInit();
    // Without a GLX display GLEW still loads the core entry points; only GLX's extensions miss.
    if (glewResult != GLEW_OK && glewResult != GLEW_ERROR_NO_GLX_DISPLAY) {
        error = std::string("could not load OpenGL functions: ") +
                reinterpret_cast<const char*>(glewGetErrorString(glewResult));
        SDL_GL_MakeCurrent(window.Native(), nullptr);
        SDL_GL_DeleteContext(context);
        return false;
    }
    while (glGetError() != GL_NO_ERROR) {
    }

    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!VersionAtLeast(version, 3, 1)) {
        error = std::string("OpenGL 3.1 is needed, the driver gives ") +
                (version ? version : "none");
        SDL_GL_MakeCurrent(window.Native(), nullptr);
        SDL_GL_DeleteContext(context);
        return false;
    }

    // Vsync where the server has it; the frame loop limits the rate where it has not.
    SDL_GL_SetSwapInterval(1);
    window.SetGLContextHandle(context);
    return true;
}

void DestroyGLContext(PlatformWindow& window)
{
    void* context = window.GLContextHandle();
    if (!context) {
        return;
    }
    if (SDL_GL_GetCurrentContext() == context) {
        SDL_GL_MakeCurrent(window.Native(), nullptr);
    }
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    window.SetGLContextHandle(nullptr);
}

bool HasGLContext(const PlatformWindow& window)
{
    return window.GLContextHandle() != nullptr;
}

void SwapBuffers(PlatformWindow& window)
{
    if (window.IsOpen() && window.GLContextHandle() && !DisplayLost()) {
        SDL_GL_SwapWindow(window.Native());
    }
}

void* CreateSharedGLContext(PlatformWindow& window)
{
    void* own = window.GLContextHandle();
    if (!window.IsOpen() || !own || DisplayLost() || SDL_GL_GetCurrentContext() != own) {
        return nullptr;
    }
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
    SDL_GLContext shared = SDL_GL_CreateContext(window.Native());
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
    // SDL makes a new context current where it was made: the window's own goes back.
    if (SDL_GL_MakeCurrent(window.Native(), static_cast<SDL_GLContext>(own)) != 0) {
        if (shared) {
            SDL_GL_DeleteContext(shared);
        }
        SDL_GL_MakeCurrent(window.Native(), static_cast<SDL_GLContext>(own));
        return nullptr;
    }
    return shared;
}

bool MakeGLContextCurrent(PlatformWindow& window, void* context)
{
    if (!window.IsOpen() || DisplayLost()) {
        return false;
    }
    return SDL_GL_MakeCurrent(window.Native(), static_cast<SDL_GLContext>(context)) == 0;
}

void DestroySharedGLContext(void* context)
{
    if (context) {
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context));
    }
}

std::string GLVersionString()
{
    if (!SDL_GL_GetCurrentContext()) {
        return "";
    }
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version ? version : "";
}

}  // namespace Platform
