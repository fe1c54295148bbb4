// A level file run as the game runs it: the level scene loads it, links it, updates it for a
// few frames and unloads it.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "engine/KeyTable.h"
#include "platform/SoundSystem.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    // No keys are ever held, and sound goes nowhere.
    Framework::SetKeyStateSource([](int) { return false; });
    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Unavailable);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    workspace->Write("resources/level/Level1.txt", AsText(data, size));
    RunLevelScene(false);
    return 0;
}
