// The lit picture of a fixed scene against the one recorded from the original lit program
// (tests/render/data/LitScene.png): faster lighting must not change what the player sees.
#include "RenderFixture.h"

#include <cmath>
#include <cstdlib>

#include "graphics/ParticleEmitter.h"

namespace rendertest {
namespace {

const fs::path kGolden = fs::path(VESPERINE_SOURCE_DIR) / "tests" / "render" / "data" / "LitScene.png";

class LitPictureTest : public RenderTest {
protected:
    // Every light shape the lit program knows, over lit sprites that are tinted, faded,
    // turned, textured and particled, with one unlit sprite among them.
    void BuildScene()
    {
        WritePng(Sprites() / "Checks_2x2.png", 8, 8, [](unsigned x, unsigned y) {
            return Rgba{static_cast<unsigned char>(40 + x * 25), static_cast<unsigned char>(200 - y * 20),
                        static_cast<unsigned char>((x + y) % 2 ? 220 : 90), 255};
        });
        Start();
        AddCamera();
        AddSprite("Floor", "White.png", 0.0f, 0.0f, 0.0f, 400.0f, 300.0f, true);
        auto tile = AddSprite("Tile", "Checks_2x2.png", -60.0f, 30.0f, 1.0f, 120.0f, 90.0f, true);
        tile->GetComponent<Transform>()->rotation = 30.0f;
        auto sprite = tile->GetComponent<Sprite>();
        sprite->color = Vector3(0.8f, 1.0f, 0.6f);
        sprite->transparency = 0.7f;
        sprite->SetFrame(3);
        auto crate = AddSprite("Crate", "Red.png", 110.0f, -60.0f, 1.5f, 70.0f, 50.0f, true);
        crate->GetComponent<Sprite>()->transparency = 0.5f;
        AddSprite("Badge", "White.png", 150.0f, 110.0f, 2.0f, 30.0f, 30.0f, false);

        auto dust = AddSprite("Dust", "Checks_2x2.png", -140.0f, -90.0f, 0.5f, 40.0f, 40.0f, true);
        auto emitter = std::make_shared<ParticleEmitter>();
        emitter->particleTextureName = "White.png";
        emitter->lightAffected = true;
        dust->components.push_back(emitter);
        emitter->SetOwner(dust.get());
        for (int i = 0; i < 3; ++i) {
            Particle& particle = emitter->particles[static_cast<std::size_t>(i)];
            particle.alive = true;
            particle.position = Vector3(-170.0f + 35.0f * static_cast<float>(i), -40.0f, 0.0f);
            particle.scale = Vector3(24.0f, 16.0f, 0.0f);
            particle.rotation = 0.4f * static_cast<float>(i);
            particle.color = Vector3(1.0f, 0.5f + 0.2f * static_cast<float>(i), 0.3f);
            particle.alpha = 0.9f - 0.3f * static_cast<float>(i);
        }

        AddLight("Lamp", -100.0f, 50.0f, 0.0f, 1.0f, 1.0f, false, 90.0f, 0.2f, 0.1f, 0.5f,
                 Vector4(1.0f, 0.8f, 0.6f, 1.0f));
        AddLight("Torch", 80.0f, -20.0f, 60.0f, 1.0f, 1.0f, true, 150.0f, 0.4f, 0.0f, 0.6f,
                 Vector4(0.6f, 0.8f, 1.0f, 1.0f));
        AddLight("Oval", 120.0f, 90.0f, 20.0f, 1.5f, 0.7f, false, 60.0f, 0.3f, 0.5f, 0.5f,
                 Vector4(1.0f, 1.0f, 1.0f, 1.0f));
        AddLight("AllRound", -150.0f, -100.0f, 0.0f, 1.0f, 1.0f, true, 70.0f, 1.0f, 0.2f, 3.5f,
                 Vector4(0.9f, 0.3f, 0.9f, 1.0f));
        AddLight("Offset", 30.0f, 120.0f, -45.0f, 2.0f, 2.0f, true, 40.0f, 0.0f, 0.3f, 0.9f,
                 Vector4(1.0f, 1.0f, 0.2f, 1.0f));
        AddLight("Dead", 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 0.0f, 0.5f, 1.0f, 0.5f, Vector4(1.0f, 1.0f, 1.0f, 1.0f));
        AddLight("Flat", 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, false, 500.0f, 0.5f, 1.0f, 0.5f,
                 Vector4(1.0f, 1.0f, 1.0f, 1.0f));
        gGameObjects.back()->GetComponent<LightSource>()->Position = Vector3(10.0f, 20.0f, 0.0f);
        gAmbientLight = 0.15f;
    }

