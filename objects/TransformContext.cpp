#include "objects/TransformContext.h"

namespace
{
TransformContext MakeDefaultContext()
{
    TransformContext context;
    context.viewport = [] { return TransformViewport{}; };
    context.mousePosition = [] { return TransformMousePoint{}; };
    context.view = [] { return Matrix4(); };
    context.projection = [] { return Matrix4(); };
    context.windowWidth = [] { return 1920; };
    context.windowHeight = [] { return 1080; };
    context.isEditorScene = [] { return false; };
    context.cameraPosition = [] { return Vector3(); };
    return context;
}
} // namespace

TransformContext& GetTransformContext()
{
    static TransformContext context = MakeDefaultContext();
    return context;
}

void ResetTransformContext()
{
    GetTransformContext() = MakeDefaultContext();
}
