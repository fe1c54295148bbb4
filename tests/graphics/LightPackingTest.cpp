// Packing lights into the bytes of the "LightBlock" buffer, and the capacity that the C++ side
// and the shipped lit shader must agree on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>

#include "graphics/LightSource.h"
#include "graphics/Mesh.h"
#include "graphics/ViewBox.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

float FloatAt(const std::vector<unsigned char>& bytes, std::size_t offset)
{
    float value = 0.0f;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::shared_ptr<GameObject> LightObject(const std::string& name, float x, float y, float rotation, bool withTransform = true)
{
    auto object = std::make_shared<GameObject>(name, 1, 0);
    if (withTransform) {
        auto transform = std::make_shared<Transform>(x, y, 0.5f, 2.0f, 3.0f);
        transform->rotation = rotation;
        object->AddComponent(transform, Transform::kTypeId);
    }
    object->AddComponent(std::make_shared<LightSource>(15.0f), LightSource::kTypeId);
    return object;
}

TEST(LightPacking, EntryLayoutMatchesTheBlock)
{
    auto object = LightObject("Torch", 100.0f, -50.0f, 90.0f);
    auto light = object->GetComponent<LightSource>();
    light->CutoffDistance = 30.0f;
    light->HalfAngle = 0.5f;
    light->HardLightRatio = 0.4f;
    light->Colour = Vector4(1.0f, 0.6f, 0.2f, 1.0f);
    light->Position = Vector3(0.25f, -0.75f, 1.0f);
    light->MinimumBrightness = 0.05f;

    std::vector<unsigned char> buffer(kLightBufferSize, 0);
    gLightsDirty = true;
    ASSERT_EQ(PackLights({object}, buffer.data(), buffer.size()), 1);
    EXPECT_FALSE(gLightsDirty);

    const float quarterTurn = 90.0f * 3.1415927f / 180.0f;
    EXPECT_FLOAT_EQ(light->Angle, quarterTurn);
    // Model: translation in column 3, rotation and scale (2, 3) in columns 0 and 1.
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightModelOffset + 12 * 4), 100.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightModelOffset + 13 * 4), -50.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightModelOffset + 14 * 4), 0.5f);
    EXPECT_NEAR(FloatAt(buffer, kLightModelOffset + 1 * 4), 2.0f, 1e-5f);   // x axis turned to +y
    EXPECT_NEAR(FloatAt(buffer, kLightModelOffset + 4 * 4), -3.0f, 1e-5f);  // y axis turned to -x
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightAngleOffset), quarterTurn);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightCutoffOffset), 30.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightHalfAngleOffset), 0.5f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightHardRatioOffset), 0.4f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightColourOffset + 4), 0.6f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightColourOffset + 12), 1.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightPositionOffset), 0.25f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightPositionOffset + 8), 1.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightMinBrightnessOffset), 0.05f);
}

TEST(LightPacking, EveryFrameRewritesEveryParameterInListOrder)
{
    auto first = LightObject("A", 0.0f, 0.0f, 0.0f);
    auto off = LightObject("Off", 0.0f, 0.0f, 0.0f);
    auto bare = LightObject("NoTransform", 0.0f, 0.0f, 0.0f, false);
    auto second = LightObject("B", 0.0f, 0.0f, 0.0f);
    off->GetComponent<LightSource>()->Enabled = false;
    first->GetComponent<LightSource>()->CutoffDistance = 11.0f;
    second->GetComponent<LightSource>()->CutoffDistance = 22.0f;

    std::vector<unsigned char> buffer(kLightBufferSize, 0);
    const std::vector<std::shared_ptr<GameObject>> list = {first, nullptr, off, bare, second};
    ASSERT_EQ(PackLights(list, buffer.data(), buffer.size()), 2);
    EXPECT_TRUE(bare->GetComponent<LightSource>()->reportedMissingTransform);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightCutoffOffset), 11.0f);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightEntrySize + kLightCutoffOffset), 22.0f);

    // A change made without marking the lights changed still reaches the buffer.
    second->GetComponent<LightSource>()->CutoffDistance = 33.0f;
    ASSERT_FALSE(gLightsDirty);
    ASSERT_EQ(PackLights(list, buffer.data(), buffer.size()), 2);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightEntrySize + kLightCutoffOffset), 33.0f);
}

