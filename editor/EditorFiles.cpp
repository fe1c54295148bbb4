// The editor's three files: the level-name list, the interface style and the prefabs.
#include <imgui.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "editor/Editor.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"

namespace {
// The whole file; a file that is there but cannot be read counts as damaged, so that no write
// goes over it before it is kept aside.
bool ReadOrMarkDamaged(EditorFileStore& files, const std::string& path, std::string& text, bool& damaged)
{
    if (files.Read(path, text))
        return true;
    damaged = Platform::PathStands(path);
    if (damaged)
        std::cout << "Editor: cannot read \"" << Platform::Printable(path) << "\"; it is not written over\n";
    return false;
}
}  // namespace

void Editor::LoadLevelNameList()
{
    std::string text;
    bool damaged = false;
    ReadOrMarkDamaged(files, levelListPath, text, damaged);
    std::istringstream in(text);
    std::vector<std::string> read;
    damaged = !LevelNameList::Read(in, read, levelListPath) || damaged;
    // Names a failed write left unlisted join what the file holds now, to be written next.
    if (levelList.Unwritten())
        for (const std::string& name : levelNames)
            if (std::find(read.begin(), read.end(), name) == read.end())
                read.push_back(name);
    levelNames = read;
    levelList.Read(levelListPath, damaged);
}

bool Editor::SaveLevelNameList()
{
    levelList.Wrote(files.Rewrite(levelListPath, LevelNameList::Write(levelNames), levelList.damaged));
    return !levelList.Unwritten();
}

void Editor::LoadEditorSetting()
{
    // A style whose write failed is still the interface's: the file would bring back the old one.
    if (!ImGui::GetCurrentContext() || styleFile.Unwritten())
        return;
    std::string text;
    // A missing file gets the defaults at Unload; one that cannot be read is not written over.
    bool damaged = false;
    if (!ReadOrMarkDamaged(files, settingPath, text, damaged)) {
        styleFile.Read(settingPath, damaged);
        return;
    }
    std::istringstream in(text);
    std::string error;
    std::vector<std::string> replaced;
    const FileRead reading = StyleFile::Read(in, ImGui::GetStyle(), spareColours, error, replaced);
    // A value replaced by its default is lost to the next write too.
    styleFile.Read(settingPath, reading != FileRead::Whole || !replaced.empty());
    if (reading == FileRead::GoesOn)
        std::cout << "Editor: style file \"" << settingPath << "\": " << Platform::Printable(error)
                  << "; its values are used, and the file is kept aside before it is next written\n";
    else if (reading != FileRead::Whole)
        std::cout << "Editor: style file \"" << settingPath << "\" is broken (" << error
                  << "); using the default style\n";
    for (const std::string& note : replaced)
        std::cout << "Editor: style file \"" << settingPath << "\": " << note << '\n';
}

bool Editor::SaveEditorSetting()
{
    if (!ImGui::GetCurrentContext())
        return false;
    styleFile.Wrote(
        files.Rewrite(settingPath, StyleFile::Write(ImGui::GetStyle(), spareColours), styleFile.damaged));
    return !styleFile.Unwritten();
}

void Editor::LoadPrefabs()
{
    // Once per visit: New and Open run Load again, and the list may hold unsaved prefabs. Prefabs
    // a failed write left unwritten stay, and are not read again from the old file.
    if (prefabsRead)
        return;
    prefabsRead = true;
    std::string text;
    bool damaged = false;
    if (ReadOrMarkDamaged(files, prefabPath, text, damaged)) {
        std::istringstream in(text);
        damaged = !PrefabFile::Read(in, prefabPath, prefabs);
    }
    prefabFile.Read(prefabPath, damaged);
}

bool Editor::SavePrefabs()
{
    // Written at every leave: its escaped names are told when what it holds changes.
    const std::string text = PrefabFile::Write(prefabs);
    const bool changed = !files.Holds(prefabPath, text);
    prefabFile.Wrote(files.Rewrite(prefabPath, text, prefabFile.damaged));
    if (prefabFile.Unwritten())
        return false;
    if (changed)
        PrefabFile::SayEscapedNames(prefabs);
    return true;
}
