// Time per frame spent in GraphicsSystem::Update for 2,000 lit, animated sprites under eight
// lights. Needs an X server: xvfb-run -a -s "-screen 0 1920x1080x24" ./graphics_draw
#include <GL/glew.h>
#include <benchmark/benchmark.h>
#include <lodepng.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace fs = std::filesystem;

namespace {

constexpr int kSprites = 2000;
constexpr int kLights = 8;

fs::path gRoot;

// The repository: this file lives in its bench/ folder.
fs::path SourceDir()
{
    return fs::path(__FILE__).parent_path().parent_path();
}
std::vector<std::shared_ptr<Sprite>> gSprites;

bool SetUpScene()
{
    std::string pattern = (fs::temp_directory_path() / "vesperine-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return false;
    gRoot = pattern;
    fs::create_directories(gRoot / "resources" / "sprites");
    fs::create_directories(gRoot / "work");
    fs::copy(SourceDir() / "resources" / "shaders", gRoot / "resources" / "shaders");
    std::ofstream(gRoot / "resources" / "init.ini") << "1280\n720\nVesperine\n";
    fs::current_path(gRoot / "work");

    // A 2 x 4 walk sheet of 16-pixel frames.
    std::vector<unsigned char> pixels;
    for (unsigned y = 0; y < 32; ++y)
        for (unsigned x = 0; x < 64; ++x) {
            const unsigned char shade = static_cast<unsigned char>(60 + ((x / 16 + y / 16) % 4) * 45);
            pixels.insert(pixels.end(), {shade, static_cast<unsigned char>(shade / 2), 90, 255});
        }
    if (lodepng::encode((gRoot / "resources" / "sprites" / "Walk_2x4.png").string(), pixels, 64, 32) != 0)
        return false;

    gWindowSystem->Init();
    gGraphicsSystem->Init();
    gTextureSystem->Init();

    auto camera = std::make_shared<GameObject>("Camera", 10, 0);
    camera->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    AddObject(camera);
    for (int i = 0; i < kSprites; ++i) {
        auto object = std::make_shared<GameObject>("Prop" + std::to_string(i), 4, 0);
        const float x = static_cast<float>((i * 37) % 1240) - 620.0f;
        const float y = static_cast<float>((i * 53) % 680) - 340.0f;
        object->AddComponent(std::make_shared<Transform>(x, y, 1.0f + 0.001f * static_cast<float>(i), 48.0f, 48.0f),
                             Transform::kTypeId);
        auto sprite = std::make_shared<Sprite>("Walk_2x4.png");
        sprite->SetTexture("Walk_2x4.png");
        sprite->animateFlag = true;
        sprite->animationCount = 7;
        sprite->animationDelay = 0.0f;
        object->AddComponent(sprite, Sprite::kTypeId);
        gSprites.push_back(sprite);
        AddObject(object);
    }
    for (int i = 0; i < kLights; ++i) {
        auto object = std::make_shared<GameObject>("Light" + std::to_string(i), 1, 0);
        auto transform = std::make_shared<Transform>(static_cast<float>(i * 150 - 525), 0.0f, 1.0f, 1.0f, 1.0f);
        transform->rotation = static_cast<float>(i * 45);
        object->AddComponent(transform, Transform::kTypeId);
        auto light = std::make_shared<LightSource>(0.5f);
        light->Position = Vector3(0.0f, 0.0f, i % 2 == 0 ? 1.0f : 0.0f);
        light->CutoffDistance = 300.0f;
        object->AddComponent(light, LightSource::kTypeId);
        AddObject(object);
    }
    gAmbientLight = 0.1f;
    Framework::SceneSystem::SortObjectsByDepth();
    gGraphicsSystem->BeginFrame();
    return gGraphicsSystem->HasContext();
}

void StepAnimations()
{
    for (const auto& sprite : gSprites)
        sprite->Update(0.016f);
}

// Argument 1: the driver's work (llvmpipe renders on the CPU) is finished inside the timing.
// Argument 0: only the engine's side — packing, uniforms and draw calls handed to the driver.
void BM_GraphicsUpdate(benchmark::State& state)
{
    const bool includeDriver = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        StepAnimations();
        gGraphicsSystem->ClearScreen();
        glFinish();
        state.ResumeTiming();
        gGraphicsSystem->Update(0.016f);
        if (!includeDriver)
            state.PauseTiming();
        glFinish();
        if (!includeDriver)
            state.ResumeTiming();
    }
    state.counters["sprites"] = kSprites;
    state.counters["lights"] = gGraphicsSystem->activeLightCount;
}
BENCHMARK(BM_GraphicsUpdate)->ArgName("withDriver")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY")) {
        std::cerr << "graphics_draw needs an X display (run under xvfb-run)\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    const fs::path oldDir = fs::current_path();
    bool ready = false;
    try {
        ready = SetUpScene();
    } catch (const std::exception& e) {
        std::cerr << "graphics_draw: " << e.what() << "\n";
    }
    if (ready)
        benchmark::RunSpecifiedBenchmarks();
    else
        std::cerr << "graphics_draw: no OpenGL context\n";
    gSprites.clear();
    DestroyAll();
    gTextureSystem->Shutdown();
    gGraphicsSystem->Shutdown();
    gWindowSystem->Shutdown();
    std::error_code ec;
    fs::current_path(oldDir, ec);
    fs::remove_all(gRoot, ec);
    return ready ? 0 : 1;
}
