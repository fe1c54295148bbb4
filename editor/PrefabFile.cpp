#include "editor/PrefabFile.h"

#include "objects/GameObject.h"
#include "objects/LevelFile.h"

namespace PrefabFile {

namespace {
const char* const kFileName = "PrefabName";
const char* const kEndLine = "/PrefabName";
}  // namespace

bool Read(std::istream& in, const std::string& source, std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    return ReadObjectRecords(in, kEndLine, "Prefab file", source,
                             [&](const std::shared_ptr<GameObject>& object) { prefabs.push_back(object); }) ==
           FileRead::Whole;
}

std::string Write(const std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    // The level form, under the file's own name: a prefab named like the end line is escaped.
    return LevelText(kFileName, prefabs);
}

std::string Record(const std::shared_ptr<GameObject>& prefab)
{
    return Write({prefab});
}

void SayEscapedNames(const std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    ::SayEscapedNames(kFileName, prefabs, "the prefab file");
}

}  // namespace PrefabFile
