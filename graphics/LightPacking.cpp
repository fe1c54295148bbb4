#include "graphics/LightPacking.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine/LoggingSystem.h"
#include "graphics/LightSource.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

bool gLightsDirty = true;
float gAmbientLight = 0.0f;

float DegreesToRadians(float degrees)
{
    return degrees * 3.1415927f / 180.0f;
}

Matrix4 ObjectModelMatrix(float x, float y, float z, float rotationDegrees, float scaleX, float scaleY)
{
    // The product written out: each entry is the one non-zero term the full multiplication
    // would sum with exact zeros, so the values are the same bit for bit. Unturned objects
    // (most of them) skip the cosine and sine: those of 0 are exactly 1 and 0.
    float c = 1.0f;
    float s = 0.0f;
    if (rotationDegrees != 0.0f) {
        const Matrix4 turn = Matrix4::RotateZ(DegreesToRadians(rotationDegrees));
        c = turn[0];
        s = turn[1];
    }
    Matrix4 m;
    m[0] = c * scaleX;
    m[1] = s * scaleX;
    m[4] = -s * scaleY;
    m[5] = c * scaleY;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

LightShape ShapeOfLight(const Matrix4& model, const LightParams& params)
{
    LightShape shape;
    const float ax = model[0];
    const float ay = model[1];
    const float bx = model[4];
    const float by = model[5];
    const float lengthX = ax * ax + ay * ay;
    const float lengthY = bx * bx + by * by;
    const float cutoff = params.cutoffDistance;
    // Also false for NaN: such a light stays dark rather than lighting everything.
    if (!(lengthX >= 1e-8f && lengthY >= 1e-8f && cutoff > 0.0f))
        return shape;  // its defaults put every point past the reach

    shape.axisX[0] = ax / lengthX;
    shape.axisX[1] = ay / lengthX;
    shape.axisY[0] = bx / lengthY;
    shape.axisY[1] = by / lengthY;
    const float ox = model[12];
    const float oy = model[13];
    shape.centre[0] = (ox * shape.axisX[0] + oy * shape.axisX[1]) + params.position[0];
    shape.centre[1] = (ox * shape.axisY[0] + oy * shape.axisY[1]) + params.position[1];

    const float reach = cutoff * 1.15f;
    shape.reachSquared = reach * reach;
    shape.hardRadius = std::clamp(params.hardLightRatio, 0.0f, 1.0f) * cutoff;
    shape.fallScale = 1.0f / std::max(cutoff - shape.hardRadius, 0.0001f);
    shape.fadeStart = cutoff;
    shape.fadeScale = 1.0f / std::max(reach - cutoff, 0.0001f);
    shape.floorLevel = std::clamp(params.minimumBrightness, 0.0f, 1.0f);
    shape.floorRest = 1.0f - shape.floorLevel;

    // A cone that is a full turn (or more) does not limit the light.
    const float halfAngle = std::clamp(params.halfAngle, 0.0f, 3.1415927f);
    if (params.position[2] > 0.5f && halfAngle < 3.14159f) {
        shape.spot = 1.0f;
        shape.coneOuterCos = std::cos(halfAngle);
        shape.coneScale = 1.0f / std::max(std::cos(halfAngle * 0.55f) - shape.coneOuterCos, 0.0001f);
    }
    return shape;
}

bool PackLightEntry(unsigned char* buffer, std::size_t bufferSize, int index, const Matrix4& model,
                    const LightParams& params)
{
    if (!buffer || index < 0)
        return false;
    const std::size_t start = static_cast<std::size_t>(index) * kLightEntrySize;
    if (start > bufferSize || bufferSize - start < kLightEntrySize)
        return false;
    unsigned char* entry = buffer + start;
    std::memcpy(entry + kLightModelOffset, model.Data(), 16 * sizeof(float));
    std::memcpy(entry + kLightAngleOffset, &params, sizeof(LightParams));
    const LightShape shape = ShapeOfLight(model, params);
    std::memcpy(entry + kLightShapeOffset, &shape, sizeof(LightShape));
    return true;
}

LightReach ReachOfLight(const Matrix4& model, const LightParams& params)
{
    LightReach reach;
    const LightShape shape = ShapeOfLight(model, params);
    if (std::isnan(shape.reachSquared)) {
        reach.radiusSquared = std::numeric_limits<float>::infinity();
        return reach;
    }
    if (!(shape.reachSquared > 0.0f))
        return reach;
    // The reach is a circle in the light's own units; its world image lies within the circle
    // scaled by the longer axis, around the world point of the light's centre. A hair wider,
    // so that rounding at the rim never leaves out a light that still adds something.
    const float ax = model[0], ay = model[1], bx = model[4], by = model[5];
    reach.x = shape.centre[0] * ax + shape.centre[1] * bx;
    reach.y = shape.centre[0] * ay + shape.centre[1] * by;
    const float longest = std::max(ax * ax + ay * ay, bx * bx + by * by);
    reach.radiusSquared = shape.reachSquared * longest * 1.0001f;
    if (std::isnan(reach.x) || std::isnan(reach.y) || std::isnan(reach.radiusSquared)) {
        reach.x = reach.y = 0.0f;
        reach.radiusSquared = std::numeric_limits<float>::infinity();
    }
    return reach;
}

bool LightReach::Touches(const ViewBox& box) const
{
    if (!(radiusSquared >= 0.0f))
        return false;
    const float dx = std::max({box.minX - x, 0.0f, x - box.maxX});
    const float dy = std::max({box.minY - y, 0.0f, y - box.maxY});
    // Also true for NaN, so a box that cannot be judged keeps the light.
    return !(dx * dx + dy * dy > radiusSquared);
}

bool LightReachesBox(const Matrix4& model, const LightParams& params, const ViewBox& box)
{
    return ReachOfLight(model, params).Touches(box);
}

int PackLights(const std::vector<std::shared_ptr<GameObject>>& objects, unsigned char* buffer,
               std::size_t bufferSize, int capacity, const ViewBox* view)
{
    std::vector<FoundLight> lights;
    for (const std::shared_ptr<GameObject>& object : objects)
        if (object)
            if (LightSource* light = object->FindComponent<LightSource>())
                lights.push_back(FoundLight{object.get(), light});
    return PackFoundLights(lights, buffer, bufferSize, capacity, view);
}

LightParams GlowOfLight(const LightParams& params, float radius, float level)
{
    // A point light at the light's own place that fades from the centre out to the radius.
    LightParams glow;
    glow.angle = params.angle;
    glow.cutoffDistance = radius;
    glow.halfAngle = params.halfAngle;
    glow.hardLightRatio = 0.3f;
    for (int i = 0; i < 3; ++i)
        glow.colour[i] = params.colour[i] * std::clamp(level, 0.0f, 1.0f);
    glow.colour[3] = params.colour[3];
    glow.position[0] = params.position[0];
    glow.position[1] = params.position[1];
    glow.position[2] = 0.0f;
    glow.minimumBrightness = 0.0f;
    return glow;
}

int PackFoundLights(const std::vector<FoundLight>& lights, unsigned char* buffer, std::size_t bufferSize,
                    int capacity, const ViewBox* view, std::vector<LightReach>* reaches, int* lightsOn)
{
    if (reaches)
        reaches->clear();
    if (lightsOn)
        *lightsOn = 0;
    static bool reportedOverflow = false;
    int count = 0;
    bool full = false;
    // False once the block is full or the buffer ends.
    const auto pack = [&](const Matrix4& model, const LightParams& params) {
        const LightReach reach = ReachOfLight(model, params);
        if (view && !reach.Touches(*view))
            return true;
        if (count >= capacity) {
            if (!reportedOverflow) {
                Framework::ReportError("More than " + std::to_string(capacity) +
                                       " lights are on; the rest are not drawn");
                reportedOverflow = true;
            }
            return false;
        }
        if (!PackLightEntry(buffer, bufferSize, count, model, params))
            return false;
        if (reaches)
            reaches->push_back(reach);
        ++count;
        return true;
    };
    for (const FoundLight& found : lights) {
        LightSource* light = found.light;
        if (!light || !found.object || !light->Enabled)
            continue;
        const GameObject* owner = light->GetOwner() ? light->GetOwner() : found.object;
        const Transform* transform = owner->FindComponent<Transform>();
        if (!transform) {
            if (!light->reportedMissingTransform) {
                Framework::ReportError("Light of object \"" + owner->name + "\" has no Transform; it gives no light");
                light->reportedMissingTransform = true;
            }
            continue;
        }
        if (lightsOn)
            ++*lightsOn;
        if (full)
            continue;
        const Matrix4 model = ObjectModelMatrix(transform->position.x, transform->position.y, transform->position.z,
                                                transform->rotation, transform->scale.x, transform->scale.y);
        light->Angle = DegreesToRadians(transform->rotation);
        const LightParams params = light->GetParams();
        full = !pack(model, params);
        // A spot whose cone has closed gives no light, and so no glow: story scripts put the
        // torch out that way.
        const bool shines = !(params.position[2] > 0.5f && !(params.halfAngle > 0.0f));
        if (!full && light->GlowRadius > 0.0f && shines)
            full = !pack(model, GlowOfLight(params, light->GlowRadius, light->GlowLevel));
    }
    gLightsDirty = false;
    return count;
}
