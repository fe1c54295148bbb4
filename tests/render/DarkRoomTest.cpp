// A room that no light reaches while lights are on elsewhere stays at the ambient level, and a
// torch with a glow lights the one who holds it, not the whole room.
#include "RenderFixture.h"

namespace rendertest {
namespace {

class DarkRoomTest : public RenderTest {
protected:
    std::shared_ptr<LightSource> LightOf(const std::string& name)
    {
        return FindObjectByName(name)->GetComponent<LightSource>();
    }
};

TEST_F(DarkRoomTest, LitSpritesNoLightReachesStayAtTheAmbientLevel)
{
    Start();
    AddCamera();
    AddSprite("Floor", "White.png", 0.0f, 0.0f, 0.0f, 400.0f, 300.0f, true);
    AddSprite("Badge", "White.png", -150.0f, 100.0f, 2.0f, 20.0f, 20.0f, false);
    AddLight("FarLamp", 5000.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 100.0f, 0.2f, 0.1f, 0.5f,
             Vector4(1.0f, 1.0f, 1.0f, 1.0f));

    // Whether the lights go per quad or the frame's lit program reads them all.
    for (const int vertexLights : {gGraphicsSystem->GetVertexLightLimit(), 0}) {
        gGraphicsSystem->SetVertexLightLimit(vertexLights);
        for (const float ambient : {0.0f, 0.2f}) {
            gAmbientLight = ambient;
            DrawFrame();
            EXPECT_EQ(gGraphicsSystem->activeLightCount, 0) << "the lamp's reach is far off screen";
            EXPECT_NEAR(PixelAt(0.0f, 0.0f)[1], 255.0f * ambient, 3.0f) << ambient << ", " << vertexLights;
            EXPECT_NEAR(PixelAt(120.0f, -80.0f)[0], 255.0f * ambient, 3.0f) << ambient << ", " << vertexLights;
            EXPECT_EQ(PixelAt(-150.0f, 100.0f), (Rgba{255, 255, 255, 255})) << "unlit sprites show as they are";
        }
    }

    // Only with no light on at all do lit sprites show as they are.
    LightOf("FarLamp")->Enabled = false;
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), (Rgba{255, 255, 255, 255}));
}

TEST_F(DarkRoomTest, ATorchsGlowLightsItsHolderAndNotTheRoom)
{
    Start();
    AddCamera();
    AddSprite("Floor", "White.png", 0.0f, 0.0f, 0.0f, 400.0f, 300.0f, true);
    // Shining down the screen, away from whoever stands just above it.
    AddLight("Torch", 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, true, 120.0f, 0.4f, 0.0f, 0.5f, Vector4(1.0f, 0.86f, 0.62f, 1.0f));
    // A lamp in another room, so that the torch going out leaves the room dark.
    AddLight("FarLamp", 5000.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 100.0f, 0.2f, 0.1f, 0.5f,
             Vector4(1.0f, 1.0f, 1.0f, 1.0f));
    DrawFrame();
    EXPECT_LT(Brightness(PixelAt(0.0f, 15.0f)), 10) << "without a glow the holder stands in the dark";

    LightOf("Torch")->GlowRadius = 40.0f;
    LightOf("Torch")->GlowLevel = 0.5f;
    DrawFrame();
    EXPECT_EQ(gGraphicsSystem->activeLightCount, 2) << "the glow is a light of its own";
    const Rgba holder = PixelAt(0.0f, 15.0f);
    EXPECT_GT(Brightness(holder), 200) << "the holder is seen";
    EXPECT_LT(Brightness(holder), Brightness(PixelAt(0.0f, -40.0f))) << "dimmer than the beam";
    EXPECT_GE(holder[0], holder[2]);
    EXPECT_LT(Brightness(PixelAt(0.0f, 60.0f)), 10) << "past its small circle the room stays dark";
    EXPECT_LT(Brightness(PixelAt(-60.0f, 0.0f)), 10);

    // Put out, by its switch or by closing its cone, the torch's glow goes with it.
    LightOf("Torch")->HalfAngle = 0.0f;
    DrawFrame();
    EXPECT_LT(Brightness(PixelAt(0.0f, 15.0f)), 10);
    LightOf("Torch")->HalfAngle = 0.5f;
    LightOf("Torch")->Enabled = false;
    DrawFrame();
    EXPECT_LT(Brightness(PixelAt(0.0f, 15.0f)), 10);
}

}  // namespace
}  // namespace rendertest
