// The save file as "Continue" loads it: the level scene reads it (or, when it holds no
// player, starts Level1 instead), links it, runs a few frames and unloads it. The save is
// never changed or lost by being loaded.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "engine/KeyTable.h"
#include "platform/SoundSystem.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
const char* const kSave = "resources/save/SaveData.txt";
// The new game a broken save falls back to: small, so that the save stays the subject.
const char* const kFirstLevel =
    "Level1\n\nCamera\n10\nNone\nTransform\nPosition\n0 0 0\nRotate\n0\nScale\n20 20 1\nMouseTracking\n0\nEnd\n\n"
    "/Level1\n";
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    workspace->Write("resources/level/Level1.txt", kFirstLevel);
    // No keys are ever held, and sound goes nowhere.
    Framework::SetKeyStateSource([](int) { return false; });
    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Unavailable);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string save = AsText(data, size);
    // Each damaged save is kept aside beside it, and the level writes nowhere else: left there,
    // the copies would pile up, every later input reading them all.
    workspace->EmptyFolder("resources/save");
    workspace->Write(kSave, save);
    RunLevelScene(true);

    const std::string after = workspace->Read(kSave);
    if (after != save)
        FuzzFailure("loading the save changed it", save, after);
    return 0;
}
