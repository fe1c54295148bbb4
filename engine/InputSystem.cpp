#include "engine/InputSystem.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/BrokenCopy.h"
#include "platform/FolderLock.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {

bool ValidIndex(int key)
{
    return key >= 0 && key < kKeyCount;
}

bool HasBlank(const std::string& word)
{
    for (char c : word) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') {
            return true;
        }
    }
    return false;
}

// "a", "a and b", "a, b and c", each word escaped for the console.
std::string JoinWords(const std::vector<std::string>& words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " and " : ", ") + Platform::Printable(words[i]);
    return text;
}

}  // namespace

InputSystem::InputSystem() = default;

void InputSystem::HandleMessage(Message* message)
{
    if (!message) {
        return;
    }
    if (message->id == 9) {
        inputEnabled = true;
    } else if (message->id == 10) {
        inputEnabled = false;
    }
}

void InputSystem::Init()
{
    LoadKeyMaps();
}

void InputSystem::Update(float /*dt*/)
{
    timer.Restart();
    // Only keys whose press has been reported are polled; they re-arm once seen up.
    for (KeyTableEntry& entry : gKeyTable) {
        if (entry.ready == 0 && !IsVirtualKeyDown(entry.virtualKey)) {
            entry.ready = 1;
        }
    }
    timer.Mark();
    timer.Measure();
}

std::string InputSystem::GetName()
{
    return "Input System";
}

void InputSystem::Shutdown()
{
    SaveActionMap();
}

bool InputSystem::IsKeyDown(int key)
{
    if (!inputEnabled || !ValidIndex(key)) {
        return false;
    }
    return IsVirtualKeyDown(gKeyTable[static_cast<std::size_t>(key)].virtualKey);
}

bool InputSystem::IsKeyTriggered(int key)
{
    if (!inputEnabled || !ValidIndex(key)) {
        return false;
    }
    KeyTableEntry& entry = gKeyTable[static_cast<std::size_t>(key)];
    if (entry.ready != 0 && IsVirtualKeyDown(entry.virtualKey)) {
        entry.ready = 0;
        return true;
    }
    return false;
}

bool InputSystem::IsKeyUp(int key)
{
    if (!inputEnabled) {
        return false;
    }
    if (!ValidIndex(key)) {
        return true;  // a key that does not exist is never held
    }
    return !IsVirtualKeyDown(gKeyTable[static_cast<std::size_t>(key)].virtualKey);
}

int InputSystem::ActionKeyIndex(const std::string& action) const
{
    const auto binding = gActionToKeyName.find(action);
    if (binding != gActionToKeyName.end()) {
        const auto key = gKeyNameToIndex.find(binding->second);
        if (key != gKeyNameToIndex.end() && ValidIndex(key->second)) {
            return key->second;
        }
    }
    // Unbound, or bound to a name no key has: the shipped key, whatever the name file says.
    const auto shipped = DefaultActionKeys().find(action);
    return shipped == DefaultActionKeys().end() ? -1 : BuiltInKeyIndex(shipped->second);
}

bool InputSystem::IsActionDown(const std::string& action)
{
    const int key = ActionKeyIndex(action);
    return key >= 0 && IsKeyDown(key);
}

bool InputSystem::IsActionTriggered(const std::string& action)
{
    const int key = ActionKeyIndex(action);
    return key >= 0 && IsKeyTriggered(key);
}

bool InputSystem::IsActionUp(const std::string& action)
{
    if (!inputEnabled) {
        return false;
    }
    const int key = ActionKeyIndex(action);
    return key < 0 || IsKeyUp(key);  // an unbound action is never held
}