TEST(LightPacking, NothingIsWrittenPastTheCapacityOrTheBuffer)
{
    std::vector<std::shared_ptr<GameObject>> many;
    for (int i = 0; i < kLightCapacity + 15; ++i)
        many.push_back(LightObject("L" + std::to_string(i), static_cast<float>(i), 0.0f, 0.0f));

    // A guard zone after the block must stay untouched.
    std::vector<unsigned char> buffer(kLightBufferSize + 512, 0xAB);
    EXPECT_EQ(PackLights(many, buffer.data(), kLightBufferSize), kLightCapacity);
    for (std::size_t i = kLightBufferSize; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], 0xAB) << "byte " << i;
    EXPECT_FLOAT_EQ(FloatAt(buffer, (kLightCapacity - 1) * kLightEntrySize + 12 * 4),
                    static_cast<float>(kLightCapacity - 1));

    // A smaller capacity or a buffer too small for the next entry stops the packing there.
    std::fill(buffer.begin(), buffer.end(), 0xAB);
    EXPECT_EQ(PackLights(many, buffer.data(), kLightBufferSize, 3), 3);
    EXPECT_EQ(buffer[3 * kLightEntrySize], 0xAB);
    std::fill(buffer.begin(), buffer.end(), 0xAB);
    EXPECT_EQ(PackLights(many, buffer.data(), 2 * kLightEntrySize + 100), 2);
    EXPECT_EQ(buffer[2 * kLightEntrySize], 0xAB);

    EXPECT_FALSE(PackLightEntry(buffer.data(), kLightBufferSize, kLightCapacity, Matrix4(), LightParams()));
    EXPECT_FALSE(PackLightEntry(buffer.data(), kLightBufferSize, -1, Matrix4(), LightParams()));
    EXPECT_EQ(PackLights({}, buffer.data(), kLightBufferSize), 0);
}

TEST(LightPacking, TheShippedLitShaderDeclaresTheSameCapacity)
{
    std::ifstream in(std::string(VESPERINE_SOURCE_DIR) + "/resources/shaders/ShadowFrag_new.txt");
    ASSERT_TRUE(in);
    std::stringstream text;
    text << in.rdbuf();
    std::smatch match;
    const std::string source = text.str();
    ASSERT_TRUE(std::regex_search(source, match, std::regex("#define MAX_LIGHTS ([0-9]+)")));
    EXPECT_EQ(std::stoi(match[1].str()), kLightCapacity);
    EXPECT_NE(source.find("Light lights[MAX_LIGHTS]"), std::string::npos);
    // The worked-out part the shader reads after the parameters.
    for (const char* field : {"vec4 axes;", "vec4 centre;", "vec4 falloff;", "vec4 cone;"})
        EXPECT_NE(source.find(field), std::string::npos) << field;
}

// The light's level at a world point through the shape, as the lit program works it out.
float LevelThroughShape(const LightShape& s, float px, float py)
{
    const auto ease = [](float t) {
        t = std::min(std::max(t, 0.0f), 1.0f);
        return t * t * (3.0f - 2.0f * t);
    };
    const float lx = px * s.axisX[0] + py * s.axisX[1] - s.centre[0];
    const float ly = px * s.axisY[0] + py * s.axisY[1] - s.centre[1];
    const float dist = std::sqrt(lx * lx + ly * ly);
    const float fall = 1.0f - ease((dist - s.hardRadius) * s.fallScale);
    const float reach = 1.0f - ease((dist - s.fadeStart) * s.fadeScale);
    const float cone = dist > 1e-4f ? ease((-ly / dist - s.coneOuterCos) * s.coneScale) : 1.0f;
    return (s.floorLevel + s.floorRest * fall) * reach * cone;
}

TEST(LightPacking, ModelMatrixIsTheProductOfItsParts)
{
    // Bit for bit, so a quad's corners land where the full product put them.
    for (float rotation : {0.0f, 30.0f, -90.0f, 180.0f, 1e-3f})
        for (float scale : {1.0f, 32.0f, -2.5f, 0.0f}) {
            const Matrix4 product = Matrix4::Translate(12.5f, -7.25f, 1.5f) *
                                    Matrix4::RotateZ(DegreesToRadians(rotation)) *
                                    Matrix4::Scale(scale, 0.75f * scale + 1.0f, 1.0f);
            const Matrix4 model = ObjectModelMatrix(12.5f, -7.25f, 1.5f, rotation, scale, 0.75f * scale + 1.0f);
            for (int i = 0; i < 16; ++i)
                EXPECT_EQ(model[i], product[i]) << "entry " << i << ", rotation " << rotation << ", scale " << scale;
        }
}

