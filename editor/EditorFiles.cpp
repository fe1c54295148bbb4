// The editor's three files: the level-name list, the interface style and the prefabs.
#include <imgui.h>

#include <iostream>
#include <sstream>

#include "editor/Editor.h"
#include "editor/EditorFileStore.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "platform/BrokenCopy.h"
#include "platform/PrintableText.h"

namespace {
// The whole file; a file that is there but cannot be read is marked broken, so that no write
// goes over it before it is kept aside.
bool ReadOrMarkBroken(const std::string& path, std::string& text, bool& broken)
{
    if (EditorFileStore::ReadWhole(path, text))
        return true;
    broken = EditorFileStore::Exists(path);
    if (broken)
        std::cout << "Editor: cannot read \"" << Platform::Printable(path) << "\"; it is not written over\n";
    return false;
}
}  // namespace

void Editor::LoadLevelNameList()
{
    std::string text;
    levelListBroken = false;
    ReadOrMarkBroken(levelListPath, text, levelListBroken);
    std::istringstream in(text);
    levelListBroken = !LevelNameList::Read(in, levelNames, levelListPath) || levelListBroken;
    levelListKeptAs = levelListBroken ? Platform::BrokenCopyName(levelListPath) : "";
}

bool Editor::SaveLevelNameList()
{
    const bool written = EditorFileStore::Rewrite(levelListPath, LevelNameList::Write(levelNames), levelListBroken);
    if (written)
        levelListBroken = false;
    return written;
}

void Editor::LoadEditorSetting()
{
    if (!ImGui::GetCurrentContext())
        return;
    std::string text;
    // A missing file gets the defaults at Unload; one that cannot be read is not written over.
    if (!ReadOrMarkBroken(settingPath, text, settingBroken))
        return;
    std::istringstream in(text);
    std::string error;
    std::vector<std::string> replaced;
    const StyleFile::Reading reading = StyleFile::Read(in, ImGui::GetStyle(), spareColours, error, replaced);
    // A value replaced by its default is lost to the next write too.
    settingBroken = reading != StyleFile::Reading::Whole || !replaced.empty();
    if (reading == StyleFile::Reading::Broken)
        std::cout << "Editor: style file \"" << settingPath << "\" is broken (" << error
                  << "); using the default style\n";
    else if (reading == StyleFile::Reading::GoesOn)
        std::cout << "Editor: style file \"" << settingPath << "\": " << Platform::Printable(error)
                  << "; its values are used, and the file is kept aside before it is next written\n";
    for (const std::string& note : replaced)
        std::cout << "Editor: style file \"" << settingPath << "\": " << note << '\n';
}

bool Editor::SaveEditorSetting()
{
    if (!ImGui::GetCurrentContext())
        return false;
    const bool written =
        EditorFileStore::Rewrite(settingPath, StyleFile::Write(ImGui::GetStyle(), spareColours), settingBroken);
    if (written)
        settingBroken = false;
    return written;
}

void Editor::LoadPrefabs()
{
    // Once per visit: New and Open run Load again, and the list may hold unsaved prefabs.
    if (prefabsRead)
        return;
    prefabsRead = true;
    std::string text;
    if (!ReadOrMarkBroken(prefabPath, text, prefabsBroken))
        return;
    std::istringstream in(text);
    prefabsBroken = !PrefabFile::Read(in, prefabPath, prefabs);
}

bool Editor::SavePrefabs()
{
    // Written at every leave: its escaped names are told when what it holds changes.
    const std::string text = PrefabFile::Write(prefabs);
    std::string before;
    const bool changed = !EditorFileStore::ReadWhole(prefabPath, before) || before != text;
    const bool written = EditorFileStore::Rewrite(prefabPath, text, prefabsBroken);
    if (written) {
        prefabsBroken = false;
        if (changed)
            PrefabFile::SayEscapedNames(prefabs);
    }
    return written;
}