bool InputSystem::LoadKeyNames()
{
    gKeyNameToIndex.clear();
    std::string text;
    std::string why;
    const bool opened = Platform::ReadWholeFile(keyNamePath, text, &why);
    std::istringstream names(text);
    int index = 0;
    std::string word;
    std::string misplaced;  // the first built-in name read at another key's place
    std::map<std::string, std::vector<std::string>> repeated;  // a name given to more than one key: its keys
    while (index < kKeyCount && names >> word) {
        const int own = BuiltInKeyIndex(word);
        if (own >= 0 && own != index && misplaced.empty())
            misplaced = word + " as key " + std::to_string(index) + ", not " + std::to_string(own);
        const auto earlier = gKeyNameToIndex.find(word);
        if (earlier != gKeyNameToIndex.end()) {
            auto& keys = repeated[word];
            if (keys.empty())
                keys.push_back(std::to_string(earlier->second));
            keys.push_back(std::to_string(index));
        }
        gKeyNameToIndex[word] = index;  // a repeated name keeps its later index
        ++index;
    }
    if (misplaced.empty()) {
        // The earlier keys of a repeated name are left with none: no action can be bound to them.
        for (auto [name, keys] : repeated) {
            const std::string kept = keys.back();
            keys.pop_back();
            std::cerr << "Input: " << keyNamePath << " gives the name " << Platform::Printable(name) << " to "
                      << keys.size() + 1 << " keys; it keeps it for key " << kept << " and drops it for key"
                      << (keys.size() > 1 ? "s " : " ") << JoinWords(keys) << "\n";
        }
    }
    if (index == kKeyCount && misplaced.empty())
        return true;
    if (!misplaced.empty()) {
        // A line lost or doubled moves every name after it onto another key.
        std::cerr << "Input: " << keyNamePath << " is damaged (it names " << misplaced
                  << "); every key keeps its built-in name\n";
        gKeyNameToIndex.clear();
        index = 0;
    } else if (!opened) {
        std::cerr << "Input: cannot read " << keyNamePath << " (" << why << "); every key keeps its built-in name\n";
    } else {
        std::cerr << "Input: " << keyNamePath << " names " << index << " keys of " << kKeyCount
                  << "; the rest keep their built-in names\n";
    }
    for (; index < kKeyCount; ++index)
        gKeyNameToIndex.emplace(BuiltInKeyNames()[static_cast<std::size_t>(index)], index);
    return false;
}

bool InputSystem::LoadKeyMaps()
{
    bool complete = LoadKeyNames();
    gActionToKeyName.clear();
    actionMapWhole = true;
    actionMapLoss.clear();

    std::string text;
    std::string why;
    const bool opened = Platform::ReadWholeFile(actionMapPath, text, &why);
    actionMapReadFrom = actionMapPath;
    actionMapRead = opened ? std::optional<std::string>(text) : std::nullopt;
    std::istringstream actions(text);
    if (!opened) {
        // A file that is there but cannot be read is never written over; a missing one is
        // written anew with the shipped bindings.
        actionMapWhole = !Platform::PathStands(actionMapPath);
        std::cerr << "Input: cannot read " << actionMapPath << " (" << why << ")"
                  << (actionMapWhole ? "" : "; it is left as it is") << "\n";
        complete = false;
    }
    std::string action;
    std::map<std::string, std::set<std::string>> dropped;  // an action bound again: its earlier keys
    while (actions >> action) {
        std::string keyName;
        if (!(actions >> keyName)) {
            std::cerr << "Input: " << actionMapPath << " ends with " << Platform::Printable(action) << " but no key\n";
            actionMapWhole = complete = false;
            break;
        }
        const auto earlier = gActionToKeyName.find(action);
        if (earlier != gActionToKeyName.end())
            dropped[action].insert(earlier->second);
        gActionToKeyName[action] = keyName;  // a repeated action keeps its later key
    }
    // The bindings given up are not written back at exit: say which, unless they bound the same
    // key, and keep the file aside before that write.
    for (auto& [name, earlierKeys] : dropped) {
        const std::string& kept = gActionToKeyName[name];
        earlierKeys.erase(kept);
        if (earlierKeys.empty())
            continue;
        actionMapLoss = "binds an action to more than one key";
        std::cerr << "Input: " << actionMapPath << " binds " << Platform::Printable(name) << " more than once; it keeps "
                  << Platform::Printable(kept) << " (the last) and drops "
                  << JoinWords({earlierKeys.begin(), earlierKeys.end()}) << "\n";
    }
    if (actions.bad()) {
        actionMapWhole = complete = false;
    }
    for (const auto& [name, keyName] : DefaultActionKeys()) {
        if (gActionToKeyName.emplace(name, keyName).second) {
            std::cerr << "Input: " << actionMapPath << " does not bind " << name << "; it keeps its default key "
                      << keyName << "\n";
        }
    }
    for (const auto& [name, keyName] : gActionToKeyName) {
        if (gKeyNameToIndex.find(keyName) != gKeyNameToIndex.end()) {
            continue;
        }
        const auto shipped = DefaultActionKeys().find(name);
        if (shipped != DefaultActionKeys().end() && shipped->second == keyName) {
            continue;  // found by its built-in name all the same
        }
        actionMapLoss = "binds unknown keys";
        std::cerr << "Input: " << Platform::Printable(name) << " is bound to the unknown key \""
                  << Platform::Printable(keyName) << "\" in " << actionMapPath
                  << (shipped == DefaultActionKeys().end() ? "; it will not respond"
                                                           : "; it uses its default key " + shipped->second)
                  << "\n";
    }
    return complete;
}

