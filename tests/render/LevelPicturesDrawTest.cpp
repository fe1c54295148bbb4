// A level with enough pictures to be uploaded on a thread of its own, through a second context:
// once the level is read, every sprite draws its own picture the right way up in the window's
// context, and a broken file is reported once.
#include "RenderFixture.h"

#include <iostream>
#include <sstream>

#include "graphics/GLTexture.h"
#include "objects/LevelFile.h"

namespace rendertest {
namespace {

Rgba TopOf(unsigned i)
{
    return {static_cast<unsigned char>(20 * i), static_cast<unsigned char>(250 - 20 * i), 90, 255};
}

Rgba BottomOf(unsigned i)
{
    return {250, static_cast<unsigned char>(10 * i), static_cast<unsigned char>(200 - 15 * i), 255};
}

TEST_F(RenderTest, ALevelsPicturesUploadedAsTheyDecodeDrawInTheWindow)
{
    constexpr unsigned kPictures = 12;
    for (unsigned i = 0; i < kPictures; ++i)
        WritePng(Sprites() / ("Two" + std::to_string(i) + ".png"), 2 + i, 2,
                 [i](unsigned, unsigned y) { return y == 0 ? TopOf(i) : BottomOf(i); });
    std::ofstream(Sprites() / "NotAPng.png") << "plain text";
    Start();
    AddCamera();

    std::ofstream level(root / "work" / "Pictures.txt");
    level << "Pictures\n\n";
    const auto record = [&level](const std::string& name, float x, const std::string& picture) {
        level << name << "\n2\nNone\nTransform\nPosition\n" << x << " 0 1\nRotate\n0\nScale\n20 40 1\n"
              << "MouseTracking\n0\nSprite\n" << picture << "\nColor\n1 1 1\nTransparency\n1\nNumColumns\n1\n"
              << "NumRows\n1\nAnimationDelay\n0\nAnimateFlag\n0\nStartFrame\n0\nAnimationCount\n0\nFlipX\n0\n"
              << "FlipY\n0\nLightAffected\n0\nEnd\n\n";
    };
    for (unsigned i = 0; i < kPictures; ++i)
        record("Shown" + std::to_string(i), -165.0f + 30.0f * static_cast<float>(i), "Two" + std::to_string(i) + ".png");
    record("Broken", 500.0f, "NotAPng.png");
    level << "/Pictures\n";
    level.close();

    std::ostringstream reports;
    std::streambuf* console = std::cerr.rdbuf(reports.rdbuf());
    LoadLevel("Pictures", "Pictures.txt");
    std::cerr.rdbuf(console);
    EXPECT_EQ(reports.str().find("NotAPng.png"), reports.str().rfind("NotAPng.png"));
    EXPECT_NE(reports.str().find("NotAPng.png"), std::string::npos);
    EXPECT_EQ(gTextureSystem->GetTexture("NotAPng.png")->id, 0u);

    DrawFrame();  // the sprites make their meshes
    DrawFrame();
    for (unsigned i = 0; i < kPictures; ++i) {
        const float x = -165.0f + 30.0f * static_cast<float>(i);
        EXPECT_EQ(PixelAt(x, 10.0f), TopOf(i)) << i;
        EXPECT_EQ(PixelAt(x, -10.0f), BottomOf(i)) << i;
        const auto texture = FindObjectByName("Shown" + std::to_string(i))->GetComponent<Sprite>()->texture;
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->width, 2u + i);
        EXPECT_TRUE(texture->opaque);
    }
    // The GL thread's context is the window's again, whatever the load did.
    EXPECT_TRUE(gGraphicsSystem->HasContext());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace rendertest
