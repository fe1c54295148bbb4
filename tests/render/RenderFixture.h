#pragma once
// Drives the real window, graphics and texture systems under an X server (xvfb-run) in a
// temporary game tree: resources/shaders are the shipped ones, resources/sprites holds PNGs
// the test writes with lodepng, and the font is a free Debian one when InstallFont is called.
#include <GL/glew.h>
#include <gtest/gtest.h>
#include <lodepng.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/DisplayRequired.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace rendertest {

namespace fs = std::filesystem;

using Rgba = std::array<unsigned char, 4>;

constexpr int kWidth = 400;
constexpr int kHeight = 300;

// A PNG of w x h pixels, row 0 at the top, each pixel from colourAt(x, y).
template <class ColourAt>
void WritePng(const fs::path& path, unsigned w, unsigned h, ColourAt colourAt)
{
    std::vector<unsigned char> pixels;
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < w; ++x) {
            const Rgba c = colourAt(x, y);
            pixels.insert(pixels.end(), c.begin(), c.end());
        }
    ASSERT_EQ(lodepng::encode(path.string(), pixels, w, h), 0u) << path;
}

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_DISPLAY();

        std::string pattern = (fs::temp_directory_path() / "vesperine-render-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        fs::create_directories(root / "resources" / "sprites");
        fs::create_directories(root / "resources" / "fonts" / "roman_antique");
        fs::create_directories(root / "work");
        fs::copy(fs::path(VESPERINE_SOURCE_DIR) / "resources" / "shaders", root / "resources" / "shaders");
        std::ofstream(root / "resources" / "init.ini") << kWidth << "\n" << kHeight << "\nVesperine\n";
        oldDir = fs::current_path();
        fs::current_path(root / "work");

        const auto white = [](unsigned, unsigned) { return Rgba{255, 255, 255, 255}; };
        WritePng(Sprites() / "White.png", 2, 2, white);
        const auto red = [](unsigned, unsigned) { return Rgba{255, 0, 0, 255}; };
        WritePng(Sprites() / "Red.png", 2, 2, red);

        DestroyAll();
        gAmbientLight = 0.0f;
        gLightsDirty = true;
        gWindowSystem = std::make_shared<Framework::WindowSystem>();
        gGraphicsSystem = std::make_shared<Framework::GraphicsSystem>();
        gTextureSystem = std::make_shared<Framework::TextureSystem>();
        gSceneSystem = std::make_shared<Framework::SceneSystem>();
    }

    void TearDown() override
    {
        DestroyAll();
        if (gTextureSystem)
            gTextureSystem->Shutdown();
        if (gGraphicsSystem)
            gGraphicsSystem->Shutdown();
        if (gWindowSystem)
            gWindowSystem->Shutdown();
        std::error_code ec;
        if (!oldDir.empty())
            fs::current_path(oldDir, ec);
        if (!root.empty())
            fs::remove_all(root, ec);
    }

    fs::path Sprites() const { return root / "resources" / "sprites"; }

    // Puts a font where the game looks for its own (before Start).
    void InstallFont() const
    {
        fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
                      root / "resources" / "fonts" / "roman_antique" / "RomanAntique.ttf");
    }

    // Window, context and shaders, then the sprite folder (written before this call).
    void Start()
    {
        gWindowSystem->Init();
        gGraphicsSystem->Init();
        gTextureSystem->Init();
        ASSERT_TRUE(gGraphicsSystem->HasContext());
    }

    std::shared_ptr<GameObject> AddCamera()
    {
        auto camera = std::make_shared<GameObject>("Camera", 10, 0);
        camera->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
        AddObject(camera);
        return camera;
    }

    std::shared_ptr<GameObject> AddSprite(const std::string& name, const std::string& texture, float x, float y,
                                          float z, float w, float h, bool lit = false)
    {
        auto object = std::make_shared<GameObject>(name, 4, 0);
        object->AddComponent(std::make_shared<Transform>(x, y, z, w, h), Transform::kTypeId);
        auto sprite = std::make_shared<Sprite>();
        sprite->texture = gTextureSystem->GetTexture(texture);
        sprite->textureName = texture;
        sprite->SetTexture(texture);
        sprite->lightAffected = lit;
        object->AddComponent(sprite, Sprite::kTypeId);
        AddObject(object);
        return object;
    }

    // A light at (x, y) on an object turned and scaled as given.
    void AddLight(const std::string& name, float x, float y, float rotation, float scaleX, float scaleY,
                  bool spot, float cutoff, float hardRatio, float floorLevel, float halfAngle, Vector4 colour)
    {
        auto object = std::make_shared<GameObject>(name, 1, 0);
        auto transform = std::make_shared<Transform>(x, y, 1.0f, scaleX, scaleY);
        transform->rotation = rotation;
        object->AddComponent(transform, Transform::kTypeId);
        auto light = std::make_shared<LightSource>(halfAngle);
        light->Position = Vector3(0.0f, 0.0f, spot ? 1.0f : 0.0f);
        light->CutoffDistance = cutoff;
        light->HardLightRatio = hardRatio;
        light->MinimumBrightness = floorLevel;
        light->Colour = colour;
        object->AddComponent(light, LightSource::kTypeId);
        AddObject(object);
    }

    // One frame as the game runs it: sort, frame set-up, clear, draw; then read back.
    void DrawFrame()
    {
        Framework::SceneSystem::SortObjectsByDepth();
        gGraphicsSystem->BeginFrame();
        gGraphicsSystem->ClearScreen();
        gGraphicsSystem->Update(0.016f);
        glFinish();
    }

    // The pixel at world point (x, y) with the camera at the origin.
    static Rgba PixelAt(float x, float y)
    {
        Rgba rgba{};
        const int px = static_cast<int>(kWidth / 2 + x);
        const int py = static_cast<int>(kHeight / 2 + y);
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    static int Brightness(const Rgba& c) { return c[0] + c[1] + c[2]; }

    fs::path root;
    fs::path oldDir;
};

}  // namespace rendertest
