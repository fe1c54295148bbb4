#include "graphics/DebugDraw.h"

namespace Framework {

void DebugDraw::Clear()
{
    lineVertices.clear();
    boxVertices.clear();
    circleVertices.clear();
}

}  // namespace Framework
