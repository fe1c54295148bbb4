#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/Matrix4.h"

class GameObject;

// The "LightBlock" uniform block of the lit program: an array of light entries, std140.
// kLightCapacity sizes the GL buffer, bounds the packing loop, and is the array length that
// resources/shaders/ShadowFrag_new.txt declares (MAX_LIGHTS); a test checks that they agree.
constexpr int kLightCapacity = 40;
constexpr std::size_t kLightEntrySize = 112;
constexpr std::size_t kLightBufferSize = kLightCapacity * kLightEntrySize;

// Byte offsets inside one entry.
constexpr std::size_t kLightModelOffset = 0;            // mat4, column-major
constexpr std::size_t kLightAngleOffset = 64;           // float, radians
constexpr std::size_t kLightCutoffOffset = 68;          // float
constexpr std::size_t kLightHalfAngleOffset = 72;       // float, radians
constexpr std::size_t kLightHardRatioOffset = 76;       // float
constexpr std::size_t kLightColourOffset = 80;          // vec4
constexpr std::size_t kLightPositionOffset = 96;        // vec3 (z 1 spot, 0 point)
constexpr std::size_t kLightMinBrightnessOffset = 108;  // float

// The 48-byte parameter part of an entry (bytes 64..111), in the entry's order.
struct LightParams
{
    float angle = 0.0f;
    float cutoffDistance = 200.0f;
    float halfAngle = 15.0f;
    float hardLightRatio = 0.1f;
    float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float position[3] = {0.0f, 0.0f, 0.0f};
    float minimumBrightness = 0.1f;
};
static_assert(sizeof(LightParams) == 48, "the parameter part of a light entry is 48 bytes");

// Translate(x, y, z) x RotateZ(degrees) x Scale(sx, sy, 1): a light's (or a sprite's) model.
Matrix4 ObjectModelMatrix(float x, float y, float z, float rotationDegrees, float scaleX, float scaleY);
float DegreesToRadians(float degrees);

// Writes entry `index` (model, then the parameters) into the buffer of bufferSize bytes.
// Returns false, writing nothing, when the entry would not fit entirely.
bool PackLightEntry(unsigned char* buffer, std::size_t bufferSize, int index, const Matrix4& model,
                    const LightParams& params);

// Packs every enabled light of the list, in list order, into consecutive entries from 0: the
// model matrix of the light's object and the full parameter part, with Angle set from the
// object's rotation (also stored back into the LightSource). Stops at `capacity` entries and
// never writes past bufferSize. A light whose object has no Transform is skipped and reported
// once. Clears gLightsDirty, since every packed entry is rewritten in full. Returns the count.
int PackLights(const std::vector<std::shared_ptr<GameObject>>& objects, unsigned char* buffer,
               std::size_t bufferSize, int capacity = kLightCapacity);

// Set by anything that changes a light's parameters; the draw clears it after packing.
extern bool gLightsDirty;
// Sent every frame as the lit program's "AmbientLight".
extern float gAmbientLight;