    // The frame top row first, as a PNG shows it.
    static std::vector<unsigned char> ReadFrame()
    {
        std::vector<unsigned char> rows(static_cast<std::size_t>(kWidth * kHeight * 4));
        glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
        std::vector<unsigned char> picture(rows.size());
        const std::size_t stride = static_cast<std::size_t>(kWidth) * 4;
        for (int y = 0; y < kHeight; ++y)
            std::copy_n(rows.begin() + static_cast<long>((kHeight - 1 - y) * stride), stride,
                        picture.begin() + static_cast<long>(y * stride));
        return picture;
    }
};

TEST_F(LitPictureTest, FixedSceneMatchesTheRecordedPicture)
{
    BuildScene();
    DrawFrame();
    const std::vector<unsigned char> picture = ReadFrame();

    std::vector<unsigned char> golden;
    unsigned width = 0;
    unsigned height = 0;
    ASSERT_EQ(lodepng::decode(golden, width, height, kGolden.string()), 0u) << kGolden;
    ASSERT_EQ(width, static_cast<unsigned>(kWidth));
    ASSERT_EQ(height, static_cast<unsigned>(kHeight));
    ASSERT_EQ(golden.size(), picture.size());

    // Rounding may move a quad's edge by a pixel and a channel by a step or two; a wrong
    // light, tint or order moves whole areas.
    long total = 0;
    int farOff = 0;
    int worst = 0;
    for (std::size_t i = 0; i < picture.size(); i += 4) {
        int pixelWorst = 0;
        for (std::size_t c = 0; c < 4; ++c) {
            const int diff = std::abs(int(picture[i + c]) - int(golden[i + c]));
            total += diff;
            pixelWorst = std::max(pixelWorst, diff);
        }
        worst = std::max(worst, pixelWorst);
        if (pixelWorst > 3)
            ++farOff;
    }
    const double meanDiff = static_cast<double>(total) / static_cast<double>(picture.size());
    EXPECT_LT(meanDiff, 0.2);
    EXPECT_LT(farOff, kWidth * kHeight / 500) << "worst channel difference " << worst;
    // Not a blank or unlit frame that happens to match: the scene shows light and dark.
    EXPECT_GT(Brightness(PixelAt(-100.0f, 50.0f)), 350);
    EXPECT_LT(Brightness(PixelAt(0.0f, -130.0f)), 150);
}

// The recorded picture above is drawn with each quad's own lights carried by the vertex stage;
// with more lights than it can carry, every fragment reads the light block instead. Both ways
// light the scene alike, for every count of lights on, including more than a quad carries.
TEST_F(LitPictureTest, LightsFromTheVertexStageMatchLightsReadPerFragment)
{
    BuildScene();
    // Nine lights that each show (the scene's dead and flat ones stay off), every one in its
    // own colour and shape, so a light read from another's slot changes the picture; the ninth
    // reaches the floor where all the others do, more than one quad carries.
    AddLight("Sixth", -20.0f, -80.0f, 10.0f, 1.0f, 1.0f, true, 120.0f, 0.3f, 0.1f, 1.2f,
             Vector4(0.5f, 1.0f, 0.5f, 1.0f));
    AddLight("Seventh", 150.0f, 20.0f, -120.0f, 1.2f, 0.8f, true, 100.0f, 0.5f, 0.05f, 0.4f,
             Vector4(1.0f, 0.4f, 0.2f, 1.0f));
    AddLight("Eighth", -160.0f, 110.0f, 0.0f, 1.0f, 1.0f, false, 80.0f, 0.1f, 0.0f, 0.5f,
             Vector4(0.3f, 0.5f, 1.0f, 1.0f));
    AddLight("Ninth", 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 60.0f, 0.2f, 0.0f, 0.5f,
             Vector4(0.2f, 0.2f, 0.4f, 1.0f));
    const int driverLimit = gGraphicsSystem->GetVertexLightLimit();
    ASSERT_GE(driverLimit, 8) << "the recorded scene would not use the vertex stage's lights";
    std::vector<std::shared_ptr<LightSource>> lights;
    for (const auto& object : gGameObjects)
        if (auto light = object->GetComponent<LightSource>()) {
            if (object->name == "Dead" || object->name == "Flat")
                light->Enabled = false;
            else
                lights.push_back(light);
        }
    ASSERT_EQ(lights.size(), 9u);

    for (int count = 1; count <= 9; ++count) {
        SCOPED_TRACE(std::to_string(count) + " lights");
        for (int i = 0; i < 9; ++i)
            lights[static_cast<std::size_t>(i)]->Enabled = i < count;
        gGraphicsSystem->SetVertexLightLimit(driverLimit);
        gGraphicsSystem->shading = {};
        gGraphicsSystem->countShading = true;
        DrawFrame();
        gGraphicsSystem->countShading = false;
        const std::vector<unsigned char> fromVertex = ReadFrame();
        EXPECT_TRUE(gGraphicsSystem->ShadesLightsPerQuad());
        // Quads far from a light are shaded with fewer than all of them.
        if (count >= 3) {
            EXPECT_LT(gGraphicsSystem->shading.lightPixels, gGraphicsSystem->shading.litPixels * count);
        }
        gGraphicsSystem->SetVertexLightLimit(0);
        DrawFrame();
        EXPECT_FALSE(gGraphicsSystem->ShadesLightsPerQuad());
        const std::vector<unsigned char> perFragment = ReadFrame();

        ASSERT_EQ(fromVertex.size(), perFragment.size());
        int worst = 0;
        long differing = 0;
        for (std::size_t i = 0; i < fromVertex.size(); ++i) {
            const int diff = std::abs(int(fromVertex[i]) - int(perFragment[i]));
            worst = std::max(worst, diff);
            differing += diff > 0 ? 1 : 0;
        }
        EXPECT_LE(worst, 2);
        EXPECT_LT(differing, static_cast<long>(fromVertex.size() / 1000));
    }
}

// Sprites and particles faded out entirely leave the picture as it was and cost nothing.
TEST_F(LitPictureTest, FadedOutQuadsAreNotDrawn)
{
    BuildScene();
    auto dust = FindObjectByName("Dust")->GetComponent<ParticleEmitter>();
    dust->particles[0].alive = false;
    DrawFrame();
    const std::vector<unsigned char> without = ReadFrame();

    dust->particles[0].alive = true;
    dust->particles[0].alpha = 0.0f;
    auto veil = AddSprite("Veil", "Red.png", 0.0f, 0.0f, 3.0f, 400.0f, 300.0f, false);
    veil->GetComponent<Sprite>()->transparency = 0.0f;
    gGraphicsSystem->shading = {};
    gGraphicsSystem->countShading = true;
    DrawFrame();
    gGraphicsSystem->countShading = false;
    EXPECT_TRUE(ReadFrame() == without);
    // Floor, tile, crate, badge, dust and the two particles still showing.
    EXPECT_EQ(gGraphicsSystem->shading.quads, 7);
}

}  // namespace
}  // namespace rendertest
