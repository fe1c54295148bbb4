// Frames drawn through the real GraphicsSystem (Init, BeginFrame, Update) and read back.
#include "RenderFixture.h"

#include <algorithm>

#include "graphics/GLTexture.h"
#include "graphics/Mesh.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/ShaderObject.h"
#include "objects/LevelFile.h"

namespace rendertest {
namespace {

TEST_F(RenderTest, SheetTopRowShowsAtTheTopOfTheQuad)
{
    // Two rows of one frame: the top row red over blue, the bottom row green over black.
    WritePng(Sprites() / "Sheet_2x1.png", 2, 4, [](unsigned, unsigned y) {
        const Rgba colours[4] = {{255, 0, 0, 255}, {0, 0, 255, 255}, {0, 255, 0, 255}, {0, 0, 0, 255}};
        return colours[y];
    });
    Start();
    AddCamera();
    auto object = AddSprite("Sheet", "Sheet_2x1.png", 0.0f, 0.0f, 1.0f, 100.0f, 100.0f);
    DrawFrame();

    EXPECT_EQ(PixelAt(0.0f, 25.0f), (Rgba{255, 0, 0, 255}));   // upper half of the quad
    EXPECT_EQ(PixelAt(0.0f, -25.0f), (Rgba{0, 0, 255, 255}));  // lower half
    EXPECT_EQ(PixelAt(0.0f, 80.0f), (Rgba{0, 0, 0, 0}));       // outside: clear colour

    object->GetComponent<Sprite>()->SetFrame(1);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 25.0f), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(PixelAt(0.0f, -25.0f), (Rgba{0, 0, 0, 255}));

    // Mirrored top-bottom, the frame's bottom row goes up.
    object->GetComponent<Sprite>()->SetFlip(false, true);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 25.0f), (Rgba{0, 0, 0, 255}));
}

TEST_F(RenderTest, LiveParticlesDrawOverTheirSpriteOnceTheirTextureIsLoaded)
{
    WritePng(Sprites() / "Spark.png", 1, 2, [](unsigned, unsigned y) {
        return y == 0 ? Rgba{255, 0, 0, 255} : Rgba{0, 0, 255, 255};
    });
    Start();
    AddCamera();
    auto object = AddSprite("Dust", "White.png", 0.0f, 0.0f, 1.0f, 200.0f, 200.0f);
    auto emitter = std::make_shared<ParticleEmitter>();
    emitter->particleTextureName = "Spark.png";
    object->components.push_back(emitter);
    emitter->SetOwner(object.get());
    Particle& particle = emitter->particles[5];
    particle.alive = true;
    particle.position = Vector3(40.0f, 0.0f, 0.0f);
    particle.scale = Vector3(40.0f, 40.0f, 0.0f);

    // Not in the texture cache yet: no particles.
    DrawFrame();
    EXPECT_EQ(PixelAt(40.0f, 10.0f), (Rgba{255, 255, 255, 255}));

    gTextureSystem->GetTexture("Spark.png");
    DrawFrame();
    EXPECT_EQ(PixelAt(40.0f, 10.0f), (Rgba{255, 0, 0, 255}));   // the texture's top row on top
    EXPECT_EQ(PixelAt(40.0f, -10.0f), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(PixelAt(-40.0f, 0.0f), (Rgba{255, 255, 255, 255}));

    particle.alive = false;
    DrawFrame();
    EXPECT_EQ(PixelAt(40.0f, 10.0f), (Rgba{255, 255, 255, 255}));
}

TEST_F(RenderTest, LargerDepthCoversSmallerWhateverTheListOrder)
{
    Start();
    AddCamera();
    AddSprite("Front", "Red.png", 20.0f, 0.0f, 2.0f, 100.0f, 100.0f);
    AddSprite("Back", "White.png", -20.0f, 0.0f, 1.0f, 100.0f, 100.0f);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), (Rgba{255, 0, 0, 255}));      // overlap: the red one, z 2
    EXPECT_EQ(PixelAt(-60.0f, 0.0f), (Rgba{255, 255, 255, 255}));  // only the white one
    EXPECT_EQ(PixelAt(60.0f, 0.0f), (Rgba{255, 0, 0, 255}));

    // The camera object moves the view.
    FindObjectByName("Camera")->GetComponent<Transform>()->position.x = 100.0f;
    DrawFrame();
    EXPECT_EQ(PixelAt(-40.0f, 0.0f), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(PixelAt(-160.0f, 0.0f), (Rgba{255, 255, 255, 255}));
}

