// Packing lights into the bytes of the "LightBlock" buffer, and the capacity that the C++ side
// and the shipped lit shader must agree on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>

#include "graphics/LightSource.h"
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
}

}  // namespace
