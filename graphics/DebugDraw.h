#pragma once
#include <memory>
#include <vector>

#include "engine/Vector3.h"

namespace Framework {

// Coloured outlines in world coordinates (collider boxes, editor gizmos). Not a system: it has
// no Init, Update or Shutdown, and holds no GL object until it first draws.
class DebugDraw {
public:
    void Clear();  // empties the three point lists

    unsigned int vertexBuffer = 0;
    std::vector<Vector3> lineVertices;
    std::vector<Vector3> boxVertices;
    std::vector<Vector3> circleVertices;
};

}  // namespace Framework

extern std::shared_ptr<Framework::DebugDraw> gDebugDraw;