TEST_F(RenderTest, SpotLightLightsWhatItPointsAtAndLeavesTheRestDark)
{
    Start();
    AddCamera();
    AddSprite("Floor", "White.png", 0.0f, 0.0f, 0.0f, 400.0f, 300.0f, true);
    // Not light-affected: the plain program shows it as it is, lights or not.
    AddSprite("Badge", "White.png", -150.0f, 100.0f, 2.0f, 20.0f, 20.0f, false);
    auto torch = std::make_shared<GameObject>("Torch", 1, 0);
    torch->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto light = std::make_shared<LightSource>(0.5f);
    light->Position = Vector3(0.0f, 0.0f, 1.0f);
    light->CutoffDistance = 120.0f;
    light->HardLightRatio = 0.3f;
    light->MinimumBrightness = 0.0f;
    torch->AddComponent(light, LightSource::kTypeId);
    AddObject(torch);

    // Rotation 0 shines down the screen.
    DrawFrame();
    EXPECT_EQ(gGraphicsSystem->activeLightCount, 1);
    const Rgba lit = PixelAt(0.0f, -30.0f);
    EXPECT_GT(Brightness(lit), 600) << int(lit[0]) << " " << int(lit[1]) << " " << int(lit[2]);
    EXPECT_GE(lit[0], lit[2]);  // warm, not cold
    EXPECT_GT(Brightness(PixelAt(0.0f, -90.0f)), 60);                 // fades with distance
    EXPECT_LT(Brightness(PixelAt(0.0f, -90.0f)), Brightness(lit));
    EXPECT_LT(Brightness(PixelAt(0.0f, 40.0f)), 10);    // behind the torch
    EXPECT_LT(Brightness(PixelAt(60.0f, -20.0f)), 10);  // outside the cone
    EXPECT_LT(Brightness(PixelAt(0.0f, -145.0f)), 10);  // past the cut-off
    EXPECT_EQ(PixelAt(-150.0f, 100.0f), (Rgba{255, 255, 255, 255}));

    // Turned a quarter (90 degrees) it shines to the right.
    torch->GetComponent<Transform>()->rotation = 90.0f;
    DrawFrame();
    EXPECT_GT(Brightness(PixelAt(30.0f, 0.0f)), 600);
    EXPECT_LT(Brightness(PixelAt(0.0f, -30.0f)), 10);

    // Switched off there is no light and lit sprites go through the plain program.
    light->Enabled = false;
    DrawFrame();
    EXPECT_EQ(gGraphicsSystem->activeLightCount, 0);
    EXPECT_EQ(PixelAt(0.0f, 100.0f), (Rgba{255, 255, 255, 255}));

    // The ambient level lights everything a little.
    light->Enabled = true;
    gAmbientLight = 0.2f;
    DrawFrame();
    const Rgba ambient = PixelAt(0.0f, 100.0f);
    EXPECT_NEAR(ambient[1], 51, 3);
}

TEST_F(RenderTest, ShippedShadersLinkAndTheBlockMatchesTheCppLayout)
{
    Start();
    const auto& plain = *gGraphicsSystem->programs[0];
    const auto& lit = *gGraphicsSystem->programs[1];
    ASSERT_TRUE(plain.IsLinked()) << plain.GetError();
    ASSERT_TRUE(lit.IsLinked()) << lit.GetError();
    for (int location : {plain.uniforms.mvp, plain.uniforms.inColor, plain.uniforms.alphaVal, lit.uniforms.mvp,
                         lit.uniforms.inColor, lit.uniforms.alphaVal, lit.uniforms.targetMatrix,
                         lit.uniforms.ambientLight, lit.uniforms.activeLights})
        EXPECT_GE(location, 0);
    ASSERT_GE(lit.uniforms.lightBlockIndex, 0);
    EXPECT_EQ(gGraphicsSystem->lightCapacity, kLightCapacity);

    GLint blockSize = 0;
    glGetActiveUniformBlockiv(lit.program, static_cast<GLuint>(lit.uniforms.lightBlockIndex),
                              GL_UNIFORM_BLOCK_DATA_SIZE, &blockSize);
    EXPECT_EQ(static_cast<std::size_t>(blockSize), kLightBufferSize);

    const char* names[] = {"lights[0].model",         "lights[0].angle",    "lights[0].cutoffDistance",
                           "lights[0].halfAngle",     "lights[0].hardLightRatio", "lights[0].colour",
                           "lights[0].position",      "lights[0].minimumBrightness", "lights[1].model"};
    const std::size_t expected[] = {kLightModelOffset,   kLightAngleOffset,    kLightCutoffOffset,
                                    kLightHalfAngleOffset, kLightHardRatioOffset, kLightColourOffset,
                                    kLightPositionOffset, kLightMinBrightnessOffset, kLightEntrySize};
    GLuint indices[9];
    glGetUniformIndices(lit.program, 9, names, indices);
    GLint offsets[9];
    for (int i = 0; i < 9; ++i)
        ASSERT_NE(indices[i], GL_INVALID_INDEX) << names[i];
    glGetActiveUniformsiv(lit.program, 9, indices, GL_UNIFORM_OFFSET, offsets);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(static_cast<std::size_t>(offsets[i]), expected[i]) << names[i];

    GLint bufferSize = 0;
    glBindBuffer(GL_UNIFORM_BUFFER, gGraphicsSystem->lightBuffer);
    glGetBufferParameteriv(GL_UNIFORM_BUFFER, GL_BUFFER_SIZE, &bufferSize);
    glBindBuffer(GL_UNIFORM_BUFFER, 0);
    EXPECT_EQ(static_cast<std::size_t>(bufferSize), kLightBufferSize);
}

