// The key-name file and the action file (separated by a NUL byte): read, queried, written back,
// and read again into the same bindings; an action file kept aside is kept byte for byte.
#include <cstdint>
#include <map>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "engine/InputSystem.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends

std::string Describe(const std::map<std::string, std::string>& bindings)
{
    std::string text;
    for (const auto& [action, key] : bindings)
        text += action + " -> " + key + "\n";
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    Framework::SetKeyStateSource([](int) { return false; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [names, actions] = SplitAtNul(data, size);
    workspace->Write("resources/SerializedKeys.txt", names);
    workspace->WriteInput("resources/KeyboardActionMap.txt", actions);

    Framework::InputSystem input;
    input.keyNamePath = workspace->Path("resources/SerializedKeys.txt");
    input.actionMapPath = workspace->Path("resources/KeyboardActionMap.txt");
    input.LoadKeyMaps();
    for (const auto& [action, key] : gActionToKeyName) {
        const int index = input.ActionKeyIndex(action);
        if (index < -1 || index >= Framework::kKeyCount)
            FuzzFailure("action " + action + " maps outside the key table", key, std::to_string(index));
        input.IsActionDown(action);
        input.IsActionTriggered(action);
        input.IsActionUp(action);
    }

    const std::map<std::string, std::string> read = gActionToKeyName;
    if (!input.SaveActionMap())
        FuzzFailure("the action file could not be written", "", "");
    const std::string kept = workspace->Read("resources/KeyboardActionMap.txt.broken");
    if (!kept.empty() && kept != actions)
        FuzzFailure("the action file kept aside differs from the file read", actions, kept);
    input.LoadKeyMaps();
    if (gActionToKeyName != read)
        FuzzFailure("written bindings read back differently", Describe(read), Describe(gActionToKeyName));
    return 0;
}
