#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "engine/Camera.h"
#include "engine/SceneRequests.h"
#include "objects/ObjectList.h"
#include "scenes/Level.h"

void SilenceConsole()
{
    std::cout.rdbuf(nullptr);
    std::cerr.rdbuf(nullptr);
    std::clog.rdbuf(nullptr);
}

std::string AsText(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

std::pair<std::string, std::string> SplitAtNul(const uint8_t* data, size_t size)
{
    const std::string text = AsText(data, size);
    const size_t nul = text.find('\0');
    if (nul == std::string::npos)
        return {text, std::string()};
    return {text.substr(0, nul), text.substr(nul + 1)};
}

void FuzzFailure(const std::string& what, const std::string& expected, const std::string& actual)
{
    std::fprintf(stderr, "FUZZ FAILURE: %s\n--- expected ---\n%s\n--- actual ---\n%s\n", what.c_str(),
                 expected.c_str(), actual.c_str());
    std::abort();
}

void RunLevelScene(bool continueGame)
{
    constexpr int kFrames = 4;
    ResetSceneRequests();
    gContinueGame = continueGame;
    DestroyAll();
    *gCamera = Framework::Camera();

    Level level(3);
    level.Load();
    level.Init();
    for (int frame = 0; frame < kFrames; ++frame)
        level.Update(1.0f / 60.0f);
    level.Unload();
    level.Shutdown();
}
