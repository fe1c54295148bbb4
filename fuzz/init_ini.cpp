// init.ini: whatever it holds, the window gets a positive size and a one-word title.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "engine/WindowSystem.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends

bool OneWord(const std::string& word)
{
    if (word.empty())
        return false;
    for (char c : word)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
            return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    workspace->Write("resources/init.ini", AsText(data, size));
    const Framework::WindowSettings settings =
        Framework::WindowSystem::LoadSettings(workspace->Path("resources/init.ini"));
    if (settings.width <= 0 || settings.height <= 0 || !OneWord(settings.title))
        FuzzFailure("unusable window settings", "positive size and a one-word title",
                    std::to_string(settings.width) + " x " + std::to_string(settings.height) + " \"" +
                        settings.title + "\"");
    return 0;
}
