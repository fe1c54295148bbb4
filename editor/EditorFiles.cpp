// The editor's three files: the level-name list, the interface style and the prefabs.
#include <imgui.h>

#include <algorithm>
#include <iostream>
#include <sstream>

#include "editor/Editor.h"
#include "editor/FieldText.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "editor/StyleFile.h"
#include "objects/GameObject.h"
#include "platform/FolderLock.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

namespace {
// How long a copy kept aside is told in the menu bar, as a save's outcome is.
constexpr float kKeptNewsSeconds = 10.0f;
// Why a file found damaged when read is kept aside before it is written over.
const char* const kDamaged = "was damaged when read";

// The whole file. One that is there but cannot be read gives why in whyUnread: it is never
// written over. It is said once, as it is read on entry; a read again for a write leaves that to
// the write's refusal.
bool ReadOrSayWhy(EditorFileStore& files, const std::string& path, std::string& text, std::string& whyUnread,
                  bool say = true)
{
    std::string why;
    if (files.Read(path, text, &why))
        return true;
    if (Platform::PathStands(path)) {
        whyUnread = why;
        if (say)
            std::cout << "Editor: cannot read \"" << Platform::Printable(path) << "\" (" << Platform::Printable(why)
                      << "); it is not written over\n";
    }
    return false;
}

// The names the list file holds now, joined with the names saved here that it lacks (added
// tells whether there were any); state takes what the read found. A list that cannot be read
// leaves the names the editor knew.
std::vector<std::string> ListedNow(EditorFileStore& files, const std::string& path,
                                   const std::vector<std::string>& known, const std::vector<std::string>& unlisted,
                                   EditorFileState& state, bool& added, bool say)
{
    std::string text;
    std::string unread;
    const bool read = ReadOrSayWhy(files, path, text, unread, say);
    std::istringstream in(text);
    std::vector<std::string> names;
    const bool whole = LevelNameList::Read(in, names, path);
    state.Record(path, !whole, unread);
    // What a list that cannot be read holds is not known: every name saved here waits for it.
    const bool unknown = !read && !unread.empty();
    if (unknown && !known.empty())
        names = known;
    added = unknown && !unlisted.empty();
    for (const std::string& name : unlisted) {
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
            added = true;
        }
    }
    return names;
}
}  // namespace

void Editor::TellKept(const std::string& path, const EditorFileStore::Outcome& outcome)
{
    if (outcome.keptAs.empty())
        return;
    const std::string line = FieldText::FileShown(path) + " " + outcome.keptFor + "; the file as it was is kept as " +
                             FieldText::FileShown(outcome.keptAs) + ".";
    // Under what is still told, a notice a line; a copy kept at a leave is told at the next entry.
    saveNews = saveNewsSeconds > 0.0f && !saveNews.empty() ? saveNews + "\n" + line : line;
    saveNewsSeconds = kKeptNewsSeconds;
}

std::string Editor::UnwrittenFiles() const
{
    std::string files;
    for (const auto& [state, path] : {std::pair{&levelList, &levelListPath}, std::pair{&prefabFile, &prefabPath},
                                      std::pair{&styleFile, &settingPath}})
        if (state->Unwritten())
            files += (files.empty() ? "" : ", ") + FieldText::FileShown(*path);
    return files;
}

void Editor::LoadLevelNameList()
{
    // Names a failed write left unlisted join what the file holds now, to be written next. Read
    // at entry and again as Open Scene opens: a list that cannot be read is said as found so.
    bool added = false;
    const bool say = levelList.unreadable.empty();
    levelNames = ListedNow(files, levelListPath, levelNames, unlistedNames, levelList, added, say);
}

bool Editor::SaveLevelNameList()
{
    // The list is a set of names: the file as it is now, with the names saved here joined in.
    // Another program's names stay, and a list that holds them all already is not written. Read,
    // joined and renamed under the folder's lock: no other writer's rename lands in between to be
    // written over, and the read leaves the write no change on disk to keep aside.
    const Platform::FolderLock lock(Platform::FolderLock::FolderOf(levelListPath));
    bool added = false;
    levelNames = ListedNow(files, levelListPath, levelNames, unlistedNames, levelList, added, false);
    if (!added) {
        unlistedNames.clear();
        levelList.HeldNothingNew();
        return true;
    }
    const EditorFileStore::Outcome outcome =
        files.Rewrite(levelListPath, LevelNameList::Write(levelNames), levelList.damaged ? kDamaged : "");
    levelList.Wrote(outcome);
    TellKept(levelListPath, outcome);
    if (outcome.written)
        unlistedNames.clear();
    return outcome.written;
}

