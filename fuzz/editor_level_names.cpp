// The editor's list of saved levels as a visit reads it and writes it back: "-SelectScene-"
// first and once, then valid names each once; the written list reads back as itself.
#include <algorithm>
#include <cstdint>
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
        if (!NameRules::IsValidName(names[i]))
            FuzzFailure("the list holds a name the editor cannot use", "valid names", Describe(names));
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
    workspace->Write(kFile, AsText(data, size));

    std::string written;
    std::vector<std::string> names;
    {
        Editor editor(5);
        editor.LoadLevelNameList();
        CheckList(editor.levelNames);
        if (EditorFramesWanted())
            DrawEditorFrames(editor, nullptr);
        names = editor.levelNames;
        written = LevelNameList::Write(names);
        if (!editor.SaveLevelNameList())
            FuzzFailure("the level list was not written", written, "");
    }
    const std::string text = workspace->Read(kFile);
    if (text != written)
        FuzzFailure("the written level list is not the list", written, text);

    Editor next(5);
    next.LoadLevelNameList();
    if (next.levelNames != names)
        FuzzFailure("a written level list does not read back as itself", Describe(names), Describe(next.levelNames));
    return 0;
}
