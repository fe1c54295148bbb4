#include "editor/PrefabFile.h"

#include <iostream>
#include <sstream>

#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/RecordNames.h"
#include "objects/TextWriters.h"
#include "platform/PrintableText.h"

namespace PrefabFile {

namespace {
const char* const kEndLine = "/PrefabName";
}  // namespace

bool Read(std::istream& in, const std::string& source, std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    std::string word;
    if (!(in >> word)) {
        std::cout << "Prefab file \"" << Platform::Printable(source) << "\" is empty\n";
        return false;
    }
    const RecordNames names(kEndLine);
    while (true) {
        if (!(in >> word)) {
            std::cout << "Prefab file \"" << Platform::Printable(source) << "\" has no end line \"" << kEndLine << "\"\n";
            return false;
        }
        if (word == kEndLine)
            return NothingAfterEndLine(in, kEndLine, source);
        int type = 0;
        std::string parentName;
        if (!(in >> type) || !(in >> parentName)) {
            std::cout << "Prefab file \"" << Platform::Printable(source) << "\": record \"" << Platform::Printable(word)
                      << "\" is cut short\n";
            return false;
        }
        auto object = std::make_shared<GameObject>(names.ReadRecord(word), type, gObjectIdCounter);
        object->parentName = names.ReadParent(parentName);
        if (!ReadComponentBlocks(in, *object, source))
            return false;
        prefabs.push_back(object);
    }
}

std::string Write(const std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    // The level form, under the file's own name: a prefab named like the end line is escaped.
    return LevelText("PrefabName", prefabs, nullptr, "the prefab file");
}

}  // namespace PrefabFile