void Editor::LoadEditorSetting()
{
    // Once a visit, at entry: New and Open Scene run Load again, and a style changed here stays
    // until it is written (through a failed write too, into the next visit).
    if (!ImGui::GetCurrentContext() || styleRead)
        return;
    styleRead = true;
    std::string text;
    // A missing file or one that cannot be read leaves the style as it is.
    std::string unread;
    if (!ReadOrSayWhy(files, settingPath, text, unread)) {
        styleFile.Record(settingPath, false, unread);
        styleAsRead = StyleFile::Write(ImGui::GetStyle(), spareColours);
        return;
    }
    std::istringstream in(text);
    std::string error;
    std::vector<std::string> replaced;
    const FileRead reading = StyleFile::Read(in, ImGui::GetStyle(), spareColours, error, replaced);
    // A value replaced by its default is lost to the next write too.
    styleFile.Record(settingPath, reading != FileRead::Whole || !replaced.empty());
    styleAsRead = StyleFile::Write(ImGui::GetStyle(), spareColours);
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
    // Only a style changed in this visit is written: the file may hold another program's since.
    const std::string text = StyleFile::Write(ImGui::GetStyle(), spareColours);
    if (text == styleAsRead) {
        styleFile.HeldNothingNew();
        return true;
    }
    // Not joined: the file is kept aside first only when it changed since the editor read it.
    // Under the folder's lock, no other writer renames between that check and this rename.
    const Platform::FolderLock lock(Platform::FolderLock::FolderOf(settingPath));
    const EditorFileStore::Outcome outcome = files.Rewrite(settingPath, text, styleFile.damaged ? kDamaged : "");
    styleFile.Wrote(outcome);
    TellKept(settingPath, outcome);
    if (outcome.written)
        styleAsRead = text;
    return outcome.written;
}

void Editor::LoadPrefabs()
{
    // Once per visit: New and Open run Load again, and the list may hold unsaved prefabs. Prefabs
    // a failed write left unwritten stay, and are not read again from the old file.
    if (prefabsRead)
        return;
    prefabsRead = true;
    std::string text;
    std::string unread;
    bool damaged = false;
    if (ReadOrSayWhy(files, prefabPath, text, unread)) {
        std::istringstream in(text);
        damaged = !PrefabFile::Read(in, prefabPath, prefabs);
    }
    prefabFile.Record(prefabPath, damaged, unread);
    prefabsAsRead.clear();
    for (const auto& prefab : prefabs)
        prefabsAsRead.insert(PrefabFile::Record(prefab));
}

bool Editor::SavePrefabs()
{
    // The prefabs made or replaced in this visit: those the file did not hold as they are.
    std::vector<std::shared_ptr<GameObject>> made;
    for (const auto& prefab : prefabs)
        if (prefab && prefabsAsRead.count(PrefabFile::Record(prefab)) == 0)
            made.push_back(prefab);
    if (made.empty()) {
        prefabFile.HeldNothingNew();
        return true;
    }
    // Joined by name with the file as it is now, so another program's prefabs stay. Where the
    // editor's replaces one changed there since, the file as it was is kept aside. Read, joined
    // and renamed under the folder's lock, as the list is.
    const Platform::FolderLock lock(Platform::FolderLock::FolderOf(prefabPath));
    std::string text;
    std::string unread;
    std::vector<std::shared_ptr<GameObject>> joined;
    bool damaged = false;
    if (ReadOrSayWhy(files, prefabPath, text, unread, false)) {
        std::istringstream in(text);
        damaged = !PrefabFile::Read(in, prefabPath, joined);
    }
    prefabFile.Record(prefabPath, damaged, unread);
    bool replacesAChange = false;
    for (const auto& prefab : made) {
        const auto same = std::find_if(joined.begin(), joined.end(), [&](const std::shared_ptr<GameObject>& p) {
            return p && p->name == prefab->name;
        });
        if (same == joined.end()) {
            joined.push_back(prefab);
            continue;
        }
        const std::string there = PrefabFile::Record(*same);
        replacesAChange = replacesAChange || (there != PrefabFile::Record(prefab) && prefabsAsRead.count(there) == 0);
        *same = prefab;
    }
    const std::string keep = prefabFile.damaged ? kDamaged
                             : replacesAChange  ? "had a prefab changed on disk that the editor's of that name replaces"
                                                : "";
    const EditorFileStore::Outcome outcome = files.Rewrite(prefabPath, PrefabFile::Write(joined), keep);
    prefabFile.Wrote(outcome);
    TellKept(prefabPath, outcome);
    if (!outcome.written)
        return false;
    // The editor now holds what the file holds.
    prefabs = joined;
    prefabsAsRead.clear();
    for (const auto& prefab : prefabs)
        prefabsAsRead.insert(PrefabFile::Record(prefab));
    PrefabFile::SayEscapedNames(prefabs);
    return true;
}
