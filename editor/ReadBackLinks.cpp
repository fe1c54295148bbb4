#include "editor/ReadBackLinks.h"

#include <unordered_map>

#include "objects/GameObject.h"
#include "objects/RecordNames.h"
#include "objects/TextWriters.h"
#include "platform/PrintableText.h"

ReadBackLinks::ReadBackLinks(std::vector<std::shared_ptr<GameObject>> objects, const std::string& levelName)
    : endLine("/" + ToToken(levelName))
{
    for (auto& object : objects)
        if (object)
            entries.push_back({object, object->name, object->parentName, object->GetParent().get()});
}

ReadBackLinks::Entry* ReadBackLinks::Find(const GameObject& object)
{
    for (Entry& entry : entries)
        if (entry.object.get() == &object)
            return &entry;
    return nullptr;
}

void ReadBackLinks::Rename(const GameObject& object, const std::string& name)
{
    Entry* renamed = Find(object);
    if (!renamed)
        return;
    renamed->name = name;
    for (Entry& entry : entries)
        if (entry.parent == &object)
            entry.parentName = name;
}

void ReadBackLinks::Link(const GameObject& object, const std::shared_ptr<GameObject>& parent)
{
    if (Entry* entry = Find(object)) {
        entry->parent = parent.get();
        entry->parentName = parent ? parent->name : std::string("None");
    }
}

std::string ReadBackLinks::ReadName(const std::string& name) const
{
    const RecordNames names(endLine);
    return names.ReadRecord(names.Record(name));
}

std::string ReadBackLinks::ReadParentName(const std::string& parentName) const
{
    const RecordNames names(endLine);
    return names.ReadParent(names.Parent(parentName));
}

std::shared_ptr<GameObject> ReadBackLinks::FirstNamed(const std::string& parentName) const
{
    const std::string wanted = ReadParentName(parentName);
    if (wanted == "None")
        return nullptr;
    for (const Entry& entry : entries)
        if (ReadName(entry.name) == wanted)
            return entry.object;
    return nullptr;
}

std::vector<long> ReadBackLinks::ReadBack() const
{
    // Names as the file holds them and the reader gives them back: blanks come back as "_".
    std::vector<std::string> names;
    std::unordered_map<std::string, long> first;
    for (size_t i = 0; i < entries.size(); ++i) {
        names.push_back(ReadName(entries[i].name));
        first.emplace(names.back(), static_cast<long>(i));
    }
    std::vector<long> parents(entries.size(), -1);
    std::vector<size_t> children(entries.size(), 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string wanted = ReadParentName(entries[i].parentName);
        const auto found = first.find(wanted);
        if (!GameObject::LinksByName(wanted, names[i], children[i] > 0) || found == first.end())
            continue;
        parents[i] = found->second;
        ++children[static_cast<size_t>(found->second)];
    }
    return parents;
}

std::string ReadBackLinks::Mismatch() const
{
    const auto under = [this](const GameObject* object) {
        if (!object)
            return std::string("with no parent");
        std::string name = object->name;
        for (const Entry& entry : entries)
            if (entry.object.get() == object)
                name = entry.name;
        return "under \"" + Platform::Printable(name) + "\" (id " + std::to_string(object->id) + ")";
    };
    const std::vector<long> parents = ReadBack();
    for (size_t i = 0; i < entries.size(); ++i) {
        const GameObject* read = parents[i] < 0 ? nullptr : entries[static_cast<size_t>(parents[i])].object.get();
        if (read != entries[i].parent)
            return "a saved level would read \"" + Platform::Printable(entries[i].name) + "\" (id " +
                   std::to_string(entries[i].object->id) + ") back " + under(read) + " instead of " +
                   under(entries[i].parent);
    }
    return std::string();
}
