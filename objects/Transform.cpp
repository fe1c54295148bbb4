#include "objects/Transform.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

#include <imgui.h>

#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/Vector4.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"
#include "objects/TransformContext.h"

namespace
{
constexpr float kPi = 3.1415927f;

Vector4 Apply(const Matrix4& m, const Vector4& v)
{
    Vector4 r;
    r.x = ((m[0] * v.x + m[4] * v.y) + m[8] * v.z) + m[12] * v.w;
    r.y = ((m[1] * v.x + m[5] * v.y) + m[9] * v.z) + m[13] * v.w;
    r.z = ((m[2] * v.x + m[6] * v.y) + m[10] * v.z) + m[14] * v.w;
    r.w = ((m[3] * v.x + m[7] * v.y) + m[11] * v.z) + m[15] * v.w;
    return r;
}

template <class T>
T Read(const std::function<T()>& source, T fallback)
{
    return source ? source() : fallback;
}
} // namespace

Transform::Transform(float x, float y, float z, float scaleX, float scaleY)
    : Component(kTypeId), position(x, y, z), scale(scaleX, scaleY, 1.0f)
{
    TransformMousePoint mouse = Read(GetTransformContext().mousePosition, TransformMousePoint{});
    mousePosition = Vector2(static_cast<float>(mouse.x), static_cast<float>(mouse.y));
}

void Transform::Init()
{
    typeId = kTypeId;
    RebuildModelMatrix();
}

void Transform::Update(float dt)
{
    (void)dt;
    if (mouseTracking)
        TrackMouse();
    RebuildModelMatrix();
}

std::shared_ptr<Component> Transform::Clone() const
{
    return std::make_shared<Transform>(*this);
}

void Transform::RebuildModelMatrix()
{
    const float now[7] = {position.x, position.y, position.z, rotation, scale.x, scale.y, scale.z};
    if (built && std::memcmp(now, builtFrom, sizeof(now)) == 0)
        return;
    std::memcpy(builtFrom, now, sizeof(now));
    built = true;
    modelMatrix = Matrix4::Translate(position.x, position.y, position.z) *
                  Matrix4::RotateZDegrees(rotation) * Matrix4::Scale(scale.x, scale.y, 1.0f);
}

Matrix4 Transform::GetMatrix() const
{
    if (owner && owner->objectType == 10)
        return Matrix4::Scale(scale.x, scale.y, 1.0f) * Matrix4::RotateZDegrees(rotation) *
               Matrix4::Translate(-position.x, -position.y, position.z);
    return modelMatrix;
}

template <class Visit>
void Transform::ForEachChildTransform(Visit visit)
{
    if (!owner)
        return;
    for (size_t i = 0; i < owner->children.size(); ++i)
    {
        std::shared_ptr<GameObject> child = owner->children[i];
        if (std::shared_ptr<Transform> t = child ? child->GetComponent<Transform>() : nullptr)
            visit(*t);
    }
}

void Transform::SetPosition(const Vector2& p)
{
    Vector2 offset = p - Vector2(position.x, position.y);
    position.x = p.x;
    position.y = p.y;
    ForEachChildTransform([&offset](Transform& t) { t.SetPosition(Vector2(t.position.x, t.position.y) + offset); });
}

void Transform::SetScale(const Vector2& s)
{
    Vector2 change = s - Vector2(scale.x, scale.y);
    scale.x = s.x;
    scale.y = s.y;
    ForEachChildTransform([&change](Transform& t) { t.SetScale(Vector2(t.scale.x, t.scale.y) + change); });
}

template <class SetChildAngle>
void Transform::TurnChildren(float deltaDegrees, SetChildAngle setChildAngle)
{
    float product = deltaDegrees * kPi;
    float delta = product / 180.0f;
    float c = static_cast<float>(std::cos(static_cast<double>(delta)));
    float s = static_cast<float>(std::sin(static_cast<double>(delta)));
    ForEachChildTransform([&](Transform& t) {
        float px = position.x;
        float py = position.y;
        float rx = t.position.x - px;
        float ry = t.position.y - py;
        // The angle first: the child's own children then turn about the child.
        setChildAngle(t);
        t.SetPosition(Vector2(px + c * rx - s * ry, py + s * rx + c * ry));
    });
}

void Transform::SetRotation(float degrees)
{
    float delta = degrees - rotation;
    rotation = degrees;
    TurnChildren(delta, [degrees](Transform& child) { child.SetRotation(degrees); });
}

