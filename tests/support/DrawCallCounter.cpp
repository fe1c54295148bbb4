#include "DrawCallCounter.h"

#include <GL/gl.h>
#include <dlfcn.h>

namespace {

long gDrawCalls = 0;

template <class Function>
Function NextSymbol(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

long DrawCallsSoFar()
{
    return gDrawCalls;
}

extern "C" {
void glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices)
{
    using Real = void (*)(GLenum, GLsizei, GLenum, const void*);
    static const Real real = NextSymbol<Real>("glDrawElements");
    ++gDrawCalls;
    real(mode, count, type, indices);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    using Real = void (*)(GLenum, GLint, GLsizei);
    static const Real real = NextSymbol<Real>("glDrawArrays");
    ++gDrawCalls;
    real(mode, first, count);
}
}
