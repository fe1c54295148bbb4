// The editor's three files: the level-name list, the interface style and the prefabs.
#include <imgui.h>

#include <iostream>
#include <sstream>

#include "editor/Editor.h"
#include "editor/EditorFileStore.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"

void Editor::LoadLevelNameList()
{
    std::string text;
    EditorFileStore::ReadWhole(levelListPath, text);
    std::istringstream in(text);
    levelListBroken = !LevelNameList::Read(in, levelNames);
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
    if (!EditorFileStore::ReadWhole(settingPath, text))
        return;  // the defaults stay and are written at Unload
    std::istringstream in(text);
    std::string error;
    std::vector<std::string> replaced;
    settingBroken = !StyleFile::Read(in, ImGui::GetStyle(), spareColours, error, replaced);
    if (settingBroken)
        std::cout << "Editor: style file \"" << settingPath << "\" is broken (" << error
                  << "); using the default style\n";
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
    if (!EditorFileStore::ReadWhole(prefabPath, text))
        return;
    std::istringstream in(text);
    prefabsBroken = !PrefabFile::Read(in, prefabPath, prefabs);
}

bool Editor::SavePrefabs()
{
    const bool written = EditorFileStore::Rewrite(prefabPath, PrefabFile::Write(prefabs), prefabsBroken);
    if (written)
        prefabsBroken = false;
    return written;
}
