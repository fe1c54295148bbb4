// The editor's list of saved levels as a visit reads it and joins a saved level's name into it:
// "-SelectScene-" first and once, then names that are safe file names, each once; a list read in
// part is kept aside before it is rewritten, and the written list reads back whole as itself.
#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzEditor.h"
#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "editor/Editor.h"
#include "editor/LevelNameList.h"
#include "editor/NameRules.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
const char* const kFile = "resources/level/TxtName.txt";

std::string Describe(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += "\"" + name + "\"\n";
    return text;
}

void CheckList(const std::vector<std::string>& names)
{
    if (names.empty() || names.front() != LevelNameList::kNoChoice)
        FuzzFailure("the list does not start with the no-choice entry", LevelNameList::kNoChoice, Describe(names));
    for (size_t i = 1; i < names.size(); ++i) {
        if (!NameRules::IsSafeFileName(names[i]))
            FuzzFailure("the list holds a name that is no safe file name", "safe file names", Describe(names));
        if (std::count(names.begin(), names.end(), names[i]) != 1)
            FuzzFailure("the list holds a name twice", "each name once", Describe(names));
    }
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workspace = StartEditorTarget();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input = AsText(data, size);
    workspace->WriteInput(kFile, input);

    std::string written;
    std::vector<std::string> names;
    {
        Editor editor(5);
        editor.LoadLevelNameList();
        std::istringstream probeIn(input);
        std::vector<std::string> probe;
        const bool whole = LevelNameList::Read(probeIn, probe, "TxtName.txt");
        CheckList(editor.levelNames);
        if (EditorFramesWanted())
            DrawEditorFrames(editor, nullptr);
        // A level saved in the visit under a name the list lacks.
        std::string saved = "FuzzSaved";
        while (std::find(editor.levelNames.begin(), editor.levelNames.end(), saved) != editor.levelNames.end())
            saved += "x";
        editor.unlistedNames.push_back(saved);
        if (!editor.SaveLevelNameList())
            FuzzFailure("the level list was not written", LevelNameList::Write(editor.levelNames), "");
        names = editor.levelNames;
        written = LevelNameList::Write(names);
        if (std::find(names.begin(), names.end(), saved) == names.end())
            FuzzFailure("the saved level is not listed", saved, Describe(names));
        if (!whole && workspace->Read(std::string(kFile) + ".broken") != input)
            FuzzFailure("a level list read in part was not kept aside", input,
                        workspace->Read(std::string(kFile) + ".broken"));
    }
    const std::string text = workspace->Read(kFile);
    if (text != written)
        FuzzFailure("the written level list is not the list", written, text);

    Editor next(5);
    next.LoadLevelNameList();
    std::istringstream writtenIn(written);
    std::vector<std::string> probe;
    if (!LevelNameList::Read(writtenIn, probe, "TxtName.txt"))
        FuzzFailure("a written level list is not read whole", written, "");
    if (next.levelNames != names)
        FuzzFailure("a written level list does not read back as itself", Describe(names), Describe(next.levelNames));
    return 0;
}