TEST_F(RenderTest, ShaderProblemsAreReportedNotSilent)
{
    Start();
    std::ofstream(root / "resources" / "shaders" / "broken.fs") << "#version 140\nvoid main() { nonsense; }\n";

    ShaderObject missing;
    missing.Load("../resources/shaders/nowhere.vs", "../resources/shaders/frag.fs");
    EXPECT_FALSE(missing.IsLinked());
    EXPECT_NE(missing.GetError().find("nowhere.vs"), std::string::npos) << missing.GetError();

    ShaderObject broken;
    broken.Load("../resources/shaders/vertex.vs", "../resources/shaders/broken.fs");
    EXPECT_FALSE(broken.IsLinked());
    EXPECT_NE(broken.GetError().find("does not compile"), std::string::npos) << broken.GetError();
}

TEST_F(RenderTest, ObjectsWithoutTransformOrQuadAreHandledAndGLObjectsGoBeforeTheContext)
{
    Start();
    AddCamera();
    // A sprite on an object without a Transform is skipped (reported once).
    auto loose = std::make_shared<GameObject>("Loose", 4, 0);
    auto looseSprite = std::make_shared<Sprite>("White.png");
    loose->AddComponent(looseSprite, Sprite::kTypeId);
    AddObject(loose);
    // A light the same way.
    auto looseLight = std::make_shared<GameObject>("LooseLight", 1, 0);
    looseLight->AddComponent(std::make_shared<LightSource>(15.0f), LightSource::kTypeId);
    AddObject(looseLight);
    // A sprite added without Init shows from the next frame.
    auto late = std::make_shared<GameObject>("Late", 4, 0);
    late->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 50.0f, 50.0f), Transform::kTypeId);
    auto lateSprite = std::make_shared<Sprite>("Red.png");
    late->components.push_back(lateSprite);
    lateSprite->SetOwner(late.get());
    AddObject(late);

    DrawFrame();
    EXPECT_TRUE(looseSprite->reportedMissingTransform);
    EXPECT_TRUE(looseLight->GetComponent<LightSource>()->reportedMissingTransform);
    EXPECT_EQ(gGraphicsSystem->activeLightCount, 0);
    EXPECT_EQ(PixelAt(0.0f, 0.0f), (Rgba{0, 0, 0, 0}));
    ASSERT_TRUE(lateSprite->mesh);
    DrawFrame();
    EXPECT_EQ(PixelAt(0.0f, 0.0f), (Rgba{255, 0, 0, 255}));

    // Held past Shutdown: the GL names are released while the context exists.
    const std::shared_ptr<Mesh> mesh = lateSprite->GetMesh();
    const std::shared_ptr<GLTexture> texture = lateSprite->texture;
    ASSERT_NE(mesh->vertexArray, 0u);
    ASSERT_NE(texture->id, 0u);
    gTextureSystem->Shutdown();
    gGraphicsSystem->Shutdown();
    EXPECT_FALSE(gGraphicsSystem->HasContext());
    EXPECT_EQ(mesh->vertexArray, 0u);
    EXPECT_EQ(mesh->vertexBuffer, 0u);
    EXPECT_EQ(texture->id, 0u);
    EXPECT_EQ(gGraphicsSystem->lightBuffer, 0u);
    EXPECT_FALSE(gGraphicsSystem->font.IsReady());
    // A draw without a context only runs the timer.
    EXPECT_NO_THROW(gGraphicsSystem->Update(0.016f));
}

