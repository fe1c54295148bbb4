// Needs an X server: run under xvfb-run -a -s "-screen 0 1920x1080x24".
// Text, debug outlines and particles drawn through the real systems (the render fixture's
// temporary game tree, with a free Debian font in place of the game's).
#include <algorithm>

#include "engine/Random.h"
#include "graphics/DebugDraw.h"
#include "graphics/ParticleEmitter.h"
#include "render/RenderFixture.h"

namespace rendertest {
namespace {

// Window-pixel box of everything brighter than half in the back buffer (GL's y, bottom up).
struct LitBox {
    int minX = kWidth, minY = kHeight, maxX = -1, maxY = -1, count = 0;
};

LitBox ReadLitBox()
{
    glFinish();
    std::vector<unsigned char> rgb(static_cast<size_t>(kWidth * kHeight * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    LitBox b;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (rgb[static_cast<size_t>((y * kWidth + x) * 3)] > 128) {
                ++b.count;
                b.minX = std::min(b.minX, x);
                b.maxX = std::max(b.maxX, x);
                b.minY = std::min(b.minY, y);
                b.maxY = std::max(b.maxY, y);
            }
    return b;
}

class EngineDrawTest : public RenderTest {
protected:
    // The systems as the game starts them, with or without the font file in place, a camera
    // at the origin and one frame drawn.
    void Start(bool withFont = true)
    {
        if (withFont)
            InstallFont();
        WritePng(Sprites() / "Black.png", 2, 2, [](unsigned, unsigned) { return Rgba{0, 0, 0, 255}; });
        RenderTest::Start();
        AddCamera();
        DrawFrame();
    }

    // Prints as the dialogue box does: white, placed by the model-view matrix, text as data.
    static void PrintAt(float x, float y, const std::string& text)
    {
        glColor3f(1.0f, 1.0f, 1.0f);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(x, y, 0.0f);
        glScalef(1.0f, 1.1f, 1.0f);
        FontText::Print(gGraphicsSystem->font, 0.0f, 0.0f, "%s", text.c_str());
        glPopMatrix();
    }

    // The strongest pure green within one pixel of (x, y).
    static int GreenNear(float x, float y)
    {
        int best = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const Rgba c = PixelAt(x + static_cast<float>(dx), y + static_cast<float>(dy));
                if (c[0] < 60 && c[2] < 60)
                    best = std::max(best, static_cast<int>(c[1]));
            }
        return best;
    }
};

TEST_F(EngineDrawTest, TextSitsOnItsBaselineAndLinesStepDownUncut)
{
    Start();
    ASSERT_TRUE(gGraphicsSystem->font.IsReady());

    PrintAt(100.0f, 200.0f, "H");
    const LitBox one = ReadLitBox();
    ASSERT_GT(one.count, 0);
    // A capital sits on the baseline and rises about three quarters of the 40-pixel em.
    EXPECT_NEAR(200, one.minY, 2);
    EXPECT_GE(one.maxY, 220);
    EXPECT_LE(one.maxY, 250);
    EXPECT_GE(one.minX, 100);
    EXPECT_LE(one.maxX, 145);

    // Each further line is 30 / 0.63 (about 47.6) window pixels lower, whatever the caller's
    // scale, also past any fixed buffer.
    DrawFrame();
    PrintAt(100.0f, 200.0f, "H\n" + std::string(1000, ' ') + "\nH");
    const LitBox three = ReadLitBox();
    EXPECT_NEAR(200.0 - 2.0 * 30.0 / 0.63, three.minY, 2);
    EXPECT_EQ(one.maxY, three.maxY);
    EXPECT_NEAR(2 * one.count, three.count, one.count / 10);
}

TEST_F(EngineDrawTest, NothingDrawnForNullFormatHighBytesOrATrailingNewline)
{
    Start();
    GLint before[4], after[4];
    const GLenum queries[4] = {GL_MATRIX_MODE, GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH,
                               GL_ATTRIB_STACK_DEPTH};
    for (int i = 0; i < 4; ++i)
        glGetIntegerv(queries[i], &before[i]);

    FontText::Print(gGraphicsSystem->font, 100.0f, 100.0f, nullptr);
    PrintAt(100.0f, 100.0f, "\xE9\xFC\x80");
    PrintAt(100.0f, 100.0f, "");
    EXPECT_EQ(0, ReadLitBox().count);

    PrintAt(100.0f, 100.0f, "H\n");
    EXPECT_NEAR(100, ReadLitBox().minY, 2);
    for (int i = 0; i < 4; ++i) {
        glGetIntegerv(queries[i], &after[i]);
        EXPECT_EQ(before[i], after[i]) << i;
    }
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(EngineDrawTest, MissingFontLeavesTextOffAndTheGameRunning)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Start(false);
    const std::string said = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, said.find("cannot read the font file")) << said;
    EXPECT_NE(std::string::npos, said.find("RomanAntique.ttf")) << said;
    EXPECT_FALSE(gGraphicsSystem->font.IsReady());

    PrintAt(100.0f, 100.0f, "H");
    EXPECT_EQ(0, ReadLitBox().count);
}

TEST_F(EngineDrawTest, DebugOutlinesDrawTheirEdgesWhateverTextureIsBound)
{
    Start();
    // A black sprite elsewhere leaves a black texture bound on unit 0.
    auto block = std::make_shared<GameObject>("Block", 4, 1);
    block->AddComponent(std::make_shared<Transform>(150.0f, 100.0f, 1.0f, 20.0f, 20.0f), Transform::kTypeId);
    auto sprite = std::make_shared<Sprite>();
    sprite->texture = gTextureSystem->GetTexture("Black.png");
    sprite->textureName = "Black.png";
    sprite->SetTexture("Black.png");
    block->AddComponent(sprite, Sprite::kTypeId);
    AddObject(block);
    DrawFrame();
    DrawFrame();

    const Vector3 green(0.0f, 1.0f, 0.0f);
    gDebugDraw->DrawBox(Vector3(-100.0f, -50.0f, 0.0f), Vector3(100.0f, 50.0f, 0.0f), green);
    EXPECT_TRUE(gDebugDraw->boxVertices.empty());
    EXPECT_GT(GreenNear(-100.0f, 0.0f), 200);  // left
    EXPECT_GT(GreenNear(100.0f, 0.0f), 200);   // right
    EXPECT_GT(GreenNear(0.0f, 50.0f), 200);    // top
    EXPECT_GT(GreenNear(0.0f, -50.0f), 200);   // bottom
    EXPECT_LT(PixelAt(0.0f, 0.0f)[1], 30);     // inside
    EXPECT_LT(PixelAt(-130.0f, 0.0f)[1], 30);  // outside

    gDebugDraw->DrawLine(Vector3(-150.0f, -100.0f, 0.0f), Vector3(-150.0f, 100.0f, 0.0f), green);
    EXPECT_TRUE(gDebugDraw->lineVertices.empty());
    EXPECT_GT(GreenNear(-150.0f, 20.0f), 200);
    // Whatever was set before, depth test and blending are on after a flush, with no program.
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    gDebugDraw->DrawCircle(Vector3(0.0f, 0.0f, 7.0f), 30.0f, green);
    EXPECT_TRUE(gDebugDraw->circleVertices.empty());
    EXPECT_GT(GreenNear(30.0f, 0.0f), 200);

    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(0, program);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(EngineDrawTest, ParticlesShowAtTheirPositionsWithTheirAlpha)
{
    Start();
    Framework::ResetRand();
    auto smoke = std::make_shared<GameObject>("Smoke", 4, 1);
    smoke->AddComponent(std::make_shared<Transform>(50.0f, 30.0f, 1.0f, 0.0f, 0.0f), Transform::kTypeId);
    auto emitter = std::make_shared<ParticleEmitter>();
    emitter->particleTextureName = "White.png";
    emitter->playState = true;
    emitter->maxParticle = 1;
    emitter->emissionRate = 1;
    emitter->initScale = Vector3(20.0f, 20.0f, 0.0f);
    emitter->initColor = Vector3(0.0f, 255.0f, 0.0f);
    emitter->finalColor = Vector3(0.0f, 255.0f, 0.0f);
    emitter->initParticleLifetime = 2.0f;
    smoke->AddComponent(emitter, ParticleEmitter::kTypeId);
    AddObject(smoke);
    ASSERT_TRUE(gTextureSystem->IsLoaded("White.png"));  // Init loaded it

    emitter->Update(0.0f);
    DrawFrame();
    EXPECT_GT(PixelAt(50.0f, 30.0f)[1], 240);
    EXPECT_LT(PixelAt(75.0f, 30.0f)[1], 10);

    // Half way through the fade (the lifetime is 2 plus a spread under 1, so it lives on).
    emitter->Update(1.0f);
    ASSERT_EQ(1, emitter->aliveCount);
    DrawFrame();
    EXPECT_NEAR(128, PixelAt(50.0f, 30.0f)[1], 6);

    // A texture the cache lacks: the particles live on but are not drawn.
    emitter->particleTextureName = "Missing.png";
    DrawFrame();
    EXPECT_LT(PixelAt(50.0f, 30.0f)[1], 10);
}

TEST_F(EngineDrawTest, FontAndOutlineNamesGoBeforeTheContext)
{
    Start();
    FontText& font = gGraphicsSystem->font;
    const GLuint listBase = font.listBase;
    const GLuint glyphA = font.textures.at('A');
    ASSERT_TRUE(glIsList(listBase + 'A'));
    gDebugDraw->DrawLine(Vector3(0.0f, 0.0f, 0.0f), Vector3(10.0f, 0.0f, 0.0f), Vector3(1.0f, 1.0f, 1.0f));
    const GLuint buffer = gDebugDraw->vertexBuffer;
    const GLuint array = gDebugDraw->vertexArray;
    ASSERT_TRUE(glIsBuffer(buffer));

    // Released while the context lives (twice is harmless), then made again when used.
    font.Release();
    font.Release();
    gDebugDraw->ReleaseGL();
    EXPECT_FALSE(glIsList(listBase + 'A'));
    EXPECT_FALSE(glIsTexture(glyphA));
    EXPECT_FALSE(glIsBuffer(buffer));
    EXPECT_FALSE(glIsVertexArray(array));
    ASSERT_TRUE(font.Init());
    gDebugDraw->DrawLine(Vector3(0.0f, 0.0f, 0.0f), Vector3(10.0f, 0.0f, 0.0f), Vector3(1.0f, 1.0f, 1.0f));
    EXPECT_NE(0u, gDebugDraw->vertexBuffer);

    // The graphics system's shutdown takes both with it; afterwards nothing is drawn.
    gGraphicsSystem->Shutdown();
    EXPECT_FALSE(font.IsReady());
    EXPECT_TRUE(font.textures.empty());
    EXPECT_EQ(0u, gDebugDraw->vertexBuffer);
    EXPECT_EQ(0u, gDebugDraw->vertexArray);
    gDebugDraw->DrawBox(Vector3(0.0f, 0.0f, 0.0f), Vector3(10.0f, 20.0f, 0.0f), Vector3(1.0f, 0.0f, 0.0f));
    EXPECT_TRUE(gDebugDraw->boxVertices.empty());
    EXPECT_EQ(0u, gDebugDraw->vertexBuffer);
    FontText::Print(font, 0.0f, 0.0f, "%s", "after");
}

}  // namespace
}  // namespace rendertest
