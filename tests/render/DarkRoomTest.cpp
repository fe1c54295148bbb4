// A room that no light reaches while lights are on elsewhere stays at the ambient level, and a
// torch with a glow lights the one who holds it, not the whole room.
#include "RenderFixture.h"

namespace rendertest {
namespace {

class DarkRoomTest : public RenderTest {
protected:
    // A lit floor, and a lamp in another room: on, but reaching nothing on screen.
    void StartWithAFarLamp()
    {
        Start();
        AddCamera();
        AddSprite("Floor", "White.png", 0.0f, 0.0f, 0.0f, 400.0f, 300.0f, true);
        AddLight("FarLamp", 5000.0f, 0.0f, 0.0f, 1.0f, 1.0f, false, 100.0f, 0.2f, 0.1f, 0.5f, Vector4(1, 1, 1, 1));
    }
};

TEST_F(DarkRoomTest, LitSpritesNoLightReachesStayAtTheAmbientLevel)
{
    StartWithAFarLamp();
    gAmbientLight = 0.2f;
    DrawFrame();
    EXPECT_NEAR(PixelAt(0.0f, 0.0f)[1], 51.0f, 3.0f) << "a lamp elsewhere lights the whole room";
    // Only with no light on at all do lit sprites show as they are.
    FindObjectByName("FarLamp")->GetComponent<LightSource>()->Enabled = false;
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), (Rgba{255, 255, 255, 255}));
}

TEST_F(DarkRoomTest, ATorchsGlowLightsItsHolderAndGoesOutWithItsCone)
{
    StartWithAFarLamp();
    // Shining down the screen, away from whoever stands just above it.
    AddLight("Torch", 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, true, 120.0f, 0.4f, 0.0f, 0.5f, Vector4(1.0f, 0.86f, 0.62f, 1.0f));
    const auto torch = FindObjectByName("Torch")->GetComponent<LightSource>();
    DrawFrame();
    EXPECT_LT(Brightness(PixelAt(0.0f, 15.0f)), 10) << "the beam lights its holder";
    torch->GlowRadius = 40.0f;
    torch->GlowLevel = 0.5f;
    DrawFrame();
    EXPECT_GT(Brightness(PixelAt(0.0f, 15.0f)), 200) << "the holder is not seen";
    EXPECT_LT(Brightness(PixelAt(0.0f, 60.0f)), 10) << "the glow lights the room";
    // Story scripts put the torch out by closing its cone.
    torch->HalfAngle = 0.0f;
    DrawFrame();
    EXPECT_LT(Brightness(PixelAt(0.0f, 15.0f)), 10) << "a closed torch still glows";
}

}  // namespace
}  // namespace rendertest
