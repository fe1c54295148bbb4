// One frame of a crowded scene through the real systems: N sprites of 32 x 32 pixels from a
// 4 x 4 animated sheet at random places and depths, depth-sorted every frame, with one point
// light at the centre of a 1920 x 1080 window switched on (lit) or off. 600 frames a run, no
// frame cap. Reported per frame:
//   cpu_ms     CPU time of the whole process (llvmpipe's rasteriser threads included)
//   main_ms    CPU time of the main thread
//   engine_ms  main-thread CPU time inside the depth sort and GraphicsSystem::Update
//   draws      draw calls handed to the driver
// Needs an X server: xvfb-run -a -s "-screen 0 1920x1080x24" ./graphics_draw
#include <GL/glew.h>
#include <benchmark/benchmark.h>
#include <lodepng.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
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
#include "support/DrawCallCounter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFrames = 600;
constexpr float kFrameTime = 1.0f / 60.0f;
const char* const kSheet = "Walker_4x4.png";

fs::path gRoot;

fs::path SourceDir()
{
    return fs::path(__FILE__).parent_path().parent_path();
}

double CpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// A 4 x 4 sheet of 32-pixel frames, each frame its own pattern.
bool WriteSheet(const fs::path& path)
{
    std::vector<unsigned char> pixels;
    for (unsigned y = 0; y < 128; ++y)
        for (unsigned x = 0; x < 128; ++x) {
            const unsigned frame = (y / 32) * 4 + x / 32;
            const unsigned char shade = static_cast<unsigned char>(80 + ((x + y + frame * 3) % 16) * 10);
            pixels.insert(pixels.end(), {shade, static_cast<unsigned char>(40 + frame * 12),
                                         static_cast<unsigned char>(255 - shade), 255});
        }
    return lodepng::encode(path.string(), pixels, 128, 128) == 0;
}

bool StartEngine()
{
    std::string pattern = (fs::temp_directory_path() / "vesperine-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return false;
    gRoot = pattern;
    fs::create_directories(gRoot / "resources" / "sprites");
    fs::create_directories(gRoot / "work");
    fs::copy(SourceDir() / "resources" / "shaders", gRoot / "resources" / "shaders");
    std::ofstream(gRoot / "resources" / "init.ini") << kWidth << "\n" << kHeight << "\nVesperine\n";
    fs::current_path(gRoot / "work");
    if (!WriteSheet(gRoot / "resources" / "sprites" / kSheet))
        return false;

    gWindowSystem->Init();
    gGraphicsSystem->Init();
    gTextureSystem->Init();
    return gGraphicsSystem->HasContext();
}

void BuildScene(int sprites, bool lit)
{
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> across(-kWidth / 2.0f, kWidth / 2.0f);
    std::uniform_real_distribution<float> down(-kHeight / 2.0f, kHeight / 2.0f);
    std::uniform_real_distribution<float> depth(0.0f, 3.9f);
    std::uniform_real_distribution<float> phase(0.0f, 0.1f);

    auto camera = std::make_shared<GameObject>("Camera", 10, 0);
    camera->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    AddObject(camera);
    for (int i = 0; i < sprites; ++i) {
        auto object = std::make_shared<GameObject>("Walker" + std::to_string(i), 4, i + 1);
        const float x = across(random);
        const float y = down(random);
        object->AddComponent(std::make_shared<Transform>(x, y, depth(random), 32.0f, 32.0f), Transform::kTypeId);
        auto sprite = std::make_shared<Sprite>(kSheet);
        object->AddComponent(sprite, Sprite::kTypeId);
        sprite->SetTexture(kSheet);
        sprite->animateFlag = true;
        sprite->animationCount = 15;
        sprite->animationDelay = 0.1f;
        sprite->animationTimer = phase(random);
        AddObject(object);
    }
    auto lamp = std::make_shared<GameObject>("Lamp", 1, sprites + 1);
    lamp->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto light = std::make_shared<LightSource>(0.5f);
    light->Position = Vector3(0.0f, 0.0f, 0.0f);
    light->CutoffDistance = 300.0f;
    light->Enabled = lit;
    lamp->AddComponent(light, LightSource::kTypeId);
    AddObject(lamp);
    gAmbientLight = 0.2f;
}

void BM_DrawScene(benchmark::State& state)
{
    const int sprites = static_cast<int>(state.range(0));
    BuildScene(sprites, state.range(1) != 0);
    // One frame first: textures, quads and shaders reach the driver before timing starts.
    Framework::SceneSystem::SortObjectsByDepth();
    gGraphicsSystem->BeginFrame();
    gGraphicsSystem->ClearScreen();
    gGraphicsSystem->Update(kFrameTime);
    gGraphicsSystem->SwapBuffers();
    glFinish();

    double engineSeconds = 0.0;
    long drawCalls = 0;
    const double processStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double mainStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (auto _ : state) {
        for (std::size_t i = 0; i < gGameObjects.size(); ++i)
            gGameObjects[i]->Update(kFrameTime);
        const double engineStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        Framework::SceneSystem::SortObjectsByDepth();
        double engineTime = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - engineStart;
        gGraphicsSystem->BeginFrame();
        gGraphicsSystem->ClearScreen();
        const long drawsBefore = DrawCallsSoFar();
        const double drawStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        gGraphicsSystem->Update(kFrameTime);
        engineTime += CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - drawStart;
        drawCalls += DrawCallsSoFar() - drawsBefore;
        engineSeconds += engineTime;
        gGraphicsSystem->SwapBuffers();
    }
    glFinish();
    const double frames = static_cast<double>(state.iterations());
    state.counters["cpu_ms"] = 1000.0 * (CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart) / frames;
    state.counters["main_ms"] = 1000.0 * (CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - mainStart) / frames;
    state.counters["engine_ms"] = 1000.0 * engineSeconds / frames;
    state.counters["draws"] = static_cast<double>(drawCalls) / frames;
    DestroyAll();
}
BENCHMARK(BM_DrawScene)
    ->ArgNames({"sprites", "lit"})
    ->ArgsProduct({{500, 2000, 8000}, {0, 1}})
    ->Iterations(kFrames)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
        ready = StartEngine();
    } catch (const std::exception& e) {
        std::cerr << "graphics_draw: " << e.what() << "\n";
    }
    if (ready)
        benchmark::RunSpecifiedBenchmarks();
    else
        std::cerr << "graphics_draw: no OpenGL context\n";
    DestroyAll();
    gTextureSystem->Shutdown();
    gGraphicsSystem->Shutdown();
    gWindowSystem->Shutdown();
    std::error_code ec;
    fs::current_path(oldDir, ec);
    fs::remove_all(gRoot, ec);
    return ready ? 0 : 1;
}
