// The level scene's frame with the whole shipped Level1 loaded, through the real systems in the
// game's order (window, graphics, textures, physics, input, audio, scenes, path finding), its
// enemies and scripts running, the player standing where a new game starts and then in the
// light room. Reported:
//   load_ms    wall time of the frame that loads and starts the level (file, objects, Init, routes)
//   and of its parts: read_ms (the file, pictures cached), routes_ms, textures_ms (this thread's
//   time on the level's pictures in the first load: starting the work, taking each texture,
//   waiting for the last ones)
//   engine_ms  main-thread CPU time per frame inside the systems' updates (scene, sort, draw calls)
//   driver_ms  CPU time per frame of the driver's other threads (llvmpipe's rasteriser)
//   cpu_ms     CPU time per frame of the whole process
// and, from a few frames more with the graphics system counting, what each frame shades:
//   draws, quads, hidden (quads left out under opaque ones), plain_mpx / lit_mpx (millions of pixels drawn with the plain / a lit program)
//   and light_mpx (lit pixels times the lights each is shaded with)
// No frame cap. Needs an X server and the generated resources (tools/make_content.sh):
//   cd build && SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" ./bench/level_frame
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "engine/Core.h"
#include "engine/SceneRequests.h"
#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "graphics/GraphicsSystem.h"
#include "ai/PathFindingSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace {

namespace fs = std::filesystem;

// LEVEL_FRAME_FRAMES sets the frames measured in each view (600 by default).
int MeasuredFrames()
{
    const char* text = std::getenv("LEVEL_FRAME_FRAMES");
    const int frames = text ? std::atoi(text) : 0;
    return frames > 0 ? frames : 600;
}
constexpr float kFrameTime = 1.0f / 60.0f;

double CpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

struct FrameCost {
    double engineMs = 0.0;
    double driverMs = 0.0;
    double cpuMs = 0.0;
    std::map<std::string, double> systemMs;  // main-thread CPU per frame of each system
};

FrameCost RunFrames(int frames)
{
    double engine = 0.0;
    std::map<std::string, double> bySystem;
    const double processStart = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const double mainStart = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    for (int i = 0; i < frames; ++i) {
        gGraphicsSystem->ClearScreen();
        // The core's update, one system at a time so that each one's share shows.
        for (const auto& system : gCore->systems) {
            const double start = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
            system->Update(kFrameTime);
            const double spent = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - start;
            engine += spent;
            bySystem[system->GetName()] += spent;
        }
        gGraphicsSystem->SwapBuffers();
    }
    const double process = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processStart;
    const double main = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - mainStart;
    for (auto& entry : bySystem)
        entry.second *= 1000.0 / frames;
    return {1000.0 * engine / frames, 1000.0 * (process - main) / frames, 1000.0 * process / frames, bySystem};
}

// Per frame, over a few frames counted by the graphics system (kept out of the timed frames).
void ReportShading()
{
    gGraphicsSystem->shading = {};
    gGraphicsSystem->countShading = true;
    RunFrames(10);
    gGraphicsSystem->countShading = false;
    const auto& count = gGraphicsSystem->shading;
    const double frames = count.frames > 0 ? static_cast<double>(count.frames) : 1.0;
    std::printf("             draws %.0f  quads %.0f  hidden %.0f  plain_mpx %.2f  lit_mpx %.2f  light_mpx %.2f\n",
                count.draws / frames, count.quads / frames, count.hiddenQuads / frames, count.plainPixels / frames / 1e6,
                count.litPixels / frames / 1e6, count.lightPixels / frames / 1e6);
}

void Report(const char* where, const FrameCost& cost)
{
    std::printf("%-12s engine_ms %6.2f  driver_ms %6.2f  cpu_ms %6.2f  (goals: engine under 1.7, driver under 40)\n", where,
                cost.engineMs, cost.driverMs, cost.cpuMs);
    std::printf("            ");
    for (const auto& [name, ms] : cost.systemMs)
        if (ms >= 0.05)
            std::printf(" %s %.2f;", name.c_str(), ms);
    std::printf("\n");
    ReportShading();
}

}  // namespace

