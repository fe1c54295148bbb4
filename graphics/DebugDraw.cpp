#include "graphics/DebugDraw.h"

#include <GL/glew.h>

#include <cmath>

#include "engine/Matrix4.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ShaderObject.h"

namespace Framework {

static_assert(sizeof(Vector3) == 3 * sizeof(float), "points go to GL as packed float triples");

void DebugDraw::DrawBox(const Vector3& a, const Vector3& b, const Vector3& colour)
{
    const Vector3 topLeft(a.x, b.y, a.z);
    const Vector3 bottomRight(b.x, a.y, b.z);
    boxVertices.push_back(b);
    boxVertices.push_back(topLeft);
    boxVertices.push_back(topLeft);
    boxVertices.push_back(a);
    boxVertices.push_back(a);
    boxVertices.push_back(bottomRight);
    boxVertices.push_back(bottomRight);
    boxVertices.push_back(b);
    RenderBoxes(colour);
}

void DebugDraw::DrawLine(const Vector3& a, const Vector3& b, const Vector3& colour)
{
    lineVertices.push_back(a);
    lineVertices.push_back(b);
    RenderLines(colour);
}

void DebugDraw::DrawCircle(const Vector3& centre, float radius, const Vector3& colour)
{
    for (int i = 0; i < 360; ++i) {
        const float angle = static_cast<float>(i) * 3.1415927f / 180.0f;
        circleVertices.emplace_back(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle), 0.0f);
    }
    RenderCircle(colour);
}

void DebugDraw::RenderBoxes(const Vector3& colour)
{
    Flush(boxVertices, GL_LINES, colour);
}

void DebugDraw::RenderLines(const Vector3& colour)
{
    Flush(lineVertices, GL_LINES, colour);
}

void DebugDraw::RenderCircle(const Vector3& colour)
{
    Flush(circleVertices, GL_LINE_LOOP, colour);
}

void DebugDraw::Flush(std::vector<Vector3>& points, unsigned int primitive, const Vector3& colour)
{
    std::shared_ptr<ShaderObject> shader;
    if (!points.empty() && gGraphicsSystem && GLReady())
        shader = gGraphicsSystem->GetShader();
    if (!shader || !shader->IsLinked()) {
        points.clear();
        return;
    }

    if (vertexArray == 0)
        glGenVertexArrays(1, &vertexArray);
    if (vertexBuffer == 0)
        glGenBuffers(1, &vertexBuffer);

    GLint previousArray = 0;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previousArray);

    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glUseProgram(shader->program);
    // The points are world coordinates: no model matrix.
    const Matrix4 mvp = gGraphicsSystem->GetProjection() * gGraphicsSystem->GetView();
    glUniformMatrix4fv(shader->uniforms.mvp, 1, GL_FALSE, mvp.Data());
    glUniform3f(shader->uniforms.inColor, colour.x, colour.y, colour.z);
    glLineWidth(2.0f);

    // An array object of our own, so no mesh's attribute set-up is touched.
    glBindVertexArray(vertexArray);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(points.size() * sizeof(Vector3)), points.data(),
                 GL_STATIC_DRAW);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    // No texture coordinates: (-1, -1) tells the plain program to use the colour alone.
    glDisableVertexAttribArray(kTexCoordAttribute);
    glVertexAttrib2f(kTexCoordAttribute, -1.0f, -1.0f);
    // No per-vertex tint either: the colour is inColor alone.
    glDisableVertexAttribArray(kTintAttribute);
    glVertexAttrib4f(kTintAttribute, 1.0f, 1.0f, 1.0f, 1.0f);
    glDrawArrays(primitive, 0, static_cast<GLsizei>(points.size()));
    glDisableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(static_cast<GLuint>(previousArray));

    // Both on after any flush, whatever was set before: later drawing may rely on it, and the
    // frame set-up turns the depth test off again for the world.
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glUseProgram(0);
    points.clear();
}

void DebugDraw::Clear()
{
    lineVertices.clear();
    boxVertices.clear();
    circleVertices.clear();
}

void DebugDraw::ReleaseGL()
{
    if (GLReady()) {
        if (vertexBuffer != 0)
            glDeleteBuffers(1, &vertexBuffer);
        if (vertexArray != 0)
            glDeleteVertexArrays(1, &vertexArray);
    }
    vertexBuffer = 0;
    vertexArray = 0;
}

}  // namespace Framework