TEST(LightShape, PlacesPointsInTheLightsOwnSpaceAndEndsItsReachExactly)
{
    // Turned a quarter, scaled (2, 3), centred at (0.5, -1) of its own space: local (u, v)
    // sits at world (100, -50) + u * (0, 2) + v * (-3, 0).
    LightParams params;
    params.cutoffDistance = 40.0f;
    params.hardLightRatio = 0.25f;
    params.minimumBrightness = 0.2f;
    params.position[0] = 0.5f;
    params.position[1] = -1.0f;
    const Matrix4 model = ObjectModelMatrix(100.0f, -50.0f, 0.0f, 90.0f, 2.0f, 3.0f);
    const LightShape shape = ShapeOfLight(model, params);

    const auto world = [](float u, float v) { return std::make_pair(100.0f - 3.0f * v, -50.0f + 2.0f * u); };
    const auto [cx, cy] = world(0.5f, -1.0f);
    EXPECT_NEAR(LevelThroughShape(shape, cx, cy), 1.0f, 1e-5f);                 // the centre: full
    const auto [hx, hy] = world(0.5f + 9.0f, -1.0f);
    EXPECT_NEAR(LevelThroughShape(shape, hx, hy), 1.0f, 1e-4f);                 // inside the hard radius
    const auto [ex, ey] = world(0.5f, -1.0f + 40.0f);
    EXPECT_NEAR(LevelThroughShape(shape, ex, ey), 0.2f, 1e-4f);                 // the cut-off: the floor
    const auto [ox, oy] = world(0.5f + 46.5f, -1.0f);
    EXPECT_EQ(LevelThroughShape(shape, ox, oy), 0.0f);                          // past 1.15 x cut-off
    EXPECT_FLOAT_EQ(shape.reachSquared, 46.0f * 46.0f);
}

TEST(LightShape, ConesDegenerateLightsAndClampsFollowTheLitProgram)
{
    LightParams params;
    params.cutoffDistance = 100.0f;
    params.halfAngle = 0.5f;
    params.position[2] = 1.0f;  // a spot, shining down (-y) at rotation 0
    const Matrix4 model = ObjectModelMatrix(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    const LightShape spot = ShapeOfLight(model, params);
    EXPECT_EQ(spot.spot, 1.0f);
    EXPECT_GT(LevelThroughShape(spot, 0.0f, -5.0f), 0.99f);
    EXPECT_EQ(LevelThroughShape(spot, 30.0f, 0.0f), 0.0f);  // off the cone
    EXPECT_EQ(LevelThroughShape(spot, 0.0f, 30.0f), 0.0f);  // behind

    // A cone of a full turn or more lights all round.
    params.halfAngle = 4.0f;
    const LightShape round = ShapeOfLight(model, params);
    EXPECT_EQ(round.spot, 0.0f);
    EXPECT_GT(LevelThroughShape(round, 0.0f, 5.0f), 0.99f);

    // Ratios and floors outside 0..1 are clamped; a hard ratio of 1 is a hard edge.
    params.hardLightRatio = 3.0f;
    params.minimumBrightness = -1.0f;
    const LightShape hard = ShapeOfLight(model, params);
    EXPECT_FLOAT_EQ(hard.hardRadius, 100.0f);
    EXPECT_EQ(hard.floorLevel, 0.0f);
    EXPECT_TRUE(std::isfinite(hard.fallScale));

    // No cut-off, or a squashed axis: the light reaches nowhere.
    params.cutoffDistance = 0.0f;
    EXPECT_EQ(LevelThroughShape(ShapeOfLight(model, params), 0.0f, 0.0f), 0.0f);
    params.cutoffDistance = 100.0f;
    const LightShape flat = ShapeOfLight(ObjectModelMatrix(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f), params);
    EXPECT_LT(flat.reachSquared, 0.0f);
    EXPECT_EQ(LevelThroughShape(flat, 0.0f, 0.0f), 0.0f);
}

TEST(LightShape, IsPackedAfterTheParameters)
{
    LightParams params;
    params.cutoffDistance = 50.0f;
    std::vector<unsigned char> buffer(kLightBufferSize, 0);
    const Matrix4 model = ObjectModelMatrix(10.0f, 20.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    ASSERT_TRUE(PackLightEntry(buffer.data(), buffer.size(), 1, model, params));
    LightShape packed;
    std::memcpy(&packed, buffer.data() + kLightEntrySize + kLightShapeOffset, sizeof packed);
    const LightShape expected = ShapeOfLight(model, params);
    EXPECT_EQ(std::memcmp(&packed, &expected, sizeof packed), 0);
    EXPECT_FLOAT_EQ(packed.centre[0], 10.0f);
    EXPECT_FLOAT_EQ(packed.centre[1], 20.0f);
}

}  // namespace

namespace {

TEST(LightCulling, TheViewBoxIsWhatTheProjectionShowsAndALightCountsWhileItsReachTouchesIt)
{
    // A 200 x 100 window onto the world at zoom 2, centred on (30, -10).
    const Matrix4 projectionView =
        Matrix4::Scale(1.0f / 100.0f, 1.0f / 50.0f, 1.0f) * Matrix4::Scale(2.0f, 2.0f, 1.0f) *
        Matrix4::Translate(-30.0f, 10.0f, 0.0f);
    ViewBox box;
    ASSERT_TRUE(ViewBoxOf(projectionView, box));
    EXPECT_NEAR(box.minX, -20.0f, 1e-4f);
    EXPECT_NEAR(box.maxX, 80.0f, 1e-4f);
    EXPECT_NEAR(box.minY, -35.0f, 1e-4f);
    EXPECT_NEAR(box.maxY, 15.0f, 1e-4f);
    EXPECT_FALSE(ViewBoxOf(Matrix4::Scale(0.0f, 1.0f, 1.0f), box)) << "a flat view culls nothing";

    // The same light as above: reach 46 own units, the turned y axis three times longer.
    LightParams params;
    params.cutoffDistance = 40.0f;
    params.position[0] = 0.5f;
    params.position[1] = -1.0f;
    const Matrix4 model = ObjectModelMatrix(100.0f, -50.0f, 0.0f, 90.0f, 2.0f, 3.0f);
    // Its centre is the world point (103, -49); its reach spans up to 3 x 46 = 138 world units
    // along x, which is where the far edge of its light lies.
    const ViewBox touching{103.0f + 137.0f, -60.0f, 400.0f, -40.0f};
    const ViewBox beyond{103.0f + 139.0f, -60.0f, 400.0f, -40.0f};
    EXPECT_TRUE(LightReachesBox(model, params, touching));
    EXPECT_FALSE(LightReachesBox(model, params, beyond));
    const ViewBox around{90.0f, -60.0f, 110.0f, -40.0f};
    EXPECT_TRUE(LightReachesBox(model, params, around)) << "a box round the light";
    params.cutoffDistance = 0.0f;
    EXPECT_FALSE(LightReachesBox(model, params, around)) << "a light that reaches nowhere";
}

TEST(LightCulling, PackingWithAViewLeavesOutOnlyTheLightsThatCannotReachIt)
{
    auto near = LightObject("Near", 10.0f, 0.0f, 0.0f);
    auto far = LightObject("Far", 5000.0f, 0.0f, 0.0f);
    auto edge = LightObject("Edge", -100.0f, 0.0f, 0.0f);
    for (auto* object : {&near, &far, &edge})
        (*object)->GetComponent<LightSource>()->CutoffDistance = 20.0f;  // 23 x 3 = 69 world units
    const ViewBox view{-40.0f, -20.0f, 40.0f, 20.0f};
    std::vector<unsigned char> buffer(kLightBufferSize);
    ASSERT_EQ(PackLights({far, near, edge}, buffer.data(), buffer.size(), kLightCapacity, &view), 2);
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightModelOffset + 12 * sizeof(float)), 10.0f) << "in list order";
    EXPECT_FLOAT_EQ(FloatAt(buffer, kLightEntrySize + kLightModelOffset + 12 * sizeof(float)), -100.0f);
    EXPECT_EQ(PackLights({far, near, edge}, buffer.data(), buffer.size()), 3) << "without a view nothing is left out";
}

}  // namespace