int main()
{
    if (!std::getenv("DISPLAY")) {
        std::cerr << "level_frame needs an X display (run under xvfb-run)\n";
        return 0;
    }
    // The game reads ../resources from its working folder: work in a folder beside a link to
    // the source tree's resources, so nothing of the tree is written.
    const fs::path source = fs::path(__FILE__).parent_path().parent_path() / "resources";
    if (!fs::exists(source / "sprites" / "Empty_1x1.png")) {
        std::cerr << "level_frame: run tools/make_content.sh first (no generated sprites)\n";
        return 1;
    }
    std::string pattern = (fs::temp_directory_path() / "vesperine-level-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return 1;
    const fs::path root = pattern;
    fs::create_directories(root / "work");
    fs::create_directory_symlink(source, root / "resources");
    const fs::path oldDir = fs::current_path();
    fs::current_path(root / "work");

    int status = 0;
    gCore->Initialize();
    std::string error;
    if (!gCore->InitSystems(error)) {
        std::cerr << "level_frame: " << error << "\n";
        status = 1;
    } else {
        // The first load's pictures, timed: the texture system's own preparer, wrapped. Its
        // steps run on this thread between the file's records.
        double texturesMs = 0.0;
        bool firstLoad = true;
        const LevelPreparer textures = CurrentLevelPreparer();
        const auto timed = [&texturesMs, &firstLoad](const auto& step) {
            const auto begin = std::chrono::steady_clock::now();
            step();
            if (firstLoad)
                texturesMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
        };
        LevelPreparer wrapped;
        wrapped.begin = [=](const std::string& path) { timed([&] { textures.begin(path); }); };
        wrapped.between = [=] { timed(textures.between); };
        wrapped.end = [=, &firstLoad] {
            timed(textures.end);
            firstLoad = false;
        };
        SetLevelPreparer(wrapped);
        // A new game, as the intro's end asks for it.
        gNewGame = true;
        gSceneSystem->currentScene = SceneId::Level;
        gSceneSystem->previousScene = SceneId::None;
        const auto start = std::chrono::steady_clock::now();
        gCore->UpdateSystems(kFrameTime);
        const double loadMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        std::printf("level1       objects %zu  load_ms %.1f  (first load; goal: under 150)\n", gGameObjects.size(), loadMs);
        {
            // Where a load's time goes: reading the file and working out the routes (textures
            // and every component's start make up the rest).
            const GameObjectList kept = gGameObjects;
            gGameObjects.clear();
            const auto t0 = std::chrono::steady_clock::now();
            LoadLevel("Level1", "../resources/level/Level1.txt");
            const auto t1 = std::chrono::steady_clock::now();
            gPathFindingSystem->Init();
            const auto t2 = std::chrono::steady_clock::now();
            std::printf("             read_ms %.1f  routes_ms %.1f  textures_ms %.1f (first load)\n",
                        std::chrono::duration<double, std::milli>(t1 - t0).count(),
                        std::chrono::duration<double, std::milli>(t2 - t1).count(), texturesMs);
            DestroyAll();
            gGameObjects = kept;
            gPathFindingSystem->Init();
        }

        RunFrames(60);  // textures and program variants reach the driver first

        // A second load, as a restart after game over makes it: pictures and programs are known.
        gSceneSystem->GetCurrentScene()->Unload();
        gNewGame = true;
        gSceneSystem->currentScene = SceneId::Level;
        gSceneSystem->previousScene = SceneId::None;
        const auto again = std::chrono::steady_clock::now();
        gCore->UpdateSystems(kFrameTime);
        std::printf("             reload_ms %.1f  (second load)\n",
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - again).count());
        RunFrames(60);
        Report("ward", RunFrames(MeasuredFrames()));
        if (const auto link = FindObjectByName("Entrance1-11link")) {
            const auto player = FindObjectByName("Player");
            if (player && player->GetComponent<Transform>() && link->GetComponent<Transform>()) {
                const Vector3 p = link->GetComponent<Transform>()->position;
                player->GetComponent<Transform>()->SetPosition(Vector2(p.x, p.y));
                RunFrames(60);
                Report("light room", RunFrames(MeasuredFrames()));
            }
        }
    }
    gCore->ShutdownSystems();
    std::error_code ec;
    fs::current_path(oldDir, ec);
    fs::remove_all(root, ec);
    return status;
}