void Transform::Rotate(float radians)
{
    float product = radians * 180.0f;
    float degrees = product / kPi;
    float delta = degrees - rotation;
    rotation = degrees;
    TurnChildren(delta, [radians](Transform& child) { child.Rotate(radians); });
}

void Transform::TrackMouse()
{
    const TransformContext& context = GetTransformContext();
    TransformViewport vp = Read(context.viewport, TransformViewport{});
    TransformMousePoint mouse = Read(context.mousePosition, TransformMousePoint{});
    // The input system keeps the pointer as two 16-bit values.
    float mx = static_cast<float>(static_cast<int16_t>(mouse.x));
    float my = static_cast<float>(static_cast<int16_t>(mouse.y));
    mousePosition = Vector2(mx, my);

    Matrix4 view = Read(context.view, Matrix4());
    Matrix4 projection = Read(context.projection, Matrix4());
    Matrix4 m = view * projection;
    m.Inverse();

    const bool editor = Read(context.isEditorScene, false);
    const float vx = static_cast<float>(vp.x);
    const float vy = static_cast<float>(vp.y);
    const float vw = static_cast<float>(vp.width);
    const float vh = static_cast<float>(vp.height);

    float nx, ny;
    if (editor)
    {
        nx = 2.0f * (mx - vx) / vw - 1.0f;
        ny = 1.0f - 2.0f * (my - vy) / vh;
    }
    else
    {
        nx = mx / (vw * 0.5f) - 1.0f;
        ny = my / (vh * 0.5f) - 1.0f;
    }
    Vector4 p = Apply(m, Vector4(nx, ny, 1.0f, 1.0f));

    float rx = static_cast<float>(Read(context.windowWidth, 1920)) * 0.5f;
    float ry = static_cast<float>(Read(context.windowHeight, 1080)) * 0.5f;
    if (editor)
    {
        Vector3 camera = Read(context.cameraPosition, Vector3());
        rx += camera.x;
        ry += camera.y;
    }
    float qx = 2.0f * (rx - vx) / vw - 1.0f;
    float qy = 2.0f * (ry - vy) / vh - 1.0f;
    Vector4 q = Apply(m, Vector4(qx, qy, 1.0f, 1.0f));
    float dx = p.x - q.x;
    float dy = p.y - q.y;

    double theta = editor ? std::atan2(static_cast<double>(dx - position.x), static_cast<double>(position.y + dy))
                          : std::atan2(static_cast<double>(dx), static_cast<double>(-dy));
    float product = static_cast<float>(theta) * 180.0f;
    rotation = product / kPi;
}

void Transform::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "Position");
    WriteVec3(stream, position);
    WriteString(stream, "Rotate");
    WriteFloat(stream, rotation);
    WriteString(stream, "Scale");
    WriteVec3(stream, scale);
    WriteString(stream, "MouseTracking");
    stream << (mouseTracking ? 1 : 0) << '\n';
}

void Transform::Deserialize(std::istream& stream)
{
    std::string key;
    float px = 0.0f, py = 0.0f, pz = 0.0f;
    stream >> key >> px >> py >> pz;
    position = Vector3(px, py, pz);
    stream >> key >> rotation;
    float sx = 0.0f, sy = 0.0f, sz = 0.0f;
    stream >> key >> sx >> sy >> sz;
    scale = Vector3(sx, sy, sz);
    int tracking = 0;
    stream >> key >> tracking;
    mouseTracking = tracking != 0;
}

void Transform::Inspector(int id)
{
    float pos[3] = {position.x, position.y, position.z};
    float scl[2] = {scale.x, scale.y};
    float angle = rotation;
    bool tracking = mouseTracking;

    if (!FieldOwner::PanelHeader("Transform"))
        return;
    ImGui::Spacing();
    ImGui::Text("Transform ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvailWidth());
    if (ValueFields::InputFloat3("Position", pos, "%.2f"))
    {
        SetPosition(Vector2(pos[0], pos[1]));
        position.z = pos[2];
    }
    if (ValueFields::InputFloat2("Scale", scl, "%.2f"))
        SetScale(Vector2(scl[0], scl[1]));
    if (ValueFields::InputFloat("Rotation in Deg", &angle, 2.0f, 32.0f, "%f"))
        SetRotation(angle);
    ImGui::PopItemWidth();
    ImGui::Spacing();
    if (ImGui::Checkbox("Mouse Tracking", &tracking))
        mouseTracking = tracking;
    ImGui::Spacing();
}
