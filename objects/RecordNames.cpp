#include "objects/RecordNames.h"

#include <unordered_set>

#include "objects/GameObject.h"
#include "objects/TextWriters.h"

RecordNames::RecordNames(const std::vector<std::string>& names, const std::string& endLine)
{
    Build(names, endLine);
}

RecordNames::RecordNames(const std::vector<std::shared_ptr<GameObject>>& objects, const std::string& endLine)
{
    std::vector<std::string> names;
    names.reserve(objects.size());
    for (const auto& object : objects)
        if (object)
            names.push_back(object->name);
    Build(names, endLine);
}

bool RecordNames::Escaped(const std::string& name, const std::string& endLine)
{
    // An empty name is written as the placeholder on purpose: it reads back empty.
    if (name.empty())
        return false;
    const std::string word = ToToken(name);
    return word == endLine || word == kEmptyToken;
}

void RecordNames::Build(const std::vector<std::string>& names, const std::string& endLine)
{
    std::unordered_set<std::string> held;  // filled only when something is escaped
    for (const std::string& name : names) {
        if (!Escaped(name, endLine) || escapes.count(ToToken(name)))
            continue;
        if (held.empty())
            for (const std::string& other : names)
                held.insert(ToToken(other));
        std::string written = "_" + ToToken(name);
        while (held.count(written))
            written = "_" + written;
        held.insert(written);
        escapes.emplace(ToToken(name), written);
    }
}

std::string RecordNames::Record(const std::string& name) const
{
    if (name.empty())
        return kEmptyToken;
    const std::string word = ToToken(name);
    const auto escaped = escapes.find(word);
    return escaped == escapes.end() ? word : escaped->second;
}

std::string RecordNames::Parent(const std::string& parentName) const
{
    const std::string word = ToToken(parentName, "None");
    const auto escaped = escapes.find(word);
    return escaped == escapes.end() ? word : escaped->second;
}
