#include "editor/PrefabFile.h"

#include <iostream>
#include <sstream>

#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "platform/PrintableText.h"

namespace PrefabFile {

bool Read(std::istream& in, const std::string& source, std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    std::string word;
    if (!(in >> word)) {
        std::cout << "Prefab file \"" << Platform::Printable(source) << "\" is empty\n";
        return false;
    }
    while (true) {
        if (!(in >> word)) {
            std::cout << "Prefab file \"" << Platform::Printable(source) << "\" has no end line \"/PrefabName\"\n";
            return false;
        }
        if (word == "/PrefabName") {
            // Earlier versions wrote a prefab named like the end line as it was: the prefabs
            // after it are in the file but not read, so the file counts as read in part.
            if (in >> word) {
                std::cout << "Prefab file \"" << Platform::Printable(source)
                          << "\" goes on after its end line \"/PrefabName\" (with \"" << Platform::Printable(word)
                          << "\"); the rest is not read\n";
                return false;
            }
            return true;
        }
        int type = 0;
        std::string parentName;
        if (!(in >> type) || !(in >> parentName)) {
            std::cout << "Prefab file \"" << Platform::Printable(source) << "\": record \"" << Platform::Printable(word)
                      << "\" is cut short\n";
            return false;
        }
        auto object = std::make_shared<GameObject>(FromToken(word), type, gObjectIdCounter);
        object->parentName = parentName;
        if (!ReadComponentBlocks(in, *object, source))
            return false;
        prefabs.push_back(object);
    }
}

std::string Write(const std::vector<std::shared_ptr<GameObject>>& prefabs)
{
    // The level form, under the file's own name: a prefab named like the end line is escaped.
    return LevelText("PrefabName", prefabs);
}

}  // namespace PrefabFile
