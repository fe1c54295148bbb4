#include "graphics/LightPacking.h"

#include <cstring>
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
    return Matrix4::Translate(x, y, z) * Matrix4::RotateZ(DegreesToRadians(rotationDegrees)) *
           Matrix4::Scale(scaleX, scaleY, 1.0f);
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
    return true;
}

int PackLights(const std::vector<std::shared_ptr<GameObject>>& objects, unsigned char* buffer,
               std::size_t bufferSize, int capacity)
{
    static bool reportedOverflow = false;
    int count = 0;
    for (const std::shared_ptr<GameObject>& object : objects) {
        if (!object)
            continue;
        const std::shared_ptr<LightSource> light = object->GetComponent<LightSource>();
        if (!light || !light->Enabled)
            continue;
        if (count >= capacity) {
            if (!reportedOverflow) {
                Framework::ReportError("More than " + std::to_string(capacity) +
                                       " lights are on; the rest are not drawn");
                reportedOverflow = true;
            }
            break;
        }
        const GameObject* owner = light->GetOwner() ? light->GetOwner() : object.get();
        const std::shared_ptr<Transform> transform = owner->GetComponent<Transform>();
        if (!transform) {
            if (!light->reportedMissingTransform) {
                Framework::ReportError("Light of object \"" + owner->name + "\" has no Transform; it gives no light");
                light->reportedMissingTransform = true;
            }
            continue;
        }
        const Matrix4 model = ObjectModelMatrix(transform->position.x, transform->position.y, transform->position.z,
                                                transform->rotation, transform->scale.x, transform->scale.y);
        light->Angle = DegreesToRadians(transform->rotation);
        if (!PackLightEntry(buffer, bufferSize, count, model, light->GetParams()))
            break;
        ++count;
    }
    gLightsDirty = false;
    return count;
}
