#include "objects/RecordNames.h"

#include <algorithm>

#include "objects/TextWriters.h"

bool RecordNames::Marker(const std::string& word) const
{
    const std::string bare = word.substr(std::min(word.find_first_not_of('_'), word.size()));
    return bare == endLine || bare == kEmptyToken;
}

bool RecordNames::Escaped(const std::string& name, const std::string& endLine)
{
    // An empty name is written as the placeholder on purpose: it reads back empty.
    return !name.empty() && RecordNames(endLine).Marker(ToToken(name));
}

std::string RecordNames::Record(const std::string& name) const
{
    const std::string word = ToToken(name);
    return !name.empty() && Marker(word) ? "_" + word : word;
}

std::string RecordNames::Parent(const std::string& parentName) const
{
    const std::string word = ToToken(parentName, "None");
    return !parentName.empty() && Marker(word) ? "_" + word : word;
}

std::string RecordNames::ReadRecord(const std::string& word) const
{
    return word.size() > 1 && word[0] == '_' && Marker(word) ? word.substr(1) : FromToken(word);
}

std::string RecordNames::ReadParent(const std::string& word) const
{
    return word.size() > 1 && word[0] == '_' && Marker(word) ? word.substr(1) : word;
}