TEST_F(RenderTest, TexturesAreCachedByListedNameOnly)
{
    WritePng(Sprites() / "empty.png", 1, 1, [](unsigned, unsigned) { return Rgba{0, 0, 0, 0}; });
    std::ofstream(Sprites() / "NotAPng.png") << "plain text";
    fs::create_directories(Sprites() / "folder.png");
    Start();
    auto& textures = *gTextureSystem;
    const auto first = textures.GetTexture("White.png");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->width, 2u);
    EXPECT_EQ(textures.GetTexture("White.png"), first);
    EXPECT_FALSE(textures.GetTexture("white.png"));  // case matters: the "empty.png" entry
    EXPECT_FALSE(textures.IsLoaded("white.png"));
    EXPECT_TRUE(textures.IsLoaded("empty.png"));
    EXPECT_FALSE(textures.GetTexture("folder.png"));
    // A listed file that does not decode is cached without a GL texture.
    const auto broken = textures.GetTexture("NotAPng.png");
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->id, 0u);
    textures.GetTexture("Red.png");
    EXPECT_EQ(textures.GetTextureNames(),
              (std::vector<std::string>{"NotAPng.png", "Red.png", "White.png", "empty.png"}));

    Framework::Message destroyed;
    destroyed.id = 0;
    textures.HandleMessage(&destroyed);
    EXPECT_TRUE(textures.GetTextureNames().empty());
    EXPECT_NE(first->id, 0u);  // still held here, still a texture
}

// A level's pictures, decoded together before its records are read, end up cached as the
// records' one-by-one requests would leave them: listed names only, a broken file without a
// texture, and each sprite holding the texture of its name.
TEST_F(RenderTest, ALevelsPicturesAreLoadedTogetherAsTheRecordsWouldLoadThem)
{
    std::ofstream(Sprites() / "NotAPng.png") << "plain text";
    for (int i = 0; i < 12; ++i)
        WritePng(Sprites() / ("Shade" + std::to_string(i) + ".png"), 3, 1 + static_cast<unsigned>(i),
                 [i](unsigned, unsigned) { return Rgba{static_cast<unsigned char>(20 * i), 0, 0, 255}; });
    Start();
    std::ofstream level(root / "work" / "Pictures.txt");
    level << "Pictures\n\n";
    const auto record = [&level](const std::string& name, const std::string& picture) {
        level << name << "\n2\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n1 1 1\nMouseTracking\n0\n"
              << "Sprite\n" << picture << "\nColor\n1 1 1\nTransparency\n1\nNumColumns\n1\nNumRows\n1\n"
              << "AnimationDelay\n0\nAnimateFlag\n0\nStartFrame\n0\nAnimationCount\n0\nFlipX\n0\nFlipY\n0\n"
              << "LightAffected\n1\nEnd\n\n";
    };
    for (int i = 0; i < 12; ++i)
        record("Shaded" + std::to_string(i), "Shade" + std::to_string(i) + ".png");
    record("Again", "Shade3.png");
    record("Broken", "NotAPng.png");
    record("Unlisted", "Missing.png");
    level << "/Pictures\n";
    level.close();

    EXPECT_EQ(Framework::TextureSystem::PicturesOfLevel("Pictures.txt").size(), 14u);
    LoadLevel("Pictures", "Pictures.txt");
    std::vector<std::string> expected{"NotAPng.png", "empty.png"};
    for (int i = 0; i < 12; ++i)
        expected.push_back("Shade" + std::to_string(i) + ".png");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(gTextureSystem->GetTextureNames(), expected);
    for (int i = 0; i < 12; ++i) {
        const auto sprite = FindObjectByName("Shaded" + std::to_string(i))->GetComponent<Sprite>();
        ASSERT_TRUE(sprite->texture);
        EXPECT_NE(sprite->texture->id, 0u);
        EXPECT_EQ(sprite->texture->height, 1u + static_cast<unsigned>(i));
        EXPECT_EQ(sprite->texture, gTextureSystem->GetTexture(sprite->textureName));
    }
    EXPECT_EQ(gTextureSystem->GetTexture("NotAPng.png")->id, 0u);
}

}  // namespace
}  // namespace rendertest