namespace {

TEST(QuadCulling, AQuadIsKeptWhileAnyCornerCanReachTheViewAndDroppedOnlyWhenWhollyOutside)
{
    const MeshVertex corners[4] = {{0.5f, 0.5f, 0.0f, 1, 1}, {0.5f, -0.5f, 0.0f, 1, 0}, {-0.5f, -0.5f, 0.0f, 0, 0},
                                   {-0.5f, 0.5f, 0.0f, 0, 1}};
    const ViewBox view{-10.0f, -5.0f, 10.0f, 5.0f};
    // A 4 x 4 quad turned 45 degrees reaches 2.83 from its centre along x.
    EXPECT_TRUE(QuadTouchesBox(ObjectModelMatrix(12.8f, 0.0f, 0.0f, 45.0f, 4.0f, 4.0f), corners, view));
    EXPECT_FALSE(QuadTouchesBox(ObjectModelMatrix(12.9f, 0.0f, 0.0f, 45.0f, 4.0f, 4.0f), corners, view));
    EXPECT_TRUE(QuadTouchesBox(ObjectModelMatrix(0.0f, 6.9f, 0.0f, 0.0f, 4.0f, 4.0f), corners, view)) << "overhangs";
    EXPECT_FALSE(QuadTouchesBox(ObjectModelMatrix(0.0f, 7.1f, 0.0f, 0.0f, 4.0f, 4.0f), corners, view));
    EXPECT_TRUE(QuadTouchesBox(ObjectModelMatrix(0.0f, 0.0f, 0.0f, 0.0f, 100.0f, 100.0f), corners, view))
        << "a floor larger than the view";
    const float nan = std::nanf("");
    EXPECT_TRUE(QuadTouchesBox(ObjectModelMatrix(nan, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f), corners, view))
        << "what cannot be judged is drawn as before";
}

}  // namespace
