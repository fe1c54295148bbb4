#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/Matrix4.h"
#include "graphics/ViewBox.h"

class GameObject;
class LightSource;

// The "LightBlock" uniform block of the lit program: an array of light entries, std140.
// kLightCapacity sizes the GL buffer, bounds the packing loop, and is the array length that
// resources/shaders/ShadowFrag_new.txt declares (MAX_LIGHTS); a test checks that they agree.
constexpr int kLightCapacity = 40;
constexpr std::size_t kLightEntrySize = 176;
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
constexpr std::size_t kLightShapeOffset = 112;          // LightShape, 4 x vec4

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

// What the lit program needs of a light, worked out once per frame here rather than for every
// fragment (bytes 112..175 of an entry). A world point p lies at
//   local = (dot(p, axisX), dot(p, axisY)) - centre
// in the light's own units, at distance d = |local|. The light's level there is
//   (floorLevel + floorRest x fall) x reach x cone, with
//   fall  = 1 - ease((d - hardRadius) x fallScale)
//   reach = 1 - ease((d - fadeStart) x fadeScale)      exactly 0 from reachSquared on
//   cone  = ease((cos of the angle off the beam - coneOuterCos) x coneScale)
// where ease is smoothstep's curve on 0..1. The defaults give a light that reaches nowhere
// (a zero axis or cut-off), and a light without a cone gets one that never limits it.
struct LightShape
{
    float axisX[2] = {0.0f, 0.0f};  // the model's x axis over its squared length
    float axisY[2] = {0.0f, 0.0f};  // the same for y
    float centre[2] = {0.0f, 0.0f};
    float reachSquared = -1.0f;     // (1.15 x cut-off) squared
    float spot = 0.0f;              // 1 when a cone limits the light
    float hardRadius = 0.0f;        // full brightness out to here
    float fallScale = 1.0f;         // 1 / (cut-off - hard radius)
    float fadeStart = -1.0f;        // the cut-off
    float fadeScale = 1.0f;         // 1 / (0.15 x cut-off)
    float coneOuterCos = -3.0f;     // cos(half angle): the cone's edge
    float coneScale = 1.0f;         // 1 / (cos(0.55 x half angle) - cos(half angle))
    float floorLevel = 0.0f;        // minimum brightness within the cut-off, 0..1
    float floorRest = 1.0f;         // 1 - floorLevel
};
static_assert(sizeof(LightShape) == kLightEntrySize - kLightShapeOffset, "the shape part fills the entry");

LightShape ShapeOfLight(const Matrix4& model, const LightParams& params);

// Translate(x, y, z) x RotateZ(degrees) x Scale(sx, sy, 1): a light's (or a sprite's) model.
Matrix4 ObjectModelMatrix(float x, float y, float z, float rotationDegrees, float scaleX, float scaleY);
float DegreesToRadians(float degrees);

// Writes entry `index` (model, the parameters, then their shape) into the buffer of bufferSize bytes.
// Returns false, writing nothing, when the entry would not fit entirely.
bool PackLightEntry(unsigned char* buffer, std::size_t bufferSize, int index, const Matrix4& model,
                    const LightParams& params);

// A world circle that holds every point a light reaches (it adds exactly nothing outside).
// A light that reaches nowhere has a negative radiusSquared; one that cannot be judged (NaN)
// an infinite one.
struct LightReach
{
    float x = 0.0f;
    float y = 0.0f;
    float radiusSquared = -1.0f;

    // False only when no point of the box lies within the circle.
    bool Touches(const ViewBox& box) const;
};

LightReach ReachOfLight(const Matrix4& model, const LightParams& params);

// False only when no point of the box lies within the light's reach: such a light adds exactly
// nothing to what the frame shows.
bool LightReachesBox(const Matrix4& model, const LightParams& params, const ViewBox& box);

// Packs every enabled light of the list, in list order, into consecutive entries from 0: the
// model matrix of the light's object and the full parameter part, with Angle set from the
// object's rotation (also stored back into the LightSource). Stops at `capacity` entries and
// never writes past bufferSize. A light whose object has no Transform is skipped and reported
// once. Given a view box, lights that cannot reach it are left out, so a level's far rooms cost
// the lit program nothing. Clears gLightsDirty, since every packed entry is rewritten in full.
// Returns the count.
int PackLights(const std::vector<std::shared_ptr<GameObject>>& objects, unsigned char* buffer,
               std::size_t bufferSize, int capacity = kLightCapacity, const ViewBox* view = nullptr);

// A light found on a listed object (the object its walk found it on).
struct FoundLight
{
    const GameObject* object = nullptr;
    LightSource* light = nullptr;
};

// PackLights for lights already gathered by a walk of the list, in list order. Given reaches,
// it is filled with the reach of each packed entry, in entry order. A light with a glow
// (LightSource::GlowRadius) is followed by a second entry, GlowOfLight's, unless it is a spot
// whose cone has closed (a half angle of 0 gives no light at all). Given lightsOn, it is
// set to the count of enabled lights that give light, whether they reach the view or not.
int PackFoundLights(const std::vector<FoundLight>& lights, unsigned char* buffer, std::size_t bufferSize,
                    int capacity = kLightCapacity, const ViewBox* view = nullptr,
                    std::vector<LightReach>* reaches = nullptr, int* lightsOn = nullptr);

// The point light of a light's glow: at the light's place, out to the radius, in the light's
// colour scaled by the level (0..1).
LightParams GlowOfLight(const LightParams& params, float radius, float level);

// Set by anything that changes a light's parameters; the draw clears it after packing.
extern bool gLightsDirty;
// Sent every frame as the lit program's "AmbientLight".
extern float gAmbientLight;
