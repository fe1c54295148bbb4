#include "engine/FrameLoop.h"

#include <exception>
#include <string>
#include <thread>

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"

bool HandleFrameKeys(FrameServices& services, bool& fullscreenWanted)
{
    if (services.isKeyTriggered(Framework::Keys::F10))
        fullscreenWanted = !fullscreenWanted;
    services.setFullscreen(fullscreenWanted);

    // Escape's latch is only consulted while Left Ctrl is held, so Escape alone stays with the
    // scenes, and a press a scene already took this frame does not quit.
    if (services.isKeyDown(Framework::Keys::LeftCtrl) && services.isKeyTriggered(Framework::Keys::Escape)) {
        if (services.sceneAsksBeforeQuit && services.sceneAsksBeforeQuit())
            return false;
        services.setFullscreen(false);
        return true;
    }
    return false;
}

bool RunFrame(Core& core, FrameServices& services, bool& fullscreenWanted)
{
    const float frameDt = core.Tick(services.now());
    services.clearScreen();
    core.UpdateSystems(frameDt);
    services.swapBuffers();

    const auto spent = services.now() - core.currentTime;
    if (spent < kMinFrameTime)
        services.sleepFor(std::chrono::duration_cast<std::chrono::nanoseconds>(kMinFrameTime - spent));

    return !HandleFrameKeys(services, fullscreenWanted);
}

int RunEngine(Core& core, FrameServices& services, bool& fullscreenWanted)
{
    std::string error;
    if (!core.InitSystems(error)) {
        Framework::ReportError("Vesperine could not start: " + error);
        return 1;
    }

    // The first frame's time starts now: start-up (window, pictures, sounds) took seconds, and a
    // first dt holding them would cut as much from the splash's first logo.
    core.lastTime = services.now();
    core.currentTime = core.lastTime;
    int status = 0;
    try {
        while (!services.quitRequested()) {
            if (!RunFrame(core, services, fullscreenWanted))
                break;
        }
    } catch (const std::exception& e) {
        Framework::ReportError(std::string("Vesperine stopped on an error: ") + e.what());
        status = 1;
    } catch (...) {
        Framework::ReportError("Vesperine stopped on an unknown error");
        status = 1;
    }

    if (fullscreenWanted || status != 0) {
        try {
            services.setFullscreen(false);
        } catch (...) {
        }
    }
    core.ShutdownSystems();
    return status;
}

FrameServices MakeGameFrameServices()
{
    FrameServices services;
    services.now = [] { return Core::Clock::now(); };
    services.sleepFor = [](std::chrono::nanoseconds d) { std::this_thread::sleep_for(d); };
    services.clearScreen = [] { gGraphicsSystem->ClearScreen(); };
    services.swapBuffers = [] { gGraphicsSystem->SwapBuffers(); };
    services.isKeyDown = [](int key) { return gInputSystem->IsKeyDown(key); };
    services.isKeyTriggered = [](int key) { return gInputSystem->IsKeyTriggered(key); };
    services.setFullscreen = [](bool wanted) { gWindowSystem->SetFullscreen(wanted); };
    services.quitRequested = [] { return gWindowSystem->quit; };
    services.sceneAsksBeforeQuit = [] {
        const auto scene = gSceneSystem ? gSceneSystem->GetEnteredScene() : nullptr;
        if (scene && scene->AskBeforeQuit())
            return true;
        // Anywhere else, what a scene could not write asks through the engine's question.
        return gSceneSystem && !gSceneSystem->MayQuit();
    };
    return services;
}
