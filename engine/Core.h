#pragma once
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"

// The engine core: the ordered list of systems and the frame clock.
class Core {
public:
    using Clock = std::chrono::steady_clock;

    Core();

    // Appends the nine global systems in their fixed order: log, window, graphics, texture,
    // physics, input, audio, scene, path finding. Called once.
    void Initialize();

    // Init in list order. When a system's Init throws, what was started (the failing system
    // included, since it may hold half its resources) is shut down in reverse order, `error`
    // names the system and the cause, the list is emptied and false is returned.
    bool InitSystems(std::string& error);

    // Update(dt) in list order, all with the same dt.
    void UpdateSystems(float frameDt);

    // Shutdown in reverse list order, then the list is emptied. A Shutdown that throws is
    // reported and the others still run (the input system must still write its bindings).
    void ShutdownSystems();

    // Takes the frame's clock reading: dt is the time since the previous reading (the engine
    // sets the first one once its systems have started).
    float Tick(Clock::time_point now);

    std::vector<std::shared_ptr<Framework::System>> systems;
    Clock::time_point lastTime;
    Clock::time_point currentTime;
    float dt = 0.0f;

private:
    void ShutdownRange(std::size_t count);
};

extern std::unique_ptr<Core> gCore;
