// The sound-effect and music lists (separated by a NUL byte), read by the audio system at
// start-up, then asked for their names and for plays.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "audio/AudioSystem.h"
#include "platform/SoundSystem.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    // Only the lists are under test: no device, so listed files are never opened.
    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Unavailable);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [sounds, music] = SplitAtNul(data, size);
    workspace->Write("resources/sfx/sfx.txt", sounds);
    workspace->Write("resources/bgm/bgm.txt", music);

    Framework::AudioSystem audio;
    audio.Init();
    for (const std::string& name : audio.GetSoundNames())
        audio.PlaySound(name, true);
    for (const std::string& name : audio.GetBGMNames())
        audio.PlayBGM(name, false);
    audio.PlaySound("NotListed", false);
    audio.Update(1.0f / 60.0f);
    audio.Shutdown();
    return 0;
}
