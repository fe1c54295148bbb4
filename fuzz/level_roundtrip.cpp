// Level reader and writer: load, link, save, load, link, save. The save is read back whole, its
// objects under the names and links they were saved with, and the two saves are equal byte for byte. The save goes under the name
// of an object's "/Name", so that its name is the save's end line, and names that begin with '<'
// become "<empty>": both are written escaped.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends

// Links the listed objects as a scene's set-up does; for each, the index of its parent or -1.
std::vector<long> LinkAsTheSceneDoes()
{
    for (const auto& object : gGameObjects)
        object->RelinkParent();
    std::vector<long> parents;
    for (const auto& object : gGameObjects) {
        long at = -1;
        for (size_t i = 0; i < gGameObjects.size(); ++i)
            if (gGameObjects[i] == object->GetParent())
                at = static_cast<long>(i);
        parents.push_back(at);
    }
    return parents;
}

std::vector<std::string> Names()
{
    std::vector<std::string> names;
    for (const auto& object : gGameObjects)
        names.push_back(object->name);
    return names;
}

std::string Listed(const std::vector<long>& parents)
{
    std::string text;
    for (size_t i = 0; i < parents.size(); ++i)
        text += gGameObjects[i]->name + " under " + std::to_string(parents[i]) + "\n";
    return text;
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
    std::string saveName = name;
    for (const auto& object : gGameObjects) {
        if (object->name.size() > 1 && object->name[0] == '/')
            saveName = object->name.substr(1);
        for (std::string* held : {&object->name, &object->parentName})
            if (!held->empty() && (*held)[0] == '<')
                *held = "<empty>";
    }
    const std::vector<long> saved = LinkAsTheSceneDoes();
    if (!SaveLevel(saveName, first))
        FuzzFailure("first save failed", saveName, "");
    const std::vector<std::string> savedNames = Names();
    DestroyAll();
    // What the writer wrote is read to its end line, and no further.
    if (!LoadLevel(saveName, first))
        FuzzFailure("a saved level is not read back whole", workspace->Read("resources/level/First.txt"),
                    Listed(LinkAsTheSceneDoes()));
    const std::vector<long> readBack = LinkAsTheSceneDoes();
    if (readBack != saved)
        FuzzFailure("a saved level reads back with other links", workspace->Read("resources/level/First.txt"),
                    Listed(readBack));
    if (Names() != savedNames)
        FuzzFailure("a saved level reads back with other names", workspace->Read("resources/level/First.txt"),
                    Listed(readBack));
    if (!SaveLevel(saveName, second))
        FuzzFailure("second save failed", saveName, "");
    DestroyAll();

    const std::string a = workspace->Read("resources/level/First.txt");
    const std::string b = workspace->Read("resources/level/Second.txt");
    if (a != b)
        FuzzFailure("a saved level does not read back as itself", a, b);
    return 0;
}