bool InputSystem::SaveActionMap()
{
    // What could not be read stays in the file for whoever mends it; an empty map is never written.
    if (!actionMapWhole || gActionToKeyName.empty()) {
        std::cerr << "Input: " << actionMapPath << (actionMapWhole ? " has no bindings to write" : " was not read whole")
                  << "; it is left as it is\n";
        return true;
    }
    // From the check to the rename, as the editor's files: another game's start never cuts in.
    const Platform::FolderLock lock(Platform::FolderLock::FolderOf(actionMapPath));
    if (actionMapPath == actionMapReadFrom && Platform::ChangedSince(actionMapPath, actionMapRead)) {
        std::cerr << "Input: " << actionMapPath << " changed since the game read it; it is left as it is\n";
        return true;
    }
    std::ostringstream out;
    for (const auto& [action, keyName] : gActionToKeyName) {
        // Only pairs that read back as the same pair.
        if (action.empty() || keyName.empty() || HasBlank(action) || HasBlank(keyName)) {
            std::cerr << "Input: the binding \"" << Platform::Printable(action) << "\" -> \""
                      << Platform::Printable(keyName) << "\" cannot be stored and is left out\n";
            continue;
        }
        out << action << '\n' << keyName << "\n\n";
    }
    std::string error;
    // What was there is kept as it was, unless it reads as what is written now (the game's own
    // writing at an earlier exit).
    std::string before;
    std::string keptAs;
    bool linked = false;
    if (!actionMapLoss.empty() && (!Platform::ReadWholeFile(actionMapPath, before) || before != out.str())) {
        if (!Platform::KeepBrokenCopy(actionMapPath, keptAs, error, &linked)) {
            std::cerr << "Input: " << actionMapPath << " " << actionMapLoss << " and could not be copied aside ("
                      << error << "); it is left as it is\n";
            return false;
        }
    }
    const bool written = Platform::WriteFileAtomically(actionMapPath, out.str(), error);
    // Unwritten, the file stays as it was; a copy linked to it would follow a change made to it in place.
    if (!written && linked && Platform::UndoLinkedCopy(actionMapPath, keptAs))
        keptAs.clear();
    if (!keptAs.empty())
        std::cerr << "Input: " << actionMapPath << " " << actionMapLoss << "; the file as it was is kept as " << keptAs
                  << "\n";
    if (!written) {
        std::cerr << "Input: key bindings not saved (" << error << "); " << actionMapPath
                  << " is unchanged\n";
        return false;
    }
    return true;
}

}  // namespace Framework
