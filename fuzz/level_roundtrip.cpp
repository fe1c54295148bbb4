// Level reader: load, save, load, save; the two saves must be equal byte for byte.
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SilenceConsole();
    workspace = &FuzzWorkspace::OfThisProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = AsText(data, size);
    // The file's first word is its scene name, so the shipped files end where they should.
    std::istringstream words(text);
    std::string name;
    if (!(words >> name))
        name = "Main";

    const std::string input = workspace->Path("resources/level/Input.txt");
    const std::string first = workspace->Path("resources/level/First.txt");
    const std::string second = workspace->Path("resources/level/Second.txt");
    workspace->Write("resources/level/Input.txt", text);

    DestroyAll();
    LoadLevel(name, input);
    if (!SaveLevel(name, first))
        FuzzFailure("first save failed", name, "");
    DestroyAll();
    LoadLevel(name, first);
    if (!SaveLevel(name, second))
        FuzzFailure("second save failed", name, "");
    DestroyAll();

    const std::string a = workspace->Read("resources/level/First.txt");
    const std::string b = workspace->Read("resources/level/Second.txt");
    if (a != b)
        FuzzFailure("a saved level does not read back as itself", a, b);
    return 0;
}
