#include "engine/Core.h"

#include <exception>

#include "ai/PathFindingSystem.h"
#include "audio/AudioSystem.h"
#include "engine/InputSystem.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneSystem.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/TextureSystem.h"
#include "physics/Physics.h"

Core::Core() : lastTime(Clock::now()), currentTime(lastTime) {}

void Core::Initialize()
{
    if (systems.capacity() < 10)
        systems.reserve(10);
    systems.push_back(gLoggingSystem);
    systems.push_back(gWindowSystem);
    systems.push_back(gGraphicsSystem);
    systems.push_back(gTextureSystem);
    systems.push_back(gPhysics);
    systems.push_back(gInputSystem);
    systems.push_back(gAudioSystem);
    systems.push_back(gSceneSystem);
    systems.push_back(gPathFindingSystem);
}

bool Core::InitSystems(std::string& error)
{
    for (std::size_t i = 0; i < systems.size(); ++i) {
        const auto& system = systems[i];
        std::string cause;
        try {
            system->Init();
            continue;
        } catch (const std::exception& e) {
            cause = e.what();
        } catch (...) {
            cause = "unknown error";
        }
        error = system->GetName() + ": " + cause;
        ShutdownRange(i + 1);
        systems.clear();
        return false;
    }
    return true;
}

void Core::UpdateSystems(float frameDt)
{
    for (const auto& system : systems)
        system->Update(frameDt);
}

void Core::ShutdownRange(std::size_t count)
{
    for (std::size_t i = count; i-- > 0;) {
        const auto& system = systems[i];
        try {
            system->Shutdown();
        } catch (const std::exception& e) {
            Framework::ReportError("Shutdown of " + system->GetName() + " failed: " + e.what());
        } catch (...) {
            Framework::ReportError("Shutdown of " + system->GetName() + " failed");
        }
    }
}

void Core::ShutdownSystems()
{
    ShutdownRange(systems.size());
    systems.clear();
}

float Core::Tick(Clock::time_point now)
{
    currentTime = now;
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(currentTime - lastTime).count();
    dt = static_cast<float>(ns) / 1000000000.0f;
    lastTime = currentTime;
    return dt;
}
